// Whole combined chart frames into an 800 x 600 anti-aliased image with axes,
// grid lines and a legend: 100 bars, a 100-point line, 100 scatter points and
// 100 candles in one chart beside a Qt Charts chart of the same four series
// (and ours with 100 bubbles added, which Qt Charts has no series for); and a
// pan frame of 20,000 entries of every kind zoomed to 1 % of x beside a
// frame of the entries then visible. One side-by-side run prints the ratios.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#include <QBarSeries>
#include <QBarSet>
#include <QCandlestickSeries>
#include <QCandlestickSet>
#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include "Charts/combined/CombinedChartView.h"
#include "Charts/types/bar/BarChartData.h"
#include "Charts/types/bar/BarChartDataEntry.h"
#include "Charts/types/bar/BarChartDataSet.h"
#include "Charts/types/bubble/BubbleChartData.h"
#include "Charts/types/bubble/BubbleChartDataEntry.h"
#include "Charts/types/bubble/BubbleChartDataSet.h"
#include "Charts/types/candle/CandleChartData.h"
#include "Charts/types/candle/CandleChartDataEntry.h"
#include "Charts/types/candle/CandleChartDataSet.h"
#include "Charts/types/line/LineChartData.h"
#include "Charts/types/line/LineChartDataSet.h"
#include "Charts/types/scatter/ScatterChartData.h"
#include "Charts/types/scatter/ScatterChartDataSet.h"
#include "bench/charts/chart_frames.h"
#include "bench/support/qt_charts_scene.h"
#include "bench/support/side_by_side.h"

namespace {

using namespace charts;

const QColor barColour(200, 170, 40);
const QColor lineColour(40, 80, 220);
const QColor scatterColour(150, 60, 200);
const QColor rising(0, 150, 60);
const QColor falling(200, 40, 40);
const QColor bubbleColour(20, 190, 200);

// The values of entry i of each kind, each kind in a band of its own.
double barValue(int i) { return 20 + 10 * std::sin(i * 0.21); }
double lineValue(int i) { return 60 + 8 * std::sin(i * 0.13); }
double scatterValue(int i) { return 80 + 6 * std::cos(i * 0.37); }
double candleMiddle(int i) { return 45 + 5 * std::sin(i * 0.29); }
double candleOpen(int i) { return candleMiddle(i) + (i % 2 == 0 ? -2 : 2); }
double candleClose(int i) { return 2 * candleMiddle(i) - candleOpen(i); }

std::shared_ptr<CombinedChartData> combinedData(int count, bool bubbles) {
    std::vector<ChartDataEntryPtr> bars, line, points, candles, sizes;
    for (int i = 0; i < count; ++i) {
        bars.push_back(std::make_shared<BarChartDataEntry>(i, barValue(i)));
        line.push_back(std::make_shared<ChartDataEntry>(i, lineValue(i)));
        points.push_back(std::make_shared<ChartDataEntry>(i, scatterValue(i)));
        candles.push_back(std::make_shared<CandleChartDataEntry>(i, candleMiddle(i) + 4, candleMiddle(i) - 4,
                                                                 candleOpen(i), candleClose(i)));
        sizes.push_back(std::make_shared<BubbleChartDataEntry>(i, 95, 0.3 + (i % 3) * 0.1));
    }
    auto barSet = std::make_shared<BarChartDataSet>(bars, QStringLiteral("Bars"));
    barSet->setColor(barColour);
    auto lineSet = std::make_shared<LineChartDataSet>(line, QStringLiteral("Line"));
    lineSet->setColor(lineColour);
    lineSet->setDrawCirclesEnabled(false);
    auto pointSet = std::make_shared<ScatterChartDataSet>(points, QStringLiteral("Points"));
    pointSet->setScatterShape(ScatterChartDataSet::Shape::circle);
    pointSet->setScatterShapeSize(6);
    pointSet->setColor(scatterColour);
    auto candleSet = std::make_shared<CandleChartDataSet>(candles, QStringLiteral("Candles"));
    candleSet->setIncreasingColor(rising);
    candleSet->setDecreasingColor(falling);
    candleSet->setIncreasingFilled(true);
    candleSet->setShadowColorSameAsCandle(true);
    auto data = std::make_shared<CombinedChartData>();
    auto barData = std::make_shared<BarChartData>(ChartData::DataSets{barSet});
    barData->setBarWidth(0.6);
    data->setBarData(barData);
    data->setLineData(std::make_shared<LineChartData>(ChartData::DataSets{lineSet}));
    data->setScatterData(std::make_shared<ScatterChartData>(ChartData::DataSets{pointSet}));
    data->setCandleData(std::make_shared<CandleChartData>(ChartData::DataSets{candleSet}));
    if (bubbles) {
        auto bubbleSet = std::make_shared<BubbleChartDataSet>(sizes, QStringLiteral("Bubbles"));
        bubbleSet->setNormalizeSizeEnabled(false);
        bubbleSet->setColor(bubbleColour);
        data->setBubbleData(std::make_shared<BubbleChartData>(ChartData::DataSets{bubbleSet}));
    }
    for (const auto& set : data->dataSets()) set->setDrawValuesEnabled(false);
    return data;
}

std::unique_ptr<CombinedChartView> combinedChart(int count, bool bubbles) {
    bench::qtApplication();
    std::unique_ptr<CombinedChartView> view(ChartViewBase::create<CombinedChartView>());
    view->setChartSize(bench::frameWidth, bench::frameHeight);
    view->setData(combinedData(count, bubbles));
    view->xAxis()->setSpaceMin(0.5);
    view->xAxis()->setSpaceMax(0.5);
    for (const auto& axis : {view->leftAxis(), view->rightAxis()}) {
        axis->setAxisMinimum(0);
        axis->setAxisMaximum(100);
    }
    view->notifyDataSetChanged();
    return view;
}

// Qt Charts' bar, line, scatter and candlestick series of the same values on
// shared value axes.
QChart* qtCombinedChart(int count) {
    bench::qtApplication();
    auto* chart = new QChart();
    auto* axisX = new QValueAxis();
    auto* axisY = new QValueAxis();
    axisX->setRange(-0.5, count - 0.5);
    axisY->setRange(0, 100);
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);
    auto* bars = new QBarSeries();
    auto* barSet = new QBarSet(QStringLiteral("Bars"));
    barSet->setColor(barColour);
    auto* line = new QLineSeries();
    line->setName(QStringLiteral("Line"));
    line->setColor(lineColour);
    auto* points = new QScatterSeries();
    points->setName(QStringLiteral("Points"));
    points->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    points->setMarkerSize(6);
    points->setColor(scatterColour);
    points->setBorderColor(scatterColour);
    auto* candles = new QCandlestickSeries();
    candles->setName(QStringLiteral("Candles"));
    candles->setIncreasingColor(rising);
    candles->setDecreasingColor(falling);
    for (int i = 0; i < count; ++i) {
        barSet->append(barValue(i));
        line->append(i, lineValue(i));
        points->append(i, scatterValue(i));
        candles->append(
            new QCandlestickSet(candleOpen(i), candleMiddle(i) + 4, candleMiddle(i) - 4, candleClose(i), i));
    }
    bars->append(barSet);
    bars->setBarWidth(0.6);
    for (QAbstractSeries* series : {static_cast<QAbstractSeries*>(bars), static_cast<QAbstractSeries*>(candles),
                                    static_cast<QAbstractSeries*>(line), static_cast<QAbstractSeries*>(points)}) {
        chart->addSeries(series);
        series->attachAxis(axisX);
        series->attachAxis(axisY);
    }
    return chart;
}

