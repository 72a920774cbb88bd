#include "kit/base/Make.h"
#include "kit/ui/EventDispatcher.h"
#include "kit/ui/Switch.h"

#include <gtest/gtest.h>

namespace kit {
namespace {

TEST(Switch, TogglesOnUserTapOnlyAndKeepsItsSize) {
    auto root = make<View>(Rect{0, 0, 200, 200});
    auto sw = make<Switch>(Rect{10, 10, 100, 100});
    EXPECT_EQ(sw->frame(), (Rect{10, 10, 51, 31}));
    root->addSubview(sw);
    int changes = 0;
    sw->addTarget(nullptr, "", ControlEvent::valueChanged, [&] { ++changes; });
    sw->setOn(true);
    EXPECT_EQ(changes, 0);
    EventDispatcher input(root);
    input.touchBegan(1, {20, 20});
    input.touchEnded(1, {20, 20});
    EXPECT_FALSE(sw->isOn());
    EXPECT_EQ(changes, 1);
    input.touchBegan(1, {20, 20});
    input.touchEnded(1, {190, 190}); // released well away: no toggle
    EXPECT_FALSE(sw->isOn());
    EXPECT_EQ(changes, 1);
}

} // namespace
} // namespace kit
