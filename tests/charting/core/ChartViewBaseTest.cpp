#include "charting/core/BarLineScatterCandleBubbleRenderer.h"
#include "charting/core/ChartViewBase.h"
#include "charting/core/XAxisRenderer.h"
#include "charting/core/YAxisRenderer.h"
#include "charting/model/DefaultValueFormatter.h"
#include "ChartTestSupport.h"
#include "RenderTestSupport.h"
#include "kit/base/Console.h"
#include "kit/base/Make.h"
#include "kit/graphics/TextMetrics.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <type_traits>
#include <limits>
#include <memory>

using namespace charting;
using charting::testing::dataSet;
using charting::testing::entry;
using charting::testing::linesStartingWith;
using charting::testing::TestChart;

namespace {

std::shared_ptr<ChartData> dataOf(std::vector<DataSetPtr> sets) {
    auto data = std::make_shared<ChartData>(std::move(sets));
    data->initialize();
    return data;
}

struct RecordingDelegate : ChartViewDelegate {
    std::vector<std::string> messages;
    void chartValueSelected(ChartViewBase&, const ChartDataEntry& e, const Highlight&) override {
        messages.push_back("selected " + std::to_string(static_cast<int>(e.x())));
    }
    void chartValueNothingSelected(ChartViewBase&) override { messages.push_back("nothing"); }
    void chartViewAnimatorDidStop(ChartViewBase&, Animator&) override { messages.push_back("stopped"); }
};

// Remembers the order it ran in and what the chart had done by then.
struct RecordingJob : ViewPortJob {
    RecordingJob(TestChart& chart, std::vector<std::string>& log, std::string name)
        : ViewPortJob(*chart.viewPortHandler(), 0, 0, *chart.left, {}), chart_(chart), log_(log), name_(std::move(name)) {}
    void doJob() override {
        log_.push_back(name_ + " after " + std::to_string(chart_.notifications) + " notifications, width " +
                       std::to_string(static_cast<int>(viewPortHandler_->chartWidth())));
    }
    TestChart& chart_;
    std::vector<std::string>& log_;
    std::string name_;
};

struct CountingMarker : ChartMarker {
    std::vector<std::string> calls;
    kit::Point offset() const override { return {}; }
    kit::Point offsetForDrawing(kit::Point) const override { return {}; }
    void refreshContent(const ChartDataEntry& e, const Highlight&) override {
        calls.push_back("refresh " + std::to_string(static_cast<int>(e.x())));
    }
    void draw(kit::Context&, kit::Point p) override { calls.push_back("draw " + kit::Context::describe(p)); }
};

} // namespace

TEST(ChartViewBase, DataObserverSharesAndTunesTheDefaultFormatter) {
    auto chart = kit::make<TestChart>();
    auto a = dataSet({entry(0, 0), entry(1, 0.5)}, "a");
    auto b = dataSet({entry(0, 0.25)}, "b");
    auto custom = std::make_shared<DefaultValueFormatter>(5);
    struct Other : ChartValueFormatter {
        std::string stringForValue(double, const ChartDataEntry&, int, ViewPortHandler*) override { return "x"; }
    };
    auto other = std::make_shared<Other>();
    auto c = dataSet({entry(0, 0.5)}, "c");
    c->setValueFormatter(other);
    b->setValueFormatter(custom); // a default formatter of its own is replaced too
    chart->setData(dataOf({a, b, c}));
    EXPECT_EQ(chart->notifications, 1);
    EXPECT_EQ(a->valueFormatter(), chart->defaultValueFormatter());
    EXPECT_EQ(b->valueFormatter(), chart->defaultValueFormatter());
    EXPECT_EQ(c->valueFormatter(), other);
    auto formatter = std::dynamic_pointer_cast<DefaultValueFormatter>(chart->defaultValueFormatter());
    EXPECT_EQ(formatter->decimals(), 3); // span 0 ... 0.5

    chart->setData(dataOf({dataSet({entry(0, 1234)})}));
    EXPECT_EQ(formatter->decimals(), -1); // one entry: the magnitude itself

    // Nil data: no notification, highlights kept; clear() empties them.
    chart->setHighlighted({Highlight(0, 1234, 0, 0)});
    chart->setData(nullptr);
    EXPECT_EQ(chart->notifications, 2);
    EXPECT_EQ(chart->highlighted().size(), 1u);
    EXPECT_TRUE(chart->isEmpty());
    chart->clear();
    EXPECT_TRUE(chart->highlighted().empty());
    EXPECT_FALSE(chart->lastHighlighted());
    chart->setData(dataOf({}));
    EXPECT_TRUE(chart->isEmpty());
}

