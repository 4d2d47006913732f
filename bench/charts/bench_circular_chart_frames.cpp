// Whole frames of the circular charts into an 800 x 600 anti-aliased image,
// side by side: a 12-slice pie with a hole, values and entry labels outside
// on value lines and a legend, beside Qt Charts' QPieSeries (hole, labels
// outside) and beside the QPainter floor of the same wedges, lines and texts,
// and the same pie turned a little before every frame, as while dragged; a
// radar of 5 filled sets x 36 spokes with its web and labels, beside a
// QPolarChart of 5 QAreaSeries (the nearest twin) and the floor of the same
// polygons, web and texts. One benchmark per chart times its variants in
// interleaved rounds and prints the ratios.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#include <QAreaSeries>
#include <QChart>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QPieSeries>
#include <QPieSlice>
#include <QPolarChart>
#include <QValueAxis>

#include "Charts/foundation/AxisValueFormatter.h"
#include "Charts/types/pie/PieChartData.h"
#include "Charts/types/pie/PieChartDataEntry.h"
#include "Charts/types/pie/PieChartDataSet.h"
#include "Charts/types/pie/PieChartView.h"
#include "Charts/types/radar/RadarChartData.h"
#include "Charts/types/radar/RadarChartDataEntry.h"
#include "Charts/types/radar/RadarChartDataSet.h"
#include "Charts/types/radar/RadarChartView.h"
#include "bench/charts/chart_frames.h"
#include "bench/support/qt_application.h"
#include "bench/support/qt_charts_scene.h"
#include "bench/support/side_by_side.h"

