#include "Charts/types/bar/HorizontalBarChartView.h"

#include <algorithm>

#include "Charts/types/bar/BarGeometry.h"
#include "Charts/types/bar/HorizontalBarChartRenderer.h"
#include "Charts/types/bar/HorizontalBarHighlighter.h"
#include "Charts/types/bar/IBarChartDataSet.h"
#include "Charts/types/bar/XAxisRendererHorizontalBarChart.h"
#include "Charts/types/bar/YAxisRendererHorizontalBarChart.h"
#include "Charts/views/VisibleRangeScale.h"
#include "platform/Log.h"

namespace charts {

void HorizontalBarChartView::initialize() {
    BarChartView::initialize();
    setLeftAxisTransformer(std::make_shared<TransformerHorizontalBarChart>(viewPortHandler()));
    setRightAxisTransformer(std::make_shared<TransformerHorizontalBarChart>(viewPortHandler()));
    const auto self = std::dynamic_pointer_cast<HorizontalBarChartView>(weakView().lock());
    setRenderer(std::make_shared<HorizontalBarChartRenderer>(std::weak_ptr<BarChartDataProvider>(self), chartAnimator(),
                                                             viewPortHandler()));
    setLeftYAxisRenderer(
        std::make_shared<YAxisRendererHorizontalBarChart>(viewPortHandler(), leftAxis(), leftAxisTransformer()));
    setRightYAxisRenderer(
        std::make_shared<YAxisRendererHorizontalBarChart>(viewPortHandler(), rightAxis(), rightAxisTransformer()));
    setXAxisRenderer(std::make_shared<XAxisRendererHorizontalBarChart>(
        viewPortHandler(), xAxis(), leftAxisTransformer(), std::weak_ptr<BarChartView>(self)));
    setHighlighter(std::make_shared<HorizontalBarHighlighter>(std::weak_ptr<ChartDataProvider>(self)));
}

void HorizontalBarChartView::calculateLegendOffsets(ChartOffsets& offsets) {
    BarChartView::calculateLegendOffsets(offsets);
    const auto& l = legend();
    if (!l || !l->isEnabled() || l->isDrawInsideEnabled() || l->orientation() != Legend::Orientation::horizontal)
        return;
    switch (l->verticalAlignment()) {
    case Legend::VerticalAlignment::top:
        if (leftAxis()->isEnabled() && leftAxis()->isDrawLabelsEnabled())
            offsets.top += leftAxis()->getRequiredHeightSpace();
        break;
    case Legend::VerticalAlignment::bottom:
        if (rightAxis()->isEnabled() && rightAxis()->isDrawLabelsEnabled())
            offsets.bottom += rightAxis()->getRequiredHeightSpace();
        break;
    case Legend::VerticalAlignment::center: break;
    }
}

void HorizontalBarChartView::calculateAxisOffsets(ChartOffsets& offsets) {
    if (leftAxis()->needsOffset()) offsets.top += leftAxis()->getRequiredHeightSpace();
    if (rightAxis()->needsOffset()) offsets.bottom += rightAxis()->getRequiredHeightSpace();
    const auto& x = xAxis();
    if (!x->isEnabled()) return;
    const double w = x->labelRotatedWidth();
    switch (x->labelPosition()) {
    case XAxis::LabelPosition::bottom: offsets.left += w; break;
    case XAxis::LabelPosition::top: offsets.right += w; break;
    case XAxis::LabelPosition::bothSided:
        offsets.left += w;
        offsets.right += w;
        break;
    case XAxis::LabelPosition::topInside:
    case XAxis::LabelPosition::bottomInside: break;
    }
}

void HorizontalBarChartView::prepareValuePxMatrix() {
    const auto& x = xAxis();
    rightAxisTransformer()->prepareMatrixValuePx(rightAxis()->axisMinimum(), rightAxis()->axisRange(), x->axisRange(),
                                                 x->axisMinimum());
    leftAxisTransformer()->prepareMatrixValuePx(leftAxis()->axisMinimum(), leftAxis()->axisRange(), x->axisRange(),
                                                x->axisMinimum());
}

HighlightPtr HorizontalBarChartView::getHighlightByTouchPoint(Point point) {
    if (!data()) {
        platform::printToStandardOutput("Can't select by touch. No data set.");
        return nullptr;
    }
    if (!highlighter()) return nullptr;
    // The highlighter takes the touch swapped and turns it back. The touched
    // stack value is kept: with full-bar highlighting the renderer fills the
    // whole stack from it.
    return highlighter()->getHighlight(point.y, point.x);
}

Rect HorizontalBarChartView::getBarBounds(const BarChartDataEntryPtr& entry) const {
    return barBounds(entry, BarDirection::horizontal);
}

Point HorizontalBarChartView::getPosition(const ChartDataEntry& entry, YAxis::AxisDependency axis) const {
    Point pt{entry.y(), entry.x()};
    getTransformer(axis)->pointValueToPixel(pt);
    return pt;
}

Point HorizontalBarChartView::getMarkerPosition(const Highlight& highlight) {
    return Point{highlight.drawY(), highlight.drawX()};
}

double HorizontalBarChartView::lowestVisibleX() const {
    Point pt{viewPortHandler()->contentLeft(), viewPortHandler()->contentBottom()};
    getTransformer(YAxis::AxisDependency::left)->pixelToValues(pt);
    return std::max(xAxis()->axisMinimum(), pt.y);
}

double HorizontalBarChartView::highestVisibleX() const {
    Point pt{viewPortHandler()->contentLeft(), viewPortHandler()->contentTop()};
    getTransformer(YAxis::AxisDependency::left)->pixelToValues(pt);
    return std::min(xAxis()->axisMaximum(), pt.y);
}

void HorizontalBarChartView::setVisibleXRangeMaximum(double maxXRange) {
    if (const auto scale = scaleForVisibleRange(xAxis()->axisRange(), maxXRange))
        viewPortHandler()->setMinimumScaleY(*scale);
}

void HorizontalBarChartView::setVisibleXRangeMinimum(double minXRange) {
    if (const auto scale = scaleForVisibleRange(xAxis()->axisRange(), minXRange))
        viewPortHandler()->setMaximumScaleY(*scale);
}

void HorizontalBarChartView::setVisibleXRange(double minXRange, double maxXRange) {
    const double range = xAxis()->axisRange();
    const auto& handler = viewPortHandler();
    handler->setMinMaxScaleY(scaleForVisibleRange(range, maxXRange).value_or(handler->minScaleY()),
                             scaleForVisibleRange(range, minXRange).value_or(handler->maxScaleY()));
}

void HorizontalBarChartView::setVisibleYRangeMaximum(double maxYRange, YAxis::AxisDependency axis) {
    if (const auto scale = scaleForVisibleRange(getAxisRange(axis), maxYRange))
        viewPortHandler()->setMinimumScaleX(*scale);
}

void HorizontalBarChartView::setVisibleYRangeMinimum(double minYRange, YAxis::AxisDependency axis) {
    if (const auto scale = scaleForVisibleRange(getAxisRange(axis), minYRange))
        viewPortHandler()->setMaximumScaleX(*scale);
}

void HorizontalBarChartView::setVisibleYRange(double minYRange, double maxYRange, YAxis::AxisDependency axis) {
    const double range = getAxisRange(axis);
    const auto& handler = viewPortHandler();
    handler->setMinMaxScaleX(scaleForVisibleRange(range, maxYRange).value_or(handler->minScaleX()),
                             scaleForVisibleRange(range, minYRange).value_or(handler->maxScaleX()));
}

} // namespace charts
