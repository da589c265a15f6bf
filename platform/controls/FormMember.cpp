#include "platform/controls/FormMember.h"

#include <QMdiSubWindow>
#include <QMetaClassInfo>
#include <QObject>
#include <QWidget>

namespace platform {

namespace {

quint64 nextCreationIndex = 0;

const char* const PlatformPrefix = "platform::";

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

QString withoutNamespace(const char* className)
{
    const QString name = QString::fromLatin1(className);
    return name.mid(name.lastIndexOf(QLatin1Char(':')) + 1);
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
    // The nearest class that names a kind: one that declares its type name,
    // or one of our own controls, so that a host's subclass of a control
    // (with or without its own meta-object) is still that control.
    for (const QMetaObject* meta = object->metaObject(); meta; meta = meta->superClass()) {
        if (const char* declared = ownTypeName(meta))
            return QString::fromLatin1(declared);
        if (QByteArray(meta->className()).startsWith(PlatformPrefix))
            return withoutNamespace(meta->className());
    }
    // A class of none of our kinds is its own kind.
    return withoutNamespace(object->metaObject()->className());
}

QWidget* FormMember::containerOf(const QWidget* control)
{
    QWidget* up = control ? control->parentWidget() : nullptr;
    while (up && !of(up) && !up->isWindow() && !qobject_cast<QMdiSubWindow*>(up->parentWidget()))
        up = up->parentWidget();
    return up;
}

} // namespace platform
