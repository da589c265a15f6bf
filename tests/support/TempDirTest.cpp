#include "support/TempDirTest.h"

#include <QDir>
#include <QFile>

void TempDirTest::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    m_previousDir = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
}

void TempDirTest::TearDown()
{
    QDir::setCurrent(m_previousDir);
}

QString TempDirTest::path(const QString& name) const
{
    return m_dir.filePath(name);
}

QByteArray TempDirTest::readBytes(const QString& name) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void TempDirTest::writeBytes(const QString& name, const QByteArray& bytes) const
{
    QFile file(path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}
