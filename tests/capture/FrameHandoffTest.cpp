#include "capture/FrameHandoff.h"

#include "kit/runtime/RunLoop.h"

#include <gtest/gtest.h>

namespace {

using capture::FrameHandoff;

kit::Image frame(double side) { return *kit::Image::make(side, side, 1.0); }

TEST(FrameHandoff, AFrameNoLongerShownBecomesTheNextBuffer) {
    std::vector<std::shared_ptr<const kit::Image>> shown;
    auto handoff = std::make_shared<FrameHandoff>([&](std::shared_ptr<const kit::Image> f) { shown.push_back(f); });
    EXPECT_TRUE(handoff->takeBuffer().isEmpty());

    kit::Image first = frame(4);
    cairo_surface_t* pixels = first.surface();
    handoff->post(std::move(first));
    kit::RunLoop::main().drainMainQueue();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0]->surface(), pixels);
    EXPECT_TRUE(handoff->takeBuffer().isEmpty());  // still on screen: not to be written

    shown.clear();
    kit::Image buffer = handoff->takeBuffer();
    EXPECT_EQ(buffer.surface(), pixels);
    EXPECT_TRUE(handoff->takeBuffer().isEmpty());  // handed out once
}

TEST(FrameHandoff, OnlyTheNewestWaitingFrameIsShownAndTheOtherIsReused) {
    std::vector<std::shared_ptr<const kit::Image>> shown;
    auto handoff = std::make_shared<FrameHandoff>([&](std::shared_ptr<const kit::Image> f) { shown.push_back(f); });
    kit::Image older = frame(4), newer = frame(8);
    cairo_surface_t* olderPixels = older.surface();
    handoff->post(std::move(older));
    handoff->post(std::move(newer));
    kit::RunLoop::main().drainMainQueue();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0]->pixelWidth(), 8);
    EXPECT_EQ(handoff->takeBuffer().surface(), olderPixels);
}

} // namespace
