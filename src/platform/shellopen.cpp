#include "platform/shellopen.h"

namespace tidewell::platform {

namespace {
std::function<void(const QUrl &)> &handler() {
    static std::function<void(const QUrl &)> fn;
    return fn;
}
} // namespace

void ShellOpen::open(const QUrl &url) {
    if (handler()) {
        handler()(url);
    }
}

void ShellOpen::setHandler(std::function<void(const QUrl &)> fn) {
    handler() = std::move(fn);
}

} // namespace tidewell::platform
