#pragma once
// Writes what a recording context recorded as an SVG document, so that an
// independent renderer (rsvg-convert) can draw the same operations the
// painter back end draws.
#include <string>

#include "Charts/drawing/RecordingContext.h"

namespace charts_test {

// The painting operations of `context` on a canvas of the given size.
// Text is placed by the baseline (top plus the font's ascent) in a font
// family named as the font's. Paths, strokes, dashes, clips, gradients
// (padded), images and transforms map one to one.
std::string svgDocument(const charts::RecordingContext& context, int width, int height);

} // namespace charts_test
