#pragma once
#include <optional>

namespace charts {

// How a search by x rounds when no entry lies exactly at the x sought.
enum class ChartDataSetRounding {
    up = 0,      // the next entry above when the closest lies below
    down = 1,    // the next entry below when the closest lies above
    closest = 2, // the closest entry
};

constexpr int rawValue(ChartDataSetRounding rounding) { return static_cast<int>(rounding); }

// Any integer other than 0 to 2 names no rounding.
constexpr std::optional<ChartDataSetRounding> chartDataSetRoundingFromRawValue(int raw) {
    if (raw < 0 || raw > 2) return std::nullopt;
    return static_cast<ChartDataSetRounding>(raw);
}

} // namespace charts
