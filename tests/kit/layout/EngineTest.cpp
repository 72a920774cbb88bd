#include "kit/layout/Engine.h"

#include <gtest/gtest.h>

#include "TestItem.h"
#include "kit/base/Console.h"
#include "kit/layout/VisualFormat.h"
#include "kit/store/Defaults.h"
#include "kit/store/Paths.h"

using namespace kit::layout;
using kit::Rect;
using layouttest::Item;

namespace {
void expectFrame(const Item& item, Rect expected) {
    Rect f = item.frame();
    EXPECT_NEAR(f.x(), expected.x(), 1e-6) << item.layoutDescription();
    EXPECT_NEAR(f.y(), expected.y(), 1e-6) << item.layoutDescription();
    EXPECT_NEAR(f.width(), expected.width(), 1e-6) << item.layoutDescription();
    EXPECT_NEAR(f.height(), expected.height(), 1e-6) << item.layoutDescription();
}
} // namespace

TEST(LayoutEngine, AnchorConstantsFollowThePlatformSigns) {
    // Bottom and right constants are negative insets; top and left positive.
    Item root("root", {0, 0, 400, 800});
    root.insets = {47, 0, 34, 0};
    Item& bar = root.addPlaced("bar");
    Constraint::activate({
        bar.leftAnchor().equalTo(root.leftAnchor(), 20),
        bar.rightAnchor().equalTo(root.rightAnchor(), -20),
        bar.bottomAnchor().equalTo(root.safeAreaLayoutGuide().bottomAnchor(), -20),
        bar.heightAnchor().equalToConstant(60),
    });
    Item& back = root.addPlaced("back");
    Constraint::activate({
        back.topAnchor().equalTo(root.safeAreaLayoutGuide().topAnchor(), 10),
        back.leadingAnchor().equalTo(root.leadingAnchor()),
        back.widthAnchor().equalToConstant(45),
        back.heightAnchor().equalToMultiplier(back.widthAnchor(), 40.0 / 45.0),
    });
    Item& centred = root.addPlaced("centred");
    Constraint::activate({
        centred.centerXAnchor().equalTo(root.centerXAnchor()),
        centred.centerYAnchor().equalTo(root.safeAreaLayoutGuide().centerYAnchor()),
        centred.widthAnchor().equalToMultiplier(root.widthAnchor(), 0.5),
        centred.heightAnchor().equalTo(centred.widthAnchor()),
    });
    root.layoutConstraintTree();
    expectFrame(bar, {20, 800 - 34 - 20 - 60, 360, 60});
    expectFrame(back, {0, 57, 45, 40});
    expectFrame(centred, {100, 47 + (800 - 81) / 2.0 - 100, 200, 200});
    expectFrame(root, {0, 0, 400, 800});
}

TEST(LayoutEngine, MixesFramePlacedAndConstraintPlacedItemsAcrossLevels) {
    Item root("root", {0, 0, 400, 800});
    Item& wheel = root.add("wheel", {50, 100, 300, 300}); // frame-placed, with a constrained child
    Item& handle = wheel.addPlaced("handle");
    Constraint::activate({handle.centerXAnchor().equalTo(wheel.centerXAnchor()),
                          handle.centerYAnchor().equalTo(wheel.topAnchor(), 20),
                          handle.widthAnchor().equalToConstant(30), handle.heightAnchor().equalToConstant(30)});
    Item& panel = root.addPlaced("panel"); // constrained, holding a label tied to the frame-placed wheel
    Item& caption = panel.addPlaced("caption");
    Constraint::activate({panel.topAnchor().equalTo(wheel.bottomAnchor(), 10),
                          panel.leftAnchor().equalTo(root.leftAnchor(), 10),
                          panel.rightAnchor().equalTo(root.rightAnchor(), -10),
                          panel.heightAnchor().equalToConstant(100)});
    auto fill = constraintsWithVisualFormat("H:|[v0]|", {{"v0", &caption}});
    Constraint::activate(fill);
    Constraint::activate(constraintsWithVisualFormat("V:|[v0]|", {{"v0", &caption}}));
    caption.layoutEnclosingTree(); // from the top, as a view settling its own frame does
    expectFrame(wheel, {50, 100, 300, 300});
    expectFrame(handle, {135, 5, 30, 30}); // in the wheel's coordinates
    expectFrame(panel, {10, 410, 380, 100});
    expectFrame(caption, {0, 0, 380, 100}); // in the panel's coordinates

    // Moving the frame-placed item moves what hangs on it; changing a constant is picked up.
    wheel.setFrame({50, 150, 300, 300});
    Constraint::deactivate(fill);
    Constraint::activate({caption.leftAnchor().equalTo(panel.leftAnchor(), 8),
                          caption.rightAnchor().equalTo(panel.rightAnchor(), -8)});
    root.layoutConstraintTree();
    expectFrame(panel, {10, 460, 380, 100});
    expectFrame(caption, {8, 0, 364, 100});
}

