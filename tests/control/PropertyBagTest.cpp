#include <QFont>
#include <QSettings>
#include <gtest/gtest.h>

#include "platform/hosting/PropertyBag.h"
#include "support/QStringPrinter.h"
#include "support/TempDirTest.h"

using namespace platform;

TEST(PropertyBag, ReadsTheStoredValueOrTheDefault)
{
    PropertyBag bag;
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("Zoom"), 100).toInt(), 100);
    bag.WriteProperty(QStringLiteral("Zoom"), 120, 100);
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("Zoom"), 100).toInt(), 120);
    // Names in any letter case.
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("zOOM"), 100).toInt(), 120);
    EXPECT_TRUE(bag.contains(QStringLiteral("ZOOM")));
}

struct DefaultCase
{
    const char* name;
    QVariant value;
    QVariant defaultValue;
    bool stored;
};

TEST(PropertyBag, AValueEqualToItsDefaultIsNotStored)
{
    const DefaultCase cases[] = {
        {"float equal to a whole default", QVariant(1.0f), QVariant(1), false},
        {"float above the default", QVariant(2.5f), QVariant(1), true},
        {"16-bit number equal", QVariant::fromValue(qint16(100)), QVariant(100), false},
        {"boolean equal", QVariant(true), QVariant(true), false},
        {"boolean different", QVariant(false), QVariant(true), true},
        {"text equal", QVariant(QStringLiteral("Page")), QVariant(QStringLiteral("Page")), false},
        {"text in other case", QVariant(QStringLiteral("PAGE")), QVariant(QStringLiteral("Page")),
         true},
        {"font against a name", QVariant(QFont(QStringLiteral("Arial"))),
         QVariant(QStringLiteral("Arial")), true},
        {"colour", QVariant(0xC0C0C0), QVariant(0xC0C0C0), false},
    };
    for (const DefaultCase& c : cases) {
        PropertyBag bag;
        bag.WriteProperty(QStringLiteral("Key"), c.value, c.defaultValue);
        EXPECT_EQ(bag.contains(QStringLiteral("Key")), c.stored) << c.name;
    }
}

TEST(PropertyBag, WritingTheDefaultRemovesAnOldValue)
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("TopTitle"), QStringLiteral("Stock"), QStringLiteral(" "));
    bag.WriteProperty(QStringLiteral("TopTitle"), QStringLiteral(" "), QStringLiteral(" "));
    EXPECT_TRUE(bag.isEmpty());
    // Without a default, any value is stored.
    bag.WriteProperty(QStringLiteral("Pages"), QString());
    EXPECT_TRUE(bag.contains(QStringLiteral("Pages")));
}

TEST(PropertyBag, KeepsNamesInTheOrderFirstWritten)
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("Color"), 1);
    bag.WriteProperty(QStringLiteral("Zoom"), 50);
    bag.WriteProperty(QStringLiteral("ClickToStop"), QStringLiteral("Stop"));
    bag.WriteProperty(QStringLiteral("Zoom"), 60);
    EXPECT_EQ(bag.names(), (QStringList{QStringLiteral("Color"), QStringLiteral("Zoom"),
                                        QStringLiteral("ClickToStop")}));
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("Zoom")).toInt(), 60);
}

TEST(PropertyBag, TravelsAsAVariantMap)
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("Copies"), 2.5f);
    bag.WriteProperty(QStringLiteral("FootTitle"), QStringLiteral("Seite"));
    const PropertyBag copy = PropertyBag::fromVariantMap(bag.toVariantMap());
    EXPECT_EQ(copy.count(), 2);
    EXPECT_FLOAT_EQ(copy.ReadProperty(QStringLiteral("Copies")).toFloat(), 2.5f);
    EXPECT_EQ(copy.ReadProperty(QStringLiteral("FootTitle")).toString(), QStringLiteral("Seite"));
}

class PropertyBagFile : public TempDirTest
{
};

TEST_F(PropertyBagFile, TravelsAsAnIniGroupThatItReplaces)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(11);
    font.setBold(true);
    {
        QSettings ini(path(QStringLiteral("form.ini")), QSettings::IniFormat);
        ini.setValue(QStringLiteral("Zentrel1/Stale"), 1);
        ini.setValue(QStringLiteral("Other/Kept"), 2);
        PropertyBag bag;
        bag.WriteProperty(QStringLiteral("TopTitle"), QStringLiteral("Stock list"));
        bag.WriteProperty(QStringLiteral("Copies"), 2.5f);
        bag.WriteProperty(QStringLiteral("SideBySide"), true);
        bag.WriteProperty(QStringLiteral("TitlesFont"), font);
        bag.saveTo(ini, QStringLiteral("Zentrel1"));
    }
    QSettings ini(path(QStringLiteral("form.ini")), QSettings::IniFormat);
    const PropertyBag bag = PropertyBag::loadFrom(ini, QStringLiteral("Zentrel1"));
    EXPECT_EQ(bag.count(), 4);
    EXPECT_FALSE(bag.contains(QStringLiteral("Stale")));
    EXPECT_EQ(ini.value(QStringLiteral("Other/Kept")).toInt(), 2);
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("TopTitle")).toString(),
              QStringLiteral("Stock list"));
    EXPECT_DOUBLE_EQ(bag.ReadProperty(QStringLiteral("Copies")).toDouble(), 2.5);
    EXPECT_TRUE(bag.ReadProperty(QStringLiteral("SideBySide")).toBool());
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("TitlesFont")).value<QFont>(), font);
}
