#include <QProcess>
#include <QRegularExpression>

#include "HostFormFixture.h"
#include "control/core/JobContext.h"
#include "platform/controls/Quorvan.h"
#include "platform/gdi/DoEvents.h"

using namespace platform;

namespace {

class ZentrelJob : public HostFormFixture
{
protected:
    // The texts drawn on the recording printer, page by page of its last
    // document.
    QList<QStringList> printedPages()
    {
        QList<QStringList> pages;
        const int document = int(recorder().pagesPerDocument().size());
        for (const RecordingPrinter::DcCall& call : recorder().dcCalls()) {
            if (call.document != document || call.call.op != QStringLiteral("DrawText") ||
                call.call.text.isEmpty())
                continue;
            while (pages.size() < call.page)
                pages << QStringList();
            pages[call.page - 1] << call.call.text;
        }
        return pages;
    }

    // The text of a PDF as pdftotext reads it, one entry per line.
    static QStringList pdfLines(const QString& file)
    {
        QProcess poppler;
        poppler.start(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
        EXPECT_TRUE(poppler.waitForFinished(30000));
        const QString text = QString::fromUtf8(poppler.readAllStandardOutput());
        QStringList lines;
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            const QString simple = line.simplified();
            if (!simple.isEmpty())
                lines << simple;
        }
        return lines;
    }

    QString printToPdf()
    {
        m_printers->select(QStringLiteral("PDF"));
        EXPECT_TRUE(m_control->LVPrint());
        return static_cast<PdfPrinter*>(m_printers->printer(QStringLiteral("PDF")))->lastFile();
    }
};

} // namespace

TEST_F(ZentrelJob, ThePdfHoldsEveryCaptionAndEveryLineOnceTopToBottom)
{
    buildTextForm();
    const QStringList lines = pdfLines(printToPdf());
    QStringList stockLines;
    for (const QString& line : lines) {
        if (line.startsWith(QStringLiteral("Stock line")))
            stockLines << line;
    }
    QStringList expected;
    for (int n = 1; n <= 120; ++n)
        expected << lineText(n);
    EXPECT_EQ(stockLines, expected);
    for (const char* caption :
         {"Winter stock report", "High Street branch", "(555) 012-3456", "Autumn range",
          "End of stock lines", "Appendix begins here", "Page : 1", "Page : 2", "Page : 3"})
        EXPECT_EQ(lines.count(QString::fromLatin1(caption)), 1) << caption;
    EXPECT_FALSE(lines.contains(QStringLiteral("Page : 4")));
    // Top to bottom: the title first, the lines, then what follows them.
    EXPECT_LT(lines.indexOf(QStringLiteral("Winter stock report")), lines.indexOf(lineText(1)));
    EXPECT_LT(lines.indexOf(lineText(120)), lines.indexOf(QStringLiteral("End of stock lines")));
    EXPECT_LT(lines.indexOf(QStringLiteral("End of stock lines")),
              lines.indexOf(QStringLiteral("Appendix begins here")));
    for (const QString& line : lines) {
        EXPECT_FALSE(line.contains(QStringLiteral("Hidden margin note")));
        EXPECT_FALSE(line.contains(QStringLiteral("Staff only remark")));
    }
}

TEST_F(ZentrelJob, PrintAndPreviewRaiseTheirEventsAndMakeTheSamePages)
{
    buildTextForm();
    recordEvents();
    ASSERT_TRUE(m_control->LVPrint());
    // A printed page in the range raises Page before and after its sheet
    // is ejected.
    EXPECT_EQ(m_events, (QStringList{"BeforePrint 1", "Page 1", "Page 2", "Page 2", "Page 3",
                                     "Page 3", "AfterPrint"}));
    const QList<QStringList> printed = printedPages();
    ASSERT_EQ(printed.size(), 3);
    EXPECT_EQ(recorder().pagesPerDocument(), QList<int>{3});
    EXPECT_TRUE(printed[0].contains(QStringLiteral("Page :  1")));
    EXPECT_TRUE(printed[2].contains(QStringLiteral("Appendix begins here")));
    for (const RecordingPrinter::DcCall& call : recorder().dcCalls())
        EXPECT_FALSE(call.call.text.contains(QChar(0))) << call.call.text.toStdString();

    m_events.clear();
    ASSERT_TRUE(m_control->Preview());
    EXPECT_EQ(m_events, (QStringList{"BeforePrint 0", "Page 1", "Page 2", "Page 3", "AfterPrint"}));
    EXPECT_EQ(SharedState::get().PreviewPages.size(), size_t(printed.size()));
    EXPECT_TRUE(JobWindows::PreviewShown());
}

