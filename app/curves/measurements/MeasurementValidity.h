#pragma once
#include <optional>
#include <string>
#include <vector>

#include "app/curves/core/CIELab.h"

namespace curves {

// The smallest lightness range, white step minus black step, that a wedge
// must span to be linearized against: below it the correction is all noise.
inline constexpr double minimumLightnessRange = 5.0;

// Why measurements as read cannot be used, or nothing when they can: a value
// that is not a finite number, or an L* outside 0 to 100.
std::optional<std::string> unusableMeasurementReason(const std::vector<CIELab>& measured);

// Why the step values of a wedge (lightest first) cannot be linearized
// against, or nothing when they can: fewer than two steps, or a lightness
// range below minimumLightnessRange.
std::optional<std::string> unlinearizableStepsReason(const std::vector<CIELab>& steps);

} // namespace curves
