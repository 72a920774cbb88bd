#pragma once
// A marker that draws a view (typically one built from an interface description) next to the
// highlighted value; its bounds give the callout's size.
#include "charting/core/ChartMarker.h"
#include "charting/core/NSUIView.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace charting {

class ChartViewBase;

// Interface descriptions by name: each yields the top-level objects it holds, in order.
class InterfaceBundle {
public:
    using Loader = std::function<std::vector<std::shared_ptr<kit::View>>()>;
    void add(const std::string& name, Loader loader) { loaders_[name] = std::move(loader); }
    // Nothing when the bundle has no description of that name.
    std::optional<std::vector<std::shared_ptr<kit::View>>> load(const std::string& name) const;

private:
    std::map<std::string, Loader> loaders_;
};

class MarkerView : public NSUIView, public ChartMarker {
public:
    MarkerView() = default;
    explicit MarkerView(const kit::Rect& frame) : NSUIView(frame) {}

    kit::Point offset() const override { return offset_; }
    void setOffset(kit::Point offset) { offset_ = offset; }
    // Seen weakly: the chart view owns its marker.
    std::shared_ptr<ChartViewBase> chartView() const { return chartView_.lock(); }
    void setChartView(const std::shared_ptr<ChartViewBase>& chart) { chartView_ = chart; }

    // Without a chart the offset comes back as set.
    kit::Point offsetForDrawing(kit::Point point) const override;
    // Empty here; subclasses show the value.
    void refreshContent(const ChartDataEntry& entry, const Highlight& highlight) override { (void)entry, (void)highlight; }
    // Renders the view's layer at point + offset.
    void draw(kit::Context& context, kit::Point point) override;

    // The first top-level object of the description named after the class, when it is a marker
    // view; a subclass passes its own class name.
    static std::shared_ptr<MarkerView> viewFromXib(const InterfaceBundle& bundle, const std::string& className = "MarkerView");

private:
    kit::Point offset_{0, 0};
    std::weak_ptr<ChartViewBase> chartView_;
};

} // namespace charting