TEST(LayoutEngine, IntrinsicSizeHugsAtLowAndResistsAtHighPriority) {
    Item root("root", {0, 0, 400, 800});
    Item& label = root.addPlaced("label");
    label.intrinsic = {120, 21};
    Item& button = root.addPlaced("button");
    button.intrinsic = {80, 44};
    // Only a position: the content size decides the size.
    Constraint::activate({label.leftAnchor().equalTo(root.leftAnchor(), 10),
                          label.centerYAnchor().equalTo(root.centerYAnchor())});
    // A low-priority stretch loses to compression but beats hugging.
    Constraint::activate({button.leftAnchor().equalTo(root.leftAnchor()),
                          button.topAnchor().equalTo(root.topAnchor()),
                          button.widthAnchor().equalToConstant(40)->withPriority(500),
                          button.heightAnchor().equalToConstant(100)->withPriority(500)});
    root.layoutConstraintTree();
    expectFrame(label, {10, 389.5, 120, 21});
    expectFrame(button, {0, 0, 80, 100});

    button.setContentCompressionResistancePriority(priority::low, Axis::horizontal);
    button.setContentHuggingPriority(priority::high, Axis::vertical);
    root.layoutConstraintTree();
    expectFrame(button, {0, 0, 40, 44});
}

TEST(LayoutEngine, WrappingContentGetsTheHeightForItsSolvedWidth) {
    Item root("root", {0, 0, 300, 600});
    Item& info = root.addPlaced("info");
    info.intrinsic = {900, 20};                                  // one long line
    info.wrap = [](double width) { return 20 * std::ceil(900 / width); }; // lines of 20
    Constraint::activate({info.topAnchor().equalTo(root.topAnchor(), 10),
                          info.leftAnchor().equalTo(root.leftAnchor(), 10),
                          info.rightAnchor().equalTo(root.rightAnchor(), -10)});
    root.layoutConstraintTree();
    expectFrame(info, {10, 10, 280, 80});
    root.setFrame({0, 0, 470, 600});
    root.layoutConstraintTree();
    expectFrame(info, {10, 10, 450, 40});
}

TEST(LayoutEngine, ConflictingRequiredConstraintIsBrokenLoggedOnceAndTheLabelStaysCentred) {
    // A 200-wide label with side insets 16/16 on a 400-wide panel: the width (added last) gives way.
    kit::TemporaryDataDir dir;
    Item root("root", {0, 0, 400, 800});
    Item& panel = root.add("panel", {0, 300, 400, 500});
    Item& close = panel.addPlaced("close");
    auto width = close.widthAnchor().equalToConstant(200);
    Constraint::activate({close.leftAnchor().equalTo(panel.leftAnchor(), 16),
                          close.rightAnchor().equalTo(panel.rightAnchor(), -16),
                          close.bottomAnchor().equalTo(panel.bottomAnchor(), -10),
                          close.heightAnchor().equalToConstant(30), width});
    kit::ConsoleCapture console;
    root.layoutConstraintTree();
    expectFrame(close, {16, 460, 368, 30});
    EXPECT_NEAR(close.frame().midX(), panel.frame().width() / 2, 1e-9);
    ASSERT_EQ(console.lines().size(), 1u);
    EXPECT_EQ(console.lines()[0], "Unable to simultaneously satisfy constraints. Breaking close.width == 200 @1000");

    // Later passes keep the same choice without logging again; a panel of 232 satisfies everything.
    panel.setFrame({0, 300, 410, 500});
    root.layoutConstraintTree();
    expectFrame(close, {16, 460, 378, 30});
    panel.setFrame({0, 300, 232, 500});
    root.layoutConstraintTree();
    expectFrame(close, {16, 460, 200, 30});
    EXPECT_EQ(console.lines().size(), 1u);

    // The settings switch silences the report.
    kit::Defaults::standard().set(false, "_UIConstraintBasedLayoutLogUnsatisfiable");
    panel.setFrame({0, 300, 400, 500});
    Constraint::activate({close.widthAnchor().equalToConstant(100)});
    root.layoutConstraintTree();
    EXPECT_EQ(console.lines().size(), 1u);
}

