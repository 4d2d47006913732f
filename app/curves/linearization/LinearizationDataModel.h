#pragma once
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "app/curves/core/CIELab.h"
#include "app/curves/linearization/CorrectionCurve.h"
#include "app/curves/quad/QuadDataFile.h"

namespace curves {

class MeasurementFile;

// The model behind the linearization screen: the measurements of a printed
// step wedge at each stage (as read, on the 256-step grid, smoothed,
// corrected), dmax and the matte flag, the correction curve against a linear
// or manual target, and the linearized ink curves of a loaded .quad file.
class v2LinearizationDataModel {
public:
    using Channels = std::array<std::vector<double>, 3>; // L*, a*, b*
    using Curves = QuadDataFile::Curves;

    std::shared_ptr<CorrectionCurve> correctionCurve = std::make_shared<CorrectionCurve>();
    std::shared_ptr<QuadDataFile> quadData;
    bool measurementDataLoadingError = true;
    std::optional<Curves> outputQuadValues;
    double dmax = 0;
    std::vector<CIELab> openedOriginalMeasurments;
    std::vector<CIELab> rawMeasurements;
    // Where the steps of rawMeasurements lie on the wedge when the file gave
    // unevenly spaced positions (MeasurementData::averagedPositions); empty
    // for even steps. A reload resamples by them while the step count stays.
    std::vector<double> rawMeasurementPositions;
    // Per row of rawMeasurements: whether it is a measurement, read from a
    // file or typed by the user. The rows to work from before any file are
    // not, until the user types into them; a sort carries each mark with its
    // row.
    std::vector<bool> rawMeasurementsMeasured;
    std::vector<CIELab> interpolatedMeasurements;
    std::vector<CIELab> smoothedMeasurements;
    std::vector<CIELab> correctedMeasurements;
    std::vector<std::vector<double>> separatedLABArrays;
    std::vector<std::vector<double>> smoothedMeasuredValues;
    int avgWindowSize = 0;
    double splinePercent = 1.0;
    std::vector<double> manualCurve;
    bool matteDensityRange = false;
    std::vector<double> stepArray;

    // Reads the file through the reader its kind chooses. Answers whether the
    // measurements were replaced; a failed load changes nothing and shows the
    // load-failure alert once (recognition, the reader or the model shows it;
    // the model for a recognised kind without a reader).
    bool loadMeasurements(const MeasurementFile& file);
    // Rows to work from before any file: the screen's placeholder steps,
    // which its table shows and a sort or an edit starts from.
    void startWithRows(std::vector<CIELab> rows);
    // Smoothing with the current settings, a straight manual curve, the
    // linear target.
    void resetTargets();
    // The correction started afresh for measurements just loaded: their
    // lightness as the densities to correct, then resetTargets.
    void restartCorrection();
    // Smoothing, targets, correction curve and corrected measurements.
    void updateCorrection();
    // Everything again from rawMeasurements after they were edited or sorted.
    void reloadMeasurements();
    // rawMeasurements by L*, lightest first.
    void sortMeasurements();
    // rawMeasurements back to the steps as first read. False, changing
    // nothing, before any file was read.
    bool revertToOpenedMeasurements();
    // Row `row` of rawMeasurements replaced by `lab`. False, changing
    // nothing, for a row there is not. (reloadMeasurements recomputes.)
    bool editMeasurement(std::size_t row, const CIELab& lab);
    // Whether there are rows and every one of them is a measurement, so that
    // a correction made from them corrects a print; one made from rows the
    // user never gave is no correction to export.
    bool everyRowMeasured() const;

    // The input percentage (0 to 100) of row `row` of rawMeasurements: where
    // that step was printed on the wedge, as the model resamples it. An
    // unevenly spaced wedge gives its real positions (rawMeasurementPositions
    // spread over 0 to 100, as the resampling does); even steps give
    // row x 100 / (count - 1), and a single row 0.
    double stepInputPercentage(std::size_t row) const;

    // The quad's curves linearized by the correction curve. Nothing without a
    // correction curve, without a quad or when the quad has no channels.
    std::optional<Curves> linearizedQuadCurves() const;
    // The loaded quad's outputQuadCurveArray made anew: its curves
    // linearized by the correction curve. False, leaving it as it was,
    // without a quad or when linearizedQuadCurves gives nothing.
    bool linearizeQuad();
    // The custom curve editor's curves as the loaded quad's output, until the
    // next linearizeQuad. False, changing nothing, without a quad or for a
    // set of another channel count than the file's: a file whose channels
    // did not match its header.
    bool takeEditedCurves(Curves curves);

    // The warning "Failed to Linearize"; answers whether OK was pressed.
    static bool showLinearizeFailedAlert();

    // L*, a* and b* smoothed; the lightness as the correction uses it
    // (CorrectionCurve::lightnessToCorrect).
    std::optional<Channels> smoothMeasurements() const;
    void applyManualCurve();
    // The smoothed sample expected at each correction value, interpolated on
    // stepArray; the sample of the last correction value first.
    std::vector<CIELab> correctMeasurements(const std::vector<double>& correction,
                                            const std::vector<CIELab>& smoothed) const;
    static std::vector<CIELab> labArrayFromChannels(const std::vector<std::vector<double>>& channels);
    static std::vector<CIELab> interpolateMeasurementsToSteps(const std::vector<CIELab>& list,
                                                              const std::vector<double>& positions = {});

    // Density of a step from its L*: -log10 of the relative luminance Y.
    static double densityOfLightness(double L);

private:
    void takeStepGrid(std::vector<CIELab> stepped);
};

} // namespace curves
