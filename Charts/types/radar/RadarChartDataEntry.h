#pragma once
#include "Charts/data/ChartDataEntry.h"

namespace charts {

// One value of a radar set; its position in the set, not its x, picks its
// spoke, so it has no x (NaN).
class RadarChartDataEntry : public ChartDataEntry {
public:
    RadarChartDataEntry() = default;
    explicit RadarChartDataEntry(double value);
    RadarChartDataEntry(double value, std::any data);

    virtual double value() const { return y(); }
    virtual void setValue(double value) { setY(value); }

protected:
    std::shared_ptr<ChartDataEntry> makeBlank() const override { return std::make_shared<RadarChartDataEntry>(); }
};

} // namespace charts
