#include <QDir>
#include <QProcess>
#include <QWidget>

#include "HostPrinter.h"
#include "support/TempDirTest.h"

#include "control/core/Zentrel.h"
#include "platform/controls/Label.h"
#include "platform/controls/MultiLineTextBox.h"

// A host program as a shop would write one: a form of our controls with the
// print/preview control on it, linked to the shared control library and
// the platform's shared libraries only, with its own class named Printer.
class HostProgram : public TempDirTest
{
};

TEST_F(HostProgram, PrintsItsFormOnThePdfPrinter)
{
    Printer ownPrinter(QStringLiteral("High Street"));
    ownPrinter.Print(QStringLiteral("morning labels"), true);

    QWidget form;
    form.setWindowTitle(QStringLiteral("Daily labels"));
    auto* title = new Label(&form);
    title->Move(300, 300, 4000, 300);
    title->setCaption(QStringLiteral("Labels printed today"));
    auto* lines = new MultiLineTextBox(&form);
    lines->Move(300, 900, 5000, 1500);
    lines->setText(QStringLiteral("Coats 12\nScarves 30\nHats 8"));
    auto* control = new Zentrel(&form);
    control->InitProperties();
    control->setPrinterName(QStringLiteral("pdf"));
    ASSERT_EQ(control->PrinterName(), QStringLiteral("PDF"));

    int pages = 0;
    QObject::connect(control, &Zentrel::Page, control, [&](qint16&) { ++pages; });
    ASSERT_TRUE(control->LVPrint());
    EXPECT_EQ(pages, 1);

    const QStringList printed = QDir(QStringLiteral("printed")).entryList({QStringLiteral("*.pdf")});
    ASSERT_EQ(printed.size(), 1);
    QProcess poppler;
    poppler.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("printed/") + printed.first(), QStringLiteral("-")});
    ASSERT_TRUE(poppler.waitForFinished(30000));
    const QString text = QString::fromUtf8(poppler.readAllStandardOutput());
    for (const char* expected : {"Labels printed today", "Coats 12", "Scarves 30", "Hats 8"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected;

    // The host's own printer is untouched by the job.
    ownPrinter.NewPage();
    EXPECT_TRUE(ownPrinter.EndDoc());
    EXPECT_EQ(ownPrinter.log(), (QStringList{"High Street: morning labels\n", "--", "end"}));
}
