// The chart-to-png example: how it reads a CSV file, and the two charts it draws of it.
// TINCTURA_RENDER_DIR keeps the pictures.
#include "../core/RenderTestSupport.h"
#include "Charts.h"
#include "Table.h"

#include "charting/bar_line/LineChartDataSet.h"
#include "charting/pie_radar/PieChartDataSet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <unistd.h>

using namespace chart_to_png;
using namespace charting::testing;

namespace {

std::string csvFile(const std::string& text) {
    static int count = 0;
    const auto path = std::filesystem::temp_directory_path() /
                      ("chart-to-png-" + std::to_string(getpid()) + "-" + std::to_string(++count) + ".csv");
    std::ofstream(path) << text;
    return path.string();
}

Table sampleTable() {
    const char* source = std::getenv("TINCTURA_SOURCE_DIR");
    const std::string root = source ? source : ".";
    ReadResult read = readCsv(root + "/examples/chart-to-png/sample.csv");
    EXPECT_TRUE(read.table) << read.error;
    return read.table.value_or(Table{});
}

// The leftmost and rightmost pixel columns with anything but white, in points.
std::pair<double, double> inkSpan(const kit::Image& image) {
    const auto px = image.rgbaBytes();
    const int w = image.pixelWidth(), h = static_cast<int>(px.size() / 4 / std::size_t(w));
    int left = w, right = -1;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::size_t i = std::size_t(y * w + x) * 4;
            if (px[i] < 250 || px[i + 1] < 250 || px[i + 2] < 250) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    const double scale = double(w) / chartWidth;
    return {left / scale, (right + 1) / scale};
}

} // namespace

