#include "printrun/designer/PrintRunLayoutDefaults.h"

#include "entry/store/EntryLayoutDefaults.h"
#include "platform/runtime/Values.h"

using namespace platform;

namespace PrintRunLayoutDefaults {

TicketFileRecord layout(qint16 recNo)
{
    TicketFileRecord rec = EntryLayoutDefaults::layout(recNo);
    if (rec.TicketType == 0) {
        for (QString& name : rec.FontName)
            name = Values::fixedWidth(QStringLiteral("Arial"), TicketFileRecord::FontNameWidth);
    }
    return rec;
}

} // namespace PrintRunLayoutDefaults
