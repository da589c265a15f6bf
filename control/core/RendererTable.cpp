#include "control/core/RendererTable.h"

#include <QWidget>

#include "platform/controls/FormMember.h"

using namespace platform;

namespace {

bool isAnyOf(const QString& type, std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        if (type == QLatin1String(name))
            return true;
    }
    return false;
}

bool isText(const QString& t)
{
    return isAnyOf(t, {"Label", "TextBox", "MaskEdBox", "ComboBox"});
}
bool isFileList(const QString& t)
{
    return isAnyOf(t, {"FileListBox"});
}
bool isLine(const QString& t)
{
    return isAnyOf(t, {"Line"});
}
bool isCheckOption(const QString& t)
{
    return isAnyOf(t, {"CheckBox", "OptionButton"});
}
bool isListView(const QString& t)
{
    return isAnyOf(t, {"ListView"});
}
bool isPicture(const QString& t)
{
    return isAnyOf(t, {"Image", "PictureBox", "MSChart"});
}
bool isShape(const QString& t)
{
    return isAnyOf(t, {"Shape"});
}
bool isFrame(const QString& t)
{
    return isAnyOf(t, {"Frame"});
}
bool isListBox(const QString& t)
{
    return isAnyOf(t, {"ListBox"});
}
bool isFlexGrid(const QString& t)
{
    return isAnyOf(t, {"MSFlexGrid", "MSHFlexGrid", "vsFlexGrid", "VSFlexGrid"});
}
bool isDataGrid(const QString& t)
{
    return isAnyOf(t, {"DBGrid", "DataGrid", "TDBGrid"});
}
bool isRichText(const QString& t)
{
    return isAnyOf(t, {"RichTextBox"});
}

} // namespace

std::array<RendererRow, RendererTable::KindCount>& RendererTable::table()
{
    static std::array<RendererRow, KindCount> rows{{
        // Text controls report failures only on the printer; check and option
        // buttons, shapes and frames on both targets; the rest skip what
        // they cannot read or end quietly.
        {RenderKind::Text, isText, AbortTest::After, FailedRead::ReportWhenPrinting},
        {RenderKind::FileList, isFileList, AbortTest::Before, FailedRead::Skip},
        {RenderKind::Line, isLine, AbortTest::Before, FailedRead::Skip},
        {RenderKind::CheckOption, isCheckOption, AbortTest::Before, FailedRead::Report},
        {RenderKind::ListView, isListView, AbortTest::None, FailedRead::Skip},
        {RenderKind::Picture, isPicture, AbortTest::None, FailedRead::Skip},
        {RenderKind::Shape, isShape, AbortTest::None, FailedRead::Report},
        {RenderKind::Frame, isFrame, AbortTest::None, FailedRead::Report},
        {RenderKind::ListBox, isListBox, AbortTest::None, FailedRead::Skip},
        {RenderKind::FlexGrid, isFlexGrid, AbortTest::None, FailedRead::Skip},
        {RenderKind::DataGrid, isDataGrid, AbortTest::None, FailedRead::Skip},
        {RenderKind::RichText, isRichText, AbortTest::None, FailedRead::Skip},
    }};
    return rows;
}

const std::array<RendererRow, RendererTable::KindCount>& RendererTable::rows()
{
    return table();
}

const RendererRow* RendererTable::match(const QWidget* control)
{
    return control ? matchType(FormMember::typeName(control)) : nullptr;
}

const RendererRow* RendererTable::matchType(const QString& typeName)
{
    for (const RendererRow& row : table()) {
        if (row.matches(typeName))
            return &row;
    }
    return nullptr;
}

bool RendererTable::add(RenderKind kind, Renderer preview, Renderer print)
{
    for (RendererRow& row : table()) {
        if (row.kind == kind) {
            row.preview = preview;
            row.print = print;
        }
    }
    return true;
}

bool RendererTable::addPlacing(RenderKind kind, EntryRule entry, PageTest startsNewPage,
                               LeastTop leastTop)
{
    for (RendererRow& row : table()) {
        if (row.kind == kind) {
            row.entry = entry;
            row.startsNewPage = startsNewPage;
            row.leastTop = leastTop;
        }
    }
    return true;
}

bool RendererTable::isGridKind(const QString& type)
{
    return isAnyOf(type, {"DataGrid", "TDBGrid", "DBGrid", "ListView"}) ||
           type.endsWith(QLatin1String("FlexGrid"));
}

bool RendererTable::gridLike(const QString& type, bool sideBySide)
{
    return !sideBySide && isGridKind(type);
}
