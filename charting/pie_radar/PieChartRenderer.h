#pragma once
// Draws a pie chart: slices (with spacing and the inner arc the hole leaves), the hole and the
// transparent ring around it, the centre text, slices pushed out when highlighted, value and label
// texts inside slices or beyond them on value lines, icons, and the accessibility elements of the
// slices. Angles in degrees, 0 pointing right, growing clockwise on screen.
#include "charting/core/ChartRenderer.h"
#include "charting/pie_radar/CircleGeometry.h"
#include "charting/pie_radar/PieChartData.h"
#include "kit/base/Geometry.h"
#include "kit/graphics/Path.h"

#include <algorithm>
#include <memory>
#include <string>

namespace kit {
class Path;
}

namespace charting {

class PieChartView;
class PieChartDataSet;

class PieChartRenderer : public ChartDataRenderer {
public:
    // The chart is seen weakly: it owns its renderer.
    PieChartRenderer(const std::shared_ptr<PieChartView>& chart, std::shared_ptr<Animator> animator,
                     std::shared_ptr<ViewPortHandler> viewPortHandler);
    PieChartRenderer() = delete;

    std::shared_ptr<PieChartView> chart() const { return chart_.lock(); }
    void setChart(const std::shared_ptr<PieChartView>& chart) { chart_ = chart; }
    ViewPortHandler& viewPortHandler() const override { return *viewPortHandler_; }
    Animator& animator() const override { return *animator_; }
    const AccessibilityElements& accessibleChartElements() const override { return accessibleChartElements_; }
    void setAccessibleChartElements(AccessibilityElements elements) { accessibleChartElements_ = std::move(elements); }

    // Every visible, non-empty pie set.
    void drawData(kit::Context& context) override;
    // The spacing to use: none when automatic disabling applies and the smallest slice is too thin.
    double getSliceSpace(const PieChartDataSet& dataSet) const;
    // How far the tip of a spaced slice stays from the centre (may be negative).
    double calculateMinimumRadiusForSpacedSlice(kit::Point center, double radius, double angle, double arcStartPointX,
                                                double arcStartPointY, double startAngle, double sweepAngle) const;
    void drawDataSet(kit::Context& context, const PieChartDataSet& dataSet);
    void drawValues(kit::Context& context) override;
    // The hole, then the centre text over it.
    void drawExtras(kit::Context& context) override;
    void drawHighlighted(kit::Context& context, std::span<Highlight> indices) override;
    void initBuffers() override {}
    bool isDrawingValuesAllowed(const ChartDataProvider* dataProvider) const override;
    void drawHole(kit::Context& context);
    void drawCenterText(kit::Context& context);
    std::shared_ptr<NSUIAccessibilityElement> createAccessibleHeader(ChartViewBase& chart, const ChartData& data,
                                                                     const std::string& defaultDescription) override;
    // The element of one slice: its label (or the prefix and number) and value, framed by the path.
    std::shared_ptr<NSUIAccessibilityElement> createAccessibleElement(std::int64_t index, PieChartView& chart,
                                                                      const PieChartDataSet& dataSet,
                                                                      const kit::Path& path, bool selected) const;

private:
    // What a pass over one set's slices shares: where slices start and how far they sweep under
    // the animation, and the angle the space between neighbours takes at a radius.
    struct SliceLayout {
        kit::Point center;
        double rotationAngle;
        double phaseY;
        double sliceSpace;
        // One visible slice has no neighbours to keep a space from.
        bool single;

        double spaceAngle(double radius) const { return single ? 0.0 : arcAngle(sliceSpace, radius); }
        // Of a slice `angle` degrees into the pie, with its share of the space taken off both sides.
        double startAngle(double angle, double spaceAngle) const { return rotationAngle + (angle + spaceAngle / 2.0) * phaseY; }
        double sweepAngle(double sliceAngle, double spaceAngle) const {
            return std::max(0.0, (sliceAngle - spaceAngle) * phaseY);
        }
        // Ends a slice's outline along the inner circle, from the slice's end back to its start.
        void addInnerArc(kit::Path& path, double innerRadius, double angle, double sliceAngle) const;
    };
    // How many slices have a value other than zero.
    static int visibleSliceCount(const PieChartDataSet& dataSet);

    std::shared_ptr<NSUIAccessibilityElement> createPieHeader(PieChartView& chart, const PieChartDataSet& dataSet) const;
    // createAccessibleElement with the data's shares taken once for a whole pass: taking them per
    // slice made a pie's drawing quadratic in its slices.
    std::shared_ptr<NSUIAccessibilityElement> createAccessibleElement(std::int64_t index, PieChartView& chart,
                                                                      const PieChartDataSet& dataSet,
                                                                      const kit::Path& path, bool selected,
                                                                      const PieChartData::Shares& shares) const;

    std::shared_ptr<ViewPortHandler> viewPortHandler_;
    AccessibilityElements accessibleChartElements_;
    std::shared_ptr<Animator> animator_;
    std::weak_ptr<PieChartView> chart_;
};

} // namespace charting
