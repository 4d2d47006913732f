#include "app/curves/linearization/MainBoost.h"

#include <algorithm>
#include <cmath>

#include "Numerics/Numerics.h"
#include "app/curves/math/Resampling.h"

namespace curves {

void MainBoost::setUp() {
    boost = boostInput;
    boostGammaAdj = boostInput * 0.02 + 2;
    boostCalc = 1 / boostGammaAdj;
    originalValueArray = linspace(256, 1, 0);
    boostStepArray = linspace(256, 0, 100);
    OGInkLimitPercent = ogInkLimit / 65535;
}

void MainBoost::computeInkSumBoost() {
    boostGammaAdj = boost * 0.02 + 2;
    boostCalc = 1 / boostGammaAdj;
    LGammaAdjusted256Array = numerics::pow(originalValueArray, boostCalc);
    for (auto& v : LGammaAdjusted256Array) v = std::fabs(v * 100 - 100);
    inkSumBoostStep1 = LGammaAdjusted256Array;
    for (auto& v : inkSumBoostStep1) v = v * (boost / 100);
    const std::size_t n = std::min(inkSumBoostStep1.size(), boostStepArray.size());
    inkSumBoost.assign(n, 0.0);
    for (std::size_t i = 0; i < n; ++i) inkSumBoost[i] = inkSumBoostStep1[i] * boostStepArray[i] / 10000;
}

void MainBoost::applyBoost() {
    outputInksArray.clear();
    for (const auto& curve : inputInksArray) {
        std::vector<double> boosted(curve.begin(), curve.begin() + std::min<std::size_t>(curve.size(), 256));
        // Levels without a boost factor keep their value.
        const std::size_t n = std::min(boosted.size(), inkSumBoost.size());
        for (std::size_t i = 0; i < n; ++i) boosted[i] = boosted[i] * inkSumBoost[i] + boosted[i];
        outputInksArray.push_back(std::move(boosted));
    }
}

} // namespace curves
