#pragma once

#include <QMetaProperty>
#include <QString>
#include <QVariant>
#include <stdexcept>

class QObject;

namespace platform {

// A member read or write that cannot be done: the object has no member of
// that name, the member cannot be written, refused the value, or the object
// no longer exists. The message names the member.
class MemberError : public std::runtime_error
{
public:
    // The error numbers the programs know these failures by.
    enum Code
    {
        NoObject = 91,      // the control no longer exists
        InvalidValue = 380, // the member refused the value
        NoSuchMember = 438, // the control has no such member
        ReadOnly = 383      // the member cannot be written
    };
    MemberError(const QString& member, Code code);
    QString member() const { return m_member; }
    Code code() const { return m_code; }

private:
    QString m_member;
    Code m_code;
};

// A control's members read and written by name at run time, the way the
// print/preview control reads the controls of its host form. Names are
// matched without regard to letter case; a class's own members come before
// those it inherits. Only the members our own classes declare are found:
// Qt's properties (a label's "alignment" flags, a widget's "width" in
// pixels) are never answered under a member's name.
class ControlMembers
{
public:
    // The member's property; invalid when the object has none of that name.
    static QMetaProperty find(const QObject* object, const QString& name);
    static bool has(const QObject* object, const QString& name);
    // The value; an invalid value when there is no such member.
    static QVariant read(const QObject* object, const QString& name);
    // False when there is no such member, it cannot be written, or it
    // refused the value.
    static bool write(QObject* object, const QString& name, const QVariant& value);

    // The value, or MemberError when there is none to read (no object, no
    // such member).
    static QVariant get(const QObject* object, const QString& name);
    // Writes the value, or MemberError when it cannot be written.
    static void set(QObject* object, const QString& name, const QVariant& value);

    // Whether a class's properties are Qt's own rather than ours: Qt names
    // its classes Q followed by a capital letter (QWidget, QLabel).
    static bool isQtClass(const QMetaObject* meta);
};

} // namespace platform
