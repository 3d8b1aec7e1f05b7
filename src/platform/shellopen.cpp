#include "platform/shellopen.h"

namespace tidewell::platform {

namespace {
std::function<bool(const QUrl &)> &opener() {
    static std::function<bool(const QUrl &)> fn;
    return fn;
}
} // namespace

bool ShellOpen::open(const QUrl &url) {
    return opener() && opener()(url);
}

void ShellOpen::setOpener(std::function<bool(const QUrl &)> fn) {
    opener() = std::move(fn);
}

void ShellOpen::setHandler(std::function<void(const QUrl &)> handler) {
    if (!handler) {
        opener() = nullptr;
        return;
    }
    opener() = [handler = std::move(handler)](const QUrl &url) {
        handler(url);
        return true;
    };
}

} // namespace tidewell::platform
