#pragma once
#include <optional>
#include <vector>

namespace charts {

// The five kinds a combined chart draws, by the raw values its draw order
// is given in. Each kind is drawn from its own sub-data by its own renderer.
enum class CombinedDrawOrder {
    bar = 0,
    bubble = 1,
    line = 2,
    candle = 3,
    scatter = 4,
};

constexpr int rawValue(CombinedDrawOrder kind) { return static_cast<int>(kind); }

// Any integer other than 0 to 4 names no kind.
constexpr std::optional<CombinedDrawOrder> combinedDrawOrderFromRawValue(int raw) {
    if (raw < 0 || raw > 4) return std::nullopt;
    return static_cast<CombinedDrawOrder>(raw);
}

// Bars underneath, scatter shapes on top.
inline std::vector<CombinedDrawOrder> defaultCombinedDrawOrder() {
    return {CombinedDrawOrder::bar, CombinedDrawOrder::bubble, CombinedDrawOrder::line, CombinedDrawOrder::candle,
            CombinedDrawOrder::scatter};
}

} // namespace charts
