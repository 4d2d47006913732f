#include <gtest/gtest.h>

#include <cmath>

#include "app/curves/linearization/BinaryLinearization.h"

namespace curves {

namespace {

std::vector<double> straightCorrection() {
    std::vector<double> c;
    for (int i = 0; i < 256; ++i) c.push_back(i * 100.0 / 255);
    return c;
}

std::vector<double> rampTo(double limit) {
    std::vector<double> c;
    for (int i = 0; i < 256; ++i) c.push_back(i * limit / 255);
    return c;
}

} // namespace

TEST(BinarySearchIndex, FindsTheLastStepAtOrBelow) {
    const std::vector<double> steps{0, 5, 10, 15};
    EXPECT_EQ(binarySearchIndex(steps, 7.4), 1u);
    EXPECT_EQ(binarySearchIndex(steps, 10), 2u);
    EXPECT_EQ(binarySearchIndex(steps, -3), 0u);
    EXPECT_EQ(binarySearchIndex(steps, 20), 3u);
    EXPECT_EQ(binarySearchIndex({}, 5), 0u);
    EXPECT_EQ(binarySearchIndex(steps, std::nan("")), 0u);
}

TEST(BinaryLinearization, BuildsItsGrids) {
    const BinaryLinearization lin(straightCorrection(), {});
    ASSERT_EQ(lin.stepArray.size(), 256u);
    EXPECT_NEAR(lin.stepArray.back(), 99.999999989, 1e-9);
    EXPECT_EQ(lin.step256, lin.stepArray);
    ASSERT_EQ(lin.stepArray1024.size(), 1024u);
    EXPECT_DOUBLE_EQ(lin.stepArray1024[1], 0.09775171065493646);
    EXPECT_TRUE(lin.linearizedOutputQuadArray.empty());
    EXPECT_EQ(lin.stepIndexForLin, 1);
}

TEST(BinaryLinearization, StraightCorrectionKeepsTheCurve) {
    const auto ramp = rampTo(13762);
    const BinaryLinearization lin(straightCorrection(), {ramp, std::vector<double>(256, 0)});
    ASSERT_EQ(lin.linearizedOutputQuadArray.size(), 2u);
    const auto& out = lin.linearizedOutputQuadArray[0];
    ASSERT_EQ(out.size(), 256u);
    EXPECT_EQ(out.front(), 0);
    // Output b reads the 1024-point curve at 4b + 4: about one step ahead.
    for (int b = 1; b < 255; ++b) EXPECT_NEAR(out[b], (4 * b + 4) / 1024.0 * 13762, 20) << b;
    EXPECT_NEAR(out[255], 1023 / 1024.0 * 13762, 1e-6);
    EXPECT_EQ(lin.linearizedOutputQuadArray[1], std::vector<double>(256, 0));
}

TEST(BinaryLinearization, ReadsTheCurveWhereTheCorrectionPoints) {
    // Half the input everywhere: the result follows the ramp at half speed.
    std::vector<double> half;
    for (int i = 0; i < 256; ++i) half.push_back(i * 50.0 / 255);
    const BinaryLinearization lin(half, {rampTo(65535)});
    const auto& out = lin.linearizedOutputQuadArray[0];
    EXPECT_NEAR(out[128], 65535 * 0.25, 200);
    EXPECT_LT(out[254], 65535 * 0.51);
}

// Values outside 0 to 100 (spline overshoot or a bad curve) used to index
// past the grid and extrapolate with 1023 as an ink value.
TEST(BinaryLinearization, OutOfRangeCorrectionValuesAreClamped) {
    std::vector<double> wild = straightCorrection();
    for (int i = 200; i < 256; ++i) wild[i] = 180;
    for (int i = 1; i < 20; ++i) wild[i] = -40;
    const auto ramp = rampTo(30000);
    const BinaryLinearization lin(wild, {ramp});
    const auto& out = lin.linearizedOutputQuadArray[0];
    for (int b = 205; b < 255; ++b) EXPECT_NEAR(out[b], ramp.back(), 100) << b;
    for (int b = 2; b < 18; ++b) EXPECT_NEAR(out[b], 0, 1e-9) << b;
    for (const double v : out) {
        EXPECT_GE(v, -1e-9);
        EXPECT_LE(v, 30000 + 100);
    }
}

TEST(BinaryLinearization, ShortCurvesAndReductionDoNotFail) {
    const BinaryLinearization lin(straightCorrection(), {{}, {500}, {0, 1000, 2000}});
    ASSERT_EQ(lin.linearizedOutputQuadArray.size(), 3u);
    for (const auto& curve : lin.linearizedOutputQuadArray) EXPECT_EQ(curve.size(), 256u);
    EXPECT_EQ(lin.linearizedOutputQuadArray[0], std::vector<double>(256, 0));
    EXPECT_EQ(lin.linearizedOutputQuadArray[1][100], 500);
    const BinaryLinearization noCorrection({}, {rampTo(100)});
    EXPECT_EQ(noCorrection.linearizedOutputQuadArray.size(), 1u);

    std::vector<double> indices(1024);
    for (int i = 0; i < 1024; ++i) indices[i] = i;
    const auto reduced = BinaryLinearization::reduceTo256({indices});
    EXPECT_EQ(reduced[0][0], 0);
    EXPECT_EQ(reduced[0][1], 8);
    EXPECT_EQ(reduced[0][254], 1020);
    EXPECT_EQ(reduced[0][255], 1023);
    EXPECT_TRUE(BinaryLinearization::reduceTo256({}).empty());
}

} // namespace curves
