#include "platform/files/TextFileReader.h"

#include "platform/files/Ansi.h"
#include "platform/files/FileNames.h"

#include <QFile>
#include <QFileInfo>

// Items and lines:
// - a line ends with CR LF, a lone LF or a lone CR;
// - line ends never make an item: empty lines are skipped, and a comma at the
//   end of a line adds no empty item after it. Loops that read "until the
//   end" therefore see no phantom items from trailing line ends;
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
    const QString path = FileNames::resolve(name);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    m_data = file.readAll();
    return file.error() == QFileDevice::NoError;
}

void TextFileReader::setData(const QByteArray& bytes)
{
    m_data = bytes;
    m_pos = 0;
}

bool TextFileReader::atEnd() const
{
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
        else if (isLineEnd(c))
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
        while (m_pos < m_data.size() && m_data.at(m_pos) != '"' && !isLineEnd(m_data.at(m_pos)))
            ++m_pos;
        item = m_data.mid(start, m_pos - start);
        while (m_pos < m_data.size() && m_data.at(m_pos) != ',' && !isLineEnd(m_data.at(m_pos)))
            ++m_pos;
    } else {
        const qsizetype start = m_pos;
        while (m_pos < m_data.size() && m_data.at(m_pos) != ',' && !isLineEnd(m_data.at(m_pos)))
            ++m_pos;
        item = m_data.mid(start, m_pos - start);
        while (!item.isEmpty() && isBlank(item.back()))
            item.chop(1);
    }
    if (m_pos < m_data.size() && m_data.at(m_pos) == ',')
        ++m_pos;
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

void TextFileReader::skipLineEnd()
{
    if (m_pos < m_data.size() && m_data.at(m_pos) == '\r')
        ++m_pos;
    if (m_pos < m_data.size() && m_data.at(m_pos) == '\n')
        ++m_pos;
}
