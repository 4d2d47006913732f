#pragma once
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

#include "Charts/data/ChartDataEntry.h"

namespace charts::testing {

// Entries from (x, y) pairs, in the order given.
inline std::vector<ChartDataEntryPtr> entriesAt(std::initializer_list<std::pair<double, double>> points) {
    std::vector<ChartDataEntryPtr> entries;
    for (const auto& [x, y] : points) entries.push_back(std::make_shared<ChartDataEntry>(x, y));
    return entries;
}

} // namespace charts::testing
