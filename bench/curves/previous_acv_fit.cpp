// The .acv fit the export used before the current one (app/curves/
// AcvCurveFit), kept as it was to be timed beside it: points on the target
// added where they help most and moved a level at a time, judged by a model
// of the drawn curve at the levels a bend rule deems reachable.
#include "bench/curves/previous_acv_fit.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>

#include "app/curves/math/Tridiagonal.h"

namespace curves::previous_acv {

using acv::closestSpacing;
using acv::keepsApart;
using acv::levelCount;
using acv::maximumKnots;
using acv::pointTolerance;
using acv::topLevel;

namespace {

// How closely a drawn curve follows a target, both over levels 0 to 255.
struct Fit {
    int reversals = 0;            // steps where the drawn curve falls while the target does not
    double worstDifference = 0.0; // the greatest level difference at any input
    double squaredDifferences = 0.0;

    bool within(double tolerance) const { return reversals == 0 && worstDifference <= tolerance; }
    // Fewer reversals, then a smaller worst difference, then, at the same
    // worst, smaller differences elsewhere: a point that brings the rest of
    // the curve closer leaves the search more room for the worst spot.
    bool betterThan(const Fit& other) const {
        if (reversals != other.reversals) return reversals < other.reversals;
        if (std::fabs(worstDifference - other.worstDifference) > 1e-9) return worstDifference < other.worstDifference;
        return squaredDifferences < other.squaredDifferences;
    }
};

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

Fit fitOf(const std::vector<double>& drawn, const std::vector<double>& target, const std::vector<bool>& judged = {}) {
    Fit fit;
    if (drawn.size() < target.size()) {
        fit.worstDifference = std::numeric_limits<double>::infinity();
        return fit;
    }
    for (std::size_t x = 0; x < target.size(); ++x) {
        if (judged.empty() || (x < judged.size() && judged[x])) {
            const double difference = std::fabs(drawn[x] - target[x]);
            fit.worstDifference = std::max(fit.worstDifference, difference);
            fit.squaredDifferences += difference * difference;
        }
        // A fall by rounding noise is no reversal.
        if (x > 0 && drawn[x] < drawn[x - 1] - 1e-9 && target[x] >= target[x - 1]) ++fit.reversals;
    }
    return fit;
}

std::vector<bool> reachableLevels(const std::vector<double>& target, double tolerance) {
    const std::size_t n = target.size();
    std::vector<bool> reachable(n, true);
    if (n < 3) return reachable;
    auto pinned = target;
    pinned.front() = 0;
    pinned.back() = topLevel;
    const auto spacing = static_cast<std::size_t>(closestSpacing);
    for (std::size_t x = 1; x + 1 < n; ++x) {
        const double bend = pinned[x + 1] - 2 * pinned[x] + pinned[x - 1];
        // The drawn curve leaves its end points without a bend, so next to
        // them it cannot bend as sharply as elsewhere.
        const bool nearEnd = x <= spacing || x + spacing >= n - 1;
        const double sharpest = (nearEnd ? 1 : 3) * tolerance;
        if (std::fabs(bend) <= sharpest) continue;
        // A spline passes a disturbance at one point on to the next points
        // shrunk by 2 + sqrt(3) each: a bend many times the sharpest reaches
        // a spacing farther for each such factor.
        const double factors = std::log(std::fabs(bend) / sharpest) / std::log(2 + std::sqrt(3.0));
        const std::size_t reach = spacing * (1 + static_cast<std::size_t>(factors));
        for (std::size_t at = x > reach ? x - reach : 0; at <= std::min(n - 1, x + reach); ++at) reachable[at] = false;
    }
    return reachable;
}

struct Placement {
    std::vector<Knot> knots;
    Fit fit;
};

// The target and the levels at which the drawn curve is held to it.
struct Goal {
    const std::vector<double>& target;
    std::vector<bool> judged;
    double tolerance;
};

Fit fitOfKnots(const std::vector<Knot>& knots, const Goal& goal) {
    return fitOf(drawnCurve(knots), goal.target, goal.judged);
}

// Whether a point lies close enough to the target at its own input.
bool onTarget(const Knot& knot, const std::vector<double>& target) {
    return std::fabs(knot.output - target[static_cast<std::size_t>(knot.input)]) <= pointTolerance;
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

// The inner knot i moved, or nothing when it would leave 0 to 255, leave the
// target or come too close to a neighbour.
std::optional<std::vector<Knot>> withKnotMoved(const std::vector<Knot>& knots, std::size_t i, const Knot& moved,
                                               const std::vector<double>& target) {
    if (moved.input <= 0 || moved.input >= topLevel || moved.output < 0 || moved.output > topLevel) return std::nullopt;
    if (!onTarget(moved, target)) return std::nullopt;
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
// Which of two fits an added knot is chosen by.
using Preference = bool (*)(const Fit& candidate, const Fit& best);

bool smallerWorst(const Fit& candidate, const Fit& best) { return candidate.betterThan(best); }

// Fewer reversals, then smaller differences overall: spreads the knots over
// the whole curve instead of chasing its worst spot.
bool smallerOverall(const Fit& candidate, const Fit& best) {
    if (candidate.reversals != best.reversals) return candidate.reversals < best.reversals;
    return candidate.squaredDifferences < best.squaredDifferences;
}

// The knots with the one more knot on the target that the preference likes
// best, or nothing when no knot can be added.
std::optional<Placement> withBestKnot(const std::vector<Knot>& knots, const Goal& goal, Preference preferred) {
    std::optional<Placement> best;
    for (int input = 1; input < topLevel; ++input) {
        if (!keepsItsLevel(input)) continue;
        auto more = withKnot(knots, {input, levelNear(goal.target[static_cast<std::size_t>(input)])});
        if (!more) continue;
        const auto fit = fitOfKnots(*more, goal);
        if (!best || preferred(fit, best->fit)) best = Placement{std::move(*more), fit};
    }
    return best;
}

Placement addKnots(const Goal& goal, Preference preferred) {
    Placement placement{{{0, 0}, {topLevel, topLevel}}, {}};
    placement.fit = fitOfKnots(placement.knots, goal);
    while (!placement.fit.within(goal.tolerance) && placement.knots.size() < maximumKnots) {
        auto next = withBestKnot(placement.knots, goal, preferred);
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
void moveKnots(Placement& placement, const Goal& goal) {
    const auto& target = goal.target;
    int trials = 6000;
    bool improved = true;
    while (improved && !placement.fit.within(goal.tolerance) && trials > 0) {
        improved = false;
        for (std::size_t i = 1; i + 1 < placement.knots.size(); ++i) {
            for (const int step : {4, 2, 1}) {
                const Knot knot = placement.knots[i];
                // Moved along the target in input; off it in output by a level at most.
                const auto along = [&](int input) {
                    return Knot{input, levelNear(target[static_cast<std::size_t>(input)])};
                };
                const Knot moves[] = {along(inputSteppedBy(knot.input, -1, step)),
                                      along(inputSteppedBy(knot.input, 1, step)),
                                      {knot.input, knot.output - 1},
                                      {knot.input, knot.output + 1}};
                for (const auto& move : moves) {
                    auto knots = withKnotMoved(placement.knots, i, move, target);
                    if (!knots) continue;
                    --trials;
                    const auto fit = fitOfKnots(*knots, goal);
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

// The better of the knots added by worst difference and, when those miss
// the goal, by overall difference, each moved while that helps.
Placement bestPlacement(const Goal& goal) {
    std::optional<Placement> best;
    for (const Preference preferred : {smallerWorst, smallerOverall}) {
        auto placement = addKnots(goal, preferred);
        moveKnots(placement, goal);
        if (!best || placement.fit.betterThan(best->fit)) best = std::move(placement);
        if (best->fit.within(goal.tolerance)) break;
    }
    return std::move(*best);
}

} // namespace

std::vector<Knot> placeKnots(const std::vector<double>& target, double tolerance) {
    // Held to the target at every level first: near a mild bend at an end
    // the points often follow it all the same, and the curve stays close
    // there too. Only when that misses the reachable levels are the others
    // left out of the goal.
    const auto reachable = reachableLevels(target, tolerance);
    auto everywhere = bestPlacement({target, {}, tolerance});
    const auto everywhereFit = fitOf(drawnCurve(everywhere.knots), target, reachable);
    if (everywhereFit.within(tolerance)) return everywhere.knots;
    auto reached = bestPlacement({target, reachable, tolerance});
    return reached.fit.betterThan(everywhereFit) ? reached.knots : everywhere.knots;
}

} // namespace curves::previous_acv
