#pragma once
// Draws line data: per set a linear, stepped, cubic or horizontal-Bézier line (one colour, one
// colour per segment, or a vertical gradient), the filled area under it, circles on the entries,
// value labels, highlight lines, and one accessibility element per drawn circle.
#include "charting/bar_line/LineChartDataSet.h"
#include "charting/bar_line/LineDataProvider.h"
#include "charting/bar_line/ColumnCoverage.h"
#include "charting/bar_line/PixelPolyline.h"
#include "charting/core/LineScatterCandleRadarRenderer.h"

#include <functional>
#include <memory>
#include <vector>

namespace charting {

class LineChartRenderer : public LineRadarRenderer {
public:
    LineChartRenderer(const std::shared_ptr<LineDataProvider>& dataProvider, std::shared_ptr<Animator> animator,
                      std::shared_ptr<ViewPortHandler> viewPortHandler);

    std::shared_ptr<LineDataProvider> dataProvider() const { return dataProvider_.lock(); }
    void setDataProvider(const std::shared_ptr<LineDataProvider>& provider) { dataProvider_ = provider; }

    void drawData(kit::Context& context) override;
    void drawValues(kit::Context& context) override;
    void drawExtras(kit::Context& context) override { drawCircles(context); }
    void drawHighlighted(kit::Context& context, std::span<Highlight> indices) override;

    virtual void drawDataSet(kit::Context& context, const LineChartDataSet& dataSet);
    virtual void drawCubicBezier(kit::Context& context, const LineChartDataSet& dataSet);
    virtual void drawHorizontalBezier(kit::Context& context, const LineChartDataSet& dataSet);
    virtual void drawLinear(kit::Context& context, const LineChartDataSet& dataSet);

    // One list per data set, in entry order, rebuilt with the circles.
    using ElementLists = std::vector<AccessibilityElements>;
    const ElementLists& accessibilityOrderedElements() const;

protected:
    void drawCubicFill(kit::Context& context, const LineChartDataSet& dataSet, kit::Path& spline,
                       const kit::AffineTransform& matrix, const XBounds& bounds);
    void drawLinearFill(kit::Context& context, const LineChartDataSet& dataSet, const Transformer& trans,
                        const XBounds& bounds);
    kit::Path generateFilledPath(const LineChartDataSet& dataSet, double fillMin, const XBounds& bounds,
                                 const kit::AffineTransform& matrix) const;
    void drawCircles(kit::Context& context);

private:
    void drawGradientLine(kit::Context& context, const LineChartDataSet& dataSet, const kit::Path& spline,
                          const kit::AffineTransform& matrix);
    void fillArea(kit::Context& context, const LineChartDataSet& dataSet, const kit::Path& path);
    // Lays a curve through the visible entries into the path (in pixels, given the value-to-pixel
    // matrix and phaseY); false when an entry it needs is missing and nothing is drawn.
    using CurveBuilder = std::function<bool(kit::Path& path, const kit::AffineTransform& matrix, double phaseY)>;
    // A curved line (cubic or horizontal Bézier) with the area under it when the set is filled.
    void drawCurve(kit::Context& context, const LineChartDataSet& dataSet, const CurveBuilder& build);
    // The visible stretch of a linear or stepped set as device-reduced points in pixels.
    const std::vector<kit::Point>& linePoints(const kit::Context& context, const LineChartDataSet& dataSet,
                                              const kit::AffineTransform& matrix);
    // The ink of the crowded columns linePoints() kept apart.
    void fillDenseColumns(kit::Context& context, const kit::Color& colour, double lineWidth);
    ElementLists freshElementLists() const;
    std::shared_ptr<NSUIAccessibilityElement> makeAccessibilityElement(std::int64_t index, const LineChartDataSet& dataSet,
                                                                       int dataSetIndex, ChartViewBase& chart,
                                                                       const kit::Rect& frame) const;

    mutable std::optional<ElementLists> accessibilityOrderedElements_;
    std::weak_ptr<LineDataProvider> dataProvider_;
    // One segment (2 points) or one step (4 points) of the multi-colour drawing, reused.
    std::vector<kit::Point> lineSegments_{2};
    // Kept between frames, so a redraw reuses its buffer.
    PixelPolyline linePoints_;
    ColumnCoverage denseInk_;
    // User space to device pixels of the context the fill is drawn in.
    kit::AffineTransform deviceTransform_;
};

} // namespace charting
