#pragma once

#include "platform/controls/ListBox.h"

namespace platform {

// A list of the files of one folder (Path) whose names match Pattern
// ("*.*" by default: every file), sorted by name.
class FileListBox : public ListBox
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "FileListBox")
    Q_PROPERTY(QString Path READ Path WRITE setPath)
    Q_PROPERTY(QString Pattern READ Pattern WRITE setPattern)

public:
    explicit FileListBox(QWidget* parent = nullptr);

    QString Path() const { return m_path; }
    void setPath(const QString& path);
    QString Pattern() const { return m_pattern; }
    void setPattern(const QString& pattern);
    // Reads the folder again.
    void Refresh();

private:
    QString m_path;
    QString m_pattern = QStringLiteral("*.*");
};

} // namespace platform
