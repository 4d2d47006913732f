#include "Charts/views/GestureTracker.h"

#include <cmath>

namespace charts {

void PanVelocityTracker::add(Point position, std::uint64_t timestamp) {
    // Events out of order (a clock stepping back) start the window afresh.
    if (!samples_.empty() && timestamp < samples_.back().timestamp) samples_.clear();
    samples_.push_back(Sample{position, timestamp});
    while (samples_.size() > 1 && timestamp - samples_.front().timestamp > window) samples_.pop_front();
}

Point PanVelocityTracker::velocity() const {
    if (samples_.size() < 2) return Point{};
    const Sample& first = samples_.front();
    const Sample& last = samples_.back();
    if (last.timestamp == first.timestamp) return Point{};
    const double seconds = static_cast<double>(last.timestamp - first.timestamp) / 1000.0;
    return Point{(last.position.x - first.position.x) / seconds, (last.position.y - first.position.y) / seconds};
}

void GestureTracker::setPanEnabled(bool enabled) {
    if (panEnabled_ == enabled) return;
    if (!enabled && panning_) cancel();
    panEnabled_ = enabled;
}

void GestureTracker::press(Point position, std::uint64_t timestamp) { startPress(position, timestamp, false); }

void GestureTracker::doubleClick(Point position, std::uint64_t timestamp) { startPress(position, timestamp, true); }

void GestureTracker::startPress(Point position, std::uint64_t timestamp, bool doubleClick) {
    // A press while a pan runs (a second button) ends nothing; it is ignored.
    if (pressed_) return;
    pressed_ = true;
    panning_ = false;
    pressIsDoubleClick_ = doubleClick;
    pressPosition_ = position;
    lastPosition_ = position;
    velocity_.clear();
    velocity_.add(position, timestamp);
}

void GestureTracker::move(Point position, std::uint64_t timestamp) {
    if (!pressed_) return;
    lastPosition_ = position;
    velocity_.add(position, timestamp);
    if (!panning_) {
        const double distance = std::hypot(position.x - pressPosition_.x, position.y - pressPosition_.y);
        if (!panEnabled_ || !(distance >= panThreshold)) return;
        panning_ = true;
        emitPan(GestureState::began, position);
        return;
    }
    emitPan(GestureState::changed, position);
}

void GestureTracker::release(Point position, std::uint64_t timestamp) {
    if (!pressed_) return;
    pressed_ = false;
    lastPosition_ = position;
    velocity_.add(position, timestamp);
    if (panning_) {
        panning_ = false;
        emitPan(GestureState::ended, position);
        return;
    }
    GestureStep step;
    step.state = GestureState::ended;
    step.location = position;
    if (pressIsDoubleClick_ && doubleTapEnabled_) {
        // The first click of the pair was reported as a click at its own
        // release; this release only completes the double click.
        if (onDoubleTap) onDoubleTap(step);
        return;
    }
    if (tapEnabled_ && onTap) onTap(step);
}

void GestureTracker::cancel() {
    if (!pressed_) return;
    pressed_ = false;
    if (!panning_) return;
    panning_ = false;
    emitPan(GestureState::cancelled, lastPosition_);
}

void GestureTracker::emitPan(GestureState state, Point position) {
    if (!onPan) return;
    GestureStep step;
    step.state = state;
    step.location = position;
    step.translation = Point{position.x - pressPosition_.x, position.y - pressPosition_.y};
    if (state == GestureState::ended) step.velocity = velocity_.velocity();
    onPan(step);
}

} // namespace charts
