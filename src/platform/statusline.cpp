#include "platform/statusline.h"

#include "platform/clock.h"

#include <QLocale>

namespace tidewell::platform {

namespace {
class SilentStatusLine final : public StatusLine {
public:
    void statusmsg(const QString &) override {}
    void setStatusText(const QString &) override {}
    void setProgressMaximum(int) override {}
    void setProgressPosition(int) override {}
};

StatusLine *&installed() {
    static StatusLine *line = nullptr;
    return line;
}
} // namespace

StatusLine &StatusLine::current() {
    static SilentStatusLine silent;
    return installed() ? *installed() : silent;
}

void StatusLine::install(StatusLine *line) {
    installed() = line;
}

QString StatusLine::timedMessage(const QString &message) {
    // AM/PM in English letters whatever the locale: the format is fixed.
    const QString time = QLocale::c().toString(Clock::now().time(), QStringLiteral("hh:mm AP"));
    return time + QStringLiteral(" - ") + message;
}

} // namespace tidewell::platform
