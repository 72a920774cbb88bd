#pragma once
// The base view of every x/y chart: two y axes with a transformer and a renderer each, the x axis
// renderer, content offsets that make room for axis labels and the legend, the drawing sequence of
// grid, axes, limit lines, data, values, legend and markers, optional y auto-scaling, touch
// gestures (tap and drag highlighting, double-tap and pinch zoom, panning with deceleration) and
// programmatic zoom, move and visible-range control through the view port and view-port jobs.
// Subclasses set their data renderer (and, where it differs, their highlighter) in initialize().
#include "charting/core/ChartEasing.h"
#include "charting/core/ChartViewBase.h"
#include "charting/core/Transformer.h"
#include "charting/core/XAxisRenderer.h"
#include "charting/core/YAxisRenderer.h"
#include "charting/model/BarLineScatterCandleBubbleChartDataSet.h"
#include "charting/model/YAxis.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>

namespace kit {
class DisplayLink;
class GestureRecognizer;
class PanGesture;
class PinchGesture;
class ScrollView;
class TapGesture;
} // namespace kit

namespace charting {

class BarLineChartViewBase : public ChartViewBase, public virtual BarLineScatterCandleBubbleChartDataProvider {
public:
    // Which axes a running pinch scales.
    enum class GestureScaleAxis : int { both = 0, x = 1, y = 2 };

    BarLineChartViewBase();
    explicit BarLineChartViewBase(const kit::Rect& frame);
    // A running deceleration is stopped first.
    ~BarLineChartViewBase() override;

    // Transformers, highlighter and the four recognisers.
    void initialize() override;

    // Data change path ---------------------------------------------------------------------------
    void notifyDataSetChanged() override;
    void calcMinMax() override;
    void calculateOffsets() override;
    // Adds the legend's room to the four offsets (in/out).
    virtual void calculateLegendOffsets(double& offsetLeft, double& offsetTop, double& offsetRight,
                                        double& offsetBottom);
    virtual void prepareValuePxMatrix();
    virtual void prepareOffsetMatrix();

    // Drawing ------------------------------------------------------------------------------------
    void drawRect(kit::Context& context, const kit::Rect& rect) override;
    virtual void drawGridBackground(kit::Context& context);
    // Fits the y axes to the entries in the visible x range.
    virtual void autoScale();

    // Properties ---------------------------------------------------------------------------------
    std::int64_t maxVisibleCount() const override { return maxVisibleCount_; }
    void setMaxVisibleCount(std::int64_t count) { maxVisibleCount_ = count; }
    bool autoScaleMinMaxEnabled() const { return autoScaleMinMaxEnabled_; }
    void setAutoScaleMinMaxEnabled(bool v) { autoScaleMinMaxEnabled_ = v; }
    bool isAutoScaleMinMaxEnabled() const { return autoScaleMinMaxEnabled_; }
    bool pinchZoomEnabled() const { return pinchZoomEnabled_; }
    void setPinchZoomEnabled(bool v);
    bool isPinchZoomEnabled() const { return pinchZoomEnabled_; }
    bool doubleTapToZoomEnabled() const { return doubleTapToZoomEnabled_; }
    void setDoubleTapToZoomEnabled(bool v);
    bool isDoubleTapToZoomEnabled() const { return doubleTapToZoomEnabled_; }
    // Setting a drag flag never touches the pan recogniser.
    bool dragEnabled() const { return dragXEnabled_ || dragYEnabled_; }
    void setDragEnabled(bool v) { dragXEnabled_ = dragYEnabled_ = v; }
    bool isDragEnabled() const { return dragEnabled(); }
    bool dragXEnabled() const { return dragXEnabled_; }
    void setDragXEnabled(bool v) { dragXEnabled_ = v; }
    bool dragYEnabled() const { return dragYEnabled_; }
    void setDragYEnabled(bool v) { dragYEnabled_ = v; }
    bool scaleXEnabled() const { return scaleXEnabled_; }
    void setScaleXEnabled(bool v);
    bool isScaleXEnabled() const { return scaleXEnabled_; }
    bool scaleYEnabled() const { return scaleYEnabled_; }
    void setScaleYEnabled(bool v);
    bool isScaleYEnabled() const { return scaleYEnabled_; }
    void setScaleEnabled(bool enabled);
    bool highlightPerDragEnabled() const { return highlightPerDragEnabled_; }
    void setHighlightPerDragEnabled(bool v) { highlightPerDragEnabled_ = v; }
    bool isHighlightPerDragEnabled() const { return highlightPerDragEnabled_; }

