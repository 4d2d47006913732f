#pragma once
#include <vector>

#include "app/curves/exports/AcvCurveFit.h"

namespace curves::previous_acv {

using acv::Knot;

// The points the previous fit placed for `target` (256 levels) within
// `tolerance` levels (2.5, as the export used it).
std::vector<Knot> placeKnots(const std::vector<double>& target, double tolerance);

} // namespace curves::previous_acv
