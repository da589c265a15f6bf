#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QPushButton>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include "HostFormFixture.h"
#include "ThreePageForm.h"
#include "ZentrelFixture.h"
#include "control/core/JobContext.h"
#include "control/core/PrinterSetup.h"
#include "control/core/Zentrel.h"
#include "platform/ui/PrintSetupDialog.h"
#include "platform/ui/QtDialogs.h"
#include "support/ModalDialog.h"
#include "support/ScriptedDialogs.h"

using namespace platform;

class PrinterSetupDialog : public ZentrelFixture
{
protected:
    void SetUp() override
    {
        ZentrelFixture::SetUp();
        m_control = new Zentrel(&m_form);
        m_control->InitProperties();
    }

    Printer& current() { return m_printers.current(); }

    ScriptedDialogs m_dialogs;
    Zentrel* m_control = nullptr;
};

TEST_F(PrinterSetupDialog, OffersTheCurrentPrinterAndThePageRange)
{
    struct Case
    {
        const char* name;
        qint16 fromPage;
        qint16 toPage;
        PrintSetupRequest::Range range;
        int shownFrom;
        int shownTo;
        int maxPage;
    };
    // A job to the end offers every page; a closed range offers its pages.
    const Case cases[] = {
        {"closed range", 2, 7, PrintSetupRequest::Range::Pages, 2, 7, 7},
        {"to the end", 3, 0, PrintSetupRequest::Range::AllPages, 3, PrinterSetup::LastPageOffered,
         PrinterSetup::LastPageOffered},
    };
    current().setCopies(2);
    current().setOrientation(Printer::Landscape);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_control->setPageRange(c.fromPage, c.toPage);
        m_dialogs.answerPrintSetup([](PrintSetupRequest&) { return false; });
        m_control->ShowPrinter();
        const PrintSetupRequest& shown = m_dialogs.printSetups().last();
        EXPECT_EQ(shown.flags, 0x2 | 0x4 | 0x100 | 0x40000 | 0x80000);
        EXPECT_EQ(shown.deviceName, QStringLiteral("Office Laser"));
        EXPECT_EQ(shown.deviceNames, m_printers.deviceNames());
        EXPECT_EQ(shown.range, c.range);
        EXPECT_EQ(shown.fromPage, c.shownFrom);
        EXPECT_EQ(shown.toPage, c.shownTo);
        EXPECT_EQ(shown.minPage, 1);
        EXPECT_EQ(shown.maxPage, c.maxPage);
        EXPECT_EQ(shown.copies, 2);
        EXPECT_EQ(shown.orientation, 2);
    }
}