    const kit::Color& gridBackgroundColor() const { return gridBackgroundColor_; }
    void setGridBackgroundColor(const kit::Color& c) { gridBackgroundColor_ = c; }
    const kit::Color& borderColor() const { return borderColor_; }
    void setBorderColor(const kit::Color& c) { borderColor_ = c; }
    double borderLineWidth() const { return borderLineWidth_; }
    void setBorderLineWidth(double w) { borderLineWidth_ = w; }
    bool drawGridBackgroundEnabled() const { return drawGridBackgroundEnabled_; }
    void setDrawGridBackgroundEnabled(bool v) { drawGridBackgroundEnabled_ = v; }
    bool isDrawGridBackgroundEnabled() const { return drawGridBackgroundEnabled_; }
    bool drawBordersEnabled() const { return drawBordersEnabled_; }
    void setDrawBordersEnabled(bool v) { drawBordersEnabled_ = v; }
    bool isDrawBordersEnabled() const { return drawBordersEnabled_; }
    bool clipValuesToContentEnabled() const { return clipValuesToContentEnabled_; }
    void setClipValuesToContentEnabled(bool v) { clipValuesToContentEnabled_ = v; }
    bool clipDataToContentEnabled() const { return clipDataToContentEnabled_; }
    void setClipDataToContentEnabled(bool v) { clipDataToContentEnabled_ = v; }
    double minOffset() const { return minOffset_; }
    void setMinOffset(double v) { minOffset_ = v; }
    bool keepPositionOnRotation() const { return keepPositionOnRotation_; }
    void setKeepPositionOnRotation(bool v) { keepPositionOnRotation_ = v; }

    // Axes, transformers, axis renderers ---------------------------------------------------------
    const std::shared_ptr<YAxis>& leftAxis() const { return leftAxis_; }
    void setLeftAxis(std::shared_ptr<YAxis> axis) { leftAxis_ = std::move(axis); }
    const std::shared_ptr<YAxis>& rightAxis() const { return rightAxis_; }
    void setRightAxis(std::shared_ptr<YAxis> axis) { rightAxis_ = std::move(axis); }
    // Made on first read with the transformer of their axis (the left one for x).
    const std::shared_ptr<YAxisRenderer>& leftYAxisRenderer() const;
    void setLeftYAxisRenderer(std::shared_ptr<YAxisRenderer> r) { leftYAxisRenderer_ = std::move(r); }
    const std::shared_ptr<YAxisRenderer>& rightYAxisRenderer() const;
    void setRightYAxisRenderer(std::shared_ptr<YAxisRenderer> r) { rightYAxisRenderer_ = std::move(r); }
    const std::shared_ptr<XAxisRenderer>& xAxisRenderer() const;
    void setXAxisRenderer(std::shared_ptr<XAxisRenderer> r) { xAxisRenderer_ = std::move(r); }
    const std::shared_ptr<Transformer>& leftAxisTransformer() const { return leftAxisTransformer_; }
    void setLeftAxisTransformer(std::shared_ptr<Transformer> t) { leftAxisTransformer_ = std::move(t); }
    const std::shared_ptr<Transformer>& rightAxisTransformer() const { return rightAxisTransformer_; }
    void setRightAxisTransformer(std::shared_ptr<Transformer> t) { rightAxisTransformer_ = std::move(t); }

    const std::shared_ptr<YAxis>& getAxis(AxisDependency axis) const;
    std::shared_ptr<Transformer> getTransformer(AxisDependency axis) const override;
    bool isInverted(AxisDependency axis) const override;
    bool isAnyAxisInverted() const;
    void setYAxisMinWidth(AxisDependency axis, double width) { getAxis(axis)->setMinWidth(width); }
    double getYAxisMinWidth(AxisDependency axis) const { return getAxis(axis)->minWidth(); }
    void setYAxisMaxWidth(AxisDependency axis, double width) { getAxis(axis)->setMaxWidth(width); }
    double getYAxisMaxWidth(AxisDependency axis) const { return getAxis(axis)->maxWidth(); }
    double getYAxisWidth(AxisDependency axis) const { return getAxis(axis)->requiredSize().width; }

    double chartYMax() const override;
    double chartYMin() const override;
    // Never beyond the x axis's range.
    double lowestVisibleX() const override;
    double highestVisibleX() const override;

    // View-port forwarders -----------------------------------------------------------------------
    double scaleX() const;
    double scaleY() const;
    bool isFullyZoomedOut() const;
    bool hasNoDragOffset() const;
    void setDragOffsetX(double offset);
    void setDragOffsetY(double offset);

