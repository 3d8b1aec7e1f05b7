#pragma once

#include <functional>
#include <QUuid>

namespace tidewell::platform {

// Fresh GUIDs (item guids, blog page names); tests install a predictable generator.
class Guid final {
public:
    static QUuid create();
    static void setGenerator(std::function<QUuid()> generator);
};

} // namespace tidewell::platform
