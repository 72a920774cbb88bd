#include "kit/graphics/filters/Filters.h"

#include <gtest/gtest.h>

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>

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

namespace {
// The plain formulas on straight colour, byte in, byte out, with halves rounded up.
std::uint8_t nearest(double c) { return static_cast<std::uint8_t>(std::lround(std::clamp(c, 0.0, 1.0) * 255)); }
Bytes plainSepia(Bytes p, double t) {
    static constexpr double m[3][3] = {{0.393, 0.769, 0.189}, {0.349, 0.686, 0.168}, {0.272, 0.534, 0.131}};
    Bytes out = p;
    for (int k = 0; k < 3; ++k) {
        const double c = 1 * (p[k] / 255.0);
        const double sepia = m[k][0] * (p[0] / 255.0) + m[k][1] * (p[1] / 255.0) + m[k][2] * (p[2] / 255.0);
        out[k] = nearest(c + (std::min(1.0, sepia) - c) * t);
    }
    return out;
}
Bytes plainGrey(Bytes p) {
    const double luma = 0.2126 * (p[0] / 255.0) + 0.7152 * (p[1] / 255.0) + 0.0722 * (p[2] / 255.0);
    const std::uint8_t g = nearest((std::clamp(luma, 0.0, 1.0) - 0.5) * 1 + 0.5);
    return {g, g, g, p[3]};
}
Bytes plainPosterize(Bytes p, double levels) {
    for (int k = 0; k < 3; ++k) p[k] = nearest(std::round(p[k] / 255.0 * (levels - 1)) / (levels - 1));
    return p;
}

std::uint32_t nextRandom(std::uint32_t& state) { return state = state * 1664525u + 1013904223u; }

// Opaque pixels of many colours: every grey, then a scrambled walk through the colour cube.
Image manyColours(int side) {
    std::vector<std::uint8_t> px;
    std::uint32_t state = 12345;
    for (int i = 0; i < side * side; ++i) {
        nextRandom(state);
        const auto r = std::uint8_t(i < 256 ? i : state >> 24), g = std::uint8_t(i < 256 ? i : state >> 16),
                   b = std::uint8_t(i < 256 ? i : state >> 8);
        px.insert(px.end(), {r, g, b, 255});
    }
    return *Image::fromRGBA(side, side, px);
}

// An odd width, so rows end part-way through a run of pixels, with clear, translucent and opaque pixels.
Image mixedAlpha(int width, int height) {
    std::vector<std::uint8_t> px;
    std::uint32_t state = 777;
    for (int i = 0; i < width * height; ++i) {
        const std::uint32_t v = nextRandom(state), kind = (v >> 8) % 4;
        const auto a = std::uint8_t(kind == 0 ? 0 : kind == 1 ? 1 + v % 254 : 255);
        px.insert(px.end(), {std::uint8_t(v >> 24), std::uint8_t(v >> 16), std::uint8_t(v >> 11), a});
    }
    return *Image::fromRGBA(width, height, px);
}

// An opaque surface without alpha, whose unused top bytes hold noise.
Image noAlpha(int width, int height) {
    auto image = *Image::make(width, height, 1, true);
    cairo_surface_t* s = image.surface();
    std::uint32_t state = 99;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint32_t v = nextRandom(state);
            std::memcpy(cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s) + 4 * x, &v, 4);
        }
    image.markDirty();
    return image;
}
} // namespace

