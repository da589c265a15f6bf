#include "entry/window/ColourFrm.h"

#include <QCloseEvent>

#include "entry/store/ColourFile.h"
#include "entry/store/RecordUse.h"
#include "entry/window/EditorInput.h"
#include "entry/window/MainFrm.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/FontSubstitutes.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListView.h"
#include "platform/controls/Placement.h"
#include "platform/runtime/Values.h"
#include "platform/ui/Dialogs.h"

namespace {

constexpr int IdWidth = ColourFile::IdWidth;
constexpr int NameWidth = ColourFile::NameWidth;

const QString CrLf = QStringLiteral("\r\n");
const QString DeleteTitle = QStringLiteral("DELETE COLOUR");
const QString NameLimitLine = QStringLiteral("Your colour name can be upto 20 characters long.");

bool isBlank(const QString& text)
{
    return Values::trimBlanks(text).isEmpty();
}

} // namespace

ColourFrm::ColourFrm(MainFrm& main) : QWidget(&main, Qt::Window), m_main(main)
{
    setObjectName(QStringLiteral("ColourFrm"));
    setFont(FontSubstitutes::formFont());
    setWindowTitle(QStringLiteral("Colours."));
    setFixedSize(ListView::toPixels(4860), ListView::toPixels(4500));

    ListView1 = placeControl<ListView>(this, QStringLiteral("ListView1"), 120, 120, 4620, 3255);
    ListView1->addColumnHeader(QStringLiteral("Colour ID"), 1140);
    ListView1->addColumnHeader(QStringLiteral("Colour Name"), 3180);
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this, &ColourFrm::ListView1_DblClick);

    const QString captions[] = {QStringLiteral("Add Colour"), QStringLiteral("Edit Colour"),
                                QStringLiteral("Delete Colour")};
    for (int n = 0; n < 3; ++n) {
        CommandButton* button = placeControl<CommandButton>(
            this, QStringLiteral("Command1_%1").arg(n), 120 + n * 1560, 3525, 1455, 420);
        button->setCaption(captions[n]);
        connect(button, &CommandButton::Click, this, [this, n] { Command1_Click(n); });
        Command1[size_t(n)] = button;
    }
    Label1[0] = placeControl<Label>(this, QStringLiteral("Label1_0"), 120, 4080, 1560, 255);
    Label1[0]->setCaption(QStringLiteral("No. of colours :"));
    Label1[1] = placeControl<Label>(this, QStringLiteral("Label1_1"), 1740, 4080, 855, 255);
}

void ColourFrm::Form_Load()
{
    LoadColours();
    showCount();
}

void ColourFrm::LoadColours()
{
    bool ok = true;
    for (const ColourFile::Colour& colour : ColourFile::read(m_main.store().ColourFileName, &ok))
        ListView1->addItem(colour.id, {colour.name});
    // A file that exists but cannot be read must not be replaced by the
    // (empty) list: that would lose every colour in it.
    m_fileUnreadable = !ok;
    if (m_fileUnreadable)
        Dialogs::current().message(
            QStringLiteral("The colours could not be read from ") +
                Values::trimRightBlanks(m_main.store().ColourFileName) + QStringLiteral(".") +
                CrLf + CrLf + QStringLiteral("No change can be saved until it can be read."),
            QStringLiteral("Message"), Dialogs::Icon::Critical);
}

bool ColourFrm::SaveColours()
{
    if (m_fileUnreadable) {
        Dialogs::current().message(
            QStringLiteral("The colours could not be saved: the file could not be read."),
            QStringLiteral("Message"), Dialogs::Icon::Critical);
        return false;
    }
    QList<ColourFile::Colour> colours;
    for (int line = 1; line <= ListView1->itemCount(); ++line)
        colours.append({ListView1->itemText(line), ListView1->subItem(line, 1)});
    QString error;
    if (ColourFile::write(m_main.store().ColourFileName, colours, &error))
        return true;
    Dialogs::current().message(QStringLiteral("The colours could not be saved.") + CrLf + CrLf +
                                   error,
                               QStringLiteral("Message"), Dialogs::Icon::Critical);
    Reload();
    return false;
}

void ColourFrm::Reload()
{
    ListView1->clearItems();
    Form_Load();
}

void ColourFrm::showCount()
{
    Label1[1]->setCaption(QString::number(ListView1->itemCount()));
}

void ColourFrm::Command1_Click(int index)
{
    switch (index) {
    case 0:
        addColour();
        break;
    case 1:
        editColour();
        break;
    case 2:
        deleteColour();
        break;
    default:
        break;
    }
}

