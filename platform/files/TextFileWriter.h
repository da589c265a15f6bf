#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace platform {

// Builds a Windows-1252 text file and writes it whole through QSaveFile, so
// the old file stays intact until the new one is complete.
class TextFileWriter
{
public:
    // A line of quoted items separated by commas, ended by CR LF:
    // "KIDS      ","2-3   "
    void writeQuoted(const QStringList& items);
    // A line written as it stands, ended by CR LF.
    void writeLine(const QString& line);
    const QByteArray& data() const { return m_data; }

    // Replaces the file (name matched without regard to case). False, with
    // errorString(), when it could not be written; the old file is kept.
    bool commit(const QString& name);
    // The same, also giving the reason in *error (when not null).
    bool commit(const QString& name, QString* error);
    QString errorString() const { return m_error; }

private:
    QByteArray m_data;
    QString m_error;
};

} // namespace platform