// Ours alone, for profiling.
void BM_CombinedFrameOurs(benchmark::State& state) {
    const auto view = combinedChart(100, false);
    QImage image = bench::blankFrame();
    for (auto _ : state) bench::drawOurs(*view, image);
}
BENCHMARK(BM_CombinedFrameOurs)->Unit(benchmark::kMillisecond);

void BM_CombinedFramesSideBySide(benchmark::State& state) {
    const auto ours = combinedChart(100, false);
    bench::QtChartsScene peer(qtCombinedChart(100), bench::frameWidth, bench::frameHeight);
    const auto withBubbles = combinedChart(100, true);
    // 20,000 entries of every kind, 1 % of x visible.
    bench::PanFrame pan(combinedChart(20'000, true), 10'000);
    const auto visible = combinedChart(200, true);
    std::vector<QImage> images(5, bench::blankFrame());
    const std::vector<bench::Variant> variants{
        {"ours, 4 kinds x 100", [&] { bench::drawOurs(*ours, images[0]); }},
        {"Qt Charts, 4 series x 100", [&] { peer.draw(images[1]); }},
        {"ours, 5 kinds x 100 (bubbles)", [&] { bench::drawOurs(*withBubbles, images[2]); }},
        {"pan, 5 x 20k zoomed to 1 %", [&] { pan.draw(images[3]); }},
        {"5 x 200 visible, unzoomed", [&] { bench::drawOurs(*visible, images[4]); }},
    };
    const auto medians = bench::medianMillisecondsPerRound(state, variants, "800 x 600 combined frame");
    const double oursOverPeer = medians[0] / medians[1];
    const double bubblesOverPeer = medians[2] / medians[1];
    const double panOverVisible = medians[3] / medians[4];
    std::printf("ours / Qt Charts: %.2fx (goal below 1)\n", oursOverPeer);
    std::printf("ours with bubbles / Qt Charts without: %.2fx\n", bubblesOverPeer);
    std::printf("pan 5 x 20k zoomed / 5 x 200 visible: %.2fx (goal at most 2)\n\n", panOverVisible);
    state.counters["ours_ms"] = medians[0];
    state.counters["ours_over_qtcharts"] = oursOverPeer;
    state.counters["bubbles_ms"] = medians[2];
    state.counters["pan_over_visible"] = panOverVisible;
}
BENCHMARK(BM_CombinedFramesSideBySide)->Iterations(100)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
