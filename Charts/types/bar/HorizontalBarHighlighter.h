#pragma once
#include "Charts/types/bar/BarHighlighter.h"

namespace charts {

// The touch highlighter of horizontal bar charts. It receives the touch with
// its coordinates swapped by the view (getHighlight(y, x)) and turns them
// back; the bar nearest to the touch along the bar axis (vertically) wins,
// wherever the touch lies across.
class HorizontalBarHighlighter : public BarHighlighter {
public:
    using BarHighlighter::BarHighlighter;

    using BarHighlighter::getHighlight;
    HighlightPtr getHighlight(double x, double y) override;
    // Vertical pixel distance only.
    double getDistance(double x1, double y1, double x2, double y2) override;

protected:
    // Entry x runs vertically and the value horizontally: the pair goes to
    // the transformer as (y, x).
    Point highlightPixel(const Transformer& transformer, double x, double y) const override {
        return transformer.pixelForValues(y, x);
    }
};

// The name the horizontal bar highlighter is also known by.
using HorizontalBarChartHighlighter = HorizontalBarHighlighter;

} // namespace charts
