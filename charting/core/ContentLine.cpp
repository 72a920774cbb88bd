#include "charting/core/ContentLine.h"

#include "kit/graphics/Context.h"

namespace charting {

kit::Rect contentClip(const ViewPortHandler& viewPortHandler, ContentLine direction, double lineWidth) {
    kit::Rect r = viewPortHandler.contentRect();
    if (direction == ContentLine::horizontal) {
        r.origin.y -= lineWidth / 2;
        r.size.height += lineWidth;
    } else {
        r.origin.x -= lineWidth / 2;
        r.size.width += lineWidth;
    }
    return r;
}

void addContentLine(kit::Context& context, const ViewPortHandler& viewPortHandler, ContentLine direction, double at) {
    context.beginPath();
    if (direction == ContentLine::horizontal) {
        context.moveTo({viewPortHandler.contentLeft(), at});
        context.lineTo({viewPortHandler.contentRight(), at});
    } else {
        context.moveTo({at, viewPortHandler.contentTop()});
        context.lineTo({at, viewPortHandler.contentBottom()});
    }
}

void setComponentDash(kit::Context& context, double phase, const std::optional<std::vector<double>>& lengths) {
    if (lengths) context.setLineDash(phase, *lengths);
    else context.setLineDashSolid();
}

void setLineStroke(kit::Context& context, const kit::Color& color, double width, double dashPhase,
                   const std::optional<std::vector<double>>& dashLengths) {
    context.setStrokeColor(color);
    context.setLineWidth(width);
    setComponentDash(context, dashPhase, dashLengths);
}

} // namespace charting
