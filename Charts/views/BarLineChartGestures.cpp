// The gestures of a bar-line chart: click, double click, pinch and pan with
// its deceleration, fed by the widget's mouse, native-gesture and touch
// events.
#include <cmath>

#include <QAbstractScrollArea>
#include <QGestureEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPinchGesture>
#include <QScrollBar>
#include <QWheelEvent>

#include "Charts/data/BarLineScatterCandleBubbleChartDataSet.h"
#include "Charts/foundation/MediaClock.h"
#include "Charts/views/BarLineChartViewBase.h"

namespace charts {

namespace {

Point positionOf(const QMouseEvent* event) { return fromQt(event->position()); }

} // namespace

// Qt input

void BarLineChartViewBase::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        ChartViewBase::mousePressEvent(event);
        return;
    }
    // A left press while one is tracked means its release went elsewhere (a
    // window took the pointer away): that gesture is cancelled, not resumed.
    if (gestures_.isPressed()) gestures_.cancel();
    gestures_.press(positionOf(event), event->timestamp());
    event->accept();
}

void BarLineChartViewBase::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        ChartViewBase::mouseDoubleClickEvent(event);
        return;
    }
    // Takes the place of the second press; the release that follows is the
    // double click, and not a click of its own.
    gestures_.doubleClick(positionOf(event), event->timestamp());
    event->accept();
}

void BarLineChartViewBase::mouseMoveEvent(QMouseEvent* event) {
    if (!gestures_.isPressed()) {
        ChartViewBase::mouseMoveEvent(event);
        return;
    }
    gestures_.move(positionOf(event), event->timestamp());
    event->accept();
}

void BarLineChartViewBase::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        ChartViewBase::mouseReleaseEvent(event);
        return;
    }
    gestures_.release(positionOf(event), event->timestamp());
    event->accept();
}

void BarLineChartViewBase::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && gestures_.isPressed()) {
        gestures_.cancel();
        event->accept();
        return;
    }
    ChartViewBase::keyPressEvent(event);
}

// The chart does not zoom or pan by wheel; an enclosing scroll area scrolls.
void BarLineChartViewBase::wheelEvent(QWheelEvent* event) { event->ignore(); }

bool BarLineChartViewBase::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::NativeGesture: handleNativeGesture(static_cast<QNativeGestureEvent*>(event)); return true;
    case QEvent::Gesture: handleGestureEvent(static_cast<QGestureEvent*>(event)); return true;
    case QEvent::UngrabMouse:
    case QEvent::WindowDeactivate:
    case QEvent::Hide: gestures_.cancel(); break;
    default: break;
    }
    return ChartViewBase::event(event);
}

void BarLineChartViewBase::handleNativeGesture(QNativeGestureEvent* event) {
    if (!pinchGestureEnabled_) return;
    GestureStep step;
    step.location = fromQt(event->position());
    switch (event->gestureType()) {
    case Qt::BeginNativeGesture: step.state = GestureState::began; break;
    case Qt::ZoomNativeGesture:
        step.state = GestureState::changed;
        step.magnification = event->value();
        break;
    case Qt::EndNativeGesture: step.state = GestureState::ended; break;
    default: return;
    }
    pinchGestureRecognized(step);
    event->accept();
}

void BarLineChartViewBase::handleGestureEvent(QGestureEvent* event) {
    auto* pinch = static_cast<QPinchGesture*>(event->gesture(Qt::PinchGesture));
    if (!pinch || !pinchGestureEnabled_) return;
    GestureStep step;
    step.location = fromQt(QPointF(mapFromGlobal(pinch->centerPoint())));
    switch (pinch->state()) {
    case Qt::GestureStarted: step.state = GestureState::began; break;
    case Qt::GestureUpdated:
        step.state = GestureState::changed;
        // The factor of this step against the previous one.
        step.magnification = pinch->scaleFactor() - 1.0;
        break;
    case Qt::GestureFinished: step.state = GestureState::ended; break;
    case Qt::GestureCanceled: step.state = GestureState::cancelled; break;
    default: return;
    }
    pinchGestureRecognized(step);
    event->accept(pinch);
}

