#pragma once

#include <QByteArray>
#include <QString>
#include <ostream>

// Readable gtest output for Qt strings and byte arrays.
void PrintTo(const QString& text, std::ostream* os);
QT_BEGIN_NAMESPACE
void PrintTo(const QByteArray& bytes, std::ostream* os);
QT_END_NAMESPACE
