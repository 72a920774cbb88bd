#pragma once
// Reference types are shared objects made in two steps: construct, then initialize(), so that
// set-up which calls overridable operations or hands out weak_from_this() runs on the finished object.
#include <memory>
#include <utility>

namespace kit {

template <class T, class... Args>
std::shared_ptr<T> make(Args&&... args) {
    auto object = std::make_shared<T>(std::forward<Args>(args)...);
    if constexpr (requires { object->initialize(); }) object->initialize();
    return object;
}

} // namespace kit
