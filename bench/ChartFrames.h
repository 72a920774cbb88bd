#pragma once
// The frame loop of the x/y chart benchmarks: the whole chart into an opaque image at scale 1, or
// only its data pass.
#include "charting/bar_line/BarLineChartViewBase.h"
#include "kit/graphics/Context.h"
#include "kit/graphics/Image.h"

#include <benchmark/benchmark.h>

inline void drawFrames(benchmark::State& state, charting::BarLineChartViewBase& chart, bool dataOnly = false) {
    const kit::Rect frame = chart.bounds();
    auto image = kit::Image::make(frame.width(), frame.height(), 1.0, true);
    kit::Context context(*image);
    for (auto _ : state) {
        if (dataOnly) chart.renderer()->drawData(context);
        else chart.drawRect(context, frame);
    }
}
