#pragma once

#include <functional>
#include <QDateTime>

namespace tidewell::platform {

// The program's source of "now"; tests fix it so generated files compare byte for byte.
class Clock final {
public:
    static QDateTime now();
    // A fixed source; an empty function restores the system clock.
    static void setSource(std::function<QDateTime()> source);
};

} // namespace tidewell::platform
