#include "Charts.h"

#include "charting/bar_line/LineChartData.h"
#include "charting/bar_line/LineChartDataSet.h"
#include "charting/core/ViewPortHandler.h"
#include "charting/model/ChartAxisValueFormatter.h"
#include "charting/model/ChartValueFormatter.h"
#include "charting/model/DefaultFillFormatter.h"
#include "charting/model/IndexAxisValueFormatter.h"
#include "charting/model/Legend.h"
#include "charting/pie_radar/PieChartData.h"
#include "charting/pie_radar/PieChartDataEntry.h"
#include "charting/pie_radar/PieChartDataSet.h"
#include "kit/base/Make.h"
#include "kit/graphics/TextMetrics.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

namespace chart_to_png {

namespace {

// Beyond these, circles would merge into one band and a legend would push the pie out of its view.
constexpr std::size_t maxCircledPoints = 40, maxNamedSlices = 12;
// Space kept free between a label and anything else, and the widest label under the line chart
// (narrower where labels stand closer).
constexpr double labelGap = 8, maxLabelWidth = chartWidth / 4;

// Twelve colours, each far from the next and from the first after the last: a slice never reads as
// one with its neighbour. The line uses the fifth.
const std::vector<kit::Color> palette{
    kit::Color::rgba(0.84, 0.15, 0.24), kit::Color::rgba(0.94, 0.48, 0.16), kit::Color::rgba(0.94, 0.76, 0.18),
    kit::Color::rgba(0.18, 0.62, 0.36), kit::Color::rgba(0.12, 0.50, 0.82), kit::Color::rgba(0.49, 0.25, 0.69),
    kit::Color::rgba(0.08, 0.62, 0.62), kit::Color::rgba(0.91, 0.42, 0.64), kit::Color::rgba(0.52, 0.33, 0.18),
    kit::Color::rgba(0.60, 0.70, 0.12), kit::Color::rgba(0.14, 0.22, 0.50), kit::Color::rgba(0.52, 0.52, 0.56)};
static_assert(maxNamedSlices <= 12, "a colour and a legend entry for every slice");

// The pie's values are percentages of the whole.
struct PercentText : charting::ChartValueFormatter {
    std::string stringForValue(double percent, const charting::ChartDataEntry&, int, charting::ViewPortHandler*) override {
        char text[32];
        std::snprintf(text, sizeof text, "%.1f %%", percent);
        return text;
    }
};

// Values on the y axis with six significant digits: large ones in powers of ten, not in hundreds
// of digits that would leave the line no room.
struct CompactNumber : charting::ChartAxisValueFormatter {
    std::string stringForValue(double value, charting::AxisBase*) override {
        char text[32];
        std::snprintf(text, sizeof text, "%g", value);
        return text;
    }
};

double textWidth(const std::string& text, const kit::Font& font) {
    return kit::measureText(text, kit::TextAttributes{font, kit::Color::blackColor(), std::nullopt}).width;
}

// The label, cut short with an ellipsis where it is wider than `width`.
std::string fitted(std::string label, double width, const kit::Font& font) {
    if (textWidth(label, font) <= width) return label;
    while (!label.empty()) {
        // Back to the start of the last UTF-8 character.
        do label.pop_back();
        while (!label.empty() && (static_cast<unsigned char>(label.back()) & 0xC0) == 0x80);
        if (label.empty()) break;
        // The last byte may still start a multi-byte character whose rest was cut.
        if (static_cast<unsigned char>(label.back()) >= 0xC0) continue;
        const std::string shortened = label.substr(0, label.find_last_not_of(' ') + 1) + "…";
        if (textWidth(shortened, font) <= width) return shortened;
    }
    return "…";
}

// Each run of values between missing ones is a data set of its own: the line and its area break
// where a value is missing instead of joining its neighbours.
std::vector<std::vector<charting::EntryPtr>> runs(const std::vector<Point>& points) {
    std::vector<std::vector<charting::EntryPtr>> result;
    bool inRun = false;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (std::isnan(points[i].value)) {
            inRun = false;
            continue;
        }
        if (!inRun) result.emplace_back();
        inRun = true;
        result.back().push_back(std::make_shared<charting::ChartDataEntry>(double(i), points[i].value));
    }
    return result;
}

// Labels the points under the line with their own labels (never fractions of an index), each centred
// under its point: cut short where it would meet the next label, with room beside the content for
// the outer halves of the first and last.
void fitXLabels(charting::LineChartView& chart, const std::vector<Point>& points) {
    const auto axis = chart.xAxis();
    const kit::Font& font = axis->labelFont();
    double room = maxLabelWidth;
    // The space between labels shows once the chart is laid out; narrower labels only widen it.
    for (int pass = 0; pass < 2; ++pass) {
        std::vector<std::string> labels;
        double widest = 0;
        for (const Point& p : points) {
            labels.push_back(fitted(p.label, room, font));
            widest = std::max(widest, textWidth(labels.back(), font));
        }
        axis->setValueFormatter(std::make_shared<charting::IndexAxisValueFormatter>(std::move(labels)));
        // The left side holds the y axis's labels already: only what they leave short is added.
        const double side = widest / 2 + labelGap;
        chart.setExtraOffsets(0, 0, side, 0);
        chart.notifyDataSetChanged();
        if (const double left = chart.viewPortHandler()->offsetLeft(); left < side) {
            chart.setExtraLeftOffset(side - left);
            chart.notifyDataSetChanged();
        }
        const std::vector<double>& at = axis->entries();
        if (at.size() < 2 || points.size() < 2) return;
        const double step = (at[1] - at[0]) * chart.viewPortHandler()->contentWidth() / double(points.size() - 1);
        if (widest + labelGap <= step) return;
        room = step - labelGap;
    }
}

// Ends the y axis on the side of `below` at the first value it labels beyond `end`: the area under
// the line, which ends there, then ends where the reader can tell.
void endAxisAtLabel(charting::LineChartView& chart, double end, bool below) {
    const auto axis = chart.leftAxis();
    const auto set = [&](double v) { below ? axis->setAxisMinimum(v) : axis->setAxisMaximum(v); };
    set(end);
    chart.notifyDataSetChanged();
    // The label step depends on the range, which the rounding changes: a few rounds settle it.
    for (int round = 0; round < 4; ++round) {
        const std::vector<double>& labels = axis->entries();
        if (labels.size() < 2) return;
        const double step = labels[1] - labels[0];
        end = below ? axis->axisMinimum() : axis->axisMaximum();
        if (std::ranges::any_of(labels, [&](double v) { return std::abs(v - end) <= step * 1e-9; })) return;
        set((below ? std::floor(end / step) : std::ceil(end / step)) * step);
        chart.notifyDataSetChanged();
    }
}

// Beyond the palette's colours, the smallest values share one slice, "other", after the rest: the
// largest keep their order and a colour and a legend name each.
std::vector<Point> withSmallOnesAsOther(std::vector<Point> slices) {
    if (slices.size() <= maxNamedSlices) return slices;
    std::vector<std::size_t> bySize(slices.size());
    for (std::size_t i = 0; i < bySize.size(); ++i) bySize[i] = i;
    std::ranges::stable_sort(bySize, [&](std::size_t a, std::size_t b) { return slices[a].value > slices[b].value; });
    std::vector<bool> kept(slices.size(), false);
    for (std::size_t k = 0; k + 1 < maxNamedSlices; ++k) kept[bySize[k]] = true;
    std::vector<Point> result;
    Point other{"other", 0};
    for (std::size_t i = 0; i < slices.size(); ++i)
        if (kept[i]) result.push_back(std::move(slices[i]));
        else other.value += slices[i].value;
    result.push_back(std::move(other));
    return result;
}

// A percentage shows only where it lies inside its slice whole: centred on the slice's middle
// line at the ring's middle, the circle around its widest text keeps clear of both edges, the hole
// and the rim. Narrower slices are read from the legend.
void keepPercentagesInsideTheirSlices(charting::PieChartView& chart, const charting::PieChartDataSet& set) {
    chart.notifyDataSetChanged();
    const kit::Font& font = set.valueFont();
    double widest = 0;
    for (const std::string text : {"100.0 %", "88.8 %"}) widest = std::max(widest, textWidth(text, font));
    const double reach = std::hypot(widest, font.lineHeight()) / 2;
    const double radius = chart.radius(), hole = radius * chart.holeRadiusPercent();
    const double middle = (radius + hole) / 2;
    // Each edge is half the space between slices into the slice.
    const double fromEdge = reach + set.sliceSpace() / 2;
    if (middle - reach < hole || middle + reach > radius || fromEdge >= middle) {
        chart.setSliceTextDrawingThreshold(360);
        return;
    }
    chart.setSliceTextDrawingThreshold(2 * std::asin(fromEdge / middle) * 180 / std::numbers::pi);
}

} // namespace

