#include "app/curves/linearization/QuadGammaAdjust.h"

#include "Numerics/Numerics.h"
#include "app/curves/math/Resampling.h"

namespace curves {

std::vector<double> QuadGammaAdjustD::adjust() {
    if (ramp.empty()) ramp = linspace(256, 0, 1);
    auto result = numerics::pow(ramp, 1 / gammaAdjustment);
    return scaleInPlace(result, 100);
}

} // namespace curves