TEST(LayoutEngine, DeactivatedAndDestroyedItemsLeaveTheSystem) {
    Item root("root", {0, 0, 400, 800});
    Item& a = root.addPlaced("a");
    Item& b = root.addPlaced("b");
    Constraint::activate({a.leftAnchor().equalTo(root.leftAnchor()), a.topAnchor().equalTo(root.topAnchor()),
                          a.widthAnchor().equalToConstant(100), a.heightAnchor().equalToConstant(50)});
    auto follow = b.leftAnchor().equalTo(a.rightAnchor(), 5);
    Constraint::activate({follow, b.topAnchor().equalTo(a.bottomAnchor()), b.widthAnchor().equalTo(a.widthAnchor()),
                          b.heightAnchor().equalToConstant(10)});
    root.layoutConstraintTree();
    expectFrame(b, {105, 50, 100, 10});
    follow->setConstant(15);
    root.layoutConstraintTree();
    expectFrame(b, {115, 50, 100, 10});
    root.removeChild(a); // b's constraints to a go with it
    Constraint::activate({b.leftAnchor().equalTo(root.leftAnchor(), 1), b.topAnchor().equalTo(root.topAnchor(), 2),
                          b.widthAnchor().equalToConstant(3)});
    root.layoutConstraintTree();
    expectFrame(b, {1, 2, 3, 10});
}

TEST(LayoutEngine, IncrementalPassesAgreeWithAFreshSolve) {
    // A grid whose layout is fully determined; random edits, then each incremental result is
    // compared with a solve from nothing.
    Item root("root", {0, 0, 400, 800});
    std::vector<Item*> cells;
    std::vector<std::shared_ptr<Constraint>> edits, optional;
    Item* above = nullptr;
    for (int row = 0; row < 6; ++row) {
        Item* left = nullptr;
        for (int col = 0; col < 4; ++col) {
            Item& cell = root.addPlaced("c" + std::to_string(row) + std::to_string(col));
            cell.intrinsic = {30, 20};
            auto gap = left ? cell.leftAnchor().equalTo(left->rightAnchor(), 4) : cell.leftAnchor().equalTo(root.leftAnchor(), 8);
            auto top = above ? cell.topAnchor().equalTo(above->bottomAnchor(), 6) : cell.topAnchor().equalTo(root.topAnchor(), 10);
            auto wish = cell.widthAnchor().equalToConstant(60)->withPriority(500);
            Constraint::activate({gap, top, wish, cell.heightAnchor().greaterThanOrEqualToConstant(10)});
            edits.insert(edits.end(), {gap, top, wish});
            optional.push_back(cell.widthAnchor().lessThanOrEqualToConstant(40)->withPriority(600));
            cells.push_back(&cell);
            left = &cell;
        }
        above = left;
    }
    std::uint32_t seed = 12345;
    auto next = [&](std::uint32_t n) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % n;
    };
    for (int step = 0; step < 60; ++step) {
        if (next(3) == 0) {
            auto& c = optional[next(static_cast<std::uint32_t>(optional.size()))];
            c->setActive(!c->isActive());
        } else {
            edits[next(static_cast<std::uint32_t>(edits.size()))]->setConstant(static_cast<double>(next(50)));
        }
        root.layoutConstraintTree();
        std::vector<Rect> incremental;
        for (Item* c : cells) incremental.push_back(c->frame());
        Engine(root).layout();
        for (std::size_t i = 0; i < cells.size(); ++i) {
            SCOPED_TRACE("step " + std::to_string(step));
            expectFrame(*cells[i], incremental[i]);
        }
    }
}