// Click and double click

void BarLineChartViewBase::tapGestureRecognized(const GestureStep& step) {
    if (!data() || step.state != GestureState::ended || !isHighLightPerTapEnabled()) return;
    const HighlightPtr h = getHighlightByTouchPoint(step.location);
    if (!h || h->isEqual(lastHighlighted().get())) {
        setLastHighlighted(nullptr);
        highlightValue(HighlightPtr{}, true);
    } else {
        setLastHighlighted(h);
        highlightValue(h, true);
    }
}

void BarLineChartViewBase::doubleTapGestureRecognized(const GestureStep& step) {
    if (step.state != GestureState::ended || !data() || !doubleTapToZoomEnabled_ || data()->entryCount() <= 0) return;
    const Point location = touchZoomCentre(step.location);
    const double sx = isScaleXEnabled() ? 1.4 : 1.0;
    const double sy = isScaleYEnabled() ? 1.4 : 1.0;
    // The touch rule already gives the touch matrix's own y (upward from the
    // content's bottom edge, negative); zoom(x, y) takes y the other way up
    // and negates it. Handing it the rule's y unchanged would zoom about the
    // pointer mirrored below the content, and after the translation clamp
    // about the bottom edge: the value under the pointer would slide away.
    zoom(sx, sy, location.x, -location.y);
    if (const auto observer = delegate()) observer->chartScaled(*this, sx, sy);
}

bool BarLineChartViewBase::touchedSetIsOnInvertedAxis() const {
    return isAnyAxisInverted() && closestDataSetToTouch_ &&
           getAxis(closestDataSetToTouch_->axisDependency())->isInverted();
}

Point BarLineChartViewBase::touchZoomCentre(Point location) {
    // The set under the pointer decides, not the one a drag touched last: a
    // double click or a pinch may come first, and the two axes may turn
    // their content apart.
    const auto touched = getDataSetByTouchPoint(location);
    const auto& transformer = getTransformer(touched ? touched->axisDependency() : YAxis::AxisDependency::left);
    return transformer->contentOffsetMatrix().inverted().apply(location);
}

// Pinch

void BarLineChartViewBase::pinchGestureRecognized(GestureStep& step) {
    const auto& handler = viewPortHandler();
    switch (step.state) {
    case GestureState::began:
        stopDeceleration();
        if (!data()) return;
        if (pinchZoomEnabled_) {
            isScaling_ = true;
            gestureScaleAxis_ = GestureScaleAxis::both;
            return;
        }
        if (!scaleXEnabled_ && !scaleYEnabled_) return;
        isScaling_ = true;
        if (scaleXEnabled_ != scaleYEnabled_) {
            gestureScaleAxis_ = scaleXEnabled_ ? GestureScaleAxis::x : GestureScaleAxis::y;
        } else {
            // Both touches are the gesture's one location on this platform:
            // no horizontal spread is ever larger, so the axis is y.
            gestureScaleAxis_ = GestureScaleAxis::y;
        }
        return;
    case GestureState::changed: {
        const double scale = step.magnification + 1.0;
        const bool zoomingOut = scale < 1.0;
        const bool canZoomMoreX = zoomingOut ? handler->canZoomOutMoreX() : handler->canZoomInMoreX();
        const bool canZoomMoreY = zoomingOut ? handler->canZoomOutMoreY() : handler->canZoomInMoreY();
        if (!isScaling_) return;
        const bool zoomX = canZoomMoreX && scaleXEnabled_ &&
                           (gestureScaleAxis_ == GestureScaleAxis::both || gestureScaleAxis_ == GestureScaleAxis::x);
        const bool zoomY = canZoomMoreY && scaleYEnabled_ &&
                           (gestureScaleAxis_ == GestureScaleAxis::both || gestureScaleAxis_ == GestureScaleAxis::y);
        if (zoomX || zoomY) {
            const Point centre = touchZoomCentre(step.location);
            const double sx = zoomX ? scale : 1.0;
            const double sy = zoomY ? scale : 1.0;
            const AffineTransform about = AffineTransform::makeTranslation(centre.x, centre.y)
                                              .scaledBy(sx, sy)
                                              .translatedBy(-centre.x, -centre.y);
            handler->refresh(handler->touchMatrix().concatenating(about), this, true);
            if (const auto observer = delegate()) observer->chartScaled(*this, sx, sy);
        }
        step.magnification = 0;
        return;
    }
    case GestureState::ended:
    case GestureState::cancelled:
        if (isScaling_) {
            isScaling_ = false;
            calculateOffsets();
            setNeedsDisplay(bounds());
        }
        return;
    }
}

