#pragma once
#include <cstdint>
#include <memory>

#include "Charts/foundation/ChartHighlighter.h"

namespace charts {

class PieRadarChartViewBase;

// Turns a click on a circular chart into a highlight: the click's angle
// about the centre names an entry index, and each kind picks the highlight
// at that index (closestHighlight). A click beyond the radius, or at an
// angle past the last entry, highlights nothing. The chart is held weakly.
class PieRadarHighlighter : public ChartHighlighter {
public:
    explicit PieRadarHighlighter(std::weak_ptr<ChartDataProvider> chart) : ChartHighlighter(std::move(chart)) {}

    using ChartHighlighter::getHighlight;
    HighlightPtr getHighlight(double x, double y) override;
    // The kinds answer it: the highlight at the entry index nearest the
    // click. (The body here stops the program.)
    virtual HighlightPtr closestHighlight(std::int64_t index, double x, double y) = 0;

protected:
    // The chart as a circular chart view; none when it is gone or of another
    // kind.
    std::shared_ptr<PieRadarChartViewBase> pieRadarChart() const;
};

// The name the highlighter is also known by.
using PieRadarChartHighlighter = PieRadarHighlighter;

} // namespace charts
