#include "entry/store/RecordUse.h"

#include "entry/store/ZRNDBm.h"
#include "platform/runtime/Values.h"

using namespace platform;

namespace {

template <class Field> RecordUse::Result findUse(ZRNDBm& store, const QString& wanted, Field field)
{
    if (!store.isRecordFileOpen())
        return RecordUse::Result::Unknown;
    const QString key = Values::trimBlanks(wanted);
    const qint32 count = store.GetRecordNo(0);
    for (qint32 recNo = 1; recNo <= count; ++recNo) {
        bool ok = false;
        const TicketRecord record = store.GetTicketRecord(recNo, &ok);
        if (!ok)
            return RecordUse::Result::Unknown;
        if (Values::trimBlanks(field(record)) == key)
            return RecordUse::Result::Used;
    }
    return RecordUse::Result::Unused;
}

} // namespace

RecordUse::Result RecordUse::scale(ZRNDBm& store, const QString& scaleName)
{
    return findUse(store, scaleName, [](const TicketRecord& r) { return r.SizeScale; });
}

RecordUse::Result RecordUse::colour(ZRNDBm& store, const QString& colourId)
{
    return findUse(store, colourId, [](const TicketRecord& r) { return r.ColourID; });
}
