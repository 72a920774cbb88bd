#pragma once
// The root view of every chart: its data, components (x axis, description, legend), view port,
// animator, legend renderer, the renderer and highlighter slots its subclass fills, highlights and
// marker. It keeps the view port in step with its size, runs view-port jobs once a size is known,
// draws the no-data text, the description and the markers, and exports itself as an image.
// Make charts with kit::make<Chart>(...): set-up that calls overrides runs in initialize().
#include "charting/core/Animator.h"
#include "charting/core/ChartDataProvider.h"
#include "charting/core/ChartMarker.h"
#include "charting/core/ChartRenderer.h"
#include "charting/core/ChartViewDelegate.h"
#include "charting/core/Highlighter.h"
#include "charting/core/LegendRenderer.h"
#include "charting/core/NSUIView.h"
#include "charting/core/ViewPortHandler.h"
#include "charting/core/ViewPortJob.h"
#include "charting/model/ChartData.h"
#include "charting/model/ChartValueFormatter.h"
#include "charting/model/Description.h"
#include "charting/model/Highlight.h"
#include "charting/model/Legend.h"
#include "charting/model/XAxis.h"
#include "kit/graphics/Image.h"
#include "kit/graphics/Text.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace charting {

class ChartViewBase : public NSUIView, public virtual ChartDataProvider, public ChartAnimatorDelegate {
public:
    enum class ImageFormat : int { jpeg = 0, png = 1 };

    ChartViewBase() = default;
    explicit ChartViewBase(const kit::Rect& frame) : NSUIView(frame) {}

    // Background clear, then size changes are followed. Subclasses call it first, then make their
    // renderer and highlighter.
    virtual void initialize();

    // Data ---------------------------------------------------------------------------------------
    std::shared_ptr<ChartData> data() const override { return data_; }
    // Tunes the default formatter, shares it with the sets that use a default one, notifies.
    void setData(std::shared_ptr<ChartData> data);
    // Internal, tuned from the data's y range; a DefaultValueFormatter with 0 decimals at first.
    std::shared_ptr<ChartValueFormatter> defaultValueFormatter() const;
    void setDefaultValueFormatter(std::shared_ptr<ChartValueFormatter> formatter) { defaultValueFormatter_ = std::move(formatter); }
    // No data, no highlights, no-data state.
    virtual void clear();
    virtual void clearValues();
    virtual bool isEmpty() const;
    // Abstract: recompute ranges, legend and offsets for new data (nil data too), then redraw.
    virtual void notifyDataSetChanged() = 0;
    // Abstract: the view port's content offsets from legend, axes and the extra offsets.
    virtual void calculateOffsets() = 0;
    // Abstract: the chart's value ranges from the data.
    virtual void calcMinMax() = 0;
    virtual void setupDefaultFormatter(double min, double max);

    // Components, made on first use -------------------------------------------------------------
    const std::shared_ptr<XAxis>& xAxis() const;
    void setXAxis(std::shared_ptr<XAxis> axis) { xAxis_ = std::move(axis); }
    const std::shared_ptr<Description>& chartDescription() const;
    void setChartDescription(std::shared_ptr<Description> d) { chartDescription_ = std::move(d); }
    const std::shared_ptr<Legend>& legend() const;
    void setLegend(std::shared_ptr<Legend> legend) { legend_ = std::move(legend); }
    const std::shared_ptr<LegendRenderer>& legendRenderer() const;
    void setLegendRenderer(std::shared_ptr<LegendRenderer> r) { legendRenderer_ = std::move(r); }
    // Made with the view's bounds size at the first read.
    const std::shared_ptr<ViewPortHandler>& viewPortHandler() const;
    void setViewPortHandler(std::shared_ptr<ViewPortHandler> h) { viewPortHandler_ = std::move(h); }
    // Its delegate is this view.
    const std::shared_ptr<Animator>& chartAnimator() const;
    void setChartAnimator(std::shared_ptr<Animator> animator) { chartAnimator_ = std::move(animator); }

