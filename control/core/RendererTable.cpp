#include "control/core/RendererTable.h"

#include <QWidget>

#include "platform/controls/FormMember.h"

using namespace platform;

namespace {

QString typeOf(const QWidget* control)
{
    return FormMember::typeName(control);
}

bool isAnyOf(const QWidget* control, std::initializer_list<const char*> names)
{
    const QString type = typeOf(control);
    for (const char* name : names) {
        if (type == QLatin1String(name))
            return true;
    }
    return false;
}

bool isText(const QWidget* c)
{
    return isAnyOf(c, {"Label", "TextBox", "MaskEdBox", "ComboBox"});
}
bool isFileList(const QWidget* c)
{
    return isAnyOf(c, {"FileListBox"});
}
bool isLine(const QWidget* c)
{
    return isAnyOf(c, {"Line"});
}
bool isCheckOption(const QWidget* c)
{
    return isAnyOf(c, {"CheckBox", "OptionButton"});
}
bool isListView(const QWidget* c)
{
    return isAnyOf(c, {"ListView"});
}
bool isPicture(const QWidget* c)
{
    return isAnyOf(c, {"Image", "PictureBox", "MSChart"});
}
bool isShape(const QWidget* c)
{
    return isAnyOf(c, {"Shape"});
}
bool isFrame(const QWidget* c)
{
    return isAnyOf(c, {"Frame"});
}
bool isListBox(const QWidget* c)
{
    return isAnyOf(c, {"ListBox"});
}
bool isFlexGrid(const QWidget* c)
{
    return isAnyOf(c, {"MSFlexGrid", "MSHFlexGrid", "vsFlexGrid", "VSFlexGrid"});
}
bool isDataGrid(const QWidget* c)
{
    return isAnyOf(c, {"DBGrid", "DataGrid", "TDBGrid"});
}
bool isRichText(const QWidget* c)
{
    return isAnyOf(c, {"RichTextBox"});
}

} // namespace

std::array<RendererRow, RendererTable::KindCount>& RendererTable::table()
{
    static std::array<RendererRow, KindCount> rows{{
        {RenderKind::Text, isText, AbortTest::After},
        {RenderKind::FileList, isFileList, AbortTest::Before},
        {RenderKind::Line, isLine, AbortTest::Before},
        {RenderKind::CheckOption, isCheckOption, AbortTest::Before},
        {RenderKind::ListView, isListView, AbortTest::None},
        {RenderKind::Picture, isPicture, AbortTest::None},
        {RenderKind::Shape, isShape, AbortTest::None},
        {RenderKind::Frame, isFrame, AbortTest::None},
        {RenderKind::ListBox, isListBox, AbortTest::None},
        {RenderKind::FlexGrid, isFlexGrid, AbortTest::None},
        {RenderKind::DataGrid, isDataGrid, AbortTest::None},
        {RenderKind::RichText, isRichText, AbortTest::None},
    }};
    return rows;
}

const std::array<RendererRow, RendererTable::KindCount>& RendererTable::rows()
{
    return table();
}

const RendererRow* RendererTable::match(const QWidget* control)
{
    if (!control)
        return nullptr;
    for (const RendererRow& row : table()) {
        if (row.matches(control))
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
