#pragma once
#include <memory>

#include "Charts/types/bubble/BubbleChartData.h"
#include "Charts/types/bubble/BubbleChartViewInterface.h"
#include "Charts/views/BarLineChartViewBase.h"

namespace charts {

// The bubble chart: a bar-line chart view drawing its bubble data through
// the bubble renderer. Made through ChartViewBase::create<BubbleChartView>().
class BubbleChartView : public BarLineChartViewBase, public virtual BubbleChartViewInterface {
public:
    explicit BubbleChartView(ConstructionKey key, QWidget* parent = nullptr) : BarLineChartViewBase(key, parent) {}

    // The data when it is bubble chart data; none otherwise.
    std::shared_ptr<BubbleChartData> bubbleData() const override;
    std::shared_ptr<XAxis> xAxis() const override { return BarLineChartViewBase::xAxis(); }

protected:
    void initialize() override;
};

} // namespace charts
