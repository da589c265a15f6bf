#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The size-scale file of a data set: one line per scale, eight quoted values
// separated by commas and ended by CR LF - the name (10 characters) and
// sizes 1 to 7 (6 characters each, six blanks where a position holds no
// size). The file is always rewritten whole.
class SizeScaleFile
{
public:
    static constexpr int NameWidth = 10;
    static constexpr int SizeWidth = 6;
    static constexpr int SizeCount = 7;

    struct Scale
    {
        QString name;      // as stored, normally padded to NameWidth
        QStringList sizes; // always SizeCount values, as stored
    };

    // The scales in file order. A missing file is an empty list. fileName
    // may carry the trailing blanks of its 30-character field. *ok is false
    // when the file exists but cannot be read: the empty list then stands
    // for nothing, and writing it back would lose the file's scales.
    static QList<Scale> read(const QString& fileName, bool* ok = nullptr);

    // Replaces the file with one line per scale, every value cut or padded to
    // its width. False, with *error set, when it cannot be written; the old
    // file then stays as it was.
    static bool write(const QString& fileName, const QList<Scale>& scales,
                      QString* error = nullptr);
};
