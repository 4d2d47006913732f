#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include <QColor>

namespace charts {

// The colour for a position when a list of colours repeats along the entries:
// positions below 0 count as 0; an empty list has none.
inline std::optional<QColor> cyclicColor(const std::vector<QColor>& colors, std::int64_t index) {
    if (colors.empty()) return std::nullopt;
    const auto count = static_cast<std::int64_t>(colors.size());
    return colors[static_cast<std::size_t>((index < 0 ? 0 : index) % count)];
}

} // namespace charts
