#pragma once
// The root of every renderer, and the interface through which a chart view draws its data.
#include "charting/core/NSUIAccessibilityElement.h"
#include "charting/model/Highlight.h"

#include <memory>
#include <span>
#include <string>
#include <vector>

namespace kit {
class Context;
}

namespace charting {

class Animator;
class ChartData;
class ChartDataProvider;
class ChartViewBase;
class ViewPortHandler;

class ChartRenderer {
public:
    virtual ~ChartRenderer() = default;
    virtual ViewPortHandler& viewPortHandler() const = 0;
};

class ChartDataRenderer : public virtual ChartRenderer {
public:
    using AccessibilityElements = std::vector<std::shared_ptr<NSUIAccessibilityElement>>;

    // The elements of the last drawing pass; the chart view reports them as its children.
    virtual const AccessibilityElements& accessibleChartElements() const = 0;
    virtual Animator& animator() const = 0;
    virtual void drawData(kit::Context& context) = 0;
    virtual void drawValues(kit::Context& context) = 0;
    virtual void drawExtras(kit::Context& context) = 0;
    // Renderers record where they drew each highlight on the chart's own list (setDraw).
    virtual void drawHighlighted(kit::Context& context, std::span<Highlight> indices) = 0;
    virtual void initBuffers() = 0;
    virtual bool isDrawingValuesAllowed(const ChartDataProvider* dataProvider) const = 0;
    // The first accessibility element of a chart, describing it as a whole.
    virtual std::shared_ptr<NSUIAccessibilityElement> createAccessibleHeader(ChartViewBase& chart, const ChartData& data,
                                                                             const std::string& defaultDescription) = 0;
};

} // namespace charting
