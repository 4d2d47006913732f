#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "Charts/foundation/Animator.h"
#include "Charts/foundation/MediaClock.h"

namespace charts {
namespace {

// Every report of an animator, in order: 'u' an update, 's' a stop, from the
// delegate; 'U' and 'S' from the blocks.
class Recorder : public ChartAnimatorDelegate {
public:
    std::string events;
    std::vector<std::pair<double, double>> phases;
    void animatorUpdated(Animator& animator) override {
        events += 'u';
        phases.emplace_back(animator.phaseX(), animator.phaseY());
    }
    void animatorStopped(Animator&) override { events += 's'; }
};

class AnimatorTest : public ::testing::Test {
protected:
    ManualMediaClock clock{100};
    std::shared_ptr<Recorder> recorder = std::make_shared<Recorder>();
    std::unique_ptr<Animator> animator = std::make_unique<Animator>();

    AnimatorTest() {
        animator->setDelegate(recorder);
        animator->setUpdateBlock([this] { recorder->events += 'U'; });
        animator->setStopBlock([this] { recorder->events += 'S'; });
    }
    void tickAt(double time) {
        clock.set(time);
        DisplayLink::tickAllRunning();
    }
};

TEST_F(AnimatorTest, LinearPhasesEndExactlyAtOneWithOneStop) {
    animator->animate(2, 4);
    EXPECT_EQ(animator->phaseX(), 0);
    EXPECT_EQ(animator->phaseY(), 0);
    EXPECT_EQ(DisplayLink::runningCount(), 1u);
    tickAt(101);
    EXPECT_EQ(animator->phaseX(), 0.5);
    EXPECT_EQ(animator->phaseY(), 0.25);
    tickAt(102.5);
    EXPECT_EQ(animator->phaseX(), 1.0);
    EXPECT_EQ(animator->phaseY(), 0.625);
    tickAt(104.25);
    EXPECT_EQ(animator->phaseY(), 1.0);
    // The last tick reports the clamped phases; the stop then reports no
    // second update, as both phases are already 1.
    EXPECT_EQ(recorder->events, "uUuUuUsS");
    EXPECT_EQ(recorder->phases.back(), (std::pair<double, double>{1.0, 1.0}));
    EXPECT_FALSE(animator->isRunning());
    EXPECT_EQ(DisplayLink::runningCount(), 0u);
    tickAt(110);
    EXPECT_EQ(recorder->events, "uUuUuUsS");
}

TEST_F(AnimatorTest, ZeroDurationsStartNothing) {
    animator->setPhaseX(0.3);
    animator->animate(0, 0);
    EXPECT_EQ(recorder->events, "");
    EXPECT_EQ(animator->phaseX(), 0.3);
    EXPECT_FALSE(animator->isRunning());
    // On a running animator they end it, reporting the stop.
    animator->animate(1, 1);
    tickAt(100.5);
    recorder->events.clear();
    animator->animate(0, -1);
    EXPECT_EQ(recorder->events, "uUsS");
    EXPECT_EQ(animator->phaseX(), 1.0);
    EXPECT_EQ(animator->phaseY(), 1.0);
    EXPECT_FALSE(animator->isRunning());
}

TEST_F(AnimatorTest, RestartingReportsTheStopOfTheRunningAnimation) {
    animator->animate(1, 1);
    tickAt(100.25);
    recorder->events.clear();
    animator->animate(2, 2, ChartEasingOption::easeInQuad);
    EXPECT_EQ(recorder->events, "uUsS");
    EXPECT_EQ(animator->phaseX(), 0);
    tickAt(101.25);
    EXPECT_EQ(animator->phaseX(), 0.25);
    EXPECT_EQ(DisplayLink::runningCount(), 1u);
}

TEST_F(AnimatorTest, ASingleAxisJoinsTheRunningLinkAndTheLaterEnd) {
    animator->animate(0, 3);
    tickAt(101);
    animator->animateXAxis(1);
    EXPECT_EQ(animator->phaseX(), 0);
    EXPECT_EQ(DisplayLink::runningCount(), 1u);
    tickAt(102);
    EXPECT_EQ(animator->phaseX(), 1.0);
    EXPECT_TRUE(animator->isRunning());
    tickAt(103);
    EXPECT_EQ(animator->phaseY(), 1.0);
    EXPECT_FALSE(animator->isRunning());
    EXPECT_EQ(std::count(recorder->events.begin(), recorder->events.end(), 's'), 1);
    // A single axis on an idle animator starts its own link.
    animator->animateYAxis(2, ChartEasingOption::linear);
    EXPECT_TRUE(animator->isRunning());
    tickAt(104);
    EXPECT_EQ(animator->phaseY(), 0.5);
}

TEST_F(AnimatorTest, EasedPhasesPassUnclamped) {
    animator->animate(1, 1, ChartEasingOption::easeOutBack);
    tickAt(100.6);
    EXPECT_GT(animator->phaseX(), 1.0);
    animator->animate(1, 1, [](double, double) { return 0.9; });
    tickAt(200);
    // The last tick reports the easing's 0.9; the stop lifts it to 1.
    EXPECT_EQ(recorder->phases.end()[-2], (std::pair<double, double>{0.9, 0.9}));
    EXPECT_EQ(recorder->phases.back(), (std::pair<double, double>{1.0, 1.0}));
}

TEST_F(AnimatorTest, StopOnAnIdleAnimatorReportsNothing) {
    animator->stop();
    EXPECT_EQ(recorder->events, "");
}

TEST_F(AnimatorTest, DestroyingARunningAnimatorCallsNoOneBack) {
    animator->animate(1, 1);
    tickAt(100.5);
    recorder->events.clear();
    animator.reset();
    EXPECT_EQ(recorder->events, "");
    EXPECT_EQ(DisplayLink::runningCount(), 0u);
}

TEST_F(AnimatorTest, AnOwnerDestroyingItInsideATickIsSafe) {
    animator->setUpdateBlock([this] { animator.reset(); });
    animator->animate(1, 1);
    tickAt(102);
    EXPECT_EQ(animator, nullptr);
    EXPECT_EQ(DisplayLink::runningCount(), 0u);
}

TEST_F(AnimatorTest, AGoneDelegateIsSkipped) {
    animator->animate(1, 1);
    recorder->events.clear();
    const std::weak_ptr<Recorder> gone = recorder;
    std::string blocks;
    animator->setUpdateBlock([&blocks] { blocks += 'U'; });
    animator->setStopBlock([&blocks] { blocks += 'S'; });
    recorder.reset();
    EXPECT_TRUE(gone.expired());
    tickAt(101);
    EXPECT_EQ(blocks, "US");
}

} // namespace
} // namespace charts
