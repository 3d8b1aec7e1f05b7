#include "platform/eventpump.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace tidewell::platform {

namespace {
constexpr qint64 kIntervalMs = 20;

QElapsedTimer &lastRun() {
    static QElapsedTimer timer;
    return timer;
}
} // namespace

void letPendingEventsRun() {
    QElapsedTimer &timer = lastRun();
    if (timer.isValid() && timer.elapsed() < kIntervalMs) {
        return;
    }
    letPendingEventsRunNow();
}

void letPendingEventsRunNow() {
    if (QCoreApplication::instance()) {
        QCoreApplication::processEvents();
    }
    lastRun().start();
}

} // namespace tidewell::platform
