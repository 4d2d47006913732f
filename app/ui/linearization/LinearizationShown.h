#pragma once
// What the linearization screen shows of its model after a user action: a
// value made from the model by one pure function, so that every action ends
// in the same showing of it.
#include <optional>
#include <string>
#include <vector>

#include "app/curves/linearization/LinearizationDataModel.h"
#include "app/ui/graphs/MeasurementGraph.h"
#include "app/ui/linearization/LinearizationScreenRules.h"
#include "app/ui/linearization/MeasurementTableModel.h"
#include "app/ui/widgets/NotificationPayloads.h"

namespace appui::linearization {

// What a user action changed: the measurements (a load, a sort or a revert),
// the smoothing or the target, so the correction and everything that follows
// from it; a value typed into the measurement table, the same with the rows
// as typed on the sample panels; the .quad file, so its corrected curves; or
// only how the quad's curves are shown (a channel switch, the custom curve
// editor's curves).
enum class Change { correction, measurementTyped, quadFile, quadCurvesShown };

// The quad-curve graph's curves: the corrected ones when there are any, else
// the curves as loaded, with the channels switched off as zeros.
struct QuadCurvesShown {
    std::vector<std::string> inkList;
    Curves curves;
    bool corrected = false;
};

// What the screen shows after an action; a part it leaves as it is is absent.
struct LinearizationShown {
    // The lightness graph: after a correction change, once the model has
    // smoothed, measured and target lightness.
    std::optional<LightnessCurves> lightness;
    // The samples for the colour-sample panels after every correction
    // change (rampsForPanels): the corrected samples beside the smoothed
    // ones, or beside the rows as they now stand after a typed value.
    std::optional<LabRampsPayload> ramps;
    // The quad-curve graph while a .quad file is loaded; after a correction
    // change only once its curves are corrected.
    std::optional<QuadCurvesShown> quadCurves;
};

// The pair posted to the colour-sample panels: each list cut to 21 samples
// (resampleLabTo21).
LabRampsPayload rampsForPanels(const std::vector<curves::CIELab>& original,
                               const std::vector<curves::CIELab>& corrected);

// What the screen shows of `model` after `change`, with the channel switches
// as `shown`.
LinearizationShown shownOf(const curves::v2LinearizationDataModel& model, const ChannelVisibility& shown,
                           Change change);

// The measurement table's rows: the model's raw measurements at their input
// percentages, the rows in `flaggedRows` flagged.
std::vector<MeasurementRow> tableRowsOf(const curves::v2LinearizationDataModel& model,
                                        const std::vector<int>& flaggedRows);

} // namespace appui::linearization
