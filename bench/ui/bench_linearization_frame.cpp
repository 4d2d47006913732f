// One move of a smoothing slider on the linearization screen, from the
// slider's value change (as a drag step delivers it) to both graphs
// repainted offscreen: the work that must fit in one 60 Hz frame (16.7 ms)
// for a drag to keep up. Three ways: the event loop paints what the move
// marked for repainting, as the window does; both graphs repainted whole;
// nothing repainted, so the share of drawing shows. Each prints its median
// and 95th percentile against the frame and the 8 ms goal.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSlider>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/ui/graphs/MeasurementGraph.h"
#include "app/ui/graphs/QuadCurveGraph.h"
#include "app/ui/linearization/qcv2LinearizationViewController.h"
#include "bench/support/qt_application.h"
#include "bench/support/side_by_side.h"
#include "platform/Log.h"

namespace {

// A shown screen with a 51-step wedge and a ten-ink .quad loaded.
std::unique_ptr<appui::qcv2LinearizationViewController> loadedScreen(const std::filesystem::path& dir) {
    std::filesystem::create_directories(dir);
    std::ofstream wedge(dir / "wedge.txt");
    wedge << "GRAY\tLAB_L\tLAB_A\tLAB_B\n";
    for (int i = 0; i <= 50; ++i)
        wedge << i * 2 << '\t' << 95 - 80 * std::pow(i / 50.0, 0.75) + 0.3 * std::sin(i) << "\t0.1\t-1.0\n";
    wedge.close();
    std::ofstream quad(dir / "ten.quad");
    quad << "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK,V,MK\n# bench\n";
    for (const char* ink : {"K", "C", "M", "Y", "LC", "LM", "LK", "LLK", "V", "MK"}) {
        quad << "# " << ink << " Curve\n";
        for (int i = 0; i < 256; ++i) quad << 20000 * i / 255 << '\n';
    }
    quad.close();
    auto screen = std::make_unique<appui::qcv2LinearizationViewController>();
    screen->resize(1400, 900);
    screen->show();
    QApplication::processEvents();
    screen->handleDroppedFiles({dir / "ten.quad", dir / "wedge.txt"});
    return screen;
}

enum class Painting { marked, whole, none };

void SliderMove(benchmark::State& state, Painting painting) {
    bench::qtApplication();
    platform::setStandardOutputSink([](std::string_view) {});
    const auto dir = std::filesystem::temp_directory_path() / "tintsmith-ui-bench";
    auto screen = loadedScreen(dir);
    if (!screen->model.quadData || !screen->model.quadData->outputQuadCurveArray)
        state.SkipWithError("the files did not load");
    QSlider* slider = screen->movingAverageSmoothingSlider;
    int position = 30;
    std::vector<double> times;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        position = position == 30 ? 60 : 30;
        slider->setSliderPosition(position); // the user's move: the slider's action and value change
        if (painting == Painting::whole) {
            screen->measurementGraph->repaint();
            screen->quadCurveGraph->repaint();
        } else if (painting == Painting::marked) {
            QApplication::processEvents(); // the paints the move asked for
        }
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    if (screen->model.avgWindowSize != appui::linearization::movingAverageWindowOf(position))
        state.SkipWithError("the slider move did not reach the model");
    const double median = bench::median(times);
    std::sort(times.begin(), times.end());
    const double p95 = times[times.size() * 95 / 100];
    constexpr double frame = 1000.0 / 60;
    const char* what = painting == Painting::marked  ? "what it marked repainted by the event loop"
                       : painting == Painting::whole ? "both graphs repainted whole"
                                                     : "the recomputation alone, nothing repainted";
    std::printf("\nsmoothing slider move to %s: median %.3f ms, 95th percentile %.3f ms, against the %.1f ms frame "
                "of 60 Hz (%.1f%% of it) and the 8 ms goal\n\n",
                what, median, p95, frame, 100 * median / frame);
    state.counters["median_ms"] = median;
    state.counters["p95_ms"] = p95;
    state.counters["share_of_frame"] = median / frame;
    screen.reset();
    std::filesystem::remove_all(dir);
    platform::setStandardOutputSink({});
}

void SliderMoveToMarkedPaints(benchmark::State& state) { SliderMove(state, Painting::marked); }
void SliderMoveToGraphsRepainted(benchmark::State& state) { SliderMove(state, Painting::whole); }
void SliderMoveRecomputedOnly(benchmark::State& state) { SliderMove(state, Painting::none); }

} // namespace

// A fixed count, so that each prints its line once.
BENCHMARK(SliderMoveToMarkedPaints)->Iterations(300)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(SliderMoveToGraphsRepainted)->Iterations(300)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(SliderMoveRecomputedOnly)->Iterations(300)->Unit(benchmark::kMillisecond)->UseRealTime();
