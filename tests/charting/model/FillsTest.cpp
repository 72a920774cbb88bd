#include "charting/model/Fills.h"
#include "kit/graphics/Context.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace charting;

namespace {

const kit::Gradient redToBlue = *kit::Gradient::make({kit::Color::redColor(), kit::Color::blueColor()});

std::string lineStarting(const kit::RecordingContext& c, std::string_view prefix) {
    auto& lines = c.lines();
    auto it = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.starts_with(prefix); });
    return it == lines.end() ? "" : *it;
}

void addTriangle(kit::Context& c) {
    c.beginPath();
    c.moveTo({10, 10});
    c.lineTo({190, 20});
    c.lineTo({100, 90});
    c.closePath();
}

TEST(Fills, GradientGeometry) {
    const kit::Rect rect{0, 0, 200, 100};
    struct Row {
        std::shared_ptr<ChartFill> fill;
        const char* prefix;
        const char* geometry;
    } rows[] = {
        {std::make_shared<LinearGradientFill>(redToBlue, 0), "drawLinearGradient", "drawLinearGradient 0 50 200 50 "},
        {std::make_shared<LinearGradientFill>(redToBlue, 90), "drawLinearGradient", "drawLinearGradient 100 100 100 0 "},
        {std::make_shared<RadialGradientFill>(redToBlue), "drawRadialGradient", "drawRadialGradient 100 50 0 100 50 100 "},
        {std::make_shared<RadialGradientFill>(redToBlue, kit::Point{0.25, 0}, kit::Point{}, 0.5, 1), "drawRadialGradient",
         "drawRadialGradient 150 50 50 100 50 100 "},
    };
    for (const auto& row : rows) {
        kit::RecordingContext c({200, 100});
        addTriangle(c);
        row.fill->fillPath(c, rect);
        EXPECT_TRUE(lineStarting(c, row.prefix).starts_with(row.geometry)) << lineStarting(c, row.prefix);
        EXPECT_NE(lineStarting(c, "clip"), "");
    }
}

TEST(Fills, EveryFillLeavesTheStateAsItFoundIt) {
    auto image = *kit::Image::make(4, 4);
    std::shared_ptr<ChartFill> fills[] = {
        std::make_shared<EmptyFill>(),
        std::make_shared<ColorFill>(kit::Color::greenColor()),
        ImageFill::make(image, false),
        ImageFill::make(image, true),
        std::make_shared<LayerFill>(image),
        std::make_shared<LinearGradientFill>(redToBlue, 30),
        std::make_shared<RadialGradientFill>(redToBlue),
    };
    for (const auto& fill : fills) {
        ASSERT_NE(fill, nullptr);
        kit::RecordingContext c({200, 100});
        c.setFillColor(kit::Color::yellowColor());
        const auto clip = c.clipBoundingBox();
        const int depth = c.saveDepth();
        addTriangle(c);
        fill->fillPath(c, {0, 0, 200, 100});
        EXPECT_EQ(c.fillColor(), kit::Color::yellowColor());
        EXPECT_EQ(c.clipBoundingBox(), clip);
        EXPECT_EQ(c.saveDepth(), depth);
    }
}

TEST(Fills, EmptyFillKeepsThePathAndColourFillPaints) {
    kit::RecordingContext c({200, 100});
    addTriangle(c);
    EmptyFill().fillPath(c, {});
    EXPECT_FALSE(c.isPathEmpty());
    ColorFill(kit::Color::greenColor()).fillPath(c, {});
    EXPECT_TRUE(c.isPathEmpty());
    EXPECT_EQ(c.image().colorAt(100, 40), kit::Color::rgba(0, 1, 0, 1));
    EXPECT_EQ(c.image().colorAt(5, 95).alpha(), 0);
}

TEST(Fills, ImageFillNeedsPixels) {
    EXPECT_EQ(ImageFill::make(kit::Image(), false), nullptr);
    auto tiled = ImageFill::make(*kit::Image::make(2, 2), true);
    ASSERT_NE(tiled, nullptr);
    EXPECT_TRUE(tiled->isTiled());
}

} // namespace
