#include "platform/controls/FileListBox.h"

#include <QDir>

namespace platform {

FileListBox::FileListBox(QWidget* parent) : ListBox(parent)
{
    m_path = QDir::currentPath();
    Refresh();
}

void FileListBox::setPath(const QString& path)
{
    m_path = path;
    Refresh();
}

void FileListBox::setPattern(const QString& pattern)
{
    m_pattern = pattern.isEmpty() ? QStringLiteral("*.*") : pattern;
    Refresh();
}

void FileListBox::Refresh()
{
    Clear();
    // "*.*" matches names without a dot too, as the folder lists do.
    const QStringList filters = m_pattern == QStringLiteral("*.*")
                                    ? QStringList{QStringLiteral("*")}
                                    : m_pattern.split(QLatin1Char(';'));
    const QStringList names =
        QDir(m_path).entryList(filters, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names)
        AddItem(name);
}

} // namespace platform
