#include "charting/model/YAxis.h"

#include "kit/base/Console.h"
#include "kit/graphics/Text.h"
#include "kit/text/DoubleText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace charting {

namespace {
constexpr double greatest = std::numeric_limits<double>::max();
double saturated(double value) { return std::clamp(value, -greatest, greatest); }
} // namespace

bool YAxis::needsOffset() const {
    return isEnabled() && isDrawLabelsEnabled() && labelPosition() == LabelPosition::outsideChart;
}

kit::Size YAxis::requiredSize() {
    const kit::Size label = kit::measureText(getLongestLabel(), labelFont());
    double width = label.width + xOffset() * 2.0;
    const double height = label.height + yOffset() * 2.0;
    const double cap = maxWidth() > 0 ? maxWidth() : width;
    width = std::max(minWidth(), std::min(cap, width));
    return {width, height};
}

double YAxis::getRequiredHeightSpace() { return requiredSize().height; }

void YAxis::calculate(double dataMin, double dataMax) {
    const bool customMin = isAxisMinCustom();
    const bool customMax = isAxisMaxCustom();
    double min = customMin ? axisMinimum() : dataMin;
    double max = customMax ? axisMaximum() : dataMax;

    if (min > max) {
        if (customMin && customMax) {
            setAxisRange(std::abs(axisMaximum() - axisMinimum()));
            return;
        }
        if (customMax)
            min = max < 0 ? max * 1.5 : max * 0.5;
        else if (customMin)
            max = min < 0 ? min * 0.5 : min * 1.5;
    }

    // Values near the limits of a double: the range and the spaces are kept finite, or nothing
    // could be mapped to pixels.
    const double range = std::min(std::abs(max - min), greatest);
    if (max - min == 0) {
        // Values so large that 1 is lost beside them widen by a step that shows.
        const double step = max + 1.0 == max ? std::abs(max) * 0x1p-10 : 1.0;
        max = saturated(max + step);
        min = saturated(min - step);
    }

    if (!customMin) setStoredAxisMinimum(saturated(min - range * spaceBottom()));
    if (!customMax) setStoredAxisMaximum(saturated(max + range * spaceTop()));
    if (!std::isfinite(axisMaximum() - axisMinimum())) {
        // The spaces would take the span past the largest double: the values fill the axis.
        if (!customMin) setStoredAxisMinimum(min);
        if (!customMax) setStoredAxisMaximum(max);
    }
    if (!std::isfinite(axisMaximum() - axisMinimum())) {
        // Values wider apart than the largest double: the chart shows the widest window it can, around zero.
        kit::warn("Chart values span more than the largest number; those beyond ±" +
                             kit::text::shortestText(greatest / 2) + " are cut off.");
        if (!customMin) setStoredAxisMinimum(std::max(axisMinimum(), -greatest / 2));
        if (!customMax) setStoredAxisMaximum(std::min(axisMaximum(), greatest / 2));
    }
    setAxisRange(std::abs(axisMaximum() - axisMinimum()));
}

} // namespace charting
