#pragma once
// Combined charts as their tests build them: each kind's sub-data from plain
// numbers, in a colour of its own, and combined views laid out without an
// event loop.
#include <memory>
#include <string>
#include <vector>

#include <QColor>

#include "Charts/combined/CombinedChartData.h"
#include "Charts/combined/CombinedChartView.h"
#include "tests/charts/support/chart_view_support.h"
#include "tests/charts/types/bar/bar_support.h"
#include "tests/charts/types/bubble/bubble_support.h"
#include "tests/charts/types/candle/candle_support.h"
#include "tests/charts/types/scatter/scatter_support.h"

namespace combined_test {

using namespace charts;
using bar_test::Bar;
using render_test::Bubble;
using render_test::Candle;

// One colour per kind, so that a recording or a picture tells them apart.
const QColor barColour(200, 170, 40);
const QColor lineColour(40, 80, 220);
const QColor scatterColour(150, 60, 200);
const QColor candleRising(0, 150, 60);
const QColor candleFalling(200, 40, 40);
const QColor bubbleColour(20, 190, 200);

inline std::shared_ptr<LineChartData> lineOf(const std::vector<Point>& points, const QString& label = "Line") {
    auto set = charts::testing::lineSet(points, label);
    set->setColor(lineColour);
    set->setCircleColor(lineColour);
    set->setDrawValuesEnabled(false);
    return std::make_shared<LineChartData>(ChartData::DataSets{set});
}

inline std::shared_ptr<BarChartData> barsOf(const std::vector<Bar>& bars, const QString& label = "Bars") {
    auto set = bar_test::barSet(bars, label);
    set->setColor(barColour);
    set->setDrawValuesEnabled(false);
    return bar_test::barData({set}, 0.5);
}

inline std::shared_ptr<ScatterChartData> scatterOf(const std::vector<Point>& points, const QString& label = "Spots") {
    auto set = render_test::scatterSet(points, label);
    set->setColor(scatterColour);
    set->setDrawValuesEnabled(false);
    return std::make_shared<ScatterChartData>(ChartData::DataSets{set});
}

inline std::shared_ptr<CandleChartData> candlesOf(const std::vector<Candle>& candles, const QString& label = "Prices") {
    auto set = render_test::candleSet(candles, label);
    set->setIncreasingColor(candleRising);
    set->setDecreasingColor(candleFalling);
    set->setIncreasingFilled(true);
    set->setShadowColorSameAsCandle(true);
    set->setDrawValuesEnabled(false);
    return std::make_shared<CandleChartData>(ChartData::DataSets{set});
}

inline std::shared_ptr<BubbleChartData> bubblesOf(const std::vector<Bubble>& bubbles, const QString& label = "Sizes") {
    auto set = render_test::bubbleSet(bubbles, label);
    set->setColor(bubbleColour);
    set->setDrawValuesEnabled(false);
    return std::make_shared<BubbleChartData>(ChartData::DataSets{set});
}

// The five kinds over x 0 to 4: bars of 2 to 6, a line from 1 to 9, scatter
// points, candles about 5 and bubbles about 3; the kinds named in `kinds`
// ("line", "bar", "scatter", "candle", "bubble") only.
inline std::shared_ptr<CombinedChartData> fiveKinds(const std::vector<std::string>& kinds = {"line", "bar", "scatter",
                                                                                             "candle", "bubble"}) {
    auto data = std::make_shared<CombinedChartData>();
    const auto has = [&](const char* kind) { return std::find(kinds.begin(), kinds.end(), kind) != kinds.end(); };
    if (has("line")) data->setLineData(lineOf({{0, 1}, {1, 3}, {2, 5}, {3, 7}, {4, 9}}));
    if (has("bar")) data->setBarData(barsOf({{0, 2, {}}, {1, 4, {}}, {2, 6, {}}, {3, 3, {}}, {4, 5, {}}}));
    if (has("scatter")) data->setScatterData(scatterOf({{0, 8}, {1, 7}, {2, 8}, {3, 9}, {4, 8}}));
    if (has("candle"))
        data->setCandleData(
            candlesOf({{0, 7, 3, 4, 6}, {1, 6, 2, 5, 3}, {2, 8, 4, 5, 7}, {3, 6, 3, 5, 4}, {4, 7, 4, 4.5, 6.5}}));
    if (has("bubble")) data->setBubbleData(bubblesOf({{0, 3, 1}, {1, 2, 2}, {2, 3, 1}, {3, 2, 2}, {4, 3, 1}}));
    return data;
}

inline std::unique_ptr<CombinedChartView> makeCombined(double width = 400, double height = 300) {
    return charts::testing::makeChart<CombinedChartView>(width, height);
}

// The kind of each sub-data, by its class.
inline std::string kindOf(const std::shared_ptr<ChartData>& data) {
    if (std::dynamic_pointer_cast<LineChartData>(data)) return "line";
    if (std::dynamic_pointer_cast<BarChartData>(data)) return "bar";
    if (std::dynamic_pointer_cast<ScatterChartData>(data)) return "scatter";
    if (std::dynamic_pointer_cast<CandleChartData>(data)) return "candle";
    if (std::dynamic_pointer_cast<BubbleChartData>(data)) return "bubble";
    return data ? "other" : "none";
}

} // namespace combined_test
