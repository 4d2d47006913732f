// Whole frames of a line chart into an 800 x 600 anti-aliased image: ours
// beside Qt Charts drawing the same data (11 data sets of 256 points, axes,
// grid lines and a legend), and a pan frame of one 100,000-point set zoomed
// to 1 % of its x range beside a frame of the points that are then visible.
// One benchmark times all four side by side and prints the two ratios.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include <QApplication>
#include <QChart>
#include <QGraphicsScene>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>

#include "Charts/data/ChartDataEntry.h"
#include "Charts/drawing/PainterContext.h"
#include "Charts/types/line/LineChartData.h"
#include "Charts/types/line/LineChartDataSet.h"
#include "Charts/types/line/LineChartView.h"
#include "bench/support/qt_application.h"
#include "bench/support/qt_charts_scene.h"
#include "bench/support/side_by_side.h"

namespace {

constexpr int imageWidth = 800;
constexpr int imageHeight = 600;
constexpr int setCount = 11;
constexpr int pointsPerSet = 256;

double curve(int set, int i) { return 100.0 * set + 50.0 * std::sin(i * 0.05 + set) + 20.0 * std::cos(i * 0.31); }

const QColor setColours[setCount] = {QColor(192, 255, 140), QColor(255, 247, 140), QColor(255, 208, 140),
                                     QColor(140, 234, 255), QColor(255, 140, 157), QColor(193, 37, 82),
                                     QColor(255, 102, 0),   QColor(245, 199, 0),   QColor(106, 150, 31),
                                     QColor(179, 100, 53),  QColor(64, 89, 128)};

QImage blankImage() {
    QImage image(imageWidth, imageHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

std::shared_ptr<charts::LineChartDataSet> lineSet(std::vector<charts::ChartDataEntryPtr> entries, int index) {
    auto set = std::make_shared<charts::LineChartDataSet>(std::move(entries), QStringLiteral("Set %1").arg(index));
    set->setColor(setColours[index % setCount]);
    set->setLineWidth(1.0);
    set->setDrawCirclesEnabled(false);
    set->setDrawValuesEnabled(false);
    return set;
}

std::unique_ptr<charts::LineChartView> elevenSetChart() {
    bench::qtApplication();
    auto data = std::make_shared<charts::LineChartData>();
    for (int s = 0; s < setCount; ++s) {
        std::vector<charts::ChartDataEntryPtr> entries;
        for (int i = 0; i < pointsPerSet; ++i)
            entries.push_back(std::make_shared<charts::ChartDataEntry>(i, curve(s, i)));
        data->addDataSet(lineSet(std::move(entries), s));
    }
    std::unique_ptr<charts::LineChartView> view(charts::ChartViewBase::create<charts::LineChartView>());
    view->setChartSize(imageWidth, imageHeight);
    view->setData(data);
    return view;
}

void drawFrame(charts::LineChartView& view, QImage& image) {
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    charts::PainterContext context(painter);
    view.draw(context);
}

void BM_LineChartFrameOurs(benchmark::State& state) {
    const auto view = elevenSetChart();
    QImage image = blankImage();
    for (auto _ : state) {
        drawFrame(*view, image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations() * setCount * pointsPerSet);
}
BENCHMARK(BM_LineChartFrameOurs)->Unit(benchmark::kMillisecond);

// Qt Charts drawing the same eleven sets with its axes and legend.
QChart* qtLineChart() {
    bench::qtApplication();
    auto* chart = new QChart();
    auto* axisX = new QValueAxis();
    auto* axisY = new QValueAxis();
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);
    for (int s = 0; s < setCount; ++s) {
        auto* series = new QLineSeries();
        series->setName(QStringLiteral("Set %1").arg(s));
        QList<QPointF> points;
        points.reserve(pointsPerSet);
        for (int i = 0; i < pointsPerSet; ++i) points.append(QPointF(i, curve(s, i)));
        series->replace(points);
        QPen pen(setColours[s]);
        pen.setWidthF(1.0);
        series->setPen(pen);
        chart->addSeries(series);
        series->attachAxis(axisX);
        series->attachAxis(axisY);
    }
    return chart;
}

class QtChartsFrame : public bench::QtChartsScene {
public:
    QtChartsFrame() : QtChartsScene(qtLineChart(), imageWidth, imageHeight) {}
};

void BM_LineChartFrameQtCharts(benchmark::State& state) {
    QtChartsFrame frame;
    QImage image = blankImage();
    for (auto _ : state) {
        frame.draw(image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations() * setCount * pointsPerSet);
}
BENCHMARK(BM_LineChartFrameQtCharts)->Unit(benchmark::kMillisecond);

std::unique_ptr<charts::LineChartView> singleSetChart(int count) {
    bench::qtApplication();
    std::vector<charts::ChartDataEntryPtr> entries;
    entries.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        entries.push_back(
            std::make_shared<charts::ChartDataEntry>(i, 50.0 * std::sin(i * 0.01) + 10.0 * std::cos(i * 0.7)));
    }
    auto data = std::make_shared<charts::LineChartData>();
    data->addDataSet(lineSet(std::move(entries), 0));
    std::unique_ptr<charts::LineChartView> view(charts::ChartViewBase::create<charts::LineChartView>());
    view->setChartSize(imageWidth, imageHeight);
    view->setData(data);
    return view;
}

// 100,000 points, 1 % of them visible, panned a pixel each frame (back and
// forth so the visible range stays inside the data).
class PanFrame {
public:
    PanFrame() : view_(singleSetChart(100'000)) {
        view_->zoom(100.0, 1.0, 0.0, 0.0);
        view_->moveViewToX(50'000);
    }

    void draw(QImage& image) {
        view_->performPanChange(charts::Point{(step_++ / 50) % 2 == 0 ? -1.0 : 1.0, 0});
        drawFrame(*view_, image);
    }

private:
    std::unique_ptr<charts::LineChartView> view_;
    int step_ = 0;
};

void BM_LineChartPanFrame100kZoomed(benchmark::State& state) {
    PanFrame frame;
    QImage image = blankImage();
    for (auto _ : state) {
        frame.draw(image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_LineChartPanFrame100kZoomed)->Unit(benchmark::kMillisecond);

// The same view with only the points a 1 % window shows.
void BM_LineChartFrame1kVisible(benchmark::State& state) {
    const auto view = singleSetChart(1'000);
    QImage image = blankImage();
    for (auto _ : state) {
        drawFrame(*view, image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_LineChartFrame1kVisible)->Unit(benchmark::kMillisecond);

// The four frames in interleaved rounds, each into its own image, with the
// medians and the two ratios the chart is held to: our full frame against
// Qt Charts' (goal below 1), and the zoomed 100,000-point pan frame against
// the frame of the 1,000 points it shows (goal about 1: culling leaves only
// the visible points to draw).
void BM_LineChartFramesSideBySide(benchmark::State& state) {
    const auto ours = elevenSetChart();
    QtChartsFrame peer;
    PanFrame pan;
    const auto visible = singleSetChart(1'000);
    QImage oursImage = blankImage();
    QImage peerImage = blankImage();
    QImage panImage = blankImage();
    QImage visibleImage = blankImage();
    const std::vector<bench::Variant> variants{
        {"ours, 11 x 256 points", [&] { drawFrame(*ours, oursImage); }},
        {"Qt Charts, 11 x 256", [&] { peer.draw(peerImage); }},
        {"pan, 100k zoomed to 1 %", [&] { pan.draw(panImage); }},
        {"1k points, unzoomed", [&] { drawFrame(*visible, visibleImage); }},
    };
    const auto medians = bench::medianMillisecondsPerRound(state, variants, "800 x 600 frame");
    const double oursOverPeer = medians[0] / medians[1];
    const double panOverVisible = medians[2] / medians[3];
    std::printf("ours / Qt Charts: %.2fx (goal below 1)\n", oursOverPeer);
    std::printf("pan 100k zoomed / 1k visible: %.2fx (goal about 1)\n\n", panOverVisible);
    state.counters["ours_ms"] = medians[0];
    state.counters["ours_over_qtcharts"] = oursOverPeer;
    state.counters["pan_over_visible"] = panOverVisible;
}
BENCHMARK(BM_LineChartFramesSideBySide)->Iterations(200)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
