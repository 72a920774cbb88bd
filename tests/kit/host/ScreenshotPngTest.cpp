#include "kit/host/ScreenshotPng.h"

#include <gtest/gtest.h>

#include <cairo.h>

#include <cstdlib>

namespace {

// Content that every filter and strip boundary has to carry: a gradient, noise, flat runs.
kit::Image paint(int width, int height, bool translucent) {
    auto image = *kit::Image::make(width, height, 1.0, !translucent);
    auto* data = cairo_image_surface_get_data(image.surface());
    const int stride = cairo_image_surface_get_stride(image.surface());
    std::uint32_t noise = 12345;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            noise = noise * 1103515245u + 12345u;
            const std::uint32_t a = translucent ? (x * 7 + y) % 256 : 255;
            auto premultiplied = [&](std::uint32_t c) { return c * a / 255; };
            const std::uint32_t r = premultiplied(x % 256), g = premultiplied(y < height / 2 ? 40 : (noise >> 16) & 255),
                                b = premultiplied((x * y) % 256);
            reinterpret_cast<std::uint32_t*>(data + y * stride)[x] = a << 24 | r << 16 | g << 8 | b;
        }
    image.markDirty();
    return image;
}

TEST(ScreenshotPng, DecodesToTheSamePixelsWithAndWithoutAlpha) {
    struct Case {
        int width, height;
        bool translucent;
    };
    // Heights below one strip, between strip counts, and of many strips.
    for (const Case c : {Case{1, 1, false}, Case{37, 63, true}, Case{300, 517, false}, Case{300, 1031, true}}) {
        const auto image = paint(c.width, c.height, c.translucent);
        const auto png = kit::host::screenshotPngData(image);
        ASSERT_TRUE(png) << c.width << "x" << c.height;
        EXPECT_EQ((*png)[25], c.translucent ? 6 : 2) << "colour type";
        const auto decoded = kit::Image::decode(*png);
        ASSERT_TRUE(decoded) << c.width << "x" << c.height;
        ASSERT_EQ(decoded->pixelWidth(), c.width);
        ASSERT_EQ(decoded->pixelHeight(), c.height);
        // Straight alpha in the file rounds each premultiplied channel by at most one step.
        int worst = 0;
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x) {
                const auto want = image.pixelRGBA(x, y), got = decoded->pixelRGBA(x, y);
                for (int i = 0; i < 4; ++i) worst = std::max(worst, std::abs(int(want[i]) - int(got[i])));
            }
        EXPECT_LE(worst, c.translucent ? 1 : 0) << c.width << "x" << c.height;
    }
}

} // namespace