TEST_F(ZentrelJob, CancelAndStopEndTheJob)
{
    struct Case
    {
        const char* name;
        bool preview;
        bool cancel;    // in BeforePrint
        int stopAtPage; // StopPrint from the Page handler
        QStringList events;
        int ended;
        int killed;
    };
    const Case cases[] = {
        {"print cancelled", false, true, 0, {"BeforePrint 1"}, 0, 0},
        {"preview cancelled", true, true, 0, {"BeforePrint 0"}, 0, 0},
        {"print stopped on page 2",
         false,
         false,
         2,
         {"BeforePrint 1", "Page 1", "Page 2", "Page 2", "AfterPrint", "AfterPrint"},
         0,
         1},
        {"preview stopped on page 2",
         true,
         false,
         2,
         {"BeforePrint 0", "Page 1", "Page 2", "AfterPrint"},
         0,
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startHost();
        buildTextForm();
        recordEvents();
        QObject::connect(m_control, &Zentrel::BeforePrint, m_control,
                         [&](bool& cancel, qint16&) { cancel = c.cancel; });
        QObject::connect(m_control, &Zentrel::Page, m_control, [&](qint16& page) {
            if (page == c.stopAtPage)
                m_control->StopPrint();
        });
        EXPECT_FALSE(c.preview ? m_control->Preview() : m_control->LVPrint());
        EXPECT_EQ(m_events, c.events);
        EXPECT_EQ(recorder().endedDocuments(), c.ended);
        EXPECT_EQ(recorder().killedDocuments(), c.killed);
        // A cancelled job leaves the stop flag set until the next job.
        EXPECT_EQ(SharedState::get().PrintAborted, c.cancel);
        EXPECT_FALSE(JobWindows::PreviewShown());
        endHost();
    }
}

TEST_F(ZentrelJob, APageRangePrintsAndPreviewsOnlyItsPages)
{
    // The whole document first: a range prints exactly its pages of it,
    // footers included.
    buildTextForm();
    m_control->setToPage(0);
    ASSERT_TRUE(m_control->LVPrint());
    const QList<QStringList> whole = printedPages();
    ASSERT_EQ(whole.size(), 3);
    endHost();

    struct Case
    {
        qint16 from;
        qint16 to;
        int firstPage; // of the whole document
        int lastPage;
    };
    const Case cases[] = {{1, 1, 1, 1}, {2, 2, 2, 2}, {2, 0, 2, 3}, {3, 0, 3, 3}, {1, 2, 1, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("from %1 to %2").arg(c.from).arg(c.to).toStdString());
        startHost();
        buildTextForm();
        m_control->setToPage(0);
        m_control->setFromPage(c.from);
        m_control->setToPage(c.to);
        ASSERT_TRUE(m_control->LVPrint());
        EXPECT_EQ(printedPages(), whole.mid(c.firstPage - 1, c.lastPage - c.firstPage + 1));
        EXPECT_EQ(recorder().pagesPerDocument(), QList<int>{c.lastPage - c.firstPage + 1});

        ASSERT_TRUE(m_control->Preview());
        EXPECT_EQ(SharedState::get().PreviewPages.size(), size_t(c.lastPage - c.firstPage + 1));
        endHost();
    }
}

TEST_F(ZentrelJob, SkippedPagesLeaveNothingInThePdf)
{
    buildTextForm();
    // The whole job's first page ends with the last line before "Page : 1".
    const QStringList whole = pdfLines(printToPdf());
    const qsizetype footer = whole.indexOf(QStringLiteral("Page : 1"));
    ASSERT_GT(footer, 0);
    const QString lastOnFirst = whole.at(footer - 1);
    const int last = lastOnFirst.section(QLatin1Char(' '), 2).toInt();
    ASSERT_GT(last, 1);
    m_control->setFromPage(2);
    m_control->setToPage(2);
    const QStringList lines = pdfLines(printToPdf());
    EXPECT_TRUE(lines.contains(lineText(last + 1)));
    EXPECT_TRUE(lines.contains(QStringLiteral("Page : 2")));
    for (const QString& absent :
         {QStringLiteral("Winter stock report"), lineText(1), lineText(last),
          QStringLiteral("Appendix begins here"), QStringLiteral("Page : 1")})
        EXPECT_FALSE(lines.contains(absent)) << absent.toStdString();
}

TEST_F(ZentrelJob, CopiesReachThePrinterRounded)
{
    buildTextForm();
    for (const auto& [copies, printed] : {std::pair{1.0f, 1}, {2.5f, 2}, {3.5f, 4}, {7.0f, 7}}) {
        m_control->setCopies(copies);
        ASSERT_TRUE(m_control->LVPrint());
        EXPECT_EQ(recorder().Copies(), printed) << copies;
    }
}

TEST_F(ZentrelJob, PageGeometryAndMargins)
{
    struct Case
    {
        const char* printer;
        bool preview;
        int widthPx;
        int heightPx;
        int firstLeft, firstTop; // first page, from LeftMargin 0.5 and TopMargin 1.5
        int laterLeft, laterTop; // after a page break
    };
    // A4 is 11906 x 16838 twips. The 300 dpi recorder has 4.8 twips per
    // pixel (5 once rounded), the 600 dpi PDF printer 2.4 (2), the 2880 dpi
    // recorder 0.5 (taken as 1 for the first page). A preview page is the
    // page of a 96 dpi printer (15 twips a pixel) as high, as wide as its
    // view.
    const Case cases[] = {
        {"Recorder", false, 2465, 3486, 57, 170, 59, 177},
        {"PDF", false, 4929, 6971, 142, 425, 118, 354},
        {"Fine", false, 23661, 33462, 284, 850, 567, 1701},
        {"Recorder", true, 810, 1115, 19, 57, 19, 57},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.printer) + (c.preview ? " preview" : " print"));
        startHost();
        Printers fine({QStringLiteral("Fine")}, QStringLiteral("Fine"), [](const QString& name) {
            return std::make_unique<RecordingPrinter>(name, QMarginsF(), 2880);
        });
        if (QLatin1String(c.printer) == QLatin1String("Fine"))
            Printers::install(&fine);
        else
            m_printers->select(QString::fromLatin1(c.printer));
        buildTextForm();
        int firstLeft = -1;
        int firstTop = -1;
        QObject::connect(m_control, &Zentrel::Page, m_control, [&](qint16& page) {
            if (page == 1) {
                firstLeft = m_control->job().LeftMarginPx.value;
                firstTop = m_control->job().TopMarginPx.value;
            }
        });
        ASSERT_TRUE(c.preview ? m_control->Preview() : m_control->LVPrint());
        EXPECT_EQ(SharedState::get().PageWidthPx.value, c.widthPx);
        EXPECT_EQ(SharedState::get().PageHeightPx.value, c.heightPx);
        EXPECT_EQ(firstLeft, c.firstLeft);
        EXPECT_EQ(firstTop, c.firstTop);
        EXPECT_EQ(m_control->job().LeftMarginPx.value, c.laterLeft);
        EXPECT_EQ(m_control->job().TopMarginPx.value, c.laterTop);
        endHost();
    }
}

