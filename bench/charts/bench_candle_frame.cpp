// Whole frames of 500 candles into an 800 x 600 anti-aliased image with axes,
// grid lines and a legend: ours beside Qt Charts' candlestick series and the
// QPainter floor of the same frame, in one side-by-side run that prints the
// two ratios the candle chart is held to.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#include <QCandlestickSeries>
#include <QCandlestickSet>
#include <QChart>
#include <QValueAxis>

#include "Charts/types/candle/CandleChartData.h"
#include "Charts/types/candle/CandleChartDataEntry.h"
#include "Charts/types/candle/CandleChartDataSet.h"
#include "Charts/types/candle/CandleStickChartView.h"
#include "bench/charts/chart_frames.h"
#include "bench/support/qt_charts_scene.h"
#include "bench/support/side_by_side.h"

namespace {

constexpr int candleCount = 500;
const QColor rising(0, 150, 60);
const QColor falling(200, 40, 40);

struct Prices {
    double open, high, low, close;
};

// A wandering price: each candle opens where the last closed.
std::vector<Prices> prices() {
    std::vector<Prices> all;
    double close = 100;
    for (int i = 0; i < candleCount; ++i) {
        const double open = close;
        close = open + 6 * std::sin(i * 0.7) + 3 * std::cos(i * 0.13);
        all.push_back({open, std::max(open, close) + 2 + std::abs(std::sin(i * 1.3)) * 3,
                       std::min(open, close) - 2 - std::abs(std::cos(i * 0.9)) * 3, close});
    }
    return all;
}

std::unique_ptr<charts::CandleStickChartView> ourChart() {
    bench::qtApplication();
    std::vector<charts::ChartDataEntryPtr> entries;
    int i = 0;
    for (const Prices& p : prices())
        entries.push_back(std::make_shared<charts::CandleChartDataEntry>(i++, p.high, p.low, p.open, p.close));
    auto set = std::make_shared<charts::CandleChartDataSet>(entries, QStringLiteral("Prices"));
    set->setIncreasingColor(rising);
    set->setDecreasingColor(falling);
    set->setIncreasingFilled(true);
    set->setShadowColorSameAsCandle(true);
    set->setShadowWidth(1);
    set->setDrawValuesEnabled(false);
    std::unique_ptr<charts::CandleStickChartView> view(charts::ChartViewBase::create<charts::CandleStickChartView>());
    view->setChartSize(bench::frameWidth, bench::frameHeight);
    view->setData(std::make_shared<charts::CandleChartData>(charts::ChartData::DataSets{set}));
    return view;
}

// Qt Charts' candlestick series of the same prices on value axes.
QChart* qtCandleChart() {
    bench::qtApplication();
    auto* chart = new QChart();
    auto* series = new QCandlestickSeries();
    series->setName(QStringLiteral("Prices"));
    series->setIncreasingColor(rising);
    series->setDecreasingColor(falling);
    int i = 0;
    for (const Prices& p : prices()) series->append(new QCandlestickSet(p.open, p.high, p.low, p.close, i++));
    chart->addSeries(series);
    auto* axisX = new QValueAxis();
    auto* axisY = new QValueAxis();
    axisX->setRange(-0.5, candleCount - 0.5);
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);
    series->attachAxis(axisX);
    series->attachAxis(axisY);
    return chart;
}

// Ours alone, for profiling.
void BM_CandleFrameOurs(benchmark::State& state) {
    const auto view = ourChart();
    QImage image = bench::blankFrame();
    for (auto _ : state) bench::drawOurs(*view, image);
}
BENCHMARK(BM_CandleFrameOurs)->Unit(benchmark::kMillisecond);

void BM_CandleFramesSideBySide(benchmark::State& state) {
    const auto ours = ourChart();
    bench::QtChartsScene peer(qtCandleChart(), bench::frameWidth, bench::frameHeight);
    const bench::PainterFloor floor = bench::floorOf(*ours);
    QImage oursImage = bench::blankFrame();
    QImage peerImage = bench::blankFrame();
    QImage floorImage = bench::blankFrame();
    const std::vector<bench::Variant> variants{
        {"ours, 500 candles", [&] { bench::drawOurs(*ours, oursImage); }},
        {"Qt Charts, 500 candles", [&] { peer.draw(peerImage); }},
        {"QPainter floor", [&] { bench::drawFloor(floor, floorImage); }},
    };
    const auto medians = bench::medianMillisecondsPerRound(state, variants, "800 x 600 candle frame");
    const double oursOverPeer = medians[0] / medians[1];
    const double oursOverFloor = medians[0] / medians[2];
    std::printf("ours / Qt Charts: %.2fx (goal at most 0.5)\n", oursOverPeer);
    std::printf("ours / QPainter floor: %.2fx (goal at most 1.25)\n\n", oursOverFloor);
    state.counters["ours_ms"] = medians[0];
    state.counters["ours_over_qtcharts"] = oursOverPeer;
    state.counters["ours_over_floor"] = oursOverFloor;
}
BENCHMARK(BM_CandleFramesSideBySide)->Iterations(200)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
