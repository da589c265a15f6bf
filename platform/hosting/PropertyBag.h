#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

class QSettings;

namespace platform {

// The property bag a host keeps with its form for each control it sites:
// values by name, written and read with a default. A value equal to its
// default is not stored (reading gives the default back anyway), so a bag
// holds only what differs from a new control. Names are matched without
// regard to letter case and kept in the order first written.
//
// A host stores the bag with its form as a QVariantMap (toVariantMap,
// fromVariantMap) or as one group of an INI file (saveTo, loadFrom).
class PropertyBag
{
public:
    PropertyBag() = default;

    // The stored value, or `defaultValue` when the bag holds none.
    QVariant ReadProperty(const QString& name, const QVariant& defaultValue = QVariant()) const;
    // Stores the value, or removes the name when the value equals the
    // default (numbers and booleans compare by value, True being -1, so 1.0
    // equals 1; texts compare exactly; other values only with their own
    // kind).
    void WriteProperty(const QString& name, const QVariant& value, const QVariant& defaultValue);
    // Stores the value whatever it is.
    void WriteProperty(const QString& name, const QVariant& value);

    bool contains(const QString& name) const { return indexOf(name) >= 0; }
    // The names stored, in the order first written.
    QStringList names() const;
    bool isEmpty() const { return m_entries.isEmpty(); }
    int count() const { return int(m_entries.size()); }

    QVariantMap toVariantMap() const;
    static PropertyBag fromVariantMap(const QVariantMap& map);
    // Replaces the group's keys with the bag's values.
    void saveTo(QSettings& settings, const QString& group) const;
    static PropertyBag loadFrom(QSettings& settings, const QString& group);

    // Whether a value counts as equal to a default, as WriteProperty decides.
    static bool sameValue(const QVariant& value, const QVariant& defaultValue);

private:
    int indexOf(const QString& name) const;

    QList<QPair<QString, QVariant>> m_entries;
};

} // namespace platform
