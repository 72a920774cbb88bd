#include "charting/core/MarkerImage.h"
#include "charting/core/MarkerView.h"
#include "ChartTestSupport.h"
#include "kit/base/Make.h"

#include <gtest/gtest.h>

#include <memory>

using namespace charting;
using charting::testing::linesStartingWith;
using charting::testing::TestChart;

namespace {
std::shared_ptr<const kit::Image> imageOf(double w, double h) { return std::make_shared<const kit::Image>(*kit::Image::make(w, h)); }
} // namespace

TEST(MarkerImage, StaysInsideTheChart) {
    auto chart = kit::make<TestChart>(kit::Rect{0, 0, 300, 200});
    MarkerImage marker;
    marker.setImage(imageOf(40, 20));
    marker.setOffset({-20, -20});
    marker.setChartView(chart);
    struct Row {
        kit::Point point, offset;
    };
    const Row rows[] = {
        {{10, 50}, {-10, -20}},  // left edge
        {{290, 190}, {-30, -20}}, // right edge; the bottom still fits
        {{100, 10}, {-20, -10}},  // top edge
        {{100, 205}, {-20, -25}}, // bottom edge
        {{100, 100}, {-20, -20}}, // inside: as set
    };
    for (const Row& row : rows) EXPECT_EQ(marker.offsetForDrawing(row.point), row.offset) << row.point.x << "," << row.point.y;

    // A zero size side is the image's own.
    marker.setSize({0, 30});
    kit::RecordingContext context;
    marker.draw(context, {100, 100});
    EXPECT_EQ(linesStartingWith(context, "drawImage"), (std::vector<std::string>{"drawImage 40x20 80 80 40 30"}));

    // Without a chart only the left and top edges are kept.
    MarkerImage loose;
    loose.setImage(imageOf(40, 20));
    loose.setOffset({-20, -20});
    EXPECT_EQ(loose.offsetForDrawing({10, 5}), (kit::Point{-10, -5}));
    EXPECT_EQ(loose.offsetForDrawing({1000, 1000}), (kit::Point{-20, -20}));

    MarkerImage empty;
    context.clear();
    empty.draw(context, {10, 10});
    EXPECT_TRUE(context.lines().empty());
}

TEST(MarkerView, DrawsItsLayerAtTheOffsetPoint) {
    auto chart = kit::make<TestChart>(kit::Rect{0, 0, 300, 200});
    auto marker = kit::make<MarkerView>(kit::Rect{0, 0, 50, 30});
    marker->setOffset({-25, -40});
    EXPECT_EQ(marker->offsetForDrawing({10, 10}), (kit::Point{-25, -40})); // no chart: as set
    marker->setChartView(chart);
    EXPECT_EQ(marker->offsetForDrawing({10, 10}), (kit::Point{-10, -10}));
    EXPECT_EQ(marker->offsetForDrawing({280, 100}), (kit::Point{-30, -40}));

    marker->setBackgroundColor(kit::Color::redColor());
    kit::RecordingContext context{{300, 200}};
    marker->draw(context, {100, 100});
    EXPECT_EQ(context.lines().front(), "save");
    EXPECT_EQ(context.lines()[1], "translate 75 60");
    EXPECT_EQ(context.saveDepth(), 0);
    EXPECT_EQ(context.image().colorAt(80, 70), kit::Color::redColor());
    EXPECT_EQ(context.image().colorAt(70, 70).alpha(), 0);
}

TEST(MarkerView, FromAnInterfaceDescription) {
    InterfaceBundle bundle;
    bundle.add("MarkerView", [] { return std::vector<std::shared_ptr<kit::View>>{kit::make<MarkerView>(kit::Rect{0, 0, 5, 5})}; });
    bundle.add("Empty", [] { return std::vector<std::shared_ptr<kit::View>>{}; });
    bundle.add("PlainView", [] { return std::vector<std::shared_ptr<kit::View>>{kit::make<kit::View>()}; });
    EXPECT_TRUE(MarkerView::viewFromXib(bundle));
    EXPECT_FALSE(MarkerView::viewFromXib(bundle, "Missing"));
    EXPECT_FALSE(MarkerView::viewFromXib(bundle, "Empty"));
    EXPECT_FALSE(MarkerView::viewFromXib(bundle, "PlainView"));
}