TEST_F(ZentrelJob, AJobGuardsItselfAndTheHost)
{
    buildTextForm();
    auto* resizer = add<Quorvan>("Quorvan1", 0, 0, 100, 100);
    resizer->setFactor(2.0);
    resizer->setZoom(100);
    m_control->hide();
    QStringList during;
    QObject::connect(m_control, &Zentrel::Page, m_control, [&](qint16& page) {
        if (page != 2 || !during.isEmpty())
            return;
        during << QStringLiteral("zoom %1 resize %2").arg(resizer->Zoom()).arg(resizer->Resize());
        // A second job, a dialog or the about box while one runs: refused,
        // and no event.
        during << QStringLiteral("%1 %2 %3")
                      .arg(m_control->LVPrint())
                      .arg(m_control->Preview())
                      .arg(m_control->ShowPrinter());
        m_control->StopPrint();
    });
    recordEvents();
    EXPECT_FALSE(m_control->LVPrint());
    EXPECT_EQ(during, (QStringList{"zoom 50 resize 0", "0 0 0"}));
    EXPECT_EQ(m_events.count(QStringLiteral("BeforePrint 1")), 1);
    // Stopped, the host is put back as a finished job puts it.
    EXPECT_EQ(resizer->Zoom(), 100);
    EXPECT_TRUE(resizer->Resize());
    EXPECT_TRUE(m_control->isHidden());

    // A hidden control still prints what the preview window asks for,
    // without being painted.
    during << QStringLiteral("done");
    ASSERT_TRUE(m_control->Preview());
    const int documents = int(recorder().pagesPerDocument().size());
    RequestPrintFromPreview();
    DoEvents();
    EXPECT_EQ(recorder().pagesPerDocument().size(), documents + 1);
    EXPECT_EQ(recorder().endedDocuments(), 1);
}

