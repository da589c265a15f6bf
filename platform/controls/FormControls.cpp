#include "platform/controls/FormControls.h"

#include <QWidget>
#include <algorithm>

#include "platform/controls/FormMember.h"

QList<QWidget*> FormControls::of(const QWidget* form)
{
    QList<QWidget*> controls;
    if (!form)
        return controls;
    for (QWidget* widget : form->findChildren<QWidget*>()) {
        if (FormMember::of(widget))
            controls << widget;
    }
    std::stable_sort(controls.begin(), controls.end(), [](QWidget* a, QWidget* b) {
        return FormMember::of(a)->creationIndex() < FormMember::of(b)->creationIndex();
    });
    return controls;
}
