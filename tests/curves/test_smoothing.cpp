#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "app/curves/math/MovingAverager.h"
#include "app/curves/math/SplineSmoother.h"

namespace curves {

namespace {

std::vector<double> series(int n) {
    std::vector<double> values;
    for (int i = 0; i < n; ++i) values.push_back(i * i % 7 + 0.5 * i);
    return values;
}

double meanOf(const std::vector<double>& v, int first, int last) {
    return std::accumulate(v.begin() + first, v.begin() + last + 1, 0.0) / (last - first + 1);
}

} // namespace

TEST(MovingAverage, GrowsSlidesAndShrinksForWindow33) {
    const auto in = series(256);
    const auto out = v2MovingAverager(in, 33).average();
    ASSERT_EQ(out.size(), 256u);
    EXPECT_EQ(out[0], in[0]);
    EXPECT_NEAR(out[1], meanOf(in, 0, 1), 1e-12);
    EXPECT_NEAR(out[16], meanOf(in, 0, 31), 1e-12);
    EXPECT_NEAR(out[17], meanOf(in, 0, 33), 1e-12);
    EXPECT_NEAR(out[239], meanOf(in, 222, 255), 1e-12);
    EXPECT_NEAR(out[240], meanOf(in, 223, 255), 1e-12);
    EXPECT_NEAR(out[254], meanOf(in, 251, 255), 1e-12);
    EXPECT_EQ(out[255], in[255]);
}

TEST(MovingAverage, EvenWindowsBecomeOddAndSmallOnesChangeNothing) {
    const auto in = series(40);
    EXPECT_EQ(v2MovingAverager(in, 2).average(), v2MovingAverager(in, 3).average());
    EXPECT_EQ(v2MovingAverager(in, 1).average(), in);
    EXPECT_EQ(v2MovingAverager(in, 0).average(), in);
    EXPECT_EQ(v2MovingAverager(in, -5).average(), in);
    EXPECT_EQ(v2MovingAverager({}, 33).average(), std::vector<double>{});
}

// Inputs longer than 256 and windows wider than the input used to write past
// the output: the output now has the input's length and the window fits.
TEST(MovingAverage, OutputMatchesInputLengthForAnyWindow) {
    for (const int n : {3, 4, 10, 255, 256, 300, 1000})
        for (const int w : {3, 33, 255, 256, 257, 999, 5000}) {
            const auto in = series(n);
            const auto out = v2MovingAverager(in, w).average();
            ASSERT_EQ(out.size(), in.size()) << n << " " << w;
            EXPECT_EQ(out.front(), in.front());
            EXPECT_EQ(out.back(), in.back());
        }
    // Window 33 over 300 samples: the sliding part now reaches index 283.
    const auto in = series(300);
    const auto out = v2MovingAverager(in, 33).average();
    EXPECT_NEAR(out[283], meanOf(in, 266, 299), 1e-12);
    EXPECT_NE(out[298], 0);
    // A window of the whole input is cut to the largest odd width below it.
    const auto small = series(10);
    EXPECT_EQ(v2MovingAverager(small, 99).average(), v2MovingAverager(small, 9).average());
}

TEST(SplineSmoother, SmoothsToTwoHundredFiftySixValuesEndingOnTheLastInput) {
    std::vector<double> lightness;
    for (int i = 0; i < 256; ++i) lightness.push_back(95 - 0.33 * i + ((i % 2) ? 0.8 : -0.8));
    const v2SplineSmoother smoother(lightness, 0.67);
    EXPECT_EQ(smoother.nPointsToSpline, 171);
    ASSERT_EQ(smoother.smoothedValues.size(), 256u);
    EXPECT_EQ(smoother.smoothedValues[255], lightness[255]);
    EXPECT_EQ(smoother.inputYPoints.front(), lightness.front());
    EXPECT_EQ(smoother.inputXPoints.size(), smoother.inputYPoints.size());
    EXPECT_EQ(smoother.inputXPoints.back(), 1);
    // The alternating noise of +-0.8 (jumps of 1.6 between neighbours) is
    // mostly gone, and the trend is kept.
    for (int i = 20; i < 230; ++i) {
        EXPECT_NEAR(smoother.smoothedValues[i], 95 - 0.33 * i, 1.0) << i;
        EXPECT_LT(std::fabs(smoother.smoothedValues[i + 1] - smoother.smoothedValues[i]), 0.9) << i;
    }
}

TEST(SplineSmoother, EveryStrengthTerminates) {
    const auto in = series(256);
    // Fraction 0 (slider at 100) used to give a stride of 0 and never end.
    for (const double fraction : {0.0, 0.001, 0.5, 1.0, 1.5, -1.0, std::nan("")}) {
        const v2SplineSmoother smoother(in, fraction);
        EXPECT_GE(smoother.nPointsToSpline, 2);
        EXPECT_LE(smoother.nPointsToSpline, 256);
        EXPECT_EQ(smoother.smoothedValues.size(), 256u);
    }
    const v2SplineSmoother strongest(in, 0.0);
    EXPECT_EQ(strongest.nPointsToSpline, 2);
    EXPECT_TRUE(v2SplineSmoother({}, 0.5).smoothedValues.empty());
}

// Too few samples for a mean of three still give the full 256 steps: the
// first value holds and the last step takes the last sample.
TEST(SplineSmoother, OneOrTwoSamplesGiveTwoHundredFiftySixValues) {
    std::vector<double> expected(256, 1);
    expected[255] = 2;
    const v2SplineSmoother two({1, 2}, 0.5);
    EXPECT_EQ(two.smoothedValues, expected);
    EXPECT_EQ(two.inputYPoints, std::vector<double>{1});
    EXPECT_EQ(v2SplineSmoother({7}, 0.67).smoothedValues, std::vector<double>(256, 7));
}

} // namespace curves
