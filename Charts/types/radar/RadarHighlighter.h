#pragma once
#include <cstdint>
#include <vector>

#include "Charts/views/PieRadarHighlighter.h"

namespace charts {

// Resolves a click on a radar chart: the clicked spoke's values of every
// set, and of those the one whose distance from the centre is nearest to
// the click's (the first of equals).
class RadarHighlighter : public PieRadarHighlighter {
public:
    using PieRadarHighlighter::PieRadarHighlighter;

    // One highlight per set with an entry at the index, at the entry's
    // point.
    virtual std::vector<HighlightPtr> getHighlights(std::int64_t index);
    HighlightPtr closestHighlight(std::int64_t index, double x, double y) override;
};

// The name the highlighter is also known by.
using RadarChartHighlighter = RadarHighlighter;

} // namespace charts
