#include "entry/store/TicketRunWriter.h"

#include <QDir>
#include <QFile>

#include "entry/store/TicketRecord.h"
#include "entry/store/ZRNDBm.h"
#include "platform/files/FileNames.h"
#include "platform/files/TextFileWriter.h"
#include "platform/runtime/Values.h"

namespace {

constexpr int SizePositions = 7;
constexpr int DescriptionPart = 12;

QString fileNameOf(const QString& field)
{
    return Values::trimRightBlanks(field);
}

} // namespace

TicketRunWriter::Result TicketRunWriter::CreateTicketRun(const QList<Entry>& entries)
{
    m_lastError.clear();
    m_ticketCount = 0;
    QList<QString> lines;
    if (!buildLines(entries, lines) || !replaceRunFile(lines))
        return Result::Refused;
    m_ticketCount = int(lines.size());

    const QString printFile = fileNameOf(m_store.PrintFileName);
    if (!FileNames::remove(printFile)) {
        m_lastError = QStringLiteral("The print file %1 could not be deleted.").arg(printFile);
        return Result::PrintFileKept;
    }
    return Result::Done;
}

bool TicketRunWriter::buildLines(const QList<Entry>& entries, QList<QString>& lines)
{
    const QString scaleFile = fileNameOf(m_store.ScaleFileName);
    bool readable = false;
    const QList<SizeScaleFile::Scale> scales = SizeScaleFile::read(scaleFile, &readable);
    const bool haveScales = readable && FileNames::exists(scaleFile);

    for (const Entry& entry : entries) {
        if (Values::numericValue(entry.units) <= 0)
            continue;
        // Without the size names no ticket of this entry could be written;
        // the run is refused so that its tickets stay in the print file.
        if (!haveScales) {
            m_lastError =
                readable ? QStringLiteral("The size-scale file %1 is missing.").arg(scaleFile)
                         : QStringLiteral("The size-scale file %1 cannot be read.").arg(scaleFile);
            return false;
        }
        const qint32 recNo = Values::toInt32(Values::numericValue(entry.text));
        bool ok = false;
        const TicketRecord rec = recNo > 0 ? m_store.GetTicketRecord(recNo, &ok) : TicketRecord();
        if (!ok) {
            m_lastError = QStringLiteral("Record \"%1\" of the print file could not be read.")
                              .arg(entry.text);
            return false;
        }
        const QStringList sizes = sizesOfScale(scales, rec.SizeScale);
        for (int position = 0; position < SizePositions; ++position) {
            const QString line = lineFor(rec, recNo, position, sizes.value(position)).toText();
            for (qint32 n = 0; n < rec.OrderQty[size_t(position)]; ++n)
                lines.append(line);
        }
    }
    return true;
}

bool TicketRunWriter::replaceRunFile(const QList<QString>& lines)
{
    const QString runFile = QString::fromLatin1(RunFileName);
    // The print-run program finds the run without regard to letter case: a
    // waiting run spelt otherwise goes, so that only the new one is found.
    const QStringList present = QDir::current().entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : present) {
        if (name != runFile && name.compare(runFile, Qt::CaseInsensitive) == 0 &&
            !QFile::remove(name)) {
            m_lastError = QStringLiteral("The waiting run %1 could not be deleted.").arg(name);
            return false;
        }
    }

    TextFileWriter writer;
    for (const QString& line : lines)
        writer.writeLine(line);
    if (!writer.commit(runFile)) {
        m_lastError = writer.errorString();
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
    line.Supplier = Values::fixedWidth(rec.ColourID, TicketRecord::ColourIDWidth) +
                    QLatin1Char('.') + Values::fixedWidth(rec.Description, DescriptionPart);
    line.Description = rec.Supplier;
    line.Size = sizeText;
    line.Fit = rec.Fit;
    line.Sell = Values::formatNumber(rec.Price, QStringLiteral("######0.00"));
    line.Barcode = QLatin1Char('9') + Values::formatNumber(recNo, QStringLiteral("0000")) +
                   Values::formatNumber(sizePosition + 2, QStringLiteral("00"));
    line.Header = rec.Title1;
    line.Header2 = rec.Title2;
    return line;
}
