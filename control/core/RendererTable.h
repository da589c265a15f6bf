#pragma once

#include <QString>
#include <array>

#include "control/core/PageUnits.h"

class JobContext;
class QWidget;

// A renderer draws the record PrintItems[CurrentItem] (its control is
// CurrentControl) on the job's target: the preview page or the printer.
// The composition has placed the record: CurrentY is its top, on the page
// it starts on. The renderer calls NewPage when what it draws goes on to
// the next page, returns at once when StopComposing becomes true, and in
// its loops yields and returns when PrintAborted is set. It must not
// change PrintItems or CurrentItem. The host form is in twips (ScaleMode 1)
// when it is called.
using Renderer = void (*)(JobContext&);
// Where the flow of gaps puts the record, from CurrentY (the place the
// record before it left) or, after a page break, from the new page's top.
using EntryRule = PagePx (*)(JobContext&, bool afterBreak);
// Whether the record, its top at CurrentY, would rather start on the next
// page (it does not fit here, yet fits a fresh page). Draws nothing.
using PageTest = bool (*)(JobContext&);
// The least top of the current control on the page (a frame's or shape's
// caption keeps clear of the page's title).
using LeastTop = PagePx (*)(JobContext&);

// The kinds of host control the composition draws, in the order it tests
// them (a control matches the first kind that fits, at most one).
enum class RenderKind
{
    Text,        // Label, TextBox, "MaskEdBox", "ComboBox"
    FileList,    // FileListBox
    Line,        // Line
    CheckOption, // CheckBox, OptionButton
    ListView,    // "ListView"
    Picture,     // Image, PictureBox, "MSChart"
    Shape,       // Shape
    Frame,       // Frame
    ListBox,     // ListBox
    FlexGrid,    // "MSFlexGrid", "MSHFlexGrid", "vsFlexGrid", "VSFlexGrid"
    DataGrid,    // "DBGrid", "DataGrid", "TDBGrid"
    RichText     // "RichTextBox"
};

// When the composition tests the abort flag around a kind's renderer.
enum class AbortTest
{
    None,
    Before,
    After
};

// What a kind's renderer does when its control cannot be read at all (the
// host deleted it during the job): it is left out, or its failed read is
// reported like any other (ReportPrintError, which stops the job), on the
// printer only or on both targets.
enum class FailedRead
{
    Skip,
    ReportWhenPrinting,
    Report
};

// The dispatch table: for each kind, how a control is recognised by its
// type name, when the abort flag is tested, what a control that is gone
// gives, and the renderer of each target. A kind whose renderers are not
// registered is matched and drawn by nobody.
struct RendererRow
{
    RenderKind kind;
    bool (*matches)(const QString& typeName);
    AbortTest abortTest;
    FailedRead failedRead;
    Renderer preview = nullptr;
    Renderer print = nullptr;
    // The kind's own entry rule (none: the gap from CurrentY, or the new
    // page's top) and page test (none: never a new page).
    EntryRule entry = nullptr;
    PageTest startsNewPage = nullptr;
    LeastTop leastTop = nullptr;
};

class RendererTable
{
public:
    static constexpr int KindCount = 12;
    // The rows in the composition's order of kind tests.
    static const std::array<RendererRow, KindCount>& rows();
    // The row of the first kind the control matches; null for none.
    static const RendererRow* match(const QWidget* control);
    // The same by a control's type name.
    static const RendererRow* matchType(const QString& typeName);
    // Installs a kind's renderers (each renderer source does so once, when
    // the library loads). Returns true, for use in a static initialiser.
    static bool add(RenderKind kind, Renderer preview, Renderer print);
    // The grid kinds, by type name: their records keep the control's
    // height.
    static bool isGridKind(const QString& typeName);
    // Whether a record of the type name is grid-like: the record after it
    // follows where its printing ends (never when grids print side by
    // side).
    static bool gridLike(const QString& typeName, bool sideBySide);
    // Installs a kind's entry rule and page test, likewise.
    static bool addPlacing(RenderKind kind, EntryRule entry, PageTest startsNewPage,
                           LeastTop leastTop = nullptr);

private:
    static std::array<RendererRow, KindCount>& table();
};

// Registers the renderers of a kind from a renderer's source file.
#define ZENTREL_RENDERERS(kind, preview, print)                                                    \
    namespace {                                                                                    \
    [[maybe_unused]] const bool registered##preview = RendererTable::add(kind, preview, print);    \
    }

// Registers the entry rule and page test of a kind.
#define ZENTREL_PLACING(kind, entry, test, ...)                                                    \
    namespace {                                                                                    \
    [[maybe_unused]] const bool placing##test =                                                    \
        RendererTable::addPlacing(kind, entry, test __VA_OPT__(, ) __VA_ARGS__);                   \
    }