TEST(ChartToPngCsv, MissingValuesAreGapsAndInfiniteOnesAreRefusedWithTheirRow) {
    struct Case {
        const char* text;
        std::vector<double> values; // NaN: missing
        const char* error;          // part of the message when the file is refused
    };
    const double gap = std::nan("");
    const Case cases[] = {
        {"month,rain\nJan,3\nFeb,\nMar,nan\nApr, NaN \nMay,4\n", {3, gap, gap, gap, 4}, nullptr},
        {"a,1\nb,2\r\nc,\r\n", {1, 2, gap}, nullptr},
        {"5\n\n7\n", {5, 7}, nullptr},
        {"a,1\nb,2\nc,inf\n", {}, ":3: an infinite value"},
        {"a,-Infinity\n", {}, ":1: an infinite value"},
        {"a,1\nb,1e999\n", {}, ":2: an infinite value"},
        {"a,1\nb,x\n", {}, ":2: not a number: x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const ReadResult read = readCsv(csvFile(c.text));
        if (c.error) {
            EXPECT_FALSE(read.table);
            EXPECT_NE(read.error.find(c.error), std::string::npos) << read.error;
            continue;
        }
        ASSERT_TRUE(read.table) << read.error;
        ASSERT_EQ(read.table->points.size(), c.values.size());
        for (std::size_t i = 0; i < c.values.size(); ++i) {
            if (std::isnan(c.values[i])) EXPECT_TRUE(std::isnan(read.table->points[i].value)) << i;
            else EXPECT_EQ(read.table->points[i].value, c.values[i]) << i;
        }
    }
    EXPECT_EQ(readCsv(csvFile("month,rain\nJan,3\n")).table->name, "rain");
    EXPECT_EQ(readCsv(csvFile("month,rain\nJan,3\n")).table->points.front().label, "Jan");
}

TEST(ChartToPngCharts, LabelsKeepClearOfTheOtherChartAndTheAreaEndsOnALabelledValue) {
    const Table sample = sampleTable();
    ASSERT_EQ(sample.points.size(), 5u);
    auto line = lineChart(sample);
    auto pie = pieChart(sample);
    const kit::Image lineImage = renderChart(*line), pieImage = renderChart(*pie);
    keepRender(lineImage, "chart-to-png-line.png");
    keepRender(pieImage, "chart-to-png-pie.png");
    // Side by side, the line chart's last label and the pie's legend stand well apart: closer, the
    // label reads as the legend's first name.
    const auto [lineLeft, lineRight] = inkSpan(lineImage);
    const auto [pieLeft, pieRight] = inkSpan(pieImage);
    EXPECT_GE(lineLeft, 2);
    EXPECT_GE(chartWidth + pieLeft - lineRight, 16) << "line chart ink ends at " << lineRight << ", the pie's starts at " << pieLeft;

    // Values from 5 to 50: the area reaches down to zero, which the axis labels.
    const auto axis = line->leftAxis();
    EXPECT_EQ(axis->axisMinimum(), 0);
    EXPECT_EQ(axis->entries().front(), 0);
    const auto& set = dynamic_cast<const charting::LineChartDataSet&>(*line->data()->dataSets().front());
    EXPECT_EQ(set.fillFormatter()->getFillLinePosition(set, *line), 0);
}

TEST(ChartToPngCharts, FarFromZeroTheAreaEndsOnTheLabelNextToTheValues) {
    for (const double sign : {1.0, -1.0}) {
        Table table;
        for (const double v : {1012.0, 1047.0, 1031.0, 1005.0})
            table.points.push_back({std::to_string(table.points.size()), sign * v});
        auto line = lineChart(table);
        const auto axis = line->leftAxis();
        const double end = sign > 0 ? axis->axisMinimum() : axis->axisMaximum();
        SCOPED_TRACE("area ends at " + std::to_string(end));
        EXPECT_GT(std::abs(end), 900);
        EXPECT_LE(std::abs(end), 1005);
        const auto& labels = axis->entries();
        EXPECT_TRUE(std::ranges::any_of(labels, [&](double v) { return std::abs(v - end) < 1e-9; }));
        const auto& set = dynamic_cast<const charting::LineChartDataSet&>(*line->data()->dataSets().front());
        EXPECT_EQ(set.fillFormatter()->getFillLinePosition(set, *line), end);
    }
}

TEST(ChartToPngCharts, AMissingValueBreaksTheLineAndItsArea) {
    Table table;
    for (const double v : {10.0, 20.0, std::nan(""), 30.0, 40.0, std::nan(""), 25.0})
        table.points.push_back({std::to_string(table.points.size()), v});
    auto line = lineChart(table);
    const kit::Image image = renderChart(*line);
    keepRender(image, "chart-to-png-gaps.png");
    // Blue (line, circles or area) in the content's pixel columns at each index.
    const auto px = image.rgbaBytes();
    const int w = image.pixelWidth();
    const kit::AffineTransform m = line->getTransformer(charting::AxisDependency::left)->valueToPixelMatrix();
    const kit::Rect content = line->viewPortHandler()->contentRect();
    const auto blueAt = [&](double index) {
        const int x = static_cast<int>(m.apply(kit::Point{index, 0}).x * 2);
        int blue = 0;
        for (int y = static_cast<int>(content.minY() * 2) + 2; y < static_cast<int>(content.maxY() * 2) - 2; ++y) {
            const std::size_t i = std::size_t(y * w + x) * 4;
            if (px[i + 2] > px[i] + 40) ++blue;
        }
        return blue;
    };
    EXPECT_GT(blueAt(1), 0);
    EXPECT_EQ(blueAt(2), 0);
    EXPECT_GT(blueAt(3.5), 0);
    EXPECT_EQ(blueAt(5), 0);
    // The value alone at the end shows as its circle.
    EXPECT_GT(blueAt(6), 0);
    // Its bounds come from the values only: 40 is within the axis.
    EXPECT_GE(line->leftAxis()->axisMaximum(), 40);
}

TEST(ChartToPngCharts, TwelveSlicesEachHaveAColourAndANameOfTheirOwnAndPercentagesStayInsideThem) {
    // Shares from 20 % down to 2.6 %: the narrow ones have no room for their percentage.
    const double shares[] = {20, 15, 12.6, 10, 8.4, 7.4, 6, 5.5, 4.8, 4.2, 3.5, 2.6};
    Table table{"share", {}};
    for (std::size_t i = 0; i < std::size(shares); ++i) table.points.push_back({"row " + std::to_string(i + 1), shares[i]});
    auto pie = pieChart(table);
    const kit::Image image = renderChart(*pie);
    keepRender(image, "chart-to-png-pie-12.png");

    // Every slice has a legend entry of its name and colour.
    const auto& legend = pie->legend()->entries();
    ASSERT_EQ(legend.size(), 12u);
    for (std::size_t i = 0; i < 12; ++i) EXPECT_EQ(legend[i]->label(), table.points[i].label);

    // Each slice's colour as drawn near the rim, far from its neighbours' (the last's neighbour is the first).
    constexpr double toRadians = std::numbers::pi / 180;
    const kit::Point centre = pie->centerCircleBox();
    const double radius = pie->radius(), hole = radius * pie->holeRadiusPercent();
    const auto& drawn = pie->drawAngles();
    const auto& ends = pie->absoluteAngles();
    ASSERT_EQ(drawn.size(), 12u);
    const auto pixel = [&](kit::Point at) { return image.pixelRGBA(int(at.x * 2), int(at.y * 2)); };
    std::vector<std::array<std::uint8_t, 4>> colours;
    for (std::size_t i = 0; i < 12; ++i) {
        const double middle = (pie->rotationAngle() + ends[i] - drawn[i] / 2) * toRadians;
        colours.push_back(pixel({centre.x + 0.93 * radius * std::cos(middle), centre.y + 0.93 * radius * std::sin(middle)}));
    }
    const auto apart = [&](std::size_t i, std::size_t j) {
        const auto &a = colours[i], &b = colours[j];
        return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
    };
    for (std::size_t i = 0; i < 12; ++i) {
        EXPECT_GT(apart(i, (i + 1) % 12), 60) << "slices " << i + 1 << " and " << (i + 1) % 12 + 1 << " read as one";
        for (std::size_t j = i + 1; j < 12; ++j) EXPECT_GT(apart(i, j), 45) << "slices " << i + 1 << " and " << j + 1;
    }

    // The percentages' ink (the picture less the one without them) keeps off every slice edge, the
    // hole and the rim.
    auto& set = dynamic_cast<charting::PieChartDataSet&>(*pie->data()->dataSets().front());
    set.setDrawValuesEnabled(false);
    const kit::Image bare = renderChart(*pie);
    const auto inked = image.rgbaBytes(), plain = bare.rgbaBytes();
    const int width = image.pixelWidth();
    int inkPixels = 0;
    for (std::size_t i = 0; i < inked.size(); i += 4) {
        if (std::abs(int(inked[i]) - int(plain[i])) + std::abs(int(inked[i + 1]) - int(plain[i + 1])) +
                std::abs(int(inked[i + 2]) - int(plain[i + 2])) < 30)
            continue;
        ++inkPixels;
        const kit::Point at{(double(i / 4 % std::size_t(width)) + 0.5) / 2, (double(i / 4 / std::size_t(width)) + 0.5) / 2};
        const double dx = at.x - centre.x, dy = at.y - centre.y, r = std::hypot(dx, dy);
        ASSERT_TRUE(r > hole + 1 && r < radius - 1) << "percentage ink off the ring at " << at.x << "," << at.y;
        for (std::size_t k = 0; k < 12; ++k) {
            const double edge = (pie->rotationAngle() + ends[k]) * toRadians;
            const double along = dx * std::cos(edge) + dy * std::sin(edge);
            const double across = std::abs(-dx * std::sin(edge) + dy * std::cos(edge));
            ASSERT_FALSE(along > 0 && across < 1) << "a percentage runs over the edge after slice " << k + 1 << " at "
                                                   << at.x << "," << at.y;
        }
    }
    EXPECT_GT(inkPixels, 500) << "the wide slices show their percentages";
}

TEST(ChartToPngCharts, BeyondTwelveRowsTheSmallestShareOneSliceNamedOther) {
    Table table{"share", {}};
    for (int i = 0; i < 15; ++i) table.points.push_back({"row " + std::to_string(i + 1), double(i % 5 + 1)});
    auto pie = pieChart(table);
    keepRender(renderChart(*pie), "chart-to-png-pie-15.png");
    const auto& entries = pie->legend()->entries();
    ASSERT_EQ(entries.size(), 12u);
    // The eleven largest in their order (the 5s, 4s and 3s, and the first two 2s), then the rest.
    const std::vector<std::string> expected = {"row 2", "row 3",  "row 4",  "row 5",  "row 7",  "row 8",
                                               "row 9", "row 10", "row 13", "row 14", "row 15", "other"};
    std::vector<std::string> names;
    for (const auto& e : entries) names.push_back(e->label().value_or(""));
    EXPECT_EQ(names, expected);
    const auto& set = *pie->data()->dataSets().front();
    double total = 0;
    for (std::int64_t i = 0; i < set.entryCount(); ++i) total += set.entryForIndex(i)->y();
    EXPECT_DOUBLE_EQ(total, 45);
    EXPECT_DOUBLE_EQ(set.entryForIndex(11)->y(), 1 + 1 + 1 + 2);
}
