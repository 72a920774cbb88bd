#pragma once
// Where the wheels fit. The digital wheel screen: the largest wheel, no larger than the screen's
// own geometry makes it and of the same proportions, whose ring, handles (at any angle), shade
// slider and hex label stay clear of the controls around it. It is centred as that geometry centres it, raised
// only where that lets it stay larger. A wheel drawn as a disc (the twelve-sector and custom-hue
// wheels): the largest disc inside the area and clear of the controls, moved up or down from where
// its screen centres it only where that lets it stay larger.
#include "kit/base/Geometry.h"

#include <functional>
#include <vector>

namespace wheels {

struct WheelSpace {
    kit::Rect partFrame;            // the frame the screen's geometry gives every wheel
    double padding = 0, stroke = 0; // of the wheels
    double sliderLowestEdge = 0;    // the shade slider's bottom stays at or above this y
    kit::Rect area;                 // handles and slider stay inside (the safe area)
    std::vector<kit::Rect> controls; // nothing of the wheel may touch these
    bool operator==(const WheelSpace&) const = default;
};

struct DiscSpace {
    kit::Rect square;                // the square frame the screen's geometry gives the wheel
    double discShare = 1;            // the drawn disc's radius over half the frame's side
    kit::Rect area;                  // the disc stays inside (the safe area)
    std::vector<kit::Rect> controls; // the disc keeps clear of these
    bool operator==(const DiscSpace&) const = default;
};

// Whether some point of the rectangle lies between the circles of radius `inner` and `outer`
// around `centre` (a ring's band; with inner = outer, the circle itself).
bool bandMeets(kit::Point centre, double inner, double outer, const kit::Rect& r);

// The frame for every wheel; the part frame itself when it fits, and when nothing does, the
// smallest tried.
kit::Rect fitWheelFrame(const WheelSpace& space);
// The square frame for a disc wheel; the given square when it fits, and when nothing does, the
// smallest tried, unmoved.
kit::Rect fitDiscFrame(const DiscSpace& space);

} // namespace wheels
