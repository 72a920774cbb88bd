// Draws a line chart and a pie chart of the same numbers side by side and writes them as a PNG.
//
//   chart-to-png OUT.png 12 7 30 18        numbers from the command line
//   chart-to-png OUT.png --csv data.csv    "label,value" lines; a header line names the values
#include "charting/bar_line/LineChartData.h"
#include "charting/bar_line/LineChartDataSet.h"
#include "charting/bar_line/LineChartView.h"
#include "charting/model/ChartAxisValueFormatter.h"
#include "charting/model/ChartValueFormatter.h"
#include "charting/model/IndexAxisValueFormatter.h"
#include "charting/pie_radar/PieChartData.h"
#include "charting/pie_radar/PieChartDataEntry.h"
#include "charting/pie_radar/PieChartDataSet.h"
#include "charting/pie_radar/PieChartView.h"
#include "kit/base/Make.h"
#include "kit/graphics/Context.h"
#include "kit/graphics/Image.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Point {
    std::string label;
    double value;
};

struct Table {
    std::string name = "Values";  // what the values are: the CSV's column name when it has a header
    std::vector<Point> points;
};

constexpr double chartWidth = 400, chartHeight = 400, scale = 2;
// Beyond these, circles would merge into one band and a legend would push the pie out of its view.
constexpr std::size_t maxCircledPoints = 40, maxNamedSlices = 12;

const std::vector<kit::Color> palette{
    kit::Color::rgba(0.84, 0.15, 0.24), kit::Color::rgba(0.94, 0.48, 0.16), kit::Color::rgba(0.94, 0.76, 0.18),
    kit::Color::rgba(0.18, 0.62, 0.36), kit::Color::rgba(0.12, 0.50, 0.82), kit::Color::rgba(0.49, 0.25, 0.69)};

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

std::string trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\r')) text.remove_suffix(1);
    return std::string(text);
}

std::optional<double> number(std::string_view untrimmed) {
    const std::string text = trimmed(untrimmed);
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

// "label,value" or a bare value per line; a first line that is not a number is a header, whose
// last column names the values.
std::optional<Table> readCsv(const std::string& path) {
    std::ifstream in(path);
    if (!in) {
        std::cerr << "chart-to-png: cannot read " << path << "\n";
        return std::nullopt;
    }
    Table table;
    std::vector<Point>& points = table.points;
    std::string line;
    for (int row = 1; std::getline(in, line); ++row) {
        if (line.find_first_not_of(" \r") == std::string::npos) continue;
        const auto comma = line.rfind(',');
        const std::string label = comma == std::string::npos ? std::to_string(points.size() + 1) : line.substr(0, comma);
        const auto value = number(comma == std::string::npos ? line : line.substr(comma + 1));
        if (!value) {
            if (row == 1) {
                if (auto name = trimmed(comma == std::string::npos ? line : line.substr(comma + 1)); !name.empty())
                    table.name = std::move(name);
                continue;
            }
            std::cerr << "chart-to-png: " << path << ":" << row << ": not a number\n";
            return std::nullopt;
        }
        points.push_back({label, *value});
    }
    return table;
}

std::shared_ptr<charting::LineChartView> lineChart(const Table& table) {
    const std::vector<Point>& points = table.points;
    std::vector<charting::EntryPtr> entries;
    for (std::size_t i = 0; i < points.size(); ++i)
        entries.push_back(std::make_shared<charting::ChartDataEntry>(double(i), points[i].value));
    auto set = kit::make<charting::LineChartDataSet>(entries, table.name);
    set->setColor(palette[4]);
    set->setCircleColor(palette[4]);
    set->setLineWidth(2);
    set->setCircleRadius(4);
    set->setCircleHoleRadius(2);
    set->setDrawCirclesEnabled(points.size() <= maxCircledPoints);
    set->setDrawFilledEnabled(true);
    set->setFillColor(palette[4]);
    // The y axis reads the values; printed at the points, they would sit on the line where it falls.
    set->setDrawValuesEnabled(false);
    auto chart = kit::make<charting::LineChartView>(kit::Rect{0, 0, chartWidth, chartHeight});
    chart->rightAxis()->setEnabled(false);
    chart->leftAxis()->setValueFormatter(std::make_shared<CompactNumber>());
    chart->xAxis()->setLabelPosition(charting::XAxis::LabelPosition::bottom);
    // One label per point, under it: the points' own labels, never fractions of an index.
    std::vector<std::string> labels;
    for (const Point& p : points) labels.push_back(p.label);
    chart->xAxis()->setValueFormatter(std::make_shared<charting::IndexAxisValueFormatter>(std::move(labels)));
    chart->xAxis()->setGranularity(1);
    chart->xAxis()->setLabelCount(3);
    chart->setExtraOffsets(30, 0, 30, 0);  // room for the first and last labels
    chart->setData(kit::make<charting::LineChartData>(std::vector<charting::DataSetPtr>{set}));
    return chart;
}

std::shared_ptr<charting::PieChartView> pieChart(const Table& table) {
    const std::vector<Point>& points = table.points;
    std::vector<charting::EntryPtr> entries;
    for (const Point& p : points)
        if (p.value >= 0) entries.push_back(kit::make<charting::PieChartDataEntry>(p.value, p.label));
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
    chart->legend()->setEnabled(points.size() <= maxNamedSlices);
    // A percentage needs about this many degrees of its slice to fit.
    chart->setSliceTextDrawingThreshold(12);
    chart->setData(kit::make<charting::PieChartData>(std::vector<charting::DataSetPtr>{set}));
    return chart;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: chart-to-png OUT.png NUMBER...\n"
                     "       chart-to-png OUT.png --csv FILE\n";
        return 2;
    }
    const std::string out = argv[1];
    Table table;
    std::vector<Point>& points = table.points;
    if (std::string_view(argv[2]) == "--csv") {
        if (argc != 4) {
            std::cerr << "chart-to-png: --csv takes one file\n";
            return 2;
        }
        auto read = readCsv(argv[3]);
        if (!read) return 1;
        table = std::move(*read);
    } else {
        for (int i = 2; i < argc; ++i) {
            auto value = number(argv[i]);
            if (!value) {
                std::cerr << "chart-to-png: not a number: " << argv[i] << "\n";
                return 2;
            }
            points.push_back({std::to_string(i - 1), *value});
        }
    }
    if (points.empty()) {
        std::cerr << "chart-to-png: no numbers\n";
        return 1;
    }
    for (const Point& p : points)
        if (p.value < 0) std::cerr << "chart-to-png: the pie leaves out the negative value " << p.value << "\n";

    auto image = kit::Image::make(2 * chartWidth, chartHeight, scale, true);
    if (!image) return 1;
    {
        kit::Context context(*image);
        context.setFillColor(kit::Color::whiteColor());
        context.fillRect({0, 0, 2 * chartWidth, chartHeight});
        lineChart(table)->layer()->renderInContext(context);
        context.translate(chartWidth, 0);
        pieChart(table)->layer()->renderInContext(context);
    }
    std::string error;
    if (!image->savePNG(out, &error)) {
        std::cerr << "chart-to-png: cannot write " << out << ": " << error << "\n";
        return 1;
    }
    return 0;
}
