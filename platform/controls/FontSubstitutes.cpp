#include "platform/controls/FontSubstitutes.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QRegularExpression>
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

// Cut names (lower case, as Qt matches faces) and the one face each stands
// for; cuts that several faces share or that name a face of their own are
// left out: those print in the face Qt finds for them.
QHash<QString, QString> cutNames()
{
    using namespace FontSubstitutes;
    QHash<QString, QString> families; // lower case: spelled as installed
    for (const QString& installed : QFontDatabase::families()) {
        const QString family = withoutFoundry(installed);
        families.insert(family.toLower(), family);
    }
    QHash<QString, QStringList> cuts;
    for (const QString& family : std::as_const(families)) {
        if (family.size() > StoredNameWidth)
            cuts[family.left(StoredNameWidth).trimmed().toLower()].append(family);
    }
    QHash<QString, QString> unique;
    for (auto cut = cuts.cbegin(); cut != cuts.cend(); ++cut) {
        if (cut.value().size() == 1 && !families.contains(cut.key()) &&
            QFont::substitutes(cut.key()).isEmpty())
            unique.insert(cut.key(), cut.value().first());
    }
    return unique;
}

QHash<QString, QString>& installedCuts()
{
    static QHash<QString, QString> cuts;
    return cuts;
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
    static bool cutsInstalled = false;
    if (!cutsInstalled && qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        cutsInstalled = true;
        installedCuts() = cutNames();
        for (auto cut = installedCuts().cbegin(); cut != installedCuts().cend(); ++cut)
            QFont::insertSubstitution(cut.key(), cut.value());
    }
}

QString withoutFoundry(const QString& family)
{
    static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\]]*\\]$"));
    return QString(family).remove(foundry);
}

QString uncut(const QString& stored)
{
    return installedCuts().value(stored.trimmed().toLower(), stored);
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