std::shared_ptr<charting::LineChartView> lineChart(const Table& table) {
    const std::vector<Point>& points = table.points;
    double min = INFINITY, max = -INFINITY;
    for (const Point& p : points)
        if (!std::isnan(p.value)) {
            min = std::min(min, p.value);
            max = std::max(max, p.value);
        }

    std::vector<charting::DataSetPtr> sets;
    for (auto& run : runs(points)) {
        const bool alone = run.size() == 1;
        // One legend entry names the values, however many runs they make.
        const bool named = sets.empty();
        auto set = kit::make<charting::LineChartDataSet>(std::move(run), named ? std::optional<std::string>(table.name)
                                                                               : std::optional<std::string>{});
        if (!named) set->setForm(charting::LegendForm::none);
        set->setColor(palette[4]);
        set->setCircleColor(palette[4]);
        set->setLineWidth(2);
        set->setCircleRadius(4);
        set->setCircleHoleRadius(2);
        // A value alone between missing ones has no line: its circle shows it.
        set->setDrawCirclesEnabled(points.size() <= maxCircledPoints || alone);
        set->setDrawFilledEnabled(true);
        set->setFillColor(palette[4]);
        set->setFillFormatter(charting::DefaultFillFormatter::withBlock(
            [](const charting::LineChartDataSetProtocol&, const charting::LineChartDataProvider& chart) {
                // Zero, or the axis's end where zero is beyond it.
                return std::clamp(0.0, chart.chartYMin(), chart.chartYMax());
            }));
        // The y axis reads the values; printed at the points, they would sit on the line where it falls.
        set->setDrawValuesEnabled(false);
        sets.push_back(std::move(set));
    }
    auto chart = kit::make<charting::LineChartView>(kit::Rect{0, 0, chartWidth, chartHeight});
    chart->rightAxis()->setEnabled(false);
    chart->leftAxis()->setValueFormatter(std::make_shared<CompactNumber>());
    chart->xAxis()->setLabelPosition(charting::XAxis::LabelPosition::bottom);
    // The y axis's label at the bottom corner reaches half its height below the content: the first x
    // label, centred on the same corner, keeps clear of it.
    chart->xAxis()->setYOffset(9);
    chart->xAxis()->setGranularity(1);
    chart->xAxis()->setLabelCount(3);
    // Every point keeps its place, a missing first or last one too.
    chart->xAxis()->setAxisMinimum(0);
    chart->xAxis()->setAxisMaximum(double(points.size() - 1));
    chart->setData(kit::make<charting::LineChartData>(std::move(sets)));
    fitXLabels(*chart, points);
    // The area reaches down (or up) to zero where the values keep to one side of it and the line still
    // gets a third of the height (a constant line sits at any height); far from zero, to a labelled
    // value next to them. Values on both sides of zero fill to it, and zero, a multiple of the label
    // step, is labelled.
    if (!(min <= max)) return chart; // no values: nothing for the area
    const double spread = max - min;
    const auto nearZero = [&](double nearest) { return spread == 0 || std::abs(nearest) <= 2 * spread; };
    if (min >= 0) endAxisAtLabel(*chart, nearZero(min) ? 0 : min, true);
    else if (max <= 0) endAxisAtLabel(*chart, nearZero(max) ? 0 : max, false);
    return chart;
}

