// The chart core's per-frame work: label values, visible index ranges, and one frame of axes,
// grid, limit lines, legend and description at 1280 x 800 (no data renderer); then export.
#include "charting/core/BarLineScatterCandleBubbleRenderer.h"
#include "charting/core/ChartViewBase.h"
#include "charting/core/LegendRenderer.h"
#include "charting/core/XAxisRenderer.h"
#include "charting/core/YAxisRenderer.h"
#include "charting/model/ChartDataSet.h"
#include "kit/base/Make.h"
#include "kit/ui/Device.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <new>
#include <string>

// Counts allocations, so the steady state of the label computation can be checked for none.
static std::size_t allocations = 0;
void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

using namespace charting;

class BenchChart : public ChartViewBase, public BarLineScatterCandleBubbleChartDataProvider {
public:
    using ChartViewBase::ChartViewBase;
    void notifyDataSetChanged() override {}
    void calculateOffsets() override {}
    void calcMinMax() override {}
    std::shared_ptr<Transformer> getTransformer(AxisDependency) const override { return nullptr; }
    bool isInverted(AxisDependency) const override { return false; }
    double lowestVisibleX() const override { return lowest; }
    double highestVisibleX() const override { return highest; }
    double lowest = 0, highest = 0;
};

void BM_ComputeAxisValues(benchmark::State& state) {
    auto vp = std::make_shared<ViewPortHandler>(1280, 800);
    auto axis = std::make_shared<YAxis>();
    YAxisRenderer renderer(vp, axis, nullptr);
    double shift = 0;
    renderer.computeAxisValues(-3.7, 1234.5); // warm-up: the lists take their size
    const std::size_t before = allocations;
    for (auto _ : state) {
        renderer.computeAxisValues(-3.7 + shift, 1234.5 + shift);
        shift = shift > 100 ? 0 : shift + 0.5;
        benchmark::DoNotOptimize(axis->entries().data());
    }
    state.counters["allocations"] = static_cast<double>(allocations - before);
}
BENCHMARK(BM_ComputeAxisValues);

void BM_XBoundsSet(benchmark::State& state) {
    const auto count = static_cast<int>(state.range(0));
    std::vector<EntryPtr> entries;
    entries.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) entries.push_back(std::make_shared<ChartDataEntry>(i, i % 97));
    auto set = kit::make<ChartDataSet>(std::move(entries), "bench");
    auto chart = kit::make<BenchChart>(kit::Rect{0, 0, 1280, 800});
    Animator animator;
    XBounds bounds;
    double offset = 0;
    for (auto _ : state) {
        chart->lowest = count * 0.4 + offset;
        chart->highest = count * 0.4 + 1000 + offset;
        bounds.set(*chart, *set, &animator);
        offset = offset > 1000 ? 0 : offset + 1;
        benchmark::DoNotOptimize(bounds.range);
    }
}
BENCHMARK(BM_XBoundsSet)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

struct Frame {
    std::shared_ptr<BenchChart> chart = kit::make<BenchChart>(kit::Rect{0, 0, 1280, 800});
    std::shared_ptr<Transformer> transformer;
    std::unique_ptr<XAxisRenderer> xRenderer;
    std::unique_ptr<YAxisRenderer> leftRenderer, rightRenderer;

    Frame() {
        auto vp = chart->viewPortHandler();
        vp->restrainViewPort(50, 20, 50, 60);
        transformer = std::make_shared<Transformer>(vp);
        transformer->prepareMatrixValuePx(0, 100, 500, 0);
        transformer->prepareMatrixOffset(false);
        auto x = chart->xAxis();
        x->setLabelPosition(XAxis::LabelPosition::bottom);
        auto left = std::make_shared<YAxis>(AxisDependency::left);
        auto right = std::make_shared<YAxis>(AxisDependency::right);
        for (int i = 0; i < 5; ++i) {
            x->addLimitLine(std::make_shared<ChartLimitLine>(10 + 15 * i, "x limit " + std::to_string(i)));
            left->addLimitLine(std::make_shared<ChartLimitLine>(50 + 80 * i, "y limit " + std::to_string(i)));
        }
        xRenderer = std::make_unique<XAxisRenderer>(vp, x, transformer);
        leftRenderer = std::make_unique<YAxisRenderer>(vp, left, transformer);
        rightRenderer = std::make_unique<YAxisRenderer>(vp, right, transformer);
        xRenderer->computeAxis(0, 100, false);
        leftRenderer->computeAxis(0, 500, false);
        rightRenderer->computeAxis(0, 500, false);
        std::vector<DataSetPtr> sets;
        for (int i = 0; i < 10; ++i) {
            auto set = kit::make<ChartDataSet>(std::vector<EntryPtr>{std::make_shared<ChartDataEntry>(0, 1)},
                                               "Series " + std::to_string(i));
            set->setColors({kit::Color::hsb(i / 10.0, 0.8, 0.9)});
            sets.push_back(set);
        }
        auto data = kit::make<ChartData>(sets);
        chart->legendRenderer()->computeLegend(*data);
        chart->chartDescription()->setText("Benchmark chart");
    }

    void draw(kit::Context& context) {
        for (AxisRenderer* r : {static_cast<AxisRenderer*>(xRenderer.get()), static_cast<AxisRenderer*>(leftRenderer.get()),
                                static_cast<AxisRenderer*>(rightRenderer.get())}) {
            r->renderGridLines(context);
            r->renderAxisLine(context);
            r->renderAxisLabels(context);
            r->renderLimitLines(context);
        }
        chart->legendRenderer()->renderLegend(context);
        chart->drawDescription(context);
    }
};

void BM_CoreFrame(benchmark::State& state) {
    Frame frame;
    auto image = kit::Image::make(1280, 800, 1.0);
    kit::Context context(*image);
    for (auto _ : state) {
        context.setFillColor(kit::Color::whiteColor());
        context.fillRect({0, 0, 1280, 800});
        frame.draw(context);
    }
}
BENCHMARK(BM_CoreFrame)->Unit(benchmark::kMillisecond);

// At one pixel per point, so 1280 x 800 pixels.
struct UnitScale {
    UnitScale() : scope([] {
        kit::DeviceProfile profile = kit::Device::current();
        profile.scale = 1;
        return profile;
    }()) {}
    kit::DeviceProfileScope scope;
};

void BM_ChartImage(benchmark::State& state) {
    UnitScale unit;
    auto chart = kit::make<BenchChart>(kit::Rect{0, 0, 1280, 800});
    chart->setBackgroundColor(kit::Color::whiteColor());
    for (auto _ : state) {
        auto image = chart->getChartImage(false);
        benchmark::DoNotOptimize(image->pixelWidth());
    }
}
BENCHMARK(BM_ChartImage)->Unit(benchmark::kMillisecond);

void BM_ChartImageEncode(benchmark::State& state) {
    UnitScale unit;
    auto chart = kit::make<BenchChart>(kit::Rect{0, 0, 1280, 800});
    chart->setBackgroundColor(kit::Color::whiteColor());
    Frame frame;
    auto image = chart->getChartImage(false);
    {
        kit::Context context(*image);
        frame.draw(context);
    }
    const bool png = state.range(0) == 0;
    for (auto _ : state) {
        auto bytes = png ? image->pngData() : image->jpegData(0.8);
        benchmark::DoNotOptimize(bytes->size());
    }
}
BENCHMARK(BM_ChartImageEncode)->Arg(0)->Arg(1)->ArgName("jpeg")->Unit(benchmark::kMillisecond);

} // namespace
