#include "app/ui/widgets/ColorRamps.h"

#include <algorithm>

#include "app/ui/widgets/NeutralRamp.h"

namespace appui {

OriginalAndCorrectedRamps rampsToShow(const LabRampsPayload& payload) {
    OriginalAndCorrectedRamps ramps{moclLab(), moclLab()};
    if (!payload.empty() && !payload[0].empty()) ramps.original = payload[0];
    if (payload.size() > 1 && !payload[1].empty()) ramps.corrected.assign(payload[1].rbegin(), payload[1].rend());
    return ramps;
}

std::optional<std::vector<curves::CIELab>> limiterRamp(const curves::ColorInkLimiter& limiter) {
    constexpr std::size_t step = 5;
    constexpr std::size_t last = 100;
    const auto& samples = limiter.ouputLimitedCIELab;
    if (samples.size() <= last) return std::nullopt;
    std::vector<curves::CIELab> ramp;
    for (std::size_t k = 0; k <= last; k += step) ramp.push_back(samples[k]);
    return ramp;
}

} // namespace appui
