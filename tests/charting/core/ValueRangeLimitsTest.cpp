// Values near the limits of a double: ranges that would overflow to infinity still map every value
// to a pixel of the chart, so the line is drawn where its values are. TINCTURA_RENDER_DIR keeps the PNGs.
#include "RenderTestSupport.h"
#include "charting/bar_line/LineChartData.h"
#include "charting/bar_line/LineChartDataSet.h"
#include "charting/bar_line/LineChartView.h"
#include "charting/core/Transformer.h"
#include "kit/base/Console.h"
#include "kit/base/Make.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

using namespace charting;
using namespace charting::testing;

namespace {
constexpr double top = std::numeric_limits<double>::max();
} // namespace

TEST(ValueRangeLimits, LineOfExtremeValuesMapsEveryValueIntoTheContent) {
    // A span wider than the largest double cannot be drawn whole: the chart says what it cuts off.
    const struct { const char* name; std::vector<double> ys; bool cut; } cases[] = {
        {"both-limits", {-top, top, 0, top / 2, -top / 4}, true},
        {"twice-1e308", {1e308, 1e308}, false},
        {"top-and-below", {top, top * 0.9, top * 0.5, 0}, false},
        {"lowest-and-above", {-top, -top * 0.9, -top * 0.5}, false},
    };
    for (const auto& c : cases) {
        kit::ConsoleCapture console;
        std::vector<EntryPtr> entries;
        for (std::size_t i = 0; i < c.ys.size(); ++i) entries.push_back(std::make_shared<ChartDataEntry>(double(i), c.ys[i]));
        auto set = kit::make<LineChartDataSet>(entries, std::string("extremes"));
        set->setDrawCirclesEnabled(false);
        auto chart = kit::make<LineChartView>(kit::Rect{0, 0, 300, 200});
        chart->setData(kit::make<LineChartData>(std::vector<DataSetPtr>{set}));
        const kit::Image image = renderChart(*chart);
        keepRender(image, std::string("range-limits-") + c.name + ".png");

        const YAxis& axis = *chart->leftAxis();
        EXPECT_TRUE(std::isfinite(axis.axisMinimum()) && std::isfinite(axis.axisMaximum())) << c.name;
        EXPECT_LT(axis.axisMinimum(), axis.axisMaximum()) << c.name;
        EXPECT_FALSE(axis.entries().empty()) << c.name << ": no axis labels";
        const kit::Rect content = chart->viewPortHandler()->contentRect();
        double lowest = content.maxY(), highest = content.minY();
        EXPECT_EQ(console.contains("Chart values span more than the largest number"), c.cut) << c.name;
        for (std::size_t i = 0; i < c.ys.size(); ++i) {
            if (c.cut && std::abs(c.ys[i]) > top / 2) continue;
            const kit::Point p = chart->getTransformer(AxisDependency::left)->pixelForValues(double(i), c.ys[i]);
            EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y)) << c.name << " " << c.ys[i];
            EXPECT_GE(p.y, content.minY() - 0.5) << c.name << " " << c.ys[i];
            EXPECT_LE(p.y, content.maxY() + 0.5) << c.name << " " << c.ys[i];
            lowest = std::min(lowest, p.y), highest = std::max(highest, p.y);
        }
        // Different values take different heights; a larger value is drawn higher.
        if (c.ys.size() > 2) {
            EXPECT_GT(highest - lowest, content.height() / 4) << c.name;
        }
        for (std::size_t i = 1; i < c.ys.size(); ++i) {
            const auto at = [&](std::size_t k) {
                return chart->getTransformer(AxisDependency::left)->pixelForValues(double(k), c.ys[k]).y;
            };
            if (c.ys[i] > c.ys[i - 1]) {
                EXPECT_LT(at(i), at(i - 1)) << c.name << " " << i;
            }
        }
    }
}
