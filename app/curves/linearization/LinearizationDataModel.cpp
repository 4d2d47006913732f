#include "app/curves/linearization/LinearizationDataModel.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>

#include "app/curves/core/PrintedLines.h"
#include "app/curves/linearization/BinaryLinearization.h"
#include "app/curves/math/MovingAverager.h"
#include "app/curves/math/NearSearch.h"
#include "app/curves/math/Resampling.h"
#include "app/curves/math/SplineSmoother.h"
#include "app/curves/measurements/MeasurementData.h"
#include "app/curves/measurements/MeasurementFile.h"
#include "app/curves/measurements/MeasurementReaderFactory.h"
#include "app/curves/measurements/StepPositions.h"
#include "platform/Log.h"
#include "platform/Services.h"

namespace curves {

double v2LinearizationDataModel::densityOfLightness(double L) {
    const double Y = L < 8 ? L * 27 / 24389 : std::pow((L + 16) / 116, 3);
    return -std::log10(Y);
}

void v2LinearizationDataModel::takeStepGrid(std::vector<CIELab> stepped) {
    interpolatedMeasurements = std::move(stepped);
    const auto channels = MeasurementData::separateLab(interpolatedMeasurements);
    separatedLABArrays.assign(channels.begin(), channels.end());
    if (!interpolatedMeasurements.empty()) dmax = densityOfLightness(interpolatedMeasurements.back().L);
}

bool v2LinearizationDataModel::loadMeasurements(const MeasurementFile& file) {
    const MeasurementLoad load;
    if (!file.measurementData || file.measurementData->empty()) {
        platform::devLog(file.filename.value_or("The measurement file") + " holds no lines.");
        showMeasurementLoadError();
        return false;
    }
    const MeasurementKind kind = file.detectKind();
    const auto reader = makeMeasurementReader(kind, file);
    if (!reader) {
        // Recognition has shown the alert for text it does not know. A kind
        // it knows but nothing reads is a failed load too, and says so rather
        // than leave the user looking at the previous measurements.
        if (kind != MeasurementKind::unrecognised) {
            platform::devLog("Measurement files of the kind \"" + std::string(kindText(kind)) +
                             "\" are recognised but cannot be read.");
            showMeasurementLoadError();
        }
        return false;
    }
    if (!reader->readMeasurements()) return false;
    if (reader->interpolatedMeasurements.empty()) {
        // A reader that answers success without a step grid has nothing the
        // model can work from: a failed load like any other.
        showMeasurementLoadError();
        return false;
    }
    openedOriginalMeasurments = reader->averagedMeasurements;
    rawMeasurements = reader->averagedMeasurements;
    rawMeasurementPositions = reader->averagedPositions;
    rawMeasurementsMeasured.assign(rawMeasurements.size(), true);
    matteDensityRange = reader->interpolatedMeasurements.back().L > 10;
    takeStepGrid(reader->interpolatedMeasurements);
    measurementDataLoadingError = false;
    return true;
}

std::optional<v2LinearizationDataModel::Channels> v2LinearizationDataModel::smoothMeasurements() const {
    if (separatedLABArrays.size() < 3) return std::nullopt;
    Channels smoothed;
    for (std::size_t c = 0; c < 3; ++c) {
        auto averaged = v2MovingAverager(separatedLABArrays[c], avgWindowSize).average();
        smoothed[c] = v2SplineSmoother(std::move(averaged), splinePercent).smoothedValues;
    }
    // The lightness as the correction is made from it (kept to one direction
    // where a misread patch left it rising again), so that the graph, the
    // corrected samples and the correction all show the same.
    smoothed[0] = CorrectionCurve::lightnessToCorrect(smoothed[0]);
    return smoothed;
}

void v2LinearizationDataModel::resetTargets() {
    const auto s = smoothMeasurements();
    if (!s) return;
    smoothedMeasuredValues.assign(s->begin(), s->end());
    manualCurve = linspace(256, 0, 100);
    correctionCurve->densitiesToCorrect = (*s)[0];
    correctionCurve->makeLinearTarget((*s)[0]);
}

void v2LinearizationDataModel::startWithRows(std::vector<CIELab> rows) {
    rawMeasurements = std::move(rows);
    rawMeasurementsMeasured.assign(rawMeasurements.size(), false);
}

void v2LinearizationDataModel::restartCorrection() {
    if (!separatedLABArrays.empty()) correctionCurve->densitiesToCorrect = separatedLABArrays.front();
    resetTargets();
}

void v2LinearizationDataModel::applyManualCurve() {
    auto& target = correctionCurve->finalTargetArray;
    target.resize(manualCurve.size());
    for (std::size_t i = 0; i < manualCurve.size(); ++i)
        target[i] = manualCurve[i] * correctionCurve->slope + correctionCurve->intercept;
}

void v2LinearizationDataModel::updateCorrection() {
    auto s = smoothMeasurements();
    if (!s) return;
    smoothedMeasuredValues.assign(std::make_move_iterator(s->begin()), std::make_move_iterator(s->end()));
    const auto& lightness = smoothedMeasuredValues[0];
    smoothedMeasurements = labArrayFromChannels(smoothedMeasuredValues);
    correctionCurve->densitiesToCorrect = lightness;
    correctionCurve->makeLinearTarget(lightness);
    applyManualCurve();
    correctionCurve->correctionCurveArray = correctionCurve->makeCorrectionCurve();
    correctedMeasurements = correctMeasurements(*correctionCurve->correctionCurveArray, smoothedMeasurements);
}

std::vector<CIELab> v2LinearizationDataModel::correctMeasurements(const std::vector<double>& correction,
                                                                  const std::vector<CIELab>& smoothed) const {
    const std::size_t count = std::min(stepArray.size(), smoothed.size());
    if (count < 2) return {};
    const auto first = stepArray.begin();
    const auto last = first + static_cast<std::ptrdiff_t>(count);
    // On a strictly rising grid binarySearchIndex answers the last step at or
    // below the value (0 below the first), which a search from the previous
    // answer finds sooner along a rising correction. Among equal steps its
    // answer depends on its path, so other grids keep it.
    const bool rising = std::adjacent_find(first, last, [](double a, double b) { return !(a < b); }) == last;
    std::vector<double> steps;
    if (!rising) steps.assign(first, last);
    auto near = first;
    const auto stepIndex = [&](double v) -> std::size_t {
        if (!rising) return binarySearchIndex(steps, v);
        near = partitionPointNear(first, last, near, [v](double step) { return step <= v; });
        return near == first ? 0 : static_cast<std::size_t>(near - first) - 1;
    };
    // The sample of the last correction value comes first.
    std::vector<CIELab> corrected(correction.size());
    auto out = corrected.rbegin();
    for (const double value : correction) {
        // The correction is a position 0 to 100; the last interval (not one
        // past the grid) serves its end value 100.
        const double v = std::isnan(value) ? 0.0 : std::clamp(value, 0.0, 100.0);
        const std::size_t i = std::min(stepIndex(v), count - 2);
        const double s0 = stepArray[i];
        const double s1 = stepArray[i + 1];
        const auto& c0 = smoothed[i];
        const auto& c1 = smoothed[i + 1];
        *out++ = {(v - s0) * (c1.L - c0.L) / (s1 - s0) + c0.L, (v - s0) * (c1.a - c0.a) / (s1 - s0) + c0.a,
                  (v - s0) * (c1.b - c0.b) / (s1 - s0) + c0.b};
    }
    return corrected;
}

std::vector<CIELab> v2LinearizationDataModel::labArrayFromChannels(const std::vector<std::vector<double>>& channels) {
    if (channels.size() < 3) return {};
    const std::size_t n = std::min({channels[0].size(), channels[1].size(), channels[2].size()});
    std::vector<CIELab> lab;
    lab.reserve(n);
    for (std::size_t i = 0; i < n; ++i) lab.push_back({channels[0][i], channels[1][i], channels[2][i]});
    return lab;
}

std::vector<CIELab> v2LinearizationDataModel::interpolateMeasurementsToSteps(const std::vector<CIELab>& list,
                                                                             const std::vector<double>& positions) {
    return MeasurementData::interpolateToSteps(list, positions);
}

void v2LinearizationDataModel::reloadMeasurements() {
    // An edited table keeps its rows where the patches were printed; a table
    // of another length has lost that link and is taken as even steps.
    const bool positioned = rawMeasurementPositions.size() == rawMeasurements.size();
    takeStepGrid(
        interpolateMeasurementsToSteps(rawMeasurements, positioned ? rawMeasurementPositions : std::vector<double>{}));
    resetTargets();
    updateCorrection();
}

double v2LinearizationDataModel::stepInputPercentage(std::size_t row) const {
    // Positions count while the table keeps the length they came with, the
    // test reloadMeasurements makes.
    return curves::stepInputPercentage(static_cast<int>(row), static_cast<int>(rawMeasurements.size()),
                                       rawMeasurementPositions);
}

void v2LinearizationDataModel::sortMeasurements() {
    // The rows sorted by way of their indices, so each measured mark goes
    // where its row goes.
    std::vector<std::size_t> order(rawMeasurements.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [this](std::size_t x, std::size_t y) { return rawMeasurements[x].L > rawMeasurements[y].L; });
    std::vector<CIELab> sorted;
    std::vector<bool> measured;
    sorted.reserve(order.size());
    measured.reserve(order.size());
    for (const std::size_t i : order) {
        sorted.push_back(rawMeasurements[i]);
        measured.push_back(i < rawMeasurementsMeasured.size() && rawMeasurementsMeasured[i]);
    }
    rawMeasurements = std::move(sorted);
    rawMeasurementsMeasured = std::move(measured);
}

bool v2LinearizationDataModel::revertToOpenedMeasurements() {
    if (openedOriginalMeasurments.empty()) return false;
    rawMeasurements = openedOriginalMeasurments;
    rawMeasurementsMeasured.assign(rawMeasurements.size(), true);
    return true;
}

bool v2LinearizationDataModel::editMeasurement(std::size_t row, const CIELab& lab) {
    if (row >= rawMeasurements.size()) return false;
    rawMeasurements[row] = lab;
    if (rawMeasurementsMeasured.size() != rawMeasurements.size())
        rawMeasurementsMeasured.resize(rawMeasurements.size(), false);
    rawMeasurementsMeasured[row] = true;
    return true;
}

bool v2LinearizationDataModel::everyRowMeasured() const {
    return !rawMeasurements.empty() && rawMeasurementsMeasured.size() == rawMeasurements.size() &&
           std::all_of(rawMeasurementsMeasured.begin(), rawMeasurementsMeasured.end(), [](bool m) { return m; });
}

std::optional<v2LinearizationDataModel::Curves> v2LinearizationDataModel::linearizedQuadCurves() const {
    const auto& correction = correctionCurve->correctionCurveArray;
    if (!correction || correction->empty()) {
        platform::printToStandardOutput(printed::correctionCurveMissing);
        return std::nullopt;
    }
    // A quad without channels (unknown header, nothing loaded) gives nothing to
    // write; the export then reports the failure instead of an empty file.
    if (!quadData || !quadData->inputQuadCurveArray || quadData->inputQuadCurveArray->empty()) return std::nullopt;
    return BinaryLinearization::linearizeTo256(*quadData->inputQuadCurveArray, *correction);
}

bool v2LinearizationDataModel::linearizeQuad() {
    if (!quadData) return false;
    auto linearized = linearizedQuadCurves();
    if (!linearized) return false;
    quadData->outputQuadCurveArray = std::move(*linearized);
    return true;
}

bool v2LinearizationDataModel::takeEditedCurves(Curves curves) {
    if (!quadData || curves.size() != quadData->inputQuadCurveArray.value_or(Curves()).size()) return false;
    quadData->outputQuadCurveArray = std::move(curves);
    return true;
}

bool v2LinearizationDataModel::showLinearizeFailedAlert() {
    platform::showAlert({platform::AlertStyle::warning, "Failed to Linearize",
                         "Please load a valid quad curve file and measurement data file and try again"});
    return true;
}

} // namespace curves
