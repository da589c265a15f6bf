#include "platform/controls/FormMember.h"

#include <QMdiSubWindow>
#include <QMetaClassInfo>
#include <QObject>
#include <QWidget>

namespace platform {

namespace {

quint64 nextCreationIndex = 0;

// The "TypeName" class information the class itself declares (not one it
// inherits); null when it declares none.
const char* ownTypeName(const QMetaObject* meta)
{
    for (int i = meta->classInfoOffset(); i < meta->classInfoCount(); ++i) {
        if (qstrcmp(meta->classInfo(i).name(), "TypeName") == 0)
            return meta->classInfo(i).value();
    }
    return nullptr;
}

} // namespace

FormMember::FormMember() : m_creationIndex(++nextCreationIndex) {}

FormMember::~FormMember() = default;

const FormMember* FormMember::of(const QObject* object)
{
    return dynamic_cast<const FormMember*>(object);
}

QString FormMember::typeName(const QObject* object)
{
    if (!object)
        return QString();
    // The nearest class that declares its kind: a host's subclass of a
    // control (with or without its own meta-object) is still that control.
    // A class's own name says nothing: a host class named "Label" on the
    // bare control base is of no kind, as a plain Qt widget is.
    for (const QMetaObject* meta = object->metaObject(); meta; meta = meta->superClass()) {
        if (const char* declared = ownTypeName(meta))
            return QString::fromLatin1(declared);
    }
    return QString();
}

QWidget* FormMember::containerOf(const QWidget* control)
{
    QWidget* up = control ? control->parentWidget() : nullptr;
    while (up && !of(up) && !up->isWindow() && !qobject_cast<QMdiSubWindow*>(up->parentWidget()))
        up = up->parentWidget();
    return up;
}

} // namespace platform
