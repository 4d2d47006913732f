#include "app/curves/measurements/MeasurementData.h"

#include <algorithm>
#include <cmath>

#include "app/curves/core/FieldSplitting.h"
#include "app/curves/math/Resampling.h"
#include "app/curves/measurements/MeasurementAverager.h"
#include "app/curves/measurements/MeasurementFile.h"
#include "app/curves/measurements/MeasurementValidity.h"
#include "app/curves/measurements/StepPositions.h"
#include "platform/Log.h"

namespace curves {

namespace {

bool allFinite(const std::vector<CIELab>& list) {
    for (const auto& lab : list)
        if (!std::isfinite(lab.L) || !std::isfinite(lab.a) || !std::isfinite(lab.b)) return false;
    return true;
}

} // namespace

MeasurementData::MeasurementData(std::optional<std::vector<std::string>> lines, bool linearizing)
    : forLinearization(linearizing),
      rawData(std::move(lines)) {}

bool MeasurementData::readMeasurements() {
    measuredLab.clear();
    averagedMeasurements.clear();
    interpolatedMeasurements.clear();
    averagedPositions.clear();
    samplesPerStep = 1;
    // Split here rather than in the constructor, so that the reader's own
    // splitRows is the one used.
    measurementData2DArray = rawData ? splitRows(*rawData) : std::vector<std::vector<std::string>>{};

    bool ok = parseMeasurements();
    if (ok) ok = forLinearization ? interpolatedMeasurements.size() >= 2 : !measuredLab.empty();
    // Values that parse but mean nothing (no finite number, an L* beyond 0 to
    // 100, a wedge without tonal range) are refused like unreadable ones: a
    // correction computed from them would ruin the print. The alert keeps
    // its one text; the developer's log says why.
    std::optional<std::string> reason;
    if (ok) reason = unusableMeasurementReason(measuredLab);
    if (ok && !reason && forLinearization) reason = unlinearizableStepsReason(averagedMeasurements);
    if (reason) {
        platform::devLog(*reason);
        ok = false;
    }
    if (ok) ok = allFinite(interpolatedMeasurements);
    if (!ok) {
        measuredLab.clear();
        averagedMeasurements.clear();
        interpolatedMeasurements.clear();
        averagedPositions.clear();
        showMeasurementLoadError();
    }
    return ok;
}

std::vector<std::vector<std::string>> MeasurementData::splitRows(const std::vector<std::string>& lines) const {
    std::vector<std::vector<std::string>> rows;
    rows.reserve(lines.size());
    for (const auto& line : lines) rows.push_back(splitFields(line));
    return rows;
}

int MeasurementData::computeSamplesPerStep() {
    const auto n = static_cast<long long>(measuredLab.size());
    int result = 0;
    for (long long divisor : {256, 129, 128, 101, 86, 51, 21, 11}) {
        if (n > 0 && n % divisor == 0) {
            result = divisor == 128 ? 1 : static_cast<int>(n / divisor);
            break;
        }
    }
    platform::printToStandardOutput(std::to_string(result));
    return result;
}

std::array<std::vector<double>, 3> MeasurementData::separateLab(const std::vector<CIELab>& list) {
    std::array<std::vector<double>, 3> channels;
    for (auto& channel : channels) channel.reserve(list.size());
    for (const auto& lab : list) {
        channels[0].push_back(lab.L);
        channels[1].push_back(lab.a);
        channels[2].push_back(lab.b);
    }
    return channels;
}

std::vector<CIELab> MeasurementData::interpolateToSteps(const std::vector<CIELab>& list,
                                                        const std::vector<double>& positions) {
    if (list.size() < 2) return {};
    const auto channels = separateLab(list);
    const auto xs =
        normalizeToUnit(positions.size() == list.size() ? positions : ramp(static_cast<int>(list.size()), 0, 1));
    std::array<std::vector<double>, 3> resampled;
    for (std::size_t c = 0; c < 3; ++c) {
        ZWInterpolateD interpolator;
        interpolator.inputXs = xs;
        interpolator.inputYs = channels[c];
        interpolator.interpolationStepValue = 0.00390625;
        interpolator.interpolate(xs, channels[c], "Spline");
        resampled[c] = interpolator.outputArray;
    }
    std::vector<CIELab> result;
    result.reserve(resampled[0].size());
    for (std::size_t i = 0; i < resampled[0].size() && i < resampled[1].size() && i < resampled[2].size(); ++i)
        result.push_back(CIELab{resampled[0][i], resampled[1][i], resampled[2][i]});
    return result;
}

std::vector<CIELab> MeasurementData::regroupInto21Steps(const std::vector<CIELab>& list) {
    std::vector<CIELab> result;
    const std::size_t usable = list.size() / 21 * 21;
    for (std::size_t step = 0; step < 21 && usable > 0; ++step)
        for (std::size_t i = step; i < usable; i += 21) result.push_back(list[i]);
    return result;
}

void MeasurementData::finishWithCommonTail(std::vector<CIELab> parsed, const std::vector<double>& positions) {
    measuredLab = std::move(parsed);
    averagedPositions.clear();
    if (!forLinearization) return;
    if (positions.size() == measuredLab.size() && positionsAreUsable(positions) && !positionsRunEvenly(positions)) {
        // Unevenly spaced patches (say 0, 2.5, 5, 7.5, 10, 15 ...) are not
        // so many even steps: repeats of a position are averaged, and the
        // steps keep their positions for the resampling.
        auto grouped = averageByPosition(measuredLab, positions);
        samplesPerStep = static_cast<int>(measuredLab.size() / grouped.steps.size());
        averagedMeasurements = std::move(grouped.steps);
        averagedPositions = std::move(grouped.positions);
    } else {
        samplesPerStep = computeSamplesPerStep();
        if (samplesPerStep < 2) {
            averagedMeasurements = measuredLab;
        } else {
            MeasurementAverager averager(measuredLab);
            averagedMeasurements = averager.averagedMeasurements;
        }
    }
    turnRoundWhenBlackFirst();
    interpolatedMeasurements = interpolateToSteps(averagedMeasurements, averagedPositions);
}

void MeasurementData::finishWithoutAveraging(std::vector<CIELab> parsed) {
    measuredLab = std::move(parsed);
    if (!forLinearization) return;
    samplesPerStep = 1;
    averagedMeasurements = measuredLab;
    turnRoundWhenBlackFirst();
    interpolatedMeasurements = interpolateToSteps(averagedMeasurements);
}

void MeasurementData::turnRoundWhenBlackFirst() {
    // Everything after loading reads a wedge from paper white to the darkest
    // step; a list measured from the black end is the same wedge.
    if (averagedMeasurements.size() < 2 || averagedMeasurements.front().L >= averagedMeasurements.back().L) return;
    std::reverse(averagedMeasurements.begin(), averagedMeasurements.end());
    // Positions are mirrored so that they still rise from the paper end.
    if (averagedPositions.empty()) return;
    const double ends = averagedPositions.front() + averagedPositions.back();
    std::reverse(averagedPositions.begin(), averagedPositions.end());
    for (auto& p : averagedPositions) p = ends - p;
}

} // namespace curves
