#include "entry/window/ColourFrm.h"

#include "entry/store/ColourFile.h"
#include "entry/store/RecordUse.h"
#include "entry/window/EditorInput.h"
#include "entry/window/MainFrm.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/ListView.h"
#include "platform/runtime/Values.h"
#include "platform/ui/Dialogs.h"

using namespace platform;

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

ColourFrm::ColourFrm(MainFrm& main)
    : ListEditor(main, {QStringLiteral("ColourFrm"),
                        QStringLiteral("Colours."),
                        4860,
                        {QStringLiteral("Add Colour"), QStringLiteral("Edit Colour"),
                         QStringLiteral("Delete Colour")},
                        1560,
                        1455,
                        QStringLiteral("No. of colours :"),
                        QStringLiteral("colours")})
{
    ListView1->addColumnHeader(QStringLiteral("Colour ID"), 1140);
    ListView1->addColumnHeader(QStringLiteral("Colour Name"), 3180);
}

void ColourFrm::LoadColours()
{
    bool ok = true;
    for (const ColourFile::Colour& colour : ColourFile::read(m_main.store().ColourFileName, &ok))
        ListView1->addItem(colour.id, {colour.name});
    noteFileRead(ok, m_main.store().ColourFileName);
}

bool ColourFrm::SaveColours()
{
    if (!mayWrite())
        return false;
    QList<ColourFile::Colour> colours;
    for (int line = 1; line <= ListView1->itemCount(); ++line)
        colours.append({ListView1->itemText(line), ListView1->subItem(line, 1)});
    QString error;
    return written(ColourFile::write(m_main.store().ColourFileName, colours, &error), error);
}

void ColourFrm::addColour()
{
    Dialogs& dialogs = Dialogs::current();
    QString id;
    for (;;) {
        id = Values::fixedWidth(
            EditorInput::ask(QStringLiteral("Please enter a unique Colour ID.") + CrLf + CrLf +
                                 QStringLiteral("Your Colour ID can be upto 3 characters long."),
                             QStringLiteral("Creating a new colour."), id,
                             QStringLiteral("Colour ID")),
            IdWidth);
        if (isBlank(id))
            break;
        if (!isListed(Values::trimBlanks(id).toUpper()))
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
                                 QStringLiteral("'"),
                             QString(), QStringLiteral("Colour name")),
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
    fillField(m_main.Combo1[4], id, IdWidth);
    Unload();
}

void ColourFrm::editColour()
{
    const int line = ListView1->selectedIndex();
    if (line == 0)
        return;
    const QString id = Values::fixedWidth(ListView1->itemText(line), IdWidth);
    const QString name = Values::fixedWidth(
        EditorInput::ask(
            QStringLiteral("Please enter Colour name for '") + id + QStringLiteral(",") + CrLf +
                CrLf + NameLimitLine,
            QStringLiteral("Editing Colour '") + Values::trimBlanks(id) + QStringLiteral("'"),
            Values::trimBlanks(ListView1->subItem(line, 1)), QStringLiteral("Colour name")),
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
    const int line = lineToHandBack();
    if (line == 0)
        return;
    m_main.Combo1[4]->setText(ListView1->itemText(line));
    Unload();
}
