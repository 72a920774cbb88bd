#include "charting/bar_line/BarChartRenderer.h"
#include "BarChartTestSupport.h"
#include "kit/graphics/TextMetrics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <sstream>

using namespace charting;
using namespace charting::testing;

namespace {

struct Fixture {
    explicit Fixture(std::vector<std::shared_ptr<BarChartDataSet>> sets, double barWidth = 0.5) {
        chart = kit::make<BarTestChart>();
        chart->setData(barData(std::move(sets), barWidth));
        chart->prepare();
        renderer = std::make_shared<BarChartRenderer>(chart, chart->chartAnimator(), chart->viewPortHandler());
        renderer->initBuffers();
    }
    std::vector<kit::Rect> prepared(int index = 0) {
        renderer->prepareBuffer(*std::dynamic_pointer_cast<BarChartDataSet>(chart->data()->dataSet(index)), index);
        const auto& b = renderer->buffer(static_cast<std::size_t>(index));
        return {b.begin(), b.begin() + static_cast<long>(renderer->writtenCount(static_cast<std::size_t>(index)))};
    }
    std::shared_ptr<BarTestChart> chart;
    std::shared_ptr<BarChartRenderer> renderer;
};

void expectRects(const std::vector<kit::Rect>& got, const std::vector<kit::Rect>& want, const std::string& what) {
    ASSERT_EQ(got.size(), want.size()) << what;
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_DOUBLE_EQ(got[i].x(), want[i].x()) << what << " #" << i;
        EXPECT_DOUBLE_EQ(got[i].y(), want[i].y()) << what << " #" << i;
        EXPECT_DOUBLE_EQ(got[i].width(), want[i].width()) << what << " #" << i;
        EXPECT_DOUBLE_EQ(got[i].height(), want[i].height()) << what << " #" << i;
    }
}

// A drawn label: its text, the centre of its box horizontally and its top.
struct Label {
    std::string text;
    double centerX, top;
    bool operator==(const Label& o) const {
        return text == o.text && std::fabs(centerX - o.centerX) < 1e-9 && std::fabs(top - o.top) < 1e-9;
    }
    friend std::ostream& operator<<(std::ostream& os, const Label& l) {
        return os << l.text << " @" << l.centerX << "," << l.top;
    }
};

std::vector<Label> drawnTexts(BarChartRenderer& renderer) {
    kit::RecordingContext context;
    renderer.drawData(context);
    context.clear();
    renderer.drawValues(context);
    std::vector<Label> out;
    for (const auto& line : context.lines()) {
        if (line.rfind("drawText \"", 0) != 0) continue;
        const auto close = line.find('"', 10);
        std::istringstream rest(line.substr(close + 1));
        Label l{line.substr(10, close - 10), 0, 0};
        double x = 0;
        rest >> x >> l.top;
        l.centerX = x + kit::measureText(l.text, kit::TextAttributes{kit::Font::system(10), kit::Color::blackColor(), std::nullopt}).width / 2.0;
        out.push_back(l);
    }
    return out;
}

} // namespace

TEST(BarChartRenderer, ValueSpaceRectanglesOfPlainNegativeStackedClippedAndAnimatedBars) {
    struct Case {
        const char* name;
        std::vector<EntryPtr> entries;
        bool inverted;
        double phaseX, phaseY;
        std::pair<double, double> clip; // axis min, max; equal values: no clipping axis
        std::vector<kit::Rect> want;
    };
    const std::vector<Case> cases = {
        {"plain", {bar(2, 4)}, false, 1, 1, {0, 0}, {{1.75, 4, 0.5, -4}}},
        {"negative", {bar(2, -3)}, false, 1, 1, {0, 0}, {{1.75, 0, 0.5, -3}}},
        {"inverted", {bar(2, 4)}, true, 1, 1, {0, 0}, {{1.75, 0, 0.5, 4}}},
        {"phaseY halves towards the baseline", {bar(2, 4), bar(3, -2)}, false, 1, 0.5, {0, 0},
         {{1.75, 2, 0.5, -2}, {2.75, 0, 0.5, -1}}},
        {"stack (3, -2, 0)", {stack(2, {3, -2, 0})}, false, 1, 1, {0, 0},
         {{1.75, 3, 0.5, -3}, {1.75, 0, 0.5, -2}, {1.75, 0, 0.5, 0}}},
        {"stack scaled at both ends", {stack(2, {2, 3})}, false, 1, 0.5, {0, 0}, {{1.75, 1, 0.5, -1}, {1.75, 2.5, 0.5, -1.5}}},
        {"clipped to the axis range", {bar(2, 10)}, false, 1, 1, {2, 8}, {{1.75, 8, 0.5, -6}}},
        {"phaseX 0.5 over 5 entries draws 3", {bar(0, 1), bar(1, 1), bar(2, 1), bar(3, 1), bar(4, 1)}, false, 0.5, 1, {0, 0},
         {{-0.25, 1, 0.5, -1}, {0.75, 1, 0.5, -1}, {1.75, 1, 0.5, -1}}},
        {"an overshooting phase stays within the entries", {bar(0, 1)}, false, 1.7, 1, {0, 0}, {{-0.25, 1, 0.5, -1}}},
    };
    for (const Case& c : cases) {
        Fixture f({barSet(c.entries)});
        f.chart->inverted = c.inverted;
        f.chart->chartAnimator()->setPhaseX(c.phaseX);
        f.chart->chartAnimator()->setPhaseY(c.phaseY);
        if (c.clip.first != c.clip.second) {
            f.chart->clipAxis = std::make_shared<YAxis>(AxisDependency::left);
            f.chart->clipAxis->setAxisMinimum(c.clip.first);
            f.chart->clipAxis->setAxisMaximum(c.clip.second);
        }
        expectRects(f.prepared(), c.want, c.name);
    }
}

