#include "EngineTest.h"

#include "platform/files/Ansi.h"

using namespace platform;

void EngineTest::SetUp()
{
    TempDirTest::SetUp();
    m_printers =
        std::make_unique<Printers>(QStringList{QStringLiteral("Recorder"), QStringLiteral("Labels"),
                                               QStringLiteral("Thermal")},
                                   QStringLiteral("Recorder"), [](const QString& name) {
                                       return std::make_unique<RecordingPrinter>(name);
                                   });
    Printers::install(m_printers.get());
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_engine = std::make_unique<PrintRoutines>(m_host);
}

void EngineTest::TearDown()
{
    m_engine.reset();
    EXPECT_TRUE(m_dialogs->allAnswersUsed());
    m_dialogs.reset();
    Printers::install(nullptr);
    m_printers.reset();
    TempDirTest::TearDown();
}

RecordingPrinter& EngineTest::recorder(const QString& name)
{
    return static_cast<RecordingPrinter&>(*m_printers->printer(name));
}

TicketRunLine EngineTest::sampleLine(const QString& barcode)
{
    TicketRunLine line;
    line.Dpt = QStringLiteral("149");
    line.Grp = QStringLiteral("5");
    line.CCode = QStringLiteral("XQ");
    line.Supplier = QStringLiteral("RED.SUMMER DRESS");
    line.Description = QStringLiteral("ACME FASHIONS");
    line.Size = QStringLiteral("12");
    line.Fit = QStringLiteral("L");
    line.Sell = QStringLiteral("49.99");
    line.PrvSell = QStringLiteral("59.99");
    line.Barcode = barcode;
    line.Header = QStringLiteral("SMITHS");
    line.Header2 = QStringLiteral("OF LEEDS");
    return line;
}

void EngineTest::writeRun(const QString& name, const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += Ansi::encode(line) + "\r\n";
    writeBytes(name, bytes);
}

void EngineTest::writeRun(const QString& name, const QList<TicketRunLine>& lines)
{
    QStringList texts;
    for (const TicketRunLine& line : lines)
        texts << line.toText();
    writeRun(name, texts);
}

QList<RecordingPrinter::Call> EngineTest::textsOn(const RecordingPrinter& printer, int document,
                                                  int page)
{
    QList<RecordingPrinter::Call> found;
    for (const RecordingPrinter::Call& call : printer.callsOf(RecordingPrinter::Call::Kind::Text)) {
        if (call.document == document && call.page == page)
            found << call;
    }
    return found;
}

RecordingPrinter::Call EngineTest::textCall(const RecordingPrinter& printer, const QString& text)
{
    for (const RecordingPrinter::Call& call : printer.callsOf(RecordingPrinter::Call::Kind::Text)) {
        if (call.text == text)
            return call;
    }
    ADD_FAILURE() << "nothing printed the text \"" << text.toStdString() << "\"";
    return {};
}

namespace {

const struct
{
    const char* visible;
    double top;
} ShortTexts[] = {{"ACME", 1050}, {"KNIT", 1200}}; // supplier, description

QString paddedText(const char* visible)
{
    return QString::fromLatin1(visible).leftJustified(16, QLatin1Char(' '));
}

} // namespace

void EngineTest::setShortSupplierAndDescription()
{
    m_engine->TicketSupplier = paddedText(ShortTexts[0].visible);
    m_engine->TicketDescription = paddedText(ShortTexts[1].visible);
}

void EngineTest::expectShortTextsCentred(double cellTop, double centre)
{
    for (const auto& c : ShortTexts) {
        SCOPED_TRACE(c.visible);
        const RecordingPrinter::Call call = textCall(recorder(), paddedText(c.visible));
        EXPECT_DOUBLE_EQ(call.rect.top(), cellTop + c.top);
        const double visibleWidth = recorder().TextWidth(QString::fromLatin1(c.visible));
        EXPECT_NEAR(call.rect.left() + visibleWidth / 2, centre, 0.5);
    }
}

QRectF EngineTest::barsOf(double left, double top, double width, double height)
{
    const double module = width / 81.0;
    return QRectF(left + 7 * module, top, 67 * module, height);
}
