#pragma once
// Scatter charts as the scatter renderer's tests build them.
#include <memory>
#include <optional>
#include <vector>

#include "Charts/types/scatter/ScatterChartData.h"
#include "Charts/types/scatter/ScatterChartDataSet.h"
#include "Charts/types/scatter/ScatterChartViewInterface.h"
#include "tests/charts/support/fake_cartesian_chart.h"

namespace render_test {

class FakeScatterChart : public FakeCartesianChart<ScatterChartViewInterface> {
public:
    static std::shared_ptr<FakeScatterChart> make() { return FakeCartesianChart::make<FakeScatterChart>(); }
    std::shared_ptr<ScatterChartData> scatterData() const override {
        return std::dynamic_pointer_cast<ScatterChartData>(chartData);
    }
    void setDataSets(const std::vector<IChartDataSetPtr>& sets) {
        chartData = std::make_shared<ScatterChartData>(sets);
    }
};

// The same chart seen as a provider that is not a scatter view.
class PlainScatterProvider : public ForwardingProvider<ScatterChartDataProvider, FakeScatterChart> {
public:
    using ForwardingProvider::ForwardingProvider;
    std::shared_ptr<ScatterChartData> scatterData() const override { return chart()->scatterData(); }
};

inline std::shared_ptr<ScatterChartDataSet> scatterSet(const std::vector<Point>& points,
                                                       std::optional<QString> label = QStringLiteral("Set")) {
    ScatterChartDataSet::Entries entries;
    for (const Point& p : points) entries.push_back(std::make_shared<ChartDataEntry>(p.x, p.y));
    return std::make_shared<ScatterChartDataSet>(entries, std::move(label));
}

} // namespace render_test
