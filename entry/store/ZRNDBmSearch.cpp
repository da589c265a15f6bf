#include <QSet>

#include "entry/store/RecordListRow.h"
#include "entry/store/StoreView.h"
#include "entry/store/ZRNDBm.h"
#include "platform/runtime/Values.h"

using namespace platform;

namespace {

// Upper case one character at a time, so that a text never changes its
// length (a prefix of the field stays a prefix).
QString upperCase(const QString& text)
{
    QString result = text;
    for (QChar& c : result)
        c = c.toUpper();
    return result;
}

// The text field that a search field number names (2 Title1 to
// 8 SizeScale); null for any other number.
const QString* textField(const TicketRecord& rec, int searchFieldNo)
{
    switch (searchFieldNo) {
    case 2:
        return &rec.Title1;
    case 3:
        return &rec.Title2;
    case 4:
        return &rec.Supplier;
    case 5:
        return &rec.Description;
    case 6:
        return &rec.ColourID;
    case 7:
        return &rec.Fit;
    case 8:
        return &rec.SizeScale;
    default:
        return nullptr;
    }
}

// The search text as it is compared: trimmed and upper-cased; a final "*"
// asks for a prefix and is not part of it.
struct SearchPattern
{
    explicit SearchPattern(const QString& searchText)
        : text(upperCase(Values::trimBlanks(searchText)))
    {
        if (text.endsWith(QLatin1Char('*'))) {
            text.chop(1);
            prefix = true;
        }
    }

    bool matchesText(const QString& value) const
    {
        return prefix ? value.startsWith(text) : value == text;
    }

    QString text;
    bool prefix = false;
};

bool passesField(const TicketRecord& rec, qint32 recNo, int fieldNo, const SearchPattern& pattern)
{
    if (fieldNo == 0)
        return true;
    if (fieldNo == 1) {
        if (pattern.prefix)
            return QString::number(recNo).startsWith(pattern.text);
        return Values::numericValue(pattern.text) == double(recNo);
    }
    if (fieldNo == 9) {
        const QString price = Values::generalNumber(rec.Price);
        if (pattern.prefix)
            return pattern.matchesText(upperCase(Values::trimBlanks(price)));
        return Values::numericValue(pattern.text) == Values::numericValue(price);
    }
    const QString* field = textField(rec, fieldNo);
    return field && pattern.matchesText(upperCase(Values::trimBlanks(*field)));
}

bool passesDate(const TicketRecord& rec, int dateMode, double dateValue)
{
    switch (dateMode) {
    case 1:
        return rec.DateCreated < dateValue;
    case 2:
        return rec.DateCreated > dateValue;
    case 3:
        return rec.DateCreated == dateValue;
    case 4:
        return rec.DateLastUsed < dateValue;
    case 5:
        return rec.DateLastUsed > dateValue;
    case 6:
        return rec.DateLastUsed == dateValue;
    default:
        return true;
    }
}

} // namespace

qint32 ZRNDBm::SearchRecords(qint16 FieldNo, const QString& SearchText, qint16 DateMode,
                             double DateValue, bool* ok)
{
    if (ok)
        *ok = true;
    if (m_view)
        m_view->clearRecordList();
    if (!isRecordFileOpen()) {
        m_lastError = QStringLiteral("The record file is not open.");
        if (ok)
            *ok = false;
        return 0;
    }
    const SearchPattern pattern(SearchText);
    qint32 matches = 0;
    const bool read = ScanRecords([&](qint32 n, const TicketRecord& rec) {
        if (passesField(rec, n, FieldNo, pattern) && passesDate(rec, DateMode, DateValue)) {
            ++matches;
            if (m_view)
                m_view->addRecordListRow(RecordListRow::fromRecord(n, rec));
        }
        return true;
    });
    if (m_view)
        m_view->endRecordList();
    if (!read && ok)
        *ok = false;
    return matches;
}

QStringList ZRNDBm::FieldValues(qint16 FieldNo, bool* ok)
{
    if (ok)
        *ok = true;
    QStringList values;
    if (!isRecordFileOpen()) {
        m_lastError = QStringLiteral("The record file is not open.");
        if (ok)
            *ok = false;
        return values;
    }
    if (FieldNo < 1 || FieldNo > 7)
        return values;
    // A set of the values already listed answers "already listed" without
    // searching the list.
    QSet<QString> listed;
    const bool done = ScanRecords([&](qint32, const TicketRecord& rec) {
        const QString value = Values::trimBlanks(*textField(rec, FieldNo + 1));
        if (!value.isEmpty() && !listed.contains(value)) {
            listed.insert(value);
            values.append(value);
        }
        return true;
    });
    if (!done && ok)
        *ok = false;
    return values;
}