// Pan

Point BarLineChartViewBase::limitedByDragFlags(Point translation) const {
    if (dragXEnabled_) return Point{translation.x, dragYEnabled_ ? translation.y : 0.0};
    return Point{0.0, translation.y};
}

void BarLineChartViewBase::panGestureRecognized(const GestureStep& step) {
    switch (step.state) {
    case GestureState::began: {
        stopDeceleration();
        scrollHandOver_.clear();
        outerScrollView_ = findOuterScrollArea();
        if (!data() || !isDragEnabled()) return;
        if (hasNoDragOffset() && isFullyZoomedOut()) {
            if (isHighlightPerDragEnabled()) isDragging_ = false;
            return;
        }
        isDragging_ = true;
        closestDataSetToTouch_ = getDataSetByTouchPoint(step.location);
        const Point t = limitedByDragFlags(step.translation);
        if ((t.x != 0 || t.y != 0) && !performPanChange(t) && outerScrollView_) {
            // The chart cannot move further that way: the enclosing scroll
            // area takes the rest of this pan.
            scrollHandOver_ = outerScrollView_;
            outerScrollView_.clear();
            isDragging_ = false;
            scrollHandOverLast_ = Point{};
            scrollOuterArea(step.translation);
        }
        lastPanPoint_ = step.translation;
        return;
    }
    case GestureState::changed:
        if (scrollHandOver_) scrollOuterArea(step.translation);
        if (isDragging_) {
            const Point t =
                limitedByDragFlags(Point{step.translation.x - lastPanPoint_.x, step.translation.y - lastPanPoint_.y});
            performPanChange(t);
            lastPanPoint_ = step.translation;
        } else if (isHighlightPerDragEnabled()) {
            const HighlightPtr h = getHighlightByTouchPoint(step.location);
            const HighlightPtr& last = lastHighlighted();
            if ((!h && !last) || (h && last && h->isEqual(last.get()))) return;
            setLastHighlighted(h);
            highlightValue(h, true);
        }
        return;
    case GestureState::ended:
    case GestureState::cancelled:
        if (isDragging_) {
            if (step.state == GestureState::ended && isDragDecelerationEnabled()) {
                stopDeceleration();
                decelerationLastTime_ = mediaTime();
                decelerationVelocity_ = step.velocity;
                decelerationDisplayLink_ = std::make_unique<DisplayLink>([this] { decelerationLoop(); });
                decelerationDisplayLink_->start();
            }
            isDragging_ = false;
            if (const auto observer = delegate()) observer->chartViewDidEndPanning(*this);
        }
        outerScrollView_.clear();
        scrollHandOver_.clear();
        return;
    }
}

