#pragma once
// Property animations of layers. The model value is set at once; an animation only changes what is
// drawn (the presentation) from its start value to the model value over its duration, on the clock.
#include "kit/base/AffineTransform.h"
#include "kit/base/Color.h"
#include "kit/base/Geometry.h"

#include <cstdint>
#include <optional>
#include <variant>

namespace kit {

enum class AnimationCurve { easeInOut, easeIn, easeOut, linear };

// Options of View::animate; the raw bits follow the platform's values.
enum class AnimationOptions : std::uint32_t {
    none = 0,
    allowUserInteraction = 1u << 1,
    beginFromCurrentState = 1u << 2,
    curveEaseInOut = 0u << 16,
    curveEaseIn = 1u << 16,
    curveEaseOut = 2u << 16,
    curveLinear = 3u << 16,
    // Transition bits are accepted and ignored for property animations.
    transitionFlipFromLeft = 1u << 20,
    transitionFlipFromRight = 2u << 20,
    transitionCurlUp = 3u << 20,
    transitionCurlDown = 4u << 20,
    transitionCrossDissolve = 5u << 20,
};
constexpr AnimationOptions operator|(AnimationOptions a, AnimationOptions b) {
    return static_cast<AnimationOptions>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b));
}
constexpr bool has(AnimationOptions set, AnimationOptions flag) {
    return (static_cast<std::uint32_t>(set) & static_cast<std::uint32_t>(flag)) == static_cast<std::uint32_t>(flag);
}
AnimationCurve curveOf(AnimationOptions options);

// The eased fraction of an animation at linear progress t in [0, 1].
double ease(AnimationCurve curve, double t);

enum class AnimatedProperty { position, bounds, transform, opacity, backgroundColor };

using AnimatedValue = std::variant<Point, Rect, AffineTransform, double, std::optional<Color>>;

struct PropertyAnimation {
    AnimatedProperty property;
    AnimatedValue from;
    AnimatedValue to;
    double begin = 0;    // clock seconds when it starts moving (after the delay)
    double duration = 0; // seconds
    AnimationCurve curve = AnimationCurve::easeInOut;
    bool allowsUserInteraction = false;

    double end() const { return begin + duration; }
    // The value shown at a time: `from` before the start, `to` after the end.
    AnimatedValue valueAt(double now) const;
};

// Interpolations used by the presentation.
Point interpolate(Point a, Point b, double f);
Rect interpolate(const Rect& a, const Rect& b, double f);
AffineTransform interpolate(const AffineTransform& a, const AffineTransform& b, double f);
std::optional<Color> interpolate(const std::optional<Color>& a, const std::optional<Color>& b, double f);

} // namespace kit
