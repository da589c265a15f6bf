#include <QDialogButtonBox>
#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QMap>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>

#include "DesignerWindowFixture.h"
#include "entry/store/TicketRunLine.h"
#include "platform/printing/PdfPrinter.h"
#include "platform/printing/Printers.h"
#include "printrun/engine/FakePrintHost.h"
#include "support/ModalDialog.h"
#include "support/TestFonts.h"
#include "tests/platform/printing/PdfRaster.h"

using namespace platform;

namespace {

// The designer with the real font dialog, and the engine printing what it
// stored to PDF.
class FacePrintedTest : public DesignerWindowFixture
{
protected:
    void SetUp() override
    {
        DesignerWindowFixture::SetUp();
        FontColourDialog::install(nullptr);
    }

    // Layout B as a thermal swing tag (no page set-up prints before the
    // fields) showing field 2 in Times New Roman and field 3, which names
    // no face, after it.
    void storeLayout()
    {
        TicketFileRecord rec = storedRecord(2);
        rec.TicketType = PrintRoutines::ThermalSwingTag;
        for (int i = 0; i < 10; ++i)
            rec.ShowField[i] = (i == 2 || i == 3) ? -1 : 0;
        rec.FontName[2] = QStringLiteral("Times New Roman");
        rec.FontName[3] = QString();
        ASSERT_TRUE(layouts.SaveTicketFile(2, rec));
    }

    // Opens the font dialog on field 3 of layout B and hands it to `act`.
    void withDialog(const std::function<void(QDialog*)>& act)
    {
        window->selectTab(2);
        window->show();
        window->Label1_Click(3);
        QObject guard;
        whenShown<QDialog>(&guard, act);
        window->Command1_Click();
    }

    static QStringList faceRows(QDialog* dialog)
    {
        QStringList rows;
        auto* faces = dialog->findChild<QListWidget*>(QStringLiteral("Face"));
        for (int row = 0; row < faces->count(); ++row)
            rows.append(faces->item(row)->text());
        return rows;
    }

    // The ticket the engine prints with layout B as stored, to PDF.
    QString printTicket()
    {
        PdfPrinter* pdf = nullptr;
        Printers printers({PdfPrinter::DeviceNameText}, PdfPrinter::DeviceNameText,
                          [&pdf](const QString&) {
                              auto printer = std::make_unique<PdfPrinter>();
                              pdf = printer.get();
                              return std::unique_ptr<Printer>(std::move(printer));
                          });
        Printers::install(&printers);
        FakePrintHost printHost;
        printHost.ticket = storedRecord(2);
        PrintRoutines printing(printHost);
        TicketRunLine line;
        line.Dpt = QStringLiteral("149");
        line.Grp = QStringLiteral("5");
        line.Supplier = QStringLiteral("WMB.MERINO CARDI");
        line.Barcode = QStringLiteral("9000302");
        writeBytes(QStringLiteral("ticket.run"), line.encode());
        const bool printed = printing.PrintTicketRun(1, 1, QStringLiteral("ticket.run"));
        Printers::install(nullptr);
        if (!printed || !pdf)
            return QString();
        PdfRaster::keep(pdf->lastFile());
        return pdf->lastFile();
    }

