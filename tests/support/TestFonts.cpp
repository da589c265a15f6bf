#include "support/TestFonts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>

namespace {

// The fonts of the project's font packages. DejaVu's folder also holds the
// faces of fonts-dejavu-extra, which the project does not install.
struct PackageFonts
{
    const char* folder;
    QStringList files; // empty: every font file of the folder
};

const PackageFonts ProjectFonts[] = {
    {"/usr/share/fonts/truetype/liberation", {}}, // fonts-liberation
    {"/usr/share/fonts/truetype/open-sans", {}},  // fonts-open-sans
    {"/usr/share/fonts/truetype/dejavu",          // fonts-dejavu-core
     {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSansMono.ttf", "DejaVuSansMono-Bold.ttf",
      "DejaVuSerif.ttf", "DejaVuSerif-Bold.ttf"}},
};

// The tests' own faces: a project font file under another family name and,
// where given, foundry.
struct TestFace
{
    const char* link;
    const char* file;
    const char* family;
    const char* foundry;
};

const TestFace TestFaces[] = {
    {"test-twenty.ttf", "dejavu/DejaVuSansMono.ttf", TestFonts::TwentyLetters, nullptr},
    {"test-twenty-one.ttf", "dejavu/DejaVuSerif.ttf", TestFonts::TwentyOneLetters, nullptr},
    {"test-twenty-six-wide.ttf", "liberation/LiberationMono-Regular.ttf", TestFonts::TwentySixWide,
     nullptr},
    {"test-twenty-six-tall.ttf", "liberation/LiberationSerif-Italic.ttf", TestFonts::TwentySixTall,
     nullptr},
    {"test-foundry-urw.ttf", "open-sans/OpenSans-Regular.ttf", TestFonts::TwoFoundries, "urw"},
    {"test-foundry-ukwn.ttf", "open-sans/OpenSans-Regular.ttf", TestFonts::TwoFoundries, "UKWN"},
};

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

bool linkProjectFonts(const QDir& fonts)
{
    bool ok = true;
    for (const PackageFonts& package : ProjectFonts) {
        const QDir folder(QString::fromLatin1(package.folder));
        const QStringList files =
            package.files.isEmpty()
                ? folder.entryList({QStringLiteral("*.ttf"), QStringLiteral("*.otf")}, QDir::Files)
                : package.files;
        for (const QString& file : files)
            ok = QFile::link(folder.filePath(file), fonts.filePath(file)) && ok;
    }
    for (const TestFace& face : TestFaces) {
        const QString file = QStringLiteral("/usr/share/fonts/truetype/") + face.file;
        ok = QFile::link(file, fonts.filePath(QString::fromLatin1(face.link))) && ok;
    }
    return ok;
}

// The configuration: the linked fonts only, the system's rules (aliases such
// as sans-serif, hinting) applied to them, and the test faces renamed as
// fontconfig scans them.
QString configuration(const QDir& fonts, const QString& cache)
{
    QString xml;
    QTextStream out(&xml);
    out << "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
        << "<fontconfig>\n"
        << "  <dir>" << escaped(fonts.absolutePath()) << "</dir>\n"
        << "  <cachedir>" << escaped(cache) << "</cachedir>\n"
        << "  <include ignore_missing=\"yes\">/etc/fonts/conf.d</include>\n"
        << "  <selectfont>\n"
        << "    <rejectfont><glob>*</glob></rejectfont>\n"
        << "    <acceptfont><glob>" << escaped(fonts.absolutePath()) << "/*</glob></acceptfont>\n"
        << "  </selectfont>\n";
    for (const TestFace& face : TestFaces) {
        out << "  <match target=\"scan\">\n"
            << "    <test name=\"file\"><string>"
            << escaped(fonts.filePath(QString::fromLatin1(face.link))) << "</string></test>\n"
            << "    <edit name=\"family\" mode=\"assign_replace\"><string>" << face.family
            << "</string></edit>\n";
        if (face.foundry)
            out << "    <edit name=\"foundry\" mode=\"assign_replace\"><string>" << face.foundry
                << "</string></edit>\n";
        out << "  </match>\n";
    }
    out << "</fontconfig>\n";
    return xml;
}

} // namespace

namespace TestFonts {

void install()
{
    static QTemporaryDir folder;
    const QDir root(folder.path());
    const bool made = folder.isValid() && root.mkpath(QStringLiteral("fonts")) &&
                      root.mkpath(QStringLiteral("cache"));
    const QDir fonts(root.filePath(QStringLiteral("fonts")));
    QFile file(root.filePath(QStringLiteral("fonts.conf")));
    if (!made || !linkProjectFonts(fonts) || !file.open(QIODevice::WriteOnly) ||
        file.write(configuration(fonts, root.filePath(QStringLiteral("cache"))).toUtf8()) < 0) {
        // Without the project's fonts the tests' expectations cannot hold.
        std::fprintf(stderr,
                     "The tests' fonts could not be set up in %s (are fonts-liberation, "
                     "fonts-open-sans and fonts-dejavu-core installed?)\n",
                     qPrintable(root.path()));
        std::exit(2);
    }
    file.close();
    qputenv("FONTCONFIG_FILE", QFile::encodeName(file.fileName()));
}

} // namespace TestFonts
