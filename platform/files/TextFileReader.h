#pragma once

#include <QByteArray>
#include <QString>

// Reads a Windows-1252 text file item by item or line by line, the way the
// programs' files are read back. An item ends at a comma or at the end of a
// line; leading blanks are skipped; a double-quoted item is taken without its
// quotes (a comma inside the quotes belongs to the item), and after the
// closing quote everything up to the comma or line end is skipped.
class TextFileReader
{
public:
    TextFileReader() = default;
    bool open(const QString& name); // false when missing or unreadable
    void setData(const QByteArray& bytes);
    bool atEnd() const;
    QString readItem();
    QString readLine(); // a whole line without its CR LF (or LF)

private:
    void skipLineEnd();
    QByteArray m_data;
    qsizetype m_pos = 0;
};
