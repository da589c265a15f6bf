#include "platform/controls/FontSubstitutes.h"

#include <QCoreApplication>
#include <QFont>
#include <QString>

namespace platform {

namespace {

struct Substitute
{
    const char* face;
    const char* font;
};

// Faces missing on Linux, each with the font that stands for it: one whose
// letters are as wide as the face's, so texts fit the boxes drawn for them.
// "Small Fonts" is a narrow face for small print; Liberation Sans Narrow
// keeps its widths, on windows and on printed tickets alike.
constexpr Substitute Substitutes[] = {
    {"Arial", "Liberation Sans"},
    {"Helvetica", "Liberation Sans"},
    {"MS Sans Serif", "Liberation Sans"},
    {"Microsoft Sans Serif", "Liberation Sans"},
    {"Small Fonts", "Liberation Sans Narrow"},
    {"System", "Liberation Sans"},
    {"Tahoma", "Liberation Sans"},
    {"Verdana", "Liberation Sans"},
    {"MS Shell Dlg", "Liberation Sans"},
    {"MS Shell Dlg 2", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"MS Serif", "Liberation Serif"},
    {"Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
    {"Courier", "Liberation Mono"},
    {"Terminal", "Liberation Mono"},
};

void installAtStart()
{
    FontSubstitutes::install();
}

} // namespace

namespace FontSubstitutes {

void install()
{
    for (const Substitute& s : Substitutes) {
        const QString face = QString::fromLatin1(s.face);
        const QString font = QString::fromLatin1(s.font);
        // Qt keeps substitutes in lower case.
        if (!QFont::substitutes(face).contains(font, Qt::CaseInsensitive))
            QFont::insertSubstitution(face, font);
    }
}

QStringList faces()
{
    QStringList names;
    for (const Substitute& s : Substitutes)
        names.append(QString::fromLatin1(s.face));
    return names;
}

QFont formFont()
{
    install();
    return QFont(QString::fromLatin1(FormFace), FormPointSize);
}

} // namespace FontSubstitutes

Q_COREAPP_STARTUP_FUNCTION(installAtStart)

} // namespace platform
