#pragma once

#include <QUuid>
#include <functional>

namespace tidewell::platform {

// Fresh GUIDs (item guids, blog page names); tests install a predictable generator.
class Guid final {
public:
    static QUuid create();
    // Text form with braces and upper-case hex digits: {8-4-4-4-12}.
    static QString createText();
    static void setGenerator(std::function<QUuid()> generator);
};

} // namespace tidewell::platform
