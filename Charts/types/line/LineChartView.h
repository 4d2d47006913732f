#pragma once
#include <memory>

#include "Charts/render/AccessibleChart.h"
#include "Charts/types/line/LineChartData.h"
#include "Charts/types/line/LineChartViewInterface.h"
#include "Charts/views/BarLineChartViewBase.h"

namespace charts {

// The line chart: a bar-line chart view whose data renderer is the line
// renderer and whose data is line chart data. Axes, legend, description,
// gestures, zoom and highlighting come from its bases. Made through
// ChartViewBase::create<LineChartView>(parent).
class LineChartView : public BarLineChartViewBase, public virtual LineChartViewInterface {
public:
    explicit LineChartView(ConstructionKey key, QWidget* parent = nullptr) : BarLineChartViewBase(key, parent) {}

    // The data when it is line chart data; none otherwise.
    std::shared_ptr<LineChartData> lineData() const override;

    std::shared_ptr<XAxis> xAxis() const override { return BarLineChartViewBase::xAxis(); }
    std::shared_ptr<YAxis> getAxis(YAxis::AxisDependency axis) const override {
        return BarLineChartViewBase::getAxis(axis);
    }

protected:
    void initialize() override;
};

} // namespace charts
