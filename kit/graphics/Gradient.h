#pragma once
// Colour stops along a gradient; the context draws them linearly or radially.
#include "kit/base/Color.h"

#include <optional>
#include <vector>

namespace kit {

struct GradientStop {
    Color color;
    double location = 0; // in [0, 1]
    friend bool operator==(const GradientStop&, const GradientStop&) = default;
};

class Gradient {
public:
    // Empty `locations` spaces the colours evenly. Locations are clamped to [0, 1]. Nothing when
    // there are no colours, the counts differ, or a location is not a number.
    static std::optional<Gradient> make(const std::vector<Color>& colors, const std::vector<double>& locations = {});
    const std::vector<GradientStop>& stops() const { return stops_; }

private:
    std::vector<GradientStop> stops_;
};

// Whether the end colours continue before the start and after the end; by default nothing is
// drawn outside the gradient's span.
struct GradientExtend {
    bool beforeStart = false;
    bool afterEnd = false;
    static GradientExtend both() { return {true, true}; }
    static GradientExtend none() { return {}; }
};

} // namespace kit
