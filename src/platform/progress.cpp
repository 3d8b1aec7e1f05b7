#include "platform/progress.h"

#include "platform/statusline.h"

namespace tidewell::platform {

namespace {
class SilentProgress final : public Progress {
public:
    void status(const QString &) override {}
};

class StatusLineProgress final : public Progress {
public:
    void status(const QString &text) override { StatusLine::current().statusmsg(text); }
    void setMaximum(int maximum) override { StatusLine::current().setProgressMaximum(maximum); }
    void setPosition(int position) override { StatusLine::current().setProgressPosition(position); }
};
} // namespace

Progress &Progress::mainStatusLine() {
    static StatusLineProgress line;
    return line;
}

Progress &Progress::silent() {
    static SilentProgress silent;
    return silent;
}

} // namespace tidewell::platform
