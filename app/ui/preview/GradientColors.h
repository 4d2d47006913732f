#pragma once
#include <QImage>
#include <optional>
#include <vector>

#include "app/curves/core/CIELab.h"
#include "app/curves/core/ColourConversion.h"

namespace appui {

// The colours of the toned preview's gradient, one per Lab sample and in the
// samples' order: Lab (D50 white) to XYZ, XYZ to linear RGB by the fixed
// matrix, sRGB companding, then linearRGBToARGB8 with its further 1/2.2 power
// and truncation. Both power steps are applied; the preview has always looked
// this way, lighter than the samples' own colours.
std::vector<curves::ARGB_8> gradientColors(const std::vector<curves::CIELab>& samples);

// The colours darkest first: a stable sort by integer luminance, so colours of
// equal luminance keep their sample order.
std::vector<curves::ARGB_8> sortedByLuminance(std::vector<curves::ARGB_8> colors);

// The gradient as an image one pixel high and one pixel per colour, sorted
// darkest first, with no alpha (Format_RGB32). Nothing without colours.
std::optional<QImage> gradientImage(const std::optional<std::vector<curves::ARGB_8>>& colors);

} // namespace appui
