#pragma once
#include <QString>
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/curves/core/CIELab.h"
#include "app/curves/core/Enumerations.h"

// The rules of the linearization screen that hold without a window: how its
// controls translate into model settings, how samples are cut for the
// panels, which table rows look wrong, what the channel buttons say.
namespace appui::linearization {

using Curves = std::vector<std::vector<double>>;

// The channel switches govern channel positions 0 to 9 whatever inks a file
// names.
inline constexpr std::size_t channelSwitchCount = 10;
using ChannelVisibility = std::array<bool, channelSwitchCount>;

// The 21 neutral steps the table shows before a file loads: L* 99.99, then 95
// down to 5 in steps of 5, then 0.01; a* = b* = 0.
const std::vector<curves::CIELab>& placeholderMeasurements();

// The moving-average window of a slider position or typed number: the value
// x 0.64, truncated toward zero; 0 for a value that is not finite.
int movingAverageWindowOf(double value);

// A text field's integer value: its number truncated toward zero; 0 for a
// number that is not finite, and kept within int.
int integerValueOf(double value);

// A typed spline strength kept to 0 ... 100 (not a number reads as 0).
double clampedSplineStrength(double value);

// The model's spline weight of a strength: (100 - strength) / 100, so 0 is
// full spline weight and 100 none.
double splinePercentOf(double strength);

// A Lab list of more than 21 entries cut to 21: entry k (k < 20) is entry
// trunc(k x (n / 21)), entry 20 the last. Shorter lists pass unchanged.
std::vector<curves::CIELab> resampleLabTo21(const std::vector<curves::CIELab>& lab);

// The rows before a step that is lighter than the one before it by more than
// half a unit of L*.
std::vector<int> findMeasurementErrors(const std::vector<curves::CIELab>& lab);

// The 256-value manual target of the manual-curve dialog's curve. The
// dialog's curve is read at the target's own 256 input positions and is taken
// as it stands: a second spline through it would dip where it bends and
// stop short of its end (at 255/256). A curve of another length is spread
// evenly over 0 ... 1 and read at k/255 along straight lines, which keep its
// ends and its order. Nothing for a curve of fewer than two values.
std::optional<std::vector<double>> manualTargetOfCurve(const std::vector<double>& curve);

// The curves as the quad graph shows them: channel positions switched off
// become 256 zeros; positions past the switches, and curves of fewer
// positions than switches, stay as they are.
Curves curvesForGraph(const Curves& output, const ChannelVisibility& shown);

// The titles of the ninth and tenth channel buttons for a file's curve names:
// none (both hidden) with fewer than nine names, "OR" and "GR" when name 8
// contains "OR", else "V" and "MK".
std::optional<std::pair<QString, QString>> lastChannelButtonTitles(const std::vector<std::string>& inkList);

// Why a table of which only some rows were typed makes no export: the steps
// still without a measurement, as the table's Step column writes them
// ("5.00"), and what the user can do about them.
std::string unmeasuredStepsText(const std::vector<QString>& steps);

// The export kind of the export pop-up's item: 1 .acv, 2 .cube, any other .quad.
curves::ExportType exportTypeOfPopupIndex(int index);

} // namespace appui::linearization
