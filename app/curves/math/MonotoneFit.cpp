#include "app/curves/math/MonotoneFit.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "app/curves/math/Resampling.h"

namespace curves {

bool allFinite(const std::vector<double>& values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

bool everFalls(const std::vector<double>& values) {
    return std::adjacent_find(values.begin(), values.end(), [](double a, double b) { return b < a; }) != values.end();
}

bool everRises(const std::vector<double>& values) {
    return std::adjacent_find(values.begin(), values.end(), [](double a, double b) { return b > a; }) != values.end();
}

bool neverFallsFinite(const std::vector<double>& values) { return !everFalls(values) && allFinite(values); }

std::vector<double> neverRisingFit(const std::vector<double>& values) {
    if (!everRises(values)) return values;
    // Blocks of pooled values, each its first index, its sum and its count;
    // a block whose mean rises above the one before joins it.
    struct Block {
        std::size_t first;
        double sum;
        std::size_t count;
        double mean() const { return sum / static_cast<double>(count); }
    };
    std::vector<Block> blocks;
    for (std::size_t i = 0; i < values.size(); ++i) {
        blocks.push_back({i, values[i], 1});
        while (blocks.size() > 1 && blocks[blocks.size() - 2].mean() < blocks.back().mean()) {
            const Block last = blocks.back();
            blocks.pop_back();
            blocks.back().sum += last.sum;
            blocks.back().count += last.count;
        }
    }
    // Each block's mean summed afresh from its own values in order, so that
    // the result depends on the blocks alone, not on the order they joined.
    std::vector<double> fitted(values.size());
    for (const Block& block : blocks) {
        const auto from = values.begin() + static_cast<std::ptrdiff_t>(block.first);
        double sum = 0;
        for (auto v = from; v != from + static_cast<std::ptrdiff_t>(block.count); ++v) sum += *v;
        std::fill_n(fitted.begin() + static_cast<std::ptrdiff_t>(block.first), block.count,
                    sum / static_cast<double>(block.count));
    }
    return fitted;
}

std::vector<double> neverFallingFit(const std::vector<double>& values) {
    // Negation is exact, so the mirrored fit is the same fit.
    std::vector<double> mirrored(values.size());
    std::transform(values.begin(), values.end(), mirrored.begin(), [](double v) { return -v; });
    auto fitted = neverRisingFit(mirrored);
    for (double& v : fitted) v = -v;
    return fitted;
}

std::vector<double> monotoneCurveThrough(std::vector<std::pair<double, double>> points, const std::vector<double>& at,
                                         double low, double high) {
    std::erase_if(points, [](const auto& p) { return !std::isfinite(p.first) || !std::isfinite(p.second); });
    if (points.empty()) return {};
    for (auto& [x, y] : points) {
        x = std::clamp(x, low, high);
        y = std::clamp(y, low, high);
    }
    std::stable_sort(points.begin(), points.end(), [](const auto& l, const auto& r) { return l.first < r.first; });
    std::vector<double> xs, ys;
    for (const auto& [x, y] : points) {
        xs.push_back(x);
        ys.push_back(y);
    }
    const KeyframeCurve curve(xs, neverFallingFit(ys), KeyframeCurve::Shape::monotone);
    std::vector<double> values;
    values.reserve(at.size());
    std::size_t segment = KeyframeCurve::unknownSegment;
    for (const double t : at) values.push_back(curve.valueAt(t, segment));
    return values;
}

} // namespace curves
