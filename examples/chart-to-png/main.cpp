// Draws a line chart and a pie chart of the same numbers side by side and writes them as a PNG.
//
//   chart-to-png OUT.png 12 7 30 18        numbers from the command line
//   chart-to-png OUT.png --csv data.csv    "label,value" lines; a header line names the values, and an
//                                          empty value or "nan" is a missing one
#include "Charts.h"
#include "Table.h"

#include "kit/graphics/Context.h"
#include "kit/graphics/Image.h"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <string>

using namespace chart_to_png;

namespace {

constexpr double scale = 2;

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
        ReadResult read = readCsv(argv[3]);
        if (!read.table) {
            std::cerr << "chart-to-png: " << read.error << "\n";
            return 1;
        }
        table = std::move(*read.table);
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
    if (std::ranges::all_of(points, [](const Point& p) { return std::isnan(p.value); })) {
        std::cerr << "chart-to-png: no numbers\n";
        return 1;
    }
    for (const Point& p : points)
        if (std::isnan(p.value)) std::cerr << "chart-to-png: no value for " << p.label << ": a gap in the line, left out of the pie\n";
        else if (p.value < 0) std::cerr << "chart-to-png: the pie leaves out the negative value " << p.value << "\n";

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