TEST(BarChartRenderer, StacksSetAfterSizingGrowTheBufferAndOnlyWrittenBarsAreDrawn) {
    auto e = bar(1, 2);
    Fixture f({barSet({e, bar(2, 3)})});
    EXPECT_EQ(f.renderer->buffer(0).size(), 2u);
    // A stack set later: the set still believes in plain bars, so one rectangle per entry is written.
    e->setYValues(std::vector<double>{1, 1, 1});
    EXPECT_EQ(f.prepared().size(), 2u);

    // A second pass revealing fewer bars must not draw the first pass's rectangles again.
    kit::RecordingContext context;
    f.renderer->drawData(context);
    f.chart->chartAnimator()->setPhaseX(0.5);
    context.clear();
    f.renderer->drawData(context);
    int fills = 0;
    for (const auto& line : context.lines()) fills += line.rfind("fillRect", 0) == 0;
    EXPECT_EQ(fills, 1);
}

TEST(BarChartRenderer, DrawsShadowsColoursOutlinesAndPixelRectangles) {
    auto set = barSet({bar(2, 5), bar(4, 3)});
    set->setColors({kit::Color::redColor(), kit::Color::blueColor()});
    set->setBarBorderWidth(2);
    Fixture f({set});
    f.chart->shadows = true;
    kit::RecordingContext context;
    f.renderer->drawData(context);
    const std::string text = context.text();
    // Full-content-height shadow, then the bar's own rectangle in the shadow colour, then the bar.
    const std::string shadow = "fillRect " + kit::Context::describe(kit::Rect{67.5, 50, 5, 100});
    const std::string bar2 = "fillRect " + kit::Context::describe(kit::Rect{67.5, 100, 5, 50});
    ASSERT_NE(text.find(shadow), std::string::npos) << text;
    ASSERT_NE(text.find(bar2), std::string::npos) << text;
    EXPECT_LT(text.find(shadow), text.find(bar2));
    EXPECT_NE(text.find(bar2, text.find(bar2) + 1), std::string::npos) << "bar drawn over its shadow copy";
    EXPECT_NE(text.find("strokeRect " + kit::Context::describe(kit::Rect{67.5, 100, 5, 50})), std::string::npos);
    EXPECT_NE(text.find("setFillColor " + kit::Context::describe(kit::Color::blueColor())), std::string::npos);

    set->setBarBorderWidth(0);
    context.clear();
    f.renderer->drawData(context);
    EXPECT_EQ(context.text().find("strokeRect"), std::string::npos);
}

TEST(BarChartRenderer, HighlightsSegmentsWholeBarsAndSkipsForeignHighlights) {
    Fixture f({barSet({stack(2, {4, -1}), bar(5, 3)})});
    kit::RecordingContext context;
    auto drawn = [&](std::vector<Highlight> highs) {
        context.clear();
        f.renderer->drawHighlighted(context, highs);
        return std::make_pair(context.text(), highs);
    };
    // Segment 0 (0...4) of the stack.
    auto [segment, h1] = drawn({Highlight(2, 3, 0, 0, 0, 0, 0, AxisDependency::left)});
    EXPECT_NE(segment.find("fillRect " + kit::Context::describe(kit::Rect{67.5, 110, 5, 40})), std::string::npos) << segment;
    EXPECT_DOUBLE_EQ(h1[0].drawX(), 70);
    EXPECT_DOUBLE_EQ(h1[0].drawY(), 110);
    // Full bar: -1 ... 4.
    f.chart->fullBar = true;
    auto [full, h2] = drawn({Highlight(2, 3, 0, 0, 0, 0, 0, AxisDependency::left)});
    EXPECT_NE(full.find("fillRect " + kit::Context::describe(kit::Rect{67.5, 110, 5, 50})), std::string::npos) << full;
    EXPECT_NE(full.find("setAlpha"), std::string::npos);
    // A set index that no longer exists and a segment the entry does not have draw nothing.
    auto [foreign, h3] = drawn({Highlight(2, 3, 0, 0, 0, 7, -1, AxisDependency::left)});
    EXPECT_EQ(foreign.find("fillRect"), std::string::npos);
    f.chart->fullBar = false;
    auto [beyond, h4] = drawn({Highlight(2, 3, 0, 0, 0, 0, 5, AxisDependency::left)});
    EXPECT_EQ(beyond.find("fillRect"), std::string::npos);
}

