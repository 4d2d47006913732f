#pragma once
#include <vector>

namespace curves {

// Smooths a channel by a spline through means of three neighbours taken at a
// regular stride; `smoothedValues` holds 256 values ending at the input's
// last value.
class v2SplineSmoother {
public:
    std::vector<double> inputArrayToSmooth;
    int nPointsToSpline = 0;
    std::vector<double> inputXPoints;
    std::vector<double> inputYPoints;
    std::vector<double> smoothedValues;

    // `fraction` of the input count gives the number of spline points, kept
    // between 2 and the input count so that the stride is at least 1. Any
    // non-empty input gives 256 values; an empty one gives none.
    v2SplineSmoother(std::vector<double> input, double fraction);
};

} // namespace curves
