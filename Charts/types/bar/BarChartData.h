#pragma once
#include "Charts/data/BarLineScatterCandleBubbleChartData.h"

namespace charts {

// The chart data of a bar chart: its bar sets and the width of one bar in x
// units. It can place the entries of the same position of all sets side by
// side, one group per position.
class BarChartData : public BarLineScatterCandleBubbleChartData {
public:
    BarChartData() = default;
    explicit BarChartData(DataSets dataSets) : BarLineScatterCandleBubbleChartData(DeferBounds{}, std::move(dataSets)) {
        notifyDataChanged();
    }

    virtual double barWidth() const { return barWidth_; }
    virtual void setBarWidth(double width) { barWidth_ = width; }

    // Rewrites the x of every entry so that entry i of every set stands in
    // group i, the groups one groupWidth apart from fromX: each group starts
    // with half the group space, each bar takes half the bar space, the bar
    // and another half bar space. A set with fewer entries keeps its place
    // empty in the later groups. Needs two sets or more (otherwise a line on
    // standard output, and nothing changes); the bounds of the sets and of
    // the data follow the new positions.
    virtual void groupBars(double fromX, double groupSpace, double barSpace);
    // (barWidth + barSpace) × the number of sets + groupSpace.
    virtual double groupWidth(double groupSpace, double barSpace) const;

protected:
    BarChartData(DeferBounds, DataSets dataSets)
        : BarLineScatterCandleBubbleChartData(DeferBounds{}, std::move(dataSets)) {}

private:
    double barWidth_ = 0.85;
};

} // namespace charts
