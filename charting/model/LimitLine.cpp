#include "charting/model/LimitLine.h"

namespace charting {

std::optional<ChartLimitLine::LabelPosition> ChartLimitLine::labelPositionFromRaw(int raw) {
    if (raw < 0 || raw > 3) return std::nullopt;
    return static_cast<LabelPosition>(raw);
}

void ChartLimitLine::setLineWidth(double width) {
    if (width > 12.0)
        lineWidth_ = 12.0;
    else if (width < 0.2)
        lineWidth_ = 0.2;
    else
        lineWidth_ = width;
}

} // namespace charting
