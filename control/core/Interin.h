#pragma once

#include <QImage>
#include <QPointF>
#include <QPointer>
#include <QWidget>

#include "platform/controls/Control.h"

namespace platform {
class CommandButton;
} // namespace platform

// The visual part of the progress window: a frameless window that shows a
// frozen picture of the host form, the hourglass pointer, and the stop
// button Stoper in its middle.
class InterinForm : public platform::Control<QWidget>
{
    Q_OBJECT

public:
    static constexpr int DesignWidth = 4680;
    static constexpr int DesignHeight = 3210;

    explicit InterinForm(QWidget* parent = nullptr);

    // The stop button: a push button whose caption counts the pages.
    platform::CommandButton* Stoper = nullptr;

    // The host form's picture and where it lies (pixels).
    void setPicture(const QImage& picture, const QPoint& at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage m_picture;
    QPoint m_pictureAt;
};

// The progress and stop window: one object for the whole library, made at
// first use and kept. ShowProgressOverlay loads and shows its visual part
// over the host form at the start of a job; Finito unloads it. Pressing
// Stoper sets PrintAborted; the running job sees it at its next test.
class Interin
{
public:
    static Interin& get();
    // Unloads the visual part (tests).
    void reset();

    // The visual part, loaded on first touch.
    InterinForm& form();
    bool isLoaded() const { return !m_form.isNull(); }
    platform::CommandButton& Stoper();

    // Covers hostForm with the window: its picture, the caption of
    // captionForm (the control's own form), the stop button unless
    // hideStopBtn. A host form inside a multiple-document area is covered
    // where its sub-window lies.
    void ShowProgressOverlay(QWidget* hostForm, QWidget* captionForm, bool hideStopBtn);
    // Unloads the window; nothing when it is not loaded.
    void Finito();
    // Places Stoper as a resize does.
    void Circulo();
    // Brings the window back in front of other windows (ZOrder 0); nothing
    // when it is not loaded.
    void ZOrder();

    // Where a resize puts Stoper in a window of the given size (twips):
    // centred across, a third of the way down less its height and 300,
    // never above or left of the window's edge.
    static QPointF stoperPlace(double windowWidth, double windowHeight, double stoperWidth,
                               double stoperHeight);

private:
    Interin() = default;

    QPointer<InterinForm> m_form;
};
