#pragma once
// Helpers of the window tests.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs fn on the dialog of type T as soon as it shows (checking every 10 ms),
// so a test can answer a modal dialog the command under test opens.
template <class T>
void whenShown(std::function<void(T*)> fn, int tries = 500) {
    QTimer::singleShot(10, [fn, tries] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* t = qobject_cast<T*>(w); t && t->isVisible()) {
                fn(t);
                return;
            }
        if (tries > 0) whenShown<T>(fn, tries - 1);
    });
}
