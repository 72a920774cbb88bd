#include "charting/core/ChartViewBase.h"

#include "charting/core/ChartUtils.h"
#include "charting/core/NSUIShims.h"
#include "charting/model/DefaultValueFormatter.h"
#include "kit/base/Console.h"
#include "kit/base/Files.h"
#include "kit/graphics/Context.h"

#include <cmath>
#include <limits>

namespace charting {

void ChartViewBase::initialize() {
    setBackgroundColor(kit::Color::clearColor());
    followsSize_ = true;
    // An animator made while the view was being constructed could not be told about the view yet.
    if (chartAnimator_ && !chartAnimator_->delegate()) {
        chartAnimator_->setDelegate(std::shared_ptr<ChartAnimatorDelegate>(shared_from_this(), this));
    }
}

// Data ---------------------------------------------------------------------------------------------

void ChartViewBase::setData(std::shared_ptr<ChartData> data) {
    data_ = std::move(data);
    offsetsCalculated_ = false;
    if (!data_) return;
    setupDefaultFormatter(data_->yMin(), data_->yMax());
    const auto formatter = defaultValueFormatter();
    for (const DataSetPtr& set : data_->dataSets()) {
        if (set && std::dynamic_pointer_cast<DefaultValueFormatter>(set->valueFormatter())) set->setValueFormatter(formatter);
    }
    notifyDataSetChanged();
}

std::shared_ptr<ChartValueFormatter> ChartViewBase::defaultValueFormatter() const {
    if (!defaultValueFormatter_) defaultValueFormatter_ = std::make_shared<DefaultValueFormatter>(0);
    return defaultValueFormatter_;
}

void ChartViewBase::setupDefaultFormatter(double min, double max) {
    double reference;
    if (data_ && data_->entryCount() >= 2) reference = std::fabs(max - min);
    else reference = std::max(std::fabs(min), std::fabs(max));
    if (auto formatter = std::dynamic_pointer_cast<DefaultValueFormatter>(defaultValueFormatter())) {
        formatter->setDecimals(decimals(reference));
    }
}

void ChartViewBase::clear() {
    setData(nullptr);
    offsetsCalculated_ = false;
    highlighted_.clear();
    lastHighlighted_.reset();
    setNeedsDisplay();
}

void ChartViewBase::clearValues() {
    if (data_) data_->clearValues();
    setNeedsDisplay();
}

bool ChartViewBase::isEmpty() const { return !data_ || data_->dataSetCount() == 0; }

// Components ---------------------------------------------------------------------------------------

const std::shared_ptr<XAxis>& ChartViewBase::xAxis() const {
    if (!xAxis_) xAxis_ = std::make_shared<XAxis>();
    return xAxis_;
}

const std::shared_ptr<Description>& ChartViewBase::chartDescription() const {
    if (!chartDescription_) chartDescription_ = std::make_shared<Description>();
    return chartDescription_;
}

const std::shared_ptr<Legend>& ChartViewBase::legend() const {
    if (!legend_) legend_ = std::make_shared<Legend>();
    return legend_;
}

const std::shared_ptr<LegendRenderer>& ChartViewBase::legendRenderer() const {
    if (!legendRenderer_) legendRenderer_ = std::make_shared<LegendRenderer>(viewPortHandler(), legend());
    return legendRenderer_;
}

const std::shared_ptr<ViewPortHandler>& ChartViewBase::viewPortHandler() const {
    if (!viewPortHandler_) {
        const kit::Rect b = bounds();
        viewPortHandler_ = std::make_shared<ViewPortHandler>(b.width(), b.height());
    }
    return viewPortHandler_;
}

const std::shared_ptr<Animator>& ChartViewBase::chartAnimator() const {
    if (!chartAnimator_) {
        chartAnimator_ = std::make_shared<Animator>();
        // Seen weakly by the animator; only reachable once the view is shared (after kit::make).
        if (auto self = std::const_pointer_cast<kit::View>(weak_from_this().lock())) {
            auto* chart = static_cast<ChartAnimatorDelegate*>(const_cast<ChartViewBase*>(this));
            chartAnimator_->setDelegate(std::shared_ptr<ChartAnimatorDelegate>(self, chart));
        }
    }
    return chartAnimator_;
}

// Settings -----------------------------------------------------------------------------------------

void ChartViewBase::setDragDecelerationFrictionCoef(double v) {
    if (!(v >= 0)) v = 0;
    if (v > 0.999) v = 0.999;
    dragDecelerationFrictionCoef_ = v;
}

void ChartViewBase::setExtraOffsets(double left, double top, double right, double bottom) {
    extraLeftOffset_ = left;
    extraTopOffset_ = top;
    extraRightOffset_ = right;
    extraBottomOffset_ = bottom;
}

// Provider -----------------------------------------------------------------------------------------

double ChartViewBase::chartXMin() const { return xAxis()->axisMinimum(); }
double ChartViewBase::chartXMax() const { return xAxis()->axisMaximum(); }
double ChartViewBase::chartYMin() const { return data_ ? data_->yMin() : 0.0; }
double ChartViewBase::chartYMax() const { return data_ ? data_->yMax() : 0.0; }
double ChartViewBase::xRange() const { return xAxis()->axisRange(); }
kit::Point ChartViewBase::centerOffsets() const { return viewPortHandler()->contentCenter(); }
std::int64_t ChartViewBase::maxVisibleCount() const { return std::numeric_limits<std::int64_t>::max(); }
kit::Rect ChartViewBase::contentRect() const { return viewPortHandler()->contentRect(); }

kit::Point ChartViewBase::midPoint() const {
    const kit::Rect b = bounds();
    return {b.x() + b.width() * 0.5, b.y() + b.height() * 0.5};
}

// Highlights ---------------------------------------------------------------------------------------

void ChartViewBase::highlightValues(std::vector<Highlight> highlights) {
    highlighted_ = std::move(highlights);
    if (highlighted_.empty()) lastHighlighted_.reset();
    else lastHighlighted_ = highlighted_.front();
    setNeedsDisplay();
}

void ChartViewBase::highlightValue(double x, int dataSetIndex, int dataIndex, bool callDelegate) {
    highlightValueWithY(x, std::numeric_limits<double>::quiet_NaN(), dataSetIndex, dataIndex, callDelegate);
}

void ChartViewBase::highlightValueWithY(double x, double y, int dataSetIndex, int dataIndex, bool callDelegate) {
    if (!data_) {
        kit::print("Value not highlighted because data is nil");
        return;
    }
    if (dataSetIndex >= 0 && dataSetIndex < data_->dataSetCount()) {
        highlightValue(Highlight(x, y, dataSetIndex, dataIndex), callDelegate);
    } else {
        highlightValue(std::nullopt, callDelegate);
    }
}

void ChartViewBase::highlightValue(const std::optional<Highlight>& highlight, bool callDelegate) {
    EntryPtr entry;
    if (highlight && data_) entry = data_->entryForHighlight(*highlight);
    if (entry) {
        highlighted_ = {*highlight};
        if (callDelegate) {
            if (auto d = delegate()) d->chartValueSelected(*this, *entry, *highlight);
        }
    } else {
        highlighted_.clear();
        if (callDelegate) {
            if (auto d = delegate()) d->chartValueNothingSelected(*this);
        }
    }
    setNeedsDisplay();
}

std::optional<Highlight> ChartViewBase::getHighlightByTouchPoint(kit::Point point) {
    if (!data_) {
        kit::print("Can't select by touch. No data set.");
        return std::nullopt;
    }
    if (!highlighter_) return std::nullopt;
    return highlighter_->getHighlight(point.x, point.y);
}

kit::Point ChartViewBase::getMarkerPosition(const Highlight& highlight) { return {highlight.drawX(), highlight.drawY()}; }

// Drawing ------------------------------------------------------------------------------------------

void ChartViewBase::drawRect(kit::Context& context, const kit::Rect& rect) {
    (void)rect;
    if (!data_ && !noDataText_.empty()) {
        kit::SavedState saved(context);
        kit::ParagraphStyle paragraph;
        paragraph.minimumLineHeight = noDataFont_.lineHeight();
        paragraph.lineBreakMode = kit::LineBreakMode::wordWrap;
        paragraph.alignment = noDataTextAlignment_;
        const kit::TextAttributes attributes{noDataFont_, noDataTextColor_, paragraph};
        const kit::Rect b = bounds();
        const kit::Size size = kit::measureText(noDataText_, attributes, kit::TextLayoutOptions{b.width(), b.height(), 0});
        drawMultilineText(context, noDataText_, kit::Point{b.width() * 0.5, b.height() * 0.5}, kit::Point{0.5, 0.5}, size,
                          0, attributes);
        return;
    }
    if (!offsetsCalculated_) {
        calculateOffsets();
        offsetsCalculated_ = true;
    }
}

void ChartViewBase::drawDescription(kit::Context& context) {
    const Description& description = *chartDescription();
    if (!description.isEnabled() || !description.text() || description.text()->empty()) return;
    const std::string& text = *description.text();
    const kit::Rect b = bounds();
    const ViewPortHandler& vp = *viewPortHandler();
    kit::Point position;
    if (description.position()) {
        position = *description.position();
    } else {
        position.x = b.width() - vp.offsetRight() - description.xOffset();
        position.y = b.height() - vp.offsetBottom() - description.yOffset() - description.font().lineHeight();
    }
    const kit::TextAttributes attributes{description.font(), description.textColor(), std::nullopt};
    position = getDrawPoint(text, position, description.textAlign(), attributes);
    kit::drawText(context, text, position, attributes);
}

void ChartViewBase::drawMarkers(kit::Context& context) {
    if (!marker_ || !isDrawMarkersEnabled() || !valuesToHighlight()) return;
    const ViewPortHandler& vp = *viewPortHandler();
    // A copy: the marker may change the highlights while it draws.
    const std::vector<Highlight> highlights = highlighted_;
    for (const Highlight& highlight : highlights) {
        if (!data_) continue;
        // Highlights outlive data changes; one naming a set that is gone is skipped.
        const int setIndex = highlight.dataSetIndex();
        if (setIndex < 0 || setIndex >= data_->dataSetCount()) continue;
        const DataSetPtr set = data_->dataSet(setIndex);
        const EntryPtr entry = data_->entryForHighlight(highlight);
        if (!set || !entry) continue;
        const std::int64_t limit = truncToInt(static_cast<double>(set->entryCount()) * chartAnimator()->phaseX());
        if (set->entryIndexOf(*entry) > limit) continue;
        const kit::Point position = getMarkerPosition(highlight);
        if (!vp.isInBounds(position.x, position.y)) continue;
        marker_->refreshContent(*entry, highlight);
        marker_->draw(context, position);
    }
}

std::optional<kit::Image> ChartViewBase::getChartImage(bool transparent) {
    const kit::Size size = bounds().size;
    const bool opaque = isOpaque() || !transparent;
    auto image = kit::Image::make(size.width, size.height, nsuiScreenScale(), opaque);
    if (!image) return std::nullopt;
    {
        kit::Context context(*image);
        if (opaque) {
            const kit::Rect all{0, 0, size.width, size.height};
            context.setFillColor(kit::Color::whiteColor());
            context.fillRect(all);
            if (auto background = backgroundColor()) {
                context.setFillColor(*background);
                context.fillRect(all);
            }
        }
        layer()->renderInContext(context);
    }
    return image;
}

bool ChartViewBase::save(const std::string& path, ImageFormat format, double compressionQuality) {
    auto image = getChartImage(format == ImageFormat::png);
    if (!image) return false;
    auto bytes = format == ImageFormat::png ? image->pngData() : image->jpegData(compressionQuality);
    if (!bytes || bytes->empty()) return false;
    return kit::writeFileAtomically(path, *bytes);
}

// Animation ----------------------------------------------------------------------------------------

void ChartViewBase::animateXY(double xAxisDuration, double yAxisDuration, EasingFunction easingX, EasingFunction easingY) {
    chartAnimator()->animateXY(xAxisDuration, yAxisDuration, std::move(easingX), std::move(easingY));
}
void ChartViewBase::animateXY(double xAxisDuration, double yAxisDuration, ChartEasingOption easingOptionX,
                              ChartEasingOption easingOptionY) {
    chartAnimator()->animateXY(xAxisDuration, yAxisDuration, easingOptionX, easingOptionY);
}
void ChartViewBase::animateXY(double xAxisDuration, double yAxisDuration, EasingFunction easing) {
    chartAnimator()->animateXY(xAxisDuration, yAxisDuration, std::move(easing));
}
void ChartViewBase::animateXY(double xAxisDuration, double yAxisDuration, ChartEasingOption easingOption) {
    chartAnimator()->animateXY(xAxisDuration, yAxisDuration, easingOption);
}
void ChartViewBase::animateXY(double xAxisDuration, double yAxisDuration) {
    animateXY(xAxisDuration, yAxisDuration, ChartEasingOption::easeInOutSine);
}
void ChartViewBase::animateX(double xAxisDuration, EasingFunction easing) {
    chartAnimator()->animateX(xAxisDuration, std::move(easing));
}
void ChartViewBase::animateX(double xAxisDuration, ChartEasingOption easingOption) {
    chartAnimator()->animateX(xAxisDuration, easingOption);
}
void ChartViewBase::animateX(double xAxisDuration) { animateX(xAxisDuration, ChartEasingOption::easeInOutSine); }
void ChartViewBase::animateY(double yAxisDuration, EasingFunction easing) {
    chartAnimator()->animateY(yAxisDuration, std::move(easing));
}
void ChartViewBase::animateY(double yAxisDuration, ChartEasingOption easingOption) {
    chartAnimator()->animateY(yAxisDuration, easingOption);
}
void ChartViewBase::animateY(double yAxisDuration) { animateY(yAxisDuration, ChartEasingOption::easeInOutSine); }

void ChartViewBase::animatorUpdated(Animator& animator) {
    (void)animator;
    setNeedsDisplay();
}

void ChartViewBase::animatorStopped(Animator& animator) {
    if (auto d = delegate()) d->chartViewAnimatorDidStop(*this, animator);
}

// View-port jobs and size --------------------------------------------------------------------------

void ChartViewBase::addViewportJob(std::shared_ptr<ViewPortJob> job) {
    if (!job) return;
    if (viewPortHandler()->hasChartDimens()) job->doJob();
    else viewportJobs_.push_back(std::move(job));
}

void ChartViewBase::removeViewportJob(const ViewPortJob* job) {
    for (auto it = viewportJobs_.begin(); it != viewportJobs_.end(); ++it) {
        if (it->get() == job) {
            viewportJobs_.erase(it);
            return;
        }
    }
}

void ChartViewBase::setFrame(const kit::Rect& frame) {
    NSUIView::setFrame(frame);
    if (followsSize_) boundsSizeChanged();
}

void ChartViewBase::setBounds(const kit::Rect& bounds) {
    NSUIView::setBounds(bounds);
    if (followsSize_) boundsSizeChanged();
}

void ChartViewBase::boundsSizeChanged() {
    const kit::Rect b = bounds();
    ViewPortHandler& vp = *viewPortHandler();
    if (b.width() == vp.chartWidth() && b.height() == vp.chartHeight()) return;
    vp.setChartDimens(b.width(), b.height());
    notifyDataSetChanged();
    // First queued, first run; a job queued while draining runs in this pass too.
    while (!viewportJobs_.empty()) {
        std::shared_ptr<ViewPortJob> job = std::move(viewportJobs_.front());
        viewportJobs_.erase(viewportJobs_.begin());
        job->doJob();
    }
}

NSUIView::AccessibilityElements ChartViewBase::accessibilityChildren() const {
    if (!renderer_) return {};
    return renderer_->accessibleChartElements();
}

} // namespace charting
