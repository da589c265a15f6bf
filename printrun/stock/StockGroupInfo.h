#pragma once

#include <QChar>
#include <QString>

// A group as GetGroup delivers it: the 12-character stored name followed by
// 4 blanks, and the group number. Zero-filled until a group is read.
struct StockGroupInfo
{
    static constexpr int NameWidth = 16;

    QString GName = QString(NameWidth, QChar(0));
    qint16 Num = 0;
};
