#include "feeds/keyupfilter.h"

#include <QKeyEvent>
#include <QWidget>

namespace tidewell::feeds {

namespace {
bool isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
} // namespace

KeyUpFilter::KeyUpFilter(QWidget *field, std::function<void(int key)> keyUp)
    : QObject(field), m_keyUp(std::move(keyUp)) {
    field->installEventFilter(this);
}

void KeyUpFilter::install(QWidget *field, std::function<void(int key)> keyUp) {
    new KeyUpFilter(field, std::move(keyUp));
}

bool KeyUpFilter::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (isEnter(key->key())) {
            if (!key->isAutoRepeat()) {
                m_enterPressed = true;
            }
            // Enter belongs to the field's command alone: the press must not reach the dialog's default
            // button, nor let an editable combo box add its text to its list.
            return true;
        }
        break;
    }
    case QEvent::KeyRelease: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!isEnter(key->key())) {
            m_keyUp(key->key());
        } else if (m_enterPressed && !key->isAutoRepeat()) {
            m_enterPressed = false;
            m_keyUp(key->key());
        }
        break;
    }
    case QEvent::FocusOut:
        // A press whose release goes elsewhere (a box came up in between) is forgotten.
        m_enterPressed = false;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tidewell::feeds
