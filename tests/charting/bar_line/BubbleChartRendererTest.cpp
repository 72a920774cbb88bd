#include "charting/bar_line/BubbleChartRenderer.h"
#include "charting/bar_line/BubbleChartData.h"
#include "charting/bar_line/BubbleChartDataEntry.h"
#include "charting/bar_line/BubbleChartDataSet.h"
#include "KindTestChart.h"
#include "kit/graphics/Context.h"

#include <gtest/gtest.h>

using namespace charting;
using namespace charting::testing;

namespace {

class BubbleTestChart : public KindTestChart<BubbleChartDataProvider> {
public:
    std::shared_ptr<BubbleChartData> bubbleData() const override { return std::dynamic_pointer_cast<BubbleChartData>(data()); }
    std::shared_ptr<ChartViewBase> bubbleChartView() const override { return self(); }
};

struct Fixture {
    explicit Fixture(std::vector<EntryPtr> entries, bool normalize = true) {
        chart = kit::make<BubbleTestChart>();
        set = kit::make<BubbleChartDataSet>(std::move(entries));
        set->setNormalizeSizeEnabled(normalize);
        set->setColors({kit::Color::rgba(0.2, 0.4, 0.8, 1), kit::Color::rgba(0.8, 0.4, 0.2, 1)});
        chart->setData(kit::make<BubbleChartData>(std::vector<DataSetPtr>{set}));
        chart->prepare();
        renderer = std::make_shared<BubbleChartRenderer>(chart, chart->chartAnimator(), chart->viewPortHandler());
    }
    std::shared_ptr<BubbleTestChart> chart;
    std::shared_ptr<BubbleChartDataSet> set;
    std::shared_ptr<BubbleChartRenderer> renderer;
};

EntryPtr bubble(double x, double y, double size) { return std::make_shared<BubbleChartDataEntry>(x, y, size); }
std::string rect(double x, double y, double w, double h) { return kit::Context::describe(kit::Rect{x, y, w, h}); }

} // namespace

TEST(BubbleChartRenderer, DiametersFromOneXUnitWithAndWithoutNormalisation) {
    // One x unit is 10 pixels, the content 100 high: the reference size is 10.
    Fixture normalized({bubble(2, 5, 4), bubble(5, 5, 1)});
    EXPECT_DOUBLE_EQ(normalized.renderer->referenceSize(*normalized.chart->left), 10);
    kit::RecordingContext context;
    normalized.renderer->drawData(context);
    const std::string text = context.text();
    // The largest is one reference wide; a quarter of the size gives half the diameter.
    EXPECT_NE(text.find("fillEllipse " + rect(65, 95, 10, 10)), std::string::npos) << text;
    EXPECT_NE(text.find("fillEllipse " + rect(97.5, 97.5, 5, 5)), std::string::npos) << text;
    const auto& elements = normalized.renderer->accessibleChartElements();
    ASSERT_EQ(elements.size(), 3u);
    EXPECT_EQ(elements[2]->accessibilityLabel(), " 5: 5, bubble size: 125.00 %") << "diameter over maxSize";

    Fixture raw({bubble(2, 5, 0.3)}, false);
    context.clear();
    raw.renderer->drawData(context);
    EXPECT_NE(context.text().find("fillEllipse " + rect(68.5, 98.5, 3, 3)), std::string::npos) << context.text();
}

TEST(BubbleChartRenderer, HighlightRingAtHalfBrightnessOfTheColourAtTheEntrysX) {
    Fixture f({bubble(1, 5, 4), bubble(1.5, 2, 4)});
    std::vector<Highlight> highs{Highlight(1, 5, 0, 0, 0, 0, -1, AxisDependency::left)};
    kit::RecordingContext context;
    f.renderer->drawHighlighted(context, highs);
    const kit::HSBA c = f.set->color(1).hsba();
    const kit::Color ring = kit::Color::hsb(c.hue, c.saturation, c.brightness / 2, c.alpha);
    EXPECT_NE(context.text().find("strokeEllipse " + rect(55, 95, 10, 10) + ' ' + kit::Context::describe(ring)),
              std::string::npos)
        << context.text();
    EXPECT_DOUBLE_EQ(highs[0].drawX(), 60);
    EXPECT_DOUBLE_EQ(highs[0].drawY(), 100);
}

TEST(BubbleChartRenderer, BubblesLeftAfterTheLargestIsRemovedDrawAsInANewSet) {
    Fixture trimmed({bubble(0, 5, 7), bubble(1, 5, 10), bubble(2, 5, 7)});
    trimmed.set->removeEntryAt(1);
    trimmed.chart->prepare();
    Fixture fresh({bubble(0, 5, 7), bubble(2, 5, 7)});
    kit::RecordingContext drawnTrimmed, drawnFresh;
    trimmed.renderer->drawData(drawnTrimmed);
    fresh.renderer->drawData(drawnFresh);
    EXPECT_EQ(drawnTrimmed.text(), drawnFresh.text());
}
