// One full recomputation of the linearization screen, as on every slider
// move: smoothing of the three channels, correction curve, corrected
// measurements and the linearization of ten ink curves; beside it the same
// work in the straightforward form it replaced (tests/support), whose result
// it must match to the last bit.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>

#include "app/curves/core/CIELab.h"
#include "app/curves/linearization/LinearizationDataModel.h"
#include "app/curves/math/Resampling.h"
#include "app/curves/measurements/MeasurementData.h"
#include "platform/Log.h"
#include "tests/support/reference_recompute.h"

namespace {

// What one recomputation may take: a small share of a 60 Hz frame.
constexpr const char* goal = "goal <= 60 us per recomputation";

// A ten-ink grey partition as .quad files carry it: each lighter ink rises
// from nothing, peaks and fades as the next darker one takes over, and the
// darkest rises to the end of the ramp. Every channel carries ink, so none
// takes the linearization's short way for empty channels.
curves::QuadDataFile::Curves tenInkPartition() {
    constexpr int inks = 10;
    curves::QuadDataFile::Curves curves;
    for (int c = 0; c < inks; ++c) {
        const double peak = (c + 1.0) / inks;
        const double start = std::max(0.0, peak - 0.2);
        const double end = c == inks - 1 ? 1.0 : peak + 0.15;
        const double height = 12000 + 3000.0 * c;
        std::vector<double> curve(256, 0.0);
        for (int i = 0; i < 256; ++i) {
            const double x = i / 255.0;
            double v = 0;
            if (x > start && x <= peak)
                v = height * std::pow(std::sin(std::numbers::pi / 2 * (x - start) / (peak - start)), 2);
            else if (x > peak && x < end)
                v = height * std::pow(std::cos(std::numbers::pi / 2 * (x - peak) / (end - peak)), 2);
            // Whole quad units, as a file holds them.
            curve[static_cast<std::size_t>(i)] = std::round(v);
        }
        curves.push_back(std::move(curve));
    }
    return curves;
}

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
    quad->inputQuadCurveArray = tenInkPartition();
    model.quadData = quad;
    return model;
}

// Why the measurement would not be worth reading: a channel without ink, or
// a result that differs from the straightforward one in any bit.
std::optional<std::string> unfitForTiming(curves::v2LinearizationDataModel& model) {
    const auto& curves = *model.quadData->inputQuadCurveArray;
    const auto empty = std::count_if(curves.begin(), curves.end(), [](const auto& curve) {
        return std::all_of(curve.begin(), curve.end(), [](double v) { return v == 0; });
    });
    if (curves.size() != 10 || empty > 0) return "the quad does not carry ink in all ten channels";
    if (!reference::sameBits(reference::recomputeWithModel(model), reference::recompute(model)))
        return "the recomputation differs from the straightforward one";
    return std::nullopt;
}

void FullRecomputationTenChannels(benchmark::State& state) {
    platform::setStandardOutputSink([](std::string_view) {});
    auto model = preparedModel();
    if (const auto why = unfitForTiming(model)) state.SkipWithError(why->c_str());
    for (auto _ : state) {
        model.updateCorrection();
        auto curves = model.linearizedQuadCurves();
        benchmark::DoNotOptimize(curves);
    }
    state.SetLabel(goal);
    platform::setStandardOutputSink({});
}

// The two halves of FullRecomputationTenChannels, to see where its time goes:
// smoothing, correction curve and corrected samples; then the linearization
// of the ten channels by the correction.
void CorrectionUpdate(benchmark::State& state) {
    platform::setStandardOutputSink([](std::string_view) {});
    auto model = preparedModel();
    if (const auto why = unfitForTiming(model)) state.SkipWithError(why->c_str());
    for (auto _ : state) {
        model.updateCorrection();
        benchmark::DoNotOptimize(model.correctedMeasurements);
    }
    platform::setStandardOutputSink({});
}

void LinearizationTenChannels(benchmark::State& state) {
    platform::setStandardOutputSink([](std::string_view) {});
    auto model = preparedModel();
    if (const auto why = unfitForTiming(model)) state.SkipWithError(why->c_str());
    model.updateCorrection();
    for (auto _ : state) {
        auto curves = model.linearizedQuadCurves();
        benchmark::DoNotOptimize(curves);
    }
    platform::setStandardOutputSink({});
}

void StraightforwardRecomputationTenChannels(benchmark::State& state) {
    platform::setStandardOutputSink([](std::string_view) {});
    auto model = preparedModel();
    if (const auto why = unfitForTiming(model)) state.SkipWithError(why->c_str());
    for (auto _ : state) {
        auto result = reference::recompute(model);
        benchmark::DoNotOptimize(result);
    }
    state.SetLabel("the form it replaced");
    platform::setStandardOutputSink({});
}

} // namespace

BENCHMARK(FullRecomputationTenChannels)->Unit(benchmark::kMicrosecond);
BENCHMARK(CorrectionUpdate)->Unit(benchmark::kMicrosecond);
BENCHMARK(LinearizationTenChannels)->Unit(benchmark::kMicrosecond);
BENCHMARK(StraightforwardRecomputationTenChannels)->Unit(benchmark::kMicrosecond);
