#pragma once
#include <QColor>
#include <array>
#include <string_view>
#include <vector>

namespace appui {

// The fixed colour every ink channel is drawn in, in this order: black, cyan,
// magenta, yellow, light cyan, light magenta, grey, light grey, orange,
// green, violet, red, blue, pale grey.
const std::vector<QColor>& inkDisplayColors();

// The a* and b* lines of the blending screen's graph: red, then blue.
const std::array<QColor, 2>& labABGraphColors();

// The colour of an ink by the curve-name line of a .quad file ("# K Curve",
// "# LLK Curve"): blanks and letter case do not count; an unknown name is
// black. The same colour object for the same name on every call.
const QColor& inkDisplayColor(std::string_view curveName);

} // namespace appui
