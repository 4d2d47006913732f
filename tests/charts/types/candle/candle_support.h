#pragma once
// Candlestick charts as the candle renderer's tests build them.
#include <memory>
#include <optional>
#include <vector>

#include "Charts/types/candle/CandleChartData.h"
#include "Charts/types/candle/CandleChartDataEntry.h"
#include "Charts/types/candle/CandleChartDataSet.h"
#include "Charts/types/candle/CandleChartViewInterface.h"
#include "tests/charts/support/fake_cartesian_chart.h"

namespace render_test {

class FakeCandleChart : public FakeCartesianChart<CandleChartViewInterface> {
public:
    static std::shared_ptr<FakeCandleChart> make() { return FakeCartesianChart::make<FakeCandleChart>(); }
    std::shared_ptr<CandleChartData> candleData() const override {
        return std::dynamic_pointer_cast<CandleChartData>(chartData);
    }
    void setDataSets(const std::vector<IChartDataSetPtr>& sets) { chartData = std::make_shared<CandleChartData>(sets); }
};

// The same chart seen as a provider that is not a candlestick view.
class PlainCandleProvider : public ForwardingProvider<CandleChartDataProvider, FakeCandleChart> {
public:
    using ForwardingProvider::ForwardingProvider;
    std::shared_ptr<CandleChartData> candleData() const override { return chart()->candleData(); }
};

// x, high, low, open, close.
struct Candle {
    double x, high, low, open, close;
};

inline std::shared_ptr<CandleChartDataSet> candleSet(const std::vector<Candle>& candles,
                                                     std::optional<QString> label = QStringLiteral("Set")) {
    CandleChartDataSet::Entries entries;
    for (const Candle& c : candles)
        entries.push_back(std::make_shared<CandleChartDataEntry>(c.x, c.high, c.low, c.open, c.close));
    return std::make_shared<CandleChartDataSet>(entries, std::move(label));
}

} // namespace render_test
