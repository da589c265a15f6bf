// Printing and previewing a form with the print/preview control, each job on
// a fresh host form with fresh printers.
#include <QApplication>

#include "FormCheck.h"
#include "control/core/Interin.h"
#include "control/core/JobWindows.h"
#include "control/core/OffScreenDC.h"
#include "control/core/Prview.h"
#include "control/core/SharedState.h"
#include "control/core/Zentrel.h"
#include "platform/printing/PdfPrinter.h"
#include "platform/printing/Printers.h"

namespace FormCheck {

QString Job::name() const
{
    return QStringLiteral("%1 dpi, Zoom %2").arg(dpi).arg(zoom);
}

QList<Job> allJobs()
{
    return {{96, 100}, {96, 50}, {300, 100}, {300, 50}, {600, 100}, {600, 50}};
}

namespace {

// The host form of one job, with the control on it, and the "PDF" printer.
class Host
{
public:
    Host(const Form& form, double dpi)
    {
        SharedState::get().reset();
        m_printers = std::make_unique<platform::Printers>(
            QStringList{QStringLiteral("PDF")}, QStringLiteral("PDF"),
            [dpi](const QString&) -> std::unique_ptr<platform::Printer> {
                return std::make_unique<platform::PdfPrinter>(dpi);
            });
        platform::Printers::install(m_printers.get());
        m_form = std::make_unique<QWidget>();
        m_form->setWindowTitle(QStringLiteral("Checked form"));
        build(form, m_form.get(), m_keep);
        int bottom = 0;
        for (int i = 0; i < form.controls.size(); ++i)
            bottom = std::max(bottom, form.formBox(i).bottom);
        m_form->resize(780, bottom / 15 + 40);
        control = new Zentrel(m_form.get());
        control->InitProperties();
        control->Move(11100, 0, 600, 375);
        control->setTopTitle(QStringLiteral("Heading"));
        m_form->show();
        QApplication::processEvents();
    }
    ~Host()
    {
        JobWindows::Finir();
        Prview::get().reset();
        Interin::get().reset();
        m_form.reset();
        m_keep.clear();
        platform::Printers::install(nullptr);
        SharedState::get().reset();
    }
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    QString lastPdf() const
    {
        return static_cast<platform::PdfPrinter*>(m_printers->printer(QStringLiteral("PDF")))
            ->lastFile();
    }

    Zentrel* control = nullptr;

private:
    std::unique_ptr<platform::Printers> m_printers;
    std::unique_ptr<QWidget> m_form;
    std::vector<std::unique_ptr<QObject>> m_keep;
};

} // namespace

Printed print(const Form& form, const Job& job)
{
    Host host(form, job.dpi);
    host.control->setZoom(qint16(job.zoom));
    Printed printed;
    printed.job = job;
    printed.reported = host.control->LVPrint();
    printed.pdf = host.lastPdf();
    if (printed.pdf.isEmpty())
        return printed;
    InkPages::Reading reading = InkPages::read(printed.pdf, job.dpi);
    printed.words = reading.words;
    printed.pages = reading.pages;
    printed.paperWidth = reading.paper.width();
    printed.paperHeight = reading.paper.height();
    return printed;
}

QList<QImage> preview(const Form& form)
{
    Host host(form, 96);
    QList<QImage> pages;
    if (!host.control->Preview())
        return pages;
    for (const auto& page : SharedState::get().PreviewPages)
        pages << page->page().convertToFormat(QImage::Format_RGB32);
    return pages;
}

QStringList checkAll(const Form& form, const QList<Job>& jobs, bool withPreview)
{
    QStringList faults;
    Printed at96;
    for (const Job& job : jobs) {
        const Printed printed = print(form, job);
        for (const QString& fault : checkPrint(form, printed))
            faults << job.name() + QStringLiteral(": ") + fault;
        if (job.dpi == 96 && job.zoom == 100)
            at96 = printed;
    }
    if (withPreview && !at96.pdf.isEmpty()) {
        for (const QString& fault : checkPreview(form, at96, preview(form)))
            faults << QStringLiteral("preview: ") + fault;
    }
    return faults;
}

} // namespace FormCheck