TEST(BarChartRenderer, AccessibilityElementsInEntryOrderWithLabels) {
    auto a = barSet({bar(1, 2), bar(2, 3)}, "Alpha");
    Fixture one({a});
    one.chart->accessible = true;
    kit::RecordingContext context;
    one.renderer->drawData(context);
    const auto& elements = one.renderer->accessibleChartElements();
    ASSERT_EQ(elements.size(), 3u);
    EXPECT_TRUE(elements[0]->isHeader());
    EXPECT_EQ(elements[1]->accessibilityLabel(), " 1: 2.00");

    Fixture two({barSet({bar(1, 2), bar(2, 3)}, "Alpha"), barSet({bar(1, 5)}, "Beta")});
    two.chart->accessible = true;
    two.renderer->drawData(context);
    const auto& both = two.renderer->accessibleChartElements();
    ASSERT_EQ(both.size(), 4u);
    // Grouped by entry position: both sets' first bars, then the second.
    EXPECT_EQ(both[1]->accessibilityLabel(), "Alpha,  1: 2.00");
    EXPECT_EQ(both[2]->accessibilityLabel(), "Beta,  1: 5.00");
    EXPECT_EQ(both[3]->accessibilityLabel(), "Alpha,  2: 3.00");

    // Not a bar chart view of its own: no elements at all.
    Fixture plain({barSet({bar(1, 2)})});
    plain.renderer->drawData(context);
    EXPECT_TRUE(plain.renderer->accessibleChartElements().empty());
}

TEST(BarChartRenderer, ValueLabelsAboveInsideAndOnStackSegments) {
    kit::FixedTextMetricsScope metrics(0.5, 1.2);
    auto set = barSet({bar(2, 5), bar(4, -3)});
    set->setValueFont(kit::Font::system(10)); // line height 12
    Fixture f({set});
    f.chart->prepare(0, 10, 10, -5); // y -5 ... 5: zero at pixel 100
    auto above = drawnTexts(*f.renderer);
    ASSERT_EQ(above.size(), 2u);
    // Positive: top at 50, the label's box 4.5 + 12 above it; negative: bottom at 130, 4.5 below.
    EXPECT_EQ(above[0], (Label{"5.00", 70, 50 - 16.5}));
    EXPECT_EQ(above[1], (Label{"-3.00", 90, 130 + 4.5}));

    f.chart->valuesAbove = false;
    auto inside = drawnTexts(*f.renderer);
    EXPECT_EQ(inside[0], (Label{"5.00", 70, 50 + 4.5}));
    EXPECT_EQ(inside[1], (Label{"-3.00", 90, 130 - 16.5}));

    // Stack (2, -1, 3): labels at 2, at -1 (below, the negative offset) and at the top 5; a zero on
    // top of a positive stack without negative values is labelled below its point.
    auto stacks = barSet({stack(2, {2, -1, 3}), stack(6, {2, 0})});
    stacks->setValueFont(kit::Font::system(10));
    Fixture s({stacks});
    s.chart->prepare(0, 10, 20, -10); // 5 pixels a unit, zero at 100
    auto stacked = drawnTexts(*s.renderer);
    ASSERT_EQ(stacked.size(), 5u);
    EXPECT_EQ(stacked[0], (Label{"2.00", 70, 90 - 16.5}));
    EXPECT_EQ(stacked[1], (Label{"-1.00", 70, 105 + 4.5}));
    EXPECT_EQ(stacked[2], (Label{"3.00", 70, 75 - 16.5}));
    EXPECT_EQ(stacked[4], (Label{"0.00", 110, 100 + 4.5}));

    // As many entries as the visible count: no labels at all.
    f.chart->visibleCount = 2;
    EXPECT_TRUE(drawnTexts(*f.renderer).empty());
}
