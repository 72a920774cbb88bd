#include "charting/core/MarkerImage.h"

#include "charting/core/ChartViewBase.h"
#include "kit/graphics/Context.h"

namespace charting {

kit::Point keepMarkerInside(kit::Point point, kit::Point offset, kit::Size size, const kit::Size* chartSize) {
    kit::Point o = offset;
    if (point.x + o.x < 0) o.x = -point.x;
    else if (chartSize && point.x + size.width + o.x > chartSize->width) o.x = chartSize->width - point.x - size.width;
    if (point.y + o.y < 0) o.y = -point.y;
    else if (chartSize && point.y + size.height + o.y > chartSize->height) o.y = chartSize->height - point.y - size.height;
    return o;
}

kit::Size MarkerImage::drawnSize() const {
    kit::Size s = size_;
    if (image_) {
        if (s.width == 0) s.width = image_->size().width;
        if (s.height == 0) s.height = image_->size().height;
    }
    return s;
}

kit::Point MarkerImage::offsetForDrawing(kit::Point point) const {
    auto chart = chartView();
    kit::Size chartSize;
    if (chart) chartSize = chart->bounds().size;
    return keepMarkerInside(point, offset_, drawnSize(), chart ? &chartSize : nullptr);
}

void MarkerImage::draw(kit::Context& context, kit::Point point) {
    if (!image_) return;
    const kit::Point o = offsetForDrawing(point);
    const kit::Size s = drawnSize();
    context.drawImage(*image_, kit::Rect{point.x + o.x, point.y + o.y, s.width, s.height});
}

} // namespace charting
