// Draws a pie chart (hole, centre text, labels, values beyond the slices, legend) and a radar chart
// with the real text layer, so layout faults that exact-metric tests cannot see show up. Set
// TINCTURA_RENDER_DIR to keep the PNGs.
#include "../core/RenderTestSupport.h"
#include "charting/model/ChartColorTemplates.h"
#include "charting/model/IndexAxisValueFormatter.h"
#include "charting/pie_radar/PieChartData.h"
#include "charting/pie_radar/PieChartDataEntry.h"
#include "charting/pie_radar/PieChartView.h"
#include "charting/pie_radar/RadarChartData.h"
#include "charting/pie_radar/RadarChartDataEntry.h"
#include "charting/pie_radar/RadarChartDataSet.h"
#include "charting/pie_radar/RadarChartView.h"
#include "kit/base/Make.h"
#include "kit/graphics/Context.h"
#include "kit/graphics/Image.h"

#include <gtest/gtest.h>

#include <string>

using namespace charting;
using namespace charting::testing;

TEST(PieRadarRendering, PieWithHoleLabelsValuesAndLegend) {
    auto chart = kit::make<PieChartView>(kit::Rect{0, 0, 420, 420});
    std::vector<EntryPtr> entries;
    const char* names[] = {"Cobalt", "Ochre", "Sienna", "Viridian", "Umber", "Rose"};
    const double values[] = {30, 22, 18, 12, 10, 8};
    for (int i = 0; i < 6; ++i) entries.push_back(kit::make<PieChartDataEntry>(values[i], std::string(names[i])));
    auto set = kit::make<PieChartDataSet>(entries, std::string("Pigments"));
    set->setColors(ChartColorTemplates::vordiplom());
    set->setSliceSpace(2);
    set->setYValuePosition(PieChartDataSet::ValuePosition::beyondSlice);
    set->setValueFont(kit::Font::system(11));
    set->setValueTextColor(kit::Color::darkGrayColor());
    set->setEntryLabelColor(kit::Color::blackColor());
    set->setEntryLabelFont(kit::Font::system(10));
    auto data = kit::make<PieChartData>(std::vector<DataSetPtr>{set});
    chart->setUsePercentValuesEnabled(true);
    chart->setCenterText(std::string("Palette share"));
    chart->legend()->setHorizontalAlignment(Legend::HorizontalAlignment::center);
    chart->setExtraOffsets(0, 10, 0, 10);
    chart->setData(data);
    chart->highlightValue(Highlight(2, 0, 0), false);
    kit::Image image = renderChart(*chart);
    keepRender(image, "pie-chart.png");

    const kit::Point c = chart->centerCircleBox();
    EXPECT_EQ(image.colorAt(static_cast<int>(c.x * 2), static_cast<int>(c.y * 2)), kit::Color::whiteColor()) << "hole";
    // The ring between hole and rim is painted (here in the first slice, right of the top).
    const double ring = chart->radius() * 0.8;
    EXPECT_NE(image.colorAt(static_cast<int>((c.x + ring * 0.5) * 2), static_cast<int>((c.y - ring * 0.866) * 2)),
              kit::Color::whiteColor());
}

TEST(PieRadarRendering, RadarWithWebCaptionsAndValues) {
    auto chart = kit::make<RadarChartView>(kit::Rect{0, 0, 420, 420});
    const auto setOf = [](std::vector<double> values, const char* label, kit::Color colour) {
        std::vector<EntryPtr> entries;
        for (double v : values) entries.push_back(kit::make<RadarChartDataEntry>(v));
        auto set = kit::make<RadarChartDataSet>(entries, std::string(label));
        set->setColors({colour});
        set->setFillColor(colour);
        set->setDrawFilledEnabled(true);
        set->setLineWidth(2);
        return set;
    };
    auto a = setOf({80, 55, 70, 90, 40, 65}, "Warm", kit::Color::rgba(0.85, 0.35, 0.2));
    auto b = setOf({50, 85, 45, 60, 75, 30}, "Cool", kit::Color::rgba(0.2, 0.45, 0.85));
    b->setDrawValuesEnabled(false);
    auto data = kit::make<RadarChartData>(std::vector<DataSetPtr>{a, b});
    chart->xAxis()->setValueFormatter(std::make_shared<IndexAxisValueFormatter>(
        std::vector<std::string>{"Hue", "Chroma", "Value", "Warmth", "Contrast", "Depth"}));
    chart->yAxis()->setLabelCount(5);
    chart->setData(data);
    chart->highlightValue(Highlight(3, 0, 0), false);
    kit::Image image = renderChart(*chart);
    keepRender(image, "radar-chart.png");

    const kit::Point c = chart->centerOffsets();
    EXPECT_NE(image.colorAt(static_cast<int>(c.x * 2), static_cast<int>(c.y * 2)), kit::Color::whiteColor());
    EXPECT_EQ(image.colorAt(2, 2), kit::Color::whiteColor());
}

