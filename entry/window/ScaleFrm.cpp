#include "entry/window/ScaleFrm.h"

#include <QCloseEvent>

#include "entry/store/RecordUse.h"
#include "entry/store/SizeScaleFile.h"
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

constexpr int NameWidth = SizeScaleFile::NameWidth;
constexpr int SizeWidth = SizeScaleFile::SizeWidth;
constexpr int SizeCount = SizeScaleFile::SizeCount;

const QString CrLf = QStringLiteral("\r\n");
const QString DeleteTitle = QStringLiteral("DELETE SIZE SCALE");

bool isBlank(const QString& text)
{
    return Values::trimBlanks(text).isEmpty();
}

} // namespace

ScaleFrm::ScaleFrm(MainFrm& main) : QWidget(&main, Qt::Window), m_main(main)
{
    setObjectName(QStringLiteral("ScaleFrm"));
    setFont(FontSubstitutes::formFont());
    setWindowTitle(QStringLiteral("Size Scales."));
    setFixedSize(ListView::toPixels(7320), ListView::toPixels(4500));

    ListView1 = placeControl<ListView>(this, QStringLiteral("ListView1"), 120, 120, 7080, 3255);
    ListView1->addColumnHeader(QStringLiteral("Scale name"), 1380);
    for (int n = 1; n <= SizeCount; ++n)
        ListView1->addColumnHeader(QString::number(n), 780);
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this, &ScaleFrm::ListView1_DblClick);

    const QString captions[] = {QStringLiteral("Add Size Scale"), QStringLiteral("Edit Size Scale"),
                                QStringLiteral("Delete size scale")};
    for (int n = 0; n < 3; ++n) {
        CommandButton* button = placeControl<CommandButton>(
            this, QStringLiteral("Command1_%1").arg(n), 120 + n * 2070, 3525, 1935, 420);
        button->setCaption(captions[n]);
        connect(button, &CommandButton::Click, this, [this, n] { Command1_Click(n); });
        Command1[size_t(n)] = button;
    }
    Label1[0] = placeControl<Label>(this, QStringLiteral("Label1_0"), 120, 4080, 1560, 255);
    Label1[0]->setCaption(QStringLiteral("No. of scales :"));
    Label1[1] = placeControl<Label>(this, QStringLiteral("Label1_1"), 1740, 4080, 855, 255);
}

void ScaleFrm::Form_Load()
{
    LoadScales();
    showCount();
}

void ScaleFrm::LoadScales()
{
    bool ok = true;
    for (const SizeScaleFile::Scale& scale : SizeScaleFile::read(m_main.store().ScaleFileName, &ok))
        ListView1->addItem(scale.name, scale.sizes);
    // A file that exists but cannot be read must not be replaced by the
    // (empty) list: that would lose every scale in it.
    m_fileUnreadable = !ok;
    if (m_fileUnreadable)
        Dialogs::current().message(
            QStringLiteral("The size scales could not be read from ") +
                Values::trimRightBlanks(m_main.store().ScaleFileName) + QStringLiteral(".") + CrLf +
                CrLf + QStringLiteral("No change can be saved until it can be read."),
            QStringLiteral("Message"), Dialogs::Icon::Critical);
}

bool ScaleFrm::SaveScales()
{
    if (m_fileUnreadable) {
        Dialogs::current().message(
            QStringLiteral("The size scales could not be saved: the file could not be read."),
            QStringLiteral("Message"), Dialogs::Icon::Critical);
        return false;
    }
    QList<SizeScaleFile::Scale> scales;
    for (int line = 1; line <= ListView1->itemCount(); ++line) {
        SizeScaleFile::Scale scale{ListView1->itemText(line), {}};
        for (int n = 1; n <= SizeCount; ++n)
            scale.sizes.append(ListView1->subItem(line, n));
        scales.append(scale);
    }
    QString error;
    if (SizeScaleFile::write(m_main.store().ScaleFileName, scales, &error))
        return true;
    Dialogs::current().message(QStringLiteral("The size scales could not be saved.") + CrLf + CrLf +
                                   error,
                               QStringLiteral("Message"), Dialogs::Icon::Critical);
    Reload();
    return false;
}

void ScaleFrm::Reload()
{
    ListView1->clearItems();
    Form_Load();
}

void ScaleFrm::showCount()
{
    Label1[1]->setCaption(QString::number(ListView1->itemCount()));
}

void ScaleFrm::Command1_Click(int index)
{
    switch (index) {
    case 0:
        addScale();
        break;
    case 1:
        editScale();
        break;
    case 2:
        deleteScale();
        break;
    default:
        break;
    }
}

QString ScaleFrm::sizePrompt(int position, const QString& limitLine, const QStringList& sizes) const
{
    QString prompt = QStringLiteral("Please enter scale ") + Values::signBlank(position) + CrLf +
                     CrLf + limitLine + CrLf + CrLf + QStringLiteral("Scale ");
    for (const QString& size : sizes)
        prompt += QStringLiteral("  ") + size;
    return prompt;
}

