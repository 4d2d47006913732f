// Whole frames of 500 bubbles into an 800 x 600 anti-aliased image with axes,
// grid lines and a legend, beside the QPainter floor that fills the same
// circles and draws the same axes and legend, in one side-by-side run that
// prints the ratio the bubble chart is held to.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#include "Charts/types/bubble/BubbleChartData.h"
#include "Charts/types/bubble/BubbleChartDataEntry.h"
#include "Charts/types/bubble/BubbleChartDataSet.h"
#include "Charts/types/bubble/BubbleChartView.h"
#include "bench/charts/chart_frames.h"
#include "bench/support/side_by_side.h"

namespace {

constexpr int bubbleCount = 500;

std::unique_ptr<charts::BubbleChartView> bubbleChart() {
    bench::qtApplication();
    std::vector<charts::ChartDataEntryPtr> entries;
    for (int i = 0; i < bubbleCount; ++i) {
        entries.push_back(std::make_shared<charts::BubbleChartDataEntry>(i * 0.2, 50 + 40 * std::sin(i * 0.37),
                                                                         1 + 8 * std::abs(std::sin(i * 1.7))));
    }
    auto set = std::make_shared<charts::BubbleChartDataSet>(entries, QStringLiteral("Sizes"));
    set->setColors({QColor(40, 110, 220, 160), QColor(220, 90, 30, 160), QColor(30, 160, 80, 160)});
    set->setDrawValuesEnabled(false);
    std::unique_ptr<charts::BubbleChartView> view(charts::ChartViewBase::create<charts::BubbleChartView>());
    view->setChartSize(bench::frameWidth, bench::frameHeight);
    view->setData(std::make_shared<charts::BubbleChartData>(charts::ChartData::DataSets{set}));
    return view;
}

// Ours alone, for profiling.
void BM_BubbleFrameOurs(benchmark::State& state) {
    const auto view = bubbleChart();
    QImage image = bench::blankFrame();
    for (auto _ : state) bench::drawOurs(*view, image);
}
BENCHMARK(BM_BubbleFrameOurs)->Unit(benchmark::kMillisecond);

void BM_BubbleFramesSideBySide(benchmark::State& state) {
    const auto ours = bubbleChart();
    const bench::PainterFloor floor = bench::floorOf(*ours);
    QImage oursImage = bench::blankFrame();
    QImage floorImage = bench::blankFrame();
    const std::vector<bench::Variant> variants{
        {"ours, 500 bubbles", [&] { bench::drawOurs(*ours, oursImage); }},
        {"QPainter floor", [&] { bench::drawFloor(floor, floorImage); }},
    };
    const auto medians = bench::medianMillisecondsPerRound(state, variants, "800 x 600 bubble frame");
    const double oursOverFloor = medians[0] / medians[1];
    std::printf("ours / QPainter floor: %.2fx (goal at most 1.2)\n\n", oursOverFloor);
    state.counters["ours_ms"] = medians[0];
    state.counters["ours_over_floor"] = oursOverFloor;
}
BENCHMARK(BM_BubbleFramesSideBySide)->Iterations(200)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
