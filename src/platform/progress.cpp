#include "platform/progress.h"

namespace tidewell::platform {

namespace {
class SilentProgress final : public Progress {
public:
    void status(const QString &) override {}
};
} // namespace

Progress &Progress::silent() {
    static SilentProgress silent;
    return silent;
}

} // namespace tidewell::platform
