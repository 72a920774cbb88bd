// Constraint solving for a screen of about 60 views and 150 constraints, as a wheel screen rebuilds.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "kit/layout/LayoutItem.h"

namespace {

using namespace kit::layout;

class View : public LayoutItem {
public:
    explicit View(View* parent, kit::Rect frame = {}) : parent_(parent), frame_(frame) {
        if (parent) parent->children_.push_back(this);
    }
    kit::Rect layoutFrame() const override { return frame_; }
    void setLayoutFrame(const kit::Rect& f) override { frame_ = f; }
    LayoutItem* layoutSuperitem() const override { return parent_; }
    std::vector<LayoutItem*> layoutSubitems() const override { return {children_.begin(), children_.end()}; }
    kit::Size intrinsicContentSize() const override { return intrinsic; }
    kit::Size intrinsic{noIntrinsicMetric, noIntrinsicMetric};

private:
    View* parent_;
    kit::Rect frame_;
    std::vector<View*> children_;
};

// 1 root, 5 rows of 11 items (4 of them frame-placed per row) plus 4 bars: 60 items, 161 constraints.
struct Screen {
    std::vector<std::unique_ptr<View>> views;
    std::vector<std::shared_ptr<Constraint>> constraints;
    std::shared_ptr<Constraint> adjustable;
    View* root;

    Screen() {
        views.push_back(std::make_unique<View>(nullptr, kit::Rect{0, 0, 390, 844}));
        root = views.back().get();
        View* above = nullptr;
        for (int row = 0; row < 5; ++row) {
            View* strip = make(root);
            add(strip->leftAnchor().equalTo(root->leftAnchor(), 16));
            add(strip->rightAnchor().equalTo(root->rightAnchor(), -16));
            add(above ? strip->topAnchor().equalTo(above->bottomAnchor(), 8)
                      : strip->topAnchor().equalTo(root->safeAreaLayoutGuide().topAnchor(), 60));
            add(strip->heightAnchor().equalToConstant(120));
            View* previous = nullptr;
            for (int i = 0; i < 6; ++i) {
                View* label = make(strip);
                label->intrinsic = {40, 21};
                add(previous ? label->leftAnchor().equalTo(previous->rightAnchor(), 4)
                             : label->leftAnchor().equalTo(strip->leftAnchor(), 8));
                add(label->centerYAnchor().equalTo(strip->centerYAnchor()));
                add(label->widthAnchor().greaterThanOrEqualToConstant(30));
                add(label->heightAnchor().lessThanOrEqualTo(strip->heightAnchor(), -10));
                previous = label;
            }
            add(previous->rightAnchor().lessThanOrEqualTo(strip->rightAnchor(), -8));
            for (int i = 0; i < 4; ++i)
                views.push_back(std::make_unique<View>(strip, kit::Rect{10.0 + 60 * i, 5, 50, 50}));
            above = strip;
        }
        for (int i = 0; i < 4; ++i) {
            View* bar = make(root);
            add(bar->leftAnchor().equalTo(root->leftAnchor(), 16));
            add(bar->rightAnchor().equalTo(root->rightAnchor(), -16));
            add(bar->bottomAnchor().equalTo(root->safeAreaLayoutGuide().bottomAnchor(), -16.0 - 50 * i));
            add(bar->heightAnchor().equalToConstant(44)->withPriority(priority::high));
        }
        adjustable = constraints[2];
        Constraint::activate(constraints);
    }
    View* make(View* parent) {
        views.push_back(std::make_unique<View>(parent));
        views.back()->setTranslatesAutoresizingMaskIntoConstraints(false);
        return views.back().get();
    }
    void add(std::shared_ptr<Constraint> c) { constraints.push_back(std::move(c)); }
};

void BM_FirstLayout(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto screen = std::make_unique<Screen>();
        state.ResumeTiming();
        screen->root->layoutConstraintTree();
        state.PauseTiming();
        screen.reset();
        state.ResumeTiming();
    }
    Screen probe;
    state.counters["views"] = static_cast<double>(probe.views.size());
    state.counters["constraints"] = static_cast<double>(probe.constraints.size());
}
BENCHMARK(BM_FirstLayout)->Unit(benchmark::kMillisecond);

void BM_RelayoutAfterOneConstantChange(benchmark::State& state) {
    Screen screen;
    screen.root->layoutConstraintTree();
    double top = 60;
    for (auto _ : state) {
        top = top == 60 ? 70 : 60;
        screen.adjustable->setConstant(top);
        screen.root->layoutConstraintTree();
    }
}
BENCHMARK(BM_RelayoutAfterOneConstantChange)->Unit(benchmark::kMillisecond);

void BM_RelayoutUnchanged(benchmark::State& state) {
    Screen screen;
    screen.root->layoutConstraintTree();
    for (auto _ : state) screen.root->layoutConstraintTree();
}
BENCHMARK(BM_RelayoutUnchanged)->Unit(benchmark::kMillisecond);

} // namespace
