#pragma once
// Paints the area a renderer has put into the context as its current path (the area under a
// line, the inside of a radar shape). `rect` is the rectangle image, layer and gradient fills are
// laid out over. A fill consumes the current path and leaves the rest of the context's state as
// it found it.
#include "kit/base/Geometry.h"

namespace kit {
class Context;
}

namespace charting {

class ChartFill {
public:
    virtual ~ChartFill() = default;
    virtual void fillPath(kit::Context& context, const kit::Rect& rect) const = 0;
};

} // namespace charting
