#include <QRegularExpression>

#include "HostFormFixture.h"

namespace {

class ZentrelJob : public HostFormFixture
{
};

// The texts drawn on the printer's device context, page by page.
QList<QStringList> textsByPage(const RecordingPrinter& printer)
{
    QList<QStringList> pages;
    for (const RecordingPrinter::DcCall& call : printer.dcCalls()) {
        if (call.call.op != QStringLiteral("DrawText") || call.call.text.isEmpty())
            continue;
        while (pages.size() < call.page)
            pages << QStringList();
        pages[call.page - 1] << call.call.text;
    }
    return pages;
}

} // namespace

TEST_F(ZentrelJob, PrintsTheFormThroughTheRecordingPrinter)
{
    buildTextForm();
    recordEvents();
    EXPECT_TRUE(m_control->LVPrint());
    const QList<QStringList> pages = textsByPage(recorder());
    for (int i = 0; i < pages.size(); ++i)
        qDebug() << i + 1 << pages[i].join(QStringLiteral(" | ")).left(400);
    qDebug() << m_events;
}
