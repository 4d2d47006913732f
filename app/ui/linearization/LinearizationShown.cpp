#include "app/ui/linearization/LinearizationShown.h"

namespace appui::linearization {

LabRampsPayload rampsForPanels(const std::vector<curves::CIELab>& original,
                               const std::vector<curves::CIELab>& corrected) {
    return {resampleLabTo21(original), resampleLabTo21(corrected)};
}

LinearizationShown shownOf(const curves::v2LinearizationDataModel& model, const ChannelVisibility& shown,
                           Change change) {
    LinearizationShown view;
    const bool correction = change == Change::correction || change == Change::measurementTyped;
    if (correction) {
        const auto& target = model.correctionCurve->finalTargetArray;
        if (!model.smoothedMeasuredValues.empty() && !model.separatedLABArrays.empty() && !target.empty())
            view.lightness =
                LightnessCurves{target, model.separatedLABArrays.front(), model.smoothedMeasuredValues.front()};
        // After a typed value the first list is the rows as they now stand,
        // so the value just typed shows on its own sample; smoothing would
        // spread it over its neighbours. Every other change shows the
        // smoothed samples, the stage the correction starts from.
        view.ramps =
            rampsForPanels(change == Change::measurementTyped ? model.rawMeasurements : model.smoothedMeasurements,
                           model.correctedMeasurements);
    }
    // A correction change redraws the quad's curves only once they are
    // corrected: until then the graph keeps the curves as loaded.
    const auto& quad = model.quadData;
    if (quad && (!correction || (model.correctionCurve->correctionCurveArray && quad->outputQuadCurveArray))) {
        const auto& output = quad->outputQuadCurveArray;
        view.quadCurves = QuadCurvesShown{
            quad->inkList, curvesForGraph(output ? *output : quad->inputQuadCurveArray.value_or(Curves()), shown),
            output.has_value()};
    }
    return view;
}

std::vector<MeasurementRow> tableRowsOf(const curves::v2LinearizationDataModel& model,
                                        const std::vector<int>& flaggedRows) {
    return measurementRows(model.rawMeasurements, model.rawMeasurementPositions, flaggedRows);
}

} // namespace appui::linearization