bool BarLineChartViewBase::performPanChange(Point translation) {
    Point t = translation;
    if (touchedSetIsOnInvertedAxis()) {
        if (reversesHorizontalPanOnInvertedAxis()) {
            t.x = -t.x;
        } else {
            t.y = -t.y;
        }
    }
    const auto& handler = viewPortHandler();
    const AffineTransform before = handler->touchMatrix();
    const AffineTransform matrix = before.concatenating(AffineTransform::makeTranslation(t.x, t.y));
    const AffineTransform after = handler->refresh(matrix, this, true);
    if (after != before) {
        if (const auto observer = delegate()) observer->chartTranslated(*this, t.x, t.y);
    }
    return after.tx != before.tx || after.ty != before.ty;
}

// Deceleration

void BarLineChartViewBase::stopDeceleration() {
    if (!decelerationDisplayLink_) return;
    decelerationDisplayLink_->stop();
    decelerationDisplayLink_.reset();
}

void BarLineChartViewBase::decelerationLoop() {
    const double now = mediaTime();
    decelerationVelocity_.x *= dragDecelerationFrictionCoef();
    decelerationVelocity_.y *= dragDecelerationFrictionCoef();
    // A velocity that is not a number (an event with a broken timestamp)
    // would carry the content off for ever: stop at once instead.
    if (!std::isfinite(decelerationVelocity_.x) || !std::isfinite(decelerationVelocity_.y)) {
        decelerationVelocity_ = Point{};
    } else {
        const double dt = now - decelerationLastTime_;
        const Point distance{decelerationVelocity_.x * dt, decelerationVelocity_.y * dt};
        if (!performPanChange(distance)) decelerationVelocity_ = Point{};
    }
    decelerationLastTime_ = now;
    if (std::fabs(decelerationVelocity_.x) < 0.001 && std::fabs(decelerationVelocity_.y) < 0.001) {
        stopDeceleration();
        calculateOffsets();
        setNeedsDisplay(bounds());
    }
}

// Recogniser checks and the enclosing scroll area

bool BarLineChartViewBase::gestureRecognizerShouldBegin(const GestureStep& step, bool pan) {
    if (pan) {
        const Point v = step.velocity;
        if (!data() || !isDragEnabled() || (hasNoDragOffset() && isFullyZoomedOut() && !isHighlightPerDragEnabled())) {
            return false;
        }
        if (!dragYEnabled_ && std::fabs(v.y) > std::fabs(v.x)) return false;
        if (!dragXEnabled_ && std::fabs(v.x) > std::fabs(v.y)) return false;
        return true;
    }
    if (!data()) return false;
    return pinchZoomEnabled_ || scaleXEnabled_ || scaleYEnabled_;
}

QAbstractScrollArea* BarLineChartViewBase::findOuterScrollArea() const {
    QWidget* w = parentWidget();
    while (w && !qobject_cast<QAbstractScrollArea*>(w)) w = w->parentWidget();
    auto* area = qobject_cast<QAbstractScrollArea*>(w);
    if (!area) return nullptr;
    // A scroll area directly inside another (its viewport's child) hands the
    // pan to the outer one.
    QWidget* above = area->parentWidget();
    if (above) {
        if (auto* outer = qobject_cast<QAbstractScrollArea*>(above)) return outer;
        if (auto* outer = qobject_cast<QAbstractScrollArea*>(above->parentWidget())) {
            if (outer->viewport() == above) return outer;
        }
    }
    return area;
}

void BarLineChartViewBase::scrollOuterArea(Point translation) {
    if (!scrollHandOver_) return;
    const Point delta{translation.x - scrollHandOverLast_.x, translation.y - scrollHandOverLast_.y};
    scrollHandOverLast_ = translation;
    // Content follows the pointer: a drag down scrolls up.
    QScrollBar* horizontal = scrollHandOver_->horizontalScrollBar();
    QScrollBar* vertical = scrollHandOver_->verticalScrollBar();
    if (horizontal) horizontal->setValue(horizontal->value() - static_cast<int>(std::lround(delta.x)));
    if (vertical) vertical->setValue(vertical->value() - static_cast<int>(std::lround(delta.y)));
}

} // namespace charts