TEST(ChartViewBase, SettingsAndProvider) {
    auto chart = kit::make<TestChart>();
    const std::pair<double, double> friction[] = {
        {1.5, 0.999}, {-1, 0}, {0.5, 0.5}, {std::numeric_limits<double>::quiet_NaN(), 0}};
    for (auto [in, out] : friction) {
        chart->setDragDecelerationFrictionCoef(in);
        EXPECT_EQ(chart->dragDecelerationFrictionCoef(), out) << in;
    }
    chart->setExtraOffsets(1, 2, 3, 4);
    EXPECT_EQ(chart->extraLeftOffset() + 10 * chart->extraTopOffset() + 100 * chart->extraRightOffset() +
                  1000 * chart->extraBottomOffset(),
              4321);
    EXPECT_EQ(chart->maxVisibleCount(), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(chart->maxHighlightDistance(), 500);
    EXPECT_EQ(chart->noDataText(), "No chart data available.");
    EXPECT_EQ(chart->chartYMax(), 0);
    EXPECT_EQ(chart->midPoint(), (kit::Point{125, 75}));
    chart->xAxis()->setAxisMinimum(-2);
    chart->xAxis()->setAxisMaximum(8);
    EXPECT_EQ(chart->chartXMin(), -2);
    EXPECT_EQ(chart->xRange(), 10);
    EXPECT_EQ(chart->legendRenderer()->legend(), chart->legend());
    EXPECT_EQ(&chart->legendRenderer()->viewPortHandler(), chart->viewPortHandler().get());
    EXPECT_EQ(chart->chartAnimator()->delegate().get(), static_cast<ChartAnimatorDelegate*>(chart.get()));
    EXPECT_EQ(chart->backgroundColor(), kit::Color::clearColor());
}

TEST(ChartViewBase, ViewPortJobsWaitForASize) {
    std::vector<std::string> log;
    auto chart = kit::make<TestChart>(kit::Rect{});
    auto first = std::make_shared<RecordingJob>(*chart, log, "first");
    auto removed = std::make_shared<RecordingJob>(*chart, log, "removed");
    auto second = std::make_shared<RecordingJob>(*chart, log, "second");
    chart->addViewportJob(first);
    chart->addViewportJob(removed);
    chart->addViewportJob(second);
    chart->removeViewportJob(removed.get());
    EXPECT_TRUE(log.empty());

    chart->setFrame({0, 0, 200, 100});
    EXPECT_EQ(log, (std::vector<std::string>{"first after 1 notifications, width 200", "second after 1 notifications, width 200"}));
    EXPECT_TRUE(chart->viewportJobs().empty());

    // With a size, a job runs at once; a change to the same size does nothing.
    chart->addViewportJob(std::make_shared<RecordingJob>(*chart, log, "now"));
    EXPECT_EQ(log.back(), "now after 1 notifications, width 200");
    chart->setBounds({0, 0, 200, 100});
    EXPECT_EQ(chart->notifications, 1);
    chart->setBounds({0, 0, 300, 100});
    EXPECT_EQ(chart->notifications, 2);
    EXPECT_EQ(chart->viewPortHandler()->chartWidth(), 300);
}

TEST(ChartViewBase, HighlightOperationsAndTheDelegate) {
    auto chart = kit::make<TestChart>();
    auto delegate = std::make_shared<RecordingDelegate>();
    chart->setDelegate(delegate);
    {
        kit::ConsoleCapture console;
        chart->highlightValue(3, 0, -1);
        EXPECT_EQ(console.lines(), (std::vector<std::string>{"Value not highlighted because data is nil"}));
        EXPECT_FALSE(chart->getHighlightByTouchPoint({1, 1}));
        EXPECT_TRUE(console.contains("Can't select by touch. No data set."));
    }
    chart->setData(dataOf({dataSet({entry(3, 1), entry(4, 2)}), dataSet({entry(3, 5)})}));
    chart->highlightValue(3, 1, -1);
    EXPECT_EQ(chart->highlighted().size(), 1u);
    chart->highlightValue(3, 5, -1); // set index outside the data
    EXPECT_TRUE(chart->highlighted().empty());
    EXPECT_EQ(delegate->messages, (std::vector<std::string>{"selected 3", "nothing"}));

    chart->highlightValue(Highlight(4, 2, 0, -1)); // never tells the delegate
    EXPECT_EQ(chart->highlighted().size(), 1u);
    chart->highlightValue(Highlight(9, 9, 7, -1), true); // no such entry
    EXPECT_TRUE(chart->highlighted().empty());
    EXPECT_EQ(delegate->messages.back(), "nothing");
    EXPECT_EQ(delegate->messages.size(), 3u);

    const Highlight a(3, 1, 0, -1), b(4, 2, 0, -1);
    chart->highlightValues({a, b});
    EXPECT_TRUE(chart->lastHighlighted() && chart->lastHighlighted()->isEqual(a));
    chart->highlightValues({});
    EXPECT_FALSE(chart->lastHighlighted());

    chart->animateX(1.0);
    chart->chartAnimator()->stop();
    EXPECT_EQ(delegate->messages.back(), "stopped");
}

TEST(ChartViewBase, MarkersFollowTheAnimationAndSkipStaleHighlights) {
    auto chart = kit::make<TestChart>();
    std::vector<EntryPtr> entries;
    for (int i = 0; i < 10; ++i) entries.push_back(entry(i, i));
    chart->setData(dataOf({dataSet(entries)}));
    auto marker = std::make_shared<CountingMarker>();
    chart->setMarker(marker);
    std::vector<Highlight> highlights;
    for (int i = 0; i < 10; ++i) {
        Highlight h(i, i, 0, -1);
        h.setDraw(10.0 + i, 10.0);
        highlights.push_back(h);
    }
    highlights.emplace_back(0, 0, 3, -1); // a set that is not there (data replaced)
    chart->setHighlighted(highlights);
    chart->chartAnimator()->setPhaseX(0.45); // limit 4
    kit::RecordingContext context;
    chart->drawMarkers(context);
    EXPECT_EQ(marker->calls, (std::vector<std::string>{"refresh 0", "draw 10 10", "refresh 1", "draw 11 10", "refresh 2",
                                                       "draw 12 10", "refresh 3", "draw 13 10", "refresh 4", "draw 14 10"}));

    marker->calls.clear();
    chart->setDrawMarkers(false);
    chart->drawMarkers(context);
    EXPECT_TRUE(marker->calls.empty());
}

TEST(ChartViewBase, NoDataTextOffsetsAndDescription) {
    kit::FixedTextMetricsScope metrics;
    auto chart = kit::make<TestChart>();
    kit::RecordingContext context{{250, 150}};
    chart->drawRect(context, chart->bounds());
    // 12-point text, 6 per character: 24 characters = 144 x 14.4, centred.
    EXPECT_EQ(linesStartingWith(context, "drawText"),
              (std::vector<std::string>{"drawText \"No chart data available.\" in 53 67.8 144 14.4 Inter 400 12 #000000FF"}));
    EXPECT_EQ(chart->offsetCalculations, 0);

    chart->setNoDataText("");
    context.clear();
    chart->drawRect(context, chart->bounds());
    EXPECT_TRUE(context.lines().empty());
    EXPECT_EQ(chart->offsetCalculations, 1);

    chart->setData(dataOf({dataSet({entry(0, 1)})}));
    chart->drawRect(context, chart->bounds());
    chart->drawRect(context, chart->bounds());
    EXPECT_EQ(chart->offsetCalculations, 2);

    // Description: 8-point "Sales" is 20 wide; centred on the default x (250 - 0 - 5).
    chart->chartDescription()->setText("Sales");
    chart->chartDescription()->setTextAlign(kit::TextAlignment::center);
    context.clear();
    chart->drawDescription(context);
    EXPECT_EQ(linesStartingWith(context, "drawText"),
              (std::vector<std::string>{"drawText \"Sales\" 235 135.4 Inter 400 8 #000000FF"}));
    chart->chartDescription()->setPosition(kit::Point{50, 20});
    chart->chartDescription()->setTextAlign(kit::TextAlignment::right);
    context.clear();
    chart->drawDescription(context);
    EXPECT_EQ(linesStartingWith(context, "drawText"),
              (std::vector<std::string>{"drawText \"Sales\" 30 20 Inter 400 8 #000000FF"}));
}

TEST(ChartViewBase, ImageExport) {
    auto chart = kit::make<TestChart>(kit::Rect{0, 0, 40, 30});
    const auto dir = std::filesystem::temp_directory_path() / ("chartview-export-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string png = (dir / "chart.png").string(), jpeg = (dir / "chart.jpg").string();

    ASSERT_TRUE(chart->save(png, ChartViewBase::ImageFormat::png, 1));
    auto transparent = kit::Image::loadFile(png);
    ASSERT_TRUE(transparent);
    EXPECT_EQ(transparent->colorAt(2, 2).alpha(), 0);

    chart->setBackgroundColor(kit::Color::redColor().withAlpha(0.5));
    ASSERT_TRUE(chart->save(jpeg, ChartViewBase::ImageFormat::jpeg, 0.9));
    auto opaque = kit::Image::loadFile(jpeg);
    ASSERT_TRUE(opaque);
    const kit::Color corner = opaque->colorAt(2, 2);
    EXPECT_EQ(corner.alpha(), 1);
    EXPECT_GT(corner.red(), 0.9); // red over white
    EXPECT_LT(corner.green(), 0.8);
    EXPECT_GT(corner.green(), 0.2);

    EXPECT_FALSE(chart->save((dir / "missing" / "chart.png").string(), ChartViewBase::ImageFormat::png, 1));
    std::filesystem::remove_all(dir);
}

TEST(ChartViewBase, RendersItsNoDataTextThroughTheView) {
    auto chart = kit::make<TestChart>(kit::Rect{0, 0, 300, 120});
    chart->setNoDataTextAlignment(kit::TextAlignment::center);
    auto image = chart->getChartImage(false);
    ASSERT_TRUE(image);
    charting::testing::keepRender(*image, "no-data.png");
    // Dark text pixels around the centre, white at the edges.
    const double scale = image->scale();
    bool inked = false;
    for (int x = static_cast<int>(90 * scale); x < 210 * scale && !inked; ++x)
        for (int y = static_cast<int>(50 * scale); y < 70 * scale && !inked; ++y) inked = image->colorAt(x, y).red() < 0.5;
    EXPECT_TRUE(inked);
    EXPECT_EQ(image->colorAt(2, 2), kit::Color::whiteColor());
}

// Abstract operations cannot be reached without an override, and the initialisers that must not
// be used do not exist.
static_assert(std::is_abstract_v<ChartViewBase>);
static_assert(std::is_abstract_v<ViewPortJob>);
static_assert(!std::is_default_constructible_v<ViewPortJob>);
static_assert(!std::is_default_constructible_v<XAxisRenderer>);
static_assert(!std::is_default_constructible_v<YAxisRenderer>);
static_assert(!std::is_default_constructible_v<LegendRenderer>);
static_assert(!std::is_default_constructible_v<BarLineScatterCandleBubbleRenderer>);
static_assert(!std::is_default_constructible_v<Transformer>);

TEST(ChartViewBase, AnimatorMadeDuringConstructionStillReportsToTheView) {
    struct Eager : TestChart {
        Eager() { chartAnimator()->setPhaseY(0.5); }
    };
    auto chart = kit::make<Eager>();
    EXPECT_EQ(chart->chartAnimator()->delegate().get(), static_cast<ChartAnimatorDelegate*>(chart.get()));
}

TEST(ChartViewBase, AccessibilityChildrenAreTheRenderersElements) {
    auto chart = kit::make<TestChart>();
    EXPECT_EQ(chart->accessibilityElementCount(), 0u);
    auto renderer = std::make_shared<BarLineScatterCandleBubbleRenderer>(chart->chartAnimator(), chart->viewPortHandler());
    auto header = renderer->createAccessibleHeader(*chart, *dataOf({}), "Chart");
    renderer->setAccessibleChartElements({header});
    chart->setRenderer(renderer);
    EXPECT_EQ(chart->accessibilityElementCount(), 1u);
    EXPECT_EQ(chart->accessibilityElement(0), header);
    EXPECT_FALSE(chart->isAccessibilityElement());
}
