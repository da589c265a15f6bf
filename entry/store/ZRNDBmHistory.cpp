// The field history of the data set in use.

#include "entry/store/ZRNDBm.h"

#include "platform/runtime/Values.h"

using namespace platform;

bool ZRNDBm::LoadFieldHistory()
{
    return History.load(Values::trimRightBlanks(HistoryFileName), &m_lastError);
}

bool ZRNDBm::SaveFieldHistory()
{
    return History.save(Values::trimRightBlanks(HistoryFileName), &m_lastError);
}