TEST(PieRadarRendering, HalfPieWithSpacedSlicesAndNoHole) {
    auto chart = kit::make<PieChartView>(kit::Rect{0, 0, 480, 260});
    std::vector<EntryPtr> entries;
    for (double v : {4.0, 3.0, 2.0, 1.0}) entries.push_back(kit::make<PieChartDataEntry>(v, std::string("S")));
    auto set = kit::make<PieChartDataSet>(entries, std::string("Half"));
    set->setColors(ChartColorTemplates::material());
    set->setSliceSpace(6);
    auto data = kit::make<PieChartData>(std::vector<DataSetPtr>{set});
    chart->legend()->setEnabled(false);
    chart->setDrawHoleEnabled(false);
    chart->setMaxAngle(180);
    chart->setRotationAngle(180);
    chart->setExtraBottomOffset(20);
    chart->setData(data);
    kit::Image image = renderChart(*chart);
    keepRender(image, "half-pie.png");

    // The half pie stands on its centre line: painted just above it, nothing below.
    const kit::Point c = chart->centerCircleBox();
    const double r = chart->radius();
    EXPECT_NE(image.colorAt(static_cast<int>((c.x - r / 2) * 2), static_cast<int>((c.y - 10) * 2)), kit::Color::whiteColor());
    EXPECT_EQ(image.colorAt(static_cast<int>((c.x - r / 2) * 2), static_cast<int>((c.y + 10) * 2)), kit::Color::whiteColor());
}

TEST(PieRadarRendering, HalfPieStaysInsideViewsOfEveryShape) {
    // Narrower than 2:1 (the width limits the radius), exactly 2:1, and wider (the height does).
    for (const kit::Size size : {kit::Size{800, 600}, kit::Size{600, 300}, kit::Size{700, 200}}) {
        const std::string name = std::to_string(int(size.width)) + "x" + std::to_string(int(size.height));
        auto chart = kit::make<PieChartView>(kit::Rect{{0, 0}, size});
        std::vector<EntryPtr> entries;
        for (double v : {4.0, 3.0, 2.0, 1.0}) entries.push_back(kit::make<PieChartDataEntry>(v, std::string("S")));
        auto set = kit::make<PieChartDataSet>(entries, std::string("Half"));
        set->setColors(ChartColorTemplates::material());
        set->setDrawValuesEnabled(false);
        chart->legend()->setEnabled(false);
        chart->setDrawEntryLabelsEnabled(false);
        chart->setDrawHoleEnabled(false);
        chart->setMaxAngle(180);
        chart->setRotationAngle(180);
        chart->setData(kit::make<PieChartData>(std::vector<DataSetPtr>{set}));
        kit::Image image = renderChart(*chart);
        keepRender(image, "half-pie-" + name + ".png");

        // Image pixels are at scale 2. Along the row just above the straight edge, the disc starts
        // and ends inside the view, and it reaches up to a row inside the view.
        const int w = static_cast<int>(size.width * 2), h = static_cast<int>(size.height * 2);
        const int row = static_cast<int>((chart->centerCircleBox().y - 2) * 2);
        ASSERT_GT(row, 0) << name;
        ASSERT_LT(row, h) << name;
        const auto painted = [&](int x, int y) { return image.colorAt(x, y) != kit::Color::whiteColor(); };
        int first = 0, last = w - 1;
        while (first < w && !painted(first, row)) ++first;
        while (last >= 0 && !painted(last, row)) --last;
        EXPECT_GT(first, 0) << name << ": the disc runs over the left edge";
        EXPECT_LT(last, w - 1) << name << ": the disc runs over the right edge";
        const int middle = (first + last) / 2;
        int top = row;
        while (top > 0 && painted(middle, top - 1)) --top;
        EXPECT_GT(top, 0) << name << ": the disc runs over the top edge";
        // The disc still fills the limiting side: it is at least 80 % as wide (or high) as it may be.
        const double radius = (last - first) / 2.0;
        EXPECT_NEAR(row - top, radius, 4) << name << ": a half disc";
        EXPECT_GT(radius, 0.8 * std::min(w / 2.0, static_cast<double>(h))) << name;
    }
}
