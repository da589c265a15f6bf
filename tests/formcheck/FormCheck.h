#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include "Form.h"
#include "control/InkPages.h" // the tests' own reader of printed pages

// Prints and previews a form with the print/preview control and judges what
// came out by the poppler tools' reading of the PDF and by the ink of the
// pages, never by the control's own numbers. Each check gives a message per
// fault found; no message means the form printed as it should.
namespace FormCheck {

struct Job
{
    double dpi = 96;
    int zoom = 100;
    QString name() const;
    // Page pixels of a form length.
    double px(double twips) const { return twips * dpi / 1440.0 * zoom / 100.0; }
};

// The jobs every form is printed as.
QList<Job> allJobs();

struct Printed
{
    Job job;
    bool reported = false; // what LVPrint returned
    QString pdf;
    QList<InkPages::Word> words; // in pixels of the job's dpi
    int pages = 0;
    double paperWidth = 0, paperHeight = 0; // pixels
};

// Prints `form` on the built-in "PDF" printer as `job`, in the current
// folder.
Printed print(const Form& form, const Job& job);
// The pages of a preview of `form` at Zoom 100.
QList<QImage> preview(const Form& form);

// The faults of one print.
QStringList checkPrint(const Form& form, const Printed& printed);
// The faults of a preview against the print at 96 dpi, Zoom 100.
QStringList checkPreview(const Form& form, const Printed& at96, const QList<QImage>& pages);

// Every job and the preview of `form`; each message names its job.
QStringList checkAll(const Form& form, const QList<Job>& jobs, bool withPreview = true);

} // namespace FormCheck
