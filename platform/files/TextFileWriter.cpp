#include "platform/files/TextFileWriter.h"

#include "platform/files/Ansi.h"
#include "platform/files/FileNames.h"

#include <QSaveFile>

namespace platform {

namespace {

const QByteArray lineEnd("\r\n");

// A double quote or a line break inside an item would end the item or the
// line early when the file is read back, shifting every later item; they
// are written as a single quote and a blank, which keeps the item's width.
QString quotableItem(const QString& item)
{
    QString text = item;
    text.replace(QLatin1Char('"'), QLatin1Char('\''));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

} // namespace

void TextFileWriter::writeQuoted(const QStringList& items)
{
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i > 0)
            m_data.append(',');
        m_data.append('"');
        m_data.append(Ansi::encode(quotableItem(items.at(i))));
        m_data.append('"');
    }
    m_data.append(lineEnd);
}

void TextFileWriter::writeLine(const QString& line)
{
    m_data.append(Ansi::encode(line));
    m_data.append(lineEnd);
}

bool TextFileWriter::commit(const QString& name)
{
    m_error.clear();
    const QString path = FileNames::resolve(name);
    if (path.isEmpty()) {
        m_error = QStringLiteral("No file name was given.");
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        m_error = QStringLiteral("Cannot write \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    // QSaveFile::commit() ignores a failing flush of its buffer and would put
    // a cut-off file in place of the old one, so the flush is checked here.
    if (file.write(m_data) != m_data.size() || !file.flush()) {
        m_error = QStringLiteral("Cannot write \"%1\": %2").arg(path, file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        m_error = QStringLiteral("Cannot write \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool TextFileWriter::commit(const QString& name, QString* error)
{
    const bool ok = commit(name);
    if (!ok && error)
        *error = m_error;
    return ok;
}

} // namespace platform
