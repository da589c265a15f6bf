#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace platform {

// Windows-1252 conversion with our own table. Characters that the code page
// cannot hold become "?".
namespace Ansi {
QByteArray encode(const QString& text);
QString decode(QByteArrayView bytes);

// The first character of text that the code page cannot hold (a pair of
// surrogates counts as one), or an empty text when it holds them all.
QString firstUnheld(const QString& text);
// Why text typed into the field called fieldName cannot be stored in a file,
// or an empty text when it can.
QString typedTextProblem(const QString& fieldName, const QString& text);
} // namespace Ansi

} // namespace platform