TEST_F(ZentrelJob, AControlDeletedMidJobEndsThePrintWithTheErrorReport)
{
    buildTextForm();
    QObject::connect(m_control, &Zentrel::Page, m_control, [&](qint16& page) {
        if (page == 3)
            delete m_form->findChild<Label*>(QStringLiteral("Appendix"));
    });
    m_dialogs.answerMessage(Dialogs::Answer::OK);
    EXPECT_FALSE(m_control->LVPrint());
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages()[0].text, QStringLiteral("Printer Operation # 91"));
    EXPECT_EQ(m_dialogs.messages()[0].icon, Dialogs::Icon::Critical);
    EXPECT_EQ(recorder().endedDocuments(), 0);
}

TEST_F(ZentrelJob, LowMemoryStopsAPreviewOnlyWhenReallyLow)
{
    struct Case
    {
        quint64 available;
        size_t pages;
        bool message;
    };
    const Case cases[] = {
        {1000, 1, true},
        {quint64(3) << 30, 3, false}, // 3 GiB: more than a 32-bit count holds
        {0, 3, false},                // unknown
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.available);
        startHost();
        buildTextForm();
        SharedState::get().AvailableMemory = [&] { return c.available; };
        if (c.message)
            m_dialogs.answerMessage(Dialogs::Answer::OK);
        const qsizetype before = m_dialogs.messages().size();
        ASSERT_TRUE(m_control->Preview());
        EXPECT_EQ(SharedState::get().PreviewPages.size(), c.pages);
        const QList<ScriptedDialogs::Shown> shown = m_dialogs.messages().mid(before);
        EXPECT_EQ(shown.size(), c.message ? 1 : 0);
        if (c.message && !shown.isEmpty()) {
            EXPECT_EQ(shown[0].text, QStringLiteral("Not enough Memory for Complete Preview"));
            EXPECT_EQ(shown[0].icon, Dialogs::Icon::None);
        }
        endHost();
    }
}

TEST_F(ZentrelJob, APrinterThatCannotStartIsReportedAndNothingPrints)
{
    buildTextForm();
    recordEvents();
    recorder().failNextDocument(QStringLiteral("out of paper"));
    m_dialogs.answerMessage(Dialogs::Answer::OK);
    EXPECT_FALSE(m_control->LVPrint());
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages()[0].text, QStringLiteral("Printer Not Ready"));
    EXPECT_EQ(m_dialogs.messages()[0].icon, Dialogs::Icon::Critical);
    EXPECT_EQ(m_events, QStringList{"BeforePrint 1"});
    EXPECT_EQ(recorder().endedDocuments(), 0);
    EXPECT_TRUE(recorder().dcCalls().isEmpty());
}
