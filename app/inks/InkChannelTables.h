#pragma once
#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

#include "app/inks/InkComponent.h"

namespace inks {

// Which curve table fills each channel of a component, in .quad channel order
// (K, C, M, Y, LC, LM, LK, LLK, then V, MK for ten channels). An empty name is
// the zero curve.
struct ChannelTableNames {
    std::array<std::string_view, 10> tables{};
    std::size_t count = 8;
};

constexpr ChannelTableNames eightChannels(std::string_view k, std::string_view c, std::string_view m,
                                          std::string_view y, std::string_view lc, std::string_view lm,
                                          std::string_view lk, std::string_view llk) {
    return {{k, c, m, y, lc, lm, lk, llk, {}, {}}, 8};
}

constexpr ChannelTableNames tenChannels(std::string_view k, std::string_view c, std::string_view m, std::string_view y,
                                        std::string_view lc, std::string_view lm, std::string_view lk,
                                        std::string_view llk, std::string_view v, std::string_view mk) {
    return {{k, c, m, y, lc, lm, lk, llk, v, mk}, 10};
}

// Copies the named tables into channels; each zero channel is its own list.
QuadCurves curvesFromTables(const ChannelTableNames& names);
std::vector<curves::CIELab> labFromTable(std::string_view name);

} // namespace inks
