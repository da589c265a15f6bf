#include "printrun/designer/LineItemReader.h"

#include <QFile>
#include <QFileInfo>

#include "platform/files/Ansi.h"
#include "platform/files/FileNames.h"

bool LineItemReader::open(const QString& name)
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

void LineItemReader::setData(const QByteArray& bytes)
{
    m_data = bytes;
    m_pos = 0;
}

bool LineItemReader::atLineEnd() const
{
    return m_pos < m_data.size() && (m_data.at(m_pos) == '\r' || m_data.at(m_pos) == '\n');
}

void LineItemReader::skipLineEnd()
{
    if (m_pos < m_data.size() && m_data.at(m_pos) == '\r')
        ++m_pos;
    if (m_pos < m_data.size() && m_data.at(m_pos) == '\n')
        ++m_pos;
}

QString LineItemReader::readItem()
{
    while (m_pos < m_data.size() && (m_data.at(m_pos) == ' ' || m_data.at(m_pos) == '\t'))
        ++m_pos;
    if (atEnd())
        return QString();

    QByteArray item;
    if (m_data.at(m_pos) == '"') {
        ++m_pos;
        const qsizetype start = m_pos;
        while (m_pos < m_data.size() && m_data.at(m_pos) != '"' && !atLineEnd())
            ++m_pos;
        item = m_data.mid(start, m_pos - start);
        // Whatever follows the closing quote up to the separator is dropped.
        while (m_pos < m_data.size() && m_data.at(m_pos) != ',' && !atLineEnd())
            ++m_pos;
    } else {
        const qsizetype start = m_pos;
        while (m_pos < m_data.size() && m_data.at(m_pos) != ',' && !atLineEnd())
            ++m_pos;
        item = m_data.mid(start, m_pos - start);
        while (!item.isEmpty() && (item.back() == ' ' || item.back() == '\t'))
            item.chop(1);
    }
    if (m_pos < m_data.size() && m_data.at(m_pos) == ',') {
        ++m_pos;
        // A comma that closes the line leaves no empty item behind it.
        if (atLineEnd())
            skipLineEnd();
    } else {
        skipLineEnd();
    }
    return Ansi::decode(item);
}
