#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QtEndian>

#include "support/TempDirTest.h"

// A stock folder "stock/" inside each test's temporary folder, and builders
// of the stock product's disk records written out byte by byte.
class StockFolderTest : public TempDirTest
{
protected:
    static constexpr const char* Folder = "stock/";

    void SetUp() override
    {
        TempDirTest::SetUp();
        ASSERT_TRUE(QDir().mkdir(QStringLiteral("stock")));
    }

    QString stockName(const QString& name) const { return QString::fromLatin1(Folder) + name; }
    void writeStock(const QString& name, const QByteArray& bytes) const
    {
        writeBytes(stockName(name), bytes);
    }
    QByteArray readStock(const QString& name) const { return readBytes(stockName(name)); }
    bool stockExists(const QString& name) const { return QFile::exists(path(stockName(name))); }
    int stockFileCount() const
    {
        return QDir(path(QStringLiteral("stock"))).entryList(QDir::Files).size();
    }

    static QByteArray int16(qint16 value)
    {
        QByteArray bytes(2, '\0');
        qToLittleEndian<qint16>(value, bytes.data());
        return bytes;
    }
    // text cut or padded with pad to width bytes
    static QByteArray field(const QByteArray& text, int width, char pad = ' ')
    {
        QByteArray bytes = text.left(width);
        bytes.append(QByteArray(width - bytes.size(), pad));
        return bytes;
    }

    // A JAN.DAT record: department, group, previous selling price and last
    // purchase; everything else zero.
    static QByteArray itemRecord(qint16 dept, qint16 group, qint16 prevSell = 0,
                                 const QByteArray& lastPurchase = QByteArray(5, '\0'))
    {
        QByteArray r(128, '\0');
        r.replace(0, 2, int16(dept));
        r.replace(2, 2, int16(group));
        r.replace(75, 2, int16(prevSell));
        r.replace(77, 5, field(lastPurchase, 5, '\0'));
        return r;
    }
    // A JAN2.DAT record: the eight 3-byte codes, then the memo and 30 blanks.
    static QByteArray extRecord(const QList<QByteArray>& codes, const QByteArray& memo = {})
    {
        QByteArray r;
        for (int k = 0; k < 8; ++k)
            r += field(k < codes.size() ? codes[k] : QByteArray(), 3);
        r += field(memo, 60);
        r += QByteArray(30, ' ');
        return r;
    }
    static QByteArray groupRecord(const QByteArray& name)
    {
        return field(name, 12) + QByteArray(80, 'x');
    }
    static QByteArray noteRecord(const QByteArray& text)
    {
        return QByteArray("\x01\x02\x03\x04\x05\x06\x07\x08", 8) + field(text, 30);
    }
    static QByteArray lookupRecord(const QByteArray& code, const QByteArray& name)
    {
        return field(code, 4) + field(name, 16);
    }
};