namespace {

constexpr int sliceCount = 12;
constexpr int radarSets = 5;
constexpr int spokes = 36;

const QColor palette[sliceCount] = {QColor(192, 255, 140), QColor(255, 247, 140), QColor(255, 208, 140),
                                    QColor(140, 234, 255), QColor(255, 140, 157), QColor(193, 37, 82),
                                    QColor(255, 102, 0),   QColor(245, 199, 0),   QColor(106, 150, 31),
                                    QColor(179, 100, 53),  QColor(64, 89, 128),   QColor(217, 80, 138)};

double sliceValue(int i) { return 5.0 + 3.0 * std::fabs(std::sin(i * 1.3)) + i % 3; }
double radarValue(int set, int i) { return 40.0 + 15.0 * set + 25.0 * std::sin(i * 0.35 + set); }

std::unique_ptr<charts::PieChartView> pieChart() {
    bench::qtApplication();
    charts::ChartDataSet::Entries entries;
    for (int i = 0; i < sliceCount; ++i)
        entries.push_back(
            std::make_shared<charts::PieChartDataEntry>(sliceValue(i), QStringLiteral("Slice %1").arg(i)));
    auto set = std::make_shared<charts::PieChartDataSet>(entries, QStringLiteral("Slices"));
    set->setColors(std::vector<QColor>(std::begin(palette), std::end(palette)));
    set->setXValuePosition(charts::PieValuePosition::outsideSlice);
    set->setYValuePosition(charts::PieValuePosition::outsideSlice);
    set->setValueTextColor(Qt::black);
    set->setSliceSpace(2);
    std::unique_ptr<charts::PieChartView> view(charts::ChartViewBase::create<charts::PieChartView>());
    view->setChartSize(bench::frameWidth, bench::frameHeight);
    view->setUsePercentValuesEnabled(true);
    view->setEntryLabelColor(Qt::black);
    view->setExtraOffsets(40, 20, 40, 20);
    view->setData(std::make_shared<charts::PieChartData>(set));
    return view;
}

std::unique_ptr<charts::RadarChartView> radarChart() {
    bench::qtApplication();
    charts::ChartData::DataSets sets;
    for (int s = 0; s < radarSets; ++s) {
        charts::ChartDataSet::Entries entries;
        for (int i = 0; i < spokes; ++i)
            entries.push_back(std::make_shared<charts::RadarChartDataEntry>(radarValue(s, i)));
        auto set = std::make_shared<charts::RadarChartDataSet>(entries, QStringLiteral("Set %1").arg(s));
        set->setColor(palette[s * 2]);
        set->setFillColor(palette[s * 2]);
        set->setDrawFilledEnabled(true);
        set->setDrawValuesEnabled(false);
        sets.push_back(set);
    }
    std::unique_ptr<charts::RadarChartView> view(charts::ChartViewBase::create<charts::RadarChartView>());
    view->setChartSize(bench::frameWidth, bench::frameHeight);
    std::vector<QString> names;
    for (int i = 0; i < spokes; ++i) names.push_back(QStringLiteral("%1°").arg(i * 10));
    view->xAxis()->setValueFormatter(std::make_shared<charts::IndexAxisValueFormatter>(names));
    view->setData(std::make_shared<charts::RadarChartData>(sets));
    return view;
}

QChart* qtPieChart() {
    bench::qtApplication();
    auto* series = new QPieSeries();
    series->setHoleSize(0.5);
    for (int i = 0; i < sliceCount; ++i) {
        QPieSlice* slice = series->append(QStringLiteral("Slice %1").arg(i), sliceValue(i));
        slice->setBrush(palette[i]);
        slice->setLabelVisible(true);
        slice->setLabelPosition(QPieSlice::LabelOutside);
    }
    auto* chart = new QChart();
    chart->addSeries(series);
    return chart;
}

QChart* qtPolarChart() {
    bench::qtApplication();
    auto* chart = new QPolarChart();
    auto* angular = new QValueAxis();
    angular->setRange(0, spokes);
    angular->setTickCount(spokes + 1);
    angular->setLabelFormat(QStringLiteral("%d"));
    auto* radial = new QValueAxis();
    radial->setRange(0, 140);
    chart->addAxis(angular, QPolarChart::PolarOrientationAngular);
    chart->addAxis(radial, QPolarChart::PolarOrientationRadial);
    for (int s = 0; s < radarSets; ++s) {
        auto* upper = new QLineSeries();
        for (int i = 0; i <= spokes; ++i) upper->append(i, radarValue(s, i % spokes));
        auto* area = new QAreaSeries(upper);
        area->setName(QStringLiteral("Set %1").arg(s));
        QColor fill = palette[s * 2];
        fill.setAlphaF(0.33);
        area->setBrush(fill);
        area->setPen(QPen(palette[s * 2], 1.0));
        chart->addSeries(area);
        area->attachAxis(angular);
        area->attachAxis(radial);
    }
    return chart;
}

void BM_PieFramesSideBySide(benchmark::State& state) {
    const auto ours = pieChart();
    const auto dragged = pieChart();
    bench::QtChartsScene peer(qtPieChart(), bench::frameWidth, bench::frameHeight);
    const bench::PainterFloor floor = bench::floorOf(*ours);
    QImage oursImage = bench::blankFrame();
    QImage draggedImage = bench::blankFrame();
    QImage peerImage = bench::blankFrame();
    QImage floorImage = bench::blankFrame();
    double angle = 0;
    const std::vector<bench::Variant> variants{
        {"ours, pie", [&] { bench::drawOurs(*ours, oursImage); }},
        {"ours, pie while dragged",
         [&] {
             angle += 0.7;
             dragged->setRotationAngle(angle);
             bench::drawOurs(*dragged, draggedImage);
         }},
        {"Qt Charts QPieSeries", [&] { peer.draw(peerImage); }},
        {"QPainter floor, pie", [&] { bench::drawFloor(floor, floorImage); }},
    };
    const auto medians = bench::medianMillisecondsPerRound(state, variants, "800 x 600 pie frame");
    std::printf("ours / Qt Charts: %.2fx (goal below 1)\n", medians[0] / medians[2]);
    std::printf("ours / QPainter floor: %.2fx (goal at most 1.25)\n", medians[0] / medians[3]);
    std::printf("dragged / still: %.2fx (goal about 1)\n\n", medians[1] / medians[0]);
    state.counters["ours_ms"] = medians[0];
    state.counters["ours_over_qtcharts"] = medians[0] / medians[2];
    state.counters["ours_over_floor"] = medians[0] / medians[3];
    state.counters["dragged_over_still"] = medians[1] / medians[0];
}
BENCHMARK(BM_PieFramesSideBySide)->Iterations(300)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RadarFramesSideBySide(benchmark::State& state) {
    const auto ours = radarChart();
    bench::QtChartsScene peer(qtPolarChart(), bench::frameWidth, bench::frameHeight);
    const bench::PainterFloor floor = bench::floorOf(*ours);
    QImage oursImage = bench::blankFrame();
    QImage peerImage = bench::blankFrame();
    QImage floorImage = bench::blankFrame();
    const std::vector<bench::Variant> variants{
        {"ours, radar 5 x 36", [&] { bench::drawOurs(*ours, oursImage); }},
        {"Qt Charts QPolarChart", [&] { peer.draw(peerImage); }},
        {"QPainter floor, radar", [&] { bench::drawFloor(floor, floorImage); }},
    };
    const auto medians = bench::medianMillisecondsPerRound(state, variants, "800 x 600 radar frame");
    std::printf("ours / Qt Charts: %.2fx (goal below 1)\n", medians[0] / medians[1]);
    std::printf("ours / QPainter floor: %.2fx (goal at most 1.25)\n\n", medians[0] / medians[2]);
    state.counters["ours_ms"] = medians[0];
    state.counters["ours_over_qtcharts"] = medians[0] / medians[1];
    state.counters["ours_over_floor"] = medians[0] / medians[2];
}
BENCHMARK(BM_RadarFramesSideBySide)->Iterations(300)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
