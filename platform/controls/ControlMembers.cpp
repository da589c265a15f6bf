#include "platform/controls/ControlMembers.h"

#include <QObject>

QMetaProperty ControlMembers::find(const QObject* object, const QString& name)
{
    if (!object || name.isEmpty())
        return QMetaProperty();
    for (const QMetaObject* meta = object->metaObject(); meta; meta = meta->superClass()) {
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
            const QMetaProperty property = meta->property(i);
            if (name.compare(QLatin1String(property.name()), Qt::CaseInsensitive) == 0)
                return property;
        }
    }
    return QMetaProperty();
}

bool ControlMembers::has(const QObject* object, const QString& name)
{
    return find(object, name).isValid();
}

QVariant ControlMembers::read(const QObject* object, const QString& name)
{
    const QMetaProperty property = find(object, name);
    if (!property.isValid() || !property.isReadable())
        return QVariant();
    return property.read(object);
}

bool ControlMembers::write(QObject* object, const QString& name, const QVariant& value)
{
    const QMetaProperty property = find(object, name);
    if (!property.isValid() || !property.isWritable())
        return false;
    return property.write(object, value);
}
