#include <QApplication>

#include "PrintMgrFixture.h"
#include "printrun/designer/Ticketstp.h"
#include "printrun/manager/PrintLst.h"
#include "printrun/manager/TicketStats.h"
#include "support/TextFit.h"

using namespace platform;

namespace {

class PrintRunTextFitTest : public PrintMgrFixture
{
};

} // namespace

// Every window of the print-run program, each of its panels and designer
// tabs: no caption, button text, panel text or column heading is wider than
// its control.
TEST_F(PrintRunTextFitTest, EveryTextOfThePrintRunProgramFitsItsControl)
{
    writeBytes(QStringLiteral("ticket.run"), runLines(3));
    PrintMgr& window = load();
    window.show();
    PrintLst& editor = PrintLst::Open(QStringLiteral("ticket.run"), &window, [] {});
    TicketStats stats;
    stats.show();
    QApplication::processEvents();

    QStringList problems =
        textsThatDoNotFit(&window) + textsThatDoNotFit(&editor) + textsThatDoNotFit(&stats);
    Ticketstp* designer = window.designer();
    ASSERT_NE(designer, nullptr);
    designer->show();
    for (int tab = 1; tab <= 10; ++tab) {
        designer->selectTab(tab);
        QApplication::processEvents();
        for (const QString& problem : textsThatDoNotFit(designer)) {
            if (!problems.contains(problem))
                problems << problem;
        }
    }
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
    editor.close();
}