    // Zoom, move and visible range ---------------------------------------------------------------
    void zoomIn();
    void zoomOut();
    void resetZoom();
    // x and y in view pixels.
    void zoom(double scaleX, double scaleY, double x, double y);
    // Around a value, through a job.
    void zoom(double scaleX, double scaleY, double xValue, double yValue, AxisDependency axis);
    // No offset recomputation and no redraw request.
    void zoomToCenter(double scaleX, double scaleY);
    void zoomAndCenterViewAnimated(double scaleX, double scaleY, double xValue, double yValue, AxisDependency axis,
                                   double duration, EasingFunction easing);
    void zoomAndCenterViewAnimated(double scaleX, double scaleY, double xValue, double yValue, AxisDependency axis,
                                   double duration, ChartEasingOption easingOption);
    void zoomAndCenterViewAnimated(double scaleX, double scaleY, double xValue, double yValue, AxisDependency axis,
                                   double duration);
    void fitScreen();
    void setScaleMinima(double scaleX, double scaleY);
    double visibleXRange() const;
    // Overridable: horizontal bars exchange the axes.
    virtual void setVisibleXRangeMaximum(double maxXRange);
    virtual void setVisibleXRangeMinimum(double minXRange);
    virtual void setVisibleXRange(double minXRange, double maxXRange);
    virtual void setVisibleYRangeMaximum(double maxYRange, AxisDependency axis);
    virtual void setVisibleYRangeMinimum(double minYRange, AxisDependency axis);
    virtual void setVisibleYRange(double minYRange, double maxYRange, AxisDependency axis);
    void moveViewToX(double xValue);
    void moveViewToY(double yValue, AxisDependency axis);
    void moveViewTo(double xValue, double yValue, AxisDependency axis);
    void moveViewToAnimated(double xValue, double yValue, AxisDependency axis, double duration, EasingFunction easing);
    void moveViewToAnimated(double xValue, double yValue, AxisDependency axis, double duration,
                            ChartEasingOption easingOption);
    void moveViewToAnimated(double xValue, double yValue, AxisDependency axis, double duration);
    void centerViewTo(double xValue, double yValue, AxisDependency axis);
    void centerViewToAnimated(double xValue, double yValue, AxisDependency axis, double duration, EasingFunction easing);
    void centerViewToAnimated(double xValue, double yValue, AxisDependency axis, double duration,
                              ChartEasingOption easingOption);
    void centerViewToAnimated(double xValue, double yValue, AxisDependency axis, double duration);
    // Fixed offsets; from another thread they are applied on the main queue.
    void setViewPortOffsets(double left, double top, double right, double bottom);
    void resetViewPortOffsets();
    bool customViewPortEnabled() const { return customViewPortEnabled_; }
    double getAxisRange(AxisDependency axis) const;

    // Conversions and look-ups -------------------------------------------------------------------
    kit::Point valueForTouchPoint(kit::Point point, AxisDependency axis) const;
    kit::Point pixelForValues(double x, double y, AxisDependency axis) const;
    virtual kit::Point getPosition(const ChartDataEntry& entry, AxisDependency axis) const;
    EntryPtr getEntryByTouchPoint(kit::Point point);
    std::shared_ptr<BarLineScatterCandleBubbleChartDataSet> getDataSetByTouchPoint(kit::Point point);

    // Gestures -----------------------------------------------------------------------------------
    const std::shared_ptr<kit::TapGesture>& tapGestureRecognizer() const { return tapGestureRecognizer_; }
    const std::shared_ptr<kit::TapGesture>& doubleTapGestureRecognizer() const { return doubleTapGestureRecognizer_; }
    const std::shared_ptr<kit::PinchGesture>& pinchGestureRecognizer() const { return pinchGestureRecognizer_; }
    const std::shared_ptr<kit::PanGesture>& panGestureRecognizer() const { return panGestureRecognizer_; }
    virtual void tapGestureRecognized(kit::TapGesture& recognizer);
    virtual void doubleTapGestureRecognized(kit::TapGesture& recognizer);
    virtual void pinchGestureRecognized(kit::PinchGesture& recognizer);
    virtual void panGestureRecognized(kit::PanGesture& recognizer);
    // Ctrl + wheel zooms about the pointer as a pinch would; a plain wheel goes on to the page.
    bool scrollWheel(const kit::WheelEvent& event) override;
    // Whether the chart moved.
    virtual bool performPanChange(kit::Point translation);
    virtual bool isTouchInverted() const;
    virtual void stopDeceleration();
    virtual void decelerationLoop();
    // The recogniser rules of the chart's own pan and pinch. kit asks no delegate, so the actions
    // consult them when a gesture begins, and a refused gesture is ignored until it ends.
    virtual bool gestureRecognizerShouldBegin(kit::GestureRecognizer& recognizer);
    virtual bool gestureRecognizerShouldRecognizeSimultaneously(kit::GestureRecognizer& recognizer,
                                                                kit::GestureRecognizer& other);

