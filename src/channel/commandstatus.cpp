#include "channel/commandstatus.h"

#include "platform/statusline.h"

#include <QAbstractButton>
#include <QAction>

namespace tidewell::channel {

void clearStatusLineBefore(std::initializer_list<QObject *> commands) {
    const auto clear = [] { platform::StatusLine::current().setStatusText(QString()); };
    for (QObject *command : commands) {
        if (auto *button = qobject_cast<QAbstractButton *>(command)) {
            QObject::connect(button, &QAbstractButton::clicked, button, clear);
        } else if (auto *action = qobject_cast<QAction *>(command)) {
            QObject::connect(action, &QAction::triggered, action, clear);
        }
    }
}

} // namespace tidewell::channel