void ColourFrm::addColour()
{
    Dialogs& dialogs = Dialogs::current();
    QString id;
    for (;;) {
        id = Values::fixedWidth(
            EditorInput::ask(QStringLiteral("Please enter a unique Colour ID.") + CrLf + CrLf +
                                 QStringLiteral("Your Colour ID can be upto 3 characters long."),
                             QStringLiteral("Creating a new colour."), id),
            IdWidth);
        if (isBlank(id))
            break;
        const QString key = Values::trimBlanks(id).toUpper();
        bool duplicate = false;
        for (int line = 1; line <= ListView1->itemCount() && !duplicate; ++line)
            duplicate = Values::trimBlanks(ListView1->itemText(line)).toUpper() == key;
        if (!duplicate)
            break;
        dialogs.message(QStringLiteral("This Colour ID is already being used.") + CrLf + CrLf +
                            QStringLiteral("The Colour ID must be unique."),
                        QStringLiteral("Message"), Dialogs::Icon::Critical);
    }
    if (isBlank(id)) {
        closingSteps(QString());
        return;
    }

    // Once the ID is taken the colour needs a name.
    QString name;
    for (;;) {
        name = Values::fixedWidth(
            EditorInput::ask(QStringLiteral("Please enter the colour name for '") + id +
                                 QStringLiteral("'") + CrLf + CrLf + NameLimitLine,
                             QStringLiteral("Creating Colour '") + Values::trimBlanks(id) +
                                 QStringLiteral("'")),
            NameWidth);
        if (!isBlank(name))
            break;
        dialogs.message(QStringLiteral("You must enter a colour name."), QStringLiteral("Message"),
                        Dialogs::Icon::Critical);
    }
    ListView1->addItem(id, {name});
    // A colour that could not be stored is not offered to the field.
    closingSteps(SaveColours() ? id : QString());
}

void ColourFrm::closingSteps(const QString& id)
{
    // The field lists the bare IDs until its screen fills it again.
    ComboBox* field = m_main.Combo1[4];
    field->Clear();
    for (int line = 1; line <= ListView1->itemCount(); ++line)
        field->AddItem(ListView1->itemText(line));
    field->setText(Values::fixedWidth(id, IdWidth));
    Unload();
}

void ColourFrm::editColour()
{
    const int line = ListView1->selectedIndex();
    if (line == 0)
        return;
    const QString id = Values::fixedWidth(ListView1->itemText(line), IdWidth);
    const QString name =
        Values::fixedWidth(EditorInput::ask(QStringLiteral("Please enter Colour name for '") + id +
                                                QStringLiteral(",") + CrLf + CrLf + NameLimitLine,
                                            QStringLiteral("Editing Colour '") +
                                                Values::trimBlanks(id) + QStringLiteral("'"),
                                            Values::trimBlanks(ListView1->subItem(line, 1))),
                           NameWidth);
    if (isBlank(name))
        return;
    // The edited colour moves to the end of the list and of the file.
    ListView1->removeItem(line);
    ListView1->addItem(id, {name});
    SaveColours();
    showCount();
}

void ColourFrm::deleteColour()
{
    const int line = ListView1->selectedIndex();
    if (line == 0)
        return;
    Dialogs& dialogs = Dialogs::current();
    const QString id = Values::trimBlanks(ListView1->itemText(line));
    switch (RecordUse::colour(m_main.store(), ListView1->itemText(line))) {
    case RecordUse::Result::Used:
        dialogs.message(QStringLiteral("Can't delete colour '") + id + QStringLiteral("'") + CrLf +
                            CrLf + QStringLiteral("Some of your records are using this colour."),
                        DeleteTitle, Dialogs::Icon::Exclamation);
        break;
    case RecordUse::Result::Unknown:
        // Without the records the colour might still be in use: keep it.
        dialogs.message(QStringLiteral("Can't delete colour '") + id + QStringLiteral("'") + CrLf +
                            CrLf + QStringLiteral("Your records could not be checked: ") +
                            m_main.store().lastError(),
                        DeleteTitle, Dialogs::Icon::Critical);
        break;
    case RecordUse::Result::Unused:
        if (dialogs.message(QStringLiteral("Are you sure you want to delete the colour '") + id +
                                QStringLiteral("'"),
                            DeleteTitle, Dialogs::Icon::None,
                            Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes) {
            ListView1->removeItem(line);
            SaveColours();
        }
        break;
    }
    showCount();
}

void ColourFrm::ListView1_DblClick()
{
    if (m_main.store().EditorFromMenu != 0)
        return;
    const int line = ListView1->selectedIndex();
    if (line == 0)
        return;
    m_main.Combo1[4]->setText(ListView1->itemText(line));
    Unload();
}

void ColourFrm::Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    hide();
    emit Unloaded();
}

void ColourFrm::closeEvent(QCloseEvent* event)
{
    event->accept();
    Unload();
}
