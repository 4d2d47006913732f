#pragma once
#include "Charts/types/bar/BarChartRenderer.h"

namespace charts {

// The bar renderer turned on its side: a bar's entry x runs upward and its
// value to the right, from 0 (or its place in the stack) left or right.
// Bars are visited bottom to top: drawing stops at the first bar above the
// content and skips those below it. It fills the bar renderer's buffers;
// drawing the sets, the highlights and the accessibility elements is the bar
// renderer's.
class HorizontalBarChartRenderer : public BarChartRenderer {
public:
    using BarChartRenderer::BarChartRenderer;

    void drawDataSet(DrawingContext& context, const IBarChartDataSet& dataSet, int index) override;
    // The highlighted bar from y1 to y2, its left and right scaled by the
    // animation's y phase.
    Rect prepareBarHighlight(double x, double y1, double y2, double barWidthHalf,
                             const Transformer& trans) const override;
    // Texts start 5 points beyond (or inside) a bar's end, centred on the
    // bar's height.
    void drawValues(DrawingContext& context) override;
    // Measured against the vertical zoom, which spreads the bars apart.
    bool isDrawingValuesAllowed(const ChartDataProvider* dataProvider) const override;
    // A marker stands at the bar's vertical middle and its right edge (the
    // view turns the pair back).
    void setHighlightDrawPos(Highlight& highlight, const Rect& barRect) override;

protected:
    void prepareBuffer(const IBarChartDataSet& dataSet, int index) override;
};

} // namespace charts