void ScaleFrm::addScale()
{
    Dialogs& dialogs = Dialogs::current();
    QString name;
    for (;;) {
        name = Values::fixedWidth(
            EditorInput::ask(QStringLiteral("Please enter a unique name for your new size "
                                            "scale.") +
                                 CrLf + CrLf +
                                 QStringLiteral("Your size scale name can be upto 10 characters "
                                                "long."),
                             QStringLiteral("Creating a new size scale."),
                             Values::trimBlanks(name)),
            NameWidth);
        if (isBlank(name))
            break;
        const QString key = Values::trimBlanks(name).toUpper();
        bool duplicate = false;
        for (int line = 1; line <= ListView1->itemCount() && !duplicate; ++line)
            duplicate = Values::trimBlanks(ListView1->itemText(line)).toUpper() == key;
        if (!duplicate)
            break;
        dialogs.message(QStringLiteral("This size scale name is already being used.") + CrLf +
                            CrLf + QStringLiteral("The size scale name must be unique."),
                        QStringLiteral("Message"), Dialogs::Icon::Critical);
    }
    if (isBlank(name)) {
        closingSteps(QString());
        return;
    }

    const QString title =
        QStringLiteral("Creating size scale '") + Values::trimBlanks(name) + QStringLiteral("'");
    QStringList sizes;
    while (sizes.size() < SizeCount) {
        const QString answer = EditorInput::ask(
            sizePrompt(int(sizes.size()) + 1,
                       QStringLiteral("Your scale can be upto 4 characters long."), sizes),
            title);
        if (isBlank(answer))
            break;
        sizes.append(Values::fixedWidth(answer, SizeWidth));
    }
    if (sizes.isEmpty()) {
        dialogs.message(QStringLiteral("You must enter one scale element or more.") + CrLf + CrLf +
                            QStringLiteral("Canceling operation."),
                        QStringLiteral("Message"), Dialogs::Icon::Critical);
        closingSteps(QString());
        return;
    }
    while (sizes.size() < SizeCount)
        sizes.append(Values::fixedWidth(QString(), SizeWidth));
    ListView1->addItem(name, sizes);
    // A scale that could not be stored is not offered to the field.
    closingSteps(SaveScales() ? name : QString());
}

void ScaleFrm::closingSteps(const QString& name)
{
    ComboBox* field = m_main.Combo1[6];
    field->Clear();
    for (int line = 1; line <= ListView1->itemCount(); ++line)
        field->AddItem(ListView1->itemText(line));
    field->setText(Values::fixedWidth(name, NameWidth));
    m_main.LoadScaleGrid(1, field->Text());
    Unload();
}

void ScaleFrm::editScale()
{
    const int line = ListView1->selectedIndex();
    if (line == 0)
        return;
    const QString name = Values::fixedWidth(ListView1->itemText(line), NameWidth);
    const QString title =
        QStringLiteral("Editing size scale '") + Values::trimBlanks(name) + QStringLiteral("'");
    QStringList sizes;
    while (sizes.size() < SizeCount) {
        const int position = int(sizes.size()) + 1;
        const QString answer = EditorInput::ask(
            sizePrompt(position, QStringLiteral("Your scale can be upto 6 characters long."),
                       sizes),
            title, Values::trimBlanks(ListView1->subItem(line, position)));
        if (isBlank(answer))
            break;
        sizes.append(Values::fixedWidth(answer, SizeWidth));
    }
    if (sizes.isEmpty())
        return;
    while (sizes.size() < SizeCount)
        sizes.append(Values::fixedWidth(QString(), SizeWidth));
    // The edited scale moves to the end of the list and of the file.
    ListView1->removeItem(line);
    ListView1->addItem(name, sizes);
    SaveScales();
    showCount();
}

void ScaleFrm::deleteScale()
{
    const int line = ListView1->selectedIndex();
    if (line == 0)
        return;
    Dialogs& dialogs = Dialogs::current();
    const QString name = Values::trimBlanks(ListView1->itemText(line));
    switch (RecordUse::scale(m_main.store(), ListView1->itemText(line))) {
    case RecordUse::Result::Used:
        dialogs.message(QStringLiteral("Can't delete size scale '") + name + QStringLiteral("'") +
                            CrLf + CrLf +
                            QStringLiteral("Some of your records are using this size scale."),
                        DeleteTitle, Dialogs::Icon::Exclamation);
        break;
    case RecordUse::Result::Unknown:
        // Without the records the scale might still be in use: keep it.
        dialogs.message(QStringLiteral("Can't delete size scale '") + name + QStringLiteral("'") +
                            CrLf + CrLf + QStringLiteral("Your records could not be checked: ") +
                            m_main.store().lastError(),
                        DeleteTitle, Dialogs::Icon::Critical);
        break;
    case RecordUse::Result::Unused:
        if (dialogs.message(QStringLiteral("Are you sure you want to delete the size scale '") +
                                name + QStringLiteral("'"),
                            DeleteTitle, Dialogs::Icon::None,
                            Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes) {
            ListView1->removeItem(line);
            SaveScales();
        }
        break;
    }
    showCount();
}

void ScaleFrm::ListView1_DblClick()
{
    if (m_main.store().EditorFromMenu != 0)
        return;
    const int line = ListView1->selectedIndex();
    if (line == 0)
        return;
    ComboBox* field = m_main.Combo1[6];
    field->setText(ListView1->itemText(line));
    m_main.LoadScaleGrid(1, field->Text());
    Unload();
}

void ScaleFrm::Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    hide();
    emit Unloaded();
}

void ScaleFrm::closeEvent(QCloseEvent* event)
{
    event->accept();
    Unload();
}
