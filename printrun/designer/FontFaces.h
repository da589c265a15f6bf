#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What the designer's font dialog offers: the faces a layout can name and,
// for each face, the styles a layout can store (its bold and italic flags)
// that the face has, judged by the font that prints it.
class FontFaces
{
public:
    // One of the four styles a layout stores.
    struct Style
    {
        QString name; // "Regular", "Italic", "Bold" or "Bold Italic"
        bool bold = false;
        bool italic = false;
    };

    // The faces to choose from, sorted without regard to case, each once:
    // the installed text faces (without fontconfig's generic names and
    // faces made for formulae), the faces of the substitution table and
    // `stored`, spelled as stored. An empty `stored` adds nothing.
    static QStringList names(const QString& stored);

    // The styles of `face` among the four, in list order: those the font
    // printing it has of its own (Regular, Italic, Bold, Bold Italic). An
    // empty face prints in the font before it, so all four are offered.
    static QList<Style> styles(const QString& face);

    // The font and style that print `face` with these flags, as "Liberation
    // Sans Bold"; empty for an empty face.
    static QString printedAs(const QString& face, bool bold, bool italic);

    // The family that prints `face`: a substitute's font, the face itself
    // when installed, else the font fontconfig falls back to.
    static QString printingFamily(const QString& face);
};
