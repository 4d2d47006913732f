#include "app/curves/CorrectionExport.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "app/curves/AcvCurveFit.h"

namespace curves {

std::vector<double> imageSpaceCurve(const std::vector<double>& correction) {
    std::vector<double> image;
    image.reserve(correction.size());
    for (auto c = correction.rbegin(); c != correction.rend(); ++c) image.push_back(std::fabs(*c - 100));
    return image;
}

namespace {

// The file's levels for the image curve's percentages, kept to 0 to 255 as a
// reader keeps its curve; nothing unless the curve has a finite value at
// every level.
std::optional<std::vector<double>> targetLevels(const std::vector<double>& imageCurve) {
    if (imageCurve.size() != acv::levelCount) return std::nullopt;
    std::vector<double> levels;
    levels.reserve(imageCurve.size());
    for (const double y : imageCurve) {
        if (!std::isfinite(y)) return std::nullopt;
        levels.push_back(std::clamp(y / 100 * acv::topLevel, 0.0, double(acv::topLevel)));
    }
    return levels;
}

// Every 18th level from level 1 on, each taken when it keeps apart from the
// last point taken and, at the end, from the fixed (255, 255).
std::vector<acv::Knot> evenSamples(const std::vector<double>& imageCurve) {
    std::vector<acv::Knot> knots{{0, 0}};
    for (std::size_t input = 1;; input += 18) {
        if (input < imageCurve.size() && std::isfinite(imageCurve[input])) {
            // Truncated toward zero, as the levels of the file are whole, and
            // kept to the levels there are.
            const double v = std::trunc(std::clamp(imageCurve[input] / 100 * 255, -255.0, 255.0));
            const acv::Knot sample{static_cast<int>(input), static_cast<int>(std::fabs(v))};
            // The rule compares the output as computed, before its sign is dropped.
            if (std::fabs(knots.back().output - v) > 3 && sample.input - knots.back().input > 3)
                knots.push_back(sample);
        }
        if (input >= 237) break;
    }
    const acv::Knot end{acv::topLevel, acv::topLevel};
    while (knots.size() > 1 && !acv::keepsApart(knots.back(), end)) knots.pop_back();
    knots.push_back(end);
    return knots;
}

} // namespace

PhotoshopCurve_UInt16 makeAcvCurvePoints(const std::vector<double>& imageCurve) {
    auto knots = evenSamples(imageCurve);
    // Placing points can only help where the fixed end points lie on the
    // curve; a curve that starts or ends elsewhere keeps its even samples.
    if (const auto target = targetLevels(imageCurve);
        target && target->front() <= acvTolerance && target->back() >= acv::topLevel - acvTolerance) {
        const auto reachable = acv::reachableLevels(*target, acvTolerance);
        const auto even = acv::fitOf(acv::drawnCurve(knots), *target, reachable);
        if (!even.within(acvTolerance)) {
            auto placed = acv::placeKnots(*target, acvTolerance);
            if (acv::fitOf(acv::drawnCurve(placed), *target, reachable).betterThan(even)) knots = std::move(placed);
        }
    }
    PhotoshopCurve_UInt16 curve;
    curve.compCurvePoints.clear();
    for (const auto& knot : knots)
        curve.compCurvePoints.emplace_back(static_cast<std::uint16_t>(knot.output),
                                           static_cast<std::uint16_t>(knot.input));
    return curve;
}

} // namespace curves
