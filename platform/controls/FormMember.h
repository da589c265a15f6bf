#pragma once

#include <QString>
#include <QtGlobal>

class QObject;

namespace platform {

// Marks a widget as one of a form's controls, as opposed to the widgets Qt
// builds inside controls (a drop-down's line edit, a list's scroll bars),
// and numbers the controls in the order they are created, which is the
// order a form lists them in.
class FormMember
{
public:
    FormMember();
    virtual ~FormMember();

    quint64 creationIndex() const { return m_creationIndex; }
    // Whether the controls placed inside this one are controls of its form
    // (a frame, a picture box). A composite control's own parts are not.
    virtual bool isContainer() const { return false; }

    // The control part of an object; null for an object that is no control.
    static const FormMember* of(const QObject* object);
    // The type name a control reports ("Label", "TextBox", "ListView"): the
    // "TypeName" class information of its class when it has one, else the
    // name of its class. Empty for no object.
    static QString typeName(const QObject* object);

private:
    quint64 m_creationIndex;
};

} // namespace platform
