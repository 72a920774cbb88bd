#pragma once
// Draws the bars of every visible bar data set: entries become rectangles in value space (one per
// plain bar, one per stack segment), are mapped to pixels, and are drawn over optional shadows
// with optional outlines; selected bars or segments get a translucent overlay; each drawn bar
// becomes an accessibility element, ordered by entry; value labels and icons go above or inside
// the bar ends.
#include "charting/bar_line/BarChartDataProvider.h"
#include "charting/core/BarLineScatterCandleBubbleRenderer.h"
#include "kit/base/Color.h"
#include "kit/base/Geometry.h"
#include "kit/graphics/Font.h"
#include "kit/graphics/Text.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace charting {

class BarChartDataEntry;
class BarChartDataSet;
class Transformer;
class YAxis;

class BarChartRenderer : public BarLineScatterCandleBubbleRenderer {
public:
    BarChartRenderer(const std::shared_ptr<BarChartDataProvider>& dataProvider, std::shared_ptr<Animator> animator,
                     std::shared_ptr<ViewPortHandler> viewPortHandler);

    std::shared_ptr<BarChartDataProvider> dataProvider() const { return dataProvider_.lock(); }
    void setDataProvider(const std::shared_ptr<BarChartDataProvider>& provider) { dataProvider_ = provider; }

    void initBuffers() override;
    void drawData(kit::Context& context) override;
    void drawValues(kit::Context& context) override;
    void drawExtras(kit::Context& context) override { (void)context; }
    void drawHighlighted(kit::Context& context, std::span<Highlight> indices) override;

    // Writes the value-space rectangles of the set into its buffer, from position 0.
    virtual void prepareBuffer(const BarChartDataSet& dataSet, int index);
    virtual void drawDataSet(kit::Context& context, const BarChartDataSet& dataSet, int index);
    // The pixel rectangle of a highlighted bar from y1 to y2 around x.
    virtual kit::Rect prepareBarHighlight(double x, double y1, double y2, double barWidthHalf, const Transformer& trans);
    virtual void drawValue(kit::Context& context, const std::string& value, double xPos, double yPos, const kit::Font& font,
                           kit::TextAlignment align, kit::Color color, kit::Point anchor, double angleRadians);
    virtual void setHighlightDrawPos(Highlight& highlight, const kit::Rect& barRect);

    // The rectangles of the last preparation of set `index`: only the first writtenCount(index)
    // belong to the current pass.
    const std::vector<kit::Rect>& buffer(std::size_t index) const { return buffers_.at(index); }
    std::size_t bufferCount() const { return buffers_.size(); }
    std::size_t writtenCount(std::size_t index) const { return index < written_.size() ? written_[index] : 0; }

    // The gap between a bar end and its label.
    static constexpr double valueOffsetPlus = 4.5;

protected:
    // Where a bar, a shadow or a value label lies in drawing order along the x axis: before the
    // content (skipped), past it (the pass ends), or on it.
    enum class Reach { before, on, beyond };

    // The few places where bars that lie sideways differ from bars that stand up; the horizontal
    // renderer overrides them and the passes below serve both.
    // The value-space rectangle of a bar across x ± barWidthHalf, from `base` to `end` of its value.
    virtual kit::Rect barRect(double x, double barWidthHalf, double end, double base) const;
    // The axis whose range plain bars are clipped to; none, no clipping.
    virtual const YAxis* clippingAxis(AxisDependency axis) const;
    virtual Reach reach(const kit::Rect& pixelRect) const;
    // The value-space shadow of the bar at x, and the band across the content it becomes in pixels.
    virtual kit::Rect shadowRect(double x, double barWidth) const;
    virtual void spanContent(kit::Rect& shadow) const;
    // Whether the bars themselves are also filled with the shadow colour beneath their own colours.
    virtual bool shadowsUnderBars() const { return true; }
    // The value-space point of a stack value's end.
    virtual kit::Point valuePoint(double value) const { return kit::Point{0.0, value}; }

    // What a set's value labels share.
    struct ValueLabels {
        const BarChartDataSet& set;
        int setIndex;
        const kit::Font& font;
        bool inverted;
        bool drawValueAboveBar;
        double angleRadians;
    };
    // One value label: of a plain bar (its pixel rectangle), or of one value of a stack (with the
    // pixel point of the value's end, and whether the label goes on the negative side).
    struct ValueSite {
        const BarChartDataEntry& entry;
        std::int64_t entryIndex;
        double value;
        const kit::Rect& rect;
        bool inStackedSet;
        std::optional<kit::Point> stackEnd;
        bool drawBelow;
    };
    // Places and draws the label of a site.
    virtual Reach drawValueLabel(kit::Context& context, const ValueLabels& labels, const ValueSite& site);
    std::string valueText(const ValueLabels& labels, const ValueSite& site);
    // The text (when the set draws values) and the entry's icon (when it draws icons, centred on
    // iconAt moved by the set's icon offset).
    void drawValueAndIcon(kit::Context& context, const ValueLabels& labels, const ValueSite& site, const std::string& text,
                          kit::Point textAt, kit::TextAlignment align, kit::Point anchor, kit::Point iconAt);
    struct ValueOffsets {
        double positive;
        double negative;
    };
    // Offsets of a label of `extent` (along the value axis in pixels) from the end of a positive and
    // of a negative bar, `gap` away from the end; `afterPositiveEnd` puts a positive value's label
    // on the side of larger pixel coordinates. An inverted axis mirrors both.
    static ValueOffsets valueOffsets(bool afterPositiveEnd, double extent, double gap, bool inverted);

    // The buffer of a set, grown when a stack turns out larger than the buffer was sized for.
    std::vector<kit::Rect>& bufferFor(int index, std::size_t needed);
    void setWritten(int index, std::size_t count);
    // The element of drawn rectangle j of a set.
    std::shared_ptr<NSUIAccessibilityElement> createAccessibleElement(std::size_t j, const BarChartDataSet& dataSet,
                                                                      int dataSetIndex, int stackSize, const kit::Rect& frame);
    void appendOrderedElement(std::size_t j, int stackSize, std::shared_ptr<NSUIAccessibilityElement> element);
    // One step of the stack cursor: the span of value v from y to yStart, moving the positive or
    // the negative end of the stack.
    static double cursorSpan(double v, double& posY, double& negY, double& yStart);

    std::vector<std::vector<kit::Rect>> buffers_;
    std::vector<std::size_t> written_;
    kit::Rect barShadowRectBuffer_{};
    std::vector<AccessibilityElements> accessibilityOrderedElements_;

private:
    std::weak_ptr<BarChartDataProvider> dataProvider_;
};

} // namespace charting
