#include "Charts/render/AxisValues.h"

#include <cmath>
#include <limits>

#include "Charts/foundation/ChartUtils.h"

namespace charts {

namespace {

bool isPositiveFinite(double value) { return value > 0 && std::isfinite(value); }

} // namespace

std::optional<double> axisIntervalMagnitude(double interval) {
    if (!isPositiveFinite(interval)) return std::nullopt;
    // Truncation toward zero: an interval below 1 gets a magnitude one decade
    // above its own (0.05 gives e = -1, magnitude 0.1).
    const double exponent = std::trunc(std::log10(interval));
    return ChartUtils::roundToNextSignificant(std::pow(10.0, exponent));
}

double axisLabelInterval(double range, std::int64_t labelCount, bool granularityEnabled, double granularity) {
    const double rawInterval = range / static_cast<double>(labelCount);
    double interval = ChartUtils::roundToNextSignificant(rawInterval);
    if (granularityEnabled && interval < granularity) interval = granularity;

    const std::optional<double> magnitude = axisIntervalMagnitude(interval);
    if (!magnitude || !isPositiveFinite(*magnitude)) return interval;
    const double digit = std::trunc(interval / *magnitude);
    if (digit > 5) {
        const double candidate = std::floor(10.0 * *magnitude);
        if (candidate != 0) interval = candidate;
    }
    return interval;
}

std::int64_t axisStrideCount(double first, double last, double interval, bool centering) {
    if (first == last) return 1;
    std::int64_t count = centering ? 1 : 0;
    // The stride's own values, each first + k * interval in one rounding.
    for (std::int64_t k = 0;; ++k) {
        const double value = std::fma(static_cast<double>(k), interval, first);
        const bool before = interval > 0 ? value < last : value > last;
        if (before) {
            ++count;
            continue;
        }
        if (value == last) ++count;
        break;
    }
    return count;
}

int axisLabelDecimals(double interval) {
    if (!(interval > 0) || !(interval < 1)) return 0;
    return static_cast<int>(std::ceil(-std::log10(interval)));
}

void fillAxisEntries(std::vector<double>& entries, double first, double interval, std::int64_t count,
                     std::int64_t capacity) {
    entries.clear();
    entries.reserve(static_cast<std::size_t>(std::max<std::int64_t>(capacity, 0)));
    double value = first;
    for (std::int64_t i = 0; i < count; ++i) {
        if (value == 0) value = 0; // -0 becomes +0
        entries.push_back(value);
        value += interval;
    }
}

double fillForcedAxisEntries(std::vector<double>& entries, double yMin, double range, std::int64_t labelCount) {
    const double interval = range / static_cast<double>(labelCount - 1);
    entries.clear();
    entries.reserve(static_cast<std::size_t>(std::max<std::int64_t>(labelCount, 0)));
    // Each value from yMin in one rounding, and the last one the top end
    // itself: summed step by step, the steps drift (eight labels over 0 to 30
    // end at 29.999999999999996), so the top label of an axis whose values
    // name whole numbers (an index formatter) would go blank.
    for (std::int64_t i = 0; i < labelCount; ++i) {
        if (i == 0)
            entries.push_back(yMin);
        else if (i == labelCount - 1)
            entries.push_back(yMin + range);
        else
            entries.push_back(std::fma(static_cast<double>(i), interval, yMin));
    }
    return interval;
}

AxisStride axisStride(double yMin, double yMax, double interval, bool centering) {
    AxisStride stride;
    stride.first = interval == 0 ? 0.0 : std::ceil(yMin / interval) * interval;
    if (centering) stride.first -= interval;
    if (interval == 0) {
        stride.count = 1;
        return stride;
    }
    const double last = std::nextafter(std::floor(yMax / interval) * interval, std::numeric_limits<double>::infinity());
    stride.count = axisStrideCount(stride.first, last, interval, centering);
    return stride;
}

} // namespace charts
