#pragma once
#include <optional>
#include <vector>

#include "app/curves/core/CIELab.h"
#include "app/curves/measurements/DormantRecords.h"
#include "app/ui/widgets/NotificationPayloads.h"

namespace appui {

// The two ramps a linearization payload puts on screen: the original
// samples, and the corrected ones in reverse order; the neutral ramp for
// either when it is missing or empty.
struct OriginalAndCorrectedRamps {
    std::vector<curves::CIELab> original;
    std::vector<curves::CIELab> corrected;
};
OriginalAndCorrectedRamps rampsToShow(const LabRampsPayload& payload);

// One ink ramp of a limiter: its limited samples at every fifth entry from 0
// to 100 (21 samples); nothing when the limiter holds fewer than 101.
std::optional<std::vector<curves::CIELab>> limiterRamp(const curves::ColorInkLimiter& limiter);

} // namespace appui
