// The line renderer's strokes into an 800 x 600 anti-aliased image: eleven
// sets of 256 points beside plain QPainter loops drawing the same segments
// (one line per segment, and one polyline per set), and a pan frame of one
// 100,000-point set zoomed to 1% of its x range beside a 1,000-point set
// shown whole (culling should make the two cost about the same).
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

#include <QImage>
#include <QPainter>

#include "Charts/drawing/PainterContext.h"
#include "Charts/foundation/Animator.h"
#include "Charts/foundation/ChartDataProvider.h"
#include "Charts/foundation/Transformer.h"
#include "Charts/types/line/LineChartData.h"
#include "Charts/types/line/LineChartDataProvider.h"
#include "Charts/types/line/LineChartDataSet.h"
#include "Charts/types/line/LineChartRenderer.h"

namespace {

using namespace charts;

// What the line renderer asks of its chart, for a fixed value range.
class BenchChart : public LineChartDataProvider {
public:
    BenchChart(std::vector<std::shared_ptr<LineChartDataSet>> sets, double xMin, double xMax, double yMin, double yMax)
        : xMin_(xMin),
          xMax_(xMax) {
        viewPort->restrainViewPort(50, 20, 20, 40);
        transformer->prepareMatrixValuePx(xMin, xMax - xMin, yMax - yMin, yMin);
        transformer->prepareMatrixOffset(false);
        data_ = std::make_shared<LineChartData>(ChartData::DataSets(sets.begin(), sets.end()));
    }
    // Zoom x by the factor about the content's middle.
    void zoomX(double factor) {
        const double middle = viewPort->contentWidth() / 2;
        viewPort->setMaximumScaleX(1e6);
        viewPort->refresh(viewPort->zoom(factor, 1, middle, 0), nullptr, false);
    }

    double chartXMin() const override { return xMin_; }
    double chartXMax() const override { return xMax_; }
    double chartYMin() const override { return data_->yMin(); }
    double chartYMax() const override { return data_->yMax(); }
    double maxHighlightDistance() const override { return 500; }
    double xRange() const override { return xMax_ - xMin_; }
    Point centerOffsets() const override { return viewPort->contentCenter(); }
    std::shared_ptr<ChartData> data() const override { return data_; }
    std::shared_ptr<ChartDataValues> dataValues() const override { return data_; }
    int maxVisibleCount() const override { return 100; }
    std::shared_ptr<Transformer> getTransformer(YAxis::AxisDependency) const override { return transformer; }
    bool isInverted(YAxis::AxisDependency) const override { return false; }
    double lowestVisibleX() const override {
        return std::max(xMin_, transformer->valueForTouchPoint(viewPort->contentLeft(), viewPort->contentBottom()).x);
    }
    double highestVisibleX() const override {
        return std::min(xMax_, transformer->valueForTouchPoint(viewPort->contentRight(), viewPort->contentBottom()).x);
    }
    std::shared_ptr<LineChartData> lineData() const override { return data_; }
    std::shared_ptr<YAxis> getAxis(YAxis::AxisDependency) const override { return nullptr; }

    std::shared_ptr<ViewPortHandler> viewPort = ViewPortHandler::create(800, 600);
    std::shared_ptr<Transformer> transformer = std::make_shared<Transformer>(viewPort);
    std::shared_ptr<Animator> animator = std::make_shared<Animator>();

private:
    double xMin_;
    double xMax_;
    std::shared_ptr<LineChartData> data_;
};

std::shared_ptr<LineChartDataSet> wave(int count, double phase, QColor color) {
    LineChartDataSet::Entries entries;
    entries.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        entries.push_back(std::make_shared<ChartDataEntry>(i, 50 + 40 * std::sin(i * 0.05 + phase)));
    auto set = std::make_shared<LineChartDataSet>(entries, QStringLiteral("wave"));
    set->setColor(color);
    set->setLineWidth(1.5);
    set->setDrawCirclesEnabled(false);
    set->setDrawValuesEnabled(false);
    return set;
}

std::vector<std::shared_ptr<LineChartDataSet>> elevenSets() {
    std::vector<std::shared_ptr<LineChartDataSet>> sets;
    for (int i = 0; i < 11; ++i) sets.push_back(wave(256, i * 0.4, QColor::fromHsv(i * 30, 200, 200)));
    return sets;
}

QImage frameImage() { return QImage(800, 600, QImage::Format_ARGB32_Premultiplied); }

void BM_LineRendererElevenSets(benchmark::State& state) {
    auto chart = std::make_shared<BenchChart>(elevenSets(), 0, 255, 0, 100);
    LineChartRenderer renderer(chart, chart->animator, chart->viewPort);
    QImage image = frameImage();
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        PainterContext context(painter);
        renderer.drawData(context);
    }
}
BENCHMARK(BM_LineRendererElevenSets)->Unit(benchmark::kMicrosecond);

