#pragma once
#include <cstdint>
#include <optional>
#include <vector>

namespace charts {

// The arithmetic behind an axis's label values, apart from the axis model.
//
// Every step that takes a logarithm or converts to an integer is reached only
// with a positive, finite interval: ranges and intervals that are not finite
// (a 0/0 from an empty content rectangle, an infinite granularity, a range
// too small to divide) give no labels instead of undefined conversions.

// The label interval for a range, before forced labels or the stride of
// label values come in: the range divided by the label count, rounded to
// one significant digit, raised to the granularity when that is on and
// larger, and, for intervals of 1 or more whose leading digit is 6 to 9,
// moved up to the next power of ten. Intervals below 1 keep their rounded
// value (the magnitude is taken one decade high).
double axisLabelInterval(double range, std::int64_t labelCount, bool granularityEnabled, double granularity);

// The decimal exponent of the interval truncated toward zero and the
// magnitude 10^e rounded to one significant digit; none for an interval that
// is not positive and finite.
std::optional<double> axisIntervalMagnitude(double interval);

// How many label values the stride from first through last holds (the
// values first + k * interval below last, and last itself when one equals
// it), starting from 1 with centring; 1 when first equals last.
std::int64_t axisStrideCount(double first, double last, double interval, bool centering);

// Decimals the labels need: ceil(-log10(interval)) for a positive interval
// below 1, else 0.
int axisLabelDecimals(double interval);

// The label values of the unforced rule: `count` values from `first`, each
// the previous plus the interval, a zero (also -0) stored as +0 and the next
// value computed from that +0. The list is emptied with its storage kept and
// reserved to `capacity` first.
void fillAxisEntries(std::vector<double>& entries, double first, double interval, std::int64_t count,
                     std::int64_t capacity);

// The forced rule: `labelCount` values from yMin to yMin + range, the
// interval range / (labelCount - 1): yMin, yMin + k * interval, and
// yMin + range as the last, so that both ends are the axis's own. Answers
// the interval.
double fillForcedAxisEntries(std::vector<double>& entries, double yMin, double range, std::int64_t labelCount);

// What the unforced rule puts where: the first value (moved one interval down
// with centring) and the number of values, for the range yMin to yMax.
struct AxisStride {
    double first = 0;
    std::int64_t count = 0;
};
AxisStride axisStride(double yMin, double yMax, double interval, bool centering);

} // namespace charts
