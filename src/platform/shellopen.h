#pragma once

#include <functional>
#include <QUrl>

namespace tidewell::platform {

// The desktop shell's "open" action (help file, forum page, blog preview). The desktop program installs
// the real opener; tests install a handler that records.
class ShellOpen final {
public:
    // False when nothing could open the address (no browser, no handler installed).
    static bool open(const QUrl &url);
    // An opener that tells whether it could open the address.
    static void setOpener(std::function<bool(const QUrl &)> opener);
    // A handler that always succeeds (tests); an empty one removes the opener.
    static void setHandler(std::function<void(const QUrl &)> handler);
};

} // namespace tidewell::platform
