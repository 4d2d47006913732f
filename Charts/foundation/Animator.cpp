#include "Charts/foundation/Animator.h"

#include <algorithm>

#include "Charts/foundation/MediaClock.h"

namespace charts {

Animator::Animator() = default;

Animator::~Animator() {
    stop();
    // A report above may have started a new animation; its link goes with
    // the animator, unreported.
    *alive_ = false;
    displayLink_.reset();
}

// The owner may destroy the animator inside any report. So a block runs from
// a copy (destroying the animator frees the stored one), and nothing of the
// animator is read after a report unless `alive` still holds.
bool Animator::report(void (ChartAnimatorDelegate::*tell)(Animator&), Block Animator::*block) {
    const std::shared_ptr<bool> alive = alive_;
    if (const std::shared_ptr<ChartAnimatorDelegate> delegate = delegate_.lock()) ((*delegate).*tell)(*this);
    if (!*alive) return false;
    if (this->*block) {
        const Block run = this->*block;
        run();
    }
    return *alive;
}

bool Animator::reportUpdate() { return report(&ChartAnimatorDelegate::animatorUpdated, &Animator::updateBlock_); }

bool Animator::reportStop() { return report(&ChartAnimatorDelegate::animatorStopped, &Animator::stopBlock_); }

void Animator::stop() {
    if (!displayLink_) return;
    displayLink_->stop();
    displayLink_.reset();
    enabledX_ = false;
    enabledY_ = false;
    if (phaseX_ != 1.0 || phaseY_ != 1.0) {
        setPhaseX(1.0);
        setPhaseY(1.0);
        if (!reportUpdate()) return;
    }
    reportStop();
}

void Animator::startDisplayLink() {
    // The link belongs to this animator and goes with it, so it may call
    // back into it directly.
    displayLink_ = std::make_unique<DisplayLink>([this] { animationLoop(); });
    displayLink_->start();
}

void Animator::animate(double xAxisDuration, double yAxisDuration, EasingFunction easingX, EasingFunction easingY) {
    const std::shared_ptr<bool> alive = alive_;
    stop();
    if (!*alive) return;
    const double now = mediaTime();
    startTimeX_ = now;
    startTimeY_ = now;
    durationX_ = xAxisDuration;
    durationY_ = yAxisDuration;
    endTimeX_ = now + xAxisDuration;
    endTimeY_ = now + yAxisDuration;
    endTime_ = std::max(endTimeX_, endTimeY_);
    enabledX_ = xAxisDuration > 0;
    enabledY_ = yAxisDuration > 0;
    easingX_ = std::move(easingX);
    easingY_ = std::move(easingY);
    updateAnimationPhases(startTimeX_);
    if (!enabledX_ && !enabledY_) return;
    startDisplayLink();
}

void Animator::animate(double xAxisDuration, double yAxisDuration, ChartEasingOption easingOptionX,
                       ChartEasingOption easingOptionY) {
    animate(xAxisDuration, yAxisDuration, easingFunctionForOption(easingOptionX),
            easingFunctionForOption(easingOptionY));
}

void Animator::animate(double xAxisDuration, double yAxisDuration, EasingFunction easing) {
    EasingFunction copy = easing;
    animate(xAxisDuration, yAxisDuration, std::move(copy), std::move(easing));
}

void Animator::animate(double xAxisDuration, double yAxisDuration, ChartEasingOption easingOption) {
    animate(xAxisDuration, yAxisDuration, easingFunctionForOption(easingOption));
}

void Animator::animateXAxis(double duration, EasingFunction easing) {
    const double now = mediaTime();
    startTimeX_ = now;
    durationX_ = duration;
    endTimeX_ = now + duration;
    endTime_ = std::max(endTimeX_, endTimeY_);
    enabledX_ = duration > 0;
    easingX_ = std::move(easing);
    updateAnimationPhases(startTimeX_);
    if (!enabledX_ && !enabledY_) return;
    if (displayLink_) return;
    startDisplayLink();
}

void Animator::animateXAxis(double duration, ChartEasingOption easingOption) {
    animateXAxis(duration, easingFunctionForOption(easingOption));
}

void Animator::animateYAxis(double duration, EasingFunction easing) {
    const double now = mediaTime();
    startTimeY_ = now;
    durationY_ = duration;
    endTimeY_ = now + duration;
    endTime_ = std::max(endTimeY_, endTimeX_);
    enabledY_ = duration > 0;
    easingY_ = std::move(easing);
    updateAnimationPhases(startTimeY_);
    if (!enabledX_ && !enabledY_) return;
    if (displayLink_) return;
    startDisplayLink();
}

void Animator::animateYAxis(double duration, ChartEasingOption easingOption) {
    animateYAxis(duration, easingFunctionForOption(easingOption));
}

void Animator::updateAnimationPhases(double currentTime) {
    if (enabledX_) {
        const double elapsed = std::min(currentTime - startTimeX_, durationX_);
        setPhaseX(easingX_ ? easingX_(elapsed, durationX_) : elapsed / durationX_);
    }
    if (enabledY_) {
        const double elapsed = std::min(currentTime - startTimeY_, durationY_);
        setPhaseY(easingY_ ? easingY_(elapsed, durationY_) : elapsed / durationY_);
    }
}

void Animator::animationLoop() {
    const double currentTime = mediaTime();
    updateAnimationPhases(currentTime);
    if (!reportUpdate()) return;
    if (currentTime >= endTime_) stop();
}

} // namespace charts
