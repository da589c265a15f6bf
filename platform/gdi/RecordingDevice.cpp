#include "platform/gdi/RecordingDevice.h"

#include <cmath>

#include "platform/gdi/GdiTypes.h"

namespace platform {

RecordingDevice::RecordingDevice(QSize size, int dotsPerInch)
    : m_size(size), m_dotsPerInch(dotsPerInch)
{
}

QList<GdiCall> RecordingDevice::callsOf(const QString& op) const
{
    QList<GdiCall> found;
    for (const GdiCall& call : m_calls) {
        if (call.op == op)
            found << call;
    }
    return found;
}

bool RecordingDevice::paint(const std::function<void(QPainter&)>& draw)
{
    Q_UNUSED(draw);
    return false;
}

int RecordingDevice::deviceCaps(int index) const
{
    switch (index) {
    case Gdi::HORZRES:
    case Gdi::PHYSICALWIDTH:
        return m_size.width();
    case Gdi::VERTRES:
    case Gdi::PHYSICALHEIGHT:
        return m_size.height();
    case Gdi::HORZSIZE:
        return int(std::lround(m_size.width() * 25.4 / m_dotsPerInch));
    case Gdi::VERTSIZE:
        return int(std::lround(m_size.height() * 25.4 / m_dotsPerInch));
    case Gdi::BITSPIXEL:
        return 32;
    case Gdi::PLANES:
        return 1;
    case Gdi::LOGPIXELSX:
    case Gdi::LOGPIXELSY:
        return m_dotsPerInch;
    default:
        return 0;
    }
}

void RecordingDevice::record(const GdiCall& call)
{
    m_calls << call;
}

} // namespace platform
