#pragma once

#include <QImage>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>


// What a job reads of the host form the control sits on: its caption and
// name, its controls (in creation order, without the parts of composite
// controls), its scale mode, window state, place and size in twips, the
// active child of a multiple-document parent, and its picture.
class HostFormAdapter
{
public:
    static constexpr int TwipsPerPixel = 15;

    explicit HostFormAdapter(QWidget* form);

    QWidget* widget() const { return m_form.data(); }
    bool isValid() const { return !m_form.isNull(); }

    QString Caption() const;
    // The form's name (its object name, else its class name).
    QString Name() const;
    // The number of controls on the form.
    int Count() const;
    QList<QWidget*> Controls() const;
    // 1 twips; the form keeps what it is given (a form property).
    int ScaleMode() const;
    void setScaleMode(int mode);
    // 0 normal, 1 minimised, 2 maximised.
    int WindowState() const;
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    // The form's RightToLeft member; false when it has none.
    bool RightToLeft() const;
    // Whether the form is a multiple-document parent (it has the
    // AutoShowChildren member).
    bool isMdiParent() const;
    // The child form on top of a multiple-document parent (its ActiveForm
    // member, or the active window of an MDI area in it); null when none.
    QWidget* ActiveForm() const;
    // The form's current picture, for the progress window.
    QImage picture() const;

private:
    QPointer<QWidget> m_form;
};
