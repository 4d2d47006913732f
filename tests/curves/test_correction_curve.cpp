#include <gtest/gtest.h>

#include <cmath>

#include "app/curves/linearization/CorrectionCurve.h"

namespace curves {

namespace {

// A lightness ramp that falls faster than linear, like an uncorrected print.
std::vector<double> darkPrint() {
    std::vector<double> lightness;
    for (int i = 0; i < 256; ++i) lightness.push_back(95 - 85 * std::pow(i / 255.0, 0.6));
    return lightness;
}

} // namespace

TEST(CorrectionCurve, LinearTargetRunsFromFirstToLastDensity) {
    CorrectionCurve correction;
    const auto target = correction.makeLinearTarget({90, 60, 10});
    ASSERT_EQ(target.size(), 256u);
    EXPECT_EQ(target.front(), 90);
    EXPECT_NEAR(target.back(), 10, 1e-12);
    EXPECT_EQ(correction.intercept, 90);
    EXPECT_DOUBLE_EQ(correction.slope, -0.8);
    EXPECT_EQ(correction.linearTargetArray, target);
}

TEST(CorrectionCurve, NearestValueAndBrackets) {
    EXPECT_EQ(CorrectionCurve::nearestValue({10, 20}, 15), 10);
    EXPECT_EQ(CorrectionCurve::nearestValue({30, 20, 10}, 12), 10);
    const std::vector<double> falling{90, 70, 50, 30};
    // Darker than the nearest step: the next step is the other end.
    auto b = CorrectionCurve::indexOfValue(falling, 65);
    EXPECT_EQ(b.index, 1u);
    EXPECT_EQ(b.other, 50);
    EXPECT_EQ(b.base, 70);
    // Lighter than the nearest step: the step before is the base.
    b = CorrectionCurve::indexOfValue(falling, 74);
    EXPECT_EQ(b.index, 0u);
    EXPECT_EQ(b.other, 70);
    EXPECT_EQ(b.base, 90);
    b = CorrectionCurve::indexOfValue(falling, 10);
    EXPECT_EQ(b.index, 3u);
    EXPECT_EQ(b.other, 30);
    EXPECT_EQ(b.base, 30);
    b = CorrectionCurve::indexOfValue({}, 10);
    EXPECT_EQ(b.index, 0u);
}

TEST(CorrectionCurve, MapsTargetsToInputPositions) {
    CorrectionCurve correction;
    correction.densitiesToCorrect = darkPrint();
    correction.finalTargetArray = correction.makeLinearTarget(correction.densitiesToCorrect);
    const auto curve = correction.makeCorrectionCurve();
    ASSERT_EQ(curve.size(), 256u);
    EXPECT_EQ(curve.front(), 0);
    EXPECT_EQ(curve.back(), 100);
    // Output step k needs the input whose lightness is the linear target:
    // (k/255)^(1/0.6) of the way.
    for (int k = 8; k < 250; ++k) EXPECT_NEAR(curve[k], 100 * std::pow(k / 255.0, 1 / 0.6), 0.05) << k;
    for (int k = 1; k < 256; ++k) EXPECT_GE(curve[k], curve[k - 1]);

    correction.finalTargetArray = {95, 10};
    EXPECT_EQ(correction.makeCorrectionCurve(), (std::vector<double>{0, 100}));
    correction.finalTargetArray = {95};
    EXPECT_TRUE(correction.makeCorrectionCurve().empty());
}

// A target at or lighter than the first step used to divide by zero and give
// full correction (100) in the highlights; it now takes its step's position.
TEST(CorrectionCurve, TargetsBeyondTheMeasuredRangeStayOnTheirStep) {
    CorrectionCurve correction;
    correction.densitiesToCorrect = {90, 70, 50, 30, 10};
    correction.finalTargetArray = {95, 92, 90, 60, 5, 10};
    const auto curve = correction.makeCorrectionCurve();
    ASSERT_EQ(curve.size(), 6u);
    EXPECT_EQ(curve[1], 0); // lighter than paper white
    EXPECT_EQ(curve[2], 0); // exactly paper white
    EXPECT_EQ(curve[3], 37.5);
    EXPECT_EQ(curve[4], 100); // darker than the darkest step
    // A flat run of equal steps is crossed in one jump: a target just
    // darker than the run lies past its end, not back at its start.
    correction.densitiesToCorrect = {90, 50, 50, 10};
    correction.finalTargetArray = {90, 55, 50, 49.5, 10};
    const auto flat = correction.makeCorrectionCurve();
    EXPECT_NEAR(flat[1], 100.0 / 3 * 0.875, 1e-12);
    EXPECT_DOUBLE_EQ(flat[2], 100.0 / 3);
    EXPECT_DOUBLE_EQ(flat[3], 100.0 / 3 * 2.0125);
    correction.finalTargetArray = {90, std::nan(""), 10};
    EXPECT_EQ(correction.makeCorrectionCurve()[1], 100);
}

} // namespace curves