TEST_F(PrinterSetupDialog, ChoicesSetThePropertiesAndThePrinter)
{
    struct Case
    {
        const char* name;
        qint16 fromPage;
        qint16 toPage;
        std::function<void(PrintSetupRequest&)> choose;
        const char* printer;
        qint16 wantFrom;
        qint16 wantTo;
    };
    const Case cases[] = {
        {"pages 2 to 3 below the current first page", 5, 10,
         [](PrintSetupRequest& r) {
             r.fromPage = 2;
             r.toPage = 3;
         },
         "Office Laser", 2, 3},
        {"every page of a job to the end", 3, 0,
         [](PrintSetupRequest& r) { r.range = PrintSetupRequest::Range::AllPages; }, "Office Laser",
         1, 0},
        {"a page range of a job to the end", 1, 0,
         [](PrintSetupRequest& r) {
             r.range = PrintSetupRequest::Range::Pages;
             r.fromPage = 4;
             r.toPage = 6;
         },
         "Office Laser", 4, 6},
        {"another printer named in other letters", 1, 100,
         [](PrintSetupRequest& r) { r.deviceName = QStringLiteral("label printer"); },
         "Label Printer", 1, 100},
        {"a printer the collection does not have", 1, 100,
         [](PrintSetupRequest& r) { r.deviceName = QStringLiteral("Gone"); }, "Office Laser", 1,
         100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_printers.select(QStringLiteral("Office Laser"));
        m_control->setPageRange(c.fromPage, c.toPage);
        m_dialogs.answerPrintSetup([&c](PrintSetupRequest& r) {
            c.choose(r);
            r.copies = 3;
            r.orientation = 2;
            r.paperSize = 11;
            r.duplex = 2;
            r.colorMode = 1;
            r.printQuality = 300;
            return true;
        });
        QSignalSpy changed(m_control, &Zentrel::PropertyChanged);
        EXPECT_TRUE(m_control->ShowPrinter());
        EXPECT_FALSE(SharedState::get().PrintAborted);
        EXPECT_EQ(m_control->FromPage(), c.wantFrom);
        EXPECT_EQ(m_control->ToPage(), c.wantTo);
        EXPECT_EQ(m_control->Copies(), 3.0f);
        EXPECT_EQ(m_control->Orientation(), Zentrel::Landscape);
        // No "must be bigger" message: the range is taken as one pair.
        EXPECT_TRUE(m_dialogs.messages().isEmpty());
        QStringList names;
        for (const QList<QVariant>& args : changed)
            names << args.at(0).toString();
        EXPECT_EQ(names, (QStringList{QStringLiteral("Orientation"), QStringLiteral("ToPage"),
                                      QStringLiteral("FromPage"), QStringLiteral("Copies")}));

        Printer& printer = current();
        EXPECT_EQ(printer.DeviceName(), QString::fromLatin1(c.printer));
        EXPECT_EQ(printer.Copies(), 3);
        EXPECT_EQ(printer.Orientation(), Printer::Landscape);
        EXPECT_EQ(printer.PaperSize(), Printer::A5);
        EXPECT_EQ(printer.Duplex(), 2);
        EXPECT_EQ(printer.ColorMode(), 1);
        EXPECT_EQ(printer.PrintQuality(), 300);
        EXPECT_EQ(printer.ScaleMode(), Printer::Twips);
    }
}

TEST_F(PrinterSetupDialog, CancelChangesNothingAndReportsFalse)
{
    m_control->setPageRange(2, 9);
    m_control->setCopies(2);
    m_dialogs.answerPrintSetup([](PrintSetupRequest& r) {
        r.copies = 5;
        r.deviceName = QStringLiteral("PDF");
        return false;
    });
    QSignalSpy changed(m_control, &Zentrel::PropertyChanged);
    EXPECT_FALSE(m_control->ShowPrinter());
    EXPECT_TRUE(SharedState::get().PrintAborted);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(m_control->FromPage(), 2);
    EXPECT_EQ(m_control->ToPage(), 9);
    EXPECT_EQ(m_control->Copies(), 2.0f);
    EXPECT_EQ(current().DeviceName(), QStringLiteral("Office Laser"));
    EXPECT_EQ(current().Copies(), 1);
}

TEST_F(PrinterSetupDialog, PrinterNameNamesThePrinterTheDialogLeaves)
{
    struct Case
    {
        const char* name;
        std::function<bool(PrintSetupRequest&)> answer;
        const char* printer; // current afterwards, and PrinterName
    };
    const Case cases[] = {
        {"OK without choosing", [](PrintSetupRequest&) { return true; }, "Office Laser"},
        {"the PDF printer",
         [](PrintSetupRequest& r) {
             r.deviceName = QStringLiteral("PDF");
             return true;
         },
         "PDF"},
        {"another printer named in other letters",
         [](PrintSetupRequest& r) {
             r.deviceName = QStringLiteral("LABEL PRINTER");
             return true;
         },
         "Label Printer"},
        {"cancelled after choosing the PDF printer",
         [](PrintSetupRequest& r) {
             r.deviceName = QStringLiteral("PDF");
             return false;
         },
         "Office Laser"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_control->setPrinterName(QStringLiteral("Office Laser"));
        m_dialogs.answerPrintSetup(c.answer);
        m_control->ShowPrinter();
        EXPECT_EQ(current().DeviceName(), QString::fromLatin1(c.printer));
        EXPECT_EQ(m_control->PrinterName(), QString::fromLatin1(c.printer));
    }
}

class PrinterSetupBeforeAPrint : public HostFormFixture
{
protected:
    void SetUp() override
    {
        HostFormFixture::SetUp();
        ThreePageForm::addTo(m_form.get());
        m_control = new Zentrel(m_form.get());
        m_control->InitProperties();
        m_control->Move(6500, 0, 800, 375);
        m_control->setShowPrinterAlways(true);
    }

    // The pages each label was printed on ("" when it was not), from the
    // drawing call `first` on.
    QStringList pagesOfTheLabels(qsizetype first)
    {
        QStringList pages(3);
        for (const RecordingPrinter::DcCall& call : recorder().dcCalls().mid(first)) {
            for (int i = 0; i < 3; ++i) {
                if (call.call.text.contains(QString::fromLatin1(ThreePageForm::Texts[i])))
                    pages[i] += QString::number(call.page);
            }
        }
        return pages;
    }
};

TEST_F(PrinterSetupBeforeAPrint, TheChosenPagesArePrinted)
{
    struct Case
    {
        const char* name;
        qint16 fromPage;
        qint16 toPage;
        std::function<bool(PrintSetupRequest&)> answer;
        bool printed;
        QStringList pages; // the sheet of the document each label lands on
    };
    const Case cases[] = {
        {"every page of a job to the end",
         1,
         0,
         [](PrintSetupRequest& r) {
             r.range = PrintSetupRequest::Range::AllPages;
             return true;
         },
         true,
         {"1", "2", "3"}},
        {"pages 2 to 3 below the first page set",
         5,
         9,
         [](PrintSetupRequest& r) {
             r.range = PrintSetupRequest::Range::Pages;
             r.fromPage = 2;
             r.toPage = 3;
             return true;
         },
         true,
         {"", "1", "2"}},
        {"cancelled", 1, 0, [](PrintSetupRequest&) { return false; }, false, {"", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_control->setPageRange(c.fromPage, c.toPage);
        const int ended = recorder().endedDocuments();
        const qsizetype drawn = recorder().dcCalls().size();
        m_dialogs.answerPrintSetup(c.answer);
        EXPECT_EQ(m_control->LVPrint(), c.printed);
        EXPECT_EQ(recorder().endedDocuments(), ended + (c.printed ? 1 : 0));
        if (!c.printed) {
            EXPECT_EQ(recorder().dcCalls().size(), drawn);
        }
        EXPECT_EQ(pagesOfTheLabels(drawn), c.pages);
        EXPECT_TRUE(m_dialogs.messages().isEmpty());
    }
}

namespace {

// The scripted dialogs with the real print set-up dialog.
class RealPrintSetup : public ScriptedDialogs
{
public:
    bool printSetup(PrintSetupRequest& request) override { return QtDialogs().printSetup(request); }
};

} // namespace

TEST_F(PrinterSetupBeforeAPrint, TheRealDialogsChoiceIsThePrinterOfThisJobAndTheNext)
{
    // The form prints on "Recorder" until the user picks "PDF" in the dialog;
    // the next job's dialog shows "PDF" and OK keeps it.
    RealPrintSetup dialogs;
    m_control->setLeftMargin(1.0);
    qint32 firstPageMargin = 0;
    QObject::connect(m_control, &Zentrel::Page, m_control, [this, &firstPageMargin](qint16& page) {
        if (page == 1)
            firstPageMargin = m_control->job().LeftMarginPx.value;
    });
    const struct
    {
        const char* name;
        const char* shown;  // the printer selected when the dialog opens
        const char* choose; // the printer picked by its index, or none
    } cases[] = {{"PDF picked", "Recorder", "PDF"}, {"OK without choosing", "PDF", nullptr}};
    QStringList files;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QObject guard;
        whenShown<PrintSetupDialog>(&guard, [&c](PrintSetupDialog* dialog) {
            auto* printer = dialog->findChild<QComboBox*>("printer");
            EXPECT_EQ(printer->currentText(), QString::fromLatin1(c.shown));
            EXPECT_EQ(printer->count(), 2);
            if (c.choose)
                printer->setCurrentIndex(printer->findText(QString::fromLatin1(c.choose)));
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        EXPECT_TRUE(m_control->LVPrint());
        EXPECT_EQ(m_control->PrinterName(), QStringLiteral("PDF"));
        EXPECT_EQ(m_printers->current().DeviceName(), QStringLiteral("PDF"));
        // The first page's margin counts the PDF printer's pixels: 567 / 2
        // (its 2.4 twips per pixel taken whole) for 1 cm.
        EXPECT_EQ(firstPageMargin, 284);
        files << static_cast<PdfPrinter*>(m_printers->printer("PDF"))->lastFile();
        EXPECT_TRUE(QFileInfo::exists(files.last()));
    }
    EXPECT_EQ(files.removeDuplicates(), 0);
    EXPECT_EQ(recorder().endedDocuments(), 0);
    EXPECT_TRUE(recorder().dcCalls().isEmpty());
}
