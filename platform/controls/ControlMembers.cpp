#include "platform/controls/ControlMembers.h"

#include <QObject>

namespace platform {

namespace {

QString reasonOf(MemberError::Code code)
{
    switch (code) {
    case MemberError::NoObject:
        return QStringLiteral("The control no longer exists");
    case MemberError::InvalidValue:
        return QStringLiteral("Invalid property value");
    case MemberError::ReadOnly:
        return QStringLiteral("The property is read-only");
    case MemberError::NoSuchMember:
        break;
    }
    return QStringLiteral("Object doesn't support this property or method");
}

} // namespace

MemberError::MemberError(const QString& member, Code code)
    : std::runtime_error((reasonOf(code) + QStringLiteral(": ") + member).toStdString()),
      m_member(member), m_code(code)
{
}

bool ControlMembers::isQtClass(const QMetaObject* meta)
{
    const char* name = meta->className();
    return name[0] == 'Q' && name[1] >= 'A' && name[1] <= 'Z';
}

QMetaProperty ControlMembers::find(const QObject* object, const QString& name)
{
    if (!object || name.isEmpty())
        return QMetaProperty();
    for (const QMetaObject* meta = object->metaObject(); meta && !isQtClass(meta);
         meta = meta->superClass()) {
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

QVariant ControlMembers::get(const QObject* object, const QString& name)
{
    if (!object)
        throw MemberError(name, MemberError::NoObject);
    const QMetaProperty property = find(object, name);
    if (!property.isValid() || !property.isReadable())
        throw MemberError(name, MemberError::NoSuchMember);
    return property.read(object);
}

void ControlMembers::set(QObject* object, const QString& name, const QVariant& value)
{
    if (!object)
        throw MemberError(name, MemberError::NoObject);
    const QMetaProperty property = find(object, name);
    if (!property.isValid())
        throw MemberError(name, MemberError::NoSuchMember);
    if (!property.isWritable())
        throw MemberError(name, MemberError::ReadOnly);
    if (!property.write(object, value))
        throw MemberError(name, MemberError::InvalidValue);
}

} // namespace platform
