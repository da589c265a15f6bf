#include <QPrinterInfo>
#include <gtest/gtest.h>

#include "platform/printing/PdfPrinter.h"
#include "platform/printing/Printers.h"
#include "platform/printing/RecordingPrinter.h"
#include "platform/printing/SystemPrinter.h"
#include "support/QStringPrinter.h"

using namespace platform;

namespace {

Printers recordingPrinters(const QStringList& names, const QString& defaultName)
{
    return Printers(names, defaultName,
                    [](const QString& name) { return std::make_unique<RecordingPrinter>(name); });
}

TEST(PrintersTest, SystemCollectionEndsWithThePdfPrinterAndDefaultsToTheSystemsDefault)
{
    Printers printers;
    const QStringList system = QPrinterInfo::availablePrinterNames();
    ASSERT_FALSE(printers.deviceNames().isEmpty());
    EXPECT_EQ(printers.deviceNames().last(), QStringLiteral("PDF"));
    EXPECT_EQ(printers.Count(), int(system.size() - system.count(QStringLiteral("PDF")) + 1));
    const QString systemDefault = QPrinterInfo::defaultPrinterName();
    if (systemDefault.isEmpty())
        EXPECT_EQ(printers.defaultDeviceName(), QStringLiteral("PDF"));
    else
        EXPECT_EQ(printers.defaultDeviceName(), systemDefault);
    EXPECT_EQ(printers.current().DeviceName(), printers.defaultDeviceName());

    ASSERT_TRUE(printers.select(QStringLiteral("PDF")));
    EXPECT_NE(dynamic_cast<PdfPrinter*>(&printers.current()), nullptr);
}

TEST(PrintersTest, ChoosingPdfFirstKeepsTheChoiceAndAChoiceComesBack)
{
    // "PDF" chosen before the system's printers are listed stays chosen
    // once they are, and a name no printer has is refused before they are
    // listed as after; a choice taken before another selection comes back,
    // and an untouched default comes back as the default.
    Printers printers;
    const QString untouched = printers.currentChoice();
    EXPECT_TRUE(untouched.isEmpty());
    ASSERT_TRUE(printers.select(QStringLiteral("PDF")));
    EXPECT_NE(dynamic_cast<PdfPrinter*>(&printers.current()), nullptr);
    Printers unlisted;
    EXPECT_FALSE(unlisted.select(QStringLiteral("No such printer 7f3a")));
    EXPECT_EQ(unlisted.currentChoice(), untouched);
    EXPECT_EQ(printers.deviceNames().last(), QStringLiteral("PDF"));
    EXPECT_EQ(printers.currentDeviceName(), QStringLiteral("PDF"));
    EXPECT_FALSE(printers.select(QStringLiteral("No such printer 7f3a")));
    EXPECT_EQ(printers.currentDeviceName(), QStringLiteral("PDF"));
    printers.restoreChoice(untouched);
    EXPECT_EQ(printers.currentDeviceName(), printers.defaultDeviceName());
    EXPECT_EQ(&printers.current(), printers.printer(printers.defaultDeviceName()));

    Printers laser = recordingPrinters({"Laser", "Thermal"}, "Laser");
    const QString chosen = laser.currentChoice();
    ASSERT_TRUE(laser.select(QStringLiteral("Thermal")));
    laser.restoreChoice(chosen);
    EXPECT_EQ(laser.current().DeviceName(), QStringLiteral("Laser"));
}

TEST(PrintersTest, SelectionTakesTheExactDeviceName)
{
    Printers printers = recordingPrinters({"Laser", "Thermal 56x38", "PDF"}, "Laser");
    EXPECT_EQ(printers.current().DeviceName(), QStringLiteral("Laser"));

    const struct
    {
        const char* name;
        bool found;
        const char* current;
    } cases[] = {
        {"Thermal 56x38", true, "Thermal 56x38"},
        {"thermal 56x38", false, "Thermal 56x38"}, // letter case counts
        {"Thermal", false, "Thermal 56x38"},
        {"", false, "Thermal 56x38"},
        {"PDF", true, "PDF"},
        {"Laser", true, "Laser"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(printers.select(QString::fromLatin1(c.name)), c.found);
        EXPECT_EQ(printers.current().DeviceName(), QString::fromLatin1(c.current));
        EXPECT_EQ(printers.currentDeviceName(), QString::fromLatin1(c.current));
    }
    EXPECT_EQ(printers.printer(QStringLiteral("Nowhere")), nullptr);
}

TEST(PrintersTest, EachPrinterKeepsItsSettingsAcrossSelections)
{
    Printers printers = recordingPrinters({"Laser", "Thermal"}, "Missing");
    // An unknown default falls back to the first printer.
    EXPECT_EQ(printers.defaultDeviceName(), QStringLiteral("Laser"));
    Printer& laser = printers.current();
    laser.setFontSize(8);
    ASSERT_TRUE(printers.select(QStringLiteral("Thermal")));
    printers.current().setFontSize(14);
    ASSERT_TRUE(printers.select(QStringLiteral("Laser")));
    EXPECT_EQ(&printers.current(), &laser);
    EXPECT_EQ(printers.current().FontSize(), 8);
    EXPECT_EQ(printers.printer(QStringLiteral("Thermal"))->FontSize(), 14);
}

TEST(PrintersTest, InstalledCollectionReplacesTheSystemsUntilRemoved)
{
    Printers printers = recordingPrinters({"Recorder"}, "Recorder");
    Printers::install(&printers);
    EXPECT_EQ(&Printers::collection(), &printers);
    EXPECT_NE(dynamic_cast<RecordingPrinter*>(&Printers::collection().current()), nullptr);
    Printers::install(nullptr);
    EXPECT_NE(&Printers::collection(), &printers);
    EXPECT_TRUE(Printers::collection().deviceNames().contains(QStringLiteral("PDF")));
}

} // namespace

TEST(PrintersTest, SystemPrinterThatDoesNotExistFailsWithoutPrinting)
{
    // Where the system has printers, Qt's fallback would be one of them.
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        GTEST_SKIP() << "the system has printers; nothing may be sent to them";
    SystemPrinter printer(QStringLiteral("No such printer 7f3a"));
    EXPECT_EQ(printer.DeviceName(), QStringLiteral("No such printer 7f3a"));
    EXPECT_GT(printer.Width(), 0);
    printer.Print(QStringLiteral("lost"));
    EXPECT_FALSE(printer.EndDoc());
    EXPECT_EQ(printer.errorText(),
              QStringLiteral("The printer No such printer 7f3a is not available."));
}

TEST(PrintersTest, APrinterTakenOutStaysCurrentUntilAnotherIsSelected)
{
    Printers printers = recordingPrinters({"Laser", "Thermal"}, "Laser");
    Printer& laser = printers.current();
    printers.remove(QStringLiteral("Laser"));
    EXPECT_EQ(printers.deviceNames(), QStringList{QStringLiteral("Thermal")});
    EXPECT_EQ(&printers.current(), &laser);
    EXPECT_EQ(printers.printer(QStringLiteral("Laser")), nullptr);
    EXPECT_FALSE(printers.select(QStringLiteral("Laser")));
    printers.remove(QStringLiteral("Thermal"));
    EXPECT_EQ(printers.Count(), 0);
    EXPECT_EQ(&printers.current(), &laser);
}
