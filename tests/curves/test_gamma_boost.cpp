#include <gtest/gtest.h>

#include <cmath>

#include "app/curves/linearization/MainBoost.h"
#include "app/curves/linearization/QuadGammaAdjust.h"

namespace curves {

TEST(GammaAdjust, GammaOneIsStraightAndGammaTwoIsSquareRoot) {
    QuadGammaAdjustD gamma;
    gamma.gammaAdjustment = 1;
    const auto straight = gamma.adjust();
    ASSERT_EQ(straight.size(), 256u);
    for (int i = 0; i < 256; ++i) EXPECT_NEAR(straight[i], i * 100.0 / 255, 1e-12);

    gamma.gammaAdjustment = 2;
    gamma.ramp = {0, 0.25, 1};
    EXPECT_EQ(gamma.adjust(), (std::vector<double>{0, 50, 100}));

    // Gamma 0 must not stop the program.
    gamma.gammaAdjustment = 0;
    gamma.ramp.clear();
    const auto flat = gamma.adjust();
    EXPECT_EQ(flat.front(), 0);
    EXPECT_EQ(flat.back(), 100);
}

TEST(InkBoost, FactorRisesFromZeroToBoostOverHundred) {
    MainBoost boost;
    EXPECT_EQ(boost.boostGammaAdj, 2);
    EXPECT_EQ(boost.originalValueArray.front(), 1);
    EXPECT_EQ(boost.originalValueArray.back(), 0);
    boost.boost = 50;
    boost.computeInkSumBoost();
    EXPECT_DOUBLE_EQ(boost.boostGammaAdj, 3);
    ASSERT_EQ(boost.inkSumBoost.size(), 256u);
    EXPECT_EQ(boost.inkSumBoost.front(), 0);
    EXPECT_DOUBLE_EQ(boost.inkSumBoost.back(), 0.5);
    // Level 128: |(127/255)^(1/3) x 100 - 100| x 0.5 x (128 x 100/255) / 10000.
    const double level = std::fabs(std::pow(1 - 128.0 / 255, 1.0 / 3) * 100 - 100) * 0.5 * (128 * 100.0 / 255) / 10000;
    EXPECT_NEAR(boost.inkSumBoost[128], level, 1e-12);
}

TEST(InkBoost, BoostsTheFirstTwoHundredFiftySixValues) {
    MainBoost boost;
    std::vector<double> longCurve(300, 1000);
    boost.inputInksArray = {longCurve, std::vector<double>(256, 0)};
    boost.boost = 50;
    boost.computeInkSumBoost();
    boost.applyBoost();
    ASSERT_EQ(boost.outputInksArray.size(), 2u);
    ASSERT_EQ(boost.outputInksArray[0].size(), 256u);
    EXPECT_EQ(boost.outputInksArray[0][0], 1000);
    EXPECT_DOUBLE_EQ(boost.outputInksArray[0][255], 1500);
    EXPECT_EQ(boost.outputInksArray[1], std::vector<double>(256, 0));

    boost.boost = 0;
    boost.computeInkSumBoost();
    boost.applyBoost();
    EXPECT_EQ(boost.outputInksArray[0], std::vector<double>(256, 1000));

    // Fewer factors than values: the rest keep their value.
    boost.boost = 50;
    boost.computeInkSumBoost();
    boost.inkSumBoost.resize(10);
    boost.applyBoost();
    EXPECT_EQ(boost.outputInksArray[0][255], 1000);
}

} // namespace curves
