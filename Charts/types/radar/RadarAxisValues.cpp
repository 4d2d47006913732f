#include "Charts/types/radar/RadarAxisValues.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "Charts/foundation/ChartUtils.h"
#include "Charts/render/AxisValues.h"

namespace charts {

namespace {

// More label values than any web can show: a range and interval so far
// apart in magnitude that adding the interval no longer changes the value.
constexpr std::int64_t countLimit = 100000;

double intervalFor(const RadarAxisRequest& r, double range) {
    double interval = ChartUtils::roundToNextSignificant(range / static_cast<double>(r.labelCount));
    if (r.granularityEnabled && r.granularity > interval) interval = r.granularity;
    const double magnitude = ChartUtils::roundToNextSignificant(std::pow(10.0, std::floor(std::log10(interval))));
    const double significantDigit = std::trunc(interval / magnitude);
    if (significantDigit > 5) {
        const double raised = std::floor(10.0 * magnitude);
        if (raised != 0) interval = raised;
    }
    return interval;
}

// How many multiples from `first` on stay within `last`, each computed as
// first + k * interval; -1 past the limit.
std::int64_t countWithin(double first, double last, double interval) {
    if (interval == 0) return 0;
    std::int64_t count = 0;
    while (first + static_cast<double>(count) * interval <= last) {
        if (++count > countLimit) return -1;
    }
    return count;
}

} // namespace

RadarAxisValues radarAxisValues(const RadarAxisRequest& r) {
    RadarAxisValues result;
    const double range = std::fabs(r.max - r.min);
    // Written so that a range that is not a number gives nothing too.
    if (r.labelCount <= 0 || !(range > 0) || !std::isfinite(range)) return result;

    double interval = intervalFor(r, range);
    std::int64_t n = 0;
    std::vector<double>& entries = result.entries;
    if (r.forceLabels) {
        const double step = range / static_cast<double>(r.labelCount - 1);
        entries.reserve(static_cast<std::size_t>(r.labelCount));
        // The first value is the minimum itself: one label has no step.
        entries.push_back(r.min);
        for (std::int64_t k = 1; k < r.labelCount; ++k) entries.push_back(r.min + static_cast<double>(k) * step);
        n = r.labelCount;
    } else {
        double first = interval == 0 ? 0.0 : std::ceil(r.min / interval) * interval;
        if (r.centering) first -= interval;
        double last = std::floor(r.max / interval) * interval;
        if (last == 0) last = 0; // -0 becomes +0
        if (last != std::numeric_limits<double>::infinity())
            last = std::nextafter(last, std::numeric_limits<double>::infinity());
        const std::int64_t within = countWithin(first, last, interval);
        if (within < 0) return result;
        n = (r.centering ? 1 : 0) + within + 1;
        fillAxisEntries(entries, first, interval, n, r.labelCount);
    }

    result.decimals = axisLabelDecimals(interval);
    if (r.centering) {
        // One value has no neighbour to centre towards: the interval stands in.
        const double spacing = entries.size() >= 2 ? entries[1] - entries[0] : interval;
        result.centeredEntries.reserve(entries.size());
        for (const double value : entries) result.centeredEntries.push_back(value + spacing / 2);
    }
    result.computed = true;
    return result;
}

} // namespace charts
