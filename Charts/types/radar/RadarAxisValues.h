#pragma once
#include <cstdint>
#include <vector>

namespace charts {

// What the radial axis of a radar chart asks for its label values.
struct RadarAxisRequest {
    double min = 0;
    double max = 0;
    std::int64_t labelCount = 6;
    bool granularityEnabled = false;
    double granularity = 1;
    bool centering = false;
    bool forceLabels = false;
};

// The radial axis's label values. Unlike a straight axis, the values run one
// interval past the last multiple of the interval within the maximum, and
// the axis then spans exactly its first to its last value: the web's
// outermost ring is a label.
//
// The interval is the range over the label count rounded to one significant
// digit (at least the granularity), moved up to ten times its magnitude
// when its leading digit is above 5. Forced labels divide the range evenly.
// With centring the values start one interval lower and one more is
// counted, and the centred values lie halfway to the next. The decimals are
// those the interval needs.
//
// A label count of 0, or a range that is 0 or not finite, gives no values
// (`computed` false): the axis keeps its bounds and decimals.
struct RadarAxisValues {
    bool computed = false;
    std::vector<double> entries;
    std::vector<double> centeredEntries;
    int decimals = 0;
};
RadarAxisValues radarAxisValues(const RadarAxisRequest& request);

} // namespace charts
