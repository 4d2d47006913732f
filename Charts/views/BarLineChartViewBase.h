#pragma once
#include <atomic>
#include <memory>
#include <optional>

#include <QColor>
#include <QPointer>

#include "Charts/data/IChartDataSet.h"
#include "Charts/foundation/DisplayLink.h"
#include "Charts/foundation/Transformer.h"
#include "Charts/foundation/YAxis.h"
#include "Charts/render/XAxisRenderer.h"
#include "Charts/render/YAxisRenderer.h"
#include "Charts/views/ChartOffsets.h"
#include "Charts/views/ChartViewBase.h"
#include "Charts/views/GestureTracker.h"

class QAbstractScrollArea;
class QNativeGestureEvent;
class QGestureEvent;

namespace charts {

class IBarLineScatterCandleBubbleChartDataSet;

// The chart view of every chart with a horizontal x axis and one or two
// vertical y axes: a left and a right y axis with a transformer each, the
// three axis renderers, the offsets that make room for legend and axis
// labels, the frame's drawing order, the gestures with drag deceleration and
// the zoom, visible-range and view-port operations.
//
// Chart kinds replace its renderers, highlighter, transformers and axis
// renderers in their own initialize(); the members they override are
// virtual.
class BarLineChartViewBase : public ChartViewBase,
                             public virtual BarLineChartViewInterface,
                             public virtual BarLineScatterCandleBubbleChartDataProvider {
public:
    enum class GestureScaleAxis { both = 0, x = 1, y = 2 };

    BarLineChartViewBase(ConstructionKey key, QWidget* parent = nullptr);
    ~BarLineChartViewBase() override;

    // Axes and renderers.
    const std::shared_ptr<YAxis>& leftAxis() const { return leftAxis_; }
    const std::shared_ptr<YAxis>& rightAxis() const { return rightAxis_; }
    std::shared_ptr<XAxis> xAxis() const override { return ChartViewBase::xAxis(); }
    std::shared_ptr<YAxis> getAxis(YAxis::AxisDependency axis) const override;
    // Made on first read; kept until replaced.
    const std::shared_ptr<YAxisRenderer>& leftYAxisRenderer();
    void setLeftYAxisRenderer(std::shared_ptr<YAxisRenderer> renderer) { leftYAxisRenderer_ = std::move(renderer); }
    const std::shared_ptr<YAxisRenderer>& rightYAxisRenderer();
    void setRightYAxisRenderer(std::shared_ptr<YAxisRenderer> renderer) { rightYAxisRenderer_ = std::move(renderer); }
    const std::shared_ptr<XAxisRenderer>& xAxisRenderer();
    void setXAxisRenderer(std::shared_ptr<XAxisRenderer> renderer) { xAxisRenderer_ = std::move(renderer); }
    const std::shared_ptr<Transformer>& leftAxisTransformer() const { return leftAxisTransformer_; }
    void setLeftAxisTransformer(std::shared_ptr<Transformer> t) { leftAxisTransformer_ = std::move(t); }
    const std::shared_ptr<Transformer>& rightAxisTransformer() const { return rightAxisTransformer_; }
    void setRightAxisTransformer(std::shared_ptr<Transformer> t) { rightAxisTransformer_ = std::move(t); }

    // Data provider.
    std::shared_ptr<Transformer> getTransformer(YAxis::AxisDependency axis) const override;
    bool isInverted(YAxis::AxisDependency axis) const override;
    bool isAnyAxisInverted() const;
    double getAxisRange(YAxis::AxisDependency axis) const;
    double lowestVisibleX() const override;
    double highestVisibleX() const override;
    double chartYMax() const override;
    double chartYMin() const override;
    int maxVisibleCount() const override { return maxVisibleCount_; }
    void setMaxVisibleCount(int count) { maxVisibleCount_ = count; }

    // Data change and layout.
    void notifyDataSetChanged() override;
    // The entries' values have changed in place (the same data sets, styles
    // and entry counts): the bounds are computed again and, when the axes'
    // ranges stay as they were, only the content rectangle widened by
    // `margin` points (for what is drawn around the points, such as circles)
    // is repainted; otherwise the whole view is set up again as by
    // notifyDataSetChanged().
    virtual void notifyDataValuesChanged(double margin);
    void calculateOffsets() override;
    void calcMinMax() override;
    virtual void autoScale();
    virtual void prepareValuePxMatrix();
    virtual void prepareAxisOffsetMatrices();
    // Adds the legend's share to the four offsets.
    virtual void calculateLegendOffsets(ChartOffsets& offsets);
    // Adds the room the axes' labels take to the four offsets.
    virtual void calculateAxisOffsets(ChartOffsets& offsets);

    // Frame drawing.
    void draw(DrawingContext& context) override;
    virtual void drawGridBackground(DrawingContext& context);

    // Appearance.
    const QColor& gridBackgroundColor() const { return gridBackgroundColor_; }
    void setGridBackgroundColor(QColor color) { gridBackgroundColor_ = color; }
    const QColor& borderColor() const { return borderColor_; }
    void setBorderColor(QColor color) { borderColor_ = color; }
    double borderLineWidth() const { return borderLineWidth_; }
    void setBorderLineWidth(double width) { borderLineWidth_ = width; }
    bool drawGridBackgroundEnabled() const { return drawGridBackgroundEnabled_; }
    void setDrawGridBackgroundEnabled(bool enabled) { drawGridBackgroundEnabled_ = enabled; }
    bool isDrawGridBackgroundEnabled() const { return drawGridBackgroundEnabled_; }
    bool drawBordersEnabled() const { return drawBordersEnabled_; }
    void setDrawBordersEnabled(bool enabled) { drawBordersEnabled_ = enabled; }
    bool isDrawBordersEnabled() const { return drawBordersEnabled_; }
    bool clipValuesToContentEnabled() const { return clipValuesToContentEnabled_; }
    void setClipValuesToContentEnabled(bool enabled) { clipValuesToContentEnabled_ = enabled; }
    bool clipDataToContentEnabled() const { return clipDataToContentEnabled_; }
    void setClipDataToContentEnabled(bool enabled) { clipDataToContentEnabled_ = enabled; }
    double minOffset() const { return minOffset_; }
    void setMinOffset(double offset) { minOffset_ = offset; }
    bool keepPositionOnRotation() const { return keepPositionOnRotation_; }
    void setKeepPositionOnRotation(bool keep) { keepPositionOnRotation_ = keep; }
    bool autoScaleMinMaxEnabled() const { return autoScaleMinMaxEnabled_; }
    void setAutoScaleMinMaxEnabled(bool enabled) { autoScaleMinMaxEnabled_ = enabled; }
    bool isAutoScaleMinMaxEnabled() const { return autoScaleMinMaxEnabled_; }

    // Gesture switches.
    bool dragEnabled() const { return dragXEnabled_ || dragYEnabled_; }
    void setDragEnabled(bool enabled);
    bool isDragEnabled() const { return dragEnabled(); }
    bool dragXEnabled() const { return dragXEnabled_; }
    void setDragXEnabled(bool enabled) { dragXEnabled_ = enabled; }
    bool dragYEnabled() const { return dragYEnabled_; }
    void setDragYEnabled(bool enabled) { dragYEnabled_ = enabled; }
    void setScaleEnabled(bool enabled);
    bool scaleXEnabled() const { return scaleXEnabled_; }
    void setScaleXEnabled(bool enabled);
    bool isScaleXEnabled() const { return scaleXEnabled_; }
    bool scaleYEnabled() const { return scaleYEnabled_; }
    void setScaleYEnabled(bool enabled);
    bool isScaleYEnabled() const { return scaleYEnabled_; }
    bool pinchZoomEnabled() const { return pinchZoomEnabled_; }
    void setPinchZoomEnabled(bool enabled);
    bool isPinchZoomEnabled() const { return pinchZoomEnabled_; }
    bool doubleTapToZoomEnabled() const { return doubleTapToZoomEnabled_; }
    void setDoubleTapToZoomEnabled(bool enabled);
    bool isDoubleTapToZoomEnabled() const { return doubleTapToZoomEnabled_; }
    bool highlightPerDragEnabled() const { return highlightPerDragEnabled_; }
    void setHighlightPerDragEnabled(bool enabled) { highlightPerDragEnabled_ = enabled; }
    bool isHighlightPerDragEnabled() const { return highlightPerDragEnabled_; }
    // Whether the pinch and double-click recognisers are enabled.
    bool isPinchGestureEnabled() const { return pinchGestureEnabled_; }
    bool isDoubleTapGestureEnabled() const { return gestures_.isDoubleTapEnabled(); }
    bool isPanGestureEnabled() const { return gestures_.isPanEnabled(); }

    // Gestures, as the recognisers report them (view pixels).
    virtual void tapGestureRecognized(const GestureStep& step);
    virtual void doubleTapGestureRecognized(const GestureStep& step);
    virtual void pinchGestureRecognized(GestureStep& step);
    virtual void panGestureRecognized(const GestureStep& step);
    // Moves the content; true when the translation changed.
    virtual bool performPanChange(Point translation);
    virtual void stopDeceleration();
    virtual void decelerationLoop();
    bool isDecelerating() const { return decelerationDisplayLink_ != nullptr; }
    Point decelerationVelocity() const { return decelerationVelocity_; }
    bool isDragging() const { return isDragging_; }
    bool isScaling() const { return isScaling_; }

    // Immediate zoom.
    virtual void zoomIn();
    virtual void zoomOut();
    virtual void resetZoom();
    virtual void fitScreen();
    // Zooms about (x, y): x from the content's left edge, y upward from its
    // bottom edge. The value shown there stays there, whatever the zoom and
    // pan before.
    virtual void zoom(double scaleX, double scaleY, double x, double y);
    virtual void zoomToCenter(double scaleX, double scaleY);
    // Zoom about a value point, as a job.
    virtual void zoom(double scaleX, double scaleY, double xValue, double yValue, YAxis::AxisDependency axis);
    virtual void zoomAndCenterViewAnimated(double scaleX, double scaleY, double xValue, double yValue,
                                           YAxis::AxisDependency axis, double duration, EasingFunction easing);
    virtual void zoomAndCenterViewAnimated(double scaleX, double scaleY, double xValue, double yValue,
                                           YAxis::AxisDependency axis, double duration, ChartEasingOption easingOption);
    virtual void zoomAndCenterViewAnimated(double scaleX, double scaleY, double xValue, double yValue,
                                           YAxis::AxisDependency axis, double duration);

    // Scale limits in value units. A visible range that is not positive and
    // finite is ignored (in the two-bound setters, that bound alone).
    virtual void setScaleMinima(double scaleX, double scaleY);
    virtual double visibleXRange() const;
    virtual void setVisibleXRangeMaximum(double maxXRange);
    virtual void setVisibleXRangeMinimum(double minXRange);
    virtual void setVisibleXRange(double minXRange, double maxXRange);
    virtual void setVisibleYRangeMaximum(double maxYRange, YAxis::AxisDependency axis);
    virtual void setVisibleYRangeMinimum(double minYRange, YAxis::AxisDependency axis);
    virtual void setVisibleYRange(double minYRange, double maxYRange, YAxis::AxisDependency axis);

    // View-port moves, as jobs.
    virtual void moveViewToX(double xValue);
    virtual void moveViewToY(double yValue, YAxis::AxisDependency axis);
    virtual void moveViewTo(double xValue, double yValue, YAxis::AxisDependency axis);
    virtual void moveViewToAnimated(double xValue, double yValue, YAxis::AxisDependency axis, double duration,
                                    EasingFunction easing);
    virtual void moveViewToAnimated(double xValue, double yValue, YAxis::AxisDependency axis, double duration,
                                    ChartEasingOption easingOption);
    virtual void moveViewToAnimated(double xValue, double yValue, YAxis::AxisDependency axis, double duration);
    virtual void centerViewTo(double xValue, double yValue, YAxis::AxisDependency axis);
    virtual void centerViewToAnimated(double xValue, double yValue, YAxis::AxisDependency axis, double duration,
                                      EasingFunction easing);
    virtual void centerViewToAnimated(double xValue, double yValue, YAxis::AxisDependency axis, double duration,
                                      ChartEasingOption easingOption);
    virtual void centerViewToAnimated(double xValue, double yValue, YAxis::AxisDependency axis, double duration);

    // Fixed content offsets, kept until reset. May be called from any
    // thread: off the main thread the offsets reach the view through its
    // event loop (dropped if the view is gone by then).
    virtual void setViewPortOffsets(double left, double top, double right, double bottom);
    virtual void resetViewPortOffsets();
    bool isCustomViewPortEnabled() const { return customViewPortEnabled_.load(); }

    // Conversions and queries.
    virtual Point valueForTouchPoint(Point point, YAxis::AxisDependency axis) const;
    virtual Point pixelForValues(double x, double y, YAxis::AxisDependency axis) const;
    virtual Point getPosition(const ChartDataEntry& entry, YAxis::AxisDependency axis) const;
    virtual ChartDataEntryPtr getEntryByTouchPoint(Point point);
    virtual std::shared_ptr<IBarLineScatterCandleBubbleChartDataSet> getDataSetByTouchPoint(Point point);
    double scaleX() const;
    double scaleY() const;
    bool isFullyZoomedOut() const;
    bool hasNoDragOffset() const;
    void setDragOffsetX(double offset);
    void setDragOffsetY(double offset);
    void setYAxisMinWidth(YAxis::AxisDependency axis, double width);
    double getYAxisMinWidth(YAxis::AxisDependency axis) const;
    void setYAxisMaxWidth(YAxis::AxisDependency axis, double width);
    double getYAxisMaxWidth(YAxis::AxisDependency axis) const;
    double getYAxisWidth(YAxis::AxisDependency axis) const;

protected:
    void initialize() override;
    void viewSizeChanged() override;

    // The content rectangle within the offsets plus the extra offsets, each
    // at least the minimum offset.
    void restrainContent(ChartOffsets offsets);

    // The pan's inversion test for the horizontal bar view: true when a pan
    // on an inverted axis reverses x instead of y.
    virtual bool reversesHorizontalPanOnInvertedAxis() const { return false; }
    // Whether one of the view's recognisers may begin, for callers that ask;
    // the recognisers themselves begin without it, and the pan and pinch
    // handlers make their own checks at began.
    virtual bool gestureRecognizerShouldBegin(const GestureStep& step, bool pan);

    // Qt input: the mouse becomes the click, double-click and pan
    // recognisers; native zoom gestures and touch pinches the magnification.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool event(QEvent* event) override;

private:
    enum class LimitLineLayer { behindData, inFrontOfData };

    // The layers of a frame, in the order draw() paints them.
    void computeAxes();
    void drawAxisLines(DrawingContext& context);
    bool gridLinesBehindData() const;
    void drawGridLines(DrawingContext& context);
    void drawLimitLines(DrawingContext& context, LimitLineLayer layer);
    // Clipped to the content when asked: the data, the grid lines in front
    // of it, the highlights.
    void drawClippedSeries(DrawingContext& context);
    void drawAxisLabels(DrawingContext& context);
    void drawValueLabels(DrawingContext& context);

    // The zoom centre of a pointer position, where the touch matrix works:
    // the position carried back through the content offset of the axis of
    // the set under the pointer (or the left axis), which puts the origin at
    // the content's bottom left, or at the corner an inverted axis starts
    // from.
    Point touchZoomCentre(Point location);
    Point contentCentreForZoom(Point centre) const;
    // The point before the touch matrix that the matrix puts at the given one.
    Point zoomFixedPoint(Point touchPoint) const;
    bool touchedSetIsOnInvertedAxis() const;
    Point limitedByDragFlags(Point translation) const;
    void updatePinchGestureEnabled();
    QAbstractScrollArea* findOuterScrollArea() const;
    void scrollOuterArea(Point delta);
    void handleNativeGesture(QNativeGestureEvent* event);
    void handleGestureEvent(QGestureEvent* event);
    void applyViewPortOffsets(double left, double top, double right, double bottom);

    int maxVisibleCount_ = 100;
    bool autoScaleMinMaxEnabled_ = false;
    bool pinchZoomEnabled_ = false;
    bool doubleTapToZoomEnabled_ = true;
    bool dragXEnabled_ = true;
    bool dragYEnabled_ = true;
    bool scaleXEnabled_ = true;
    bool scaleYEnabled_ = true;
    QColor gridBackgroundColor_ = QColor(240, 240, 240);
    QColor borderColor_ = QColor(0, 0, 0);
    double borderLineWidth_ = 1.0;
    bool drawGridBackgroundEnabled_ = false;
    bool drawBordersEnabled_ = false;
    bool clipValuesToContentEnabled_ = false;
    bool clipDataToContentEnabled_ = true;
    double minOffset_ = 10.0;
    bool keepPositionOnRotation_ = false;
    std::shared_ptr<YAxis> leftAxis_ = std::make_shared<YAxis>(YAxis::AxisDependency::left);
    std::shared_ptr<YAxis> rightAxis_ = std::make_shared<YAxis>(YAxis::AxisDependency::right);
    std::shared_ptr<YAxisRenderer> leftYAxisRenderer_;
    std::shared_ptr<YAxisRenderer> rightYAxisRenderer_;
    std::shared_ptr<Transformer> leftAxisTransformer_;
    std::shared_ptr<Transformer> rightAxisTransformer_;
    std::shared_ptr<XAxisRenderer> xAxisRenderer_;
    GestureTracker gestures_;
    bool pinchGestureEnabled_ = true;
    // Set from any thread by setViewPortOffsets.
    std::atomic<bool> customViewPortEnabled_ = false;
    bool isDragging_ = false;
    bool isScaling_ = false;
    GestureScaleAxis gestureScaleAxis_ = GestureScaleAxis::both;
    std::shared_ptr<IBarLineScatterCandleBubbleChartDataSet> closestDataSetToTouch_;
    QPointer<QAbstractScrollArea> outerScrollView_;
    // The scroll area a pan was handed to, moved by the rest of that pan.
    QPointer<QAbstractScrollArea> scrollHandOver_;
    Point scrollHandOverLast_;
    Point lastPanPoint_;
    double decelerationLastTime_ = 0;
    std::unique_ptr<DisplayLink> decelerationDisplayLink_;
    Point decelerationVelocity_;
    bool highlightPerDragEnabled_ = true;
};

} // namespace charts
