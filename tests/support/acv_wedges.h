#pragma once
// The wedges the .acv export is judged on, shared by its test, its benchmark
// and the search for the best curves (tools/acvsearch): the real wedge
// files, and made ones as photographers' Lab lists, each with the closest
// any legal .acv came to its .cube in that search.
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "app/curves/linearization/LinearizationDataModel.h"
#include "app/curves/math/Resampling.h"
#include "app/curves/measurements/MeasurementFile.h"

namespace acv_wedges {

// A wedge and the closest a legal .acv came to its .cube as ffmpeg draws
// both: the worst level difference of the best curve the search found.
struct Wedge {
    std::string name;
    int bestWorst = 0;
    // A made wedge: the lightness at ink fraction x, in `steps` steps.
    std::function<double(double)> lightness = {};
    int steps = 21;
};

// In ../shared/testdata/measurements.
inline std::vector<Wedge> realWedges() {
    return {{"gray-lab-list-25rows.txt", 3},
            {"argyll-grey21-coated-konly.ti3", 1},
            {"argyll-grey51-uncoated-konly.ti3", 1},
            {"i1profiler-gloss-neutral-52x5.txt", 1},
            {"i1profiler-matte-52x5-mixed-separators.txt", 1}};
}

// Noise on the lightness of step x of 50 as Argyll's fakeread -R 0.4 gives
// it (1.3 L* rms), uniform and the same on every run.
inline double measurementNoise(double x, unsigned seed = 7) {
    std::mt19937 draw(static_cast<unsigned>(std::lround(50 * x)) + seed);
    return (draw() / 4294967296.0 - 0.5) * 4.6;
}

inline std::vector<Wedge> madeWedges() {
    return {
        // The last ink adds little darkness: the correction climbs steeply out of black.
        {"steep shadows", 2, [](double x) { return 95 - 80 * (1 - (1 - x) * (1 - x)); }},
        {"shadows that block up", 1,
         [](double x) { return 95 - 80 * (1 - (0.1 * (1 - x) + 0.9 * (1 - x) * (1 - x))); }},
        // The first ink barely shows: the correction climbs steeply into white.
        {"a late shoulder", 1, [](double x) { return 95 - 80 * (0.1 * x + 0.9 * x * x); }},
        {"a softer late shoulder", 1, [](double x) { return 95 - 80 * (0.2 * x + 0.8 * x * x); }},
        {"51 noisy steps", 8, [](double x) { return 95.76 - 63.95 * (x + 0.15 * x * (1 - x)) + measurementNoise(x); },
         51},
        {"L* 97 to 21", 8, [](double x) { return 97 - 76 * (1 - std::pow(1 - x, 2.5)); }},
        // Where ink adds no darkness the correction jumps: at the white end, at the black end.
        {"a shoulder near white", 16, [](double x) { return x < 0.15 ? 95 : 95 - 80 * (x - 0.15) / 0.85; }},
        {"a shadow plateau", 9, [](double x) { return 95 - 80 * std::min(x, 0.6) - 160 * std::max(0.0, x - 0.8); }},
        {"the last steps flat", 14, [](double x) { return 95 - 80 * std::min(x, 0.85) / 0.85; }},
        // The printer's response bends sharply in the midtones.
        {"a bend in the midtones", 1, [](double x) { return 95 - 80 * (x < 0.5 ? 0.7 * x : 0.35 + 1.3 * (x - 0.5)); }},
        {"a midtone plateau, 25 noisy steps", 4,
         [](double x) {
             return 95 - 75 * (std::min(x, 0.45) + std::max(0.0, x - 0.6)) / 0.85 + measurementNoise(x, 3);
         },
         25},
        // Paper white holds over the first steps, as in photographers' 25-step lists.
        {"25 steps, the first five white", 18,
         [](double x) {
             return x < 0.17 ? 95.2 - x + measurementNoise(x, 11) / 4 : 95.2 - 75.5 * std::pow((x - 0.17) / 0.83, 0.8);
         },
         25},
        {"L* 97 to 21, the first ink faint", 8, [](double x) { return 97 - 76 * std::pow(x, 2.5); }},
    };
}

// The real wedges, then the made ones.
inline std::vector<Wedge> allWedges() {
    auto wedges = realWedges();
    for (auto& made : madeWedges()) wedges.push_back(std::move(made));
    return wedges;
}

// A made wedge as a photographer's Lab list.
inline std::string labList(const Wedge& wedge) {
    std::string text = "GRAY\tLAB_L\tLAB_A\tLAB_B\n";
    for (int step = 0; step < wedge.steps; ++step) {
        const double x = step / (wedge.steps - 1.0);
        text += std::to_string(100 * x) + "\t" + std::to_string(wedge.lightness(x)) + "\t0.10\t-1.00\n";
    }
    return text;
}

// The file of a wedge: a real one in `testData`/measurements, a made one
// written as a Lab list into `scratch`.
inline std::filesystem::path wedgeFile(const Wedge& wedge, const std::filesystem::path& testData,
                                       const std::filesystem::path& scratch) {
    if (!wedge.lightness) return testData / "measurements" / wedge.name;
    const auto file = scratch / (wedge.name + ".txt");
    std::ofstream(file) << labList(wedge);
    return file;
}

// The correction of a wedge file as the linearization screen computes it at
// the smoothing it loads with.
inline std::optional<std::vector<double>> correctionOf(const std::filesystem::path& wedge) {
    curves::v2LinearizationDataModel model;
    model.stepArray = curves::linspace(256, 0, 100);
    const auto file = curves::loadMeasurementFile(wedge);
    if (!file || !model.loadMeasurements(*file)) return std::nullopt;
    model.resetTargets();
    model.avgWindowSize = 33;
    model.splinePercent = (100 - 33) / 100.0;
    model.updateCorrection();
    return model.correctionCurve->correctionCurveArray;
}

} // namespace acv_wedges
