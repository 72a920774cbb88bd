#include "charting/bar_line/ScatterChartData.h"
#include "charting/bar_line/ScatterChartDataSet.h"
#include "charting/bar_line/ShapeRenderers.h"
#include "charting/core/ViewPortHandler.h"
#include "kit/base/Make.h"
#include "kit/graphics/Context.h"
#include "kit/graphics/Image.h"

#include <gtest/gtest.h>

#include <typeinfo>

using namespace charting;

namespace {

std::shared_ptr<ScatterChartDataSet> scatterSized(double size) {
    auto set = kit::make<ScatterChartDataSet>(std::vector<EntryPtr>{kit::make<ChartDataEntry>(1, 2)});
    set->setScatterShapeSize(size);
    return set;
}

TEST(ScatterChartDataSet, DefaultsShapesAndCopy) {
    for (const auto& set : {kit::make<ScatterChartDataSet>(), scatterSized(10)}) {
        EXPECT_EQ(set->scatterShapeSize(), 10);
        EXPECT_EQ(set->scatterShapeHoleRadius(), 0);
        EXPECT_FALSE(set->scatterShapeHoleColor());
        EXPECT_TRUE(std::dynamic_pointer_cast<SquareShapeRenderer>(set->shapeRenderer()));
        EXPECT_TRUE(set->isHorizontalHighlightIndicatorEnabled());
    }

    struct Row {
        int raw;
        const std::type_info& type;
    } rows[] = {{0, typeid(SquareShapeRenderer)},   {1, typeid(CircleShapeRenderer)},
                {2, typeid(TriangleShapeRenderer)}, {3, typeid(CrossShapeRenderer)},
                {4, typeid(XShapeRenderer)},        {5, typeid(ChevronUpShapeRenderer)},
                {6, typeid(ChevronDownShapeRenderer)}};
    auto set = kit::make<ScatterChartDataSet>();
    for (const auto& row : rows) {
        auto shape = ScatterChartDataSet::shapeFromRaw(row.raw);
        ASSERT_TRUE(shape);
        set->setScatterShape(*shape);
        ASSERT_TRUE(set->shapeRenderer());
        EXPECT_EQ(typeid(*set->shapeRenderer()), row.type) << row.raw;
    }
    EXPECT_FALSE(ScatterChartDataSet::shapeFromRaw(7));
    EXPECT_FALSE(ScatterChartDataSet::shapeFromRaw(-1));
    auto first = set->shapeRenderer();
    set->setScatterShape(ScatterChartDataSet::Shape::chevronDown);
    EXPECT_NE(set->shapeRenderer(), first); // a new object on every call

    set->setScatterShapeSize(7);
    set->setScatterShapeHoleRadius(2);
    set->setScatterShapeHoleColor(kit::Color::redColor());
    set->setDrawVerticalHighlightIndicatorEnabled(false);
    auto copy = std::dynamic_pointer_cast<ScatterChartDataSet>(set->copy());
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->shapeRenderer(), set->shapeRenderer());
    EXPECT_EQ(copy->scatterShapeSize(), 7);
    EXPECT_EQ(copy->scatterShapeHoleRadius(), 2);
    EXPECT_EQ(copy->scatterShapeHoleColor(), kit::Color::redColor());
    EXPECT_FALSE(copy->isVerticalHighlightIndicatorEnabled());

    set->setShapeRenderer(nullptr);
    EXPECT_FALSE(set->shapeRenderer());
}

TEST(ScatterChartData, GreatestShapeSize) {
    auto data = kit::make<ScatterChartData>(std::vector<DataSetPtr>{scatterSized(8), scatterSized(15), scatterSized(12)});
    EXPECT_EQ(data->getGreatestShapeSize(), 15);
    EXPECT_EQ(kit::make<ScatterChartData>()->getGreatestShapeSize(), 0);
    auto mixed = kit::make<ScatterChartData>(
        std::vector<DataSetPtr>{scatterSized(8), kit::make<ChartDataSet>(std::vector<EntryPtr>{})});
    EXPECT_EQ(mixed->getGreatestShapeSize(), 0);
}

