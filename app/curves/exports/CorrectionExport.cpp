#include "app/curves/exports/CorrectionExport.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "app/curves/exports/AcvCurveFit.h"

namespace curves {

std::vector<double> imageSpaceCurve(const std::vector<double>& correction) {
    std::vector<double> image;
    image.reserve(correction.size());
    for (auto c = correction.rbegin(); c != correction.rend(); ++c) image.push_back(std::fabs(*c - 100));
    return image;
}

namespace {

// How far from the fixed end points (0, 0) and (255, 255) the curve's own
// ends may lie for placed points to follow it.
constexpr int endSlack = 2;

// The image curve's values as the .cube table holds them (fractions of 1);
// nothing unless the curve has a finite value at every level.
std::optional<std::vector<double>> tableFractions(const std::vector<double>& imageCurve) {
    if (imageCurve.size() != acv::levelCount) return std::nullopt;
    std::vector<double> fractions;
    fractions.reserve(imageCurve.size());
    for (const double y : imageCurve) {
        if (!std::isfinite(y)) return std::nullopt;
        fractions.push_back(y / 100);
    }
    return fractions;
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
            if (std::fabs(knots.back().output - v) >= acv::closestSpacing &&
                sample.input - knots.back().input >= acv::closestSpacing)
                knots.push_back(sample);
        }
        if (input >= 237) break;
    }
    acv::endAtTheTop(knots);
    return knots;
}

} // namespace

PhotoshopCurve_UInt16 makeAcvCurvePoints(const std::vector<double>& imageCurve) {
    auto knots = evenSamples(imageCurve);
    // Placing points can only help where the fixed end points lie on the
    // curve; a curve that starts or ends elsewhere keeps its even samples.
    if (const auto fractions = tableFractions(imageCurve);
        fractions && acv::tableLevel(fractions->front()) <= endSlack &&
        acv::tableLevel(fractions->back()) >= acv::topLevel - endSlack) {
        const auto table = acv::tableLevels(*fractions);
        const auto even = acv::fitOf(acv::drawnLevels(knots), table);
        // Placed points are taken only when they come more than a level
        // closer (below): within 2 levels, only points that a reader draws
        // through every level exactly would be, and no search over legal
        // curves comes that close to a measured correction. Placing them
        // then (a good part of a second) would only be thrown away.
        if (even.reversals > 0 || even.worst > 2) {
            auto placed = acv::placeKnots(*fractions);
            const auto fit = acv::fitOf(acv::drawnLevels(placed), table);
            // The even samples stay where they come within a level of the
            // placed points and fall nowhere the curve does not.
            if (fit.reversals < even.reversals || (fit.reversals == even.reversals && fit.worst + 1 < even.worst))
                knots = std::move(placed);
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
