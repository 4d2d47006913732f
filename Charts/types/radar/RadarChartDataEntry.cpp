#include "Charts/types/radar/RadarChartDataEntry.h"

#include <limits>

namespace charts {

RadarChartDataEntry::RadarChartDataEntry(double value)
    : ChartDataEntry(std::numeric_limits<double>::quiet_NaN(), value) {}

RadarChartDataEntry::RadarChartDataEntry(double value, std::any data) : RadarChartDataEntry(value) {
    setData(std::move(data));
}

} // namespace charts
