#pragma once

#include <QChar>
#include <QString>

// A department as GetDept delivers it: the 13-character name, the department
// number and the size-scale letter. Zero-filled until a department is read.
struct StockDeptInfo
{
    static constexpr int NameWidth = 13;

    QString DName = QString(NameWidth, QChar(0));
    qint16 Num = 0;
    QString sscale = QString(1, QChar(0));
};
