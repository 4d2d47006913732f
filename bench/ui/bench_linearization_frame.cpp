// One move of a smoothing slider on the linearization screen, from the value
// change to both graphs repainted offscreen, against a frame of 16.7 ms;
// beside it the same move with nothing repainted, so the share of drawing
// shows.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/ui/MeasurementGraph.h"
#include "app/ui/QuadCurveGraph.h"
#include "app/ui/qcv2LinearizationViewController.h"
#include "platform/Log.h"

namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "ui_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

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

void SliderMove(benchmark::State& state, bool repaint) {
    application();
    platform::setStandardOutputSink([](std::string_view) {});
    const auto dir = std::filesystem::temp_directory_path() / "tintsmith-ui-bench";
    auto screen = loadedScreen(dir);
    if (!screen->model.quadData || !screen->model.quadData->outputQuadCurveArray)
        state.SkipWithError("the files did not load");
    int position = 40;
    for (auto _ : state) {
        position = position == 40 ? 41 : 40;
        screen->didChangeMovingAverageSmoothingSlider(position);
        if (repaint) {
            screen->measurementGraph->repaint();
            screen->quadCurveGraph->repaint();
        }
    }
    screen.reset();
    std::filesystem::remove_all(dir);
    platform::setStandardOutputSink({});
}

void SliderMoveToGraphsRepainted(benchmark::State& state) { SliderMove(state, true); }
void SliderMoveRecomputedOnly(benchmark::State& state) { SliderMove(state, false); }

} // namespace

BENCHMARK(SliderMoveToGraphsRepainted)->Unit(benchmark::kMillisecond);
BENCHMARK(SliderMoveRecomputedOnly)->Unit(benchmark::kMillisecond);
