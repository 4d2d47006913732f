#pragma once
#include <vector>

namespace curves {

// The custom curve editor's gamma ramp: a straight 0 to 1 ramp raised to
// 1 / gamma, as percentages 0 to 100.
class QuadGammaAdjustD {
public:
    std::vector<std::vector<double>> inputValues;
    std::vector<std::vector<double>> outputValues;
    double gammaAdjustment = 1;
    std::vector<double> ramp;

    std::vector<double> adjust();
};

} // namespace curves
