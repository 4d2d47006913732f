// The blend runs on every slider move of the blending screen.
#include <benchmark/benchmark.h>

#include "app/inks/TonerColorModel.h"

namespace {

void BM_UpdateBlendPSeriesPro10(benchmark::State& state) {
    inks::TonerColorModel model;
    model.inkset = curves::Inkset::PSeriesPro10;
    model.mediaType = curves::MediaType::Matte;
    model.buildInkModels(model.inkset);
    model.cVec = {0.45, 0.32, 0.03};
    model.mVec = {0.32, 0.27, 0.15};
    model.yVec = {0.05, 0.10, 0.20};
    for (auto _ : state) {
        model.updateBlend();
        benchmark::DoNotOptimize(model.blendedCurve.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_UpdateBlendPSeriesPro10)->Unit(benchmark::kMicrosecond);

void BM_BuildInkModelsPSeriesPro10(benchmark::State& state) {
    inks::TonerColorModel model;
    for (auto _ : state) {
        model.buildInkModels(curves::Inkset::PSeriesPro10);
        benchmark::DoNotOptimize(model.K.get());
    }
}
BENCHMARK(BM_BuildInkModelsPSeriesPro10)->Unit(benchmark::kMicrosecond);

} // namespace
