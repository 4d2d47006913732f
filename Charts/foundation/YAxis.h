#pragma once
#include <optional>

namespace charts {

// The y axis of a chart. The data model only needs the side a data set or a
// highlight refers to; the axis model itself is completed by the axis code.
class YAxis {
public:
    enum class AxisDependency { left = 0, right = 1 };

    static constexpr int rawValue(AxisDependency axis) { return static_cast<int>(axis); }

    // Any integer other than 0 and 1 names no side.
    static constexpr std::optional<AxisDependency> axisDependencyFromRawValue(int raw) {
        if (raw < 0 || raw > 1) return std::nullopt;
        return static_cast<AxisDependency>(raw);
    }
};

} // namespace charts
