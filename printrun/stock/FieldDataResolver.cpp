#include "printrun/stock/FieldDataResolver.h"

#include <QStringList>

#include "platform/runtime/Values.h"
#include "printrun/stock/StockText.h"

using namespace platform;

namespace {

// The code of the extended record and the table each lookup keyword uses.
struct LookupKeyword
{
    const char* keyword;
    int codeIndex; // 0-based: code k + 1
    qint16 table;
};

constexpr LookupKeyword LookupKeywords[] = {
    {"TFrec1", 1, 0}, // code 2, seasons
    {"TFrec2", 0, 1}, // code 1, fashion
    {"TFrec3", 2, 2}, // code 3, print type
    {"TFrec4", 3, 3}, // code 4, fabric
    {"TFrec5", 6, 4}, // code 7, style
};

} // namespace

bool FieldDataResolver::stockOk()
{
    if (m_stock.lastError().isEmpty())
        return true;
    if (m_lastError.isEmpty())
        m_lastError = m_stock.lastError();
    return false;
}

QString FieldDataResolver::GetFieldData(qint16 RecNo, const QString& Keyword)
{
    m_lastError.clear();
    const QString result = resolve(RecNo, Keyword);
    if (!m_lastError.isEmpty())
        return QString();
    if (result == QLatin1String("N/A"))
        return QString();
    return result;
}

QString FieldDataResolver::resolve(qint16 RecNo, const QString& Keyword)
{
    if (Keyword == QLatin1String("default"))
        return QString();
    for (int n = 1; n <= 4; ++n) {
        if (Keyword == QStringLiteral("Logo%1.bmp").arg(n))
            return QStringLiteral("{logo%1}").arg(n);
    }

    for (const LookupKeyword& lookup : LookupKeywords) {
        if (Keyword == QLatin1String(lookup.keyword))
            return RecNo < 1 ? QString() : lookupField(RecNo, lookup.codeIndex, lookup.table);
    }

    static const QStringList recordKeywords = {
        QStringLiteral("full grp name"), QStringLiteral("full dpt name"),
        QStringLiteral("full colour"),   QStringLiteral("dpt note"),
        QStringLiteral("rec note"),      QStringLiteral("Prev sell"),
        QStringLiteral("Memo"),          QStringLiteral("G,D,R num"),
        QStringLiteral("LastP MMYY")};
    if (!recordKeywords.contains(Keyword) || RecNo < 1)
        return QString();

    // Every buffer starts zero-filled: a reader that finds nothing leaves
    // its NULs for the caller to see.
    if (Keyword == QLatin1String("full colour")) {
        StockColourRecord colour;
        QString colRef;
        m_stock.GetColour(RecNo, colour, colRef);
        return stockOk() ? colour.ColourName : QString();
    }
    if (Keyword == QLatin1String("rec note")) {
        StockNoteRecord note;
        m_stock.GetNote(RecNo, note, 2);
        return stockOk() ? note.NoteText : QString();
    }
    if (Keyword == QLatin1String("Memo")) {
        StockItemExtRecord ext;
        m_stock.GetStockItem2(RecNo, ext);
        return stockOk() ? Values::trimBlanks(ext.Memo) : QString();
    }

    StockItemRecord item;
    m_stock.GetStockItem(RecNo, item);
    if (!stockOk())
        return QString();

    if (Keyword == QLatin1String("full grp name")) {
        if (item.GroupID < 1)
            return QString();
        StockGroupInfo group;
        m_stock.GetGroup(item.GroupID, group);
        return stockOk() ? group.GName : QString();
    }
    if (Keyword == QLatin1String("full dpt name")) {
        if (item.DeptID < 1)
            return QString();
        StockDeptInfo dept;
        m_stock.GetDept(item.DeptID, dept);
        return stockOk() ? dept.DName : QString();
    }
    if (Keyword == QLatin1String("dpt note")) {
        if (item.DeptID < 1)
            return QString();
        StockNoteRecord note;
        m_stock.GetNote(item.DeptID, note, 1);
        return stockOk() ? note.NoteText : QString();
    }
    if (Keyword == QLatin1String("Prev sell")) {
        return QStringLiteral("RRP: ") + m_currencySymbol1 +
               Values::formatNumber(item.PrevSell, QStringLiteral("#####0.00"));
    }
    if (Keyword == QLatin1String("G,D,R num")) {
        return Values::signBlank(item.GroupID) + QLatin1Char(' ') + Values::signBlank(item.DeptID) +
               QStringLiteral(" ????????");
    }
    // "LastP MMYY": month and two-digit year of the last purchase.
    const QString date = StockText::StockDateToText(item.LastPurchase);
    if (date.isEmpty())
        return QString();
    return date.mid(3, 2) + date.right(2);
}

QString FieldDataResolver::lookupField(qint16 RecNo, int codeIndex, qint16 table)
{
    StockItemExtRecord ext;
    m_stock.GetStockItem2(RecNo, ext);
    if (!stockOk())
        return QString();
    m_stock.LoadLookupTables();
    if (!stockOk())
        return QString();

    const QString code = StockText::StripNulls(ext.Code[codeIndex])
                             .leftJustified(StockItemExtRecord::CodeWidth, QLatin1Char(' '));
    if (Values::trimBlanks(code).isEmpty())
        return QString();
    const QString name = m_stock.LookupName(table, code);
    if (!stockOk())
        return QString();
    return StockText::ProperCase(name);
}
