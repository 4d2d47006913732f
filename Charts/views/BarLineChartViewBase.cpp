#include "Charts/views/BarLineChartViewBase.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "Charts/data/BarLineScatterCandleBubbleChartDataSet.h"
#include "Charts/foundation/ChartHighlighter.h"
#include "Charts/render/CartesianFrame.h"

namespace charts {

BarLineChartViewBase::BarLineChartViewBase(ConstructionKey key, QWidget* parent) : ChartViewBase(key, parent) {}

BarLineChartViewBase::~BarLineChartViewBase() { stopDeceleration(); }

void BarLineChartViewBase::initialize() {
    ChartViewBase::initialize();
    leftAxisTransformer_ = std::make_shared<Transformer>(viewPortHandler());
    rightAxisTransformer_ = std::make_shared<Transformer>(viewPortHandler());
    setHighlighter(std::make_shared<ChartHighlighter>(std::weak_ptr<ChartDataProvider>(weakView())));

    gestures_.onTap = [this](const GestureStep& step) { tapGestureRecognized(step); };
    gestures_.onDoubleTap = [this](const GestureStep& step) { doubleTapGestureRecognized(step); };
    // The pan reaches its handler at every step, began included: the handler
    // makes its own checks there and first stops a running glide, which a
    // began refused by gestureRecognizerShouldBegin would leave going.
    gestures_.onPan = [this](const GestureStep& step) { panGestureRecognized(step); };
    gestures_.setDoubleTapEnabled(doubleTapToZoomEnabled_);
    gestures_.setPanEnabled(dragXEnabled_ || dragYEnabled_);
    updatePinchGestureEnabled();
    grabGesture(Qt::PinchGesture);
    setFocusPolicy(Qt::ClickFocus);
}

// Axes and renderers

std::shared_ptr<YAxis> BarLineChartViewBase::getAxis(YAxis::AxisDependency axis) const {
    return axis == YAxis::AxisDependency::left ? leftAxis_ : rightAxis_;
}

const std::shared_ptr<YAxisRenderer>& BarLineChartViewBase::leftYAxisRenderer() {
    if (!leftYAxisRenderer_) {
        leftYAxisRenderer_ = std::make_shared<YAxisRenderer>(viewPortHandler(), leftAxis_, leftAxisTransformer_);
    }
    return leftYAxisRenderer_;
}

const std::shared_ptr<YAxisRenderer>& BarLineChartViewBase::rightYAxisRenderer() {
    if (!rightYAxisRenderer_) {
        rightYAxisRenderer_ = std::make_shared<YAxisRenderer>(viewPortHandler(), rightAxis_, rightAxisTransformer_);
    }
    return rightYAxisRenderer_;
}

const std::shared_ptr<XAxisRenderer>& BarLineChartViewBase::xAxisRenderer() {
    if (!xAxisRenderer_) {
        xAxisRenderer_ = std::make_shared<XAxisRenderer>(viewPortHandler(), xAxis(), leftAxisTransformer_);
    }
    return xAxisRenderer_;
}

std::shared_ptr<Transformer> BarLineChartViewBase::getTransformer(YAxis::AxisDependency axis) const {
    return axis == YAxis::AxisDependency::left ? leftAxisTransformer_ : rightAxisTransformer_;
}

bool BarLineChartViewBase::isInverted(YAxis::AxisDependency axis) const { return getAxis(axis)->isInverted(); }

bool BarLineChartViewBase::isAnyAxisInverted() const { return leftAxis_->isInverted() || rightAxis_->isInverted(); }

double BarLineChartViewBase::getAxisRange(YAxis::AxisDependency axis) const { return getAxis(axis)->axisRange(); }

double BarLineChartViewBase::chartYMax() const { return std::max(leftAxis_->axisMaximum(), rightAxis_->axisMaximum()); }

double BarLineChartViewBase::chartYMin() const { return std::min(leftAxis_->axisMinimum(), rightAxis_->axisMinimum()); }

double BarLineChartViewBase::lowestVisibleX() const {
    Point pt{viewPortHandler()->contentLeft(), viewPortHandler()->contentBottom()};
    getTransformer(YAxis::AxisDependency::left)->pixelToValues(pt);
    return std::max(xAxis()->axisMinimum(), pt.x);
}

double BarLineChartViewBase::highestVisibleX() const {
    Point pt{viewPortHandler()->contentRight(), viewPortHandler()->contentBottom()};
    getTransformer(YAxis::AxisDependency::left)->pixelToValues(pt);
    return std::min(xAxis()->axisMaximum(), pt.x);
}

// Data change and layout

void BarLineChartViewBase::notifyDataSetChanged() {
    if (renderer()) renderer()->initBuffers();
    calcMinMax();
    leftYAxisRenderer()->computeAxis(leftAxis_->axisMinimum(), leftAxis_->axisMaximum(), leftAxis_->isInverted());
    rightYAxisRenderer()->computeAxis(rightAxis_->axisMinimum(), rightAxis_->axisMaximum(), rightAxis_->isInverted());
    if (data()) {
        xAxisRenderer()->computeAxis(xAxis()->axisMinimum(), xAxis()->axisMaximum(), false);
        if (legend()) legendRenderer()->computeLegend(*data());
    }
    calculateOffsets();
    setNeedsDisplay(bounds());
}

void BarLineChartViewBase::notifyDataValuesChanged(double margin) {
    const auto& chartData = data();
    if (!chartData) {
        notifyDataSetChanged();
        return;
    }
    const auto ranges = [this] {
        return std::array<double, 6>{xAxis()->axisMinimum(),   xAxis()->axisMaximum(),    leftAxis_->axisMinimum(),
                                     leftAxis_->axisMaximum(), rightAxis_->axisMinimum(), rightAxis_->axisMaximum()};
    };
    const auto before = ranges();
    for (const auto& set : chartData->dataSets()) set->calcMinMax();
    chartData->notifyDataChanged();
    calcMinMax();
    if (ranges() != before) {
        notifyDataSetChanged();
        return;
    }
    if (renderer()) renderer()->initBuffers();
    setNeedsDisplay(insetBy(viewPortHandler()->contentRect(), -margin, -margin));
}

void BarLineChartViewBase::calcMinMax() {
    const auto& chartData = data();
    if (!chartData) {
        xAxis()->calculate(0, 0);
        leftAxis_->calculate(0, 0);
        rightAxis_->calculate(0, 0);
        return;
    }
    xAxis()->calculate(chartData->xMin(), chartData->xMax());
    leftAxis_->calculate(chartData->getYMin(YAxis::AxisDependency::left),
                         chartData->getYMax(YAxis::AxisDependency::left));
    rightAxis_->calculate(chartData->getYMin(YAxis::AxisDependency::right),
                          chartData->getYMax(YAxis::AxisDependency::right));
}

void BarLineChartViewBase::autoScale() {
    const auto& chartData = data();
    if (!chartData) return;
    chartData->calcMinMaxY(lowestVisibleX(), highestVisibleX());
    xAxis()->calculate(chartData->xMin(), chartData->xMax());
    if (leftAxis_->isEnabled()) {
        leftAxis_->calculate(chartData->getYMin(YAxis::AxisDependency::left),
                             chartData->getYMax(YAxis::AxisDependency::left));
    }
    if (rightAxis_->isEnabled()) {
        rightAxis_->calculate(chartData->getYMin(YAxis::AxisDependency::right),
                              chartData->getYMax(YAxis::AxisDependency::right));
    }
    calculateOffsets();
}

void BarLineChartViewBase::calculateOffsets() {
    if (!customViewPortEnabled_) {
        ChartOffsets offsets;
        calculateLegendOffsets(offsets);
        calculateAxisOffsets(offsets);
        restrainContent(offsets);
    }
    prepareAxisOffsetMatrices();
    prepareValuePxMatrix();
}

void BarLineChartViewBase::calculateAxisOffsets(ChartOffsets& offsets) {
    if (leftAxis_->needsOffset()) offsets.left += leftAxis_->requiredSize().width;
    if (rightAxis_->needsOffset()) offsets.right += rightAxis_->requiredSize().width;
    const auto& x = xAxis();
    if (x->isEnabled() && x->isDrawLabelsEnabled()) {
        const double h = x->labelRotatedHeight() + x->yOffset();
        switch (x->labelPosition()) {
        case XAxis::LabelPosition::bottom: offsets.bottom += h; break;
        case XAxis::LabelPosition::top: offsets.top += h; break;
        case XAxis::LabelPosition::bothSided:
            offsets.bottom += h;
            offsets.top += h;
            break;
        case XAxis::LabelPosition::topInside:
        case XAxis::LabelPosition::bottomInside: break;
        }
    }
}

void BarLineChartViewBase::restrainContent(ChartOffsets offsets) {
    offsets.top += extraTopOffset();
    offsets.right += extraRightOffset();
    offsets.bottom += extraBottomOffset();
    offsets.left += extraLeftOffset();
    // std::max(minOffset, offset) lets an offset equal to the minimum through
    // unchanged and lifts NaN to the minimum.
    viewPortHandler()->restrainViewPort(std::max(minOffset_, offsets.left), std::max(minOffset_, offsets.top),
                                        std::max(minOffset_, offsets.right), std::max(minOffset_, offsets.bottom));
}

void BarLineChartViewBase::calculateLegendOffsets(ChartOffsets& offsets) {
    const auto& l = legend();
    if (!l || !l->isEnabled() || l->isDrawInsideEnabled()) return;
    const double chartWidth = viewPortHandler()->chartWidth();
    const double chartHeight = viewPortHandler()->chartHeight();
    const double w = std::min(l->neededWidth(), chartWidth * l->maxSizePercent()) + l->xOffset();
    const double h = std::min(l->neededHeight(), chartHeight * l->maxSizePercent()) + l->yOffset();
    switch (l->orientation()) {
    case Legend::Orientation::vertical:
        switch (l->horizontalAlignment()) {
        case Legend::HorizontalAlignment::left: offsets.left += w; break;
        case Legend::HorizontalAlignment::right: offsets.right += w; break;
        case Legend::HorizontalAlignment::center:
            switch (l->verticalAlignment()) {
            case Legend::VerticalAlignment::top: offsets.top += h; break;
            case Legend::VerticalAlignment::bottom: offsets.bottom += h; break;
            case Legend::VerticalAlignment::center: break;
            }
            break;
        }
        break;
    case Legend::Orientation::horizontal:
        switch (l->verticalAlignment()) {
        case Legend::VerticalAlignment::top: offsets.top += h; break;
        case Legend::VerticalAlignment::bottom: offsets.bottom += h; break;
        case Legend::VerticalAlignment::center: break;
        }
        break;
    }
}

void BarLineChartViewBase::prepareAxisOffsetMatrices() {
    rightAxisTransformer_->prepareMatrixOffset(rightAxis_->isInverted());
    leftAxisTransformer_->prepareMatrixOffset(leftAxis_->isInverted());
}

void BarLineChartViewBase::prepareValuePxMatrix() {
    const auto& x = xAxis();
    rightAxisTransformer_->prepareMatrixValuePx(x->axisMinimum(), x->axisRange(), rightAxis_->axisRange(),
                                                rightAxis_->axisMinimum());
    leftAxisTransformer_->prepareMatrixValuePx(x->axisMinimum(), x->axisRange(), leftAxis_->axisRange(),
                                               leftAxis_->axisMinimum());
}

void BarLineChartViewBase::viewSizeChanged() {
    std::optional<Point> kept;
    if (keepPositionOnRotation_ && viewPortHandler()) {
        Point origin = viewPortHandler()->contentRect().origin;
        getTransformer(YAxis::AxisDependency::left)->pixelToValues(origin);
        kept = origin;
    }
    ChartViewBase::viewSizeChanged();
    if (!viewPortHandler()) return;
    if (kept && keepPositionOnRotation_) {
        Point pixel = *kept;
        getTransformer(YAxis::AxisDependency::left)->pointValueToPixel(pixel);
        viewPortHandler()->centerViewPort(pixel, this);
    } else {
        viewPortHandler()->refresh(viewPortHandler()->touchMatrix(), this, true);
    }
}

// Frame drawing

// One frame, layer by layer from the back: what is drawn later covers what is
// drawn before, and only the series (with the grid in front of it and the
// highlights) and, when asked, the value labels are clipped to the content.
void BarLineChartViewBase::draw(DrawingContext& context) {
    ChartViewBase::draw(context);
    if (!data() || !renderer()) return;

    drawGridBackground(context);
    computeAxes();
    // The data renderer draws the whole paint from one frame, read now that
    // the axes (and with auto-scaling the offsets) are settled.
    const FrameScope frame(*renderer(), frameOf(*this, *viewPortHandler(), *chartAnimator()));
    drawAxisLines(context);
    if (gridLinesBehindData()) drawGridLines(context);
    drawLimitLines(context, LimitLineLayer::behindData);
    drawClippedSeries(context);
    renderer()->drawExtras(context);
    drawLimitLines(context, LimitLineLayer::inFrontOfData);
    drawAxisLabels(context);
    drawValueLabels(context);
    legendRenderer()->renderLegend(context);
    drawDescription(context);
    drawMarkers(context);
}

void BarLineChartViewBase::computeAxes() {
    if (autoScaleMinMaxEnabled_) autoScale();
    if (leftAxis_->isEnabled()) {
        leftYAxisRenderer()->computeAxis(leftAxis_->axisMinimum(), leftAxis_->axisMaximum(), leftAxis_->isInverted());
    }
    if (rightAxis_->isEnabled()) {
        rightYAxisRenderer()->computeAxis(rightAxis_->axisMinimum(), rightAxis_->axisMaximum(),
                                          rightAxis_->isInverted());
    }
    const auto& x = xAxis();
    if (x->isEnabled()) xAxisRenderer()->computeAxis(x->axisMinimum(), x->axisMaximum(), false);
}

void BarLineChartViewBase::drawAxisLines(DrawingContext& context) {
    xAxisRenderer()->renderAxisLine(context);
    leftYAxisRenderer()->renderAxisLine(context);
    rightYAxisRenderer()->renderAxisLine(context);
}

// The x axis's flag decides for all three axes.
bool BarLineChartViewBase::gridLinesBehindData() const { return xAxis()->isDrawGridLinesBehindDataEnabled(); }

void BarLineChartViewBase::drawGridLines(DrawingContext& context) {
    xAxisRenderer()->renderGridLines(context);
    leftYAxisRenderer()->renderGridLines(context);
    rightYAxisRenderer()->renderGridLines(context);
}

void BarLineChartViewBase::drawLimitLines(DrawingContext& context, LimitLineLayer layer) {
    const bool behind = layer == LimitLineLayer::behindData;
    const auto& x = xAxis();
    if (x->isEnabled() && x->isDrawLimitLinesBehindDataEnabled() == behind) xAxisRenderer()->renderLimitLines(context);
    if (leftAxis_->isEnabled() && leftAxis_->isDrawLimitLinesBehindDataEnabled() == behind) {
        leftYAxisRenderer()->renderLimitLines(context);
    }
    if (rightAxis_->isEnabled() && rightAxis_->isDrawLimitLinesBehindDataEnabled() == behind) {
        rightYAxisRenderer()->renderLimitLines(context);
    }
}

void BarLineChartViewBase::drawClippedSeries(DrawingContext& context) {
    GStateSaver saver(context);
    if (clipDataToContentEnabled_) context.clipToRect(viewPortHandler()->contentRect());
    renderer()->drawData(context);
    if (!gridLinesBehindData()) drawGridLines(context);
    if (valuesToHighlight()) renderer()->drawHighlighted(context, highlighted());
}

void BarLineChartViewBase::drawAxisLabels(DrawingContext& context) {
    xAxisRenderer()->renderAxisLabels(context);
    leftYAxisRenderer()->renderAxisLabels(context);
    rightYAxisRenderer()->renderAxisLabels(context);
}

void BarLineChartViewBase::drawValueLabels(DrawingContext& context) {
    if (!clipValuesToContentEnabled_) {
        renderer()->drawValues(context);
        return;
    }
    GStateSaver saver(context);
    context.clipToRect(viewPortHandler()->contentRect());
    renderer()->drawValues(context);
}

void BarLineChartViewBase::drawGridBackground(DrawingContext& context) {
    if (!drawGridBackgroundEnabled_ && !drawBordersEnabled_) return;
    context.saveGState();
    if (drawGridBackgroundEnabled_) {
        context.setFillColor(gridBackgroundColor_);
        context.fillRect(viewPortHandler()->contentRect());
    }
    if (drawBordersEnabled_) {
        context.setLineWidth(borderLineWidth_);
        context.setStrokeColor(borderColor_);
        context.strokeRect(viewPortHandler()->contentRect());
    }
    context.restoreGState();
}

// Switches

void BarLineChartViewBase::setDragEnabled(bool enabled) {
    // The pan recogniser stays as it is: a pan may still highlight.
    dragXEnabled_ = enabled;
    dragYEnabled_ = enabled;
}

void BarLineChartViewBase::setScaleEnabled(bool enabled) {
    if (scaleXEnabled_ == enabled && scaleYEnabled_ == enabled) return;
    scaleXEnabled_ = enabled;
    scaleYEnabled_ = enabled;
    pinchGestureEnabled_ = enabled || pinchZoomEnabled_;
}

void BarLineChartViewBase::setScaleXEnabled(bool enabled) {
    if (scaleXEnabled_ == enabled) return;
    scaleXEnabled_ = enabled;
    updatePinchGestureEnabled();
}

void BarLineChartViewBase::setScaleYEnabled(bool enabled) {
    if (scaleYEnabled_ == enabled) return;
    scaleYEnabled_ = enabled;
    updatePinchGestureEnabled();
}

void BarLineChartViewBase::setPinchZoomEnabled(bool enabled) {
    if (pinchZoomEnabled_ == enabled) return;
    pinchZoomEnabled_ = enabled;
    updatePinchGestureEnabled();
}

void BarLineChartViewBase::setDoubleTapToZoomEnabled(bool enabled) {
    if (doubleTapToZoomEnabled_ == enabled) return;
    doubleTapToZoomEnabled_ = enabled;
    gestures_.setDoubleTapEnabled(enabled);
}

void BarLineChartViewBase::updatePinchGestureEnabled() {
    pinchGestureEnabled_ = pinchZoomEnabled_ || scaleXEnabled_ || scaleYEnabled_;
}

// Axis widths

void BarLineChartViewBase::setYAxisMinWidth(YAxis::AxisDependency axis, double width) {
    getAxis(axis)->setMinWidth(width);
}
double BarLineChartViewBase::getYAxisMinWidth(YAxis::AxisDependency axis) const { return getAxis(axis)->minWidth(); }
void BarLineChartViewBase::setYAxisMaxWidth(YAxis::AxisDependency axis, double width) {
    getAxis(axis)->setMaxWidth(width);
}
double BarLineChartViewBase::getYAxisMaxWidth(YAxis::AxisDependency axis) const { return getAxis(axis)->maxWidth(); }
double BarLineChartViewBase::getYAxisWidth(YAxis::AxisDependency axis) const {
    return getAxis(axis)->requiredSize().width;
}

} // namespace charts
