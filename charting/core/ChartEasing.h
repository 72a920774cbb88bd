#pragma once
// The named easing curves that shape animation phases: (elapsed, duration) -> phase, 0 at the
// start and 1 at the end. Raw values are stable; 15 (easeInOutSine) is the default of the
// option-less animate operations.
#include <functional>
#include <optional>

namespace charting {

enum class ChartEasingOption : int {
    linear = 0,
    easeInQuad,
    easeOutQuad,
    easeInOutQuad,
    easeInCubic,
    easeOutCubic,
    easeInOutCubic,
    easeInQuart,
    easeOutQuart,
    easeInOutQuart,
    easeInQuint,
    easeOutQuint,
    easeInOutQuint,
    easeInSine,
    easeOutSine,
    easeInOutSine,
    easeInExpo,
    easeOutExpo,
    easeInOutExpo,
    easeInCirc,
    easeOutCirc,
    easeInOutCirc,
    easeInElastic,
    easeOutElastic,
    easeInOutElastic,
    easeInBack,
    easeOutBack,
    easeInOutBack,
    easeInBounce,
    easeOutBounce,
    easeInOutBounce,
};

inline constexpr int easingOptionCount = 31;

// A curve of (elapsed seconds, duration seconds); an empty function means linear.
using EasingFunction = std::function<double(double elapsed, double duration)>;

// The option with that raw value, or nothing outside 0...30.
std::optional<ChartEasingOption> easingOptionFromRaw(int raw);

// The curve of an option. An option outside the 31 curves (only reachable through an unchecked
// cast of a raw integer) is a programming error and stops the program.
EasingFunction easingFunctionFromOption(ChartEasingOption option);

// The plain curve, for callers that want a function pointer rather than a std::function.
using EasingCurve = double (*)(double elapsed, double duration);
EasingCurve easingCurve(ChartEasingOption option);

} // namespace charting
