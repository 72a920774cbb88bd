#include "charting/core/MarkerView.h"

#include "charting/core/ChartViewBase.h"
#include "charting/core/MarkerImage.h"
#include "kit/graphics/Context.h"

namespace charting {

std::optional<std::vector<std::shared_ptr<kit::View>>> InterfaceBundle::load(const std::string& name) const {
    auto it = loaders_.find(name);
    if (it == loaders_.end() || !it->second) return std::nullopt;
    return it->second();
}

kit::Point MarkerView::offsetForDrawing(kit::Point point) const {
    auto chart = chartView();
    if (!chart) return offset_;
    const kit::Size chartSize = chart->bounds().size;
    return keepMarkerInside(point, offset_, bounds().size, &chartSize);
}

void MarkerView::draw(kit::Context& context, kit::Point point) {
    const kit::Point o = offsetForDrawing(point);
    kit::SavedState saved(context);
    context.translate(point.x + o.x, point.y + o.y);
    layer()->renderInContext(context);
}

std::shared_ptr<MarkerView> MarkerView::viewFromXib(const InterfaceBundle& bundle, const std::string& className) {
    auto objects = bundle.load(className);
    // A description without top-level objects gives no view.
    if (!objects || objects->empty()) return nullptr;
    return std::dynamic_pointer_cast<MarkerView>(objects->front());
}

} // namespace charting
