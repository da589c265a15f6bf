#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Windows-1252 conversion with our own table. Characters that the code page
// cannot hold become "?".
namespace Ansi {
QByteArray encode(const QString& text);
QString decode(QByteArrayView bytes);
} // namespace Ansi
