#pragma once

#include <QMetaProperty>
#include <QString>
#include <QVariant>

class QObject;

// A control's members read and written by name at run time, the way the
// print/preview control reads the controls of its host form. Names are
// matched without regard to letter case; a class's own members come before
// those it inherits, so "Width" and "width" both find a control's width in
// twips before the widget's width in pixels.
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
};
