#include "platform/hosting/PropertyBag.h"

#include <QSettings>

namespace platform {

namespace {

bool isNumber(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Float:
    case QMetaType::Double:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

// Booleans count as the numbers the control's interface uses (True = -1).
double numberOf(const QVariant& value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? -1.0 : 0.0;
    return value.toDouble();
}

} // namespace

int PropertyBag::indexOf(const QString& name) const
{
    for (int i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].first.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QVariant PropertyBag::ReadProperty(const QString& name, const QVariant& defaultValue) const
{
    const int i = indexOf(name);
    return i >= 0 ? m_entries[i].second : defaultValue;
}

bool PropertyBag::sameValue(const QVariant& value, const QVariant& defaultValue)
{
    if (!value.isValid() || !defaultValue.isValid())
        return !value.isValid() && !defaultValue.isValid();
    if (isNumber(value) && isNumber(defaultValue))
        return numberOf(value) == numberOf(defaultValue);
    if (value.typeId() == QMetaType::QString && defaultValue.typeId() == QMetaType::QString)
        return value.toString() == defaultValue.toString();
    if (value.typeId() != defaultValue.typeId())
        return false;
    return value == defaultValue;
}

void PropertyBag::WriteProperty(const QString& name, const QVariant& value,
                                const QVariant& defaultValue)
{
    if (sameValue(value, defaultValue)) {
        const int i = indexOf(name);
        if (i >= 0)
            m_entries.removeAt(i);
        return;
    }
    WriteProperty(name, value);
}

void PropertyBag::WriteProperty(const QString& name, const QVariant& value)
{
    const int i = indexOf(name);
    if (i >= 0)
        m_entries[i].second = value;
    else
        m_entries.append({name, value});
}

QStringList PropertyBag::names() const
{
    QStringList list;
    for (const auto& entry : m_entries)
        list << entry.first;
    return list;
}

QVariantMap PropertyBag::toVariantMap() const
{
    QVariantMap map;
    for (const auto& entry : m_entries)
        map.insert(entry.first, entry.second);
    return map;
}

PropertyBag PropertyBag::fromVariantMap(const QVariantMap& map)
{
    PropertyBag bag;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        bag.WriteProperty(it.key(), it.value());
    return bag;
}

void PropertyBag::saveTo(QSettings& settings, const QString& group) const
{
    settings.beginGroup(group);
    settings.remove(QString());
    for (const auto& entry : m_entries)
        settings.setValue(entry.first, entry.second);
    settings.endGroup();
}

PropertyBag PropertyBag::loadFrom(QSettings& settings, const QString& group)
{
    PropertyBag bag;
    settings.beginGroup(group);
    for (const QString& key : settings.childKeys())
        bag.WriteProperty(key, settings.value(key));
    settings.endGroup();
    return bag;
}

} // namespace platform
