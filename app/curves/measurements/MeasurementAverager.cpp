#include "app/curves/measurements/MeasurementAverager.h"

#include <cmath>

namespace curves {

MeasurementAverager::MeasurementAverager(std::vector<CIELab> input) : inputMeasurements(std::move(input)) {
    chooseStepGrid();
    for (const auto& lab : inputMeasurements) {
        inputL.push_back(lab.L);
        inputA.push_back(lab.a);
        inputB.push_back(lab.b);
    }
    if (targetSize == 0) {
        // No grid fits: keep every sample rather than lose the measurement.
        averagedMeasurements = inputMeasurements;
        return;
    }
    if (samplesOfAStepLieTogether()) {
        sortedL = inputL;
        sortedA = inputA;
        sortedB = inputB;
    } else {
        sortedL = regroupedByStep(inputL);
        sortedA = regroupedByStep(inputA);
        sortedB = regroupedByStep(inputB);
    }
    avgLArray = stepMeans(sortedL);
    avgAArray = stepMeans(sortedA);
    avgBArray = stepMeans(sortedB);
    for (int s = 0; s < targetSize; ++s)
        averagedMeasurements.push_back(CIELab{avgLArray[s], avgAArray[s], avgBArray[s]});
}

void MeasurementAverager::chooseStepGrid() {
    const auto n = static_cast<long long>(inputMeasurements.size());
    if (n == 0) return;
    // 256 steps for every multiple of 256 and all of the samples of a
    // multiple of 128, so that no sample is dropped.
    for (long long steps : {21, 51, 86, 101, 256, 128, 129}) {
        if (n % steps == 0) {
            targetSize = static_cast<int>(steps);
            samplesPerStep = static_cast<int>(n / steps);
            return;
        }
    }
}

bool MeasurementAverager::samplesOfAStepLieTogether() const {
    const std::size_t n = inputL.size();
    const std::size_t count = static_cast<std::size_t>(samplesPerStep);
    const std::size_t start = n / 2 - count / 2;
    double sum = 0;
    for (std::size_t k = 0; k < count; ++k) sum += inputL[start + k];
    const double mean = sum / static_cast<double>(count);
    return std::fabs(mean - inputL[start]) < 1.0;
}

std::vector<double> MeasurementAverager::regroupedByStep(const std::vector<double>& channel) const {
    std::vector<double> sorted;
    sorted.reserve(channel.size());
    for (int s = 0; s < targetSize; ++s)
        for (int k = 0; k < samplesPerStep; ++k)
            sorted.push_back(channel[static_cast<std::size_t>(s) + static_cast<std::size_t>(k) * targetSize]);
    return sorted;
}

std::vector<double> MeasurementAverager::stepMeans(const std::vector<double>& sorted) const {
    std::vector<double> means;
    means.reserve(static_cast<std::size_t>(targetSize));
    for (int s = 0; s < targetSize; ++s) {
        double sum = 0;
        for (int k = 0; k < samplesPerStep; ++k)
            sum += sorted[static_cast<std::size_t>(s) * samplesPerStep + static_cast<std::size_t>(k)];
        means.push_back(sum / samplesPerStep);
    }
    return means;
}

} // namespace curves
