#pragma once
#include "Charts/types/bar/BarChartView.h"

namespace charts {

// The bar chart on its side: the entries' x (the bar positions) runs up the
// left or right edge of the content and the values run across it, the left
// axis along the top and the right axis along the bottom. It has no state of
// its own: it turns the bar chart's transformers, renderers and highlighter
// for swapped axes, and every view operation whose geometry depends on which
// axis is horizontal. Made through ChartViewBase::create<HorizontalBarChartView>().
class HorizontalBarChartView : public BarChartView {
public:
    using BarChartView::BarChartView;

    // The legend's share; a legend above or below the chart also leaves room
    // for the labels of the value axis on that side.
    void calculateLegendOffsets(ChartOffsets& offsets) override;
    // The value axes' labels above and below, the x axis's labels left
    // and/or right (their rotated width, whether drawn or not).
    void calculateAxisOffsets(ChartOffsets& offsets) override;
    // The value axes' ranges across, the x axis's range upward.
    void prepareValuePxMatrix() override;
    HighlightPtr getHighlightByTouchPoint(Point point) override;
    Rect getBarBounds(const BarChartDataEntryPtr& entry) const override;
    Point getPosition(const ChartDataEntry& entry, YAxis::AxisDependency axis) const override;
    // The x values at the content's bottom and top edges, within the x axis.
    double lowestVisibleX() const override;
    double highestVisibleX() const override;

    // A visible x range limits the vertical zoom, a visible y range the
    // horizontal one; the two-bound forms pair their bounds as the bar-line
    // view's do (the largest range gives the smallest scale).
    void setVisibleXRangeMaximum(double maxXRange) override;
    void setVisibleXRangeMinimum(double minXRange) override;
    void setVisibleXRange(double minXRange, double maxXRange) override;
    void setVisibleYRangeMaximum(double maxYRange, YAxis::AxisDependency axis) override;
    void setVisibleYRangeMinimum(double minYRange, YAxis::AxisDependency axis) override;
    void setVisibleYRange(double minYRange, double maxYRange, YAxis::AxisDependency axis) override;

protected:
    void initialize() override;
    // The highlight's drawing position turned back: (drawY, drawX).
    Point getMarkerPosition(const Highlight& highlight) override;
    // A pan on an inverted axis reverses x: the value axis runs across.
    bool reversesHorizontalPanOnInvertedAxis() const override { return true; }
};

} // namespace charts
