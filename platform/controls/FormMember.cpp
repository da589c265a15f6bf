#include "platform/controls/FormMember.h"

#include <QMetaClassInfo>
#include <QObject>

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
    return QString::fromLatin1(meta->className());
}
