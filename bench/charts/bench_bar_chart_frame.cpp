// Whole frames of bar charts into an 800 x 600 anti-aliased image, with axes,
// grid lines and a legend, side by side in one run: each of ours beside its
// Qt Charts twin drawing the same data and beside the QPainter floor every
// kind is held to (bench/charts/painter_floor.h: the same rectangles, axes,
// labels and legend replayed from a recording of our frame), and a pan
// frame of 100,000 bars zoomed to 1 % of x beside a frame of the bars it
// shows. One benchmark times them all and prints the ratios.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QHorizontalBarSeries>
#include <QStackedBarSeries>
#include <QValueAxis>

#include "Charts/types/bar/BarChartData.h"
#include "Charts/types/bar/BarChartDataSet.h"
#include "Charts/types/bar/HorizontalBarChartView.h"
#include "bench/charts/chart_frames.h"
#include "bench/support/qt_charts_scene.h"
#include "bench/support/side_by_side.h"

namespace {

using namespace charts;

constexpr int groupedSets = 3;
constexpr int barsPerSet = 200;
constexpr int stackValues = 4;

const QColor setColours[] = {QColor(192, 255, 140), QColor(255, 208, 140), QColor(140, 234, 255),
                             QColor(255, 140, 157)};

double value(int set, int i) { return 40.0 + 30.0 * std::sin(i * 0.07 + set) + 10.0 * std::cos(i * 0.31); }

// The stacked values of entry i: two above zero and two below.
std::vector<double> stack(int i) { return {value(0, i) / 2, -value(1, i) / 3, value(2, i) / 2, -value(3, i) / 4}; }

template <class View>
std::unique_ptr<View> viewOf(std::shared_ptr<BarChartData> data) {
    bench::qtApplication();
    std::unique_ptr<View> view(ChartViewBase::create<View>());
    view->setChartSize(bench::frameWidth, bench::frameHeight);
    view->setData(std::move(data));
    return view;
}

std::shared_ptr<BarChartDataSet> barSetOf(std::vector<ChartDataEntryPtr> entries, int index) {
    auto set = std::make_shared<BarChartDataSet>(std::move(entries), QStringLiteral("Set %1").arg(index));
    set->setColor(setColours[index]);
    set->setDrawValuesEnabled(false);
    return set;
}

// Three sets of 200 bars, grouped one group per entry.
template <class View>
std::unique_ptr<View> groupedChart() {
    std::vector<std::shared_ptr<BarChartDataSet>> sets;
    for (int s = 0; s < groupedSets; ++s) {
        std::vector<ChartDataEntryPtr> entries;
        for (int i = 0; i < barsPerSet; ++i) entries.push_back(std::make_shared<BarChartDataEntry>(i, value(s, i)));
        sets.push_back(barSetOf(std::move(entries), s));
    }
    auto data = std::make_shared<BarChartData>(ChartData::DataSets(sets.begin(), sets.end()));
    data->setBarWidth(0.25);
    auto view = viewOf<View>(data);
    view->groupBars(0, 0.16, 0.03);
    return view;
}

// 200 entries of four stacked values of mixed sign.
std::unique_ptr<BarChartView> stackedChart() {
    std::vector<ChartDataEntryPtr> entries;
    for (int i = 0; i < barsPerSet; ++i) entries.push_back(std::make_shared<BarChartDataEntry>(i, stack(i)));
    auto set = barSetOf(std::move(entries), 0);
    set->setColors({setColours[0], setColours[1], setColours[2], setColours[3]});
    set->setStackLabels({"A", "B", "C", "D"});
    return viewOf<BarChartView>(std::make_shared<BarChartData>(ChartData::DataSets{set}));
}

// One set of `count` bars.
std::unique_ptr<BarChartView> longChart(int count) {
    std::vector<ChartDataEntryPtr> entries;
    entries.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) entries.push_back(std::make_shared<BarChartDataEntry>(i, value(0, i)));
    return viewOf<BarChartView>(std::make_shared<BarChartData>(ChartData::DataSets{barSetOf(std::move(entries), 0)}));
}

// Qt Charts drawing the same data with value axes, grid and legend.
enum class TwinKind { grouped, stacked, horizontal };

