#pragma once
#include <vector>

namespace curves {

// Ink boost of the custom curve editor: raises ink curves in the midtones and
// shadows by a gamma-shaped factor that is 0 at the paper end and
// boost / 100 at the shadow end.
class MainBoost {
public:
    double ogInkLimit = 0;
    std::vector<std::vector<double>> inputInksArray;
    std::vector<std::vector<double>> outputInksArray;
    double OGInkLimitPercent = 0;
    int boostInput = 0;
    double boost = 0;
    double boostGammaAdj = 0;
    double boostCalc = 0;
    std::vector<double> boostStepArray;
    std::vector<double> originalValueArray;
    std::vector<double> inkSumBoost;
    std::vector<double> LGammaAdjusted256Array;
    std::vector<double> inkSumBoostStep1;

    MainBoost() { setUp(); }

    void setUp();
    // The boost factor per input level from `boost`.
    void computeInkSumBoost();
    // Each input curve's first 256 values c become c + c x factor.
    void applyBoost();
};

// Field records of the yellow and total ink-load variants of the boost; no
// operation uses them.
struct YellowBoost {
    double startingYellowLimit = 0;
    std::vector<double> yellowStarterCurve;
    double yellowLimitPercent = 0;
    int yellowBoostInput = 0;
    std::vector<std::vector<double>> yellowBoostedInks;
    double yellowBoost = 0;
    double yellowBoostGammaAdj = 0;
    double yellowBoostCalc = 0;
    int yellowStartStep = 0;
    std::vector<double> yellowStepArray;
    std::vector<double> yellowOriginalValueArray;
    std::vector<double> yellowBoostFactors;
    std::vector<double> yellowGammaAdjusted256Array;
    std::vector<double> yellowBoostStep1;
};

struct totalInkLoadBoost {
    std::vector<std::vector<double>> starterCurves;
    std::vector<std::vector<double>> boostedInks;
    double totalInkLoad = 0;
    double mainInkLoadBoost = 0;
};

} // namespace curves
