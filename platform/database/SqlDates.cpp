#include "platform/database/SqlDates.h"

#include <QRegularExpression>

namespace platform {

namespace {

const QString StoredFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");

// The inside of a literal, blanks around it allowed.
bool parseLiteral(const QString& body, QDateTime& value)
{
    static const QRegularExpression pattern(QStringLiteral(
        R"(^\s*(\d{1,2})/(\d{1,2})/(\d{4})(?:\s+(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?)?\s*$)"));
    const QRegularExpressionMatch match = pattern.match(body);
    if (!match.hasMatch())
        return false;
    const QDate date(match.captured(3).toInt(), match.captured(1).toInt(),
                     match.captured(2).toInt());
    QTime time(0, 0, 0);
    if (match.hasCaptured(4))
        time = QTime(match.captured(4).toInt(), match.captured(5).toInt(),
                     match.hasCaptured(6) ? match.captured(6).toInt() : 0);
    if (!date.isValid() || !time.isValid())
        return false;
    value = QDateTime(date, time);
    return true;
}

// Index just past the quoted part that starts at `start` (closing character
// `close`, doubled to stand for itself), or -1 when it is never closed.
qsizetype skipQuoted(const QString& sql, qsizetype start, QChar close)
{
    qsizetype i = start + 1;
    while (i < sql.size()) {
        if (sql[i] == close) {
            if (close != u']' && i + 1 < sql.size() && sql[i + 1] == close) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return -1;
}

} // namespace

namespace SqlDates {

QString toStored(const QDateTime& value)
{
    return value.toString(StoredFormat);
}

QDateTime fromStored(const QString& text)
{
    QDateTime value = QDateTime::fromString(text, StoredFormat);
    return value.isValid() ? value : QDateTime();
}

bool translateJetLiterals(const QString& sql, QString& translated, QString& error)
{
    QString out;
    out.reserve(sql.size() + 16);
    qsizetype i = 0;
    while (i < sql.size()) {
        const QChar c = sql[i];
        if (c == u'\'' || c == u'"' || c == u'[') {
            const qsizetype end = skipQuoted(sql, i, c == u'[' ? QChar(u']') : c);
            if (end < 0) {
                // SQLite reports the unclosed quote itself.
                out += sql.mid(i);
                break;
            }
            out += sql.mid(i, end - i);
            i = end;
            continue;
        }
        if (c != u'#') {
            out += c;
            ++i;
            continue;
        }
        const qsizetype close = sql.indexOf(u'#', i + 1);
        QDateTime value;
        if (close < 0 || !parseLiteral(sql.mid(i + 1, close - i - 1), value)) {
            const QString shown = close < 0 ? sql.mid(i) : sql.mid(i, close - i + 1);
            error = QStringLiteral("Malformed date literal %1: a date literal is "
                                   "#mm/dd/yyyy# or #mm/dd/yyyy hh:nn:ss#.")
                        .arg(shown);
            return false;
        }
        out += u'\'' + toStored(value) + u'\'';
        i = close + 1;
    }
    translated = out;
    return true;
}

} // namespace SqlDates

} // namespace platform
