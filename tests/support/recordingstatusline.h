#pragma once

#include "platform/statusline.h"

#include <functional>
#include <QList>
#include <QStringList>
#include <utility>

namespace tidewell::test {

// Installs itself as the status line for its lifetime and records what reaches it.
class RecordingStatusLine final : public platform::StatusLine {
public:
    RecordingStatusLine() { install(this); }
    ~RecordingStatusLine() override { install(nullptr); }

    void statusmsg(const QString &message) override {
        messages.append(message);
        calls.append(QStringLiteral("msg:") + message);
        if (onFirstMessage) {
            const auto check = std::exchange(onFirstMessage, nullptr);
            check();
        }
    }
    void setStatusText(const QString &text) override { calls.append(QStringLiteral("text:") + text); }
    void setProgressMaximum(int maximum) override { maximums.append(maximum); }
    void setProgressPosition(int position) override { lastPosition = position; }

    QStringList messages;                 // statusmsg texts
    QStringList calls;                    // "msg:..." and "text:..." in the order they came
    QList<int> maximums;                  // every progress maximum set
    int lastPosition = -1;                // the last progress position set
    std::function<void()> onFirstMessage; // run once, at the first statusmsg
};

} // namespace tidewell::test
