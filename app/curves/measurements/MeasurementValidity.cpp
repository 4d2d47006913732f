#include "app/curves/measurements/MeasurementValidity.h"

#include <cmath>

#include "platform/NumberText.h"

namespace curves {

std::optional<std::string> unusableMeasurementReason(const std::vector<CIELab>& measured) {
    for (std::size_t i = 0; i < measured.size(); ++i) {
        const auto& lab = measured[i];
        const std::string which = "Measurement " + std::to_string(i + 1) + " " + lab.debugDescription();
        if (!std::isfinite(lab.L) || !std::isfinite(lab.a) || !std::isfinite(lab.b))
            return which + " holds a value that is not a finite number.";
        if (lab.L < 0 || lab.L > 100) return which + " has an L* outside 0 to 100.";
    }
    return std::nullopt;
}

std::optional<std::string> unlinearizableStepsReason(const std::vector<CIELab>& steps) {
    if (steps.size() < 2) return "Fewer than two steps were measured.";
    const double range = steps.front().L - steps.back().L;
    if (!(range >= minimumLightnessRange))
        return "The wedge runs from L* " + platform::shortestDecimalText(steps.front().L) + " to L* " +
               platform::shortestDecimalText(steps.back().L) + ": a range below " +
               platform::shortestDecimalText(minimumLightnessRange) + " L* is too small to linearize against.";
    return std::nullopt;
}

} // namespace curves
