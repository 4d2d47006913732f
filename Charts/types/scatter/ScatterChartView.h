#pragma once
#include <memory>

#include "Charts/types/scatter/ScatterChartData.h"
#include "Charts/types/scatter/ScatterChartViewInterface.h"
#include "Charts/views/BarLineChartViewBase.h"

namespace charts {

// The scatter chart: a bar-line chart view drawing its scatter data through
// the scatter renderer, with half an x unit of room before the first and
// after the last point. Made through ChartViewBase::create<ScatterChartView>().
class ScatterChartView : public BarLineChartViewBase, public virtual ScatterChartViewInterface {
public:
    explicit ScatterChartView(ConstructionKey key, QWidget* parent = nullptr) : BarLineChartViewBase(key, parent) {}

    // The data when it is scatter chart data; none otherwise.
    std::shared_ptr<ScatterChartData> scatterData() const override;

protected:
    void initialize() override;
};

} // namespace charts
