// Whole candlestick chart frames recorded and kept as text under golden/
// (see tests/charts/support/golden_frame.h): shadows and bodies filled and
// hollow, open/close bars, the highs above the candles, highlight lines, and
// the candles' elements with one set and with two.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "Charts/types/candle/CandleStickChartView.h"
#include "tests/charts/support/chart_view_support.h"
#include "tests/charts/support/golden_frame.h"
#include "tests/charts/types/candle/candle_support.h"

namespace charts {
namespace {

using namespace charts::testing;
using render_test::candleSet;

struct GoldenFrame {
    std::string name;
    std::function<void(CandleStickChartView&)> setUp;
};

// Rising, falling and unchanged candles.
std::vector<render_test::Candle> week() {
    return {{1, 40, 10, 15, 35}, {2, 45, 25, 38, 30}, {3, 36, 28, 32, 32},
            {4, 50, 30, 32, 48}, {5, 52, 35, 49, 40}, {6, 44, 20, 40, 22}};
}

void filledAndHollow(CandleStickChartView& view) {
    auto set = candleSet(week(), "Prices");
    set->setIncreasingColor(QColor(0, 150, 0));
    set->setDecreasingColor(QColor(200, 0, 0));
    set->setNeutralColor(QColor(100, 100, 100));
    set->setShadowColor(QColor(30, 30, 30));
    set->setValueTextColor(QColor(60, 60, 60));
    view.chartDescription()->setText(QStringLiteral("Week"));
    view.setData(std::make_shared<CandleChartData>(ChartData::DataSets{set}));
}

void barsAndCandlesHighlighted(CandleStickChartView& view) {
    auto bars = candleSet(week(), std::nullopt);
    bars->setShowCandleBar(false);
    bars->setBarSpace(0.3);
    bars->setDrawValuesEnabled(false);
    std::vector<render_test::Candle> shifted = week();
    for (render_test::Candle& c : shifted) {
        c.high += 30;
        c.low += 30;
        c.open += 30;
        c.close += 30;
    }
    auto candles = candleSet(shifted, "Later");
    candles->setShadowColorSameAsCandle(true);
    candles->setIncreasingColor(QColor(0, 100, 200));
    candles->setIncreasingFilled(true);
    candles->setDecreasingFilled(false);
    candles->setShadowWidth(2);
    candles->setDrawValuesEnabled(false);
    candles->setHighlightLineDashLengths(std::vector<double>{3, 3});
    view.setData(std::make_shared<CandleChartData>(ChartData::DataSets{bars, candles}));
    view.highlightValue(4, 69, 1, -1, false);
}

class CandleGolden : public ::testing::TestWithParam<GoldenFrame> {};

TEST_P(CandleGolden, TheFrameDrawsAsRecorded) {
    FixedMetrics metrics;
    const auto view = makeChart<CandleStickChartView>(400, 300);
    GetParam().setUp(*view);
    EXPECT_TRUE(frameMatchesGolden(*view, "candle", GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(Frames, CandleGolden,
                         ::testing::Values(GoldenFrame{"filled_and_hollow_with_highs", filledAndHollow},
                                           GoldenFrame{"bars_and_candles_highlighted", barsAndCandlesHighlighted}),
                         [](const ::testing::TestParamInfo<GoldenFrame>& frame) { return frame.param.name; });

} // namespace
} // namespace charts
