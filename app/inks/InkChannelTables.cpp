#include "app/inks/InkChannelTables.h"

#include "app/inks/InkTables.h"

namespace inks {

QuadCurves curvesFromTables(const ChannelTableNames& names) {
    QuadCurves curves;
    curves.reserve(names.count);
    for (std::size_t channel = 0; channel < names.count; ++channel) {
        const std::string_view name = names.tables[channel];
        const InkCurveTable& table = name.empty() ? zeroInkCurve() : inkCurve(name);
        curves.emplace_back(table.begin(), table.end());
    }
    return curves;
}

std::vector<curves::CIELab> labFromTable(std::string_view name) {
    const InkLabTable& table = inkLab(name);
    return {table.begin(), table.end()};
}

} // namespace inks
