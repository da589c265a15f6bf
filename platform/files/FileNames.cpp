#include "platform/files/FileNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>

namespace platform {

namespace {

QString& floppyRootValue()
{
    static QString root = QStringLiteral("/media/floppy");
    return root;
}

// True when something (a file, a folder or a dangling link) has this path.
bool present(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// The entry of folder whose name matches name without regard to case, or an
// empty text. Entries are searched in name order so the choice is stable
// when several differ only in case.
QString matchInFolder(const QString& folder, const QString& name)
{
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    const QStringList entries = dir.entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return QString();
}

bool sameFile(const QString& a, const QString& b)
{
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
}

// Copies a file's bytes to target through QSaveFile, so that an existing
// target stays as it was until the copy is complete.
bool copyContents(const QString& source, const QString& target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    char buffer[64 * 1024];
    for (;;) {
        const qint64 got = in.read(buffer, sizeof buffer);
        if (got < 0) {
            out.cancelWriting();
            return false;
        }
        if (got == 0)
            break;
        if (out.write(buffer, got) != got) {
            out.cancelWriting();
            return false;
        }
    }
    // commit() does not check the flush of its buffer: a cut-off copy would
    // replace the target.
    if (!out.flush()) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

} // namespace

namespace FileNames {

void setFloppyRoot(const QString& path)
{
    floppyRootValue() = path;
}

QString floppyRoot()
{
    return floppyRootValue();
}

QString normalize(const QString& name)
{
    QString path = name;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (path.size() >= 2 && path.at(1) == QLatin1Char(':') &&
        path.at(0).toUpper() == QLatin1Char('A')) {
        QString rest = path.mid(2);
        while (rest.startsWith(QLatin1Char('/')))
            rest.remove(0, 1);
        QString root = floppyRoot();
        while (root.size() > 1 && root.endsWith(QLatin1Char('/')))
            root.chop(1);
        if (rest.isEmpty())
            return root;
        return root.endsWith(QLatin1Char('/')) ? root + rest : root + QLatin1Char('/') + rest;
    }
    return path;
}

QString resolve(const QString& name)
{
    const QString path = normalize(name);
    if (path.isEmpty() || present(path))
        return path;

    // Walk the path part by part, replacing each part that is not found as
    // spelt with the entry of its folder that matches without regard to
    // case. Once a part matches nothing, the rest stands as given, so a
    // new file is created inside the folders that were found.
    const bool absolute = path.startsWith(QLatin1Char('/'));
    const QStringList parts = path.split(QLatin1Char('/'));
    QString result = absolute ? QStringLiteral("/") : QString();
    bool found = true;
    for (const QString& part : parts) {
        if (part.isEmpty())
            continue;
        QString piece = part;
        if (found && part != QLatin1String(".") && part != QLatin1String("..")) {
            const QString candidate = result + part;
            if (!present(candidate)) {
                const QString match = matchInFolder(result, part);
                if (match.isEmpty())
                    found = false;
                else
                    piece = match;
            }
        }
        result += piece;
        result += QLatin1Char('/');
    }
    if (!path.endsWith(QLatin1Char('/')) && result.size() > 1)
        result.chop(1);
    return result;
}

bool exists(const QString& name)
{
    const QString path = resolve(name);
    return !path.isEmpty() && QFileInfo::exists(path);
}

bool remove(const QString& name)
{
    const QString path = resolve(name);
    if (path.isEmpty() || !present(path))
        return true;
    QFile::remove(path);
    return !present(path);
}

bool copy(const QString& from, const QString& to)
{
    const QString source = resolve(from);
    const QString target = resolve(to);
    if (source.isEmpty() || target.isEmpty() || !QFileInfo(source).isFile())
        return false;
    if (sameFile(source, target))
        return true;
    return copyContents(source, target);
}

bool rename(const QString& from, const QString& to)
{
    const QString source = resolve(from);
    const QString target = resolve(to);
    if (source.isEmpty() || target.isEmpty() || !present(source))
        return false;
    if (sameFile(source, target))
        return true;
    // rename(2) replaces an existing target in one step.
    if (std::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) ==
        0)
        return true;
    if (errno != EXDEV || !QFileInfo(source).isFile())
        return false;
    // Another file system: copy, then remove the original only when the copy
    // is complete.
    if (!copyContents(source, target))
        return false;
    return QFile::remove(source);
}

} // namespace FileNames

} // namespace platform
