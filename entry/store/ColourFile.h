#pragma once

#include <QList>
#include <QString>

// The colour file of a data set: one line per colour, two quoted values
// separated by a comma and ended by CR LF - the colour ID (3 characters)
// and the colour name (20 characters). The file is always rewritten whole.
class ColourFile
{
public:
    static constexpr int IdWidth = 3;
    static constexpr int NameWidth = 20;

    struct Colour
    {
        QString id;   // as stored, normally padded to IdWidth
        QString name; // as stored, normally padded to NameWidth
    };

    // The colours in file order. A missing file is an empty list. fileName
    // may carry the trailing blanks of its 30-character field. *ok is false
    // when the file exists but cannot be read: the empty list then stands
    // for nothing, and writing it back would lose the file's colours.
    static QList<Colour> read(const QString& fileName, bool* ok = nullptr);

    // Replaces the file with one line per colour, both values cut or padded
    // to their widths. False, with *error set, when it cannot be written; the
    // old file then stays as it was.
    static bool write(const QString& fileName, const QList<Colour>& colours,
                      QString* error = nullptr);
};
