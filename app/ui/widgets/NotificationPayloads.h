#pragma once
#include <vector>

#include "app/curves/core/CIELab.h"
#include "app/curves/measurements/DormantRecords.h"

// The objects attached to the notifications between the screens, dialogs and
// panels (platform::NotificationCenter carries them in a std::any).
namespace appui {

// "com.Vellumcrest.updatedManualCurveControl" and
// "com.Vellumcrest.updatedV2ManualCurveControl": a manual curve, 256
// percentages.
using ManualCurvePayload = std::vector<double>;

// "com.Vellumcrest.updatedColorInkArrays": the original samples, then the
// corrected ones; either may be empty.
using LabRampsPayload = std::vector<std::vector<curves::CIELab>>;

// "com.Vellumcrest.didUpdateBlendedQuadValues": the blended channel curves,
// 256 values each in quad units.
using BlendedCurvesPayload = std::vector<std::vector<double>>;

// "com.Vellumcrest.didUpdateColorInkLimits": one limiter per ink ramp.
using ColorInkLimitsPayload = std::vector<curves::ColorInkLimiter>;

} // namespace appui
