// A line chart frame with a circle on every point, recorded by the recording
// back end beside the same frame drawn by the QPainter back end: recording
// costs time in proportion to what is drawn, as painting does (the
// complexity runs, up to a million points), and about what painting costs
// (the side-by-side run prints the ratio).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#include <QImage>
#include <QPainter>

#include "Charts/data/ChartDataEntry.h"
#include "Charts/drawing/PainterContext.h"
#include "Charts/drawing/RecordingContext.h"
#include "Charts/types/line/LineChartData.h"
#include "Charts/types/line/LineChartDataSet.h"
#include "Charts/types/line/LineChartView.h"
#include "bench/support/qt_application.h"
#include "bench/support/side_by_side.h"

namespace {

std::unique_ptr<charts::LineChartView> circledChart(int count) {
    bench::qtApplication();
    std::vector<charts::ChartDataEntryPtr> entries;
    entries.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        entries.push_back(std::make_shared<charts::ChartDataEntry>(i, 50.0 * std::sin(i * 0.001)));
    auto set = std::make_shared<charts::LineChartDataSet>(std::move(entries), QStringLiteral("circles"));
    set->setDrawCirclesEnabled(true);
    set->setDrawValuesEnabled(false);
    auto data = std::make_shared<charts::LineChartData>();
    data->addDataSet(set);
    std::unique_ptr<charts::LineChartView> view(charts::ChartViewBase::create<charts::LineChartView>());
    view->setChartSize(800, 600);
    view->setData(data);
    return view;
}

void BM_RecordCircledFrame(benchmark::State& state) {
    const auto view = circledChart(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        charts::RecordingContext context;
        view->draw(context);
        benchmark::DoNotOptimize(context.operations().data());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_RecordCircledFrame)
    ->RangeMultiplier(10)
    ->Range(1'000, 1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

void BM_PaintCircledFrame(benchmark::State& state) {
    const auto view = circledChart(static_cast<int>(state.range(0)));
    QImage image(800, 600, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        charts::PainterContext context(painter);
        view->draw(context);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_PaintCircledFrame)
    ->RangeMultiplier(10)
    ->Range(1'000, 1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// Both back ends on the same 100,000-point frame in interleaved rounds.
void BM_RecordBesidePaintCircledFrame(benchmark::State& state) {
    const auto view = circledChart(100'000);
    QImage image(800, 600, QImage::Format_ARGB32_Premultiplied);
    const std::vector<bench::Variant> variants{
        {"recorded",
         [&] {
             charts::RecordingContext context;
             view->draw(context);
             benchmark::DoNotOptimize(context.operations().data());
         }},
        {"painted",
         [&] {
             image.fill(Qt::white);
             QPainter painter(&image);
             painter.setRenderHint(QPainter::Antialiasing, true);
             charts::PainterContext context(painter);
             view->draw(context);
         }},
    };
    const auto medians = bench::medianMillisecondsPerRound(state, variants, "100,000 circles, 800 x 600");
    std::printf("recorded / painted: %.2fx\n\n", medians[0] / medians[1]);
    state.counters["recorded_over_painted"] = medians[0] / medians[1];
}
BENCHMARK(BM_RecordBesidePaintCircledFrame)->Iterations(5)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
