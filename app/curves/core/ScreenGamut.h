#pragma once
#include <array>

#include "app/curves/core/CIELab.h"

namespace curves {

// The gamma-encoded sRGB components (each 0 to 1) of the colour a screen
// shows for a Lab sample (D50 white): the sample itself when sRGB holds it,
// otherwise its lightness and hue with as much of its chroma as sRGB holds.
// Clipping each channel on its own would shift hue and lightness instead,
// most near black, where a nearly neutral tone keeps only the last of its red
// or blue. Lightness beyond 0 ... 100 is held to it; a sample with a component
// that is not a finite number is black.
std::array<double, 3> srgbWithinGamut(const CIELab& sample);

} // namespace curves
