#include "kit/base/Make.h"
#include "kit/graphics/Context.h"
#include "kit/ui/ImageView.h"

#include <gtest/gtest.h>

namespace kit {
namespace {

TEST(ImageView, ContentModesAndTouches) {
    auto wide = Image::make(40, 20, 1);
    {
        Context c(*wide);
        c.setFillColor(Color::redColor());
        c.fillRect({0, 0, 40, 20});
    }
    auto root = make<View>(Rect{0, 0, 200, 200});
    root->setBackgroundColor(Color::whiteColor());
    auto view = make<ImageView>(Rect{50, 50, 100, 100});
    view->setImage(*wide);
    root->addSubview(view);
    EXPECT_FALSE(view->isUserInteractionEnabled());
    EXPECT_EQ(root->hitTest({100, 100}, nullptr), root) << "touches pass through to what is below";
    EXPECT_EQ(view->intrinsicContentSize(), (Size{40, 20}));

    struct Case {
        ContentMode mode;
        bool clips;
        Point probe;
        bool red;
    } cases[] = {
        {ContentMode::scaleToFill, false, {55, 55}, true},
        {ContentMode::scaleAspectFit, false, {100, 70}, false}, // 100 x 50 band in the middle
        {ContentMode::scaleAspectFit, false, {100, 90}, true},
        {ContentMode::scaleAspectFill, false, {30, 100}, true},  // 200 x 100 spills sideways
        {ContentMode::scaleAspectFill, true, {30, 100}, false},  // unless clipped
        {ContentMode::center, false, {100, 100}, true},
        {ContentMode::center, false, {60, 100}, false},
    };
    for (const Case& c : cases) {
        view->setContentMode(c.mode);
        view->setClipsToBounds(c.clips);
        const auto px = root->layer()->pixelAt(c.probe);
        EXPECT_EQ(px[1] == 0 && px[0] == 255, c.red) << static_cast<int>(c.mode) << " at " << c.probe.x << ',' << c.probe.y;
    }
    view->setImage(std::nullopt);
    EXPECT_EQ(root->layer()->pixelAt({100, 100})[1], 255);
}

} // namespace
} // namespace kit
