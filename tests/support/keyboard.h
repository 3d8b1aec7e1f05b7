#pragma once

#include "scriptedprompts.h"

#include <QApplication>
#include <QLineEdit>
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

// Enter in a field whose fetch fails at once shows one error box; the release of the Enter that closed
// the box reaches the field and must not fetch again, while the next whole Enter does. The field holds an
// address of a refused port.
inline void checkEnterReleasedByTheBoxItOpenedFetchesNothing(QLineEdit *field, ScriptedPrompts &prompts) {
    prompts.answer(platform::PromptAnswer::Ok);
    QVERIFY(focusField(field));
    pressEnter();
    QCOMPARE(prompts.asked().size(), 1); // the refused connection's error box
    releaseEnterThatClosedABox();
    QCOMPARE(prompts.asked().size(), 1);
    QCOMPARE(prompts.unexpected(), 0);
    prompts.answer(platform::PromptAnswer::Ok);
    pressEnter();
    QCOMPARE(prompts.asked().size(), 2);
}

} // namespace tidewell::test
