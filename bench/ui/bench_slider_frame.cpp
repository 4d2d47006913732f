// One tone-slider move on the blending screen, from the value change to the
// read-outs, the blended samples and the a*/b* graph drawn again: the work
// that must fit in one 60 Hz frame (16.7 ms) for a drag to keep up. The
// preview's background job is excluded (scheduled, never run); the queued
// read-out update runs, the hidden ink-curve panel replots as it does on
// every blend, and the changed views paint synchronously.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QSlider>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "Charts/types/line/LineChartView.h"
#include "app/ui/blending/v2InkModelBlendingViewController.h"
#include "app/ui/preview/ColorPreviewImageView.h"
#include "app/ui/preview/TonedPreviewRenderer.h"
#include "app/ui/widgets/ColorSampleView.h"
#include "bench/support/qt_application.h"
#include "bench/support/side_by_side.h"

namespace {

void BM_ToneSliderMoveToReadOutsSamplesAndGraph(benchmark::State& state) {
    bench::qtApplication();
    appui::v2InkModelBlendingViewController screen;
    screen.resize(1200, 800);
    screen.show();
    QImage picture(6000, 4000, QImage::Format_Grayscale8);
    picture.fill(128);
    screen.previewRenderer().setJobRunner([](std::function<void()>) {}); // the job itself is not measured
    screen.mainImageView->setImage(picture);
    screen.inkBlendPreviewFilter->inputImage = picture;
    QApplication::processEvents();

    QSlider* slider = screen.cyanMidtoneSlider;
    int position = 10;
    std::vector<double> times;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        position = position == 10 ? 60 : 10;
        slider->setSliderPosition(position); // as a drag step delivers it
        QApplication::processEvents();       // the queued read-out and notes update
        screen.highlightLabLLabel->repaint();
        screen.cyanMidtoneLimitLabel->repaint();
        screen.blendedSampleView->repaint();
        screen.inkPercentGraph->repaint();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    const double median = bench::median(times);
    constexpr double frame = 1000.0 / 60;
    std::printf("\nslider move to read-outs, samples and graph: median %.2f ms against the %.1f ms frame of 60 Hz "
                "(%.0f%% of it; goal: within one frame)\n\n",
                median, frame, 100 * median / frame);
    state.counters["median_ms"] = median;
    state.counters["share_of_frame"] = median / frame;
}
BENCHMARK(BM_ToneSliderMoveToReadOutsSamplesAndGraph)->Iterations(300)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
