#pragma once
// Bubble charts as the bubble renderer's tests build them.
#include <memory>
#include <optional>
#include <vector>

#include "Charts/types/bubble/BubbleChartData.h"
#include "Charts/types/bubble/BubbleChartDataEntry.h"
#include "Charts/types/bubble/BubbleChartDataSet.h"
#include "Charts/types/bubble/BubbleChartViewInterface.h"
#include "tests/charts/support/fake_cartesian_chart.h"

namespace render_test {

class FakeBubbleChart : public FakeCartesianChart<BubbleChartViewInterface> {
public:
    static std::shared_ptr<FakeBubbleChart> make() { return FakeCartesianChart::make<FakeBubbleChart>(); }
    std::shared_ptr<BubbleChartData> bubbleData() const override {
        return std::dynamic_pointer_cast<BubbleChartData>(chartData);
    }
    std::shared_ptr<XAxis> xAxis() const override { return xAxisModel; }
    void setDataSets(const std::vector<IChartDataSetPtr>& sets) { chartData = std::make_shared<BubbleChartData>(sets); }
};

// The same chart seen as a provider that is not a bubble view.
class PlainBubbleProvider : public ForwardingProvider<BubbleChartDataProvider, FakeBubbleChart> {
public:
    using ForwardingProvider::ForwardingProvider;
    std::shared_ptr<BubbleChartData> bubbleData() const override { return chart()->bubbleData(); }
};

// x, y, size.
struct Bubble {
    double x, y, size;
};

inline std::shared_ptr<BubbleChartDataSet> bubbleSet(const std::vector<Bubble>& bubbles,
                                                     std::optional<QString> label = QStringLiteral("Set")) {
    BubbleChartDataSet::Entries entries;
    for (const Bubble& b : bubbles) entries.push_back(std::make_shared<BubbleChartDataEntry>(b.x, b.y, b.size));
    return std::make_shared<BubbleChartDataSet>(entries, std::move(label));
}

} // namespace render_test
