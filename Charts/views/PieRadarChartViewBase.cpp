#include "Charts/views/PieRadarChartViewBase.h"

#include <algorithm>
#include <cmath>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QNativeGestureEvent>

#include "Charts/foundation/MediaClock.h"
#include "Charts/render/CircleGeometry.h"
#include "Charts/views/PieRadarLegendOffsets.h"
#include "platform/FatalError.h"

namespace charts {

namespace {

// The drag becomes a rotation once the pointer is this far from the press.
constexpr double rotationThreshold = 8.0;
// The turning speed a rotation gesture leaves behind: 0.1 radian per second.
constexpr double gestureDecelerationVelocity = 5.729577951308232;
constexpr double stoppedVelocity = 0.001;

[[noreturn]] void abstractMember(const char* member) {
    platform::fatalError(std::string(member) + " cannot be called on PieRadarChartViewBase");
}

Point positionOf(const QMouseEvent* event) { return fromQt(event->position()); }

} // namespace

PieRadarChartViewBase::PieRadarChartViewBase(ConstructionKey key, QWidget* parent) : ChartViewBase(key, parent) {}

PieRadarChartViewBase::~PieRadarChartViewBase() {
    stopDeceleration();
    stopSpinAnimation();
}

void PieRadarChartViewBase::initialize() {
    ChartViewBase::initialize();
    // Clicks only: a drag is the rotation's, and a double click is two
    // clicks.
    clicks_.setPanEnabled(false);
    clicks_.setDoubleTapEnabled(false);
    clicks_.onTap = [this](const GestureStep& step) { tapGestureRecognized(step); };
}

// Rotation

void PieRadarChartViewBase::setRotationAngle(double angle) {
    if (!std::isfinite(angle)) return;
    rawRotationAngle_ = angle;
    rotationAngle_ = normalizedAngle(angle);
    setNeedsDisplay(bounds());
}

// Geometry

double PieRadarChartViewBase::angleForPoint(double x, double y) const {
    return angleOfPoint(rotationCenter(), Point{x, y});
}

double PieRadarChartViewBase::distanceToCenter(double x, double y) const {
    return distanceBetween(Point{x, y}, rotationCenter());
}

Point PieRadarChartViewBase::getPosition(Point center, double dist, double angle) const {
    return pointOnCircle(center, dist, angle);
}

std::int64_t PieRadarChartViewBase::indexForAngle(double) const { abstractMember("indexForAngle()"); }

double PieRadarChartViewBase::radius() const { abstractMember("radius"); }

double PieRadarChartViewBase::requiredLegendOffset() const { abstractMember("requiredLegendOffset"); }

double PieRadarChartViewBase::requiredBaseOffset() const { abstractMember("requiredBaseOffset"); }

double PieRadarChartViewBase::diameter() const {
    const Rect content = contentRect();
    const double width = content.width() - extraLeftOffset() - extraRightOffset();
    const double height = content.height() - extraTopOffset() - extraBottomOffset();
    return std::min(width, height);
}

// Data and layout

int PieRadarChartViewBase::maxVisibleCount() const {
    const auto count = data() ? data()->entryCount() : 0;
    return static_cast<int>(std::min<std::int64_t>(count, 2147483647));
}

void PieRadarChartViewBase::notifyDataSetChanged() {
    calcMinMax();
    if (data() && legend()) legendRenderer()->computeLegend(*data());
    calculateOffsets();
    setNeedsDisplay(bounds());
}

void PieRadarChartViewBase::calculateOffsets() {
    ChartOffsets offsets;
    const std::shared_ptr<Legend>& model = legend();
    if (model && model->isEnabled() && !model->isDrawInsideEnabled()) {
        const ViewPortHandler& port = *viewPortHandler();
        PieRadarLegendInput input;
        input.orientation = model->orientation();
        input.horizontalAlignment = model->horizontalAlignment();
        input.verticalAlignment = model->verticalAlignment();
        input.neededWidth = model->neededWidth();
        input.neededHeight = model->neededHeight();
        input.textHeightMax = model->textHeightMax();
        input.maxSizePercent = model->maxSizePercent();
        input.chartWidth = port.chartWidth();
        input.chartHeight = port.chartHeight();
        input.bounds = bounds().size;
        input.midPoint = midPoint();
        input.center = rotationCenter();
        input.requiredLegendOffset = requiredLegendOffset();
        input.requiredBaseOffset = requiredBaseOffset();
        // Only a vertical legend in a corner measures against the circle.
        if (input.orientation == Legend::Orientation::vertical &&
            input.verticalAlignment != Legend::VerticalAlignment::center &&
            input.horizontalAlignment != Legend::HorizontalAlignment::center)
            input.radius = radius();
        offsets = pieRadarLegendOffsets(input);
    }
    offsets.top += extraTopOffset();
    offsets.right += extraRightOffset();
    offsets.bottom += extraBottomOffset();
    offsets.left += extraLeftOffset();

    const double m = leastContentOffset();
    viewPortHandler()->restrainViewPort(std::max(m, offsets.left), std::max(m, offsets.top), std::max(m, offsets.right),
                                        std::max(m, std::max(requiredBaseOffset(), offsets.bottom)));
}

// Spin

void PieRadarChartViewBase::spin(double duration, double fromAngle, double toAngle, EasingFunction easing) {
    stopSpinAnimation();
    spinAnimator_ = std::make_shared<Animator>();
    Animator* animator = spinAnimator_.get();
    animator->setUpdateBlock([this, animator, fromAngle, toAngle] {
        setRotationAngle((toAngle - fromAngle) * animator->phaseX() + fromAngle);
    });
    animator->setStopBlock([this] { spinAnimator_.reset(); });
    animator->animate(duration, 0.0, std::move(easing));
}

void PieRadarChartViewBase::spin(double duration, double fromAngle, double toAngle, ChartEasingOption easingOption) {
    spin(duration, fromAngle, toAngle, easingFunctionForOption(easingOption));
}

void PieRadarChartViewBase::spin(double duration, double fromAngle, double toAngle) {
    spin(duration, fromAngle, toAngle, EasingFunction{});
}

void PieRadarChartViewBase::stopSpinAnimation() {
    if (const std::shared_ptr<Animator> animator = spinAnimator_) animator->stop();
}

// Deceleration

void PieRadarChartViewBase::stopDeceleration() {
    if (!decelerationDisplayLink_) return;
    decelerationDisplayLink_->stop();
    decelerationDisplayLink_.reset();
}

void PieRadarChartViewBase::startDeceleration() {
    decelerationLastTime_ = mediaTime();
    decelerationDisplayLink_ = std::make_unique<DisplayLink>([this] { decelerationLoop(); });
    decelerationDisplayLink_->start();
}

void PieRadarChartViewBase::decelerationLoop() {
    const double now = mediaTime();
    decelerationAngularVelocity_ *= dragDecelerationFrictionCoef();
    // A speed that is not a number would turn the chart for ever.
    if (!std::isfinite(decelerationAngularVelocity_)) decelerationAngularVelocity_ = 0;
    setRotationAngle(rotationAngle() + decelerationAngularVelocity_ * (now - decelerationLastTime_));
    decelerationLastTime_ = now;
    if (std::fabs(decelerationAngularVelocity_) < stoppedVelocity) stopDeceleration();
}

void PieRadarChartViewBase::sampleVelocity(Point touchLocation) {
    addAngularVelocitySample(velocitySamples_, mediaTime(), angleForPoint(touchLocation.x, touchLocation.y));
}

// Clicks and the rotation gesture

void PieRadarChartViewBase::tapGestureRecognized(const GestureStep& step) {
    if (step.state != GestureState::ended || !isHighLightPerTapEnabled()) return;
    highlightValue(getHighlightByTouchPoint(step.location), true);
}

void PieRadarChartViewBase::rotationGestureRecognized(GestureState state, double rotationRadians) {
    if (state == GestureState::cancelled) return;
    if (state == GestureState::began) {
        stopDeceleration();
        startAngle_ = rawRotationAngle();
    }
    if (!startAngle_ || !std::isfinite(rotationRadians)) return;
    setRotationAngle(*startAngle_ - radiansToDegrees(rotationRadians));
    if (state == GestureState::ended) {
        startAngle_.reset();
        if (isDragDecelerationEnabled()) {
            stopDeceleration();
            decelerationAngularVelocity_ = gestureDecelerationVelocity;
            startDeceleration();
        }
    }
}

// The mouse

void PieRadarChartViewBase::mouseDown(Point location, std::uint64_t timestamp) {
    if (rotationEnabled_) {
        stopDeceleration();
        velocitySamples_.clear();
        sampleVelocity(location);
        // A press on the very centre has no angle: the drag takes its start
        // angle from its first point that has one.
        const double angle = angleForPoint(location.x, location.y);
        if (std::isfinite(angle)) {
            startAngle_ = angle - rotationAngle();
        } else {
            startAngle_.reset();
        }
        rotationGestureStartPoint_ = location;
    }
    if (!isRotating_) clicks_.press(location, timestamp);
}

void PieRadarChartViewBase::mouseDragged(Point location, std::uint64_t timestamp) {
    if (rotationEnabled_ && rotationGestureStartPoint_) {
        if (isDragDecelerationEnabled()) sampleVelocity(location);
        const double angle = angleForPoint(location.x, location.y);
        const Point start = *rotationGestureStartPoint_;
        if (!isRotating_ && std::hypot(location.x - start.x, location.y - start.y) > rotationThreshold) {
            isRotating_ = true;
            // The press is a rotation now, never a click.
            clicks_.cancel();
        } else if (std::isfinite(angle)) {
            if (startAngle_) {
                setRotationAngle(angle - *startAngle_);
            } else {
                startAngle_ = angle - rotationAngle();
            }
        }
    }
    if (!isRotating_) clicks_.move(location, timestamp);
}

void PieRadarChartViewBase::mouseUp(Point location, std::uint64_t timestamp) {
    if (!isRotating_) clicks_.release(location, timestamp);
    if (rotationEnabled_ && isDragDecelerationEnabled() && rotationGestureStartPoint_) {
        stopDeceleration();
        sampleVelocity(location);
        decelerationAngularVelocity_ = angularVelocity(velocitySamples_);
        if (decelerationAngularVelocity_ != 0) startDeceleration();
    }
    rotationGestureStartPoint_.reset();
    isRotating_ = false;
}

void PieRadarChartViewBase::cancelDrag() {
    clicks_.cancel();
    rotationGestureStartPoint_.reset();
    isRotating_ = false;
}

void PieRadarChartViewBase::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        ChartViewBase::mousePressEvent(event);
        return;
    }
    // A press while one is tracked means its release went elsewhere.
    if (rotationGestureStartPoint_ || clicks_.isPressed()) cancelDrag();
    mouseDown(positionOf(event), event->timestamp());
    event->accept();
}

