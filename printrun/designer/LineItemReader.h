#pragma once

#include <QByteArray>
#include <QString>

// Reads a Windows-1252 text file item by item where every line counts, as
// the print-run program's one-value-per-line files ("Ticket.prn",
// "Symbol.Dat") need: an empty line, or one of blanks only, is one empty
// item, so a value that was written empty keeps its place. Otherwise an item
// ends at a comma or at the end of a line, leading blanks are skipped,
// trailing blanks of an unquoted item are dropped, and a double-quoted item
// is taken without its quotes (a comma inside belongs to the item). A comma
// at the end of a line adds no empty item after it.
class LineItemReader
{
public:
    bool open(const QString& name); // false when missing or unreadable
    void setData(const QByteArray& bytes);
    // True once the last line has been read.
    bool atEnd() const { return m_pos >= m_data.size(); }
    // The next item; an empty text at the end.
    QString readItem();

private:
    bool atLineEnd() const;
    void skipLineEnd();

    QByteArray m_data;
    qsizetype m_pos = 0;
};
