#include "charting/model/YAxis.h"

#include "kit/graphics/Text.h"

#include <algorithm>
#include <cmath>

namespace charting {

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

    const double range = std::abs(max - min);
    if (max - min == 0) {
        max = max + 1.0;
        min = min - 1.0;
    }

    if (!customMin) setStoredAxisMinimum(min - range * spaceBottom());
    if (!customMax) setStoredAxisMaximum(max + range * spaceTop());
    setAxisRange(std::abs(axisMaximum() - axisMinimum()));
}

} // namespace charting
