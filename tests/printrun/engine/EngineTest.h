#pragma once

#include <QStringList>
#include <memory>

#include "FakePrintHost.h"
#include "entry/store/TicketRunLine.h"
#include "platform/printing/Printers.h"
#include "platform/printing/RecordingPrinter.h"
#include "printrun/engine/PrintRoutines.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDirTest.h"

// An engine on a fake host, with recording printers "Recorder" (current at
// the start), "Labels" and "Thermal", each test in its own folder.
class EngineTest : public TempDirTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    platform::RecordingPrinter& recorder(const QString& name = QStringLiteral("Recorder"));

    // A run line of the ticket-entry program's layout.
    static TicketRunLine sampleLine(const QString& barcode = QStringLiteral("9184403"));
    // Writes run lines (CR LF after each) to `name`.
    void writeRun(const QString& name, const QStringList& lines);
    void writeRun(const QString& name, const QList<TicketRunLine>& lines);

    // Printed texts (Text calls) of one document and page.
    static QList<platform::RecordingPrinter::Call>
    textsOn(const platform::RecordingPrinter& printer, int document, int page);
    // The first text call whose text is `text`; fails the test when none.
    static platform::RecordingPrinter::Call textCall(const platform::RecordingPrinter& printer,
                                                     const QString& text);

    // Gives the ticket a short supplier and description, padded to their
    // run-line columns as the entry program writes them; after the print,
    // expectShortTextsCentred checks that each is printed at its top and
    // centred on `centre` by its visible (trimmed) width.
    void setShortSupplierAndDescription();
    void expectShortTextsCentred(double cellTop, double centre);

    // The rectangle the bars of a barcode placed at (left, top, width,
    // height) cover: the 7-module quiet zones of EAN-8 are left blank.
    static QRectF barsOf(double left, double top, double width, double height);

    FakePrintHost m_host;
    std::unique_ptr<platform::Printers> m_printers;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<PrintRoutines> m_engine;
};

// Expects the painting of a barcode where its bars should be: left, top and
// right edges within `tolerance` twips; the bottom, where the digits end, no
// lower than the placement and below the bars, which take at least two
// thirds of its height.
#define EXPECT_RECT_NEAR(actual, expected, tolerance)                                              \
    do {                                                                                           \
        const QRectF a_ = (actual);                                                                \
        const QRectF e_ = (expected);                                                              \
        EXPECT_NEAR(a_.left(), e_.left(), tolerance);                                              \
        EXPECT_NEAR(a_.top(), e_.top(), tolerance);                                                \
        EXPECT_NEAR(a_.right(), e_.right(), tolerance);                                            \
        EXPECT_LE(a_.bottom(), e_.bottom() + (tolerance));                                         \
        EXPECT_GE(a_.bottom(), e_.top() + e_.height() * 2 / 3);                                    \
    } while (false)
