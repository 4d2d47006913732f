#include "app/curves/core/ScreenGamut.h"

#include <algorithm>
#include <cmath>

#include "app/curves/core/ColourConversion.h"

namespace curves {

namespace {

// The D50 white lands a millionth above 1 in blue: the neutral axis, which
// the search below relies on being inside, must count as inside all along.
constexpr double gamutTolerance = 1e-5;

bool fitsSRGB(const std::array<double, 3>& rgb) {
    return std::all_of(rgb.begin(), rgb.end(),
                       [](double c) { return c >= -gamutTolerance && c <= 1 + gamutTolerance; });
}

std::array<double, 3> srgbOf(const CIELab& lab) {
    const auto xyz = labToXYZ(lab);
    return xyzToSRGB(xyz[0], xyz[1], xyz[2]);
}

} // namespace

std::array<double, 3> srgbWithinGamut(const CIELab& sample) {
    if (!std::isfinite(sample.L) || !std::isfinite(sample.a) || !std::isfinite(sample.b)) return {0, 0, 0};
    const double L = std::clamp(sample.L, 0.0, 100.0);
    const auto scaled = [&](double share) { return srgbOf({L, sample.a * share, sample.b * share}); };
    auto rgb = scaled(1);
    if (!fitsSRGB(rgb)) {
        // Scaling a* and b* together keeps the hue, and Y follows L* alone;
        // the largest share of the chroma that fits, by halving: 30 steps
        // leave less than a billionth of the sample's chroma undecided.
        double inside = 0;
        double outside = 1;
        for (int step = 0; step < 30; ++step) {
            const double share = (inside + outside) / 2;
            (fitsSRGB(scaled(share)) ? inside : outside) = share;
        }
        rgb = scaled(inside);
    }
    for (double& c : rgb) c = std::clamp(c, 0.0, 1.0);
    return rgb;
}

} // namespace curves
