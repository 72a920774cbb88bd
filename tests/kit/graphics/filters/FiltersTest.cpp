#include "kit/graphics/filters/Filters.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace kit;
using Bytes = std::array<std::uint8_t, 4>;

namespace {
Image pixel(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a = 255) {
    return *Image::fromRGBA(1, 1, std::vector<std::uint8_t>{r, g, b, a}, 2);
}
Bytes straight(const std::optional<Image>& i) {
    const auto v = i->rgbaBytes();
    return {v[0], v[1], v[2], v[3]};
}
} // namespace

TEST(Filters, ColourFiltersWorkOnStraightColourAndKeepAlpha) {
    struct Case { const char* name; std::optional<Image> out; Bytes expected; };
    const Case cases[] = {
        {"sepia of white", filters::sepiaTone(pixel(255, 255, 255)), {255, 255, 239, 255}},
        {"sepia at zero", filters::sepiaTone(pixel(10, 200, 30), 0), {10, 200, 30, 255}},
        {"posterize default six", filters::posterize(pixel(100, 200, 20)), {102, 204, 0, 255}},
        {"posterize levels", filters::posterize(pixel(100, 200, 20), 2), {0, 255, 0, 255}},
        {"desaturate", filters::colorControls(pixel(255, 0, 0), 0), {54, 54, 54, 255}},
        {"brighten", filters::colorControls(pixel(100, 100, 100), 1, 0.2), {151, 151, 151, 255}},
        {"no contrast", filters::colorControls(pixel(10, 250, 90), 1, 0, 0), {128, 128, 128, 255}},
        {"half alpha kept", filters::sepiaTone(pixel(255, 255, 255, 128), 0), {255, 255, 255, 128}},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(c.out) << c.name;
        EXPECT_EQ(c.out->scale(), 2) << c.name;
        const Bytes got = straight(c.out);
        for (int i = 0; i < 4; ++i) EXPECT_NEAR(got[i], c.expected[i], 2) << c.name << " channel " << i;
    }
    EXPECT_FALSE(filters::sepiaTone(Image()));
}

TEST(Filters, HueDiscIsOrientedAndHardEdged) {
    const auto disc = filters::hueSaturationValueGradient(50);
    ASSERT_TRUE(disc);
    if (const char* keep = std::getenv("KIT_GRAPHICS_KEEP_DISC")) disc->savePNG(keep);
    EXPECT_EQ(disc->pixelWidth(), 100);
    EXPECT_EQ(disc->pixelRGBA(0, 0)[3], 0); // corner: outside
    const Color right = disc->colorAt(98, 49), up = disc->colorAt(50, 2), centre = disc->colorAt(50, 50);
    EXPECT_NEAR(right.hsba().hue, 0, 0.01);
    EXPECT_GT(right.hsba().saturation, 0.95);
    EXPECT_NEAR(up.hsba().hue, 0.25, 0.01); // a quarter turn counter-clockwise from the right
    EXPECT_LT(centre.hsba().saturation, 0.05);
    EXPECT_NEAR(centre.hsba().brightness, 1, 0.01);
    // Every pixel is either fully opaque or fully transparent.
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) {
            const auto a = disc->pixelRGBA(x, y)[3];
            ASSERT_TRUE(a == 0 || a == 255);
        }
    EXPECT_EQ(filters::hueSaturationValueGradient(10, 1, 2)->pixelWidth(), 40);
    EXPECT_FALSE(filters::hueSaturationValueGradient(0));
    EXPECT_FALSE(filters::hueSaturationValueGradient(std::nan("")));
}
