#include "entry/store/EntryLayoutDefaults.h"

#include "entry/store/TicketLayoutFile.h"
#include "entry/store/ZRNDBm.h"
#include "platform/runtime/Values.h"

using namespace platform;

namespace {

constexpr qint16 True16 = -1;
constexpr qint16 False16 = 0;

TicketFileRecord uniformLayout(const QString& fontName, qint16 fontSize, int shownFields,
                               qint16 ticketType)
{
    TicketFileRecord rec;
    for (int i = 0; i < TicketFileRecord::FieldCount; ++i) {
        rec.FontName[i] = Values::fixedWidth(fontName, TicketFileRecord::FontNameWidth);
        rec.FontSize[i] = fontSize;
        rec.FontBold[i] = False16;
        rec.FontItalic[i] = False16;
        rec.FontUnderline[i] = False16;
        rec.FontStrikethru[i] = False16;
        rec.ForeColour[i] =
            Values::fixedWidth(QStringLiteral("0"), TicketFileRecord::ForeColourWidth);
        rec.ShowField[i] = i < shownFields ? True16 : False16;
        rec.FieldOffset[i] = 0;
    }
    rec.TicketType = ticketType;
    return rec;
}

} // namespace

namespace EntryLayoutDefaults {

TicketFileRecord layout(qint16 recNo)
{
    if (recNo >= 6 && recNo <= 10)
        return uniformLayout(QStringLiteral("Small Fonts"), 6, 4, 1);
    return uniformLayout(QStringLiteral("Times New Roman"), 8, 9, 0);
}

bool write(ZRNDBm& store, QString* error)
{
    // One whole file through a save file: a program stopped part-way leaves
    // no file rather than a short one.
    const QString fileName = Values::trimRightBlanks(store.TicketFileName);
    store.TicketBuffer = layout(10);
    return TicketLayoutFile::saveDefaults(fileName, &layout, error);
}

} // namespace EntryLayoutDefaults
