#include "Charts/foundation/Easing.h"

#include <cmath>
#include <string>

#include "platform/FatalError.h"

namespace charts {

namespace {

// The curves as their formulas are written: the exact-equality guards stay
// exact and the constants are computed as written (0.3 * 1.5 is not 0.45).
constexpr double pi = 3.141592653589793;

double linear(double elapsed, double duration) { return elapsed / duration; }

double easeInQuad(double elapsed, double duration) {
    const double t = elapsed / duration;
    return t * t;
}

double easeOutQuad(double elapsed, double duration) {
    const double t = elapsed / duration;
    return -t * (t - 2);
}

double easeInOutQuad(double elapsed, double duration) {
    const double p = elapsed / (duration * 0.5);
    if (p < 1) return 0.5 * p * p;
    return -0.5 * ((p - 1) * (p - 3) - 1);
}

double easeInCubic(double elapsed, double duration) {
    const double t = elapsed / duration;
    return t * t * t;
}

double easeOutCubic(double elapsed, double duration) {
    const double u = elapsed / duration - 1;
    return u * u * u + 1;
}

double easeInOutCubic(double elapsed, double duration) {
    const double p = elapsed / (duration * 0.5);
    if (p < 1) return 0.5 * p * p * p;
    const double u = p - 2;
    return 0.5 * (u * u * u + 2);
}

double easeInQuart(double elapsed, double duration) {
    const double t = elapsed / duration;
    return t * t * t * t;
}

double easeOutQuart(double elapsed, double duration) {
    const double u = elapsed / duration - 1;
    return -(u * u * u * u - 1);
}

double easeInOutQuart(double elapsed, double duration) {
    const double p = elapsed / (duration * 0.5);
    if (p < 1) return 0.5 * p * p * p * p;
    const double u = p - 2;
    return -0.5 * (u * u * u * u - 2);
}

double easeInQuint(double elapsed, double duration) {
    const double t = elapsed / duration;
    return t * t * t * t * t;
}

double easeOutQuint(double elapsed, double duration) {
    const double u = elapsed / duration - 1;
    return u * u * u * u * u + 1;
}

double easeInOutQuint(double elapsed, double duration) {
    const double p = elapsed / (duration * 0.5);
    if (p < 1) return 0.5 * p * p * p * p * p;
    const double u = p - 2;
    return 0.5 * (u * u * u * u * u + 2);
}

double easeInSine(double elapsed, double duration) {
    const double t = elapsed / duration;
    return 1 - std::cos(t * pi * 0.5);
}

double easeOutSine(double elapsed, double duration) {
    const double t = elapsed / duration;
    return std::sin(t * pi * 0.5);
}

double easeInOutSine(double elapsed, double duration) {
    const double t = elapsed / duration;
    return -0.5 * (std::cos(t * pi) - 1);
}

double easeInExpo(double elapsed, double duration) {
    if (elapsed == 0) return 0;
    return std::pow(2, 10 * (elapsed / duration - 1));
}

double easeOutExpo(double elapsed, double duration) {
    if (elapsed == duration) return 1;
    return 1 - std::pow(2, -10 * elapsed / duration);
}

double easeInOutExpo(double elapsed, double duration) {
    if (elapsed == 0) return 0;
    if (elapsed == duration) return 1;
    const double p = elapsed / (duration * 0.5);
    if (p < 1) return 0.5 * std::pow(2, 10 * (p - 1));
    return 0.5 * (2 - std::pow(2, -10 * (p - 1)));
}

double easeInCirc(double elapsed, double duration) {
    const double t = elapsed / duration;
    return -(std::sqrt(1 - t * t) - 1);
}

double easeOutCirc(double elapsed, double duration) {
    const double u = elapsed / duration - 1;
    return std::sqrt(1 - u * u);
}

double easeInOutCirc(double elapsed, double duration) {
    const double p = elapsed / (duration * 0.5);
    if (p < 1) return -0.5 * (std::sqrt(1 - p * p) - 1);
    const double u = p - 2;
    return 0.5 * (std::sqrt(1 - u * u) + 1);
}

double easeInElastic(double elapsed, double duration) {
    if (elapsed == 0) return 0;
    const double t = elapsed / duration;
    if (t == 1) return 1;
    const double period = duration * 0.3;
    const double s = period / (2 * pi) * (pi / 2);
    const double u = t - 1;
    return -(std::pow(2, 10 * u) * std::sin((u * duration - s) * (2 * pi) / period));
}

double easeOutElastic(double elapsed, double duration) {
    if (elapsed == 0) return 0;
    const double t = elapsed / duration;
    if (t == 1) return 1;
    const double period = duration * 0.3;
    const double s = period / (2 * pi) * (pi / 2);
    return std::pow(2, -10 * t) * std::sin((t * duration - s) * (2 * pi) / period) + 1;
}

double easeInOutElastic(double elapsed, double duration) {
    if (elapsed == 0) return 0;
    const double p = elapsed / (duration * 0.5);
    if (p == 2) return 1;
    const double period = duration * (0.3 * 1.5);
    const double s = period / (2 * pi) * (pi / 2);
    const double u = p - 1;
    if (p < 1) return -0.5 * std::pow(2, 10 * u) * std::sin((u * duration - s) * (2 * pi) / period);
    return 0.5 * std::pow(2, -10 * u) * std::sin((u * duration - s) * (2 * pi) / period) + 1;
}

double easeInBack(double elapsed, double duration) {
    const double s = 1.70158;
    const double t = elapsed / duration;
    return t * t * ((s + 1) * t - s);
}

double easeOutBack(double elapsed, double duration) {
    const double s = 1.70158;
    const double u = elapsed / duration - 1;
    return u * u * ((s + 1) * u + s) + 1;
}

double easeInOutBack(double elapsed, double duration) {
    const double s = 1.70158 * 1.525;
    const double p = elapsed / (duration * 0.5);
    if (p < 1) return 0.5 * (p * p * ((s + 1) * p - s));
    const double u = p - 2;
    return 0.5 * (u * u * ((s + 1) * u + s) + 2);
}

// The bounce shape; bounds and offsets are the quotients as computed.
double bounce(double x) {
    const double k = 7.5625;
    if (x < 1 / 2.75) return k * x * x;
    if (x < 2 / 2.75) {
        const double u = x - 1.5 / 2.75;
        return k * u * u + 0.75;
    }
    if (x < 2.5 / 2.75) {
        const double u = x - 2.25 / 2.75;
        return k * u * u + 0.9375;
    }
    const double u = x - 2.625 / 2.75;
    return k * u * u + 0.984375;
}

double easeOutBounce(double elapsed, double duration) { return bounce(elapsed / duration); }

double easeInBounce(double elapsed, double duration) { return 1 - bounce((duration - elapsed) / duration); }

double easeInOutBounce(double elapsed, double duration) {
    if (elapsed < duration * 0.5) return 0.5 * (1 - bounce((duration - 2 * elapsed) / duration));
    return 0.5 * bounce((2 * elapsed - duration) / duration) + 0.5;
}

constexpr EasingCurve curves[easingOptionCount] = {
    linear,        easeInQuad,    easeOutQuad,     easeInOutQuad,    easeInCubic,   easeOutCubic,   easeInOutCubic,
    easeInQuart,   easeOutQuart,  easeInOutQuart,  easeInQuint,      easeOutQuint,  easeInOutQuint, easeInSine,
    easeOutSine,   easeInOutSine, easeInExpo,      easeOutExpo,      easeInOutExpo, easeInCirc,     easeOutCirc,
    easeInOutCirc, easeInElastic, easeOutElastic,  easeInOutElastic, easeInBack,    easeOutBack,    easeInOutBack,
    easeInBounce,  easeOutBounce, easeInOutBounce,
};

} // namespace

EasingCurve easingCurveForOption(ChartEasingOption option) {
    const int raw = rawValue(option);
    if (raw < 0 || raw >= easingOptionCount)
        platform::fatalError("easingFunctionForOption: no easing curve for raw value " + std::to_string(raw));
    return curves[raw];
}

EasingFunction easingFunctionForOption(ChartEasingOption option) { return easingCurveForOption(option); }

} // namespace charts
