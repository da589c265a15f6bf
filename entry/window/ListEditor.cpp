#include "entry/window/ListEditor.h"

#include <QCloseEvent>

#include "entry/window/MainFrm.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/FontSubstitutes.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListView.h"
#include "platform/controls/Placement.h"
#include "platform/runtime/Values.h"
#include "platform/ui/Dialogs.h"

using namespace platform;

namespace {

const QString CrLf = QStringLiteral("\r\n");

void showError(const QString& text)
{
    Dialogs::current().message(text, QStringLiteral("Message"), Dialogs::Icon::Critical);
}

} // namespace

ListEditor::ListEditor(MainFrm& main, const Look& look)
    : QWidget(&main, Qt::Window), m_main(main), m_entries(look.entries)
{
    setObjectName(look.objectName);
    setFont(FontSubstitutes::formFont());
    setWindowTitle(look.title);
    setFixedSize(ListView::toPixels(look.width), ListView::toPixels(4500));

    ListView1 =
        placeControl<ListView>(this, QStringLiteral("ListView1"), 120, 120, look.width - 240, 3255);
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this, [this] { ListView1_DblClick(); });

    for (int n = 0; n < 3; ++n) {
        CommandButton* button =
            placeControl<CommandButton>(this, QStringLiteral("Command1_%1").arg(n),
                                        120 + n * look.buttonPitch, 3525, look.buttonWidth, 420);
        button->setCaption(look.buttonCaptions[size_t(n)]);
        connect(button, &CommandButton::Click, this, [this, n] { Command1_Click(n); });
        Command1[size_t(n)] = button;
    }
    Label1[0] = placeControl<Label>(this, QStringLiteral("Label1_0"), 120, 4080, 1560, 255);
    Label1[0]->setCaption(look.countCaption);
    Label1[1] = placeControl<Label>(this, QStringLiteral("Label1_1"), 1740, 4080, 855, 255);
}

void ListEditor::Form_Load()
{
    loadEntries();
    showCount();
}

void ListEditor::Reload()
{
    ListView1->clearItems();
    Form_Load();
}

void ListEditor::showCount()
{
    Label1[1]->setCaption(QString::number(ListView1->itemCount()));
}

void ListEditor::Command1_Click(int index)
{
    switch (index) {
    case 0:
        addEntry();
        break;
    case 1:
        editEntry();
        break;
    case 2:
        deleteEntry();
        break;
    default:
        break;
    }
}

void ListEditor::noteFileRead(bool ok, const QString& fileName)
{
    m_fileUnreadable = !ok;
    if (m_fileUnreadable)
        showError(QStringLiteral("The ") + m_entries + QStringLiteral(" could not be read from ") +
                  Values::trimRightBlanks(fileName) + QStringLiteral(".") + CrLf + CrLf +
                  QStringLiteral("No change can be saved until it can be read."));
}

bool ListEditor::mayWrite()
{
    if (!m_fileUnreadable)
        return true;
    showError(QStringLiteral("The ") + m_entries +
              QStringLiteral(" could not be saved: the file could not be read."));
    return false;
}

bool ListEditor::written(bool ok, const QString& error)
{
    if (ok)
        return true;
    showError(QStringLiteral("The ") + m_entries + QStringLiteral(" could not be saved.") + CrLf +
              CrLf + error);
    Reload();
    return false;
}

bool ListEditor::isListed(const QString& key) const
{
    for (int line = 1; line <= ListView1->itemCount(); ++line)
        if (Values::trimBlanks(ListView1->itemText(line)).toUpper() == key)
            return true;
    return false;
}

void ListEditor::fillField(ComboBox* field, const QString& text, int width)
{
    field->Clear();
    for (int line = 1; line <= ListView1->itemCount(); ++line)
        field->AddItem(ListView1->itemText(line));
    field->setText(Values::fixedWidth(text, width));
}

int ListEditor::lineToHandBack() const
{
    if (m_main.store().EditorFromMenu != 0)
        return 0;
    return ListView1->selectedIndex();
}

void ListEditor::Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    hide();
    emit Unloaded();
}

void ListEditor::closeEvent(QCloseEvent* event)
{
    event->accept();
    Unload();
}
