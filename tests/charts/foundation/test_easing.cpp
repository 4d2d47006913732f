#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "Charts/foundation/Easing.h"

namespace charts {
namespace {

// The textbook easing equations in their (t, b, c, d) form with b = 0 and
// c = 1, written out here on their own so that a slip in the library's
// curves shows as a difference.
namespace textbook {

const double PI = std::acos(-1.0);

double bounceOut(double t, double d) {
    t /= d;
    if (t < 1 / 2.75) return 7.5625 * t * t;
    if (t < 2 / 2.75) {
        t -= 1.5 / 2.75;
        return 7.5625 * t * t + .75;
    }
    if (t < 2.5 / 2.75) {
        t -= 2.25 / 2.75;
        return 7.5625 * t * t + .9375;
    }
    t -= 2.625 / 2.75;
    return 7.5625 * t * t + .984375;
}

double elasticIn(double t, double d) {
    if (t == 0) return 0;
    if ((t /= d) == 1) return 1;
    const double p = d * .3;
    const double s = p / 4;
    t -= 1;
    return -(std::pow(2, 10 * t) * std::sin((t * d - s) * (2 * PI) / p));
}

double elasticOut(double t, double d) {
    if (t == 0) return 0;
    if ((t /= d) == 1) return 1;
    const double p = d * .3;
    const double s = p / 4;
    return std::pow(2, -10 * t) * std::sin((t * d - s) * (2 * PI) / p) + 1;
}

double elasticInOut(double t, double d) {
    if (t == 0) return 0;
    if ((t /= d / 2) == 2) return 1;
    const double p = d * (.3 * 1.5);
    const double s = p / 4;
    t -= 1;
    if (t < 0) return -.5 * (std::pow(2, 10 * t) * std::sin((t * d - s) * (2 * PI) / p));
    return std::pow(2, -10 * t) * std::sin((t * d - s) * (2 * PI) / p) * .5 + 1;
}

using Curve = std::function<double(double t, double d)>;

const Curve curves[31] = {
    [](double t, double d) { return t / d; },
    [](double t, double d) {
        t /= d;
        return t * t;
    },
    [](double t, double d) {
        t /= d;
        return -t * (t - 2);
    },
    [](double t, double d) {
        if ((t /= d / 2) < 1) return t * t / 2;
        t -= 1;
        return -(t * (t - 2) - 1) / 2;
    },
    [](double t, double d) {
        t /= d;
        return t * t * t;
    },
    [](double t, double d) {
        t = t / d - 1;
        return t * t * t + 1;
    },
    [](double t, double d) {
        if ((t /= d / 2) < 1) return t * t * t / 2;
        t -= 2;
        return (t * t * t + 2) / 2;
    },
    [](double t, double d) {
        t /= d;
        return t * t * t * t;
    },
    [](double t, double d) {
        t = t / d - 1;
        return -(t * t * t * t - 1);
    },
    [](double t, double d) {
        if ((t /= d / 2) < 1) return t * t * t * t / 2;
        t -= 2;
        return -(t * t * t * t - 2) / 2;
    },
    [](double t, double d) {
        t /= d;
        return t * t * t * t * t;
    },
    [](double t, double d) {
        t = t / d - 1;
        return t * t * t * t * t + 1;
    },
    [](double t, double d) {
        if ((t /= d / 2) < 1) return t * t * t * t * t / 2;
        t -= 2;
        return (t * t * t * t * t + 2) / 2;
    },
    [](double t, double d) { return 1 - std::cos(t / d * (PI / 2)); },
    [](double t, double d) { return std::sin(t / d * (PI / 2)); },
    [](double t, double d) { return -(std::cos(PI * t / d) - 1) / 2; },
    [](double t, double d) { return t == 0 ? 0.0 : std::pow(2, 10 * (t / d - 1)); },
    [](double t, double d) { return t == d ? 1.0 : 1 - std::pow(2, -10 * t / d); },
    [](double t, double d) {
        if (t == 0) return 0.0;
        if (t == d) return 1.0;
        if ((t /= d / 2) < 1) return std::pow(2, 10 * (t - 1)) / 2;
        return (-std::pow(2, -10 * (t - 1)) + 2) / 2;
    },
    [](double t, double d) {
        t /= d;
        return -(std::sqrt(1 - t * t) - 1);
    },
    [](double t, double d) {
        t = t / d - 1;
        return std::sqrt(1 - t * t);
    },
    [](double t, double d) {
        if ((t /= d / 2) < 1) return -(std::sqrt(1 - t * t) - 1) / 2;
        t -= 2;
        return (std::sqrt(1 - t * t) + 1) / 2;
    },
    elasticIn,
    elasticOut,
    elasticInOut,
    [](double t, double d) {
        const double s = 1.70158;
        t /= d;
        return t * t * ((s + 1) * t - s);
    },
    [](double t, double d) {
        const double s = 1.70158;
        t = t / d - 1;
        return t * t * ((s + 1) * t + s) + 1;
    },
    [](double t, double d) {
        double s = 1.70158;
        s *= 1.525;
        if ((t /= d / 2) < 1) return (t * t * ((s + 1) * t - s)) / 2;
        t -= 2;
        return (t * t * ((s + 1) * t + s) + 2) / 2;
    },
    [](double t, double d) { return 1 - bounceOut(d - t, d); },
    bounceOut,
    [](double t, double d) {
        if (t < d / 2) return (1 - bounceOut(d - 2 * t, d)) / 2;
        return bounceOut(t * 2 - d, d) / 2 + .5;
    },
};

} // namespace textbook

TEST(Easing, EveryCurveMatchesTheTextbookAtAThousandAndOnePoints) {
    for (double duration : {0.7, 1.0, 2.5}) {
        for (int raw = 0; raw < easingOptionCount; ++raw) {
            const EasingFunction easing = easingFunctionForOption(*chartEasingOptionFromRawValue(raw));
            for (int i = 0; i <= 1000; ++i) {
                const double elapsed = duration * i / 1000;
                const double expected = textbook::curves[raw](elapsed, duration);
                EXPECT_NEAR(easing(elapsed, duration), expected, 1e-12)
                    << "curve " << raw << " at " << elapsed << " of " << duration;
            }
        }
    }
}

TEST(Easing, EndsAreExactWhereTheCurvesGuardThem) {
    struct Case {
        ChartEasingOption option;
        double start, end;
    };
    const Case cases[] = {
        {ChartEasingOption::linear, 0, 1},           {ChartEasingOption::easeInExpo, 0, 1},
        {ChartEasingOption::easeOutExpo, 0, 1},      {ChartEasingOption::easeInOutExpo, 0, 1},
        {ChartEasingOption::easeInElastic, 0, 1},    {ChartEasingOption::easeOutElastic, 0, 1},
        {ChartEasingOption::easeInOutElastic, 0, 1}, {ChartEasingOption::easeOutBounce, 0, 1},
        {ChartEasingOption::easeInOutQuad, 0, 1},
    };
    for (const Case& c : cases) {
        const EasingFunction easing = easingFunctionForOption(c.option);
        EXPECT_EQ(easing(0, 0.3), c.start) << rawValue(c.option);
        EXPECT_EQ(easing(0.3, 0.3), c.end) << rawValue(c.option);
    }
    // Back overshoots on the way; the phase is not clamped.
    EXPECT_GT(easingFunctionForOption(ChartEasingOption::easeOutBack)(0.6, 1), 1.0);
    EXPECT_LT(easingFunctionForOption(ChartEasingOption::easeInBack)(0.3, 1), 0.0);
}

TEST(Easing, RawValuesOutsideTheTableNameNoCurve) {
    EXPECT_FALSE(chartEasingOptionFromRawValue(31).has_value());
    EXPECT_FALSE(chartEasingOptionFromRawValue(-1).has_value());
    EXPECT_EQ(chartEasingOptionFromRawValue(30), ChartEasingOption::easeInOutBounce);
    EXPECT_EQ(easingCurveForOption(ChartEasingOption::easeInSine), easingCurveForOption(ChartEasingOption::easeInSine));
}

} // namespace
} // namespace charts
