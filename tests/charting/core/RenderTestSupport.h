#pragma once
// Whole charts drawn with the real text layer, for the tests that look at pixels; set
// TINCTURA_RENDER_DIR to keep the images for a look.
#include "charting/core/ChartViewBase.h"
#include "kit/graphics/Context.h"
#include "kit/graphics/Image.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace charting::testing {

// The chart over white at scale 2; its drawing must leave the context healthy and balanced.
inline kit::Image renderChart(ChartViewBase& chart) {
    const kit::Rect b = chart.bounds();
    auto image = kit::Image::make(b.width(), b.height(), 2.0);
    EXPECT_TRUE(image);
    kit::Context context(*image);
    context.setFillColor(kit::Color::whiteColor());
    context.fillRect(b);
    chart.drawRect(context, b);
    EXPECT_TRUE(context.isHealthy());
    EXPECT_EQ(context.saveDepth(), 0);
    return std::move(*image);
}

inline void keepRender(const kit::Image& image, const std::string& name) {
    if (const char* dir = std::getenv("TINCTURA_RENDER_DIR")) image.savePNG(std::string(dir) + "/" + name);
}

} // namespace charting::testing
