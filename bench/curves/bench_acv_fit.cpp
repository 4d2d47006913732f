// The .acv fit of each wedge the export is judged on (tests/curves/
// acv_wedges.h), beside the fit it replaced, in one run. The counter "worst"
// is the greatest level difference of the curve a reader draws through the
// placed points from the levels it draws for the .cube.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <string>

#include "app/curves/exports/AcvCurveFit.h"
#include "app/curves/exports/CorrectionExport.h"
#include "bench/curves/previous_acv_fit.h"
#include "platform/Log.h"
#include "tests/support/acv_wedges.h"

namespace {

namespace acv = curves::acv;

// What one fit may take: the export waits for it.
constexpr const char* goal = "goal < 1 s per correction";

// The image-space curve (percent) of each wedge's correction, by name; empty
// when the wedge file cannot be read.
const std::vector<double>& imageCurveOf(const acv_wedges::Wedge& wedge) {
    static std::map<std::string, std::vector<double>> known;
    if (const auto found = known.find(wedge.name); found != known.end()) return found->second;
    platform::setStandardOutputSink([](std::string_view) {});
    platform::setDevLogSink([](std::string_view) {});
    const auto file = acv_wedges::wedgeFile(wedge, TINTSMITH_TESTDATA, std::filesystem::temp_directory_path());
    std::vector<double> image;
    if (const auto correction = acv_wedges::correctionOf(file)) image = curves::imageSpaceCurve(*correction);
    platform::setStandardOutputSink({});
    platform::setDevLogSink({});
    return known[wedge.name] = image;
}

// Its .cube values (fractions of 1).
const std::vector<double>& fractionsOf(const acv_wedges::Wedge& wedge) {
    static std::map<std::string, std::vector<double>> known;
    if (const auto found = known.find(wedge.name); found != known.end()) return found->second;
    std::vector<double> fractions;
    for (const double y : imageCurveOf(wedge)) fractions.push_back(y / 100);
    return known[wedge.name] = fractions;
}

int worstOf(const std::vector<acv::Knot>& knots, const std::vector<double>& fractions) {
    return acv::fitOf(acv::drawnLevels(knots), acv::tableLevels(fractions)).worst;
}

void AcvFit(benchmark::State& state, const acv_wedges::Wedge& wedge) {
    const auto& fractions = fractionsOf(wedge);
    if (fractions.empty()) return state.SkipWithError("the wedge does not read");
    std::vector<acv::Knot> knots;
    for (auto _ : state) benchmark::DoNotOptimize(knots = acv::placeKnots(fractions));
    state.counters["worst"] = worstOf(knots, fractions);
    state.SetLabel(goal);
}

// The whole .acv export of the correction, as Save runs it: the even samples,
// and the fit only where its points could be taken.
void AcvExport(benchmark::State& state, const acv_wedges::Wedge& wedge) {
    const auto& image = imageCurveOf(wedge);
    const auto& fractions = fractionsOf(wedge);
    if (image.empty()) return state.SkipWithError("the wedge does not read");
    curves::PhotoshopCurve_UInt16 curve;
    for (auto _ : state) benchmark::DoNotOptimize(curve = curves::makeAcvCurvePoints(image));
    std::vector<acv::Knot> knots;
    for (const auto& [output, input] : curve.compCurvePoints) knots.push_back({input, output});
    state.counters["worst"] = worstOf(knots, fractions);
    state.SetLabel("the export");
}

void PreviousAcvFit(benchmark::State& state, const acv_wedges::Wedge& wedge) {
    const auto& fractions = fractionsOf(wedge);
    if (fractions.empty()) return state.SkipWithError("the wedge does not read");
    std::vector<double> target;
    for (const double f : fractions) target.push_back(std::clamp(f * acv::topLevel, 0.0, double(acv::topLevel)));
    std::vector<acv::Knot> knots;
    for (auto _ : state) benchmark::DoNotOptimize(knots = curves::previous_acv::placeKnots(target, 2.5));
    state.counters["worst"] = worstOf(knots, fractions);
    state.SetLabel("the fit it replaced");
}

// Per wedge, the fit, the export that runs it where it can help, and the fit
// it replaced, side by side.
[[maybe_unused]] const bool registered = [] {
    for (const auto& wedge : acv_wedges::allWedges()) {
        benchmark::RegisterBenchmark(("AcvFit/" + wedge.name).c_str(), AcvFit, wedge)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("AcvExport/" + wedge.name).c_str(), AcvExport, wedge)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("PreviousAcvFit/" + wedge.name).c_str(), PreviousAcvFit, wedge)
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

} // namespace
