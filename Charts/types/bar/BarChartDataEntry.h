#pragma once
#include <cstdint>
#include <optional>
#include <typeinfo>
#include <vector>

#include "Charts/data/ChartDataEntry.h"
#include "Charts/foundation/Highlight.h"

namespace charts {

// One bar at an x position: a plain bar of one value (y), or a stacked bar
// of several values drawn on top of each other, whose y is their sum.
// Positive values stack upward from 0 in their order; negative values fill
// the interval from minus their summed magnitude up to 0, the first one
// lowest. A stacked bar keeps one value interval per value for the
// highlighter.
class BarChartDataEntry : public ChartDataEntry {
public:
    using Values = std::vector<double>;

    BarChartDataEntry() = default;
    BarChartDataEntry(double x, double y) : ChartDataEntry(x, y) {}
    BarChartDataEntry(double x, double y, std::any data);
    BarChartDataEntry(double x, double y, QImage icon);
    BarChartDataEntry(double x, double y, QImage icon, std::any data);
    // A stacked bar; an empty list makes a stacked bar of y 0.
    BarChartDataEntry(double x, Values yValues);
    BarChartDataEntry(double x, Values yValues, QImage icon);
    BarChartDataEntry(double x, Values yValues, std::any data);
    BarChartDataEntry(double x, Values yValues, QImage icon, std::any data);

    // The sum of the values above the given position (added from the last
    // value down); 0 for a plain bar.
    virtual double sumBelow(std::int64_t stackIndex) const;
    // The summed magnitude of the negative values, and the sum of the others.
    virtual double negativeSum() const { return negativeSum_; }
    virtual double positiveSum() const { return positiveSum_; }
    virtual void calcPosNegSum();
    // One interval per value; a plain bar or an empty list keeps the
    // intervals as they are.
    virtual void calcRanges();
    // True whenever the entry has a value list, also an empty one.
    virtual bool isStacked() const { return yVals_.has_value(); }
    virtual const std::optional<Values>& yValues() const { return yVals_; }
    // y becomes the values' sum (0 for none), then the sums and intervals
    // follow. Intervals of a former list never outlive it: an empty list or
    // none leaves the entry without intervals.
    virtual void setYValues(std::optional<Values> values);
    virtual const std::optional<std::vector<Range>>& ranges() const { return ranges_; }

    // The base's copy with the values, sums and intervals.
    std::shared_ptr<ChartDataEntry> copy() const override;

protected:
    std::shared_ptr<ChartDataEntry> makeBlank() const override;

private:
    std::optional<Values> yVals_;
    std::optional<std::vector<Range>> ranges_;
    double negativeSum_ = 0;
    double positiveSum_ = 0;
};

using BarChartDataEntryPtr = std::shared_ptr<BarChartDataEntry>;

// The entry as a bar entry; none for an entry of another kind. Bar sets hold
// bar entries only, so the exact class is tried first: the draw loops ask
// this for every bar of every frame.
inline const BarChartDataEntry* asBarEntry(const ChartDataEntry* entry) {
    if (entry && typeid(*entry) == typeid(BarChartDataEntry)) return static_cast<const BarChartDataEntry*>(entry);
    return dynamic_cast<const BarChartDataEntry*>(entry);
}

} // namespace charts
