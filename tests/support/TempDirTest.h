#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/QStringPrinter.h"

// Runs each test in a fresh temporary folder as the current directory.
class TempDirTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    QString path(const QString& name) const;
    QByteArray readBytes(const QString& name) const;
    void writeBytes(const QString& name, const QByteArray& bytes) const;

    QTemporaryDir m_dir;
    QString m_previousDir;
};
