#pragma once

#include <QString>

// The input boxes of the size-scale and colour editors. Their files hold
// each value in double quotes, so a double quote typed into a value is
// refused with a message and the box is shown again; what comes back can
// be stored and reads back as it was typed.
class EditorInput
{
public:
    // The text typed (empty when cancelled), never holding a double quote
    // nor a character the file's code page cannot hold; fieldName names the
    // value in that refusal.
    static QString ask(const QString& prompt, const QString& title,
                       const QString& defaultText = QString(),
                       const QString& fieldName = QStringLiteral("Entry"));
};
