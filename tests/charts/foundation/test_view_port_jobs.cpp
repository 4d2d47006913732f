#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "Charts/foundation/ViewPortJob.h"
#include "tests/charts/support/fake_chart_view.h"
#include "tests/support/chart_environment.h"

namespace charts {
namespace {

using testing::FakeChartView;
using testing::ManualMediaClock;

// A 100 x 100 chart of values 0..10 both ways: value (x, y) lies at pixel
// (10 x, 100 - 10 y) before zooming.
class JobTest : public ::testing::Test {
protected:
    ManualMediaClock clock{50};
    std::shared_ptr<ViewPortHandler> handler = ViewPortHandler::create(100, 100);
    std::shared_ptr<Transformer> transformer = std::make_shared<Transformer>(handler);
    std::shared_ptr<FakeChartView> view = std::make_shared<FakeChartView>();

    JobTest() {
        transformer->prepareMatrixValuePx(0, 10, 10, 0);
        transformer->prepareMatrixOffset(false);
        view->x->calculate(0, 10);
        view->left->setAxisMinimum(0);
        view->left->setAxisMaximum(10);
    }
    void tickAt(double time) {
        clock.set(time);
        clock.tick();
    }
    Point topLeftValue() const { return transformer->valueForTouchPoint(0, 0); }
};

// Records its phases and end calls.
class RecordingJob : public AnimatedViewPortJob {
public:
    using AnimatedViewPortJob::AnimatedViewPortJob;
    std::vector<double> phases;
    int ends = 0;

protected:
    void animationUpdate() override { phases.push_back(phase()); }
    void animationEnd() override { ++ends; }
};

TEST_F(JobTest, MoveCentresThePixelOfTheValuePoint) {
    handler->refresh(AffineTransform::makeScale(2, 2), nullptr, false);
    MoveViewJob(handler, 5, 5, transformer, view).doJob();
    EXPECT_EQ(handler->transX(), -100);
    EXPECT_EQ(handler->transY(), 0);
    EXPECT_FALSE(view->redisplayed.empty());
}

TEST_F(JobTest, AJobWhoseTargetsAreGoneDoesNothing) {
    handler->refresh(AffineTransform::makeScale(2, 2), nullptr, false);
    const AffineTransform before = handler->touchMatrix();
    MoveViewJob job(handler, 5, 5, transformer, view);
    view.reset();
    job.doJob();
    EXPECT_EQ(handler->touchMatrix(), before);
    auto otherView = std::make_shared<FakeChartView>();
    MoveViewJob noTransformer(handler, 5, 5, std::weak_ptr<Transformer>(), otherView);
    noTransformer.doJob();
    EXPECT_EQ(handler->touchMatrix(), before);
    EXPECT_TRUE(otherView->redisplayed.empty());
}

TEST_F(JobTest, ZoomScalesThenCentresTheValuePoint) {
    ZoomViewJob(handler, 2, 2, 5, 5, transformer, YAxis::AxisDependency::left, view).doJob();
    EXPECT_EQ(handler->scaleX(), 2);
    EXPECT_EQ(handler->scaleY(), 2);
    // The visible range is 2.5 .. 7.5 both ways, centred on (5, 5).
    EXPECT_EQ(topLeftValue(), (Point{2.5, 7.5}));
    EXPECT_EQ(view->offsetCalculations, 1);
    EXPECT_EQ(view->redisplayed.back(), view->viewBounds);
}

TEST_F(JobTest, AnAnimatedJobEndsAtPhaseOneAndEndsOnce) {
    const struct {
        const char* what;
        EasingFunction easing;
        std::vector<double> phases;
    } cases[] = {
        {"linear", {}, {0.25, 1.0}},
        // An easing that ends below 1: the stop draws the final state at 1.
        {"ends low", [](double e, double d) { return 0.9 * e / d; }, {0.225, 0.9, 1.0}},
        {"ends high", [](double e, double d) { return 1.1 * e / d; }, {0.275, 1.1, 1.0}},
    };
    for (const auto& c : cases) {
        auto job = std::make_shared<RecordingJob>(handler, 5, 5, transformer, view, 0, 0, 2, c.easing);
        job->doJob();
        EXPECT_EQ(job->phase(), 0) << c.what;
        EXPECT_TRUE(job->phases.empty()) << c.what;
        tickAt(50.5);
        EXPECT_TRUE(job->isRunning());
        tickAt(52.5);
        EXPECT_EQ(job->phases, c.phases) << c.what;
        EXPECT_EQ(job->phase(), 1.0) << c.what;
        EXPECT_EQ(job->ends, 1) << c.what;
        EXPECT_FALSE(job->isRunning());
        clock.set(50);
    }
}

TEST_F(JobTest, StoppingWithoutFinishingCallsNeitherHook) {
    auto job = std::make_shared<RecordingJob>(handler, 5, 5, transformer, view, 0, 0, 2, EasingFunction{});
    job->stop(true); // never started: nothing
    EXPECT_EQ(job->ends, 0);
    job->start();
    tickAt(51);
    job->stop(false);
    EXPECT_EQ(job->phase(), 0.5);
    EXPECT_EQ(job->phases, (std::vector<double>{0.5}));
    EXPECT_EQ(job->ends, 0);
    EXPECT_EQ(clock.runningLinks(), 0u);
    // A duration of 0 jumps to the end at the first tick.
    auto instant = std::make_shared<RecordingJob>(handler, 5, 5, transformer, view, 0, 0, 0, EasingFunction{});
    instant->start();
    EXPECT_EQ(instant->phase(), 1.0);
    tickAt(51);
    EXPECT_EQ(instant->ends, 1);
}

TEST_F(JobTest, AnimatedMoveArrivesWhereAPlainMoveGoes) {
    handler->refresh(AffineTransform::makeScale(2, 2), nullptr, false);
    auto job = std::make_shared<AnimatedMoveViewJob>(handler, 5, 5, transformer, view, 0, 5, 1, EasingFunction{});
    job->doJob();
    tickAt(51);
    EXPECT_EQ(handler->transX(), -100);
}

TEST_F(JobTest, AnimatedZoomWithoutAYAxisKeepsTheYCentre) {
    auto job = std::make_shared<AnimatedZoomViewJob>(handler, transformer, view, nullptr, 10, 2, 2, 1, 1, 5, 5, 0, 10,
                                                     1, EasingFunction{});
    job->doJob();
    tickAt(50.5);
    EXPECT_EQ(handler->scaleX(), 1.5);
    tickAt(51);
    EXPECT_EQ(handler->scaleX(), 2);
    // x: 5 - 5 / 2 at the left edge; y: the top edge stays at zoomCenterY.
    EXPECT_EQ(topLeftValue(), (Point{2.5, 5}));
    EXPECT_EQ(view->offsetCalculations, 1);
    EXPECT_EQ(view->redisplayed.back(), view->viewBounds);
}

TEST_F(JobTest, AJobNoOneKeepsStopsAtOnce) {
    auto job = std::make_shared<RecordingJob>(handler, 5, 5, transformer, view, 0, 0, 1, EasingFunction{});
    job->doJob();
    EXPECT_EQ(clock.runningLinks(), 1u);
    job.reset();
    EXPECT_EQ(clock.runningLinks(), 0u);
}

TEST_F(JobTest, TheKeeperHoldsARunningJobUntilItStopsAndReportsOnce) {
    std::vector<bool> stops;
    AnimatedJobKeeper keeper([&stops](AnimatedViewPortJob&, bool finished) { stops.push_back(finished); });
    auto job = std::make_shared<RecordingJob>(handler, 5, 5, transformer, view, 0, 0, 1, EasingFunction{});
    const std::weak_ptr<RecordingJob> watch = job;
    keeper.run(job);
    job.reset();
    EXPECT_EQ(keeper.runningCount(), 1u);
    tickAt(50.5);
    EXPECT_FALSE(watch.expired());
    EXPECT_EQ(watch.lock()->phases, (std::vector<double>{0.5}));
    tickAt(51);
    EXPECT_EQ(stops, (std::vector<bool>{true}));
    EXPECT_EQ(keeper.runningCount(), 0u);
    EXPECT_TRUE(watch.expired());
    tickAt(52);
    EXPECT_EQ(stops.size(), 1u);

    // Stopped early, it is reported unfinished and dropped as well.
    auto early = std::make_shared<RecordingJob>(handler, 5, 5, transformer, view, 0, 0, 1, EasingFunction{});
    keeper.run(early);
    keeper.run(early); // kept once
    EXPECT_EQ(keeper.runningCount(), 1u);
    keeper.stopAll(false);
    EXPECT_EQ(stops, (std::vector<bool>{true, false}));
    EXPECT_EQ(keeper.runningCount(), 0u);
}

TEST_F(JobTest, DestroyingTheKeeperStopsItsJobsSilently) {
    int reports = 0;
    auto keeper = std::make_unique<AnimatedJobKeeper>([&reports](AnimatedViewPortJob&, bool) { ++reports; });
    auto job = std::make_shared<RecordingJob>(handler, 5, 5, transformer, view, 0, 0, 1, EasingFunction{});
    keeper->run(job);
    keeper.reset();
    EXPECT_EQ(reports, 0);
    EXPECT_EQ(job->ends, 0);
    EXPECT_FALSE(job->isRunning());
    EXPECT_EQ(clock.runningLinks(), 0u);
}

} // namespace
} // namespace charts

namespace charts {
namespace {

// A view owned by no shared_ptr (as a widget belongs to its parent) still
// hands jobs a weak reference that expires with it.
class UnsharedView : public ChartViewInterface {
public:
    WeakSelf<ChartViewInterface> self{this};
    int redisplays = 0;
    Rect bounds() const override { return Rect(0, 0, 100, 100); }
    void setNeedsDisplay(const Rect&) override { ++redisplays; }
};

TEST_F(JobTest, JobsOfAViewWithoutSharedOwnershipStopWithIt) {
    auto unshared = std::make_unique<UnsharedView>();
    MoveViewJob job(handler, 5, 5, transformer, unshared->self.weak());
    job.doJob();
    EXPECT_EQ(unshared->redisplays, 1);
    const std::weak_ptr<ChartViewInterface> weak = unshared->self.weak();
    unshared.reset();
    EXPECT_TRUE(weak.expired());
    job.doJob(); // does nothing, and touches no freed view
}

} // namespace
} // namespace charts
