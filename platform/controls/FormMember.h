#pragma once

#include <QString>
#include <QtGlobal>

class QObject;
class QWidget;

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
    // The type name a control reports ("Label", "TextBox", "ListView"):
    // the "TypeName" class information of the nearest class in its line
    // that declares one (every control class of ours does), so a host's
    // subclass of a Label is a "Label". Empty for an object of no declared
    // kind (a plain Qt widget, a host class on the bare control base) and
    // for no object.
    static QString typeName(const QObject* object);
    // The container a control sits in: the nearest control around it (a
    // frame, a picture box), else its form (its window, or the child form
    // of a multiple-document area). Plain Qt widgets in between are no
    // containers: a control on a panel or a tab page is on the form.
    static QWidget* containerOf(const QWidget* control);

private:
    quint64 m_creationIndex;
};

} // namespace platform
