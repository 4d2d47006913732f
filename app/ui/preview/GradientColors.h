#pragma once
#include <QImage>
#include <optional>
#include <vector>

#include "app/curves/core/CIELab.h"
#include "app/curves/core/ColourConversion.h"

namespace appui {

// The colours of the toned preview's gradient, one per Lab sample and in the
// samples' order: each sample's sRGB colour, companded once and rounded to 8
// bits, so that a grey level shows as the colour samples show the tone it
// prints with. A sample beyond sRGB keeps its lightness and hue and gives up
// chroma (srgbWithinGamut), rather than being clipped channel by channel.
std::vector<curves::ARGB_8> gradientColors(const std::vector<curves::CIELab>& samples);

// The colours darkest first: a stable sort by integer luminance, so colours of
// equal luminance keep their sample order.
std::vector<curves::ARGB_8> sortedByLuminance(std::vector<curves::ARGB_8> colors);

// The gradient as an image one pixel high and one pixel per colour, sorted
// darkest first, with no alpha (Format_RGB32). Nothing without colours.
std::optional<QImage> gradientImage(const std::optional<std::vector<curves::ARGB_8>>& colors);

} // namespace appui
