#include "kit/base/Clock.h"
#include "kit/base/Make.h"
#include "kit/ui/EventDispatcher.h"
#include "kit/ui/Slider.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kit {
namespace {

struct SliderFixture : ::testing::Test {
    ManualClockScope clock;
    std::shared_ptr<View> root = make<View>(Rect{0, 0, 400, 200});
    std::shared_ptr<Slider> slider = make<Slider>(Rect{0, 50, 228, 31}); // 200 points of travel
    std::vector<std::string> log;
    EventDispatcher input{root};

    void SetUp() override {
        root->addSubview(slider);
        slider->addTarget(nullptr, "", ControlEvent::valueChanged, [&](Control& c) {
            log.push_back("changed " + std::to_string(static_cast<int>(static_cast<Slider&>(c).value() * 100)));
        });
        slider->addTarget(nullptr, "", ControlEvent::touchUpInside, [&] { log.push_back("up inside"); });
        slider->addTarget(nullptr, "", ControlEvent::touchUpOutside, [&] { log.push_back("up outside"); });
    }
};

TEST_F(SliderFixture, ProgrammaticChangesSendNothingAndClamp) {
    slider->setValue(0.5f);
    EXPECT_EQ(slider->value(), 0.5f);
    slider->setValue(7);
    EXPECT_EQ(slider->value(), 1.0f);
    // Maximum first, then minimum: the value follows every change of the range.
    slider->setMaximumValue(0.4f);
    EXPECT_EQ(slider->value(), 0.4f);
    slider->setMinimumValue(0.45f);
    EXPECT_EQ(slider->maximumValue(), 0.45f);
    EXPECT_EQ(slider->value(), 0.45f);
    slider->setMaximumValue(360);
    slider->setMinimumValue(10);
    EXPECT_EQ(slider->value(), 10.0f);
    slider->setValue(-1);
    EXPECT_EQ(slider->value(), 10.0f);
    EXPECT_TRUE(log.empty());
}

TEST_F(SliderFixture, DraggingTheThumbSendsChangesThenRelease) {
    // The thumb's centre is at x = 14 for the value 0.
    input.touchBegan(1, {14, 65});
    input.touchMoved(1, {64, 65});
    input.touchMoved(1, {114, 65});
    input.touchEnded(1, {114, 65});
    EXPECT_EQ(log, (std::vector<std::string>{"changed 25", "changed 50", "up inside"}));
    EXPECT_EQ(slider->value(), 0.5f);

    log.clear();
    input.touchBegan(1, {114, 65});
    input.touchMoved(1, {500, 190});
    input.touchEnded(1, {500, 190});
    EXPECT_EQ(log, (std::vector<std::string>{"changed 100", "up outside"}));

    log.clear();
    slider->setContinuous(false);
    input.touchBegan(1, {214, 65});
    input.touchMoved(1, {164, 65});
    input.touchMoved(1, {114, 65});
    input.touchEnded(1, {114, 65});
    EXPECT_EQ(log, (std::vector<std::string>{"changed 50", "up inside"})); // one change, at the end

    log.clear();
    input.touchBegan(1, {200, 65}); // on the track, away from the thumb: no drag
    input.touchMoved(1, {20, 65});
    input.touchEnded(1, {20, 65});
    EXPECT_EQ(log, (std::vector<std::string>{"up inside"}));
    EXPECT_EQ(slider->value(), 0.5f);
}

} // namespace
} // namespace kit
