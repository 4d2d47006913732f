#pragma once
#include <array>
#include <cstdint>

#include "app/curves/core/CIELab.h"

namespace curves {

// One 8-bit pixel, alpha first: the entry of the preview's gradient colour table.
struct ARGB_8 {
    std::uint8_t a = 0;
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend bool operator==(const ARGB_8&, const ARGB_8&) = default;
};

// 0.2126 r + 0.7152 g + 0.0722 b, truncated: the gradient table's sort key.
int luminance(const ARGB_8& pixel);

// Lab to X, Y, Z on the scale 0 to 100, for the D50 white 96.42, 100, 82.49:
// each of fx, fy, fz cubed when the cube exceeds 0.008856, else on the linear
// segment below it.
std::array<double, 3> labToXYZ(const CIELab& lab);

// X, Y, Z on the scale 0 to 100 to gamma-encoded sRGB components (not clamped).
std::array<double, 3> xyzToSRGB(double X, double Y, double Z);

// Linear components to a pixel: c^(1/2.2) x 255, then 0 when at most 0 or not
// a number, 255 when at least 255, else its integer part; alpha 255.
ARGB_8 linearRGBToARGB8(double r, double g, double b);

} // namespace curves