// The same pixels' segments, mapped once outside the loop.
std::vector<std::vector<QPointF>> mappedSets(const BenchChart& chart) {
    std::vector<std::vector<QPointF>> mapped;
    const AffineTransform matrix = chart.transformer->valueToPixelMatrix();
    for (const IChartDataSetPtr& set : chart.lineData()->dataSets()) {
        std::vector<QPointF> points;
        for (std::int64_t i = 0; i < set->entryCount(); ++i) {
            const ChartDataEntryPtr e = set->entryForIndex(i);
            points.push_back(toQt(matrix.apply(Point{e->x(), e->y()})));
        }
        mapped.push_back(points);
    }
    return mapped;
}

void BM_PlainPainterLinePerSegment(benchmark::State& state) {
    BenchChart chart(elevenSets(), 0, 255, 0, 100);
    const auto mapped = mappedSets(chart);
    QImage image = frameImage();
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        int color = 0;
        for (const auto& points : mapped) {
            painter.setPen(QPen(QColor::fromHsv(color++ * 30, 200, 200), 1.5, Qt::SolidLine, Qt::FlatCap));
            for (std::size_t i = 0; i + 1 < points.size(); ++i) painter.drawLine(points[i], points[i + 1]);
        }
    }
}
BENCHMARK(BM_PlainPainterLinePerSegment)->Unit(benchmark::kMicrosecond);

void BM_PlainPainterPolyline(benchmark::State& state) {
    BenchChart chart(elevenSets(), 0, 255, 0, 100);
    const auto mapped = mappedSets(chart);
    QImage image = frameImage();
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        int color = 0;
        for (const auto& points : mapped) {
            painter.setPen(QPen(QColor::fromHsv(color++ * 30, 200, 200), 1.5, Qt::SolidLine, Qt::FlatCap));
            painter.drawPolyline(points.data(), static_cast<int>(points.size()));
        }
    }
}
BENCHMARK(BM_PlainPainterPolyline)->Unit(benchmark::kMicrosecond);

void BM_LineRendererPanFrame100kAtOnePercent(benchmark::State& state) {
    auto chart = std::make_shared<BenchChart>(std::vector{wave(100'000, 0, Qt::darkBlue)}, 0, 99'999, 0, 100);
    chart->zoomX(100);
    LineChartRenderer renderer(chart, chart->animator, chart->viewPort);
    QImage image = frameImage();
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        PainterContext context(painter);
        renderer.drawData(context);
    }
}
BENCHMARK(BM_LineRendererPanFrame100kAtOnePercent)->Unit(benchmark::kMicrosecond);

void BM_LineRendererWhole1000(benchmark::State& state) {
    auto chart = std::make_shared<BenchChart>(std::vector{wave(1'000, 0, Qt::darkBlue)}, 0, 999, 0, 100);
    LineChartRenderer renderer(chart, chart->animator, chart->viewPort);
    QImage image = frameImage();
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        PainterContext context(painter);
        renderer.drawData(context);
    }
}
BENCHMARK(BM_LineRendererWhole1000)->Unit(benchmark::kMicrosecond);

} // namespace
