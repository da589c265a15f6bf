#include "platform/controls/FontSubstitutes.h"

#include <QCoreApplication>
#include <QFont>
#include <QString>

namespace {

struct Substitute
{
    const char* face;
    const char* font;
};

// Faces missing on Linux, each with the font that stands for it.
constexpr Substitute Substitutes[] = {
    {"Arial", "Liberation Sans"},
    {"Helvetica", "Liberation Sans"},
    {"MS Sans Serif", "Liberation Sans"},
    {"Microsoft Sans Serif", "Liberation Sans"},
    {"Small Fonts", "Liberation Sans"},
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

} // namespace FontSubstitutes

Q_COREAPP_STARTUP_FUNCTION(installAtStart)
