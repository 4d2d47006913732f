#pragma once
#include <array>
#include <string>
#include <vector>

#include "app/curves/core/CIELab.h"

namespace appui {

// The numbers the blending screen shows for a blend, each already formatted
// "%.2f": L*, a*, b* of the blended samples 5, 10 and 15 (the 25 %, 50 % and
// 75 % points), and the nine cyan, magenta and yellow fractions (highlight,
// midtone, shadow of each).
struct BlendReadOut {
    std::array<std::string, 9> lab;       // L*5, a*5, b*5, L*10, ..., b*15
    std::array<std::string, 9> fractions; // cyan H, M, S, magenta H, M, S, yellow H, M, S
};

// Sample positions of the read-outs in the 21-sample ramp.
inline constexpr std::array<std::size_t, 3> readOutSamples{5, 10, 15};

// The read-out of a blended ramp of at least 16 samples (the blend always has 21).
BlendReadOut blendReadOut(const std::vector<curves::CIELab>& ramp, const std::array<double, 9>& fractions);

// The six summary lines that become the notes of a saved .quad, joined by
// line feeds with none at the end:
//   25%: L: 70.12 a: 0.51 b: 2.03
//   50%: ..., 75%: ...
//   Cyan Settings: 0.58, 0.48, 0.20
//   Magenta Settings: ..., Yellow Settings: ...
std::string blendSettingsSummary(const BlendReadOut& readOut);

// What the blending screen shows of a blend after every recompute: the
// blended samples for the colour patches, the read-out, the a*/b* values of
// the graph and the curves posted to the ink-curve panels.
struct BlendShown {
    std::vector<curves::CIELab> samples;
    BlendReadOut readOut;
    std::array<std::vector<double>, 2> abValues;
    std::vector<std::vector<double>> curves;
};

// What a blend of `blendedCIELab` (21 samples) and `blendedCurve` shows, with
// the tone fractions as set.
BlendShown blendShownOf(const std::vector<curves::CIELab>& blendedCIELab,
                        const std::vector<std::vector<double>>& blendedCurve, const std::array<double, 9>& fractions);

} // namespace appui
