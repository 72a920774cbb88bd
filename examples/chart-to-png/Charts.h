#pragma once
// The two charts of a table: a line with the area under it, and a pie of the shares.
#include "Table.h"

#include "charting/bar_line/LineChartView.h"
#include "charting/pie_radar/PieChartView.h"

#include <memory>

namespace chart_to_png {

constexpr double chartWidth = 400, chartHeight = 400;

std::shared_ptr<charting::LineChartView> lineChart(const Table& table);
std::shared_ptr<charting::PieChartView> pieChart(const Table& table);

} // namespace chart_to_png
