#pragma once
#include <functional>
#include <optional>

namespace charts {

// Maps the elapsed time and the duration (seconds) to an animation phase.
// The animator passes an elapsed time clamped to the duration and uses the
// result as it stands: back and elastic curves leave 0 to 1 on the way.
using EasingFunction = std::function<double(double elapsed, double duration)>;

// The built-in easing curves, by raw value 0 to 30.
enum class ChartEasingOption {
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

constexpr int easingOptionCount = 31;
constexpr int rawValue(ChartEasingOption option) { return static_cast<int>(option); }
// Any integer other than 0 to 30 names no curve.
constexpr std::optional<ChartEasingOption> chartEasingOptionFromRawValue(int raw) {
    if (raw < 0 || raw >= easingOptionCount) return std::nullopt;
    return static_cast<ChartEasingOption>(raw);
}

// The curve of an option as a plain function (the table behind
// easingFunctionForOption).
using EasingCurve = double (*)(double elapsed, double duration);
EasingCurve easingCurveForOption(ChartEasingOption option);
EasingFunction easingFunctionForOption(ChartEasingOption option);

} // namespace charts
