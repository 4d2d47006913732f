#pragma once
// Radar charts for the radar tests: sets of values and views laid out
// without an event loop.
#include <memory>
#include <vector>

#include <QColor>
#include <QString>

#include "Charts/types/radar/RadarChartData.h"
#include "Charts/types/radar/RadarChartDataEntry.h"
#include "Charts/types/radar/RadarChartDataSet.h"
#include "Charts/types/radar/RadarChartView.h"

namespace charts::testing {

inline std::shared_ptr<RadarChartDataSet> radarSet(const std::vector<double>& values, const QString& label,
                                                   const QColor& color = QColor(40, 80, 220)) {
    ChartDataSet::Entries entries;
    for (double v : values) entries.push_back(std::make_shared<RadarChartDataEntry>(v));
    auto set = std::make_shared<RadarChartDataSet>(entries, label);
    set->setColor(color);
    set->setDrawValuesEnabled(false);
    return set;
}

inline std::shared_ptr<RadarChartData> radarData(std::vector<std::shared_ptr<RadarChartDataSet>> sets) {
    return std::make_shared<RadarChartData>(ChartData::DataSets(sets.begin(), sets.end()));
}

// A radar view of its own laid out at the size, the legend off.
inline std::unique_ptr<RadarChartView> radarView(double width, double height,
                                                 const std::shared_ptr<RadarChartData>& data = nullptr) {
    std::unique_ptr<RadarChartView> view(ChartViewBase::create<RadarChartView>());
    view->setChartSize(width, height);
    view->legend()->setEnabled(false);
    if (data) view->setData(data);
    return view;
}

} // namespace charts::testing
