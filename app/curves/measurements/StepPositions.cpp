#include "app/curves/measurements/StepPositions.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace curves {

namespace {

// Distinct positions with how often each occurs, ascending.
std::map<double, std::size_t> occurrences(const std::vector<double>& positions) {
    std::map<double, std::size_t> counts;
    for (const double p : positions) ++counts[p];
    return counts;
}

} // namespace

bool positionsAreUsable(const std::vector<double>& positions) {
    if (!std::all_of(positions.begin(), positions.end(), [](double p) { return std::isfinite(p); })) return false;
    return occurrences(positions).size() >= 2;
}

bool positionsRunEvenly(const std::vector<double>& positions) {
    const bool rising = std::is_sorted(positions.begin(), positions.end());
    const bool falling = std::is_sorted(positions.rbegin(), positions.rend());
    if (!rising && !falling) return false;
    const auto counts = occurrences(positions);
    if (counts.size() < 2) return false;
    const std::size_t repeats = counts.begin()->second;
    std::vector<double> distinct;
    for (const auto& [position, count] : counts) {
        if (count != repeats) return false;
        distinct.push_back(position);
    }
    const double step = (distinct.back() - distinct.front()) / static_cast<double>(distinct.size() - 1);
    for (std::size_t i = 1; i < distinct.size(); ++i)
        if (std::fabs(distinct[i] - distinct[i - 1] - step) > 0.1 * step) return false;
    return true;
}

PositionedSteps averageByPosition(const std::vector<CIELab>& samples, const std::vector<double>& positions) {
    struct Sum {
        double L = 0, a = 0, b = 0;
        std::size_t count = 0;
    };
    std::map<double, Sum> groups;
    const std::size_t n = std::min(samples.size(), positions.size());
    for (std::size_t i = 0; i < n; ++i) {
        auto& sum = groups[positions[i]];
        sum.L += samples[i].L;
        sum.a += samples[i].a;
        sum.b += samples[i].b;
        ++sum.count;
    }
    PositionedSteps result;
    for (const auto& [position, sum] : groups) {
        const auto count = static_cast<double>(sum.count);
        result.steps.push_back({sum.L / count, sum.a / count, sum.b / count});
        result.positions.push_back(position);
    }
    return result;
}

double stepInputPercentage(int row, int rowCount, const std::vector<double>& positions) {
    if (row >= 0 && rowCount >= 2 && positions.size() == static_cast<std::size_t>(rowCount)) {
        const auto [lowest, highest] = std::minmax_element(positions.begin(), positions.end());
        const double span = *highest - *lowest;
        const double at = positions[static_cast<std::size_t>(row)];
        if (std::isfinite(span) && span > 0 && std::isfinite(at)) return (at - *lowest) * 100 / span;
    }
    if (rowCount < 2) return 0;
    return row * 100.0 / (rowCount - 1);
}

} // namespace curves