    const std::shared_ptr<ChartDataRenderer>& renderer() const { return renderer_; }
    void setRenderer(std::shared_ptr<ChartDataRenderer> r) { renderer_ = std::move(r); }
    const std::shared_ptr<Highlighter>& highlighter() const { return highlighter_; }
    void setHighlighter(std::shared_ptr<Highlighter> h) { highlighter_ = std::move(h); }
    std::shared_ptr<ChartViewDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<ChartViewDelegate>& d) { delegate_ = d; }
    const std::shared_ptr<ChartMarker>& marker() const { return marker_; }
    void setMarker(std::shared_ptr<ChartMarker> m) { marker_ = std::move(m); }

    // No-data text ------------------------------------------------------------------------------
    const std::string& noDataText() const { return noDataText_; }
    void setNoDataText(std::string text) { noDataText_ = std::move(text); }
    const kit::Font& noDataFont() const { return noDataFont_; }
    void setNoDataFont(const kit::Font& font) { noDataFont_ = font; }
    const kit::Color& noDataTextColor() const { return noDataTextColor_; }
    void setNoDataTextColor(const kit::Color& color) { noDataTextColor_ = color; }
    kit::TextAlignment noDataTextAlignment() const { return noDataTextAlignment_; }
    void setNoDataTextAlignment(kit::TextAlignment a) { noDataTextAlignment_ = a; }

    // Plain settings ----------------------------------------------------------------------------
    bool dragDecelerationEnabled() const { return dragDecelerationEnabled_; }
    void setDragDecelerationEnabled(bool v) { dragDecelerationEnabled_ = v; }
    bool isDragDecelerationEnabled() const { return dragDecelerationEnabled_; }
    double dragDecelerationFrictionCoef() const { return dragDecelerationFrictionCoef_; }
    // Kept within [0, 0.999]; NaN stores 0.
    void setDragDecelerationFrictionCoef(double v);
    double maxHighlightDistance() const override { return maxHighlightDistance_; }
    void setMaxHighlightDistance(double v) { maxHighlightDistance_ = v; }
    bool offsetsCalculated() const { return offsetsCalculated_; }
    void setOffsetsCalculated(bool v) { offsetsCalculated_ = v; }
    bool drawMarkersEnabled() const { return drawMarkers_; }
    void setDrawMarkers(bool v) { drawMarkers_ = v; }
    bool isDrawMarkersEnabled() const { return drawMarkers_; }
    bool highlightPerTapEnabled() const { return highlightPerTapEnabled_; }
    void setHighlightPerTapEnabled(bool v) { highlightPerTapEnabled_ = v; }
    bool isHighLightPerTapEnabled() const { return highlightPerTapEnabled_; }
    double extraTopOffset() const { return extraTopOffset_; }
    void setExtraTopOffset(double v) { extraTopOffset_ = v; }
    double extraRightOffset() const { return extraRightOffset_; }
    void setExtraRightOffset(double v) { extraRightOffset_ = v; }
    double extraBottomOffset() const { return extraBottomOffset_; }
    void setExtraBottomOffset(double v) { extraBottomOffset_ = v; }
    double extraLeftOffset() const { return extraLeftOffset_; }
    void setExtraLeftOffset(double v) { extraLeftOffset_ = v; }
    void setExtraOffsets(double left, double top, double right, double bottom);
    // The platform view has no opaqueness of its own; image export reads this one.
    bool isOpaque() const { return opaque_; }
    void setOpaque(bool v) { opaque_ = v; }

    // Provider ----------------------------------------------------------------------------------
    double chartXMin() const override;
    double chartXMax() const override;
    double chartYMin() const override;
    double chartYMax() const override;
    double xRange() const override;
    kit::Point centerOffsets() const override;
    std::int64_t maxVisibleCount() const override;
    kit::Point midPoint() const;
    kit::Rect contentRect() const;

    // Highlights --------------------------------------------------------------------------------
    const std::vector<Highlight>& highlighted() const { return highlighted_; }
    // The list renderers record their draw positions on.
    std::vector<Highlight>& highlighted() { return highlighted_; }
    void setHighlighted(std::vector<Highlight> h) { highlighted_ = std::move(h); }
    const std::optional<Highlight>& lastHighlighted() const { return lastHighlighted_; }
    void setLastHighlighted(std::optional<Highlight> h) { lastHighlighted_ = std::move(h); }
    bool valuesToHighlight() const { return !highlighted_.empty(); }
    // The delegate is not told; lastHighlighted becomes the first (or none).
    virtual void highlightValues(std::vector<Highlight> highlights);
    // y NaN; the delegate is told unless asked otherwise.
    void highlightValue(double x, int dataSetIndex, int dataIndex, bool callDelegate = true);
    void highlightValueWithY(double x, double y, int dataSetIndex, int dataIndex) {
        highlightValueWithY(x, y, dataSetIndex, dataIndex, true);
    }
    // A data-set index outside the data clears the highlights.
    virtual void highlightValueWithY(double x, double y, int dataSetIndex, int dataIndex, bool callDelegate);
    // The delegate is not told.
    void highlightValue(const std::optional<Highlight>& highlight) { highlightValue(highlight, false); }
    // Selects the highlight when its entry exists in the data, else clears; redraws.
    virtual void highlightValue(const std::optional<Highlight>& highlight, bool callDelegate);
    virtual std::optional<Highlight> getHighlightByTouchPoint(kit::Point point);
    virtual kit::Point getMarkerPosition(const Highlight& highlight);

    // Drawing -----------------------------------------------------------------------------------
    // The no-data text, or (once per data change) calculateOffsets(). Subclasses draw after it.
    void drawRect(kit::Context& context, const kit::Rect& rect) override;
    virtual void drawDescription(kit::Context& context);
    virtual void drawMarkers(kit::Context& context);
    // Nothing when no image can be made.
    virtual std::optional<kit::Image> getChartImage(bool transparent);
    // PNG (transparent) or JPEG (white background) written atomically; false on any failure.
    virtual bool save(const std::string& path, ImageFormat format, double compressionQuality);

    // Animation ---------------------------------------------------------------------------------
    void animateXY(double xAxisDuration, double yAxisDuration, EasingFunction easingX, EasingFunction easingY);
    void animateXY(double xAxisDuration, double yAxisDuration, ChartEasingOption easingOptionX,
                   ChartEasingOption easingOptionY);
    void animateXY(double xAxisDuration, double yAxisDuration, EasingFunction easing);
    void animateXY(double xAxisDuration, double yAxisDuration, ChartEasingOption easingOption);
    void animateXY(double xAxisDuration, double yAxisDuration);
    void animateX(double xAxisDuration, EasingFunction easing);
    void animateX(double xAxisDuration, ChartEasingOption easingOption);
    void animateX(double xAxisDuration);
    void animateY(double yAxisDuration, EasingFunction easing);
    void animateY(double yAxisDuration, ChartEasingOption easingOption);
    void animateY(double yAxisDuration);
    void animatorUpdated(Animator& animator) override;
    void animatorStopped(Animator& animator) override;

    // View-port jobs ----------------------------------------------------------------------------
    const std::vector<std::shared_ptr<ViewPortJob>>& viewportJobs() const { return viewportJobs_; }
    // Runs at once when the view port has a size, else waits for the first size change.
    void addViewportJob(std::shared_ptr<ViewPortJob> job);
    // By identity.
    void removeViewportJob(const ViewPortJob* job);
    void clearAllViewportJobs() { viewportJobs_.clear(); }

    // Size changes ------------------------------------------------------------------------------
    void setFrame(const kit::Rect& frame) override;
    void setBounds(const kit::Rect& bounds) override;

    AccessibilityElements accessibilityChildren() const override;

