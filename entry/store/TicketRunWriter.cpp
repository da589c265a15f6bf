#include "entry/store/TicketRunWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "entry/store/TicketInput.h"
#include "entry/store/TicketRecord.h"
#include "entry/store/ZRNDBm.h"
#include "platform/files/FileNames.h"
#include "platform/runtime/Values.h"

using namespace platform;

namespace {

constexpr int SizePositions = 7;
constexpr int DescriptionPart = 12;

QString fileNameOf(const QString& field)
{
    return Values::trimRightBlanks(field);
}

// The print-run program reads a run line up to its first comma: a comma in
// a copied text becomes a blank, which keeps every column in its place.
QString withoutCommas(const QString& text)
{
    QString copy = text;
    copy.replace(QLatin1Char(','), QLatin1Char(' '));
    return copy;
}

} // namespace

TicketRunWriter::Result TicketRunWriter::CreateTicketRun(const QList<Entry>& entries)
{
    m_lastError.clear();
    m_ticketCount = 0;
    const QString runFile = QString::fromLatin1(RunFileName);
    // The lines go straight into the new file as they are made; the waiting
    // run is replaced only when every line is written. The new run has the
    // one spelling the print-run program is given; a waiting run spelt
    // otherwise is deleted once the new one is complete.
    QSaveFile file(runFile);
    if (!file.open(QIODevice::WriteOnly)) {
        m_lastError = QStringLiteral("Cannot write \"%1\": %2").arg(runFile, file.errorString());
        return Result::Refused;
    }
    int written = 0;
    if (!writeLines(entries, file, written) || !replaceRunFile(file))
        return Result::Refused;
    m_ticketCount = written;

    const QString printFile = fileNameOf(m_store.PrintFileName);
    if (!FileNames::remove(printFile)) {
        m_lastError = QStringLiteral("The print file %1 could not be deleted.").arg(printFile);
        return Result::PrintFileKept;
    }
    return Result::Done;
}

bool TicketRunWriter::writeLines(const QList<Entry>& entries, QSaveFile& file, int& written)
{
    const QString scaleFile = fileNameOf(m_store.ScaleFileName);
    bool readable = false;
    const QList<SizeScaleFile::Scale> scales = SizeScaleFile::read(scaleFile, &readable);
    const bool haveScales = readable && FileNames::exists(scaleFile);
    auto refuse = [&file, this](const QString& error) {
        m_lastError = error;
        file.cancelWriting();
        return false;
    };

    for (const Entry& entry : entries) {
        if (Values::numericValue(entry.units) <= 0)
            continue;
        // Without the size names no ticket of this entry could be written;
        // the run is refused so that its tickets stay in the print file.
        if (!haveScales)
            return refuse(
                readable ? QStringLiteral("The size-scale file %1 is missing.").arg(scaleFile)
                         : QStringLiteral("The size-scale file %1 cannot be read.").arg(scaleFile));
        const qint32 recNo = Values::toInt32(Values::numericValue(entry.text));
        bool ok = false;
        const TicketRecord rec = recNo > 0 ? m_store.GetTicketRecord(recNo, &ok) : TicketRecord();
        if (!ok)
            return refuse(QStringLiteral("Record \"%1\" of the print file could not be read.")
                              .arg(entry.text));
        // An order typed before quantities were checked may ask for more
        // tickets than any shop prints in one run.
        for (int position = 0; position < SizePositions; ++position) {
            const qint32 q = rec.OrderQty[size_t(position)];
            if (q > TicketInput::MaxQuantity)
                return refuse(QStringLiteral("Record %1 asks for %2 tickets of one size; at most "
                                             "%3 are printed in one run. Change its order on the "
                                             "look-up screen.")
                                  .arg(recNo)
                                  .arg(q)
                                  .arg(TicketInput::MaxQuantity));
        }
        const QStringList sizes = sizesOfScale(scales, rec.SizeScale);
        for (int position = 0; position < SizePositions; ++position) {
            const QByteArray line = lineFor(rec, recNo, position, sizes.value(position)).encode();
            for (qint32 n = 0; n < rec.OrderQty[size_t(position)]; ++n) {
                if (file.write(line) != line.size())
                    return refuse(QStringLiteral("Cannot write \"%1\": %2")
                                      .arg(file.fileName(), file.errorString()));
                ++written;
            }
        }
    }
    return true;
}

bool TicketRunWriter::replaceRunFile(QSaveFile& file)
{
    const QString runFile = QString::fromLatin1(RunFileName);
    // QSaveFile::commit() ignores a failing flush of its buffer and would put
    // a cut-off run in place of the old one, so the flush is checked here.
    if (!file.flush()) {
        m_lastError = QStringLiteral("Cannot write \"%1\": %2").arg(runFile, file.errorString());
        file.cancelWriting();
        return false;
    }
    // The print-run program finds the run without regard to letter case: a
    // waiting run spelt otherwise goes, so that only the new one is found.
    const QString target = QFileInfo(file.fileName()).fileName();
    const QStringList present = QDir::current().entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : present) {
        if (name != target && name.compare(runFile, Qt::CaseInsensitive) == 0 &&
            !QFile::remove(name)) {
            m_lastError = QStringLiteral("The waiting run %1 could not be deleted.").arg(name);
            file.cancelWriting();
            return false;
        }
    }
    if (!file.commit()) {
        m_lastError = QStringLiteral("Cannot write \"%1\": %2").arg(runFile, file.errorString());
        return false;
    }
    return true;
}

QStringList TicketRunWriter::sizesOfScale(const QList<SizeScaleFile::Scale>& scales,
                                          const QString& scaleName)
{
    const QString wanted = Values::trimBlanks(Values::storedField(scaleName));
    // A record without a scale has no size names; it must not take those of
    // another record.
    if (wanted.isEmpty() || scales.isEmpty())
        return QStringList(SizePositions, QString());
    for (const SizeScaleFile::Scale& scale : scales) {
        if (Values::trimBlanks(scale.name) == wanted)
            return scale.sizes;
    }
    return scales.last().sizes;
}

TicketRunLine TicketRunWriter::lineFor(const TicketRecord& rec, qint32 recNo, int sizePosition,
                                       const QString& sizeText)
{
    TicketRunLine line;
    line.Dpt = QStringLiteral("00");
    line.Grp = QStringLiteral("000");
    line.Supplier =
        withoutCommas(Values::fixedWidth(rec.ColourID, TicketRecord::ColourIDWidth) +
                      QLatin1Char('.') + Values::fixedWidth(rec.Description, DescriptionPart));
    line.Description = withoutCommas(rec.Supplier);
    line.Size = withoutCommas(sizeText);
    line.Fit = withoutCommas(rec.Fit);
    line.Sell = Values::formatNumber(rec.Price, QStringLiteral("######0.00"));
    line.Barcode = QLatin1Char('9') + Values::formatNumber(recNo, QStringLiteral("0000")) +
                   Values::formatNumber(sizePosition + 2, QStringLiteral("00"));
    line.Header = withoutCommas(rec.Title1);
    line.Header2 = withoutCommas(rec.Title2);
    return line;
}
