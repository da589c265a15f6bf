#include "entry/window/ScaleFrm.h"

#include "entry/store/RecordUse.h"
#include "entry/store/SizeScaleFile.h"
#include "entry/window/EditorInput.h"
#include "entry/window/MainFrm.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/ListView.h"
#include "platform/runtime/Values.h"
#include "platform/ui/Dialogs.h"

using namespace platform;

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

ScaleFrm::ScaleFrm(MainFrm& main)
    : ListEditor(main, {QStringLiteral("ScaleFrm"),
                        QStringLiteral("Size Scales."),
                        7320,
                        {QStringLiteral("Add Size Scale"), QStringLiteral("Edit Size Scale"),
                         QStringLiteral("Delete size scale")},
                        2070,
                        1935,
                        QStringLiteral("No. of scales :"),
                        QStringLiteral("size scales")})
{
    ListView1->addColumnHeader(QStringLiteral("Scale name"), 1380);
    for (int n = 1; n <= SizeCount; ++n)
        ListView1->addColumnHeader(QString::number(n), 780);
}

void ScaleFrm::LoadScales()
{
    bool ok = true;
    for (const SizeScaleFile::Scale& scale : SizeScaleFile::read(m_main.store().ScaleFileName, &ok))
        ListView1->addItem(scale.name, scale.sizes);
    noteFileRead(ok, m_main.store().ScaleFileName);
}

bool ScaleFrm::SaveScales()
{
    if (!mayWrite())
        return false;
    QList<SizeScaleFile::Scale> scales;
    for (int line = 1; line <= ListView1->itemCount(); ++line) {
        SizeScaleFile::Scale scale{ListView1->itemText(line), {}};
        for (int n = 1; n <= SizeCount; ++n)
            scale.sizes.append(ListView1->subItem(line, n));
        scales.append(scale);
    }
    QString error;
    return written(SizeScaleFile::write(m_main.store().ScaleFileName, scales, &error), error);
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
                             QStringLiteral("Creating a new size scale."), Values::trimBlanks(name),
                             QStringLiteral("Size scale name")),
            NameWidth);
        if (isBlank(name))
            break;
        if (!isListed(Values::trimBlanks(name).toUpper()))
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
            title, QString(), QStringLiteral("Size"));
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
    fillField(field, name, NameWidth);
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
            title, Values::trimBlanks(ListView1->subItem(line, position)), QStringLiteral("Size"));
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
    const int line = lineToHandBack();
    if (line == 0)
        return;
    ComboBox* field = m_main.Combo1[6];
    field->setText(ListView1->itemText(line));
    m_main.LoadScaleGrid(1, field->Text());
    Unload();
}
