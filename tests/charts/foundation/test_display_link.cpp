#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <memory>
#include <vector>

#include "Charts/foundation/DisplayLink.h"
#include "tests/support/chart_environment.h"

namespace charts {
namespace {

using testing::ManualMediaClock;

TEST(MediaClock, ManualClocksReplaceTheSteadyOneWhileTheyLive) {
    const double before = mediaTime();
    {
        ManualMediaClock clock(5);
        EXPECT_EQ(mediaTime(), 5);
        clock.advance(0.25);
        EXPECT_EQ(mediaTime(), 5.25);
        {
            ManualMediaClock inner(100);
            EXPECT_EQ(mediaTime(), 100);
        }
        EXPECT_EQ(mediaTime(), 5.25);
    }
    EXPECT_GE(mediaTime(), before);
}

TEST(DisplayLink, TicksReachRunningLinksWithTheirTime) {
    ManualMediaClock clock(10);
    int ticks = 0;
    DisplayLink link([&] { ++ticks; });
    EXPECT_FALSE(link.isRunning());
    EXPECT_EQ(link.timestamp(), 0);
    clock.tick();
    EXPECT_EQ(ticks, 0);

    link.start();
    link.start(); // a second start changes nothing
    EXPECT_EQ(clock.runningLinks(), 1u);
    clock.tick();
    clock.advance(0.016);
    clock.tick();
    EXPECT_EQ(ticks, 2);
    EXPECT_DOUBLE_EQ(link.timestamp(), 10.016);

    link.stop();
    clock.tick();
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(clock.runningLinks(), 0u);
}

struct Target {
    int ticks = 0;
    void tick() { ++ticks; }
};

TEST(DisplayLink, AReleasedTargetGetsNothingWhileTheLinkRunsOn) {
    ManualMediaClock clock;
    auto target = std::make_shared<Target>();
    std::unique_ptr<DisplayLink> link = DisplayLink::forTarget(std::weak_ptr<Target>(target), &Target::tick);
    link->start();
    clock.tick();
    EXPECT_EQ(target->ticks, 1);
    target.reset();
    clock.tick();
    EXPECT_TRUE(link->isRunning());
    link.reset();
    EXPECT_EQ(clock.runningLinks(), 0u);
}

// An owner stops its link in its destructor, so no tick reaches an owner
// that is being destroyed, even when the owner is destroyed from a tick.
struct Owner {
    explicit Owner(std::vector<int>& log, int id) : log_(log), id_(id), link_([this] { log_.push_back(id_); }) {
        link_.start();
    }
    std::vector<int>& log_;
    int id_;
    DisplayLink link_;
};

TEST(DisplayLink, LinksMayGoAwayDuringATick) {
    ManualMediaClock clock;
    std::vector<int> log;
    auto first = std::make_unique<Owner>(log, 1);
    auto second = std::make_unique<Owner>(log, 2);
    std::unique_ptr<DisplayLink> late;

    // A link that destroys itself, another one and starts a new one while it ticks.
    auto self = std::make_unique<DisplayLink>(nullptr);
    self = std::make_unique<DisplayLink>([&] {
        log.push_back(0);
        second.reset();
        late = std::make_unique<DisplayLink>([&] { log.push_back(3); });
        late->start();
        self.reset();
    });
    // Order of start: first, self, second.
    first->link_.stop();
    first->link_.start();
    self->start();
    second->link_.stop();
    second->link_.start();

    clock.tick();
    EXPECT_EQ(log, (std::vector<int>{1, 0})); // second gone, late waits for the next round
    EXPECT_EQ(self, nullptr);
    log.clear();
    clock.tick();
    EXPECT_EQ(log, (std::vector<int>{1, 3}));
    first.reset();
    late.reset();
    EXPECT_EQ(clock.runningLinks(), 0u);
}

// Links started under one refresh source and stopped under another: the first
// hears that none runs for it any more, and the ticks come from the second.
TEST(DisplayLink, RunningLinksMoveToTheSourceInPlaceWhenTheyChange) {
    ManualMediaClock outer;
    int ticks = 0;
    DisplayLink first([&] { ++ticks; });
    DisplayLink second([&] { ticks += 10; });
    first.start();
    EXPECT_EQ(outer.runningLinks(), 1u);
    {
        ManualMediaClock inner;
        second.start();
        EXPECT_EQ(outer.runningLinks(), 0u);
        EXPECT_EQ(inner.runningLinks(), 2u);
        outer.tick();
        EXPECT_EQ(ticks, 0);
        inner.tick();
        EXPECT_EQ(ticks, 11);
        second.stop();
        EXPECT_EQ(inner.runningLinks(), 1u);
    }
    // The inner source still holds the running link until the next change.
    first.stop();
    EXPECT_EQ(outer.runningLinks(), 0u);
    first.start();
    EXPECT_EQ(outer.runningLinks(), 1u);
    outer.tick();
    EXPECT_EQ(ticks, 12);
    first.stop();
}

TEST(DisplayLink, ThePrecisionTimerTicksOnTheMainThread) {
    ASSERT_NE(QCoreApplication::instance(), nullptr);
    int ticks = 0;
    bool onMainThread = true;
    DisplayLink link([&] {
        ++ticks;
        onMainThread = onMainThread && QThread::currentThread() == QCoreApplication::instance()->thread();
    });
    link.start();
    QElapsedTimer waited;
    waited.start();
    while (ticks < 3 && waited.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    link.stop();
    EXPECT_GE(ticks, 3);
    EXPECT_TRUE(onMainThread);
    EXPECT_EQ(DisplayLink::intervalMilliseconds, 16);
}

} // namespace
} // namespace charts
