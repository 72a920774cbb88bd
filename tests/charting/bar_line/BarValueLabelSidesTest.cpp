// Value labels sit just outside the value end of their bar, whichever way the axis runs.
#include "BarChartTestSupport.h"
#include "charting/bar_line/BarChartRenderer.h"
#include "charting/bar_line/HorizontalBarChartRenderer.h"
#include "kit/graphics/TextMetrics.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace charting;
using namespace charting::testing;

namespace {

// Text and top-left corner of every label drawn by the value pass.
std::vector<std::pair<std::string, kit::Point>> labelCorners(BarChartRenderer& renderer) {
    kit::RecordingContext context;
    renderer.drawData(context);
    context.clear();
    renderer.drawValues(context);
    std::vector<std::pair<std::string, kit::Point>> out;
    for (const auto& line : context.lines()) {
        if (line.rfind("drawText \"", 0) != 0) continue;
        const auto close = line.find('"', 10);
        kit::Point p;
        std::istringstream(line.substr(close + 1)) >> p.x >> p.y;
        out.emplace_back(line.substr(10, close - 10), p);
    }
    return out;
}

double textWidth(const std::string& text) {
    return kit::measureText(text, kit::TextAttributes{kit::Font::system(10), kit::Color::blackColor(), std::nullopt}).width;
}

} // namespace

TEST(BarValueLabels, OutsideTheValueEndInBothOrientationsOnNormalAndInvertedAxes) {
    kit::FixedTextMetricsScope metrics(0.5, 1.2); // line height 12 at size 10
    // Values -5 ... 5 over the 100 pixels of the content (50 ... 150): zero at pixel 100, 10 pixels a unit.
    // Vertical labels are 4.5 above an upper end or below a lower one (their box is 12 high);
    // horizontal ones 5 right of a right end or left of a left one (their box is as wide as the text).
    const double w4 = textWidth("4.00"), w3 = textWidth("-3.00");
    struct Case {
        const char* name;
        bool horizontal, inverted;
        double plusFour, minusThree; // the label's top (vertical) or left (horizontal) edge
    } cases[] = {
        {"vertical", false, false, 60 - 4.5 - 12, 130 + 4.5},
        {"vertical inverted", false, true, 140 + 4.5, 70 - 4.5 - 12},
        {"horizontal", true, false, 140 + 5, 70 - 5 - w3},
        {"horizontal inverted", true, true, 60 - 5 - w4, 130 + 5},
    };
    for (const auto& c : cases) {
        auto set = barSet({bar(2, 4), bar(6, -3)});
        set->setValueFont(kit::Font::system(10));
        auto chart = kit::make<BarTestChart>();
        chart->inverted = c.inverted;
        std::shared_ptr<BarChartRenderer> renderer;
        if (c.horizontal) {
            chart->left = std::make_shared<TransformerHorizontalBarChart>(chart->viewPortHandler());
            chart->right = std::make_shared<TransformerHorizontalBarChart>(chart->viewPortHandler());
            renderer = std::make_shared<HorizontalBarChartRenderer>(chart, chart->chartAnimator(), chart->viewPortHandler());
        } else {
            renderer = std::make_shared<BarChartRenderer>(chart, chart->chartAnimator(), chart->viewPortHandler());
        }
        chart->setData(barData({set}));
        // The horizontal transformer takes the value axis first.
        if (c.horizontal) chart->prepare(-5, 10, 10, 0);
        else chart->prepare(0, 10, 10, -5);
        renderer->initBuffers();

        const auto labels = labelCorners(*renderer);
        ASSERT_EQ(labels.size(), 2u) << c.name;
        EXPECT_EQ(labels[0].first, "4.00") << c.name;
        EXPECT_EQ(labels[1].first, "-3.00") << c.name;
        const auto edge = [&](kit::Point p) { return c.horizontal ? p.x : p.y; };
        EXPECT_NEAR(edge(labels[0].second), c.plusFour, 1e-9) << c.name;
        EXPECT_NEAR(edge(labels[1].second), c.minusThree, 1e-9) << c.name;
    }
}
