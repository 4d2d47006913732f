#pragma once
#include <cstdint>
#include <span>

#include "Charts/data/ChartDataEntry.h"
#include "Charts/data/IChartDataSet.h"
#include "Charts/drawing/Geometry.h"

namespace charts {

// A data set's entries as the draw loops read them: in place, by position,
// as the value point (x, y) of each. A position outside the list has no
// entry (contains() is false), as entryForIndex finds none there. Valid while
// the set is not changed, which holds for one paint.
class EntryValues {
public:
    EntryValues() = default;
    explicit EntryValues(std::span<const ChartDataEntryPtr> entries) : entries_(entries) {}
    explicit EntryValues(const IChartDataSet& set) : entries_(set.entriesInOrder()) {}

    std::int64_t size() const { return static_cast<std::int64_t>(entries_.size()); }
    bool contains(std::int64_t index) const { return index >= 0 && index < size(); }
    // The entry at a position the list contains.
    const ChartDataEntryPtr& entry(std::int64_t index) const { return entries_[static_cast<std::size_t>(index)]; }
    // The value point of the entry at a position the list contains.
    Point operator[](std::int64_t index) const {
        const ChartDataEntry& e = *entry(index);
        return Point{e.x(), e.y()};
    }

private:
    std::span<const ChartDataEntryPtr> entries_;
};

} // namespace charts