QChart* qtBarChart(TwinKind kind) {
    bench::qtApplication();
    auto* chart = new QChart();
    QAbstractBarSeries* series = nullptr;
    if (kind == TwinKind::stacked) {
        series = new QStackedBarSeries();
        for (int k = 0; k < stackValues; ++k) {
            auto* set = new QBarSet(QStringLiteral("%1").arg(QChar('A' + k)));
            set->setColor(setColours[k]);
            for (int i = 0; i < barsPerSet; ++i) set->append(stack(i)[static_cast<std::size_t>(k)]);
            series->append(set);
        }
    } else {
        series = kind == TwinKind::grouped ? static_cast<QAbstractBarSeries*>(new QBarSeries())
                                           : static_cast<QAbstractBarSeries*>(new QHorizontalBarSeries());
        for (int s = 0; s < groupedSets; ++s) {
            auto* set = new QBarSet(QStringLiteral("Set %1").arg(s));
            set->setColor(setColours[s]);
            for (int i = 0; i < barsPerSet; ++i) set->append(value(s, i));
            series->append(set);
        }
    }
    series->setBarWidth(0.85);
    chart->addSeries(series);
    auto* positions = new QValueAxis();
    auto* values = new QValueAxis();
    positions->setRange(-0.5, barsPerSet - 0.5);
    chart->addAxis(positions, kind == TwinKind::horizontal ? Qt::AlignLeft : Qt::AlignBottom);
    chart->addAxis(values, kind == TwinKind::horizontal ? Qt::AlignBottom : Qt::AlignLeft);
    series->attachAxis(positions);
    series->attachAxis(values);
    return chart;
}

// 100,000 bars, 1 % of them visible, panned a pixel each frame (back and
// forth so the visible range stays inside the data); every bar is prepared
// each frame, the visible ones drawn.
class PanFrame {
public:
    PanFrame() : view_(longChart(100'000)) {
        view_->zoom(100.0, 1.0, 0.0, 0.0);
        view_->moveViewToX(50'000);
    }

    void draw(QImage& image) {
        view_->performPanChange(Point{(step_++ / 50) % 2 == 0 ? -1.0 : 1.0, 0});
        bench::drawOurs(*view_, image);
    }

private:
    std::unique_ptr<BarChartView> view_;
    int step_ = 0;
};

struct Chart {
    const char* name;
    std::unique_ptr<BarChartView> view;
    bench::QtChartsScene peer;
    bench::PainterFloor floor;
    QImage ours = bench::blankFrame();
    QImage twin = bench::blankFrame();
    QImage bare = bench::blankFrame();

    Chart(const char* chartName, std::unique_ptr<BarChartView> chartView, TwinKind kind)
        : name(chartName),
          view(std::move(chartView)),
          peer(qtBarChart(kind), bench::frameWidth, bench::frameHeight),
          floor(bench::floorOf(*view)) {}
};

void BM_BarChartFramesSideBySide(benchmark::State& state) {
    std::vector<std::unique_ptr<Chart>> charts;
    charts.push_back(std::make_unique<Chart>("grouped 3 x 200", groupedChart<BarChartView>(), TwinKind::grouped));
    charts.push_back(std::make_unique<Chart>("stacked 200 x 4", stackedChart(), TwinKind::stacked));
    charts.push_back(
        std::make_unique<Chart>("horizontal 3 x 200", groupedChart<HorizontalBarChartView>(), TwinKind::horizontal));
    PanFrame pan;
    const auto visible = longChart(1'000);
    QImage panImage = bench::blankFrame();
    QImage visibleImage = bench::blankFrame();

    std::vector<bench::Variant> variants;
    for (const auto& chart : charts) {
        Chart& c = *chart;
        variants.push_back({std::string("ours, ") + c.name, [&c] { bench::drawOurs(*c.view, c.ours); }});
        variants.push_back({std::string("Qt Charts, ") + c.name, [&c] { c.peer.draw(c.twin); }});
        variants.push_back({std::string("QPainter, ") + c.name, [&c] { bench::drawFloor(c.floor, c.bare); }});
    }
    variants.push_back({"pan, 100k zoomed to 1 %", [&] { pan.draw(panImage); }});
    variants.push_back({"1k bars, unzoomed", [&] { bench::drawOurs(*visible, visibleImage); }});

    const auto medians = bench::medianMillisecondsPerRound(state, variants, "800 x 600 frame");
    for (std::size_t i = 0; i < charts.size(); ++i) {
        const double ours = medians[3 * i];
        const double overTwin = ours / medians[3 * i + 1];
        const double overFloor = ours / medians[3 * i + 2];
        std::printf("%-20s ours / Qt Charts %.2fx (goal at most 0.5), ours / QPainter %.2fx (goal at most 1.25)\n",
                    charts[i]->name, overTwin, overFloor);
        state.counters[std::string("twin_") + std::to_string(i)] = overTwin;
        state.counters[std::string("floor_") + std::to_string(i)] = overFloor;
    }
    const double panOverVisible = medians[medians.size() - 2] / medians.back();
    std::printf("pan 100k zoomed / 1k visible: %.2fx (goal at most 2)\n\n", panOverVisible);
    state.counters["pan_over_visible"] = panOverVisible;
}
BENCHMARK(BM_BarChartFramesSideBySide)->Iterations(100)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
