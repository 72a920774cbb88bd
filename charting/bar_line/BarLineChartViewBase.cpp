#include "charting/bar_line/BarLineChartViewBase.h"

#include "charting/model/ChartHighlighter.h"
#include "kit/graphics/Context.h"
#include "kit/ui/PanGesture.h"
#include "kit/ui/PinchGesture.h"
#include "kit/ui/TapGesture.h"

#include <algorithm>

namespace charting {

BarLineChartViewBase::BarLineChartViewBase() = default;

BarLineChartViewBase::BarLineChartViewBase(const kit::Rect& frame) : ChartViewBase(frame) {}

BarLineChartViewBase::~BarLineChartViewBase() { stopDeceleration(); }

void BarLineChartViewBase::initialize() {
    ChartViewBase::initialize();
    leftAxisTransformer_ = std::make_shared<Transformer>(viewPortHandler());
    rightAxisTransformer_ = std::make_shared<Transformer>(viewPortHandler());

    auto self = std::static_pointer_cast<BarLineChartViewBase>(shared_from_this());
    setHighlighter(std::make_shared<ChartHighlighter>(std::shared_ptr<ChartDataProvider>(self, self.get())));

    std::weak_ptr<BarLineChartViewBase> weak = self;
    tapGestureRecognizer_ = std::make_shared<kit::TapGesture>();
    tapGestureRecognizer_->addTarget(
        [weak](kit::GestureRecognizer& r) {
            if (auto view = weak.lock()) view->tapGestureRecognized(static_cast<kit::TapGesture&>(r));
        },
        this);
    doubleTapGestureRecognizer_ = std::make_shared<kit::TapGesture>();
    doubleTapGestureRecognizer_->setNumberOfTapsRequired(2);
    doubleTapGestureRecognizer_->addTarget(
        [weak](kit::GestureRecognizer& r) {
            if (auto view = weak.lock()) view->doubleTapGestureRecognized(static_cast<kit::TapGesture&>(r));
        },
        this);
    panGestureRecognizer_ = std::make_shared<kit::PanGesture>();
    panGestureRecognizer_->addTarget(
        [weak](kit::GestureRecognizer& r) {
            if (auto view = weak.lock()) view->panGestureRecognized(static_cast<kit::PanGesture&>(r));
        },
        this);
    addGestureRecognizer(tapGestureRecognizer_);
    addGestureRecognizer(doubleTapGestureRecognizer_);
    addGestureRecognizer(panGestureRecognizer_);
    doubleTapGestureRecognizer_->setEnabled(doubleTapToZoomEnabled_);
    panGestureRecognizer_->setEnabled(dragXEnabled_ || dragYEnabled_);

    pinchGestureRecognizer_ = std::make_shared<kit::PinchGesture>();
    pinchGestureRecognizer_->addTarget(
        [weak](kit::GestureRecognizer& r) {
            if (auto view = weak.lock()) view->pinchGestureRecognized(static_cast<kit::PinchGesture&>(r));
        },
        this);
    addGestureRecognizer(pinchGestureRecognizer_);
    pinchGestureRecognizer_->setEnabled(pinchZoomEnabled_ || scaleXEnabled_ || scaleYEnabled_);
}

// Data change path -------------------------------------------------------------------------------

void BarLineChartViewBase::notifyDataSetChanged() {
    if (renderer()) renderer()->initBuffers();
    calcMinMax();
    leftYAxisRenderer()->computeAxis(leftAxis_->axisMinimum(), leftAxis_->axisMaximum(), leftAxis_->isInverted());
    rightYAxisRenderer()->computeAxis(rightAxis_->axisMinimum(), rightAxis_->axisMaximum(), rightAxis_->isInverted());
    if (auto d = data()) {
        xAxisRenderer()->computeAxis(xAxis()->axisMinimum(), xAxis()->axisMaximum(), false);
        legendRenderer()->computeLegend(*d);
    }
    calculateOffsets();
    setNeedsDisplay();
}

void BarLineChartViewBase::calcMinMax() {
    auto d = data();
    xAxis()->calculate(d ? d->xMin() : 0.0, d ? d->xMax() : 0.0);
    leftAxis_->calculate(d ? d->getYMin(AxisDependency::left) : 0.0, d ? d->getYMax(AxisDependency::left) : 0.0);
    rightAxis_->calculate(d ? d->getYMin(AxisDependency::right) : 0.0, d ? d->getYMax(AxisDependency::right) : 0.0);
}

void BarLineChartViewBase::calculateOffsets() {
    if (!customViewPortEnabled_) {
        double offsetLeft = 0, offsetRight = 0, offsetTop = 0, offsetBottom = 0;
        calculateLegendOffsets(offsetLeft, offsetTop, offsetRight, offsetBottom);
        if (leftAxis_->needsOffset()) offsetLeft += leftAxis_->requiredSize().width;
        if (rightAxis_->needsOffset()) offsetRight += rightAxis_->requiredSize().width;
        const XAxis& x = *xAxis();
        if (x.isEnabled() && x.isDrawLabelsEnabled())
            addXAxisLabelRoom(x.labelPosition(), x.labelRotatedHeight() + x.yOffset(), offsetBottom, offsetTop);
        restrainViewPortToOffsets(offsetLeft, offsetTop, offsetRight, offsetBottom);
    }
    prepareOffsetMatrix();
    prepareValuePxMatrix();
}

void BarLineChartViewBase::addXAxisLabelRoom(XAxis::LabelPosition position, double room, double& bottomSide,
                                             double& topSide) {
    switch (position) {
    case XAxis::LabelPosition::bottom: bottomSide += room; break;
    case XAxis::LabelPosition::top: topSide += room; break;
    case XAxis::LabelPosition::bothSided:
        bottomSide += room;
        topSide += room;
        break;
    default: break;
    }
}

void BarLineChartViewBase::restrainViewPortToOffsets(double offsetLeft, double offsetTop, double offsetRight,
                                                     double offsetBottom) {
    offsetTop += extraTopOffset();
    offsetRight += extraRightOffset();
    offsetBottom += extraBottomOffset();
    offsetLeft += extraLeftOffset();
    const double m = minOffset_;
    viewPortHandler()->restrainViewPort(std::max(m, offsetLeft), std::max(m, offsetTop), std::max(m, offsetRight),
                                        std::max(m, offsetBottom));
}

void BarLineChartViewBase::calculateLegendOffsets(double& offsetLeft, double& offsetTop, double& offsetRight,
                                                  double& offsetBottom) {
    const Legend& l = *legend();
    if (!l.isEnabled() || l.drawInside()) return;
    const ViewPortHandler& vp = *viewPortHandler();
    const double w = std::min(l.neededWidth(), vp.chartWidth() * l.maxSizePercent());
    const double h = std::min(l.neededHeight(), vp.chartHeight() * l.maxSizePercent());
    const bool vertical = l.orientation() == Legend::Orientation::vertical;
    if (vertical && l.horizontalAlignment() == Legend::HorizontalAlignment::right) {
        offsetRight += w + l.xOffset();
    } else if (vertical && l.horizontalAlignment() == Legend::HorizontalAlignment::left) {
        offsetLeft += w + l.xOffset();
    } else {
        switch (l.verticalAlignment()) {
        case Legend::VerticalAlignment::top: offsetTop += h + l.yOffset(); break;
        case Legend::VerticalAlignment::bottom: offsetBottom += h + l.yOffset(); break;
        default: break;
        }
    }
}

void BarLineChartViewBase::prepareOffsetMatrix() {
    rightAxisTransformer_->prepareMatrixOffset(rightAxis_->isInverted());
    leftAxisTransformer_->prepareMatrixOffset(leftAxis_->isInverted());
}

void BarLineChartViewBase::prepareValuePxMatrix() {
    const XAxis& x = *xAxis();
    rightAxisTransformer_->prepareMatrixValuePx(x.axisMinimum(), x.axisRange(), rightAxis_->axisRange(),
                                                rightAxis_->axisMinimum());
    leftAxisTransformer_->prepareMatrixValuePx(x.axisMinimum(), x.axisRange(), leftAxis_->axisRange(),
                                               leftAxis_->axisMinimum());
}

void BarLineChartViewBase::boundsSizeChanged() {
    std::optional<kit::Point> kept;
    if (keepPositionOnRotation_ && viewPortHandler()->hasChartDimens()) {
        kit::Point origin = viewPortHandler()->contentRect().origin;
        leftAxisTransformer_->convertPixelToValue(origin);
        kept = origin;
    }
    ChartViewBase::boundsSizeChanged();
    ViewPortHandler& vp = *viewPortHandler();
    if (kept && keepPositionOnRotation_) {
        kit::Point p = *kept;
        leftAxisTransformer_->convertPointToPixel(p);
        vp.centerViewPort(p, *this);
    } else {
        vp.refresh(vp.touchMatrix(), *this, true);
    }
}

// Drawing ----------------------------------------------------------------------------------------

void BarLineChartViewBase::drawRect(kit::Context& context, const kit::Rect& rect) {
    ChartViewBase::drawRect(context, rect);
    if (!data() || !renderer()) return;
    ChartDataRenderer& r = *renderer();
    const XAxis& x = *xAxis();

    drawGridBackground(context);
    if (autoScaleMinMaxEnabled_) autoScale();

    if (leftAxis_->isEnabled())
        leftYAxisRenderer()->computeAxis(leftAxis_->axisMinimum(), leftAxis_->axisMaximum(), leftAxis_->isInverted());
    if (rightAxis_->isEnabled())
        rightYAxisRenderer()->computeAxis(rightAxis_->axisMinimum(), rightAxis_->axisMaximum(),
                                          rightAxis_->isInverted());
    if (x.isEnabled()) xAxisRenderer()->computeAxis(x.axisMinimum(), x.axisMaximum(), false);

    xAxisRenderer()->renderAxisLine(context);
    leftYAxisRenderer()->renderAxisLine(context);
    rightYAxisRenderer()->renderAxisLine(context);

    // The x axis's flag decides for all three axes.
    const bool gridBehind = x.isDrawGridLinesBehindDataEnabled();
    auto renderGrid = [&] {
        xAxisRenderer()->renderGridLines(context);
        leftYAxisRenderer()->renderGridLines(context);
        rightYAxisRenderer()->renderGridLines(context);
    };
    if (gridBehind) renderGrid();

    if (x.isEnabled() && x.isDrawLimitLinesBehindDataEnabled()) xAxisRenderer()->renderLimitLines(context);
    if (leftAxis_->isEnabled() && leftAxis_->isDrawLimitLinesBehindDataEnabled())
        leftYAxisRenderer()->renderLimitLines(context);
    if (rightAxis_->isEnabled() && rightAxis_->isDrawLimitLinesBehindDataEnabled())
        rightYAxisRenderer()->renderLimitLines(context);

    context.save();
    if (clipDataToContentEnabled_) context.clipToRect(viewPortHandler()->contentRect());
    r.drawData(context);
    if (!gridBehind) renderGrid();
    if (valuesToHighlight()) r.drawHighlighted(context, highlighted());
    context.restore();

    r.drawExtras(context);

    if (x.isEnabled() && !x.isDrawLimitLinesBehindDataEnabled()) xAxisRenderer()->renderLimitLines(context);
    if (leftAxis_->isEnabled() && !leftAxis_->isDrawLimitLinesBehindDataEnabled())
        leftYAxisRenderer()->renderLimitLines(context);
    if (rightAxis_->isEnabled() && !rightAxis_->isDrawLimitLinesBehindDataEnabled())
        rightYAxisRenderer()->renderLimitLines(context);

    xAxisRenderer()->renderAxisLabels(context);
    leftYAxisRenderer()->renderAxisLabels(context);
    rightYAxisRenderer()->renderAxisLabels(context);

    if (clipValuesToContentEnabled_) {
        context.save();
        context.clipToRect(viewPortHandler()->contentRect());
        r.drawValues(context);
        context.restore();
    } else {
        r.drawValues(context);
    }

    legendRenderer()->renderLegend(context);
    drawDescription(context);
    drawMarkers(context);
}

void BarLineChartViewBase::drawGridBackground(kit::Context& context) {
    if (!drawGridBackgroundEnabled_ && !drawBordersEnabled_) return;
    context.save();
    if (drawGridBackgroundEnabled_) {
        context.setFillColor(gridBackgroundColor_);
        context.fillRect(viewPortHandler()->contentRect());
    }
    if (drawBordersEnabled_) {
        context.setLineWidth(borderLineWidth_);
        context.setStrokeColor(borderColor_);
        context.strokeRect(viewPortHandler()->contentRect());
    }
    context.restore();
}

void BarLineChartViewBase::autoScale() {
    auto d = data();
    if (!d) return;
    d->calcMinMaxY(lowestVisibleX(), highestVisibleX());
    xAxis()->calculate(d->xMin(), d->xMax());
    if (leftAxis_->isEnabled())
        leftAxis_->calculate(d->getYMin(AxisDependency::left), d->getYMax(AxisDependency::left));
    if (rightAxis_->isEnabled())
        rightAxis_->calculate(d->getYMin(AxisDependency::right), d->getYMax(AxisDependency::right));
    calculateOffsets();
}

// Properties -------------------------------------------------------------------------------------

void BarLineChartViewBase::updatePinchEnabled() {
    if (pinchGestureRecognizer_) pinchGestureRecognizer_->setEnabled(pinchZoomEnabled_ || scaleXEnabled_ || scaleYEnabled_);
}

void BarLineChartViewBase::setPinchZoomEnabled(bool v) {
    if (v == pinchZoomEnabled_) return;
    pinchZoomEnabled_ = v;
    updatePinchEnabled();
}

void BarLineChartViewBase::setDoubleTapToZoomEnabled(bool v) {
    if (v == doubleTapToZoomEnabled_) return;
    doubleTapToZoomEnabled_ = v;
    if (doubleTapGestureRecognizer_) doubleTapGestureRecognizer_->setEnabled(v);
}

void BarLineChartViewBase::setScaleXEnabled(bool v) {
    if (v == scaleXEnabled_) return;
    scaleXEnabled_ = v;
    updatePinchEnabled();
}

void BarLineChartViewBase::setScaleYEnabled(bool v) {
    if (v == scaleYEnabled_) return;
    scaleYEnabled_ = v;
    updatePinchEnabled();
}

void BarLineChartViewBase::setScaleEnabled(bool enabled) {
    if (scaleXEnabled_ == enabled && scaleYEnabled_ == enabled) return;
    scaleXEnabled_ = scaleYEnabled_ = enabled;
    updatePinchEnabled();
}

const std::shared_ptr<YAxisRenderer>& BarLineChartViewBase::leftYAxisRenderer() const {
    if (!leftYAxisRenderer_)
        leftYAxisRenderer_ = std::make_shared<YAxisRenderer>(viewPortHandler(), leftAxis_, leftAxisTransformer_);
    return leftYAxisRenderer_;
}

const std::shared_ptr<YAxisRenderer>& BarLineChartViewBase::rightYAxisRenderer() const {
    if (!rightYAxisRenderer_)
        rightYAxisRenderer_ = std::make_shared<YAxisRenderer>(viewPortHandler(), rightAxis_, rightAxisTransformer_);
    return rightYAxisRenderer_;
}

const std::shared_ptr<XAxisRenderer>& BarLineChartViewBase::xAxisRenderer() const {
    if (!xAxisRenderer_) xAxisRenderer_ = std::make_shared<XAxisRenderer>(viewPortHandler(), xAxis(), leftAxisTransformer_);
    return xAxisRenderer_;
}

// Axes -------------------------------------------------------------------------------------------

const std::shared_ptr<YAxis>& BarLineChartViewBase::getAxis(AxisDependency axis) const {
    return axis == AxisDependency::left ? leftAxis_ : rightAxis_;
}

std::shared_ptr<Transformer> BarLineChartViewBase::getTransformer(AxisDependency axis) const {
    return axis == AxisDependency::left ? leftAxisTransformer_ : rightAxisTransformer_;
}

bool BarLineChartViewBase::isInverted(AxisDependency axis) const { return getAxis(axis)->isInverted(); }

bool BarLineChartViewBase::isAnyAxisInverted() const { return leftAxis_->isInverted() || rightAxis_->isInverted(); }

double BarLineChartViewBase::chartYMax() const {
    const double l = leftAxis_->axisMaximum(), r = rightAxis_->axisMaximum();
    return l <= r ? r : l;
}

double BarLineChartViewBase::chartYMin() const {
    const double l = leftAxis_->axisMinimum(), r = rightAxis_->axisMinimum();
    return r < l ? r : l;
}

double BarLineChartViewBase::lowestVisibleX() const {
    const ViewPortHandler& vp = *viewPortHandler();
    kit::Point p{vp.contentLeft(), vp.contentBottom()};
    leftAxisTransformer_->convertPixelToValue(p);
    const double min = xAxis()->axisMinimum();
    return min <= p.x ? p.x : min;
}

double BarLineChartViewBase::highestVisibleX() const {
    const ViewPortHandler& vp = *viewPortHandler();
    kit::Point p{vp.contentRight(), vp.contentBottom()};
    leftAxisTransformer_->convertPixelToValue(p);
    const double max = xAxis()->axisMaximum();
    return p.x < max ? p.x : max;
}

// View-port forwarders ---------------------------------------------------------------------------

double BarLineChartViewBase::scaleX() const { return viewPortHandler()->scaleX(); }
double BarLineChartViewBase::scaleY() const { return viewPortHandler()->scaleY(); }
bool BarLineChartViewBase::isFullyZoomedOut() const { return viewPortHandler()->isFullyZoomedOut(); }
bool BarLineChartViewBase::hasNoDragOffset() const { return viewPortHandler()->hasNoDragOffset(); }
void BarLineChartViewBase::setDragOffsetX(double offset) { viewPortHandler()->setDragOffsetX(offset); }
void BarLineChartViewBase::setDragOffsetY(double offset) { viewPortHandler()->setDragOffsetY(offset); }

} // namespace charting
