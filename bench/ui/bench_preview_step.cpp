// What one slider step costs the toned preview off screen, side by side in
// one run, for a 24 Mpx and a 100 Mpx 8-bit grey picture shown in a 690 x 460
// view:
//   - toning the whole picture into a reused buffer and reducing the result
//     to the view (every step before the preview toned what is shown);
//   - toning the picture sampled for the view and smoothing that to the view
//     (every step now), and each of the two alone;
//   - sampling the picture for the view (on open and on resize only), beside
//     the platform's fast scaling to the same size.
// The step should not depend on the picture's size.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QThreadPool>
#include <cstdio>

#include "app/ui/preview/ColorPreviewImageView.h"
#include "app/ui/preview/GradientColors.h"
#include "app/ui/preview/GreyLevelMapping.h"
#include "app/ui/preview/PreviewReduction.h"
#include "app/ui/widgets/NeutralRamp.h"
#include "bench/support/side_by_side.h"

namespace {

const QSize view(690, 460);

QImage greyRamp(int width, int height) {
    QImage image(width, height, QImage::Format_Grayscale8);
    for (int y = 0; y < height; ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < width; ++x) row[x] = static_cast<uchar>((x * 7 + y * 3) % 256);
    }
    return image;
}

appui::GradientMapTable warmTable() {
    auto samples = appui::moclLab();
    for (auto& s : samples) s.b = 6;
    return *appui::gradientMapTable(*appui::gradientImage(appui::gradientColors(samples)));
}

void PreviewStep(benchmark::State& state, int width, int height, const char* title) {
    const QImage picture = greyRamp(width, height);
    const auto table = warmTable();
    QThreadPool& pool = *QThreadPool::globalInstance();
    const auto reduction = appui::previewReductionFor(picture.size(), view);
    const QImage sampled = appui::sampledForPreview(picture, reduction);
    QImage whole, small;
    appui::mapGreyLevels(picture, table, whole, pool);
    appui::mapGreyLevels(sampled, table, small, pool);

    const std::vector<bench::Variant> variants{
        {"whole map, then reduced",
         [&] {
             appui::mapGreyLevels(picture, table, whole, pool);
             benchmark::DoNotOptimize(appui::ColorPreviewImageView::fittedCopy(whole, view).constBits());
         }},
        {"sampled map, then smoothed",
         [&] {
             appui::mapGreyLevels(sampled, table, small, pool);
             benchmark::DoNotOptimize(appui::finishedForPreview(small, reduction).constBits());
         }},
        {"  of it: the sampled map", [&] { appui::mapGreyLevels(sampled, table, small, pool); }},
        {"  of it: the smoothing",
         [&] { benchmark::DoNotOptimize(appui::finishedForPreview(small, reduction).constBits()); }},
        {"sampling (open, resize)",
         [&] { benchmark::DoNotOptimize(appui::sampledForPreview(picture, reduction).constBits()); }},
        {"sampling, the platform's fast scaling",
         [&] {
             benchmark::DoNotOptimize(
                 picture.scaled(reduction.sampled, Qt::IgnoreAspectRatio, Qt::FastTransformation).constBits());
         }},
    };
    const auto medians = bench::medianMillisecondsPerRound(state, variants, title, 3);
    std::printf("a step now / a step before: %.3fx (%.1fx faster)\n", medians[1] / medians[0], medians[0] / medians[1]);
    std::printf("sampling / the platform's fast scaling: %.2fx\n\n", medians[4] / medians[5]);
    state.counters["step_ms"] = medians[1];
    state.counters["before_ms"] = medians[0];
}

void PreviewStep24Mpx(benchmark::State& state) { PreviewStep(state, 6000, 4000, "24 Mpx, step"); }
void PreviewStep100Mpx(benchmark::State& state) { PreviewStep(state, 12248, 8165, "100 Mpx, step"); }

} // namespace

BENCHMARK(PreviewStep24Mpx)->Iterations(30)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(PreviewStep100Mpx)->Iterations(15)->Unit(benchmark::kMillisecond)->UseRealTime();
