#pragma once
#include <vector>

#include <QString>

#include "Charts/drawing/Geometry.h"
#include "Charts/drawing/TextAttributes.h"

namespace charts {

// One laid-out line: its text, where its box starts relative to the layout's
// top-left, and its size. `ascent` is the baseline's distance from the top.
struct TextLine {
    QString text;
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    double ascent = 0;
};

struct TextLayoutResult {
    std::vector<TextLine> lines;
    Size size;
};

// Lays text out with the desktop's font metrics the way the drawing platform
// does for text in a rectangle: paragraphs split at line feeds, each wrapped
// or truncated to `width` by the line break mode (no limit when `width` is 0
// or less), lines at least the style's minimum height, aligned within `width`
// (within the widest line when unlimited). A positive `height` drops lines
// that do not fit; with `truncatesLastVisibleLine` the last one kept ends in
// an ellipsis when text was dropped.
TextLayoutResult layOutText(const QString& text, const TextAttributes& attributes, double width, double height,
                            TextDrawOptions options = {});

} // namespace charts
