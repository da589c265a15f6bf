#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

// Runs act on the modal dialog of type T once it is shown. If none comes
// within about a minute the test fails, and from then on any modal dialog is
// rejected as soon as it shows, so the test cannot hang however slow the
// machine is. The timers belong to guard, so none outlives the test.
template <typename T>
void whenShown(QObject* guard, std::function<void(T*)> act, int triesLeft = 6000)
{
    QTimer::singleShot(triesLeft == 6000 ? 0 : 10, guard, [guard, act, triesLeft] {
        QWidget* modal = QApplication::activeModalWidget();
        if (triesLeft < 0) {
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                whenShown<T>(guard, act, triesLeft);
            return;
        }
        if (auto* dialog = qobject_cast<T*>(modal)) {
            act(dialog);
            return;
        }
        if (triesLeft > 0) {
            whenShown<T>(guard, act, triesLeft - 1);
            return;
        }
        ADD_FAILURE() << "the dialog did not appear";
        whenShown<T>(guard, act, -1);
    });
}
