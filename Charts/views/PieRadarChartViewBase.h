#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "Charts/foundation/DisplayLink.h"
#include "Charts/foundation/Easing.h"
#include "Charts/views/AngularVelocity.h"
#include "Charts/views/ChartViewBase.h"
#include "Charts/views/GestureTracker.h"

class QNativeGestureEvent;

namespace charts {

// The view of the circular charts (pie and radar): a rotation angle instead
// of axes and zoom. The chart turns when dragged, keeps turning after a
// flick and slows down by the drag friction, turns with a two-finger
// rotation gesture when that is switched on, and spins from one angle to
// another as an animation. It converts points to angles and distances about
// the chart's centre and makes room for the legend around the circle.
//
// The kinds supply the entry at an angle, the radius and the two offsets,
// and may adjust three things through hooks: the point
// angles are measured from, the least offset of the content and the angle a
// click is resolved at.
class PieRadarChartViewBase : public ChartViewBase {
public:
    explicit PieRadarChartViewBase(ConstructionKey key, QWidget* parent = nullptr);
    ~PieRadarChartViewBase() override;

    // The rotation in degrees, within 0 to 360 (the remainder of what was
    // set, plus 360 when negative); the raw value is the last one set. An
    // angle that is not finite is not taken.
    double rotationAngle() const { return rotationAngle_; }
    virtual void setRotationAngle(double angle);
    double rawRotationAngle() const { return rawRotationAngle_; }

    bool rotationEnabled() const { return rotationEnabled_; }
    virtual void setRotationEnabled(bool enabled) { rotationEnabled_ = enabled; }
    bool isRotationEnabled() const { return rotationEnabled_; }
    // The two-finger rotation gesture; off by default.
    bool rotationWithTwoFingers() const { return rotationWithTwoFingers_; }
    virtual void setRotationWithTwoFingers(bool enabled) { rotationWithTwoFingers_ = enabled; }
    bool isRotationWithTwoFingers() const { return rotationWithTwoFingers_; }
    // The least room kept free on every side of the content.
    double minOffset() const { return minOffset_; }
    virtual void setMinOffset(double offset) { minOffset_ = offset; }

    // The direction of a view point from the centre, in (0, 360]; the
    // distance from it. Both measure from rotationCenter().
    virtual double angleForPoint(double x, double y) const;
    virtual double distanceToCenter(double x, double y) const;
    // The point at `dist` from `center` in the direction `angle` (degrees).
    virtual Point getPosition(Point center, double dist, double angle) const;
    // The smaller side of the content rectangle less the extra offsets.
    virtual double diameter() const;
    // The kinds answer these four: the entry at an angle of the view, the
    // circle's radius, and the room the legend and the labels beside the
    // circle ask for. (The bodies here stop the program.)
    virtual std::int64_t indexForAngle(double angle) const = 0;
    virtual double radius() const = 0;
    virtual double requiredLegendOffset() const = 0;
    virtual double requiredBaseOffset() const = 0;

    // Turns the chart from one angle to another over the duration (seconds),
    // linearly without an easing; a running spin is stopped first.
    virtual void spin(double duration, double fromAngle, double toAngle, EasingFunction easing);
    virtual void spin(double duration, double fromAngle, double toAngle, ChartEasingOption easingOption);
    virtual void spin(double duration, double fromAngle, double toAngle);
    virtual void stopSpinAnimation();
    bool isSpinning() const { return spinAnimator_ != nullptr; }

    virtual void stopDeceleration();
    bool isDecelerating() const { return decelerationDisplayLink_ != nullptr; }
    // Degrees per second; negative counter-clockwise.
    double decelerationAngularVelocity() const { return decelerationAngularVelocity_; }
    // Whether the drag in progress has become a rotation.
    bool isRotating() const { return isRotating_; }

    // The gestures as the recognisers report them (view pixels). A click
    // highlights what it lands on, or clears the highlight; the rotation is
    // the gesture's turn since it began, in radians, counter-clockwise on
    // screen positive.
    virtual void tapGestureRecognized(const GestureStep& step);
    virtual void rotationGestureRecognized(GestureState state, double rotationRadians);

    // The mouse as the rotation reads it: view coordinates and the events'
    // timestamps (milliseconds), for the click recogniser.
    virtual void mouseDown(Point location, std::uint64_t timestamp);
    virtual void mouseDragged(Point location, std::uint64_t timestamp);
    virtual void mouseUp(Point location, std::uint64_t timestamp);

    // ChartViewBase.
    void notifyDataSetChanged() override;
    void calculateOffsets() override;
    void calcMinMax() override {}
    int maxVisibleCount() const override;
    double chartYMax() const override { return 0; }
    double chartYMin() const override { return 0; }

protected:
    void initialize() override;

    // The point angles and distances are measured from: the content's
    // centre here.
    virtual Point rotationCenter() const { return centerOffsets(); }
    // The least offset of the content on every side: minOffset here.
    virtual double leastContentOffset() const { return minOffset_; }
    // The angle a click is resolved at, from the clicked point's angle.
    virtual double highlightAngle(double angle) const { return angle; }
    friend class PieRadarHighlighter;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    void sampleVelocity(Point touchLocation);
    void startDeceleration();
    void decelerationLoop();
    void handleNativeGesture(QNativeGestureEvent* event);
    // A drag left unfinished (the window lost the pointer): no click, no
    // flick.
    void cancelDrag();

    double rotationAngle_ = 270;
    double rawRotationAngle_ = 270;
    bool rotationEnabled_ = true;
    double minOffset_ = 0;
    bool rotationWithTwoFingers_ = false;
    GestureTracker clicks_;
    std::shared_ptr<Animator> spinAnimator_;
    std::optional<Point> rotationGestureStartPoint_;
    bool isRotating_ = false;
    // None while the drag has not yet been at a point with an angle.
    std::optional<double> startAngle_;
    std::vector<AngularVelocitySample> velocitySamples_;
    double decelerationLastTime_ = 0;
    std::unique_ptr<DisplayLink> decelerationDisplayLink_;
    double decelerationAngularVelocity_ = 0;
    // The native rotation gesture's turn so far, in radians.
    double nativeRotation_ = 0;
};

} // namespace charts
