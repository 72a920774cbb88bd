#include "kit/base/Make.h"
#include "kit/ui/EventDispatcher.h"
#include "kit/ui/SegmentedControl.h"
#include "kit/ui/TapGesture.h"

#include <gtest/gtest.h>

#include <vector>

namespace kit {
namespace {

TEST(SegmentedControl, UserTapsChangeTheSelectionCodeDoesNotSend) {
    auto root = make<View>(Rect{0, 0, 400, 100});
    auto formats = make<SegmentedControl>(std::vector<std::string>{"A4", "A3", "A2", "A1", "A0"});
    formats->setFrame({0, 0, 250, 32});
    root->addSubview(formats);
    int screenTaps = 0;
    root->addGestureRecognizer(make<TapGesture>([&](GestureRecognizer&) { ++screenTaps; }));
    std::vector<int> changes;
    formats->addTarget(nullptr, "setFormat", ControlEvent::valueChanged,
                       [&](Control& c) { changes.push_back(static_cast<SegmentedControl&>(c).selectedSegmentIndex()); });
    formats->setSelectedSegmentIndex(0);
    EXPECT_TRUE(changes.empty());
    EventDispatcher input(root);
    for (double x : {160.0, 160.0, 20.0}) { // A1, A1 again (no change), A4
        input.touchBegan(1, {x, 16});
        input.touchEnded(1, {x, 16});
    }
    EXPECT_EQ(changes, (std::vector<int>{3, 0}));
    EXPECT_EQ(screenTaps, 0);
    formats->setSelectedSegmentIndex(9);
    EXPECT_EQ(formats->selectedSegmentIndex(), SegmentedControl::noSegment);
}

} // namespace
} // namespace kit
