#pragma once
#include <cstdint>
#include <optional>

namespace charts {

// The point shapes of scatter sets, with the raw values they are stored and
// exchanged as.
enum class ScatterShape { square = 0, circle = 1, triangle = 2, cross = 3, x = 4, chevronUp = 5, chevronDown = 6 };

// The shape of a raw value; none outside 0 to 6.
constexpr std::optional<ScatterShape> scatterShapeFromRaw(std::int64_t raw) {
    if (raw < 0 || raw > 6) return std::nullopt;
    return static_cast<ScatterShape>(raw);
}

} // namespace charts
