#include "control/core/SharedState.h"

#include <QFile>

#include "control/core/OffScreenDC.h"

using namespace platform;

namespace {

// MemAvailable of /proc/meminfo in bytes; 0 when it cannot be read (0
// never stops a preview).
quint64 systemAvailableMemory()
{
    QFile meminfo(QStringLiteral("/proc/meminfo"));
    if (!meminfo.open(QIODevice::ReadOnly))
        return 0;
    while (!meminfo.atEnd()) {
        const QByteArray line = meminfo.readLine();
        if (line.startsWith("MemAvailable:")) {
            const QList<QByteArray> parts = line.simplified().split(' ');
            if (parts.size() >= 2)
                return parts[1].toULongLong() * 1024;
        }
    }
    return 0;
}

} // namespace

SharedState::SharedState() : AvailableMemory(systemAvailableMemory) {}

SharedState::~SharedState() = default;

SharedState::SharedState(SharedState&&) noexcept = default;

SharedState& SharedState::operator=(SharedState&&) noexcept = default;

SharedState& SharedState::get()
{
    static SharedState state;
    return state;
}

void SharedState::reset()
{
    *this = SharedState();
}

OffScreenDC* SharedState::previewPage(int index) const
{
    if (index < 0 || index >= int(PreviewPages.size()))
        return nullptr;
    return PreviewPages[size_t(index)].get();
}
