#pragma once
#include "Charts/views/PieRadarHighlighter.h"

namespace charts {

// Resolves a click on a pie to the slice at the clicked angle: a highlight
// of that slice of the first data set, at the click's pixel position.
class PieHighlighter : public PieRadarHighlighter {
public:
    using PieRadarHighlighter::PieRadarHighlighter;

    HighlightPtr closestHighlight(std::int64_t index, double x, double y) override;
};

// The name the highlighter is also known by.
using PieChartHighlighter = PieHighlighter;

} // namespace charts
