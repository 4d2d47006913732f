#pragma once
#include <vector>

#include "Charts/foundation/ChartViewInterface.h"
#include "Charts/foundation/XAxis.h"
#include "Charts/foundation/YAxis.h"

namespace charts::testing {

// A chart view that records what the foundation asks of it.
class FakeChartView : public BarLineChartViewInterface {
public:
    Rect viewBounds{0, 0, 300, 200};
    std::vector<Rect> redisplayed;
    int offsetCalculations = 0;
    std::shared_ptr<XAxis> x = std::make_shared<XAxis>();
    std::shared_ptr<YAxis> left = std::make_shared<YAxis>(YAxis::AxisDependency::left);
    std::shared_ptr<YAxis> right = std::make_shared<YAxis>(YAxis::AxisDependency::right);

    Rect bounds() const override { return viewBounds; }
    void setNeedsDisplay(const Rect& rect) override { redisplayed.push_back(rect); }
    std::shared_ptr<XAxis> xAxis() const override { return x; }
    std::shared_ptr<YAxis> getAxis(YAxis::AxisDependency axis) const override {
        return axis == YAxis::AxisDependency::left ? left : right;
    }
    void calculateOffsets() override { ++offsetCalculations; }
};

} // namespace charts::testing