protected:
    // A new size: the view port takes it, the chart is re-notified, waiting jobs run in order.
    virtual void boundsSizeChanged();

private:
    mutable std::shared_ptr<ChartValueFormatter> defaultValueFormatter_;
    std::shared_ptr<ChartData> data_;
    bool dragDecelerationEnabled_ = true;
    mutable std::shared_ptr<XAxis> xAxis_;
    mutable std::shared_ptr<Description> chartDescription_;
    mutable std::shared_ptr<Legend> legend_;
    std::weak_ptr<ChartViewDelegate> delegate_;
    std::string noDataText_ = "No chart data available.";
    kit::Font noDataFont_ = kit::Font::system(12);
    kit::Color noDataTextColor_ = labelColor();
    kit::TextAlignment noDataTextAlignment_ = kit::TextAlignment::left;
    mutable std::shared_ptr<LegendRenderer> legendRenderer_;
    std::shared_ptr<ChartDataRenderer> renderer_;
    std::shared_ptr<Highlighter> highlighter_;
    mutable std::shared_ptr<ViewPortHandler> viewPortHandler_;
    mutable std::shared_ptr<Animator> chartAnimator_;
    bool offsetsCalculated_ = false;
    std::vector<Highlight> highlighted_;
    bool drawMarkers_ = true;
    std::shared_ptr<ChartMarker> marker_;
    double extraTopOffset_ = 0.0;
    double extraRightOffset_ = 0.0;
    double extraBottomOffset_ = 0.0;
    double extraLeftOffset_ = 0.0;
    bool highlightPerTapEnabled_ = true;
    std::optional<Highlight> lastHighlighted_;
    std::vector<std::shared_ptr<ViewPortJob>> viewportJobs_;
    double dragDecelerationFrictionCoef_ = 0.9;
    double maxHighlightDistance_ = 500.0;
    bool opaque_ = false;
    bool followsSize_ = false;
};

} // namespace charting
