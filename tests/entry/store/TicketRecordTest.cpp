#include <QtEndian>
#include <gtest/gtest.h>

#include "entry/store/TicketRecord.h"
#include "support/QStringPrinter.h"

namespace {

qint32 int32At(const QByteArray& b, int offset)
{
    return qFromLittleEndian<qint32>(b.constData() + offset);
}

qint16 int16At(const QByteArray& b, int offset)
{
    return qFromLittleEndian<qint16>(b.constData() + offset);
}

double doubleAt(const QByteArray& b, int offset)
{
    return qFromLittleEndian<double>(b.constData() + offset);
}

TicketRecord sampleRecord()
{
    TicketRecord r;
    r.Title1 = QStringLiteral("SUMMER SALE");
    r.Title2 = QStringLiteral("LADIES");
    r.Fit = QStringLiteral("REG");
    r.ColourID = QStringLiteral("BLK");
    r.SizeScale = QStringLiteral("LADIES");
    r.Supplier = QStringLiteral("NORTHWIND");
    r.Description = QStringLiteral("COTTON SHIRT");
    r.Price = 12.99;
    r.DateCreated = 45000.0;
    r.DateLastUsed = 45010.0;
    for (int i = 0; i < 7; ++i) {
        r.TotalQty[i] = 10 + i;
        r.OrderQty[i] = 100 + i;
    }
    r.DeleteMark = 1;
    return r;
}

} // namespace

TEST(TicketRecord, EncodesEveryFieldAtItsOffset)
{
    const QByteArray b = sampleRecord().encode();
    ASSERT_EQ(b.size(), 581);

    struct TextField
    {
        const char* name;
        int offset;
        QByteArray bytes;
    };
    const TextField texts[] = {
        {"Title1", 0, "SUMMER SALE     "},
        {"Title2", 16, "LADIES          "},
        {"Fit", 32, "REG   "},
        {"ColourID", 38, "BLK"},
        {"SizeScale", 49, "LADIES    "},
        {"Supplier", 431, "NORTHWIND                "},
        {"Description", 456, "COTTON SHIRT             "},
    };
    for (const auto& t : texts)
        EXPECT_EQ(b.mid(t.offset, t.bytes.size()), t.bytes) << t.name;

    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(int32At(b, 59 + i * 4), 10 + i) << "TotalQty " << i;
        EXPECT_EQ(int32At(b, 307 + i * 4), 100 + i) << "OrderQty " << i;
    }
    EXPECT_EQ(doubleAt(b, 489), 12.99);
    EXPECT_EQ(doubleAt(b, 505), 45000.0);
    EXPECT_EQ(doubleAt(b, 513), 45010.0);
    EXPECT_EQ(int16At(b, 579), 1);
    // Little-endian, at the very end of the record.
    EXPECT_EQ(b.right(2), QByteArray::fromHex("0100"));
}

TEST(TicketRecord, TextIsCutOrBlankPaddedToItsWidth)
{
    TicketRecord r;
    r.Title1 = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"); // 26 > 16
    r.Fit = QStringLiteral("X");
    r.ColourID = QStringLiteral("REDDISH");
    r.Description = QStringLiteral("ÉCRU £5 €");
    const QByteArray b = r.encode();
    EXPECT_EQ(b.mid(0, 16), QByteArray("ABCDEFGHIJKLMNOP"));
    EXPECT_EQ(b.mid(16, 16), QByteArray(16, ' ')); // Title2 empty
    EXPECT_EQ(b.mid(32, 6), QByteArray("X     "));
    EXPECT_EQ(b.mid(38, 3), QByteArray("RED"));
    // Windows-1252: "É" C9, "£" A3, "€" 80.
    EXPECT_EQ(b.mid(456, 9), QByteArray::fromHex("c9435255") + " \xa3"
                                                               "5 \x80");

    const TicketRecord back = TicketRecord::decode(b);
    EXPECT_EQ(back.Title1, QStringLiteral("ABCDEFGHIJKLMNOP"));
    EXPECT_EQ(back.Fit, QStringLiteral("X     "));
    EXPECT_EQ(back.ColourID, QStringLiteral("RED"));
    EXPECT_EQ(back.Description, QStringLiteral("ÉCRU £5 €                "));
}

TEST(TicketRecord, NeverWrittenTextFieldsReadAsEmpty)
{
    const TicketRecord r = TicketRecord::decode(QByteArray(581, '\0'));
    EXPECT_TRUE(r.Title1.isEmpty());
    EXPECT_TRUE(r.Supplier.isEmpty());
    EXPECT_TRUE(r.SizeScale.isEmpty());
    EXPECT_EQ(r.Price, 0.0);
    EXPECT_EQ(r.DeleteMark, 0);
}

TEST(TicketRecord, ReadAndWrittenBackIsByteIdentical)
{
    // Arbitrary bytes in every numeric and reserved field, printable text in
    // the text fields.
    QByteArray original(581, '\0');
    for (int i = 0; i < 581; ++i)
        original[i] = char((i * 37 + 11) & 0xFF);
    const struct
    {
        int offset;
        int width;
    } textFields[] = {{0, 16}, {16, 16}, {32, 6}, {38, 3}, {49, 10}, {431, 25}, {456, 25}};
    for (const auto& f : textFields)
        for (int i = 0; i < f.width; ++i)
            original[f.offset + i] = char('A' + (f.offset + i) % 26);
    // Keep the doubles ordinary numbers so they compare equal.
    for (int offset : {489, 505, 513}) {
        const double value = 1234.5 + offset;
        qToLittleEndian(value, original.data() + offset);
    }

    const TicketRecord r = TicketRecord::decode(original);
    EXPECT_EQ(r.encode(), original);
    EXPECT_NE(r.Spare3, 0);
    EXPECT_NE(r.Spare15, 0);
}
