#pragma once
#include <cmath>
#include <cstddef>
#include <vector>

namespace curves::acv {

// How the points of an .acv curve are drawn by the programs that read it, and
// where to place points so that the drawn curve follows a given curve. All
// levels are 0 (black) to 255 (white), input and output alike.

inline constexpr int topLevel = 255;
inline constexpr std::size_t levelCount = topLevel + 1;

// Image editors keep at most 16 points on a curve.
inline constexpr std::size_t maximumKnots = 16;

// The closest two neighbouring points may stand: 4 levels (keepsApart).
inline constexpr int closestSpacing = 4;

// How far a point may lie from the target at its own input: the file's
// levels are whole, so a point rounded to the nearest level is half a level
// off; a move by one more level may help the curve between points.
inline constexpr double pointTolerance = 1.0;

// One point of a curve: an input level and the output level it is given.
struct Knot {
    int input = 0;
    int output = 0;
    friend bool operator==(const Knot&, const Knot&) = default;
};

// Whether two neighbouring points lie far enough apart to be kept apart: more
// than 3 levels in input and in output.
bool keepsApart(const Knot& left, const Knot& right);

// The curve a reader of the file draws through the points (ascending in
// input): the natural cubic spline (no bend at the first and last point),
// held at the end points' outputs beyond them and kept to 0 to 255, at every
// input level 0 to 255. Not rounded to whole levels: readers round or
// truncate. Fewer than two points give an empty curve.
std::vector<double> drawnCurve(const std::vector<Knot>& knots);

// Readers hand the points on as fractions of 255 written with six decimals
// and start each piece of the curve at the whole level at or below the
// fraction. Where that fraction falls short of the level (4 / 255 is written
// 0.015686, which is 3.99993 levels), the piece starts a level early, which
// on a steep stretch moves the drawn curve by several levels. Whether an
// input level survives the trip.
bool keepsItsLevel(int input);

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

// Reversals are counted at every level; the difference only at the levels
// `judged` marks (all of them when it is empty).
Fit fitOf(const std::vector<double>& drawn, const std::vector<double>& target, const std::vector<bool>& judged = {});

// The levels at which points can follow `target` within `tolerance`: all but
// those near a sharp bend, where the target's rise from one level to the
// next changes by more than three times the tolerance (a jump, the corner of
// a plateau), or by more than the tolerance within closestSpacing of a fixed
// end point (0, 0) or (255, 255), which count as the target's ends. A cubic
// between points at least 4 levels apart rounds such a corner over several
// levels: the levels within closestSpacing of it are out of reach, and a
// spacing more for each factor 2 + sqrt(3) by which the bend exceeds the
// limit. (Bends up to twice the tolerance were followed within it on every
// wedge tried, bends of four times it were not.)
std::vector<bool> reachableLevels(const std::vector<double>& target, double tolerance);

// Points from (0, 0) to (255, 255), at most maximumKnots, each pair of
// neighbours kept apart and every inner point at a level that keepsItsLevel
// and within pointTolerance of the target there, whose drawn curve follows
// `target` (256 finite levels) within `tolerance` at its reachableLevels and
// never falls where the target does not, or comes as close to that as the
// search finds. Points are added one at a time where they help most,
// then moved a level or a few at a time while that helps.
std::vector<Knot> placeKnots(const std::vector<double>& target, double tolerance);

} // namespace curves::acv