// Every filter, on frames that exercise every path of the kernels, against the plain formulas:
// each pixel un-premultiplied, put through the formula and premultiplied again; on every vector unit
// the machine has.
TEST(Filters, FiltersMatchThePlainFormulasForEveryPixel) {
    struct Case {
        const char* name;
        std::function<std::optional<Image>(const Image&)> filter;
        std::function<Bytes(Bytes)> plain;
    };
    const Case cases[] = {
        {"sepia", [](const Image& i) { return filters::sepiaTone(i, 1.0); }, [](Bytes p) { return plainSepia(p, 1); }},
        {"half sepia", [](const Image& i) { return filters::sepiaTone(i, 0.5); },
         [](Bytes p) { return plainSepia(p, 0.5); }},
        {"grey", [](const Image& i) { return filters::colorControls(i, 0); }, plainGrey},
        {"posterize 4", [](const Image& i) { return filters::posterize(i, 4); },
         [](Bytes p) { return plainPosterize(p, 4); }},
        {"posterize 40", [](const Image& i) { return filters::posterize(i, 40); },
         [](Bytes p) { return plainPosterize(p, 40); }},
    };
    const std::pair<const char*, Image> frames[] = {
        {"many colours", manyColours(512)}, {"mixed alpha", mixedAlpha(37, 61)}, {"no alpha", noAlpha(45, 9)}};
    const struct UnitReset {
        ~UnitReset() { filters::useVectorUnit(std::nullopt); }
    } reset;
    for (const filters::VectorUnit unit : filters::runnableVectorUnits())
    for (const auto& [frameName, frame] : frames) {
        ASSERT_TRUE(filters::useVectorUnit(unit));
        const auto in = frame.rgbaBytes();
        for (const Case& c : cases) {
            const auto out = c.filter(frame);
            ASSERT_TRUE(out) << c.name << " on unit " << int(unit);
            const auto got = out->rgbaBytes(true);
            int wrong = 0;
            for (std::size_t i = 0; i < in.size() && wrong < 5; i += 4) {
                const std::uint8_t a = in[i + 3];
                Bytes expected = c.plain({in[i], in[i + 1], in[i + 2], a});
                for (int k = 0; k < 3; ++k) expected[k] = std::uint8_t((expected[k] * a + 127) / 255);
                expected[3] = a;
                if (Bytes{got[i], got[i + 1], got[i + 2], got[i + 3]} != expected) {
                    ++wrong;
                    ADD_FAILURE() << c.name << " on " << frameName << ", unit " << int(unit) << ", pixel " << i / 4 << ": colour " << int(in[i])
                                  << "," << int(in[i + 1]) << "," << int(in[i + 2]) << "," << int(a);
                }
            }
        }
    }
}

TEST(Filters, AnOutputImageOfTheSameSizeIsFilledInPlace) {
    const Image frame = manyColours(64);
    Image out;
    ASSERT_TRUE(filters::sepiaTone(frame, out, 1.0));
    cairo_surface_t* pixels = out.surface();
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(filters::posterize(frame, out, 4));
        ASSERT_TRUE(filters::colorControls(frame, out, 0, 0, 1));
        EXPECT_EQ(out.surface(), pixels);
    }
    EXPECT_EQ(out.rgbaBytes(), filters::colorControls(frame, 0)->rgbaBytes());
    // Another size: a new image; an empty input leaves the output as it was.
    ASSERT_TRUE(filters::sepiaTone(manyColours(8), out, 1.0));
    EXPECT_EQ(out.pixelWidth(), 8);
    EXPECT_FALSE(filters::posterize(Image(), out, 4));
    EXPECT_EQ(out.pixelWidth(), 8);
}

// A photo-sized result takes the pixels a released one had (no fresh pages to fault in), and none
// of what they held shows through.
TEST(Filters, NewImagesOfAPhotoReuseReleasedPixelsWhole) {
    const Image photo = manyColours(1100);
    const unsigned char* released = nullptr;
    {
        const auto sepia = filters::sepiaTone(photo, 1.0);
        ASSERT_TRUE(sepia);
        released = cairo_image_surface_get_data(sepia->surface());
    }
    const auto posterized = filters::posterize(photo, 4);
    ASSERT_TRUE(posterized);
    EXPECT_EQ(cairo_image_surface_get_data(posterized->surface()), released);
    Image zeroed = *Image::make(1100, 1100);
    ASSERT_TRUE(filters::posterize(photo, zeroed, 4));
    EXPECT_EQ(posterized->rgbaBytes(), zeroed.rgbaBytes());
}

TEST(Filters, ColourControlsInLinearLightUseTheTrueLuminance) {
    using filters::WorkingSpace;
    const auto lin = [](const Image& i, double s, double k) {
        return straight(filters::colorControls(i, s, 0, k, WorkingSpace::linearLight));
    };
    // Red's luminance is 0.2126 of white's: encoded, that is 127 (the encoded luma would say 54).
    EXPECT_EQ(lin(pixel(255, 0, 0), 0, 1), (Bytes{127, 127, 127, 255}));
    // Unchanged colours come back as they went in; middle grey stays where contrast pivots.
    EXPECT_EQ(lin(pixel(10, 200, 30), 1, 1), (Bytes{10, 200, 30, 255}));
    const Bytes middle = lin(pixel(128, 128, 128), 0, 3);
    EXPECT_NEAR(middle[0], 128, 2);
    EXPECT_EQ(lin(pixel(60, 60, 60), 0, 3)[0], 0);
    EXPECT_EQ(lin(pixel(200, 200, 200), 0, 3)[0], 255);
}
