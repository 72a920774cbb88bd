#include "colour/HexText.h"
#include "kit/base/Make.h"
#include "wheels/Widgets.h"

#include <gtest/gtest.h>

namespace {

TEST(Widgets, AddButtonDrawsAPlusSignAndADarkerRim) {
    auto button = kit::make<wheels::DCWBUTTON>(kit::Rect{0, 0, 40, 40});
    const auto& plus = button->plusIconLayer()->path()->elements();
    ASSERT_EQ(plus.size(), 4u);
    EXPECT_EQ(plus[0].points[0], (kit::Point{15, 20}));
    EXPECT_EQ(plus[1].points[0], (kit::Point{25, 20}));
    EXPECT_EQ(plus[2].points[0], (kit::Point{20, 25}));
    EXPECT_EQ(plus[3].points[0], (kit::Point{20, 15}));
    EXPECT_DOUBLE_EQ(button->plusIconLayer()->lineWidth(), 1.2);
    EXPECT_DOUBLE_EQ(button->circleLayer()->lineWidth(), 1.6);
    button->setColor(kit::Color::whiteColor());
    EXPECT_EQ(*button->circleLayer()->fillColor(), kit::Color::whiteColor());
    const auto rim = *button->circleLayer()->strokeColor();
    EXPECT_NEAR(rim.red(), 0.925, 1e-9);
    EXPECT_NEAR(rim.blue(), 0.925, 1e-9);
}

TEST(Widgets, ToggleFlipsAndTwoTapsReturnToHue) {
    auto toggle = kit::make<wheels::DCWMODE>(kit::Rect{0, 0, 20, 20});
    int ownerSawGrey = 0;
    toggle->addTarget(nullptr, "owner", kit::ControlEvent::touchUpInside, [&] {
        ownerSawGrey += toggle->colorState() == wheels::ColorState::grayscale;
    });
    toggle->sendActions(kit::ControlEvent::touchUpInside);
    EXPECT_EQ(toggle->colorState(), wheels::ColorState::grayscale);
    EXPECT_EQ(ownerSawGrey, 1);  // the toggle's own action ran first
    EXPECT_TRUE(toggle->hueColorGradientLayer()->isHidden());
    toggle->sendActions(kit::ControlEvent::touchUpInside);
    EXPECT_EQ(toggle->colorState(), wheels::ColorState::hue);
    EXPECT_FALSE(toggle->hueColorGradientLayer()->isHidden());
    EXPECT_TRUE(toggle->grayColorGradientLayer()->isHidden());
}

TEST(Widgets, HandleKeepsItsConstructionFillAndShadowStaysOnNil) {
    auto handle = kit::make<wheels::DCWHANDLER>(kit::Rect{0, 0, 30, 30});
    EXPECT_DOUBLE_EQ(handle->circleLayer()->lineWidth(), 3);
    handle->setColor(kit::Color::redColor());
    EXPECT_EQ(handle->color(), kit::Color::redColor());
    EXPECT_EQ(*handle->circleLayer()->fillColor(), kit::Color::whiteColor());
    handle->setCircleShadowOffset(kit::Size{1, 2});
    handle->setCircleShadowOffset(std::nullopt);
    EXPECT_EQ(handle->circleShadowOffset(), (kit::Size{1, 2}));
    EXPECT_DOUBLE_EQ(handle->circleLayer()->shadowOpacity(), 0.3);
}

TEST(Widgets, MarkerCircleIsItsColourWithAWhiteRing) {
    auto circle = kit::make<wheels::DrawCircle>(kit::Rect{0, 0, 20, 20});
    circle->setColor(kit::Color::blueColor());
    const auto image = circle->snapshot(1);
    EXPECT_EQ(image.pixelRGBA(10, 10), (std::array<std::uint8_t, 4>{0, 0, 255, 255}));
    EXPECT_DOUBLE_EQ(circle->circleLayer()->lineWidth(), 2);
    EXPECT_EQ(*circle->circleLayer()->strokeColor(), kit::Color::whiteColor());
}

} // namespace
