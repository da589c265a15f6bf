#include "control/core/HostFormAdapter.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "platform/controls/ControlMembers.h"
#include "platform/controls/FormControls.h"

using namespace platform;

namespace {

const char* const ScaleModeKey = "ScaleMode";

} // namespace

HostFormAdapter::HostFormAdapter(QWidget* form) : m_form(form) {}

QString HostFormAdapter::Caption() const
{
    return m_form ? m_form->windowTitle() : QString();
}

QString HostFormAdapter::Name() const
{
    if (!m_form)
        return QString();
    if (!m_form->objectName().isEmpty())
        return m_form->objectName();
    return QString::fromLatin1(m_form->metaObject()->className());
}

int HostFormAdapter::Count() const
{
    return int(Controls().size());
}

QList<QWidget*> HostFormAdapter::Controls() const
{
    return FormControls::of(m_form);
}

int HostFormAdapter::ScaleMode() const
{
    if (!m_form)
        return 1;
    const QVariant member = ControlMembers::read(m_form, QString::fromLatin1(ScaleModeKey));
    if (member.isValid())
        return member.toInt();
    const QVariant mode = m_form->property(ScaleModeKey);
    return mode.isValid() ? mode.toInt() : 1;
}

void HostFormAdapter::setScaleMode(int mode)
{
    if (!m_form)
        return;
    if (!ControlMembers::write(m_form, QString::fromLatin1(ScaleModeKey), mode))
        m_form->setProperty(ScaleModeKey, mode);
}

int HostFormAdapter::WindowState() const
{
    if (!m_form)
        return 0;
    const Qt::WindowStates state = m_form->windowState();
    if (state & Qt::WindowMinimized)
        return 1;
    if (state & Qt::WindowMaximized)
        return 2;
    return 0;
}

int HostFormAdapter::Left() const
{
    return m_form ? m_form->frameGeometry().x() * TwipsPerPixel : 0;
}

int HostFormAdapter::Top() const
{
    return m_form ? m_form->frameGeometry().y() * TwipsPerPixel : 0;
}

int HostFormAdapter::Width() const
{
    return m_form ? m_form->frameGeometry().width() * TwipsPerPixel : 0;
}

int HostFormAdapter::Height() const
{
    return m_form ? m_form->frameGeometry().height() * TwipsPerPixel : 0;
}

bool HostFormAdapter::RightToLeft() const
{
    // A form of its own kind may say so by a RightToLeft member; any other
    // form is right to left when it is laid out from the right.
    const QVariant member = ControlMembers::read(m_form, QStringLiteral("RightToLeft"));
    if (member.isValid())
        return member.toBool();
    return m_form && m_form->layoutDirection() == Qt::RightToLeft;
}

bool HostFormAdapter::isMdiParent() const
{
    return ControlMembers::has(m_form, QStringLiteral("AutoShowChildren"));
}

QWidget* HostFormAdapter::ActiveForm() const
{
    if (!m_form)
        return nullptr;
    const QVariant active = ControlMembers::read(m_form, QStringLiteral("ActiveForm"));
    if (auto* form = qobject_cast<QWidget*>(active.value<QObject*>()))
        return form;
    if (auto* area = m_form->findChild<QMdiArea*>()) {
        if (QMdiSubWindow* window = area->activeSubWindow())
            return window->widget();
        const QList<QMdiSubWindow*> windows = area->subWindowList(QMdiArea::StackingOrder);
        if (!windows.isEmpty())
            return windows.last()->widget();
    }
    return nullptr;
}

QImage HostFormAdapter::picture() const
{
    return m_form ? m_form->grab().toImage() : QImage();
}
