#pragma once
// The scene graph is changed from the renderer's thread (anchor callbacks) and from the main thread
// (taps, buttons) and drawn on the main thread. Every read and write of nodes, geometries,
// materials and bodies holds this one lock; a caller that needs several steps to see one state
// (the renderer walking the tree) holds it around all of them. It is recursive so that such a
// caller may still use the accessors.
#include <mutex>
#include <utility>

namespace kit::ar {

std::recursive_mutex& sceneGraphMutex();

class SceneGraphLock {
public:
    SceneGraphLock() : lock_(sceneGraphMutex()) {}

private:
    std::lock_guard<std::recursive_mutex> lock_;
};

// One field read or written under the lock.
template <class T>
T readLocked(const T& field) {
    SceneGraphLock lock;
    return field;
}

template <class T, class U>
void writeLocked(T& field, U&& value) {
    SceneGraphLock lock;
    field = std::forward<U>(value);
}

} // namespace kit::ar
