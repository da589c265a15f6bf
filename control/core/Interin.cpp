#include "control/core/Interin.h"

#include <QMdiSubWindow>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>

#include "control/core/SharedState.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/Placement.h"
#include "platform/gdi/DoEvents.h"

using namespace platform;

namespace {

constexpr int TwipsPerPixel = 15;
// The window reaches this far below the host form (twips).
constexpr int ExtraHeight = 18;

// The rectangle on the screen the overlay covers, in pixels: a window's
// outer frame, or for a form inside a multiple-document area the
// sub-window that holds it.
QRect coveredRect(const QWidget* host)
{
    if (host->isWindow())
        return host->frameGeometry();
    const QWidget* holder = host;
    if (auto* sub = qobject_cast<const QMdiSubWindow*>(host->parentWidget()))
        holder = sub;
    return QRect(holder->mapToGlobal(QPoint(0, 0)), holder->size());
}

} // namespace

// ---- InterinForm ----

InterinForm::InterinForm(QWidget* parent) : Control<QWidget>(parent)
{
    setObjectName(QStringLiteral("Interin"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setPointSizeF(8.25);
    setFont(windowFont);
    setBackColor(0xC0C0C0);
    setCursor(Qt::WaitCursor);
    resize(DesignWidth / TwipsPerPixel, DesignHeight / TwipsPerPixel);

    Stoper = placeControl<CommandButton>(this, QStringLiteral("Stoper"), 1155, 420, 2475, 1230);
    Stoper->setCheckable(true);
    Stoper->setBackColor(0xC0C0C0);
    Stoper->setCursor(Qt::BusyCursor);
    connect(Stoper, &CommandButton::Click, this, [] { SharedState::get().PrintAborted = true; });
}

void InterinForm::setPicture(const QImage& picture, const QPoint& at)
{
    m_picture = picture;
    m_pictureAt = at;
    update();
}

void InterinForm::paintEvent(QPaintEvent* event)
{
    Control<QWidget>::paintEvent(event);
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(m_pictureAt, m_picture);
}

void InterinForm::resizeEvent(QResizeEvent* event)
{
    Control<QWidget>::resizeEvent(event);
    Interin::get().Circulo();
}

// ---- Interin ----

Interin& Interin::get()
{
    static Interin window;
    return window;
}

void Interin::reset()
{
    delete m_form.data();
}

InterinForm& Interin::form()
{
    if (!m_form)
        m_form = new InterinForm();
    return *m_form;
}

CommandButton& Interin::Stoper()
{
    return *form().Stoper;
}

QPointF Interin::stoperPlace(double windowWidth, double windowHeight, double stoperWidth,
                             double stoperHeight)
{
    // On a form too small for that place the button stays inside the
    // window, where it can still be pressed.
    return QPointF(std::max(0.0, windowWidth / 2 - stoperWidth / 2),
                   std::max(0.0, windowHeight / 3 - (stoperHeight + 300)));
}

void Interin::Circulo()
{
    if (!m_form || !m_form->Stoper)
        return;
    InterinForm& f = *m_form;
    const QPointF place = stoperPlace(f.Width(), f.Height(), f.Stoper->Width(), f.Stoper->Height());
    f.Stoper->Move(qRound(place.x()), qRound(place.y()), f.Stoper->Width(), f.Stoper->Height());
}

void Interin::ShowProgressOverlay(QWidget* hostForm, QWidget* captionForm, bool hideStopBtn)
{
    if (!hostForm)
        return;
    // The window stays above the host form's window while it is loaded.
    if (m_form && m_form->parentWidget() != hostForm->window()) {
        delete m_form.data();
    }
    if (!m_form)
        m_form = new InterinForm(hostForm->window());
    // The host may close (and so delete) its form, and this window with it,
    // while events run: nothing of either is touched afterwards.
    const QPointer<QWidget> host(hostForm);
    InterinForm& f = *m_form;
    f.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    const QRect covered = coveredRect(hostForm);
    f.setWindowTitle(captionForm ? captionForm->window()->windowTitle() : QString());
    DoEvents();
    if (!host || !m_form)
        return;

    // The host form's picture lies where its client area lies inside the
    // covered rectangle (below its title bar).
    const QPoint clientAt = hostForm->mapToGlobal(QPoint(0, 0)) - covered.topLeft();
    f.setPicture(hostForm->grab().toImage(), clientAt);
    f.Stoper->setVisible(!hideStopBtn);

    f.Move(covered.x() * TwipsPerPixel, covered.y() * TwipsPerPixel,
           covered.width() * TwipsPerPixel, covered.height() * TwipsPerPixel + ExtraHeight);
    if (!hideStopBtn)
        f.Stoper->setTop(qRound(f.Height() / 3.0));
    DoEvents();
    if (!host || !m_form)
        return;
    f.show();
    f.raise();
    // Its first display places the button as every resize does.
    Circulo();
}

void Interin::Finito()
{
    if (!m_form)
        return;
    InterinForm* f = m_form.data();
    m_form = nullptr;
    f->hide();
    f->deleteLater();
}

void Interin::ZOrder()
{
    if (m_form)
        m_form->raise();
}
