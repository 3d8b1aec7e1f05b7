#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace tidewell::test {

// Gives field the keyboard focus in its shown, active window; false when it cannot get it.
inline bool focusField(QWidget *field) {
    QWidget *window = field->window();
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window)) {
        return false;
    }
    field->setFocus(Qt::OtherFocusReason);
    return QTest::qWaitFor([field] { return QApplication::focusWidget() == field; });
}

// Enter pressed and released where the keyboard focus is, as a keyboard does.
inline void pressEnter() {
    QTest::keyPress(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Return);
}

// What reaches the focused field when Enter closed a message box: the box took the press, the field gets
// the release.
inline void releaseEnterThatClosedABox() {
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Return);
}

} // namespace tidewell::test
