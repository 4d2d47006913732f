// Whole scatter chart frames into an 800 x 600 anti-aliased image with axes,
// grid lines and a legend: two sets of 5,000 points (circles and squares of
// size 8) beside Qt Charts' scatter series and the QPainter floor of the
// same frame; a frame of all seven shapes, 1,000 points each, beside its
// floor; and a pan frame of 100,000 points zoomed to 1 % of their x range
// beside a frame of the points then visible. One side-by-side run prints the
// ratios the scatter chart is held to.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#include <QChart>
#include <QScatterSeries>
#include <QValueAxis>

#include "Charts/types/scatter/ScatterChartData.h"
#include "Charts/types/scatter/ScatterChartDataSet.h"
#include "Charts/types/scatter/ScatterChartView.h"
#include "bench/charts/chart_frames.h"
#include "bench/support/qt_charts_scene.h"
#include "bench/support/side_by_side.h"

namespace {

using Shape = charts::ScatterChartDataSet::Shape;

constexpr int pointsPerSet = 5'000;
const QColor setColours[7] = {QColor(40, 110, 220), QColor(220, 90, 30),  QColor(30, 160, 80), QColor(150, 60, 200),
                              QColor(200, 40, 90),  QColor(20, 150, 170), QColor(120, 120, 30)};

// A scattered cloud: x evenly along the range, y wandering and jittered.
double cloud(int set, int i) { return 50 + 30 * std::sin(i * 0.002 + set) + 15 * std::sin(i * 12.9898 + set * 78.233); }

std::shared_ptr<charts::ScatterChartDataSet> scatterSet(int set, int count, Shape shape, double xStep = 1) {
    std::vector<charts::ChartDataEntryPtr> entries;
    entries.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        entries.push_back(std::make_shared<charts::ChartDataEntry>(i * xStep, cloud(set, i)));
    auto dataSet = std::make_shared<charts::ScatterChartDataSet>(std::move(entries), QStringLiteral("Set %1").arg(set));
    dataSet->setScatterShape(shape);
    dataSet->setScatterShapeSize(8);
    dataSet->setColor(setColours[set % 7]);
    dataSet->setDrawValuesEnabled(false);
    return dataSet;
}

std::unique_ptr<charts::ScatterChartView> scatterChart(charts::ChartData::DataSets sets) {
    bench::qtApplication();
    std::unique_ptr<charts::ScatterChartView> view(charts::ChartViewBase::create<charts::ScatterChartView>());
    view->setChartSize(bench::frameWidth, bench::frameHeight);
    view->setData(std::make_shared<charts::ScatterChartData>(std::move(sets)));
    return view;
}

std::unique_ptr<charts::ScatterChartView> twoSetChart() {
    return scatterChart({scatterSet(0, pointsPerSet, Shape::circle), scatterSet(1, pointsPerSet, Shape::square)});
}

std::unique_ptr<charts::ScatterChartView> sevenShapeChart() {
    charts::ChartData::DataSets sets;
    for (int raw = 0; raw <= 6; ++raw) sets.push_back(scatterSet(raw, 1'000, *charts::scatterShapeFromRaw(raw)));
    return scatterChart(sets);
}

// Qt Charts' scatter series of the same points on value axes.
QChart* qtScatterChart() {
    bench::qtApplication();
    auto* chart = new QChart();
    auto* axisX = new QValueAxis();
    auto* axisY = new QValueAxis();
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);
    const QScatterSeries::MarkerShape shapes[2] = {QScatterSeries::MarkerShapeCircle,
                                                   QScatterSeries::MarkerShapeRectangle};
    for (int s = 0; s < 2; ++s) {
        auto* series = new QScatterSeries();
        series->setName(QStringLiteral("Set %1").arg(s));
        series->setMarkerShape(shapes[s]);
        series->setMarkerSize(8);
        series->setColor(setColours[s]);
        series->setBorderColor(setColours[s]);
        QList<QPointF> points;
        for (int i = 0; i < pointsPerSet; ++i) points.append(QPointF(i, cloud(s, i)));
        series->replace(points);
        chart->addSeries(series);
        series->attachAxis(axisX);
        series->attachAxis(axisY);
    }
    return chart;
}

// Ours alone, for profiling.
void BM_ScatterFrameOurs(benchmark::State& state) {
    const auto view = twoSetChart();
    QImage image = bench::blankFrame();
    for (auto _ : state) bench::drawOurs(*view, image);
}
BENCHMARK(BM_ScatterFrameOurs)->Unit(benchmark::kMillisecond);

void BM_ScatterFramesSideBySide(benchmark::State& state) {
    const auto ours = twoSetChart();
    bench::QtChartsScene peer(qtScatterChart(), bench::frameWidth, bench::frameHeight);
    const bench::PainterFloor floor = bench::floorOf(*ours);
    const auto seven = sevenShapeChart();
    const bench::PainterFloor sevenFloor = bench::floorOf(*seven);
    // 100,000 points, 1 % of them visible.
    bench::PanFrame pan(scatterChart({scatterSet(0, 100'000, Shape::circle)}), 50'000);
    const auto visible = scatterChart({scatterSet(0, 1'000, Shape::circle)});
    std::vector<QImage> images(7, bench::blankFrame());
    const std::vector<bench::Variant> variants{
        {"ours, 2 x 5,000 points", [&] { bench::drawOurs(*ours, images[0]); }},
        {"Qt Charts, 2 x 5,000", [&] { peer.draw(images[1]); }},
        {"QPainter floor", [&] { bench::drawFloor(floor, images[2]); }},
        {"ours, 7 shapes x 1,000", [&] { bench::drawOurs(*seven, images[3]); }},
        {"floor, 7 shapes x 1,000", [&] { bench::drawFloor(sevenFloor, images[4]); }},
        {"pan, 100k zoomed to 1 %", [&] { pan.draw(images[5]); }},
        {"1k points, unzoomed", [&] { bench::drawOurs(*visible, images[6]); }},
    };
    const auto medians = bench::medianMillisecondsPerRound(state, variants, "800 x 600 scatter frame");
    const double oursOverPeer = medians[0] / medians[1];
    const double oursOverFloor = medians[0] / medians[2];
    const double sevenOverFloor = medians[3] / medians[4];
    const double panOverVisible = medians[5] / medians[6];
    std::printf("ours / Qt Charts: %.2fx (goal at most 0.5)\n", oursOverPeer);
    std::printf("ours / QPainter floor: %.2fx (goal at most 1.25)\n", oursOverFloor);
    std::printf("seven shapes / their floor: %.2fx\n", sevenOverFloor);
    std::printf("pan 100k zoomed / 1k visible: %.2fx (goal at most 1.2)\n\n", panOverVisible);
    state.counters["ours_ms"] = medians[0];
    state.counters["ours_over_qtcharts"] = oursOverPeer;
    state.counters["ours_over_floor"] = oursOverFloor;
    state.counters["seven_ms"] = medians[3];
    state.counters["pan_over_visible"] = panOverVisible;
}
BENCHMARK(BM_ScatterFramesSideBySide)->Iterations(100)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
