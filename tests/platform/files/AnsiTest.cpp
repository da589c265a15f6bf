#include "platform/files/Ansi.h"

#include <QStringDecoder>
#include <gtest/gtest.h>

#include "support/QStringPrinter.h"

using namespace platform;

namespace {

struct CodePoint
{
    unsigned char byte;
    char32_t unicode;
};

const CodePoint knownPoints[] = {
    {0x41, U'A'},      {0x80, U'\u20AC'}, {0x82, U'\u201A'}, {0x83, U'\u0192'}, {0x8A, U'\u0160'},
    {0x91, U'\u2018'}, {0x96, U'\u2013'}, {0x99, U'\u2122'}, {0x9F, U'\u0178'}, {0xA0, U'\u00A0'},
    {0xA3, U'\u00A3'}, {0xE9, U'\u00E9'}, {0xFF, U'\u00FF'},
};

QString fromCodePoint(char32_t c)
{
    return QString::fromUcs4(&c, 1);
}

} // namespace

TEST(AnsiTest, KnownCharactersMapBothWays)
{
    for (const CodePoint& point : knownPoints) {
        SCOPED_TRACE(point.byte);
        const QByteArray byte(1, static_cast<char>(point.byte));
        EXPECT_EQ(Ansi::decode(byte), fromCodePoint(point.unicode));
        EXPECT_EQ(Ansi::encode(fromCodePoint(point.unicode)), byte);
    }
}

TEST(AnsiTest, PoundAndEuroAreSingleBytes)
{
    EXPECT_EQ(Ansi::encode(QStringLiteral("£12 €3")), QByteArray("\xA3"
                                                                 "12 \x80"
                                                                 "3"));
}

TEST(AnsiTest, EveryByteRoundTrips)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = Ansi::decode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(Ansi::encode(text), all);
}

TEST(AnsiTest, DefinedHighBytesAgreeWithSystemCodec)
{
    QStringDecoder reference("windows-1252");
    if (!reference.isValid())
        GTEST_SKIP() << "no windows-1252 codec in this Qt build";
    for (int b = 0x80; b < 0xA0; ++b) {
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D)
            continue;
        SCOPED_TRACE(b);
        const QByteArray byte(1, static_cast<char>(b));
        EXPECT_EQ(Ansi::decode(byte), reference.decode(byte));
    }
}

TEST(AnsiTest, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    EXPECT_EQ(Ansi::encode(QStringLiteral("a\u65E5\u672Cb")), QByteArray("a??b"));
    // U+0080 is not the euro sign: byte 0x80 belongs to "€".
    EXPECT_EQ(Ansi::encode(QString(QChar(0x80))), QByteArray("?"));
    // One character outside the basic plane is one "?".
    EXPECT_EQ(Ansi::encode(QStringLiteral("x\U0001F600y")), QByteArray("x?y"));
}

TEST(AnsiTest, FirstUnheldCharacterIsFoundAndNamedInTheRefusal)
{
    const struct
    {
        const char* name;
        QString text;
        QString unheld;
    } cases[] = {
        {"plain", QStringLiteral("SUMMER SALE"), QString()},
        {"western letters, pound and euro", QStringLiteral("Caf\u00E9 \u00A3\u20AC\u0160"),
         QString()},
        {"a question mark is held", QStringLiteral("WHY?"), QString()},
        {"greek", QStringLiteral("\u03A9hm"), QStringLiteral("\u03A9")},
        {"first of several", QStringLiteral("Ab\u0141\u65E5"), QStringLiteral("\u0141")},
        {"outside the basic plane", QStringLiteral("x\U0001F600"), QStringLiteral("\U0001F600")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Ansi::firstUnheld(c.text), c.unheld);
        const QString refusal = Ansi::typedTextProblem(QStringLiteral("Supplier"), c.text);
        if (c.unheld.isEmpty()) {
            EXPECT_TRUE(refusal.isEmpty());
            continue;
        }
        EXPECT_TRUE(refusal.startsWith(QStringLiteral("The field \"Supplier\" contains the "
                                                      "character \"") +
                                       c.unheld + QStringLiteral("\", which cannot be stored.")))
            << refusal.toStdString();
    }
}