std::shared_ptr<charting::PieChartView> pieChart(const Table& table) {
    std::vector<Point> slices;
    for (const Point& p : table.points)
        if (p.value >= 0) slices.push_back(p);
    slices = withSmallOnesAsOther(std::move(slices));
    std::vector<charting::EntryPtr> entries;
    for (const Point& p : slices) entries.push_back(kit::make<charting::PieChartDataEntry>(p.value, p.label));
    // No set label: the legend names the slices, the hole says what they are shares of.
    auto set = kit::make<charting::PieChartDataSet>(entries, std::optional<std::string>{});
    set->setColors(palette);
    set->setSliceSpace(1);
    // Slices thinner than the space between them would vanish: they go without it.
    set->setAutomaticallyDisableSliceSpacing(true);
    set->setValueFormatter(std::make_shared<PercentText>());
    auto chart = kit::make<charting::PieChartView>(kit::Rect{0, 0, chartWidth, chartHeight});
    chart->setUsePercentValuesEnabled(true);
    chart->setCenterText(table.name);
    // The legend names the slices: inside them, long names would run over their edges.
    chart->setDrawEntryLabelsEnabled(false);
    // Centred under the pie, its first name stands well apart from the line chart's last label.
    chart->legend()->setHorizontalAlignment(charting::Legend::HorizontalAlignment::center);
    chart->setData(kit::make<charting::PieChartData>(std::vector<charting::DataSetPtr>{set}));
    keepPercentagesInsideTheirSlices(*chart, *set);
    return chart;
}

} // namespace chart_to_png
