#include "Charts/types/bar/BarChartView.h"

#include "Charts/types/bar/BarChartRenderer.h"
#include "Charts/types/bar/BarGeometry.h"
#include "Charts/types/bar/BarHighlighter.h"
#include "Charts/types/bar/FullBarHighlight.h"
#include "Charts/types/bar/IBarChartDataSet.h"
#include "platform/Log.h"

namespace charts {

void BarChartView::initialize() {
    BarLineChartViewBase::initialize();
    const auto self = std::dynamic_pointer_cast<BarChartView>(weakView().lock());
    setRenderer(std::make_shared<BarChartRenderer>(std::weak_ptr<BarChartDataProvider>(self), chartAnimator(),
                                                   viewPortHandler()));
    setHighlighter(std::make_shared<BarHighlighter>(std::weak_ptr<ChartDataProvider>(self)));
    xAxis()->setSpaceMin(0.5);
    xAxis()->setSpaceMax(0.5);
}

std::shared_ptr<BarChartData> BarChartView::barData() const { return std::dynamic_pointer_cast<BarChartData>(data()); }

void BarChartView::setDrawValueAboveBarEnabled(bool enabled) {
    drawValueAboveBarEnabled_ = enabled;
    setNeedsDisplay();
}

void BarChartView::setDrawBarShadowEnabled(bool enabled) {
    drawBarShadowEnabled_ = enabled;
    setNeedsDisplay();
}

void BarChartView::calcMinMax() {
    const std::shared_ptr<BarChartData> bars = barData();
    if (!bars) return;
    const double half = fitBars_ ? bars->barWidth() / 2.0 : 0.0;
    xAxis()->calculate(bars->xMin() - half, bars->xMax() + half);
    leftAxis()->calculate(bars->getYMin(YAxis::AxisDependency::left), bars->getYMax(YAxis::AxisDependency::left));
    rightAxis()->calculate(bars->getYMin(YAxis::AxisDependency::right), bars->getYMax(YAxis::AxisDependency::right));
}

HighlightPtr BarChartView::getHighlightByTouchPoint(Point point) {
    if (!data()) {
        platform::printToStandardOutput("Can't select by touch. No data set.");
        return nullptr;
    }
    if (!highlighter()) return nullptr;
    return barTouchHighlight(highlighter()->getHighlight(point.x, point.y), highlightFullBarEnabled());
}

Rect BarChartView::getBarBounds(const BarChartDataEntryPtr& entry) const {
    return barBounds(entry, BarDirection::vertical);
}

Rect BarChartView::barBounds(const BarChartDataEntryPtr& entry, BarDirection direction) const {
    const std::shared_ptr<BarChartData> bars = barData();
    if (!bars || !entry) return nullRect();
    const IChartDataSetPtr set = bars->getDataSetForEntry(entry);
    if (!dynamic_cast<const IBarChartDataSet*>(set.get())) return nullRect();
    const std::shared_ptr<Transformer> transformer = getTransformer(set->axisDependency());
    if (!transformer) return nullRect();
    Rect bounds = barRect(direction, entry->x(), bars->barWidth() / 2.0, plainBarEnds(entry->y(), false));
    transformer->rectValueToPixel(bounds);
    return bounds;
}

void BarChartView::groupBars(double fromX, double groupSpace, double barSpace) {
    const std::shared_ptr<BarChartData> bars = barData();
    if (!bars) {
        platform::printToStandardOutput("You need to set data for the chart before grouping bars.");
        return;
    }
    bars->groupBars(fromX, groupSpace, barSpace);
    notifyDataSetChanged();
}

void BarChartView::highlightValue(double x, int dataSetIndex, int stackIndex) {
    highlightValue(std::make_shared<Highlight>(Highlight::forStack(x, dataSetIndex, stackIndex)));
}

} // namespace charts
