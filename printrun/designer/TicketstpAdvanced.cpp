// The designer's advanced field settings (the data source of each field of
// a swing tag and the barcode's height and top, kept per layout letter in
// "Ticket_<letter>.dat") and the preview's sample texts.

#include <QDate>
#include <cmath>

#include "platform/barcode/BarcodeControl.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Label.h"
#include "platform/controls/Placement.h"
#include "platform/controls/TextBox.h"
#include "platform/files/Ansi.h"
#include "platform/runtime/Values.h"
#include "platform/ui/Dialogs.h"
#include "printrun/designer/AccessLock.h"
#include "printrun/designer/DesignerHost.h"
#include "printrun/designer/FieldSourceFile.h"
#include "printrun/designer/PreviewSample.h"
#include "printrun/designer/Ticketstp.h"

using namespace platform;

namespace {

const QString CrLf = QStringLiteral("\r\n");
const QString ProgramName = QStringLiteral("Brevox");

const char* const Sources[] = {
    "default",  "full grp name", "full dpt name", "full colour", "dpt note",
    "rec note", "Prev sell",     "Memo",          "TFrec1",      "TFrec2",
    "TFrec3",   "TFrec4",        "TFrec5",        "G,D,R num",   "LastP MMYY",
};
const char* const Logos[] = {"Logo1.bmp", "Logo2.bmp", "Logo3.bmp", "Logo4.bmp"};

// The barcode keeps a size and place it can be drawn at: a stored height
// or top beyond 16-bit twips, or a height of no twips, is not applied.
constexpr double MaxTwips = 32767;

} // namespace

void Ticketstp::createAdvancedPanel()
{
    Frame5 = placeControl<Frame>(this, QStringLiteral("Frame5"), 10, 10, 6085, 4580);
    Label5 = placeControl<Label>(Frame5, QStringLiteral("Label5"), 120, 240, 4000, 255);
    Label5->setCaption(QStringLiteral("Advanced field settings"));
    Label5->setFontBold(true);

    for (int i = 0; i < SourceCount; ++i) {
        const int top = 560 + i * 330;
        Label6[size_t(i + 1)] =
            placeControl<Label>(Frame5, indexedName("Label6", i + 1), 120, top + 30, 2280, 255);
        Label6[size_t(i + 1)]->setWordWrap(false);
        ComboBox* source =
            placeControl<ComboBox>(Frame5, indexedName("Combo1", i), 2460, top, 1800, 315);
        connect(source, &ComboBox::Change, this, [this, i] { Combo1_Change(i); });
        Combo1[size_t(i)] = source;
        Label6[size_t(i + 10)] =
            placeControl<Label>(Frame5, indexedName("Label6", i + 10), 4320, top + 30, 1640, 255);
        Label6[size_t(i + 10)]->setWordWrap(false);
    }
    Label6[0] = placeControl<Label>(Frame5, QStringLiteral("Label6_0"), 120, 3870, 2580, 255);
    Label6[0]->setCaption(QStringLiteral("Bc height / top [0 = default]"));
    Label6[0]->setWordWrap(false);
    Label6[19] = placeControl<Label>(Frame5, QStringLiteral("Label6_19"), 2760, 3600, 700, 240);
    Label6[19]->setCaption(QStringLiteral("h"));
    Label6[20] = placeControl<Label>(Frame5, QStringLiteral("Label6_20"), 3540, 3600, 700, 240);
    Label6[20]->setCaption(QStringLiteral("t"));
    Text2 = placeControl<TextBox>(Frame5, QStringLiteral("Text2"), 2760, 3840, 700, 315);
    Text3 = placeControl<TextBox>(Frame5, QStringLiteral("Text3"), 3540, 3840, 700, 315);
    Text2->setText(QStringLiteral("0"));
    Text3->setText(QStringLiteral("0"));

    const QString captions[] = {QStringLiteral("Apply"), QStringLiteral("Cancel")};
    for (int i = 0; i < 2; ++i) {
        CommandButton* button = placeControl<CommandButton>(Frame5, indexedName("Command8", i),
                                                            4320 + i * 860, 4080, 800, 375);
        button->setCaption(captions[i]);
        connect(button, &CommandButton::Click, this, [this, i] { Command8_Click(i); });
        Command8[size_t(i)] = button;
    }
    Frame5->setVisible(false);
}

void Ticketstp::resetAdvancedSettings()
{
    for (int i = 0; i < SourceCount; ++i) {
        ComboBox* source = Combo1[size_t(i)];
        source->Clear();
        for (const char* item : Sources)
            source->AddItem(QString::fromLatin1(item));
        // The two header fields can also print a logo.
        if (i < 2) {
            for (const char* logo : Logos)
                source->AddItem(QString::fromLatin1(logo));
        }
        source->setText(FieldSourceFile::defaultSource());
    }
    Text2->setText(QStringLiteral("0"));
    Text3->setText(QStringLiteral("0"));
}

