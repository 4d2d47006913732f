#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "Charts/foundation/Animator.h"
#include "tests/support/chart_environment.h"

namespace charts {
namespace {

using testing::ManualMediaClock;

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
        clock.tick();
    }
};

TEST_F(AnimatorTest, LinearPhasesEndExactlyAtOneWithOneStop) {
    animator->animate(2, 4);
    EXPECT_EQ(animator->phaseX(), 0);
    EXPECT_EQ(animator->phaseY(), 0);
    EXPECT_EQ(clock.runningLinks(), 1u);
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
    EXPECT_EQ(clock.runningLinks(), 0u);
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
    EXPECT_EQ(clock.runningLinks(), 1u);
}

TEST_F(AnimatorTest, ASingleAxisJoinsTheRunningLinkAndTheLaterEnd) {
    animator->animate(0, 3);
    tickAt(101);
    animator->animateXAxis(1);
    EXPECT_EQ(animator->phaseX(), 0);
    EXPECT_EQ(clock.runningLinks(), 1u);
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

TEST_F(AnimatorTest, DestroyingARunningAnimatorReportsItsStop) {
    animator->animate(1, 1);
    tickAt(100.5);
    recorder->events.clear();
    animator.reset();
    EXPECT_EQ(recorder->events, "uUsS");
    EXPECT_EQ(recorder->phases.back(), (std::pair<double, double>{1.0, 1.0}));
    EXPECT_EQ(clock.runningLinks(), 0u);
}

TEST_F(AnimatorTest, AnOwnerDestroyingItInsideATickIsSafe) {
    animator->setUpdateBlock([this] { animator.reset(); });
    animator->animate(1, 1);
    tickAt(102);
    EXPECT_EQ(animator, nullptr);
    EXPECT_EQ(clock.runningLinks(), 0u);
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

// The owner may destroy the animator inside any of its reports. Each row
// destroys it in one report on one path and checks that only the stop of a
// still running animation follows, reported by the destruction, and nothing
// of the animator is touched (AddressSanitizer sees a read of the freed
// animator or of a block freed with it).
class AnimatorDestroyedInsideAReport : public ChartAnimatorDelegate {
public:
    std::unique_ptr<Animator> animator = std::make_unique<Animator>();
    std::string events;
    char destroyOn = 0;
    char lastBlock = 0; // what the last block read after its report

    void animatorUpdated(Animator&) override { note('u'); }
    void animatorStopped(Animator&) override { note('s'); }

    // Blocks that read what they hold after the report that destroys the
    // animator, as a capturing owner's block would.
    void installBlocks() {
        animator->setUpdateBlock([this, tag = std::make_shared<const char>('U')] {
            note(*tag);
            lastBlock = *tag;
        });
        animator->setStopBlock([this, tag = std::make_shared<const char>('S')] {
            note(*tag);
            lastBlock = *tag;
        });
    }

private:
    void note(char event) {
        events += event;
        if (event == destroyOn) animator.reset();
    }
};

TEST(AnimatorOwner, DestroyingItInsideAnyReportEndsTheReports) {
    enum class Path { tickMidway, lastTick, stopCall, restart };
    const struct {
        const char* what;
        char destroyOn;
        Path path;
        std::string events; // up to the destroying report, then the destruction's
    } cases[] = {
        {"update delegate on a tick", 'u', Path::tickMidway, "u" "uUsS"},
        {"update block on a tick", 'U', Path::tickMidway, "uU" "uUsS"},
        {"update delegate on the last tick", 'u', Path::lastTick, "u" "sS"},
        {"stop delegate on the last tick", 's', Path::lastTick, "uUs"},
        {"stop block on the last tick", 'S', Path::lastTick, "uUsS"},
        {"update delegate in stop()", 'u', Path::stopCall, "u"},
        {"update block in stop()", 'U', Path::stopCall, "uU"},
        {"stop delegate in stop()", 's', Path::stopCall, "uUs"},
        {"stop block in stop()", 'S', Path::stopCall, "uUsS"},
        {"update block in the stop of a restart", 'U', Path::restart, "uU"},
        {"stop block in the stop of a restart", 'S', Path::restart, "uUsS"},
    };
    for (const auto& c : cases) {
        ManualMediaClock clock{10};
        auto owner = std::make_shared<AnimatorDestroyedInsideAReport>();
        owner->animator->setDelegate(owner);
        owner->installBlocks();
        owner->animator->animate(2, 2);
        owner->destroyOn = c.destroyOn;
        switch (c.path) {
        case Path::tickMidway:
            clock.set(11);
            clock.tick();
            break;
        case Path::lastTick:
            clock.set(12);
            clock.tick();
            break;
        case Path::stopCall: owner->animator->stop(); break;
        case Path::restart: owner->animator->animate(3, 3); break;
        }
        EXPECT_EQ(owner->animator, nullptr) << c.what;
        EXPECT_EQ(owner->events, c.events) << c.what;
        EXPECT_EQ(clock.runningLinks(), 0u) << c.what;
        // Later ticks reach no one.
        clock.set(20);
        clock.tick();
        EXPECT_EQ(owner->events, c.events) << c.what;
    }
}

} // namespace
} // namespace charts
