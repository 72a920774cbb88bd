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
// The settings live in the store, a layer above this one (programs that only draw have none): the
// store hands in how to read that key when it opens them.
void setUnsatisfiableConstraintsSetting(bool (*readSetting)());

} // namespace kit::layout
