#pragma once
#include <cstdint>
#include <deque>
#include <functional>

#include "Charts/drawing/Geometry.h"

namespace charts {

// The states a chart's gestures go through, as its handlers expect them.
enum class GestureState { began, changed, ended, cancelled };

// One step of a gesture, in view pixels. `translation` is the pointer's
// movement since the press; `velocity` (pixels per second) is set at the end
// of a pan; `magnification` is the pinch's change since the previous step.
struct GestureStep {
    GestureState state = GestureState::ended;
    Point location;
    Point translation;
    Point velocity;
    double magnification = 0;
};

// The pointer's velocity over its most recent samples: the movement between
// the oldest and the newest sample of the last `window` milliseconds,
// divided by the time between them. Timestamps are the events' own, in
// milliseconds, so a loaded machine that delivers events late does not
// distort the speed.
class PanVelocityTracker {
public:
    static constexpr std::uint64_t window = 100;

    void clear() { samples_.clear(); }
    void add(Point position, std::uint64_t timestamp);
    // Points per second; (0, 0) without two samples apart in time.
    Point velocity() const;

private:
    struct Sample {
        Point position;
        std::uint64_t timestamp = 0;
    };
    std::deque<Sample> samples_;
};

// Turns the raw pointer events of one view (left button press, move,
// release, double click, cancel) into the chart's click, double-click and
// pan gestures:
// - a click is a release with no pan since the press;
// - a double click (the platform's double-click event, which takes the place
//   of the second press) acts on the release that follows it, and that
//   release is not also a click: the first click of the pair was one already;
// - a pan begins once the pointer is `panThreshold` pixels or more from the
//   press point, changes with each move, ends at the release with the
//   velocity of the last 100 ms, and is cancelled by cancel() (Escape, or the
//   view losing the pointer). A pan also swallows the click or double click
//   of its press.
// A disabled gesture is not recognised; a disabled double click leaves its
// release to the click.
class GestureTracker {
public:
    static constexpr double panThreshold = 3.0;

    std::function<void(const GestureStep&)> onTap;
    std::function<void(const GestureStep&)> onDoubleTap;
    std::function<void(const GestureStep&)> onPan;

    void setTapEnabled(bool enabled) { tapEnabled_ = enabled; }
    bool isTapEnabled() const { return tapEnabled_; }
    void setDoubleTapEnabled(bool enabled) { doubleTapEnabled_ = enabled; }
    bool isDoubleTapEnabled() const { return doubleTapEnabled_; }
    // Disabling a pan in progress cancels it.
    void setPanEnabled(bool enabled);
    bool isPanEnabled() const { return panEnabled_; }

    void press(Point position, std::uint64_t timestamp);
    void doubleClick(Point position, std::uint64_t timestamp);
    void move(Point position, std::uint64_t timestamp);
    void release(Point position, std::uint64_t timestamp);
    void cancel();

    bool isPressed() const { return pressed_; }
    bool isPanning() const { return panning_; }

private:
    void startPress(Point position, std::uint64_t timestamp, bool doubleClick);
    void emitPan(GestureState state, Point position);

    bool tapEnabled_ = true;
    bool doubleTapEnabled_ = true;
    bool panEnabled_ = true;
    bool pressed_ = false;
    bool panning_ = false;
    bool pressIsDoubleClick_ = false;
    Point pressPosition_;
    Point lastPosition_;
    PanVelocityTracker velocity_;
};

} // namespace charts
