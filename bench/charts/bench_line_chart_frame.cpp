// Whole frames of a line chart into an 800 x 600 anti-aliased image: ours
// beside Qt Charts drawing the same data (11 data sets of 256 points, axes,
// grid lines and a legend), and a pan frame of one 100,000-point set zoomed
// to 1 % of its x range beside a frame of the points that are then visible.
#include <benchmark/benchmark.h>

#include <cmath>
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
#include "Charts/data/LineChartData.h"
#include "Charts/data/LineChartDataSet.h"
#include "Charts/drawing/PainterContext.h"
#include "Charts/views/LineChartView.h"

namespace {

constexpr int imageWidth = 800;
constexpr int imageHeight = 600;
constexpr int setCount = 11;
constexpr int pointsPerSet = 256;

// Widgets need an application; made once, offscreen.
void ensureApplication() {
    static std::unique_ptr<QApplication> application = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "charts_bench";
        static char* argv[] = {name, nullptr};
        return std::make_unique<QApplication>(argc, argv);
    }();
}

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
    ensureApplication();
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

void BM_LineChartFrameQtCharts(benchmark::State& state) {
    ensureApplication();
    QGraphicsScene scene;
    auto* chart = new QChart();
    chart->setAnimationOptions(QChart::NoAnimation);
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
    chart->legend()->setVisible(true);
    chart->legend()->setAlignment(Qt::AlignBottom);
    scene.addItem(chart);
    chart->setGeometry(0, 0, imageWidth, imageHeight);
    scene.setSceneRect(0, 0, imageWidth, imageHeight);
    QImage image = blankImage();
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        scene.render(&painter, QRectF(0, 0, imageWidth, imageHeight), QRectF(0, 0, imageWidth, imageHeight));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations() * setCount * pointsPerSet);
}
BENCHMARK(BM_LineChartFrameQtCharts)->Unit(benchmark::kMillisecond);

std::unique_ptr<charts::LineChartView> singleSetChart(int count) {
    ensureApplication();
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
void BM_LineChartPanFrame100kZoomed(benchmark::State& state) {
    const auto view = singleSetChart(100'000);
    view->zoom(100.0, 1.0, 0.0, 0.0);
    view->moveViewToX(50'000);
    QImage image = blankImage();
    int step = 0;
    for (auto _ : state) {
        view->performPanChange(charts::Point{(step++ / 50) % 2 == 0 ? -1.0 : 1.0, 0});
        drawFrame(*view, image);
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

} // namespace
