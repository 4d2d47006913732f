// Zoom, visible range, view-port moves, fixed offsets and conversions of a
// bar-line chart.
#include <cmath>
#include <optional>

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

#include "Charts/data/BarLineScatterCandleBubbleChartDataSet.h"
#include "Charts/views/BarLineChartViewBase.h"
#include "Charts/views/VisibleRangeScale.h"

namespace charts {

// Immediate zoom

// The content's centre where the touch matrix works: x from the content's
// left edge, y upward (negative) from its bottom edge, or from its top edge
// on an inverted axis, which comes to the same value. The view pixels of the
// centre with only y negated would put the zoom's fixed point off by the left
// and top margins, so the middle of the chart would drift on every step.
Point BarLineChartViewBase::contentCentreForZoom(Point centre) const {
    const auto& handler = viewPortHandler();
    return Point{centre.x - handler->offsetLeft(), -(centre.y - handler->offsetTop())};
}

// The handler's zoom keeps in place the point it is given as it lies before
// the touch matrix. The pointer and the centre are where the content shows
// now, after the matrix: carried back through its inverse, the value there
// stays put from any zoom and pan, where handing them over as they are only
// holds on an unzoomed, unpanned chart.
Point BarLineChartViewBase::zoomFixedPoint(Point touchPoint) const {
    return viewPortHandler()->touchMatrix().inverted().apply(touchPoint);
}

void BarLineChartViewBase::zoomIn() {
    const Point c = zoomFixedPoint(contentCentreForZoom(viewPortHandler()->contentCenter()));
    viewPortHandler()->refresh(viewPortHandler()->zoomIn(c.x, c.y), this, false);
    calculateOffsets();
    setNeedsDisplay(bounds());
}

void BarLineChartViewBase::zoomOut() {
    const Point c = zoomFixedPoint(contentCentreForZoom(viewPortHandler()->contentCenter()));
    viewPortHandler()->refresh(viewPortHandler()->zoomOut(c.x, c.y), this, false);
    calculateOffsets();
    setNeedsDisplay(bounds());
}

void BarLineChartViewBase::resetZoom() {
    viewPortHandler()->refresh(viewPortHandler()->resetZoom(), this, false);
    calculateOffsets();
    setNeedsDisplay(bounds());
}

void BarLineChartViewBase::fitScreen() {
    viewPortHandler()->refresh(viewPortHandler()->fitScreen(), this, false);
    calculateOffsets();
    setNeedsDisplay(bounds());
}

void BarLineChartViewBase::zoom(double scaleX, double scaleY, double x, double y) {
    const Point c = zoomFixedPoint(Point{x, -y});
    viewPortHandler()->refresh(viewPortHandler()->zoom(scaleX, scaleY, c.x, c.y), this, false);
    calculateOffsets();
    setNeedsDisplay(bounds());
}

void BarLineChartViewBase::zoomToCenter(double scaleX, double scaleY) {
    const Point c = zoomFixedPoint(contentCentreForZoom(centerOffsets()));
    viewPortHandler()->refresh(viewPortHandler()->zoom(scaleX, scaleY, c.x, c.y), this, false);
}

// Jobs

namespace {

std::weak_ptr<ChartViewInterface> weakChart(const std::weak_ptr<ChartViewBase>& view) { return view; }

} // namespace

void BarLineChartViewBase::zoom(double scaleX, double scaleY, double xValue, double yValue,
                                YAxis::AxisDependency axis) {
    addViewportJob(std::make_shared<ZoomViewJob>(viewPortHandler(), scaleX, scaleY, xValue, yValue,
                                                 getTransformer(axis), axis, weakChart(weakView())));
}

void BarLineChartViewBase::zoomAndCenterViewAnimated(double scaleX, double scaleY, double xValue, double yValue,
                                                     YAxis::AxisDependency axis, double duration,
                                                     EasingFunction easing) {
    const Point origin =
        valueForTouchPoint(Point{viewPortHandler()->contentLeft(), viewPortHandler()->contentTop()}, axis);
    addViewportJob(std::make_shared<AnimatedZoomViewJob>(
        viewPortHandler(), getTransformer(axis), weakChart(weakView()), getAxis(axis), xAxis()->axisRange(), scaleX,
        scaleY, viewPortHandler()->scaleX(), viewPortHandler()->scaleY(), xValue, yValue, origin.x, origin.y, duration,
        std::move(easing)));
}

void BarLineChartViewBase::zoomAndCenterViewAnimated(double scaleX, double scaleY, double xValue, double yValue,
                                                     YAxis::AxisDependency axis, double duration,
                                                     ChartEasingOption easingOption) {
    zoomAndCenterViewAnimated(scaleX, scaleY, xValue, yValue, axis, duration, easingFunctionForOption(easingOption));
}

void BarLineChartViewBase::zoomAndCenterViewAnimated(double scaleX, double scaleY, double xValue, double yValue,
                                                     YAxis::AxisDependency axis, double duration) {
    zoomAndCenterViewAnimated(scaleX, scaleY, xValue, yValue, axis, duration, ChartEasingOption::easeInOutSine);
}

// Scale limits

void BarLineChartViewBase::setScaleMinima(double scaleX, double scaleY) {
    viewPortHandler()->setMinimumScaleX(scaleX);
    viewPortHandler()->setMinimumScaleY(scaleY);
}

double BarLineChartViewBase::visibleXRange() const { return std::fabs(highestVisibleX() - lowestVisibleX()); }

void BarLineChartViewBase::setVisibleXRangeMaximum(double maxXRange) {
    if (const auto scale = scaleForVisibleRange(xAxis()->axisRange(), maxXRange))
        viewPortHandler()->setMinimumScaleX(*scale);
}

void BarLineChartViewBase::setVisibleXRangeMinimum(double minXRange) {
    if (const auto scale = scaleForVisibleRange(xAxis()->axisRange(), minXRange))
        viewPortHandler()->setMaximumScaleX(*scale);
}

// A bound that gives no scale leaves its limit as it was; the other one is
// still set.
void BarLineChartViewBase::setVisibleXRange(double minXRange, double maxXRange) {
    const double range = xAxis()->axisRange();
    const auto& handler = viewPortHandler();
    handler->setMinMaxScaleX(scaleForVisibleRange(range, maxXRange).value_or(handler->minScaleX()),
                             scaleForVisibleRange(range, minXRange).value_or(handler->maxScaleX()));
}

void BarLineChartViewBase::setVisibleYRangeMaximum(double maxYRange, YAxis::AxisDependency axis) {
    if (const auto scale = scaleForVisibleRange(getAxisRange(axis), maxYRange))
        viewPortHandler()->setMinimumScaleY(*scale);
}

void BarLineChartViewBase::setVisibleYRangeMinimum(double minYRange, YAxis::AxisDependency axis) {
    if (const auto scale = scaleForVisibleRange(getAxisRange(axis), minYRange))
        viewPortHandler()->setMaximumScaleY(*scale);
}

void BarLineChartViewBase::setVisibleYRange(double minYRange, double maxYRange, YAxis::AxisDependency axis) {
    const double range = getAxisRange(axis);
    const auto& handler = viewPortHandler();
    handler->setMinMaxScaleY(scaleForVisibleRange(range, maxYRange).value_or(handler->minScaleY()),
                             scaleForVisibleRange(range, minYRange).value_or(handler->maxScaleY()));
}

// Moves

void BarLineChartViewBase::moveViewToX(double xValue) {
    addViewportJob(std::make_shared<MoveViewJob>(viewPortHandler(), xValue, 0.0,
                                                 getTransformer(YAxis::AxisDependency::left), weakChart(weakView())));
}

void BarLineChartViewBase::moveViewToY(double yValue, YAxis::AxisDependency axis) {
    const double h = getAxisRange(axis) / viewPortHandler()->scaleY();
    addViewportJob(std::make_shared<MoveViewJob>(viewPortHandler(), 0.0, yValue + h / 2.0, getTransformer(axis),
                                                 weakChart(weakView())));
}

void BarLineChartViewBase::moveViewTo(double xValue, double yValue, YAxis::AxisDependency axis) {
    const double h = getAxisRange(axis) / viewPortHandler()->scaleY();
    addViewportJob(std::make_shared<MoveViewJob>(viewPortHandler(), xValue, yValue + h / 2.0, getTransformer(axis),
                                                 weakChart(weakView())));
}

void BarLineChartViewBase::moveViewToAnimated(double xValue, double yValue, YAxis::AxisDependency axis, double duration,
                                              EasingFunction easing) {
    const Point origin =
        valueForTouchPoint(Point{viewPortHandler()->contentLeft(), viewPortHandler()->contentTop()}, axis);
    const double h = getAxisRange(axis) / viewPortHandler()->scaleY();
    addViewportJob(std::make_shared<AnimatedMoveViewJob>(viewPortHandler(), xValue, yValue + h / 2.0,
                                                         getTransformer(axis), weakChart(weakView()), origin.x,
                                                         origin.y, duration, std::move(easing)));
}

void BarLineChartViewBase::moveViewToAnimated(double xValue, double yValue, YAxis::AxisDependency axis, double duration,
                                              ChartEasingOption easingOption) {
    moveViewToAnimated(xValue, yValue, axis, duration, easingFunctionForOption(easingOption));
}

void BarLineChartViewBase::moveViewToAnimated(double xValue, double yValue, YAxis::AxisDependency axis,
                                              double duration) {
    moveViewToAnimated(xValue, yValue, axis, duration, ChartEasingOption::easeInOutSine);
}

void BarLineChartViewBase::centerViewTo(double xValue, double yValue, YAxis::AxisDependency axis) {
    const double h = getAxisRange(axis) / viewPortHandler()->scaleY();
    const double w = xAxis()->axisRange() / viewPortHandler()->scaleX();
    addViewportJob(std::make_shared<MoveViewJob>(viewPortHandler(), xValue - w / 2.0, yValue + h / 2.0,
                                                 getTransformer(axis), weakChart(weakView())));
}

void BarLineChartViewBase::centerViewToAnimated(double xValue, double yValue, YAxis::AxisDependency axis,
                                                double duration, EasingFunction easing) {
    const Point origin =
        valueForTouchPoint(Point{viewPortHandler()->contentLeft(), viewPortHandler()->contentTop()}, axis);
    const double h = getAxisRange(axis) / viewPortHandler()->scaleY();
    const double w = xAxis()->axisRange() / viewPortHandler()->scaleX();
    addViewportJob(std::make_shared<AnimatedMoveViewJob>(viewPortHandler(), xValue - w / 2.0, yValue + h / 2.0,
                                                         getTransformer(axis), weakChart(weakView()), origin.x,
                                                         origin.y, duration, std::move(easing)));
}

void BarLineChartViewBase::centerViewToAnimated(double xValue, double yValue, YAxis::AxisDependency axis,
                                                double duration, ChartEasingOption easingOption) {
    centerViewToAnimated(xValue, yValue, axis, duration, easingFunctionForOption(easingOption));
}

void BarLineChartViewBase::centerViewToAnimated(double xValue, double yValue, YAxis::AxisDependency axis,
                                                double duration) {
    centerViewToAnimated(xValue, yValue, axis, duration, ChartEasingOption::easeInOutSine);
}

// Fixed offsets

void BarLineChartViewBase::setViewPortOffsets(double left, double top, double right, double bottom) {
    customViewPortEnabled_ = true;
    if (QThread::currentThread() == thread()) {
        applyViewPortOffsets(left, top, right, bottom);
        return;
    }
    // Queued to the view's thread; Qt drops the call if the view is
    // destroyed before its event loop reaches it.
    QMetaObject::invokeMethod(
        this, [this, left, top, right, bottom] { setViewPortOffsets(left, top, right, bottom); }, Qt::QueuedConnection);
}

void BarLineChartViewBase::applyViewPortOffsets(double left, double top, double right, double bottom) {
    viewPortHandler()->restrainViewPort(left, top, right, bottom);
    prepareAxisOffsetMatrices();
    prepareValuePxMatrix();
}

void BarLineChartViewBase::resetViewPortOffsets() {
    customViewPortEnabled_ = false;
    calculateOffsets();
}

// Conversions and queries

Point BarLineChartViewBase::valueForTouchPoint(Point point, YAxis::AxisDependency axis) const {
    return getTransformer(axis)->valueForTouchPoint(point);
}

Point BarLineChartViewBase::pixelForValues(double x, double y, YAxis::AxisDependency axis) const {
    return getTransformer(axis)->pixelForValues(x, y);
}

Point BarLineChartViewBase::getPosition(const ChartDataEntry& entry, YAxis::AxisDependency axis) const {
    Point pt{entry.x(), entry.y()};
    getTransformer(axis)->pointValueToPixel(pt);
    return pt;
}

ChartDataEntryPtr BarLineChartViewBase::getEntryByTouchPoint(Point point) {
    const HighlightPtr h = getHighlightByTouchPoint(point);
    if (!h) return nullptr;
    return entryForHighlight(*h);
}

std::shared_ptr<IBarLineScatterCandleBubbleChartDataSet> BarLineChartViewBase::getDataSetByTouchPoint(Point point) {
    const HighlightPtr h = getHighlightByTouchPoint(point);
    if (!h || !data()) return nullptr;
    return std::dynamic_pointer_cast<IBarLineScatterCandleBubbleChartDataSet>(data()->getDataSetByHighlight(*h));
}

double BarLineChartViewBase::scaleX() const { return viewPortHandler() ? viewPortHandler()->scaleX() : 1.0; }
double BarLineChartViewBase::scaleY() const { return viewPortHandler() ? viewPortHandler()->scaleY() : 1.0; }
bool BarLineChartViewBase::isFullyZoomedOut() const { return viewPortHandler()->isFullyZoomedOut(); }
bool BarLineChartViewBase::hasNoDragOffset() const { return viewPortHandler()->hasNoDragOffset(); }
void BarLineChartViewBase::setDragOffsetX(double offset) { viewPortHandler()->setDragOffsetX(offset); }
void BarLineChartViewBase::setDragOffsetY(double offset) { viewPortHandler()->setDragOffsetY(offset); }

} // namespace charts
