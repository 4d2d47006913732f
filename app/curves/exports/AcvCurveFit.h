#pragma once
#include <array>
#include <cstddef>
#include <span>
#include <vector>

namespace curves::acv {

// How the points of an .acv curve are drawn by the programs that read it, and
// where to place points so that the drawn curve follows a given curve. All
// levels are 0 (black) to 255 (white), input and output alike.

inline constexpr int topLevel = 255;
inline constexpr std::size_t levelCount = topLevel + 1;

// Image editors keep at most 16 points on a curve.
inline constexpr std::size_t maximumKnots = 16;

// The closest two neighbouring points may stand, in input and in output:
// 4 levels (keepsApart).
inline constexpr int closestSpacing = 4;

// How far a point may lie from the curve it follows at its own input, where
// a point farther off would not bring the drawn curve closer: a point then
// looks right when the curve is opened in an image editor.
inline constexpr double pointTolerance = 1.0;

// One point of a curve: an input level and the output level it is given.
struct Knot {
    int input = 0;
    int output = 0;
    friend bool operator==(const Knot&, const Knot&) = default;
};

// Whether two neighbouring points lie far enough apart to be kept apart: at
// least closestSpacing levels in input and in output.
bool keepsApart(const Knot& left, const Knot& right);

// Ends the points (ascending in input, from (0, 0)) at (255, 255): the last
// of them that would not keep apart from it are dropped first.
void endAtTheTop(std::vector<Knot>& knots);

// Whether points keep every rule of the file as the export writes it: from
// (0, 0) to (255, 255), at most maximumKnots, outputs 0 to 255, neighbours
// kept apart.
bool keepsTheRules(const std::vector<Knot>& knots);

// Output levels at every input level 0 to 255.
using Levels = std::array<int, levelCount>;

// The fraction of 255 a reader takes a level for: the file's level written
// as a fraction with six decimals and read back (4 is 0.015686, 3.99993
// levels).
double readFraction(int level);

// The curve a reader draws through the points (ascending in input), level by
// level: the natural cubic spline (no bend at the first and last point)
// through the points' read fractions; each piece evaluated at the whole
// levels from the level its first point's fraction truncates to, with its
// offset counted from that level; every value truncated toward zero and kept
// to 0 to 255; the end points' outputs held beyond them. No points leave
// every level as it is; one holds its output everywhere.
Levels drawnLevels(std::span<const Knot> knots);

// The whole level a reader draws for a lookup table's value (a fraction of
// 1, read in single precision, scaled and truncated toward zero, kept to 0 to
// 255). Values that are not finite give 0.
int tableLevel(double fraction);

// The levels a reader draws for a lookup table of levelCount values
// (fractions of 1): tableLevel of each.
Levels tableLevels(std::span<const double> fractions);

// How closely a drawn curve follows the levels it should draw.
struct Fit {
    int reversals = 0; // steps where the drawn curve falls while the target does not
    int worst = 0;     // the greatest level difference at any input
    int atWorst = 0;   // the number of inputs at that difference
    long squared = 0;  // the sum of the squared differences

    // Fewer reversals, then a smaller worst difference, then fewer levels at
    // it, then smaller differences overall.
    bool betterThan(const Fit& other) const;
    bool operator==(const Fit&) const = default;
};

Fit fitOf(const Levels& drawn, const Levels& target);

// Points from (0, 0) to (255, 255), at most maximumKnots, each pair of
// neighbours kept apart, whose drawn curve comes as close as the search can
// bring it to the levels a reader draws for `fractions` (256 finite
// fractions of 1, the curve to follow, as tableLevel reads them): the best
// Fit. Each inner point lies within pointTolerance of the curve at its input
// unless moving it there would break the rules, raise the worst difference
// or add a fall.
std::vector<Knot> placeKnots(const std::vector<double>& fractions);

} // namespace curves::acv
