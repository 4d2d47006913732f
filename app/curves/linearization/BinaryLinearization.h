#pragma once
#include <cstddef>
#include <vector>

#include "app/curves/math/Resampling.h"

namespace curves {

// The last index whose element is <= value in an ascending list (an equal
// element met on the way is returned at once); 0 below the first element and
// for an empty list.
std::size_t binarySearchIndex(const std::vector<double>& values, double value);

// Applies a correction curve (256 input positions, 0 to 100) to ink curves
// (256 quad values each): every curve is expanded to 1024 points, read at
// the positions the correction asks for and reduced back to 256 values.
// Both are expanded by their spline, except where the spline would turn a
// curve that never falls into one that goes back: a correction whose spline
// would ask for positions that go back, or a channel that would be written
// falling, is expanded by its monotone cubic instead, so that a channel that
// never falls is never written falling.
class BinaryLinearization {
public:
    int stepIndexForLin = 1;
    std::vector<std::vector<double>> quadToLinearize;
    std::vector<double> targetArray;
    std::vector<std::vector<double>> linearizedOutputQuadArray;
    std::vector<double> stepArray;
    std::vector<double> step256;
    std::vector<double> stepArray1024;

    BinaryLinearization(std::vector<double> correctionCurve, std::vector<std::vector<double>> quadCurves);

    // Every curve on the 1024-point grid, read at the positions the target
    // asks for.
    std::vector<std::vector<double>> linearize(const std::vector<std::vector<double>>& quadCurves,
                                               const std::vector<double>& target) const;
    static std::vector<std::vector<double>> reduceTo256(const std::vector<std::vector<double>>& curves);
    // reduceTo256(linearize(quadCurves, target)) to the last bit, working out
    // only the 256 grid points the reduction keeps and reading each curve only
    // where those points need it: what linearizedOutputQuadArray holds, for
    // callers that need no copies of the inputs.
    static std::vector<std::vector<double>> linearizeTo256(const std::vector<std::vector<double>>& quadCurves,
                                                           const std::vector<double>& target);

    // The grid index binarySearchIndex finds for a position on the 1024 grid
    // (0 ... 100), worked out from the grid's step and checked against it.
    std::size_t gridIndexOf(double position) const;

private:
    std::vector<double> resampleTo1024(const std::vector<double>& curve,
                                       KeyframeCurve::Shape shape = KeyframeCurve::Shape::spline) const;
};

} // namespace curves
