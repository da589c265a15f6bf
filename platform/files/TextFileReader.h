#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Reads a Windows-1252 text file item by item or line by line, the way the
// programs' files are read back. An item ends at a comma or at the end of a
// line; leading blanks are skipped; a double-quoted item is taken without its
// quotes (a comma inside the quotes belongs to the item), and after the
// closing quote everything up to the comma or line end is skipped.
//
// Empty lines are skipped, unless the reader is made for files of one value
// per line, where an empty line (or one of blanks only) is an empty item of
// its own, so that a value written empty keeps its place.
class TextFileReader
{
public:
    enum class EmptyLines
    {
        Skipped,
        AreItems
    };

    explicit TextFileReader(EmptyLines emptyLines = EmptyLines::Skipped)
        : m_emptyLinesAreItems(emptyLines == EmptyLines::AreItems)
    {
    }
    bool open(const QString& name); // false when missing or unreadable
    void setData(const QByteArray& bytes);
    bool atEnd() const;
    QString readItem();
    QString readLine(); // a whole line without its CR LF (or LF)

    // The whole content of a file (name matched without regard to case).
    // False, with *error ("Cannot read ..."), when it is missing or
    // unreadable.
    static bool readAll(const QString& name, QByteArray& bytes, QString* error = nullptr);

private:
    bool atLineEnd() const;
    void skipLineEnd();
    QByteArray m_data;
    qsizetype m_pos = 0;
    bool m_emptyLinesAreItems = false;
};

} // namespace platform