// Shapes are drawn at (50, 50) in red; the hole colour is blue.
std::vector<std::string> drawn(ShapeRenderer& shape, double size, double holeRadius, bool holeColour) {
    auto image = kit::Image::make(100, 100);
    kit::Context context(*image);
    context.setRecording(true);
    auto set = kit::make<ScatterChartDataSet>();
    set->setScatterShapeSize(size);
    set->setScatterShapeHoleRadius(holeRadius);
    if (holeColour) set->setScatterShapeHoleColor(kit::Color::blueColor());
    ViewPortHandler handler(100, 100);
    shape.renderShape(context, *set, handler, {50, 50}, kit::Color::redColor());
    return context.recordedLines();
}

bool has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(ShapeRenderers, FilledShapesWithAndWithoutHoles) {
    CircleShapeRenderer circle;
    SquareShapeRenderer square;
    auto plain = drawn(circle, 10, 0, false);
    EXPECT_TRUE(has(plain, "fillEllipse 45 45 10 10 #FF0000FF"));

    auto holed = drawn(circle, 10, 2, true);
    EXPECT_TRUE(has(holed, "setLineWidth 3"));
    EXPECT_TRUE(has(holed, "strokeEllipse 46.5 46.5 7 7 #FF0000FF"));
    EXPECT_TRUE(has(holed, "fillEllipse 48 48 4 4 #0000FFFF"));

    auto noHoleColour = drawn(square, 10, 2, false);
    EXPECT_TRUE(has(noHoleColour, "strokeRect 46.5 46.5 7 7 #FF0000FF"));
    for (const auto& line : noHoleColour) EXPECT_EQ(line.find("fill"), std::string::npos) << line;

    // A hole wider than the shape leaves no ring to stroke; only the hole is filled.
    auto tooWide = drawn(square, 4, 3, true);
    for (const auto& line : tooWide) EXPECT_EQ(line.find("stroke"), std::string::npos) << line;
    EXPECT_TRUE(has(tooWide, "fillRect 47 47 6 6 #0000FFFF"));
}

TEST(ShapeRenderers, TriangleIsHollowedByOppositeWinding) {
    TriangleShapeRenderer triangle;
    auto lines = drawn(triangle, 10, 2, true);
    const std::vector<std::string> expected{
        "setFillColor #FF0000FF", "beginPath",      "moveTo 50 45",  "lineTo 55 55",           "lineTo 45 55",
        "lineTo 50 45",           "moveTo 48 52",   "lineTo 52 52",  "lineTo 50 48",           "lineTo 48 52",
        "closePath",              "fillPath #FF0000FF", "setFillColor #0000FFFF", "beginPath", "moveTo 50 48",
        "lineTo 52 52",           "lineTo 48 52",   "closePath",     "fillPath #0000FFFF"};
    EXPECT_EQ(lines, expected);
}

TEST(ShapeRenderers, StrokedShapesIgnoreTheHole) {
    struct Row {
        std::shared_ptr<ShapeRenderer> shape;
        std::vector<std::string> segments;
    } rows[] = {
        {std::make_shared<CrossShapeRenderer>(), {"moveTo 45 50", "lineTo 55 50", "moveTo 50 45", "lineTo 50 55"}},
        {std::make_shared<XShapeRenderer>(), {"moveTo 45 45", "lineTo 55 55", "moveTo 55 45", "lineTo 45 55"}},
        {std::make_shared<ChevronUpShapeRenderer>(), {"moveTo 50 40", "lineTo 60 50", "moveTo 50 40", "lineTo 40 50"}},
        {std::make_shared<ChevronDownShapeRenderer>(), {"moveTo 50 60", "lineTo 60 50", "moveTo 50 60", "lineTo 40 50"}},
    };
    for (const auto& row : rows) {
        auto lines = drawn(*row.shape, 10, 2, true);
        std::vector<std::string> expected{"setLineWidth 1", "setStrokeColor #FF0000FF", "beginPath"};
        expected.insert(expected.end(), row.segments.begin(), row.segments.end());
        expected.push_back("strokePath #FF0000FF");
        EXPECT_EQ(lines, expected);
    }
}

} // namespace
