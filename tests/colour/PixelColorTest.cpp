#include "colour/HexText.h"
#include "colour/PixelColor.h"
#include "kit/base/Make.h"
#include "kit/ui/Layer.h"

#include <gtest/gtest.h>

TEST(PixelColor, ReadsThePixelUnderThePointPremultiplied) {
    auto layer = kit::make<kit::Layer>();
    layer->setFrame({0, 0, 20, 10});
    layer->setBackgroundColor(kit::Color::rgba(1, 0x40 / 255.0, 0x50 / 255.0));
    auto half = kit::make<kit::Layer>();
    half->setFrame({10, 0, 10, 10});
    half->setBackgroundColor(kit::Color::rgba(0, 0, 1, 0.5));
    auto clear = kit::make<kit::Layer>();
    clear->setFrame({0, 0, 4, 4});
    clear->setBackgroundColor(kit::Color::rgba(0, 1, 0, 0.5));

    const auto opaque = colour::pixelColor(*layer, {3, 5});
    ASSERT_TRUE(opaque);
    EXPECT_EQ(colour::hexString(*opaque), "FF4050");
    EXPECT_EQ(opaque->alpha(), 1.0);

    layer->addSublayer(half);
    const auto mixed = colour::pixelColor(*layer, {15, 5}); // half blue over the red
    ASSERT_TRUE(mixed);
    EXPECT_NEAR(mixed->red(), 0.5, 0.01);
    EXPECT_NEAR(mixed->blue(), (0x50 / 255.0) / 2 + 0.5, 0.01);

    const auto alone = colour::pixelColor(*clear, {1, 1}); // bytes stay premultiplied
    ASSERT_TRUE(alone);
    EXPECT_NEAR(alone->green(), 0.5, 0.01);
    EXPECT_NEAR(alone->alpha(), 0.5, 0.01);
    EXPECT_EQ(colour::pixelColor(*clear, {40, 40})->alpha(), 0.0); // outside: nothing drawn
}
