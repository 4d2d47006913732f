#pragma once
#include <vector>

#include "app/curves/core/CIELab.h"

namespace curves {

// Averages the repeated samples of each wedge step. The step grid comes from
// the sample count, smaller step counts first:
//   21, 51, 86, 101 steps when they divide the count; 256 steps for a whole
//   multiple of 256; 128 steps for other multiples of 128; 129 steps.
// Every sample of the file takes part (count / steps samples per step). A
// count that fits no grid is kept as it is, unaveraged (targetSize 0).
// Samples that lie next to each other per step are averaged in place; a file
// of whole passes over the wedge, one after the other, is regrouped first.
class MeasurementAverager {
public:
    explicit MeasurementAverager(std::vector<CIELab> inputMeasurements);

    std::vector<CIELab> inputMeasurements;
    int targetSize = 0;
    int samplesPerStep = 1;
    int i = 0;
    int j = 0;
    std::vector<CIELab> averagedMeasurements;
    std::vector<double> inputL, inputA, inputB;
    std::vector<double> sortedL, sortedA, sortedB;
    std::vector<double> avgLArray, avgAArray, avgBArray;

private:
    void chooseStepGrid();
    bool samplesOfAStepLieTogether() const;
    std::vector<double> regroupedByStep(const std::vector<double>& channel) const;
    std::vector<double> stepMeans(const std::vector<double>& sorted) const;
};

} // namespace curves
