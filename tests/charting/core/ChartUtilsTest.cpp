#include "charting/core/ChartUtils.h"
#include "ChartTestSupport.h"
#include "kit/graphics/TextMetrics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

using namespace charting;
using charting::testing::linesStartingWith;

namespace {
constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
} // namespace

TEST(ChartUtils, RoundedToNextSignificant) {
    const std::pair<double, double> rows[] = {
        {16.67, 20}, {0.1667, 0.2}, {1.133, 1}, {150, 200}, {0.05, 0.05}, {-34, -30}, {95, 100},
        {0, 0},      {0.95, 1.0},   {0.00123, 0.001}, {45, 50}, {-0.0351, -0.04},
    };
    for (auto [in, out] : rows) EXPECT_DOUBLE_EQ(roundedToNextSignificant(in), out) << in;
    EXPECT_TRUE(std::isnan(roundedToNextSignificant(notANumber)));
    EXPECT_EQ(roundedToNextSignificant(inf), inf);
    EXPECT_EQ(roundedToNextSignificant(-inf), -inf);
}

TEST(ChartUtils, DecimalsForAValue) {
    const std::pair<double, int> rows[] = {
        {0.5, 3}, {1, 2}, {12, 1}, {150, 0}, {1234, -1}, {0, 0}, {inf, 0}, {notANumber, 0}, {0.02, 4}, {9, 2}, {99, 0},
        // A negative value is measured by its magnitude.
        {-0.5, 3},
    };
    for (auto [in, out] : rows) EXPECT_EQ(decimals(in), out) << in;
}

TEST(ChartUtils, TruncationSaturates) {
    EXPECT_EQ(truncToInt(2.9), 2);
    EXPECT_EQ(truncToInt(-2.9), -2);
    EXPECT_EQ(truncToInt(notANumber), 0);
    EXPECT_EQ(truncToInt(inf), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(truncToInt(9223372036854775807.0), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(truncToInt(-1e300), std::numeric_limits<std::int64_t>::min());
}

TEST(ChartUtils, DrawPointByAlignment) {
    kit::FixedTextMetricsScope metrics; // 10-point text: 5 per character, 12 per line
    const kit::TextAttributes attributes{kit::Font::system(10), kit::Color::blackColor(), std::nullopt};
    const kit::Point p{100, 7};
    EXPECT_EQ(getDrawPoint("abcd", p, kit::TextAlignment::left, attributes), p);
    EXPECT_EQ(getDrawPoint("abcd", p, kit::TextAlignment::natural, attributes), p);
    EXPECT_EQ(getDrawPoint("abcd", p, kit::TextAlignment::center, attributes), (kit::Point{90, 7}));
    EXPECT_EQ(getDrawPoint("abcd", p, kit::TextAlignment::right, attributes), (kit::Point{80, 7}));
}

TEST(ChartUtils, AnchoredAndRotatedTextPositions) {
    kit::FixedTextMetricsScope metrics;
    const kit::TextAttributes attributes{kit::Font::system(10), kit::Color::blackColor(), std::nullopt};
    kit::RecordingContext context;
    // "abcd" is 20 x 12.
    drawText(context, "abcd", {100, 50}, {0.5, 1.0}, 0, attributes);
    drawText(context, "abcd", {100, 50}, {0, 0}, 0, attributes);
    EXPECT_EQ(linesStartingWith(context, "drawText"),
              (std::vector<std::string>{"drawText \"abcd\" 90 38 Inter 400 10 #000000FF",
                                        "drawText \"abcd\" 100 50 Inter 400 10 #000000FF"}));

    context.clear();
    const double quarter = std::numbers::pi / 2;
    // Centred: turned about the point itself, drawn at minus half its size.
    drawText(context, "abcd", {100, 50}, {0.5, 0.5}, quarter, attributes);
    EXPECT_EQ(context.lines(), (std::vector<std::string>{"save", "translate 100 50", "rotate 1.5708",
                                                         "drawText \"abcd\" -10 -6 Inter 400 10 #000000FF", "restore"}));
    context.clear();
    // Bottom anchor: the rotated box is 12 wide and 20 tall, so its centre sits 10 above the point.
    drawText(context, "abcd", {100, 50}, {0.5, 1.0}, quarter, attributes);
    EXPECT_EQ(linesStartingWith(context, "translate"), (std::vector<std::string>{"translate 100 40"}));

    context.clear();
    drawMultilineText(context, "abcd", {100, 50}, {0.5, 0.5}, {20, 24}, 0, attributes);
    EXPECT_EQ(linesStartingWith(context, "drawText"),
              (std::vector<std::string>{"drawText \"abcd\" in 90 38 20 24 Inter 400 10 #000000FF"}));
    EXPECT_EQ(context.saveDepth(), 0);
}

TEST(ChartUtils, ImagesAreResizedOncePerSize) {
    auto small = std::make_shared<const kit::Image>(*kit::Image::make(10, 10));
    kit::RecordingContext context;
    drawImage(context, small, {50, 50}, {20, 20});
    auto copy = cachedResizedImage(small.get(), {20, 20});
    ASSERT_TRUE(copy);
    drawImage(context, small, {50, 50}, {20, 20});
    EXPECT_EQ(cachedResizedImage(small.get(), {20, 20}), copy);
    // The copy has the screen's scale.
    const std::string pixels = std::to_string(copy->pixelWidth()) + "x" + std::to_string(copy->pixelHeight());
    EXPECT_EQ(copy->size(), (kit::Size{20, 20}));
    EXPECT_EQ(linesStartingWith(context, "drawImage"),
              (std::vector<std::string>{"drawImage " + pixels + " 40 40 20 20", "drawImage " + pixels + " 40 40 20 20"}));

    // Another size gets its own copy; the first one stays.
    drawImage(context, small, {50, 50}, {30, 30});
    ASSERT_TRUE(cachedResizedImage(small.get(), {30, 30}));
    EXPECT_EQ(cachedResizedImage(small.get(), {20, 20}), copy);

    // One side already matching: drawn stretched, nothing cached.
    auto wide = std::make_shared<const kit::Image>(*kit::Image::make(20, 10));
    context.clear();
    drawImage(context, wide, {50, 50}, {20, 20});
    EXPECT_FALSE(cachedResizedImage(wide.get(), {20, 20}));
    EXPECT_EQ(linesStartingWith(context, "drawImage"), (std::vector<std::string>{"drawImage 20x10 40 40 20 20"}));

    // The copies go with their image.
    const kit::Image* address = small.get();
    small.reset();
    EXPECT_FALSE(cachedResizedImage(address, {20, 20}));
}