void PieRadarChartViewBase::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) {
        ChartViewBase::mouseMoveEvent(event);
        return;
    }
    mouseDragged(positionOf(event), event->timestamp());
    event->accept();
}

void PieRadarChartViewBase::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        ChartViewBase::mouseReleaseEvent(event);
        return;
    }
    mouseUp(positionOf(event), event->timestamp());
    event->accept();
}

void PieRadarChartViewBase::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && (rotationGestureStartPoint_ || clicks_.isPressed())) {
        cancelDrag();
        event->accept();
        return;
    }
    ChartViewBase::keyPressEvent(event);
}

bool PieRadarChartViewBase::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::NativeGesture: handleNativeGesture(static_cast<QNativeGestureEvent*>(event)); return true;
    case QEvent::UngrabMouse:
    case QEvent::WindowDeactivate:
    case QEvent::Hide: cancelDrag(); break;
    default: break;
    }
    return ChartViewBase::event(event);
}

// Qt reports a rotation gesture as steps in degrees, clockwise on screen
// positive; the handler takes the turn since the gesture began in radians,
// counter-clockwise positive. So a clockwise turn of the fingers turns the
// chart clockwise.
void PieRadarChartViewBase::handleNativeGesture(QNativeGestureEvent* event) {
    if (!rotationWithTwoFingers_) return;
    switch (event->gestureType()) {
    case Qt::BeginNativeGesture:
        nativeRotation_ = 0;
        rotationGestureRecognized(GestureState::began, nativeRotation_);
        break;
    case Qt::RotateNativeGesture: {
        const double step = event->value();
        if (std::isfinite(step)) nativeRotation_ -= degreesToRadians(step);
        rotationGestureRecognized(GestureState::changed, nativeRotation_);
        break;
    }
    case Qt::EndNativeGesture: rotationGestureRecognized(GestureState::ended, nativeRotation_); break;
    default: return;
    }
    event->accept();
}

} // namespace charts
