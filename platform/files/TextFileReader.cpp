#include "platform/files/TextFileReader.h"

#include "platform/files/Ansi.h"
#include "platform/files/FileNames.h"

#include <QFile>
#include <QFileInfo>

namespace platform {

// Items and lines:
// - a line ends with CR LF, a lone LF or a lone CR;
// - a comma at the end of a line adds no empty item after it;
// - line ends never make an item: empty lines are skipped. Loops that read
//   "until the end" therefore see no phantom items from trailing line ends.
//   Where empty lines are items, each line gives at least one item and the
//   reader is at its end only after the last line;
// - two commas in a row (or a comma at the start of a line) give an empty
//   item;
// - atEnd() is true when nothing but blanks, tabs and line ends is left.

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

} // namespace

bool TextFileReader::open(const QString& name)
{
    m_data.clear();
    m_pos = 0;
    return readAll(name, m_data);
}

bool TextFileReader::readAll(const QString& name, QByteArray& bytes, QString* error)
{
    bytes.clear();
    const QString path = FileNames::resolve(name);
    QFile file(path);
    if (!path.isEmpty() && QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly)) {
        bytes = file.readAll();
        if (file.error() == QFileDevice::NoError)
            return true;
        bytes.clear();
    }
    if (error)
        *error = QStringLiteral("Cannot read \"%1\": %2").arg(name, file.errorString());
    return false;
}

void TextFileReader::setData(const QByteArray& bytes)
{
    m_data = bytes;
    m_pos = 0;
}

bool TextFileReader::atEnd() const
{
    if (m_emptyLinesAreItems)
        return m_pos >= m_data.size();
    for (qsizetype i = m_pos; i < m_data.size(); ++i) {
        const char c = m_data.at(i);
        if (!isBlank(c) && !isLineEnd(c))
            return false;
    }
    return true;
}

QString TextFileReader::readItem()
{
    // Skip blanks and whole line ends up to the item's first character.
    while (m_pos < m_data.size()) {
        const char c = m_data.at(m_pos);
        if (isBlank(c))
            ++m_pos;
        else if (isLineEnd(c) && !m_emptyLinesAreItems)
            skipLineEnd();
        else
            break;
    }
    if (m_pos >= m_data.size())
        return QString();

    QByteArray item;
    if (m_data.at(m_pos) == '"') {
        // Quoted: up to the closing quote (or the line end when it is
        // missing); then everything up to the comma or line end is dropped.
        ++m_pos;
        const qsizetype start = m_pos;
        while (m_pos < m_data.size() && m_data.at(m_pos) != '"' && !atLineEnd())
            ++m_pos;
        item = m_data.mid(start, m_pos - start);
        while (m_pos < m_data.size() && m_data.at(m_pos) != ',' && !atLineEnd())
            ++m_pos;
    } else {
        const qsizetype start = m_pos;
        while (m_pos < m_data.size() && m_data.at(m_pos) != ',' && !atLineEnd())
            ++m_pos;
        item = m_data.mid(start, m_pos - start);
        while (!item.isEmpty() && isBlank(item.back()))
            item.chop(1);
    }
    if (m_pos < m_data.size() && m_data.at(m_pos) == ',') {
        ++m_pos;
        // Where each line counts, a comma that closes the line leaves no
        // empty item behind it.
        if (m_emptyLinesAreItems && atLineEnd())
            skipLineEnd();
    } else if (m_emptyLinesAreItems) {
        skipLineEnd();
    }
    return Ansi::decode(item);
}

QString TextFileReader::readLine()
{
    const qsizetype start = m_pos;
    while (m_pos < m_data.size() && !isLineEnd(m_data.at(m_pos)))
        ++m_pos;
    const QByteArray line = m_data.mid(start, m_pos - start);
    skipLineEnd();
    return Ansi::decode(line);
}

bool TextFileReader::atLineEnd() const
{
    return m_pos < m_data.size() && isLineEnd(m_data.at(m_pos));
}

void TextFileReader::skipLineEnd()
{
    if (m_pos < m_data.size() && m_data.at(m_pos) == '\r')
        ++m_pos;
    if (m_pos < m_data.size() && m_data.at(m_pos) == '\n')
        ++m_pos;
}

} // namespace platform
