#pragma once
// The linearization screen's recomputation as it was computed before its
// searches replaced the scans and the grid walks: the straightforward form,
// kept beside the fast one so that tests can check the two agree to the last
// bit and the benchmark can time them side by side.
#include <vector>

#include "app/curves/core/CIELab.h"
#include "app/curves/linearization/LinearizationDataModel.h"

namespace reference {

// ZWInterpolateD's samples: every sample searches its segment and works out
// both tangents afresh.
std::vector<double> interpolate(const std::vector<double>& xs, const std::vector<double>& ys, bool spline, double step);

// CorrectionCurve::makeCorrectionCurve with a scan of the lightness as corrected
// (the scanning indexOfValue where it holds a value that is not finite).
std::vector<double> makeCorrectionCurve(const curves::CorrectionCurve& curve);

// BinaryLinearization's result: all 1024 points of every curve, searched
// point by point, then reduced to 256; curves read from their monotone cubic
// where BinaryLinearization reads them so.
std::vector<std::vector<double>> linearize(const std::vector<double>& correction,
                                           const std::vector<std::vector<double>>& quadCurves);

// v2LinearizationDataModel::correctMeasurements with a binary search of
// the copied steps for every value, reversed at the end.
std::vector<curves::CIELab> correctMeasurements(const std::vector<double>& stepArray,
                                                const std::vector<double>& correction,
                                                const std::vector<curves::CIELab>& smoothed);

// Moving average and spline smoothing, copying every window.
std::vector<double> movingAverage(const std::vector<double>& values, int window);
std::vector<double> splineSmooth(const std::vector<double>& values, double fraction);

// What one slider move recomputes: the smoothed channels, the correction,
// the corrected samples and the linearized curves of the loaded quad.
struct Recomputation {
    std::vector<std::vector<double>> smoothed;
    std::vector<double> correction;
    std::vector<curves::CIELab> corrected;
    std::vector<std::vector<double>> linearized;
};
Recomputation recompute(const curves::v2LinearizationDataModel& model);
// The same through the model itself.
Recomputation recomputeWithModel(curves::v2LinearizationDataModel& model);

// Whether two lists hold the same doubles bit for bit.
bool sameBits(const std::vector<double>& x, const std::vector<double>& y);
bool sameBits(const std::vector<std::vector<double>>& x, const std::vector<std::vector<double>>& y);
bool sameBits(const std::vector<curves::CIELab>& x, const std::vector<curves::CIELab>& y);
bool sameBits(const Recomputation& x, const Recomputation& y);

} // namespace reference