    static QString run(const QString& tool, const QStringList& arguments)
    {
        QProcess process;
        process.start(tool, arguments);
        process.waitForFinished(60000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    // The fonts pdffonts finds in `pdf`, without their subset tags.
    static QSet<QString> embeddedFonts(const QString& pdf)
    {
        QSet<QString> fonts;
        const QStringList lines = run(QStringLiteral("pdffonts"), {pdf}).split(QLatin1Char('\n'));
        for (const QString& row : lines.mid(2)) {
            const QString name = row.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
            if (!name.isEmpty())
                fonts.insert(name.section(QLatin1Char('+'), -1));
        }
        return fonts;
    }

    // The font of each text of `pdf`, as pdftohtml finds them.
    static QMap<QString, QString> textFonts(const QString& pdf)
    {
        const QString xml =
            run(QStringLiteral("pdftohtml"),
                {QStringLiteral("-xml"), QStringLiteral("-stdout"), QStringLiteral("-i"), pdf});
        QMap<QString, QString> families;
        static const QRegularExpression spec(
            QStringLiteral("<fontspec id=\"(\\d+)\"[^>]*family=\"([^\"]*)\""));
        for (auto m = spec.globalMatch(xml); m.hasNext();) {
            const QRegularExpressionMatch font = m.next();
            families.insert(font.captured(1), font.captured(2));
        }
        QMap<QString, QString> texts;
        static const QRegularExpression text(
            QStringLiteral("<text [^>]*font=\"(\\d+)\">(?:<b>)?([^<]*)"));
        for (auto m = text.globalMatch(xml); m.hasNext();) {
            const QRegularExpressionMatch found = m.next();
            texts.insert(found.captured(2), families.value(found.captured(1)));
        }
        return texts;
    }
};

} // namespace

// A face picked for a field whose layout names none: what the layout stores
// (its 20-character field, byte for byte), what the dialog's sample draws
// and says, the row the dialog highlights when opened again, and the font
// the ticket prints the field in after field 2's Liberation Serif (pdffonts
// names the fonts, pdftohtml the font of each text).
TEST_F(FacePrintedTest, TheFaceTheDialogShowsIsTheFacePrinted)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdffonts")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("pdftohtml")).isEmpty())
        GTEST_SKIP() << "pdffonts and pdftohtml are not installed (Debian package poppler-utils)";
    const struct
    {
        const char* picked; // nullptr: OK with the blank face as it came
        const char* stored; // the 20 bytes of the field
        const char* sample; // the family the sample is drawn in
        const char* printedAs;
        const char* reopened; // the face highlighted when the dialog opens again
        const char* printed;  // the font pdffonts finds for the field
    } cases[] = {
        {TestFonts::TwentyLetters, "Label Face Of Twenty", TestFonts::TwentyLetters, "",
         TestFonts::TwentyLetters, "DejaVuSansMono"},
        {TestFonts::TwentyOneLetters, "Label Face Twenty On", TestFonts::TwentyOneLetters, "",
         TestFonts::TwentyOneLetters, "DejaVuSerif"},
        {"Liberation Sans Narrow", "Liberation Sans Narr", "Liberation Sans Narrow", "",
         "Liberation Sans Narrow", "LiberationSansNarrow"},
        // Its cut is a face of its own.
        {"Open Sans Condensed Light", "Open Sans Condensed ", "Open Sans Condensed",
         "Prints as Open Sans Condensed Bold", "Open Sans Condensed", "OpenSans-CondensedBold"},
        // Two faces begin with its cut, so the cut names neither.
        {TestFonts::TwentySixWide, "Label Face Twenty-Si", "DejaVu Sans",
         "Prints as DejaVu Sans Book", "Label Face Twenty-Si", "DejaVuSans"},
        {TestFonts::TwoFoundries, "Foundry Listed Sans ", TestFonts::TwoFoundries, "",
         TestFonts::TwoFoundries, "OpenSans"},
        {nullptr, "                    ", "Liberation Sans", "Prints as Liberation Sans Regular",
         "", "LiberationSans"},
    };
    const qint64 field3 = TicketFileRecord::Length + 3 * TicketFileRecord::FontNameWidth;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.picked ? c.picked : "blank");
        storeLayout();
        QStringList rows;
        QString sample;
        QString printedAs;
        withDialog([&](QDialog* dialog) {
            rows = faceRows(dialog);
            auto* faces = dialog->findChild<QListWidget*>(QStringLiteral("Face"));
            if (c.picked)
                faces->setCurrentItem(
                    faces->findItems(QString::fromLatin1(c.picked), Qt::MatchExactly).value(0));
            sample = QFontInfo(dialog->findChild<QLabel*>(QStringLiteral("Sample"))->font())
                         .family()
                         .section(QStringLiteral(" ["), 0, 0);
            printedAs = dialog->findChild<QLabel*>(QStringLiteral("PrintedAs"))->text();
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        dialogs.answerMessage(Dialogs::Answer::OK);
        window->Command2_Click();

        EXPECT_EQ(rows.filter(QStringLiteral("[")), QStringList());
        if (c.picked) {
            EXPECT_EQ(rows.count(QString::fromLatin1(c.picked)), 1);
        }
        EXPECT_EQ(readBytes(QStringLiteral("tfile.tm")).mid(field3, 20), QByteArray(c.stored));
        EXPECT_EQ(sample, QString::fromLatin1(c.sample));
        EXPECT_EQ(printedAs, QString::fromLatin1(c.printedAs));
        QString reopened;
        withDialog([&](QDialog* dialog) {
            const QList<QListWidgetItem*> highlighted =
                dialog->findChild<QListWidget*>(QStringLiteral("Face"))->selectedItems();
            reopened = highlighted.isEmpty() ? QString() : highlighted.first()->text();
            dialog->reject();
        });
        EXPECT_EQ(reopened, QString::fromLatin1(c.reopened));

        const QString pdf = printTicket();
        ASSERT_FALSE(pdf.isEmpty());
        // The barcode's digits print in Liberation Sans.
        EXPECT_EQ(embeddedFonts(pdf), (QSet<QString>{QStringLiteral("LiberationSerif"),
                                                     QStringLiteral("LiberationSans"),
                                                     QString::fromLatin1(c.printed)}));
        const QMap<QString, QString> fonts = textFonts(pdf);
        EXPECT_EQ(fonts.value(QStringLiteral("149 5 90003028")), QStringLiteral("LiberationSerif"));
        EXPECT_EQ(fonts.value(QStringLiteral("WMB.MERINO CARDI")), QString::fromLatin1(c.printed));
    }
}
