// One full recomputation of the linearization screen, as on every slider
// move: smoothing of the three channels, correction curve, corrected
// measurements and the linearization of ten ink curves; beside it the same
// work in the straightforward form it replaced (tests/support), whose result
// it must match to the last bit.
#include <benchmark/benchmark.h>

#include <cmath>

#include "app/curves/CIELab.h"
#include "app/curves/LinearizationDataModel.h"
#include "app/curves/MeasurementData.h"
#include "app/curves/Resampling.h"
#include "platform/Log.h"
#include "tests/support/reference_recompute.h"

namespace {

curves::v2LinearizationDataModel preparedModel() {
    curves::v2LinearizationDataModel model;
    model.stepArray = curves::linspace(256, 0, 100);
    std::vector<curves::CIELab> wedge;
    for (int i = 0; i < 21; ++i)
        wedge.push_back({95 - 85 * std::pow(i / 20.0, 0.6) + 0.3 * std::sin(i), 0.2 * i / 20, -1.0 + 0.1 * i / 20});
    model.rawMeasurements = wedge;
    model.interpolatedMeasurements = curves::MeasurementData::interpolateToSteps(wedge);
    const auto channels = curves::MeasurementData::separateLab(model.interpolatedMeasurements);
    model.separatedLABArrays.assign(channels.begin(), channels.end());
    model.avgWindowSize = 33;
    model.splinePercent = 0.67;
    model.resetTargets();

    auto quad = std::make_shared<curves::QuadDataFile>();
    curves::QuadDataFile::Curves curves;
    for (int c = 0; c < 10; ++c) {
        std::vector<double> curve;
        for (int i = 0; i < 256; ++i) curve.push_back(c < 8 ? 20000.0 * (c + 1) / 8 * std::pow(i / 255.0, 1.2) : 0);
        curves.push_back(curve);
    }
    quad->inputQuadCurveArray = curves;
    model.quadData = quad;
    return model;
}

void FullRecomputationTenChannels(benchmark::State& state) {
    platform::setStandardOutputSink([](std::string_view) {});
    auto model = preparedModel();
    for (auto _ : state) {
        model.updateCorrection();
        auto curves = model.linearizedQuadCurves();
        benchmark::DoNotOptimize(curves);
    }
    platform::setStandardOutputSink({});
}

void StraightforwardRecomputationTenChannels(benchmark::State& state) {
    platform::setStandardOutputSink([](std::string_view) {});
    auto model = preparedModel();
    if (!reference::sameBits(reference::recomputeWithModel(model), reference::recompute(model)))
        state.SkipWithError("the recomputation differs from the straightforward one");
    for (auto _ : state) {
        auto result = reference::recompute(model);
        benchmark::DoNotOptimize(result);
    }
    platform::setStandardOutputSink({});
}

} // namespace

BENCHMARK(FullRecomputationTenChannels)->Unit(benchmark::kMicrosecond);
BENCHMARK(StraightforwardRecomputationTenChannels)->Unit(benchmark::kMicrosecond);
