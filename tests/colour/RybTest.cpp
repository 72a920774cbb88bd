#include "colour/Ryb.h"

#include <gtest/gtest.h>

#include <cmath>

using colour::rybToRgb;
using kit::Color;

namespace {
void expectRgb(double r, double g, double b, double er, double eg, double eb, const char* label) {
    EXPECT_NEAR(r, er, 1e-12) << label;
    EXPECT_NEAR(g, eg, 1e-12) << label;
    EXPECT_NEAR(b, eb, 1e-12) << label;
}
} // namespace

TEST(Ryb, CubeCornersAndMidpoint) {
    struct Case { double r, y, b, red, green, blue; const char* name; };
    const Case cases[] = {
        {0, 0, 0, 1, 1, 1, "white"},      {1, 0, 0, 1, 0, 0, "red"},
        {0, 1, 0, 1, 1, 0, "yellow"},     {1, 1, 0, 1, 0.5, 0, "orange"},
        {0, 0, 1, 0.163, 0.373, 0.6, "blue"}, {1, 0, 1, 0.5, 0, 0.5, "violet"},
        {0, 1, 1, 0, 0.66, 0.2, "green"}, {1, 1, 1, 0.2, 0.094, 0, "black"},
        {0.5, 0, 0, 1, 0.5, 0.5, "half red"},
    };
    for (const Case& c : cases) {
        const auto rgb = rybToRgb(c.r, c.y, c.b);
        expectRgb(rgb.red, rgb.green, rgb.blue, c.red, c.green, c.blue, c.name);
    }
}

TEST(Ryb, DigitalWheelPositionsBecomePaintersColours) {
    struct Case { double h, s, b, red, green, blue; const char* name; };
    const Case cases[] = {
        {0, 1, 1, 1, 0, 0, "red stays red"},
        {1.0 / 3, 1, 1, 1, 1, 0, "digital green is yellow"},
        {2.0 / 3, 1, 1, 0.163, 0.373, 0.6, "digital blue is painter's blue"},
        {1.0 / 6, 1, 1, 1, 0.5, 0, "digital yellow is orange"},
        {0.4, 0, 1, 0.2, 0.094, 0, "digital white is the black corner"},
        {0.7, 0.5, 0, 1, 1, 1, "digital black is white paper"},
        {4.0 / 3, 1, 1, 1, 1, 0, "hue above one wraps"},
    };
    for (const Case& c : cases) {
        const Color color = colour::ryb(c.h, c.s, c.b);
        expectRgb(color.red(), color.green(), color.blue(), c.red, c.green, c.blue, c.name);
        EXPECT_EQ(color.alpha(), 1.0) << c.name;
    }
}

TEST(Ryb, ComponentsOfPrimaryColours) {
    struct Case { Color color; double r, y, b; const char* name; };
    const Case cases[] = {
        {Color::rgba(1, 1, 1), 1, 1, 1, "white"}, {Color::rgba(1, 0, 0), 1, 0, 0, "red"},
        {Color::rgba(1, 1, 0), 0, 1, 0, "yellow"}, {Color::rgba(0, 1, 0), 0, 1, 1, "green"},
        {Color::rgba(0, 0, 1), 0, 0, 1, "blue"}, {Color::rgba(0, 0, 0), 0, 0, 0, "black"},
        {Color::rgba(0, 1, 1), 0, 0.5, 1, "cyan: green and blue halved, scaled to max 1"},
    };
    for (const Case& c : cases) {
        const auto ryb = colour::rybComponents(c.color);
        expectRgb(ryb.red, ryb.yellow, ryb.blue, c.r, c.y, c.b, c.name);
    }
}

TEST(Ryb, NearestSharesInvertTheCubeInsideItsGamut) {
    for (double r = 0; r <= 1; r += 0.2)
        for (double y = 0; y <= 1; y += 0.2)
            for (double b = 0; b <= 1; b += 0.2) {
                const auto rgb = rybToRgb(r, y, b);
                const auto shares = colour::nearestRybShares(Color::rgba(rgb.red, rgb.green, rgb.blue));
                const auto back = rybToRgb(shares.red, shares.yellow, shares.blue);
                // Far finer than one 8-bit step.
                EXPECT_NEAR(back.red, rgb.red, 1e-6) << r << " " << y << " " << b;
                EXPECT_NEAR(back.green, rgb.green, 1e-6) << r << " " << y << " " << b;
                EXPECT_NEAR(back.blue, rgb.blue, 1e-6) << r << " " << y << " " << b;
            }
}

TEST(Ryb, NearestSharesOutsideTheGamutBeatEveryGridMix) {
    auto distance = [](const colour::Rgb& p, const Color& c) {
        return std::hypot(p.red - c.red(), p.green - c.green(), p.blue - c.blue());
    };
    for (const Color& c : {Color::rgba(0, 0, 1), Color::rgba(0, 1, 1), Color::rgba(0.12, 0.56, 1), Color::rgba(0, 0, 0)}) {
        const auto s = colour::nearestRybShares(c);
        for (double v : {s.red, s.yellow, s.blue}) {
            EXPECT_GE(v, 0);
            EXPECT_LE(v, 1);
        }
        const double found = distance(rybToRgb(s.red, s.yellow, s.blue), c);
        for (int r = 0; r <= 20; ++r)
            for (int y = 0; y <= 20; ++y)
                for (int b = 0; b <= 20; ++b)
                    ASSERT_LE(found, distance(rybToRgb(r / 20.0, y / 20.0, b / 20.0), c) + 1e-9) << r << y << b;
    }
}

TEST(Ryb, RgbToCmyk) {
    struct Case { double r, g, b, c, m, y, k; };
    const Case cases[] = {
        {0, 0, 0, 0, 0, 0, 1}, {1, 1, 1, 0, 0, 0, 0}, {1, 0, 0, 0, 1, 1, 0},
        {0.5, 0.25, 0, 0, 0.5, 1, 0.5},
    };
    for (const Case& c : cases) {
        const auto cmyk = colour::rgbToCmyk(c.r, c.g, c.b);
        EXPECT_NEAR(cmyk.cyan, c.c, 1e-12);
        EXPECT_NEAR(cmyk.magenta, c.m, 1e-12);
        EXPECT_NEAR(cmyk.yellow, c.y, 1e-12);
        EXPECT_NEAR(cmyk.black, c.k, 1e-12);
    }
}
