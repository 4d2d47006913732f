#include <gtest/gtest.h>

#include <cmath>

#include "app/curves/math/BezierCurve.h"
#include "platform/testing/LogCapture.h"

namespace curves {

TEST(BezierCurve, SamplesTwentyPerUnitAddingDtUp) {
    platform::LogCapture log;
    const ZWBezierCurveD curve({0, 1}, {0, 1});
    ASSERT_TRUE(curve.outputPoints);
    // dt = 0.05 added up overshoots 1 after 20 additions, so the last sample
    // lies before x = 1: 20 samples, where k x dt would give 21.
    EXPECT_EQ(curve.outputPoints->size(), 20u);
    EXPECT_EQ(log.standardOutputLines(), std::vector<std::string>{"0.05"});
    EXPECT_EQ(curve.outputPoints->front(), (point{0, 0}));
    ASSERT_TRUE(curve.outputYs);
    EXPECT_EQ(curve.outputYs->size(), curve.outputPoints->size());

    // Over three and ten units of x: 60 and 200 samples (not 61 and 201).
    EXPECT_EQ(ZWBezierCurveD({0, 3}, {0, 3}).outputPoints->size(), 60u);
    EXPECT_EQ(ZWBezierCurveD({0, 10}, {0, 3}).outputPoints->size(), 200u);
    // Two segments sample one after the other.
    EXPECT_EQ(ZWBezierCurveD({0, 1, 4}, {0, 1, 0}).outputPoints->size(), 20u + 60u);
}

// Each sample is (1 - t)^3 P0 + 3 t (1 - t)^2 C1 + 3 t^2 (1 - t) C2 + t^3 P1
// grouped as written; other groupings (u * u * u, 3 * t * u * u) differ in the
// last bits at several samples of this segment.
TEST(BezierCurve, SamplesFollowTheBernsteinFormAsWritten) {
    platform::LogCapture log;
    const ZWBezierCurveD curve({0, 1}, {0, 1});
    ASSERT_TRUE(curve.outputYs);
    const double c1 = (2 * 0.0 + 1) / 3;
    const double c2 = 2 * c1 - 0;
    double t = 0;
    for (const double y : *curve.outputYs) {
        const double u = 1 - t;
        const double expected =
            std::pow(u, 3) * 0 + 3 * t * std::pow(u, 2) * c1 + 3 * std::pow(t, 2) * u * c2 + std::pow(t, 3) * 1;
        EXPECT_EQ(y, expected) << t;
        t += 0.05;
    }
}

TEST(BezierCurve, EqualXGivesOneSampleAndBadInputGivesNone) {
    platform::LogCapture log;
    const ZWBezierCurveD vertical({2, 2}, {0, 5});
    ASSERT_TRUE(vertical.outputPoints);
    EXPECT_EQ(vertical.outputPoints->size(), 1u);
    EXPECT_EQ(log.standardOutputLines().back(), "inf");

    EXPECT_FALSE(ZWBezierCurveD({0, 1, 2}, {0, 1}).outputPoints);
    EXPECT_FALSE(ZWBezierCurveD({0}, {0}).outputYs);
    // An unbounded span ends with a capped number of samples.
    EXPECT_TRUE(ZWBezierCurveD({0, 1e308}, {0, 1}).outputPoints);
}

TEST(BezierQuadInk, ResamplesToTwoHundredFiftySixAndSoftensNegatives) {
    platform::LogCapture log;
    const BezierQuadInkCurve straight({0, 255}, {0, 65535});
    ASSERT_EQ(straight.finalInterpolatedQuadCurve.size(), 256u);
    EXPECT_EQ(straight.finalInterpolatedQuadCurve.front(), 0);
    EXPECT_NEAR(straight.finalInterpolatedQuadCurve[128], 65535 * 128 / 256.0, 300);

    // The spline through a dip overshoots below 0; such samples are scaled by 0.66.
    const BezierQuadInkCurve dip({0, 10, 20}, {0, -10, 0});
    const auto& values = dip.finalInterpolatedQuadCurve;
    ASSERT_EQ(values.size(), 256u);
    const double lowest = *std::min_element(values.begin(), values.end());
    const double lowestSample = *std::min_element(dip.outputYs.begin(), dip.outputYs.end());
    EXPECT_NEAR(lowest, lowestSample * 0.66, 0.1);
    EXPECT_LT(lowest, 0);
}

TEST(BezierQuadInk, NoSamplesGiveARampToTheLastValue) {
    platform::LogCapture log;
    BezierQuadInkCurve curve({}, {});
    ASSERT_EQ(curve.finalInterpolatedQuadCurve.size(), 256u);
    EXPECT_EQ(curve.finalInterpolatedQuadCurve.back(), 0);
    // Unequal lists give no spline: the y values themselves are resampled.
    BezierQuadInkCurve fallback({0, 1}, {0, 51, 255});
    EXPECT_EQ(fallback.outputYs, (std::vector<double>{0, 51, 255}));
    EXPECT_EQ(fallback.finalInterpolatedQuadCurve.size(), 256u);
    fallback.outputYs.clear();
    fallback.interpolate();
    EXPECT_EQ(fallback.finalInterpolatedQuadCurve[255], 255);
    EXPECT_EQ(fallback.finalInterpolatedQuadCurve[1], 1);
    // A single sample holds everywhere.
    fallback.outputYs = {-10};
    fallback.interpolate();
    EXPECT_DOUBLE_EQ(fallback.finalInterpolatedQuadCurve[100], -6.6);
}

} // namespace curves
