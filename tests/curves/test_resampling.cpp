#include <gtest/gtest.h>

#include <cmath>

#include "app/curves/math/Resampling.h"
#include "platform/testing/LogCapture.h"

namespace curves {

TEST(ResamplingTest, LinearIsExactBetweenKeyframes) {
    const auto out = ZWLinearD({0, 10}, {0, 100}, 4);
    EXPECT_EQ(out, (std::vector<double>{0, 25, 50, 75}));

    const auto uneven = ZWLinearD({0, 1, 4}, {10, 20, 50}, 8);
    ASSERT_EQ(uneven.size(), 8u);
    EXPECT_DOUBLE_EQ(uneven[1], 10 + 10 * 0.5); // x = 0.5 of 0...4
    EXPECT_DOUBLE_EQ(uneven[4], 30);            // x = 2
}

TEST(ResamplingTest, SampleGridStopsOneStepBeforeOne) {
    ZWInterpolateD interpolator;
    interpolator.interpolationStepValue = 1.0 / 256;
    interpolator.interpolate({0, 1}, {0, 256}, "Linear");
    ASSERT_EQ(interpolator.outputArray.size(), 256u);
    EXPECT_EQ(interpolator.outputArray.back(), 255);
    interpolator.interpolationStepValue = 1.0 / 1024;
    interpolator.interpolate({0, 1}, {0, 1}, "Spline");
    EXPECT_EQ(interpolator.outputArray.size(), 1024u);
}

TEST(ResamplingTest, SplinePassesThroughKeyframesAndIsSmooth) {
    const std::vector<double> xs{0, 0.25, 0.5, 0.75, 1};
    const std::vector<double> ys{100, 80, 45, 20, 5};
    ZWInterpolateD interpolator;
    interpolator.interpolationStepValue = 1.0 / 256;
    interpolator.interpolate(xs, ys, "Spline");
    const auto& out = interpolator.outputArray;
    ASSERT_EQ(out.size(), 256u);
    EXPECT_EQ(out[0], 100);
    EXPECT_EQ(out[64], 80);
    EXPECT_EQ(out[128], 45);
    EXPECT_EQ(out[192], 20);
    // Smooth: no kink at a keyframe (one-sided slopes agree), and monotone data
    // with gentle changes stays monotone.
    const double left = out[128] - out[127];
    const double right = out[129] - out[128];
    EXPECT_NEAR(left, right, 0.01);
    for (std::size_t i = 1; i < out.size(); ++i) EXPECT_LT(out[i], out[i - 1]);
    // It differs from the linear join between keyframes.
    const auto linear = ZWLinearD(xs, ys, 256);
    EXPECT_NE(out[96], linear[96]);
}

TEST(ResamplingTest, SplineReproducesStraightLines) {
    const auto out = ZWSplineD({0, 1, 3, 4, 9}, {2, 4, 8, 10, 20}, 64);
    ASSERT_EQ(out.size(), 64u);
    for (std::size_t k = 0; k < out.size(); ++k) EXPECT_NEAR(out[k], 2 + 18.0 * k / 64, 1e-12);
}

TEST(ResamplingTest, UnknownTypeLogsAndLeavesOutputAlone) {
    platform::LogCapture log;
    ZWInterpolateD interpolator;
    interpolator.interpolationStepValue = 0.25;
    interpolator.interpolate({0, 1}, {0, 1}, "linear");
    EXPECT_TRUE(interpolator.outputArray.empty());
    EXPECT_TRUE(log.devLogContains("Invalid Interpolation Type"));
    EXPECT_TRUE(interpolateCurve({0, 1}, {0, 1}, "cubic", 4).empty());
}

TEST(ResamplingTest, DegenerateInputsDoNotCrash) {
    ZWInterpolateD interpolator;
    interpolator.interpolationStepValue = 0;
    interpolator.interpolate({0, 1}, {0, 1}, "Linear");
    EXPECT_TRUE(interpolator.outputArray.empty());
    interpolator.interpolationStepValue = -0.1;
    interpolator.interpolate({0, 1}, {0, 1}, "Spline");
    EXPECT_TRUE(interpolator.outputArray.empty());
    // A single keyframe (whose x normalises to a range of zero) holds its value.
    EXPECT_EQ(ZWSplineD({5}, {42}, 4), (std::vector<double>(4, 42)));
    EXPECT_TRUE(ZWSplineD({}, {}, 4).empty());
    const auto withNaN = ZWLinearD({0, 1, 2}, {0, std::nan(""), 2}, 4);
    EXPECT_EQ(withNaN, (std::vector<double>{0, 0.5, 1, 1.5}));
}

TEST(RampHelpersTest, RampLinspaceNormalizeScale) {
    EXPECT_EQ(ramp(4, 1, 0.5), (std::vector<double>{1, 1.5, 2, 2.5}));
    EXPECT_TRUE(ramp(0, 1, 1).empty());

    const auto steps = linspace(256, 0, 100);
    ASSERT_EQ(steps.size(), 256u);
    EXPECT_DOUBLE_EQ(steps[1], 100.0 / 255);
    EXPECT_NEAR(steps.back(), 100, 1e-12);
    EXPECT_TRUE(linspace(0, 0, 1).empty());
    EXPECT_EQ(linspace(1, 3, 9), (std::vector<double>{3}));

    EXPECT_EQ(normalizeToUnit({2, 4, 6}), (std::vector<double>{0, 0.5, 1}));
    EXPECT_TRUE(normalizeToUnit({}).empty());
    EXPECT_EQ(normalizeToUnit({7, 7}), (std::vector<double>{0, 0}));

    std::vector<double> values{1, -2, 3};
    scaleInPlace(values, 2);
    EXPECT_EQ(values, (std::vector<double>{2, -4, 6}));
}

} // namespace curves
