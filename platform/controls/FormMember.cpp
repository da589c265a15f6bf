#include "platform/controls/FormMember.h"

#include <QMetaClassInfo>
#include <QObject>

namespace platform {

namespace {

quint64 nextCreationIndex = 0;

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
    const QMetaObject* meta = object->metaObject();
    const int info = meta->indexOfClassInfo("TypeName");
    if (info >= 0)
        return QString::fromLatin1(meta->classInfo(info).value());
    // The kind's own name, without the namespace our controls live in.
    const QString className = QString::fromLatin1(meta->className());
    return className.mid(className.lastIndexOf(QLatin1Char(':')) + 1);
}

} // namespace platform
