#include "charting/bar_line/HorizontalBarChartRenderer.h"
#include "BarChartTestSupport.h"
#include "kit/graphics/TextMetrics.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace charting;
using namespace charting::testing;

namespace {

struct Fixture {
    explicit Fixture(std::vector<std::shared_ptr<BarChartDataSet>> sets) {
        chart = kit::make<BarTestChart>();
        chart->left = std::make_shared<TransformerHorizontalBarChart>(chart->viewPortHandler());
        chart->right = std::make_shared<TransformerHorizontalBarChart>(chart->viewPortHandler());
        chart->setData(barData(std::move(sets)));
        chart->prepare(); // y 0...10 across, x 0...10 upwards over (50, 50, 100, 100)
        renderer = std::make_shared<HorizontalBarChartRenderer>(chart, chart->chartAnimator(), chart->viewPortHandler());
        renderer->initBuffers();
    }
    std::vector<kit::Rect> prepared() {
        renderer->prepareBuffer(*std::dynamic_pointer_cast<BarChartDataSet>(chart->data()->dataSet(0)), 0);
        const auto& b = renderer->buffer(0);
        return {b.begin(), b.begin() + static_cast<long>(renderer->writtenCount(0))};
    }
    std::vector<std::string> lines(const std::string& prefix) {
        kit::RecordingContext context;
        renderer->drawData(context);
        renderer->drawValues(context);
        std::vector<std::string> out;
        for (const auto& l : context.lines()) if (l.rfind(prefix, 0) == 0) out.push_back(l);
        return out;
    }
    std::shared_ptr<BarTestChart> chart;
    std::shared_ptr<HorizontalBarChartRenderer> renderer;
};

kit::Point textPoint(const std::string& line) {
    std::istringstream in(line.substr(line.find('"', 10) + 1));
    kit::Point p;
    in >> p.x >> p.y;
    return p;
}

} // namespace

TEST(HorizontalBarChartRenderer, SidewaysRectanglesWithPhaseAndStacks) {
    Fixture f({barSet({bar(2, 4), stack(5, {2, -1})})});
    f.chart->chartAnimator()->setPhaseY(0.5);
    auto rects = f.prepared();
    ASSERT_EQ(rects.size(), 3u);
    // y 4 at phase 0.5 spans 0...2 horizontally, barWidth high around x 2 (origin at the top, x + half).
    EXPECT_EQ(rects[0], (kit::Rect{0, 2.25, 2, -0.5}));
    // Stack (2, -1): 0...2 and -1...0, both scaled by the phase.
    EXPECT_EQ(rects[1], (kit::Rect{0, 5.25, 1, -0.5}));
    EXPECT_EQ(rects[2], (kit::Rect{-0.5, 5.25, 0.5, -0.5}));
}

TEST(HorizontalBarChartRenderer, ShadowBandsBarsAndHighlight) {
    Fixture f({barSet({bar(2, 4), bar(6, 3)})});
    f.chart->shadows = true;
    auto fills = f.lines("fillRect");
    ASSERT_EQ(fills.size(), 4u);
    // One full-content-width band per entry, then the bars; no second shadow pass.
    EXPECT_EQ(fills[0].rfind("fillRect " + kit::Context::describe(kit::Rect{50, 127.5, 100, 5}), 0), 0u) << fills[0];
    EXPECT_EQ(fills[2].rfind("fillRect " + kit::Context::describe(kit::Rect{50, 127.5, 40, 5}), 0), 0u) << fills[2];

    std::vector<Highlight> highs{Highlight(2, 4, 0, 0, 0, 0, -1, AxisDependency::left)};
    kit::RecordingContext context;
    f.renderer->drawHighlighted(context, highs);
    EXPECT_NE(context.text().find("fillRect " + kit::Context::describe(kit::Rect{50, 127.5, 40, 5})), std::string::npos);
    EXPECT_DOUBLE_EQ(highs[0].drawX(), 130);
    EXPECT_DOUBLE_EQ(highs[0].drawY(), 90);
}

TEST(HorizontalBarChartRenderer, LabelsBesideTheBarEndsAndLimitedByTheVerticalScale) {
    kit::FixedTextMetricsScope metrics(0.5, 1.2);
    auto set = barSet({bar(2, 4)});
    set->setValueFont(kit::Font::system(10));
    Fixture f({set});
    auto texts = f.lines("drawText");
    ASSERT_EQ(texts.size(), 1u);
    // 5 points right of the end at 90, vertically centred on 130.
    EXPECT_EQ(textPoint(texts[0]), (kit::Point{95, 124}));
    f.chart->valuesAbove = false;
    texts = f.lines("drawText");
    const double w = kit::measureText("4.00", kit::TextAttributes{kit::Font::system(10), kit::Color::blackColor(), std::nullopt}).width;
    EXPECT_EQ(textPoint(texts[0]), (kit::Point{90 - w - 5, 124}));

    // The entry count is compared with maxVisibleCount × the vertical scale.
    f.chart->visibleCount = 1;
    EXPECT_TRUE(f.lines("drawText").empty());
    f.chart->viewPortHandler()->refresh(f.chart->viewPortHandler()->setZoom(3, 1), *f.chart, false);
    EXPECT_TRUE(f.lines("drawText").empty()) << "whatever the horizontal zoom";
}
