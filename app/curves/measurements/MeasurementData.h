#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/curves/core/CIELab.h"

namespace curves {

// Base of every measurement reader.
//
// Contract with the caller (the linearization model):
//   1. Make the reader for the file's kind (makeMeasurementReader does this)
//      over MeasurementFile::measurementData, with forLinearization true.
//   2. Call readMeasurements(). It splits the lines with this reader's own
//      splitRows, parses them and runs the common tail (samples per step,
//      averaging, resampling onto 256 steps).
//   3. When it returns true, averagedMeasurements holds the step values (two
//      or more, lightest first, spanning at least minimumLightnessRange) and
//      interpolatedMeasurements the 256 steps of the grid. Measurements that
//      are not finite numbers or whose L* lies outside 0 to 100 fail the load,
//      with the reason in the developer's log. When it
//      returns false the load failed: the reader has already shown the
//      load-failure alert, once, and left its three Lab lists empty; the caller
//      shows nothing further and keeps its previous measurements.
// With forLinearization false a reader stops after parsing (no averaging, no
// resampling); readMeasurements then answers whether measuredLab has values.
class MeasurementData {
public:
    MeasurementData(std::optional<std::vector<std::string>> lines, bool linearizing);
    virtual ~MeasurementData() = default;
    MeasurementData(const MeasurementData&) = delete;
    MeasurementData& operator=(const MeasurementData&) = delete;

    bool forLinearization;
    std::optional<std::vector<std::string>> rawData;
    std::vector<CIELab> measuredLab;
    int samplesPerStep = 1;
    int labLIndex = 0;
    std::vector<std::vector<std::string>> measurementData2DArray;
    std::vector<CIELab> averagedMeasurements;
    std::vector<CIELab> interpolatedMeasurements;
    // Where each of averagedMeasurements lies on the wedge, ascending from
    // paper white, when the file gives its patches' input positions and they
    // are not evenly spaced (StepPositions.h); empty for evenly spaced steps.
    std::vector<double> averagedPositions;

    // The entry operation; see the contract above.
    bool readMeasurements();

    // The lines split into fields at tabs and at runs of spaces (splitFields).
    virtual std::vector<std::vector<std::string>> splitRows(const std::vector<std::string>& lines) const;

    // Samples per wedge step from the number of measured values: the first of
    // 256, 129, 128 (answers 1), 101, 86, 51, 21, 11 that divides the count
    // gives count / divisor; none gives 0. Printed to standard output.
    virtual int computeSamplesPerStep();

    static std::array<std::vector<double>, 3> separateLab(const std::vector<CIELab>& list);

    // The list resampled by spline onto 256 steps (x = k/256); fewer than two
    // values give an empty list. The values lie at evenly spaced x, or at
    // `positions` (normalised to 0...1) when there is one per value.
    static std::vector<CIELab> interpolateToSteps(const std::vector<CIELab>& list,
                                                  const std::vector<double>& positions = {});

    // For partitioning: step s gets the values at s, s + 21, s + 42, ... below
    // floor(n / 21) x 21; fewer than 21 values give an empty list.
    static std::vector<CIELab> regroupInto21Steps(const std::vector<CIELab>& list);

protected:
    // Parses measurementData2DArray and finishes with the common tail (or the
    // reader's own ending). Answers false when the data cannot be read. Every
    // reader parses its own format.
    virtual bool parseMeasurements() = 0;

    // The common tail: measuredLab, then samples per step, averaging and
    // resampling when reading for linearization. A reader whose file gives
    // the input position of every patch passes them: when they run evenly the
    // tail is the same as without them; otherwise the samples are averaged
    // per position and resampled by their real positions.
    void finishWithCommonTail(std::vector<CIELab> parsed, const std::vector<double>& positions = {});

    // The tail without averaging (one sample per step), for readers whose
    // files hold one value per step.
    void finishWithoutAveraging(std::vector<CIELab> parsed);

private:
    // The step values (and their positions) in the order white to black.
    void turnRoundWhenBlackFirst();
};

// Field-only relatives: they add no behaviour and nothing constructs them.

// Here as the reader a SpyderPrint file of its own layout would take; its
// files are read by MiscMeasurementDataFile today.
class SpyderPrintFile : public MeasurementData {
public:
    using MeasurementData::MeasurementData;
    int numColumns = 0;
    bool hasRowIndex = false;
};

// Here for the density files recognition already tells apart ("Density
// File"), which no reader reads yet.
class DensityMeasurementFile : public MeasurementData {
public:
    using MeasurementData::MeasurementData;
};

// Here as the record of one wedge measured as densities, at each stage, that
// a density reader would fill.
struct MeasuredValues {
    std::vector<double> inputValues;
    std::vector<double> smoothedValues;
    std::optional<std::vector<CIELab>> measuredCIELab;
    std::optional<std::vector<double>> measuredLabL;
    std::vector<double> measuredDensity;
    int nMeasuredPoints = 0;
    double measuredStep = 0;
    double measuredStepValue = 0;
    std::vector<double> measuredStepValueArray;
    std::vector<double> originalInterpolatedMeasuredValues;
};

} // namespace curves
