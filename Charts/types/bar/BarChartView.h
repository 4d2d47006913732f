#pragma once
#include <memory>

#include "Charts/types/bar/BarChartData.h"
#include "Charts/types/bar/BarChartDataEntry.h"
#include "Charts/types/bar/BarChartDataProvider.h"
#include "Charts/types/bar/BarGeometry.h"
#include "Charts/views/BarLineChartViewBase.h"

namespace charts {

// The bar chart: a bar-line chart view whose data renderer is the bar
// renderer and whose highlighter picks bars (and stacked values) by their x
// alone. The x axis leaves half a bar of room at both ends. Made through
// ChartViewBase::create<BarChartView>(parent).
class BarChartView : public BarLineChartViewBase, public virtual BarChartDataProvider {
public:
    explicit BarChartView(ConstructionKey key, QWidget* parent = nullptr) : BarLineChartViewBase(key, parent) {}

    // The bar's rectangle in view pixels, from 0 to its y (stacked values
    // play no part); the null rectangle for an entry in no bar set.
    virtual Rect getBarBounds(const BarChartDataEntryPtr& entry) const;
    // Groups the bars of the data's sets side by side (BarChartData) and
    // lays the chart out again; without bar data a line on standard output.
    virtual void groupBars(double fromX, double groupSpace, double barSpace);
    // Highlights the stacked value at the stack index of the bar at x in the
    // set, without telling the delegate. (Among the view's three-number
    // forms, this one takes x, the set and the stack index.)
    using BarLineChartViewBase::highlightValue;
    virtual void highlightValue(double x, int dataSetIndex, int stackIndex);

    // Value labels above the bar ends (true) or inside the bars.
    virtual bool drawValueAboveBarEnabled() const { return drawValueAboveBarEnabled_; }
    virtual void setDrawValueAboveBarEnabled(bool enabled);
    // A full-height shadow behind each bar.
    virtual bool drawBarShadowEnabled() const { return drawBarShadowEnabled_; }
    virtual void setDrawBarShadowEnabled(bool enabled);
    // Half a bar of room on both sides of the x range, from the next data
    // change on.
    virtual bool fitBars() const { return fitBars_; }
    virtual void setFitBars(bool enabled) { fitBars_ = enabled; }
    // A touch highlights the whole stacked bar instead of one value.
    virtual bool highlightFullBarEnabled() const { return highlightFullBarEnabled_; }
    virtual void setHighlightFullBarEnabled(bool enabled) { highlightFullBarEnabled_ = enabled; }

    // BarChartDataProvider
    bool isHighlightFullBarEnabled() const override { return highlightFullBarEnabled(); }
    std::shared_ptr<BarChartData> barData() const override;
    bool isDrawValueAboveBarEnabled() const override { return drawValueAboveBarEnabled(); }
    bool isDrawBarShadowEnabled() const override { return drawBarShadowEnabled(); }

    // The x range from the bar data (widened by half a bar with fitBars),
    // the y ranges per axis; other data leaves the ranges as they are.
    void calcMinMax() override;
    HighlightPtr getHighlightByTouchPoint(Point point) override;

protected:
    void initialize() override;
    // The bounds of a plain bar (the whole bar of a stack) standing the
    // given way.
    Rect barBounds(const BarChartDataEntryPtr& entry, BarDirection direction) const;

private:
    bool drawValueAboveBarEnabled_ = true;
    bool drawBarShadowEnabled_ = false;
    bool fitBars_ = false;
    bool highlightFullBarEnabled_ = false;
};

} // namespace charts
