#include "wheels/WheelFit.h"

#include "wheels/DcwPicker.h"

#include <algorithm>
#include <cmath>

namespace wheels {

namespace {

// Clear space kept between the wheel and what is around it.
constexpr double kGap = 4;

kit::Rect grown(const kit::Rect& r, double by) { return r.insetBy(-by, -by); }

bool within(const kit::Rect& inner, const kit::Rect& outer) {
    return inner.minX() >= outer.minX() && inner.maxX() <= outer.maxX() && inner.minY() >= outer.minY() &&
           inner.maxY() <= outer.maxY();
}

// A handle (a square of half-side h) centred on the track circle at some angle touches a
// rectangle exactly when the circle meets the rectangle grown by h.
bool circleMeets(kit::Point c, double radius, const kit::Rect& r) { return bandMeets(c, radius, radius, r); }

bool fits(const WheelSpace& s, const kit::Rect& frame) {
    const kit::Point c{frame.midX(), frame.midY()};
    const double radius = DCWPICKER::radiusFor(frame.size);
    const double track = radius - (s.padding + s.stroke * 0.5);
    const double half = DCWPICKER::handleFrameSizeFor(frame.size).width / 2;
    if (track <= 0) return false;
    const kit::Rect slider = DCWPICKER::shadeSliderFrameFor(frame.size, radius, s.padding, s.sliderLowestEdge - frame.minY())
                                 .offsetBy(frame.minX(), frame.minY());
    const kit::Rect hex = DCWPICKER::hexLabelFrameFor(frame.size, s.padding, s.stroke).offsetBy(frame.minX(), frame.minY());
    const kit::Rect handles{c.x - track - half, c.y - track - half, 2 * (track + half), 2 * (track + half)};
    if (!within(handles, s.area) || !within(slider, s.area)) return false;
    if (circleMeets(c, track, grown(slider, half + kGap))) return false;
    return std::none_of(s.controls.begin(), s.controls.end(), [&](const kit::Rect& r) {
        return circleMeets(c, track, grown(r, half + kGap)) || grown(r, kGap).intersects(slider) ||
               grown(r, kGap).intersects(hex);
    });
}

} // namespace

bool bandMeets(kit::Point c, double inner, double outer, const kit::Rect& r) {
    const double nx = std::clamp(c.x, r.minX(), r.maxX()) - c.x, ny = std::clamp(c.y, r.minY(), r.maxY()) - c.y;
    const double fx = std::max(std::abs(r.minX() - c.x), std::abs(r.maxX() - c.x));
    const double fy = std::max(std::abs(r.minY() - c.y), std::abs(r.maxY() - c.y));
    return std::hypot(nx, ny) <= outer && std::hypot(fx, fy) >= inner;
}

kit::Rect fitWheelFrame(const WheelSpace& s) {
    // The whole frame scales, so that what the geometry places by the frame's height (the hex
    // label, the shade slider's size) keeps its place relative to the ring.
    const double widest = s.partFrame.size.width, tall = s.partFrame.size.height / std::max(1.0, widest);
    const kit::Point centre{s.partFrame.midX(), s.partFrame.midY()};
    const double maxRaise = s.area.size.height / 4;
    auto frameOf = [&](double w, double raise) {
        return kit::Rect{centre.x - w / 2, centre.y - raise - w * tall / 2, w, w * tall};
    };
    const double smallest = widest / 3;
    // Largest first, in steps of a point; at each size the least raise that clears.
    for (double w = widest; w >= smallest; w -= 1)
        for (double raise = 0; raise <= maxRaise; raise += 1)
            if (const auto frame = frameOf(w, raise); fits(s, frame)) return frame;
    return frameOf(smallest, 0);
}

} // namespace wheels
