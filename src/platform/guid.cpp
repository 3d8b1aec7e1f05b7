#include "platform/guid.h"

namespace tidewell::platform {

namespace {
std::function<QUuid()> &generator() {
    static std::function<QUuid()> fn;
    return fn;
}
} // namespace

QUuid Guid::create() {
    return generator() ? generator()() : QUuid::createUuid();
}

void Guid::setGenerator(std::function<QUuid()> fn) {
    generator() = std::move(fn);
}

} // namespace tidewell::platform
