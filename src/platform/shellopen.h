#pragma once

#include <functional>
#include <QUrl>

namespace tidewell::platform {

// The desktop shell's "open" action (help file, forum page, blog preview). The desktop program installs
// the real handler; tests install one that records.
class ShellOpen final {
public:
    static void open(const QUrl &url);
    static void setHandler(std::function<void(const QUrl &)> handler);
};

} // namespace tidewell::platform
