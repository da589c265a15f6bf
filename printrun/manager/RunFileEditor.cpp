#include "printrun/manager/RunFileEditor.h"

#include "platform/files/Ansi.h"
#include "platform/files/FileNames.h"
#include "platform/files/TextFileReader.h"
#include "platform/files/TextFileWriter.h"
#include "platform/runtime/Values.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

using namespace platform;

const RunFileEditor::ColumnInfo RunFileEditor::Columns[ColumnCount] = {
    {"Barcode", 800, Qt::AlignLeft},   {"B#", 0, Qt::AlignHCenter},
    {"Grp", 500, Qt::AlignLeft},       {"Dpt", 500, Qt::AlignLeft},
    {"Supplier", 1700, Qt::AlignLeft}, {"Description", 1700, Qt::AlignLeft},
    {"Size", 550, Qt::AlignHCenter},   {"Fit", 350, Qt::AlignHCenter},
    {"Sell", 900, Qt::AlignRight},     {"Prv Sell", 900, Qt::AlignRight},
    {"Header", 1000, Qt::AlignLeft},   {"Header 2", 1000, Qt::AlignLeft},
    {"Date", 0, Qt::AlignLeft},        {"CCode", 800, Qt::AlignLeft},
};

namespace {

// A text that reads as a number as a whole: blanks around it allowed, an
// optional sign, digits with an optional decimal point, an optional
// exponent. Other texts are shown and written back as they stand.
bool isNumber(const QString& text)
{
    static const QRegularExpression number(
        QStringLiteral(R"(^ *[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)? *$)"));
    return number.match(text).hasMatch();
}

} // namespace

QString RunFileEditor::priceText(const QString& text)
{
    if (!isNumber(text))
        return text;
    return Values::formatNumber(Values::numericValue(text), QStringLiteral("#####0.00"));
}

RunFileEditor::Row RunFileEditor::rowFromItem(const QString& item)
{
    const TicketRunLine line = TicketRunLine::parse(item);
    Row row;
    row.resize(ColumnCount);
    row[BarcodeCol] = line.Barcode;
    row[BNoCol] = line.BNo;
    row[GrpCol] = line.Grp;
    row[DptCol] = line.Dpt;
    row[SupplierCol] = line.Supplier;
    row[DescriptionCol] = line.Description;
    row[SizeCol] = line.Size;
    row[FitCol] = line.Fit;
    row[SellCol] = priceText(line.Sell);
    row[PrvSellCol] = priceText(line.PrvSell);
    row[HeaderCol] = line.Header;
    row[Header2Col] = line.Header2;
    row[CCodeCol] = line.CCode;
    return row;
}

TicketRunLine RunFileEditor::lineFromRow(const Row& row)
{
    auto at = [&row](Column column) { return column < row.size() ? row.at(column) : QString(); };
    TicketRunLine line;
    line.Dpt = at(DptCol);
    line.Grp = at(GrpCol);
    line.CCode = at(CCodeCol);
    line.Supplier = at(SupplierCol);
    line.Description = at(DescriptionCol);
    line.Size = at(SizeCol);
    line.Fit = at(FitCol);
    line.Sell = at(SellCol);
    line.PrvSell = at(PrvSellCol);
    line.Barcode = at(BarcodeCol);
    line.Header = at(HeaderCol);
    line.Header2 = at(Header2Col);
    line.BNo = at(BNoCol);
    return line;
}

QString RunFileEditor::savedLine(const Row& row)
{
    return lineFromRow(row).toText(TicketRunLine::EditorLength);
}

RunFileEditor::ReadResult RunFileEditor::read(const QString& path)
{
    ReadResult result;
    TextFileReader reader;
    if (!reader.open(path))
        return result;
    result.found = true;
    while (!reader.atEnd())
        result.rows.append(rowFromItem(reader.readItem()));
    return result;
}

bool RunFileEditor::write(const QString& path, const QList<Row>& rows, QString* error,
                          const QByteArray& following)
{
    if (rows.isEmpty() && following.isEmpty()) {
        if (FileNames::remove(path))
            return true;
        if (error)
            *error = QStringLiteral("Cannot delete \"%1\".").arg(FileNames::resolve(path));
        return false;
    }
    TextFileWriter writer;
    for (const Row& row : rows)
        writer.writeLine(savedLine(row));
    QByteArray rest = following;
    if (rest.endsWith("\r\n"))
        rest.chop(2);
    if (!following.isEmpty()) {
        for (const QByteArray& line : rest.split('\n'))
            writer.writeLine(Ansi::decode(line.endsWith('\r') ? line.chopped(1) : line));
    }
    if (writer.commit(path))
        return true;
    if (error)
        *error = writer.errorString();
    return false;
}

qint64 RunFileEditor::deleteCount(const QString& answer)
{
    return qMax<qint64>(0, Values::roundHalfEven(Values::numericValue(answer)));
}

RunFileEditor::FileState RunFileEditor::stateOf(const QString& path)
{
    FileState state;
    const QString name = FileNames::resolve(path);
    state.exists = QFileInfo(name).isFile();
    QFile file(name);
    if (state.exists && file.open(QIODevice::ReadOnly))
        state.bytes = file.readAll();
    return state;
}

bool RunFileEditor::extends(const FileState& now, const FileState& then)
{
    return now.exists && then.exists && now.bytes.startsWith(then.bytes);
}

QByteArray RunFileEditor::addedSince(const FileState& now, const FileState& then)
{
    if (!now.exists)
        return {};
    return extends(now, then) ? now.bytes.mid(then.bytes.size()) : now.bytes;
}
