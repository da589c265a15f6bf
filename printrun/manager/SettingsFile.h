#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The settings file "Brevox.ps" in the current directory: 100 text entries,
// line i + 1 holding entry i as plain text, each line ended by CR LF, in
// Windows-1252.
//
// Each line is read back whole as its entry, so an entry holding a comma or
// a double quote (a typed data path can) stays one entry and never moves
// the later entries to other lines.
class SettingsFile
{
public:
    static constexpr int EntryCount = 100;
    static const QString FileName;

    // Entry i from line i + 1 of the bytes; entries past the last line are
    // empty, lines past the 100th are not read.
    static QStringList decode(const QByteArray& bytes);
    // Exactly EntryCount lines; missing entries are written empty.
    static QByteArray encode(const QStringList& entries);

    static bool exists();
    // Writes 100 empty lines. False, with *error, when it cannot.
    static bool create(QString* error = nullptr);
    // Reads the file into entries (always EntryCount of them; all empty
    // when it cannot be read). False, with *error, when it is missing or
    // unreadable.
    static bool read(QStringList& entries, QString* error = nullptr);
    // Replaces the file whole; the old file stays when the write fails
    // (false, with *error).
    static bool write(const QStringList& entries, QString* error = nullptr);
};
