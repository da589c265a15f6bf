#pragma once

#include <QFont>
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
    // the installed text faces under their family names (without
    // fontconfig's generic names, faces made for formulae and the foundry
    // of a family several foundries make), the faces of the substitution
    // table and `stored`, spelled as stored, unless it is the cut name of
    // an installed face. An empty `stored` adds nothing.
    static QStringList names(const QString& stored);

    // The face of the list that `stored` names: the installed face a cut
    // name was cut from, else `stored` itself.
    static QString listed(const QString& stored);

    // `face` as a layout stores it: cut to the layout's field, without the
    // blanks that pad it.
    static QString storedName(const QString& face);

    // The styles of `face` among the four, in list order: those the font
    // printing it has of its own (Regular, Italic, Bold, Bold Italic).
    static QList<Style> styles(const QString& face);

    // The font that prints `face` once stored: a blank name prints in the
    // substitution table's face for it.
    static QFont printingFont(const QString& face);

    // The family and style that print `face` with these flags, as
    // "Liberation Sans Bold".
    static QString printedAs(const QString& face, bool bold, bool italic);

    // The family that prints `face`: a substitute's font, the face itself
    // when installed, else the font fontconfig falls back to.
    static QString printingFamily(const QString& face);
};
