#include "platform/controls/FormControls.h"

#include <QWidget>
#include <algorithm>

#include "platform/controls/FormMember.h"

namespace platform {

namespace {

// Whether a control lies inside a control that is no container (one of a
// composite control's own parts), below `form`.
bool isPartOfComposite(const QWidget* control, const QWidget* form)
{
    for (const QWidget* up = control->parentWidget(); up && up != form; up = up->parentWidget()) {
        const FormMember* member = FormMember::of(up);
        if (member && !member->isContainer())
            return true;
    }
    return false;
}

} // namespace

QList<QWidget*> FormControls::of(const QWidget* form)
{
    QList<QWidget*> controls;
    if (!form)
        return controls;
    for (QWidget* widget : form->findChildren<QWidget*>()) {
        if (FormMember::of(widget) && !isPartOfComposite(widget, form))
            controls << widget;
    }
    std::stable_sort(controls.begin(), controls.end(), [](QWidget* a, QWidget* b) {
        return FormMember::of(a)->creationIndex() < FormMember::of(b)->creationIndex();
    });
    return controls;
}

} // namespace platform
