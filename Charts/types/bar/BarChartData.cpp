#include "Charts/types/bar/BarChartData.h"

#include <algorithm>

#include "Charts/types/bar/IBarChartDataSet.h"
#include "platform/Log.h"

namespace charts {

double BarChartData::groupWidth(double groupSpace, double barSpace) const {
    return (barWidth() + barSpace) * static_cast<double>(dataSets().size()) + groupSpace;
}

void BarChartData::groupBars(double fromX, double groupSpace, double barSpace) {
    const DataSets& sets = dataSets();
    if (sets.size() < 2) {
        platform::printToStandardOutput("BarData needs to hold at least 2 BarDataSets to allow grouping.");
        return;
    }
    const IChartDataSetPtr longest = maxEntryCountSet();
    const std::int64_t groupCount = longest ? longest->entryCount() : 0;
    const double groupSpaceWidthHalf = groupSpace / 2.0;
    const double barSpaceHalf = barSpace / 2.0;
    const double barWidthHalf = barWidth() / 2.0;
    const double interval = groupWidth(groupSpace, barSpace);
    const bool allBars = std::all_of(sets.begin(), sets.end(), [](const IChartDataSetPtr& set) {
        return dynamic_cast<const IBarChartDataSet*>(set.get()) != nullptr;
    });

    double x = fromX;
    for (std::int64_t i = 0; i < groupCount; ++i) {
        const double start = x;
        x += groupSpaceWidthHalf;
        if (allBars) {
            for (const IChartDataSetPtr& set : sets) {
                x += barSpaceHalf;
                x += barWidthHalf;
                if (i < set->entryCount()) {
                    if (const ChartDataEntryPtr entry = set->entryForIndex(i)) entry->setX(x);
                }
                x += barWidthHalf;
                x += barSpaceHalf;
            }
        }
        x += groupSpaceWidthHalf;
        // Every group advances by exactly the interval, whatever rounding
        // the steps above gathered.
        const double innerInterval = x - start;
        const double diff = interval - innerInterval;
        if (diff != 0) x += diff;
    }

    // The sets' own bounds first: the data's bounds are taken from them.
    for (const IChartDataSetPtr& set : sets) set->calcMinMax();
    notifyDataChanged();
}

} // namespace charts
