#include "charting/core/AxisRendererBase.h"

#include "charting/core/ChartUtils.h"
#include "charting/model/LimitLine.h"
#include "kit/graphics/Context.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace charting {

namespace {

// No range of ordinary size needs more values than this; it keeps extreme magnitudes (steps below
// the spacing of doubles near the first value) from looping without end.
std::int64_t valueCap(const AxisBase& axis, int labelCount) {
    return 10 * static_cast<std::int64_t>(std::max(labelCount, axis.axisMaxLabels())) + 2;
}

} // namespace

AxisValueSteps computeAxisValueEntries(AxisBase& axis, double min, double max) {
    AxisValueSteps steps;
    std::vector<double>& entries = axis.entries();
    const int labelCount = axis.labelCount();
    const double range = std::fabs(max - min);
    const double difference = max - min;

    auto giveUp = [&] {
        entries.clear();
        axis.centeredEntries().clear();
        return steps;
    };
    if (labelCount <= 0 || difference == 0 || std::isnan(difference) || std::isinf(range)) return giveUp();

    double interval = roundedToNextSignificant(range / labelCount);
    if (axis.granularityEnabled() && interval <= axis.granularity()) interval = axis.granularity();
    // A step that underflowed to 0 (or a negative granularity) has no decimal exponent.
    if (!(interval > 0) || !std::isfinite(interval)) return giveUp();

    const double magnitude = roundedToNextSignificant(std::pow(10.0, static_cast<double>(truncToInt(std::log10(interval)))));
    const std::int64_t sigDigit = truncToInt(interval / magnitude);
    if (sigDigit > 5) interval = std::floor(10.0 * magnitude);

    // The stored flag, not the reader that also wants entries: otherwise the first computation on a
    // fresh axis would never centre and the next one would.
    const bool centering = axis.centerAxisLabelsFlag();
    std::int64_t n = centering ? 1 : 0;
    const std::int64_t cap = valueCap(axis, labelCount);

    entries.clear();
    entries.reserve(static_cast<std::size_t>(labelCount));

    if (axis.isForceLabelsEnabled()) {
        interval = range / static_cast<double>(labelCount - 1);
        const double end = static_cast<double>(labelCount) * interval + min;
        for (std::int64_t i = 0; i < cap; ++i) {
            const double value = std::fma(static_cast<double>(i), interval, min);
            if (!(value < end)) break;
            entries.push_back(value);
        }
        n = labelCount;
    } else {
        double first = 0;
        double last = 0;
        if (interval != 0) {
            first = interval * std::ceil(min / interval);
            double product = interval * std::floor(max / interval);
            if (product == 0) product = 0.0; // +0, so the next value up is the smallest positive double
            last = std::nextafter(product, std::numeric_limits<double>::infinity());
        }
        if (centering && interval != 0) first -= interval;
        if (interval != 0 && last != first) {
            for (std::int64_t i = 0; i < cap; ++i) {
                const double value = std::fma(static_cast<double>(i), interval, first);
                if (value > last) break;
                ++n;
                if (value == last) break;
            }
        }
        const double end = first + interval * static_cast<double>(n);
        for (std::int64_t i = 0; i < cap; ++i) {
            double value = std::fma(static_cast<double>(i), interval, first);
            if (!(value < end)) break;
            if (value == 0) value = 0.0; // no negative zero in the labels
            entries.push_back(value);
        }
    }

    if (interval < 1) {
        const std::int64_t digits = truncToInt(std::ceil(-std::log10(interval)));
        axis.setDecimals(static_cast<int>(std::clamp<std::int64_t>(digits, 0, std::numeric_limits<int>::max())));
    } else {
        axis.setDecimals(0);
    }

    steps.computed = true;
    steps.interval = interval;
    steps.n = static_cast<std::size_t>(std::max<std::int64_t>(n, 0));
    return steps;
}

void forEachLimitLine(kit::Context& context, const ViewPortHandler& viewPortHandler, const AxisBase& axis,
                      const Transformer& transformer, ContentLine direction,
                      const std::function<void(const ChartLimitLine& line, double at)>& draw) {
    const kit::AffineTransform matrix = transformer.valueToPixelMatrix();
    // A copy: drawing may not change the list under the loop.
    const auto lines = axis.limitLines();
    for (const auto& line : lines) {
        if (!line || !line->isEnabled()) continue;
        kit::SavedState saved(context);
        context.clipToRect(contentClip(viewPortHandler, direction, line->lineWidth()));
        // A vertical line stands at the limit's x, a horizontal one at its y.
        const double at = direction == ContentLine::vertical ? matrix.apply(kit::Point{line->limit(), 0}).x
                                                             : matrix.apply(kit::Point{0, line->limit()}).y;
        draw(*line, at);
    }
}

void strokeLimitLine(kit::Context& context, const ViewPortHandler& viewPortHandler, const ChartLimitLine& line,
                     ContentLine direction, double at) {
    addContentLine(context, viewPortHandler, direction, at);
    setLineStroke(context, line.lineColor(), line.lineWidth(), line.lineDashPhase(), line.lineDashLengths());
    context.strokePath();
}

void visibleRange(const ViewPortHandler& viewPortHandler, const Transformer& transformer, bool alongX, bool inverted,
                  double& min, double& max) {
    const ViewPortHandler& vp = viewPortHandler;
    if (alongX) {
        const double first = transformer.valueForTouchPoint(vp.contentLeft(), vp.contentTop()).x;
        const double last = transformer.valueForTouchPoint(vp.contentRight(), vp.contentTop()).x;
        min = inverted ? last : first;
        max = inverted ? first : last;
    } else {
        const double first = transformer.valueForTouchPoint(vp.contentLeft(), vp.contentBottom()).y;
        const double last = transformer.valueForTouchPoint(vp.contentLeft(), vp.contentTop()).y;
        min = inverted ? last : first;
        max = inverted ? first : last;
    }
}

} // namespace charting
