#include <QDir>
#include <QFontInfo>
#include <QProcess>

#include "HostFormFixture.h"
#include "ThreePageForm.h"

using namespace platform;

namespace {

class PrinterSide : public HostFormFixture
{
protected:
    PdfPrinter& pdf() { return static_cast<PdfPrinter&>(*m_printers->printer("PDF")); }

    // The documents under printed/.
    static QStringList printedFiles()
    {
        return QDir(QStringLiteral("printed")).entryList(QDir::Files, QDir::Name);
    }

    // The fonts of a PDF as pdffonts lists them, without the subset prefix.
    static QStringList pdfFonts(const QString& file)
    {
        QProcess poppler;
        poppler.start(QStringLiteral("pdffonts"), {file});
        EXPECT_TRUE(poppler.waitForFinished(30000));
        const QStringList lines =
            QString::fromUtf8(poppler.readAllStandardOutput()).split(QLatin1Char('\n'));
        QStringList fonts;
        for (const QString& line : lines.mid(2)) {
            const QString name = line.section(QLatin1Char(' '), 0, 0);
            if (!name.isEmpty())
                fonts << name.section(QLatin1Char('+'), -1);
        }
        return fonts;
    }
};

} // namespace

TEST_F(PrinterSide, AFailedCheckAfterAPrintLeavesThatPrintAlone)
{
    // The printer goes away after a print to "PDF": the next job finds no
    // printer, abandons nothing that exists and ends quietly.
    ThreePageForm::addTo(m_form.get());
    m_control = new Zentrel(m_form.get());
    m_control->InitProperties();
    m_printers->select(QStringLiteral("PDF"));
    ASSERT_TRUE(m_control->LVPrint());
    PdfPrinter& printer = pdf();
    const QString name = QFileInfo(printer.lastFile()).fileName();
    const QString printed = QStringLiteral("printed/") + name;
    const QByteArray bytes = readBytes(printed);
    ASSERT_FALSE(bytes.isEmpty());
    m_printers->remove(QStringLiteral("Recorder"));
    m_printers->remove(QStringLiteral("PDF"));
    ASSERT_EQ(m_printers->Count(), 0);

    const struct
    {
        const char* name;
        bool (Zentrel::*job)();
    } cases[] = {{"print", &Zentrel::LVPrint}, {"preview", &Zentrel::Preview}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_dialogs.answerMessage(Dialogs::Answer::OK);
        EXPECT_FALSE((m_control->*c.job)());
        ASSERT_FALSE(m_dialogs.messages().isEmpty());
        EXPECT_EQ(m_dialogs.messages().last().text,
                  QStringLiteral("No printer has been installed on this system"));
        EXPECT_EQ(m_dialogs.messages().last().icon, Dialogs::Icon::Critical);
        EXPECT_EQ(printedFiles(), QStringList{name});
        EXPECT_EQ(readBytes(printed), bytes);
        EXPECT_FALSE(printer.documentOpen());
    }
    EXPECT_TRUE(m_dialogs.allAnswersUsed());
}

TEST_F(PrinterSide, LightAndSemiBoldFontsPrintWithTheirWeight)
{
    // The face the printer embeds is the face the host font resolves to on
    // screen, for the form's text and for the titles and footer.
    const struct
    {
        QFont::Weight weight;
        const char* face;
    } cases[] = {{QFont::Light, "OpenSans-Light"}, {QFont::DemiBold, "OpenSans-Semibold"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.face);
        endHost();
        startHost();
        QFont font(QStringLiteral("Open Sans"), 12);
        font.setWeight(c.weight);
        ASSERT_EQ(QFontInfo(font).family(), QStringLiteral("Open Sans"))
            << "the fonts-open-sans package is missing";
        auto* label = add<Label>("Weighted", 300, 300, 5000, 400);
        label->setCaption(QStringLiteral("Weighted caption"));
        label->setFont(font);
        m_control = new Zentrel(m_form.get());
        m_control->InitProperties();
        font.setPointSize(9);
        m_control->setTitlesFont(font);
        m_control->setTopTitle(QStringLiteral("Weighted header"));
        m_control->setFootTitle(QStringLiteral("Weighted footer"));
        m_printers->select(QStringLiteral("PDF"));
        ASSERT_TRUE(m_control->LVPrint());

        QStringList openSans;
        for (const QString& face : pdfFonts(pdf().lastFile())) {
            if (face.startsWith(QStringLiteral("OpenSans")) && !openSans.contains(face))
                openSans << face;
        }
        EXPECT_EQ(openSans, QStringList{QString::fromLatin1(c.face)});
    }
}
