// A line chart on a page taller than the window, in the real window host, for the end-to-end
// test: it turns the wheel over the chart, closes the window, and reads from standard output how
// far the page scrolled and how far the chart zoomed.
#include "charting/bar_line/LineChartData.h"
#include "charting/bar_line/LineChartDataSet.h"
#include "charting/bar_line/LineChartView.h"
#include "kit/base/Make.h"
#include "kit/host/window/SdlWindow.h"
#include "kit/ui/ScrollView.h"
#include "kit/ui/ViewController.h"
#include "kit/ui/Window.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

int main() {
    kit::host::SdlWindow host(kit::DeviceProfile::phone());
    std::string error;
    if (!host.open(&error)) {
        std::fprintf(stderr, "chart_window: cannot open a window: %s\n", error.c_str());
        return 1;
    }
    host.setTitle("Chart");

    const kit::Rect bounds = host.window()->bounds();
    auto page = kit::make<kit::ScrollView>(bounds);
    page->setContentSize({bounds.width(), bounds.height() * 3});
    // The chart fills the middle of the first screenful: x 20...355, y 200...600.
    auto chart = kit::make<charting::LineChartView>(kit::Rect{20, 200, bounds.width() - 40, 400});
    std::vector<charting::EntryPtr> entries;
    for (int i = 0; i < 60; ++i) entries.push_back(std::make_shared<charting::ChartDataEntry>(i, std::sin(i / 6.0) * 10));
    auto set = kit::make<charting::LineChartDataSet>(std::move(entries), "Sine");
    chart->setData(kit::make<charting::LineChartData>(std::vector<charting::DataSetPtr>{set}));
    chart->setPinchZoomEnabled(true);
    page->addSubview(chart);

    auto screen = kit::make<kit::ViewController>();
    screen->view()->addSubview(page);
    host.setRootViewController(screen);
    const int status = host.run();
    std::printf("page %.1f scale %.3f %.3f\n", page->contentOffset().y, chart->scaleX(), chart->scaleY());
    return status;
}