qint16 Ticketstp::sampleRecordNumber() const
{
    return Values::toInt16(Values::numericValue(Barcod1->Caption().mid(1, 4)));
}

void Ticketstp::Command7_Click()
{
    const Dialogs::Answer answer = Dialogs::current().message(
        QStringLiteral("Warning...") + CrLf + CrLf +
            QStringLiteral("If you have just changed fonts or positions they will be lost "
                           "unless you click 'Apply' on the previous screen") +
            CrLf + QStringLiteral("Click 'cancel' to return to the previous screen."),
        ProgramName, Dialogs::Icon::Exclamation, Dialogs::Buttons::OKCancel);
    if (answer != Dialogs::Answer::OK)
        return;
    if (!AccessLock::UserKnowsPaSS())
        return;
    for (int i = 0; i < SourceCount; ++i)
        Label6[size_t(i + 1)]->setCaption(QStringLiteral("Field %1 [").arg(i) +
                                          Label1[size_t(i)]->Caption() + QLatin1Char(']'));
    Frame5->setVisible(true);
    Frame5->raise();
}

void Ticketstp::Combo1_Change(int Index)
{
    Label6[size_t(Index + 10)]->setCaption(
        m_host.GetFieldData(sampleRecordNumber(), Combo1[size_t(Index)]->Text()));
}

void Ticketstp::Command8_Click(int Index)
{
    if (Index == 0) {
        const Dialogs::Answer answer = Dialogs::current().message(
            QStringLiteral("Are you sure?"), QStringLiteral("Advance fields"),
            Dialogs::Icon::Question, Dialogs::Buttons::YesNo);
        // "No" goes back to the panel with its choices as they are.
        if (answer != Dialogs::Answer::Yes)
            return;
        // The settings file holds single-byte text only.
        for (int i = 0; i < SourceCount; ++i) {
            const QString problem = Ansi::typedTextProblem(
                QStringLiteral("Field %1 source").arg(i + 1), Combo1[size_t(i)]->Text());
            if (!problem.isEmpty()) {
                Dialogs::current().message(problem, QStringLiteral("Advance fields"),
                                           Dialogs::Icon::Critical);
                Combo1[size_t(i)]->setFocus();
                return;
            }
        }
        FieldSourceFile::Settings settings;
        settings.barcodeHeight = Text2->Text();
        settings.barcodeTop = Text3->Text();
        for (int i = 0; i < SourceCount; ++i)
            settings.sources[size_t(i)] = Combo1[size_t(i)]->Text();
        QString error;
        if (!FieldSourceFile::save(selectedTabCaption(), settings, QDate::currentDate(), &error)) {
            reportFailure(QStringLiteral("Advance fields"),
                          QStringLiteral("The field settings could not be saved.") + CrLf + CrLf +
                              error);
            return;
        }
    }
    Frame5->setVisible(false);
    ShowTicketPreview();
    FillTicketPreview();
}

void Ticketstp::FillTicketPreview()
{
    PreviewSample sample(m_engine, m_host, m_layouts);
    const PreviewSample::Texts texts = sample.build();
    for (int i = 0; i < SourceCount; ++i) {
        if (texts.captions[size_t(i)])
            Label1[size_t(i)]->setCaption(*texts.captions[size_t(i)]);
    }
    if (texts.barcode)
        Barcod1->setCaption(*texts.barcode);

    FieldSourceFile::Settings settings;
    if (!FieldSourceFile::load(selectedTabCaption(), settings)) {
        Command7->setFontBold(false);
        return;
    }
    Command7->setFontBold(true);
    Text2->setText(settings.barcodeHeight);
    Text3->setText(settings.barcodeTop);
    for (int i = 0; i < SourceCount; ++i)
        Combo1[size_t(i)]->setText(settings.sources[size_t(i)]);

    const qint16 recNo = sampleRecordNumber();
    for (int i = 0; i < SourceCount; ++i) {
        const QString source = Combo1[size_t(i)]->Text();
        if (source != FieldSourceFile::defaultSource())
            Label1[size_t(i)]->setCaption(Values::trimBlanks(m_host.GetFieldData(recNo, source)));
    }
    const double height = Values::numericValue(Text2->Text());
    if (height > 0 && height <= MaxTwips)
        Barcod1->setHeight(height);
    // The offset counts from where the layout placed the barcode, however
    // often the preview is filled.
    const double top = Values::numericValue(Text3->Text());
    if (top != 0 && std::fabs(m_barcodeTop + top) <= MaxTwips)
        Barcod1->setTop(m_barcodeTop + top);
}
