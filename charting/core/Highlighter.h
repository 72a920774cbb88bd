#pragma once
// How a chart view turns a touch (view pixels) into the highlight of the value under it.
#include "charting/model/Highlight.h"

#include <optional>

namespace charting {

class Highlighter {
public:
    virtual ~Highlighter() = default;
    virtual std::optional<Highlight> getHighlight(double x, double y) = 0;
};

} // namespace charting
