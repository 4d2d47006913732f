#include "app/curves/AcvCurveFit.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>

#include "app/curves/Tridiagonal.h"

namespace curves::acv {

bool keepsApart(const Knot& left, const Knot& right) {
    return right.input - left.input > 3 && std::abs(right.output - left.output) > 3;
}

std::vector<double> drawnCurve(const std::vector<Knot>& knots) {
    const std::size_t n = knots.size();
    if (n < 2) return {};
    // The bends at the inner points (second derivatives; none at the ends)
    // make the first derivative continuous across every inner point.
    std::vector<double> h(n - 1);
    for (std::size_t i = 0; i + 1 < n; ++i) h[i] = knots[i + 1].input - knots[i].input;
    std::vector<double> bend(n, 0.0);
    if (n > 2) {
        const std::size_t inner = n - 2;
        std::vector<double> below(inner), diagonal(inner), above(inner), rhs(inner);
        for (std::size_t k = 0; k < inner; ++k) {
            const std::size_t i = k + 1;
            below[k] = h[i - 1];
            diagonal[k] = 2 * (h[i - 1] + h[i]);
            above[k] = h[i];
            rhs[k] = 6 * ((knots[i + 1].output - knots[i].output) / h[i] -
                          (knots[i].output - knots[i - 1].output) / h[i - 1]);
        }
        const auto solved = solveTridiagonal(std::move(below), std::move(diagonal), above, std::move(rhs));
        std::copy(solved.begin(), solved.end(), bend.begin() + 1);
    }

    std::vector<double> curve(levelCount);
    std::size_t piece = 0;
    for (int x = 0; x <= topLevel; ++x) {
        double y = 0;
        if (x <= knots.front().input) {
            y = knots.front().output;
        } else if (x >= knots.back().input) {
            y = knots.back().output;
        } else {
            while (knots[piece + 1].input < x) ++piece;
            const double a = (knots[piece + 1].input - x) / h[piece];
            const double b = 1 - a;
            y = a * knots[piece].output + b * knots[piece + 1].output +
                ((a * a * a - a) * bend[piece] + (b * b * b - b) * bend[piece + 1]) * h[piece] * h[piece] / 6;
        }
        curve[static_cast<std::size_t>(x)] = std::clamp(y, 0.0, static_cast<double>(topLevel));
    }
    return curve;
}

bool keepsItsLevel(int input) {
    // input / 255 to six decimals rounds up (or is exact) exactly when the
    // remainder of input x 10^6 / 255 is 0 or at least half of 255; rounded
    // up, the fraction exceeds the level by far more than the rounding of
    // doubles, so it reads back at or above its level.
    const long long remainder = static_cast<long long>(input) * 1000000 % topLevel;
    return remainder == 0 || 2 * remainder >= topLevel;
}

Fit fitOf(const std::vector<double>& drawn, const std::vector<double>& target) {
    Fit fit;
    if (drawn.size() < target.size()) {
        fit.worstDifference = std::numeric_limits<double>::infinity();
        return fit;
    }
    for (std::size_t x = 0; x < target.size(); ++x) {
        fit.worstDifference = std::max(fit.worstDifference, std::fabs(drawn[x] - target[x]));
        // A fall by rounding noise is no reversal.
        if (x > 0 && drawn[x] < drawn[x - 1] - 1e-9 && target[x] >= target[x - 1]) ++fit.reversals;
    }
    return fit;
}

namespace {

struct Placement {
    std::vector<Knot> knots;
    Fit fit;
};

Fit fitOfKnots(const std::vector<Knot>& knots, const std::vector<double>& target) {
    return fitOf(drawnCurve(knots), target);
}

int levelNear(double value) { return static_cast<int>(std::lround(std::clamp(value, 0.0, double(topLevel)))); }

// The knots with one more, or nothing when it would not keep apart from its
// neighbours.
std::optional<std::vector<Knot>> withKnot(const std::vector<Knot>& knots, const Knot& added) {
    const auto at = std::find_if(knots.begin(), knots.end(), [&](const Knot& k) { return k.input >= added.input; });
    if (at == knots.begin() || at == knots.end() || !keepsApart(*(at - 1), added) || !keepsApart(added, *at))
        return std::nullopt;
    std::vector<Knot> result(knots.begin(), at);
    result.push_back(added);
    result.insert(result.end(), at, knots.end());
    return result;
}

// The inner knot i moved, or nothing when it would leave 0 to 255 or come
// too close to a neighbour.
std::optional<std::vector<Knot>> withKnotMoved(const std::vector<Knot>& knots, std::size_t i, const Knot& moved) {
    if (moved.input <= 0 || moved.input >= topLevel || moved.output < 0 || moved.output > topLevel) return std::nullopt;
    if (!keepsApart(knots[i - 1], moved) || !keepsApart(moved, knots[i + 1])) return std::nullopt;
    auto result = knots;
    result[i] = moved;
    return result;
}

// The input `steps` levels that keep their level away from `input`, in the
// direction's sense; 0 when the edge comes first.
int inputSteppedBy(int input, int direction, int steps) {
    while (steps > 0) {
        input += direction;
        if (input <= 0 || input >= topLevel) return 0;
        if (keepsItsLevel(input)) --steps;
    }
    return input;
}

// Adds, one at a time, the knot on the target that improves the fit most,
// until the fit is within the tolerance or no knot can be added.
Placement addKnots(const std::vector<double>& target, double tolerance) {
    Placement placement{{{0, 0}, {topLevel, topLevel}}, {}};
    placement.fit = fitOfKnots(placement.knots, target);
    while (!placement.fit.within(tolerance) && placement.knots.size() < maximumKnots) {
        std::optional<Placement> next;
        for (int input = 1; input < topLevel; ++input) {
            if (!keepsItsLevel(input)) continue;
            auto knots = withKnot(placement.knots, {input, levelNear(target[static_cast<std::size_t>(input)])});
            if (!knots) continue;
            const auto fit = fitOfKnots(*knots, target);
            if (!next || fit.betterThan(next->fit)) next = Placement{std::move(*knots), fit};
        }
        if (!next) break;
        // Taken even when it does not help at once: each knot gives the
        // moves below more to work with.
        placement = std::move(*next);
    }
    return placement;
}

// Moves inner knots by a few levels in input or output, keeping each move
// that improves the fit, until none does, the fit is within the tolerance or
// the trials are spent.
void moveKnots(Placement& placement, const std::vector<double>& target, double tolerance) {
    int trials = 6000;
    bool improved = true;
    while (improved && !placement.fit.within(tolerance) && trials > 0) {
        improved = false;
        for (std::size_t i = 1; i + 1 < placement.knots.size(); ++i) {
            for (const int step : {4, 2, 1}) {
                const Knot knot = placement.knots[i];
                const Knot moves[] = {{inputSteppedBy(knot.input, -1, step), knot.output},
                                      {inputSteppedBy(knot.input, 1, step), knot.output},
                                      {knot.input, knot.output - step},
                                      {knot.input, knot.output + step}};
                for (const auto& move : moves) {
                    auto knots = withKnotMoved(placement.knots, i, move);
                    if (!knots) continue;
                    --trials;
                    const auto fit = fitOfKnots(*knots, target);
                    if (fit.betterThan(placement.fit)) {
                        placement = {std::move(*knots), fit};
                        improved = true;
                        break;
                    }
                }
            }
        }
    }
}

} // namespace

std::vector<Knot> placeKnots(const std::vector<double>& target, double tolerance) {
    auto placement = addKnots(target, tolerance);
    moveKnots(placement, target, tolerance);
    return placement.knots;
}

} // namespace curves::acv
