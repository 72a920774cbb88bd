#include "kit/layout/Engine.h"

#include "kit/layout/LayoutItem.h"
#include "kit/store/Defaults.h"

namespace kit::layout {

struct Engine::State {};

Engine::Engine(LayoutItem& root) : root_(root), state_(std::make_unique<State>()) {}
Engine::~Engine() = default;

void Engine::layout() {}

bool logsUnsatisfiableConstraints() {
    auto& d = Defaults::standard();
    const char* key = "_UIConstraintBasedLayoutLogUnsatisfiable";
    return !d.hasValue(key) || d.boolean(key);
}

} // namespace kit::layout
