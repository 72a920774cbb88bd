#pragma once
// Lays out one tree of layout items: turns the active constraints, the intrinsic sizes and the
// frames of frame-placed items into a constraint system, solves it incrementally and writes the
// frames of the constraint-placed items. Reached through LayoutItem::layoutConstraintTree().
#include <memory>

namespace kit::layout {

class LayoutItem;

class Engine {
public:
    explicit Engine(LayoutItem& root);
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    void layout();

private:
    struct State;
    LayoutItem& root_;
    std::unique_ptr<State> state_;
};

// Whether unsatisfiable constraints are reported on the console. On unless the settings key
// "_UIConstraintBasedLayoutLogUnsatisfiable" holds false.
bool logsUnsatisfiableConstraints();

} // namespace kit::layout
