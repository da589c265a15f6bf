#pragma once

#include <QList>
#include <QSize>

#include "platform/gdi/GdiCall.h"
#include "platform/gdi/GdiDevice.h"

namespace platform {

// A device for tests: it draws nothing and keeps every drawing call with
// the state it was made in. It reports the size and resolution it is given.
class RecordingDevice : public GdiDevice
{
public:
    explicit RecordingDevice(QSize size = QSize(800, 1100), int dotsPerInch = 96);

    const QList<GdiCall>& calls() const { return m_calls; }
    // The calls of one kind, in order.
    QList<GdiCall> callsOf(const QString& op) const;
    void clear() { m_calls.clear(); }

    bool paint(const std::function<void(QPainter&)>& draw) override;
    int deviceCaps(int index) const override;
    void record(const GdiCall& call) override;

private:
    QSize m_size;
    int m_dotsPerInch;
    QList<GdiCall> m_calls;
};

} // namespace platform
