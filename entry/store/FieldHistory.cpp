#include "entry/store/FieldHistory.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <utility>

#include "platform/files/Ansi.h"
#include "platform/files/FileNames.h"
#include "platform/runtime/Values.h"

using namespace platform;

FieldHistory::Rows& FieldHistory::rows(List list)
{
    return const_cast<Rows&>(std::as_const(*this).rows(list));
}

const FieldHistory::Rows& FieldHistory::rows(List list) const
{
    switch (list) {
    case Title1:
        return HistTitle1;
    case Title2:
        return HistTitle2;
    case Supplier:
        return HistSupplier;
    case Description:
        return HistDescription;
    case Fit:
        break;
    }
    return HistFit;
}

void FieldHistory::clear()
{
    for (int list = 0; list < ListCount; ++list)
        rows(List(list)).fill(QString());
    m_unsaved = false;
}

bool FieldHistory::isEmptyRow(const QString& row)
{
    // A row of blanks (only a foreign file holds one) shows nothing either.
    return Values::trimBlanks(row).isEmpty();
}

int FieldHistory::rowsInUse() const
{
    return qBound(0, int(HistoryRows), MaxRow);
}

QStringList FieldHistory::shownEntries(List list) const
{
    QStringList entries;
    const Rows& history = rows(list);
    for (int n = 1; n <= rowsInUse(); ++n) {
        if (!isEmptyRow(history[size_t(n)]))
            entries << Values::trimBlanks(history[size_t(n)]);
    }
    return entries;
}

bool FieldHistory::takesNewValue(List list, const QString& text) const
{
    const QString wanted = Values::trimBlanks(text);
    if (wanted.isEmpty())
        return false;
    const Rows& history = rows(list);
    for (int n = 1; n <= rowsInUse(); ++n) {
        if (!isEmptyRow(history[size_t(n)]) && Values::trimBlanks(history[size_t(n)]) == wanted)
            return false;
    }
    return true;
}

void FieldHistory::pushNewValue(List list, const QString& text)
{
    Rows& history = rows(list);
    const int last = rowsInUse();
    if (last < 1)
        return;
    for (int n = last; n >= 2; --n)
        history[size_t(n)] = history[size_t(n - 1)];
    history[1] = Values::fixedWidth(text, Widths[size_t(list)]);
    m_unsaved = true;
}

QByteArray FieldHistory::encodeRecord(int row) const
{
    QByteArray record(RecordLength, '\0');
    if (row < 0 || row > MaxRow)
        return record;
    for (int list = 0; list < ListCount; ++list) {
        const QString& text = rows(List(list))[size_t(row)];
        if (text.isNull())
            continue;
        const int width = Widths[size_t(list)];
        const QByteArray bytes = Ansi::encode(Values::fixedWidth(text, width));
        record.replace(Offsets[size_t(list)], width, bytes);
    }
    return record;
}

void FieldHistory::decodeRecord(int row, const QByteArray& record)
{
    if (row < 0 || row > MaxRow)
        return;
    for (int list = 0; list < ListCount; ++list) {
        const int width = Widths[size_t(list)];
        QByteArray bytes = record.mid(Offsets[size_t(list)], width);
        const qsizetype zero = bytes.indexOf('\0');
        if (zero >= 0)
            bytes.truncate(zero);
        rows(List(list))[size_t(row)] =
            bytes.isEmpty() ? QString() : Values::fixedWidth(Ansi::decode(bytes), width);
    }
}

bool FieldHistory::load(const QString& fileName, QString* error)
{
    const QString path = FileNames::resolve(fileName);
    QFile file(path);
    if (!QFileInfo::exists(path)) {
        // A data set's first start: the file is created empty.
        if (!file.open(QIODevice::WriteOnly)) {
            if (error)
                *error = QStringLiteral("The field history file %1 cannot be created: %2")
                             .arg(fileName, file.errorString());
            return false;
        }
        return true;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("The field history file %1 cannot be read: %2")
                         .arg(fileName, file.errorString());
        return false;
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = QStringLiteral("The field history file %1 cannot be read: %2")
                         .arg(fileName, file.errorString());
        return false;
    }
    // The row count is the rounded quotient: a last record that is more
    // than half there counts, read as if padded with zero bytes. Rows past
    // MaxRow have no place and stay only in the file.
    const qint64 count = Values::roundHalfEven(double(data.size()) / RecordLength);
    const int rowCount = int(qMin<qint64>(count, MaxRow));
    for (int n = 1; n <= rowCount; ++n)
        decodeRecord(n, data.mid(qsizetype(n - 1) * RecordLength, RecordLength));
    m_unsaved = false;
    return true;
}

bool FieldHistory::save(const QString& fileName, QString* error) const
{
    const QString path = FileNames::resolve(fileName);
    auto fail = [&](const QString& reason) {
        if (error)
            *error = QStringLiteral("The field history file %1 cannot be saved: %2")
                         .arg(fileName, reason);
        return false;
    };

    // The records beyond the rows in use are kept as the file has them.
    QByteArray data;
    if (QFileInfo::exists(path)) {
        QFile old(path);
        if (!old.open(QIODevice::ReadOnly))
            return fail(old.errorString());
        data = old.readAll();
        if (old.error() != QFileDevice::NoError)
            return fail(old.errorString());
    }
    const qsizetype used = qsizetype(rowsInUse()) * RecordLength;
    if (data.size() < used)
        data.append(QByteArray(used - data.size(), '\0'));
    for (int n = 1; n <= rowsInUse(); ++n)
        data.replace(qsizetype(n - 1) * RecordLength, RecordLength, encodeRecord(n));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    if (file.write(data) != data.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(reason);
    }
    if (!file.commit())
        return fail(file.errorString());
    m_unsaved = false;
    return true;
}
