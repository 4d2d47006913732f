#pragma once
#include <cstddef>
#include <optional>
#include <vector>

namespace curves {

// The correction of one linearization. "Densities" here are L* values,
// falling from paper white to the darkest step. The correction curve gives,
// for each output step, the input position (0 to 100) whose measured
// lightness equals the target lightness of that step.
class CorrectionCurve {
public:
    std::vector<double> measuredDensities;
    std::vector<double> smoothedMeasuredDensities;
    std::vector<double> interpolatedMeasuredDensities;
    std::vector<double> interpolatedSmoothedDensities;
    std::vector<double> densitiesToCorrect;
    std::vector<double> manualTargetInputArray;
    std::vector<double> linearTargetArray;
    std::vector<double> finalTargetArray;
    std::vector<double> manualTargetArray;
    std::optional<std::vector<double>> correctionCurveArray;
    double slope = 0;
    double intercept = 0;

    // The bracketing steps of a lightness: (index of the lighter step, the
    // other value, the base value), the base being the lighter one.
    struct Bracket {
        std::size_t index = 0;
        double other = 0;
        double base = 0;
    };

    // 256 lightness values in equal steps from the first to the last density;
    // sets intercept and slope (per percent of input).
    std::vector<double> makeLinearTarget(const std::vector<double>& densities);

    static double nearestValue(const std::vector<double>& values, double x);
    static Bracket indexOfValue(const std::vector<double>& values, double x);

    // The smoothed lightness as the correction uses it: where it rises again
    // (falls again, for a list that runs from dark to light), its least-squares
    // fit that never does; a list that keeps to its direction, or that holds
    // a value that is not finite, as it is.
    static std::vector<double> lightnessToCorrect(const std::vector<double>& smoothed);

    // One input position per target value: 0 first, 100 last, made from
    // lightnessToCorrect(densitiesToCorrect), so that targets that never
    // turn back give positions that never go back. Fewer than two target
    // values, or no densities, give an empty curve.
    std::vector<double> makeCorrectionCurve() const;
};

} // namespace curves
