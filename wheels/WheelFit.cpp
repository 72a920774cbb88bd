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

// Largest first, in steps of a point, frames of `base`'s proportions around its centre; at each
// size the least shift (upwards, or either way) for which `fits` holds.
kit::Rect largestFitting(const kit::Rect& base, double smallest, double maxShift, bool eitherWay,
                         const std::function<bool(const kit::Rect&)>& fits) {
    const double widest = base.size.width, tall = base.size.height / std::max(1.0, widest);
    const kit::Point centre{base.midX(), base.midY()};
    auto frameOf = [&](double w, double raise) {
        return kit::Rect{centre.x - w / 2, centre.y - raise - w * tall / 2, w, w * tall};
    };
    for (double w = widest; w >= smallest; w -= 1)
        for (double shift = 0; shift <= maxShift; shift += 1) {
            if (const auto frame = frameOf(w, shift); fits(frame)) return frame;
            if (const auto frame = frameOf(w, -shift); eitherWay && shift > 0 && fits(frame)) return frame;
        }
    return frameOf(smallest, 0);
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
    // A sixth of the width: a wide, low window leaves the wheel little more than that in height.
    return largestFitting(s.partFrame, s.partFrame.size.width / 6, s.area.size.height / 4, false,
                          [&](const kit::Rect& frame) { return fits(s, frame); });
}

kit::Rect fitDiscFrame(const DiscSpace& s) {
    // No wider or taller than the area: larger never fits, and the search starts where it may.
    const double side = std::max(1.0, std::min({s.square.size.width, s.area.size.width, s.area.size.height}));
    const kit::Rect base{s.square.midX() - side / 2, s.square.midY() - side / 2, side, side};
    return largestFitting(base, side / 3, s.area.size.height / 2, true, [&](const kit::Rect& frame) {
        const double radius = frame.size.width / 2 * s.discShare;
        const kit::Point c{frame.midX(), frame.midY()};
        const kit::Rect disc{c.x - radius, c.y - radius, 2 * radius, 2 * radius};
        // The gap is kept round the disc: a rectangle grown by it would keep more at its corners.
        return within(disc, s.area) && std::none_of(s.controls.begin(), s.controls.end(), [&](const kit::Rect& r) {
                   return bandMeets(c, 0, radius + kGap, r);
               });
    });
}

} // namespace wheels