    bool isDragging() const { return isDragging_; }
    bool isScaling() const { return isScaling_; }
    GestureScaleAxis gestureScaleAxis() const { return gestureScaleAxis_; }
    bool isDecelerating() const { return decelerationDisplayLink_ != nullptr; }
    kit::Point decelerationVelocity() const { return decelerationVelocity_; }
    std::shared_ptr<kit::ScrollView> outerScrollView() const { return outerScrollView_.lock(); }

protected:
    // Keeps the value at the content's top-left corner in place when asked to.
    void boundsSizeChanged() override;
    // Horizontal bars move against the finger along x when the touched axis is inverted.
    virtual bool pansInvertedAlongX() const { return false; }
    // The offsets of both orientations: the room of the x axis labels, on the side (or both sides)
    // its label position names, and the view port restrained to the offsets with the extra
    // offsets and the minimum offset.
    static void addXAxisLabelRoom(XAxis::LabelPosition position, double room, double& bottomSide, double& topSide);
    void restrainViewPortToOffsets(double offsetLeft, double offsetTop, double offsetRight, double offsetBottom);

private:
    // An immediate zoom: the view port takes the matrix, then offsets and drawing follow.
    void applyZoom(const kit::AffineTransform& matrix);
    void updatePinchEnabled();
    // Scales by `s` about a point of the view, along the axes given that the settings allow and
    // the view port can still zoom along.
    void scaleAbout(kit::Point location, double s, GestureScaleAxis axis);
    void startDeceleration(kit::Point velocity);

    std::int64_t maxVisibleCount_ = 100;
    bool autoScaleMinMaxEnabled_ = false;
    bool pinchZoomEnabled_ = false;
    bool doubleTapToZoomEnabled_ = true;
    bool dragXEnabled_ = true;
    bool dragYEnabled_ = true;
    bool scaleXEnabled_ = true;
    bool scaleYEnabled_ = true;
    kit::Color gridBackgroundColor_ = kit::Color::rgba(240 / 255.0, 240 / 255.0, 240 / 255.0, 1.0);
    kit::Color borderColor_ = kit::Color::blackColor();
    double borderLineWidth_ = 1.0;
    bool drawGridBackgroundEnabled_ = false;
    bool drawBordersEnabled_ = false;
    bool clipValuesToContentEnabled_ = false;
    bool clipDataToContentEnabled_ = true;
    double minOffset_ = 10.0;
    bool keepPositionOnRotation_ = false;
    std::shared_ptr<YAxis> leftAxis_ = std::make_shared<YAxis>(AxisDependency::left);
    std::shared_ptr<YAxis> rightAxis_ = std::make_shared<YAxis>(AxisDependency::right);
    mutable std::shared_ptr<YAxisRenderer> leftYAxisRenderer_;
    mutable std::shared_ptr<YAxisRenderer> rightYAxisRenderer_;
    std::shared_ptr<Transformer> leftAxisTransformer_;
    std::shared_ptr<Transformer> rightAxisTransformer_;
    mutable std::shared_ptr<XAxisRenderer> xAxisRenderer_;
    std::shared_ptr<kit::TapGesture> tapGestureRecognizer_;
    std::shared_ptr<kit::TapGesture> doubleTapGestureRecognizer_;
    std::shared_ptr<kit::PinchGesture> pinchGestureRecognizer_;
    std::shared_ptr<kit::PanGesture> panGestureRecognizer_;
    // Set from any thread by setViewPortOffsets, read on the main thread.
    std::atomic<bool> customViewPortEnabled_{false};
    bool isDragging_ = false;
    bool isScaling_ = false;
    GestureScaleAxis gestureScaleAxis_ = GestureScaleAxis::both;
    std::shared_ptr<BarLineScatterCandleBubbleChartDataSet> closestDataSetToTouch_;
    std::weak_ptr<kit::ScrollView> outerScrollView_;
    kit::Point lastPanPoint_{0, 0};
    double decelerationLastTime_ = 0;
    std::shared_ptr<kit::DisplayLink> decelerationDisplayLink_;
    kit::Point decelerationVelocity_{0, 0};
    bool highlightPerDragEnabled_ = true;
    // A pan or pinch refused when it began; its later states are ignored.
    bool panRefused_ = false;
    bool pinchRefused_ = false;
};

} // namespace charting
