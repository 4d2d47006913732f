#pragma once
#include <functional>
#include <memory>

#include "Charts/foundation/DisplayLink.h"
#include "Charts/foundation/Easing.h"

namespace charts {

class Animator;

// Told of every phase update and of the stop of an animation.
class ChartAnimatorDelegate {
public:
    virtual ~ChartAnimatorDelegate() = default;
    virtual void animatorUpdated(Animator& animator) = 0;
    virtual void animatorStopped(Animator& animator) = 0;

protected:
    ChartAnimatorDelegate() = default;
    ChartAnimatorDelegate(const ChartAnimatorDelegate&) = default;
    ChartAnimatorDelegate& operator=(const ChartAnimatorDelegate&) = default;
};

// Drives the two animation phases of a chart from 0 towards 1 over a
// duration, shaped by an easing curve (linear without one), stepped by a
// display link on the media clock. Renderers read the phases; the owner
// redraws on every update.
//
// Destroying an animator first stops it: a running animation reports its
// end to the delegate and the blocks that still exist, as stop() does. An
// owner that destroys it while being taken apart detaches itself first. The
// owner may destroy the animator inside any of its reports (delegate or
// block); the animator then touches nothing of itself afterwards.
class Animator {
public:
    using Block = std::function<void()>;

    Animator();
    virtual ~Animator();
    Animator(const Animator&) = delete;
    Animator& operator=(const Animator&) = delete;

    std::shared_ptr<ChartAnimatorDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(std::weak_ptr<ChartAnimatorDelegate> delegate) { delegate_ = std::move(delegate); }
    const Block& updateBlock() const { return updateBlock_; }
    void setUpdateBlock(Block block) { updateBlock_ = std::move(block); }
    const Block& stopBlock() const { return stopBlock_; }
    void setStopBlock(Block block) { stopBlock_ = std::move(block); }

    double phaseX() const { return phaseX_; }
    virtual void setPhaseX(double phase) { phaseX_ = phase; }
    double phaseY() const { return phaseY_; }
    virtual void setPhaseY(double phase) { phaseY_ = phase; }
    bool isRunning() const { return displayLink_ != nullptr; }

    // Ends a running animation: both phases become 1 (reported as an update
    // when one was below), then the stop is reported. Nothing on an idle
    // animator.
    virtual void stop();

    // Both phases from the start; a running animation is stopped (and
    // reported) first. A duration of 0 or less leaves that axis alone.
    virtual void animate(double xAxisDuration, double yAxisDuration, EasingFunction easingX, EasingFunction easingY);
    virtual void animate(double xAxisDuration, double yAxisDuration, ChartEasingOption easingOptionX,
                         ChartEasingOption easingOptionY);
    virtual void animate(double xAxisDuration, double yAxisDuration, EasingFunction easing = {});
    virtual void animate(double xAxisDuration, double yAxisDuration, ChartEasingOption easingOption);
    // One phase alone: it joins a running animation, which then ends at the
    // later of the two end times.
    virtual void animateXAxis(double duration, EasingFunction easing = {});
    virtual void animateXAxis(double duration, ChartEasingOption easingOption);
    virtual void animateYAxis(double duration, EasingFunction easing = {});
    virtual void animateYAxis(double duration, ChartEasingOption easingOption);

protected:
    virtual void updateAnimationPhases(double currentTime);
    // One tick of the display link.
    virtual void animationLoop();

private:
    void startDisplayLink();
    // The delegate, then the block; false when a report destroyed the
    // animator (nothing of it may be touched then).
    bool reportUpdate();
    bool reportStop();
    bool report(void (ChartAnimatorDelegate::*tell)(Animator&), Block Animator::*block);

    std::weak_ptr<ChartAnimatorDelegate> delegate_;
    Block updateBlock_;
    Block stopBlock_;
    double phaseX_ = 1.0;
    double phaseY_ = 1.0;
    double startTimeX_ = 0;
    double startTimeY_ = 0;
    std::unique_ptr<DisplayLink> displayLink_;
    double durationX_ = 0;
    double durationY_ = 0;
    double endTimeX_ = 0;
    double endTimeY_ = 0;
    double endTime_ = 0;
    bool enabledX_ = false;
    bool enabledY_ = false;
    EasingFunction easingX_;
    EasingFunction easingY_;
    // False once the destructor has begun: a tick whose callbacks destroyed
    // the animator returns without touching it.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

} // namespace charts
