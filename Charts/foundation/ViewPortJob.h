#pragma once
#include <functional>
#include <memory>
#include <vector>

#include "Charts/drawing/Geometry.h"
#include "Charts/foundation/ChartViewInterface.h"
#include "Charts/foundation/DisplayLink.h"
#include "Charts/foundation/Easing.h"
#include "Charts/foundation/Transformer.h"
#include "Charts/foundation/ViewPortHandler.h"
#include "Charts/foundation/YAxis.h"

namespace charts {

// A deferred change of a chart's view port: centre on a value point, or zoom
// around one. The chart runs it once it has a size. A job reaches the view
// port, the transformer and the chart only weakly: when any is gone it does
// nothing.
class ViewPortJob {
public:
    ViewPortJob(std::weak_ptr<ViewPortHandler> viewPortHandler, double xValue, double yValue,
                std::weak_ptr<Transformer> transformer, std::weak_ptr<ChartViewInterface> view);
    virtual ~ViewPortJob() = default;
    ViewPortJob(const ViewPortJob&) = delete;
    ViewPortJob& operator=(const ViewPortJob&) = delete;

    virtual void doJob() = 0;

    double xValue() const { return xValue_; }
    double yValue() const { return yValue_; }
    // A spare point; the jobs here do not use it.
    Point point;

protected:
    struct Targets {
        std::shared_ptr<ViewPortHandler> viewPortHandler;
        std::shared_ptr<Transformer> transformer;
        std::shared_ptr<ChartViewInterface> view;
        explicit operator bool() const { return viewPortHandler && transformer && view; }
    };
    Targets targets() const { return Targets{viewPortHandler_.lock(), transformer_.lock(), view_.lock()}; }
    std::shared_ptr<ChartViewInterface> view() const { return view_.lock(); }

private:
    std::weak_ptr<ViewPortHandler> viewPortHandler_;
    double xValue_;
    double yValue_;
    std::weak_ptr<Transformer> transformer_;
    std::weak_ptr<ChartViewInterface> view_;
};

// Centres the view port on the value point's pixel (callers shift the point
// by half the visible range to centre it).
class MoveViewJob : public ViewPortJob {
public:
    using ViewPortJob::ViewPortJob;
    void doJob() override;
};

// Zooms to the scales and then moves so that the value point is centred.
// The chart must have axes (a bar-line chart); another does nothing.
class ZoomViewJob : public ViewPortJob {
public:
    ZoomViewJob(std::weak_ptr<ViewPortHandler> viewPortHandler, double scaleX, double scaleY, double xValue,
                double yValue, std::weak_ptr<Transformer> transformer, YAxis::AxisDependency axis,
                std::weak_ptr<ChartViewInterface> view);
    void doJob() override;

private:
    double scaleX_;
    double scaleY_;
    YAxis::AxisDependency axisDependency_;
};

// A job animated over a duration by a display link on the media clock. The
// final state is drawn at phase exactly 1, and animationEnd() runs once,
// when it reaches its end time. Destroying a job stops it without calling
// either hook.
//
// Nothing in a chart keeps a running job alive by itself: the chart view
// hands it to an AnimatedJobKeeper, which holds it until it stops.
class AnimatedViewPortJob : public ViewPortJob, public std::enable_shared_from_this<AnimatedViewPortJob> {
public:
    // Told once, when a running job stops (finished or not).
    using StopObserver = std::function<void(AnimatedViewPortJob& job, bool finished)>;

    AnimatedViewPortJob(std::weak_ptr<ViewPortHandler> viewPortHandler, double xValue, double yValue,
                        std::weak_ptr<Transformer> transformer, std::weak_ptr<ChartViewInterface> view, double xOrigin,
                        double yOrigin, double duration, EasingFunction easing);
    ~AnimatedViewPortJob() override;

    // Starts the animation.
    void doJob() override { start(); }
    // Starts (or restarts) the clock; the first visible step comes with the
    // first tick.
    virtual void start();
    // Ends a running job; with finish, the final state at phase 1 and then
    // animationEnd(). Nothing on a job that is not running.
    virtual void stop(bool finish);
    bool isRunning() const { return displayLink_ != nullptr; }

    // 0 at the start, 1 at the end; an easing may leave 0 to 1 between. A
    // duration of 0 or less jumps to 1.
    double phase() const { return phase_; }
    double xOrigin() const { return xOrigin_; }
    double yOrigin() const { return yOrigin_; }
    double duration() const { return duration_; }

    void setStopObserver(StopObserver observer) { stopObserver_ = std::move(observer); }

protected:
    virtual void animationUpdate() {}
    virtual void animationEnd() {}

private:
    void updatePhase(double now);
    void animationLoop();

    double phase_ = 1;
    double xOrigin_;
    double yOrigin_;
    double startTime_ = 0;
    std::unique_ptr<DisplayLink> displayLink_;
    double duration_;
    double endTime_ = 0;
    EasingFunction easing_;
    StopObserver stopObserver_;
};

// Moves from the origin value point to the target, centring each step.
class AnimatedMoveViewJob : public AnimatedViewPortJob {
public:
    using AnimatedViewPortJob::AnimatedViewPortJob;

protected:
    void animationUpdate() override;
};

// Zooms from the origin scales to the target scales while moving from the
// zoom origin to the zoom centre. Without a y axis the y centre stays put.
class AnimatedZoomViewJob : public AnimatedViewPortJob {
public:
    AnimatedZoomViewJob(std::weak_ptr<ViewPortHandler> viewPortHandler, std::weak_ptr<Transformer> transformer,
                        std::weak_ptr<ChartViewInterface> view, std::shared_ptr<YAxis> yAxis, double xAxisRange,
                        double scaleX, double scaleY, double xOrigin, double yOrigin, double zoomCenterX,
                        double zoomCenterY, double zoomOriginX, double zoomOriginY, double duration,
                        EasingFunction easing);

protected:
    void animationUpdate() override;
    void animationEnd() override;

private:
    std::shared_ptr<YAxis> yAxis_;
    double xAxisRange_;
    double scaleX_;
    double scaleY_;
    double zoomOriginX_;
    double zoomOriginY_;
    double zoomCenterX_;
    double zoomCenterY_;
};

// Keeps each running animated job of a chart view until it stops, then
// drops it and reports the stop once. The view owns one. Destroying the
// keeper stops its jobs without finishing them and without reporting, so
// nothing calls back into a view being destroyed.
class AnimatedJobKeeper {
public:
    using StopCallback = std::function<void(AnimatedViewPortJob& job, bool finished)>;

    explicit AnimatedJobKeeper(StopCallback onStop = {}) : onStop_(std::move(onStop)) {}
    ~AnimatedJobKeeper();
    AnimatedJobKeeper(const AnimatedJobKeeper&) = delete;
    AnimatedJobKeeper& operator=(const AnimatedJobKeeper&) = delete;

    // Keeps the job and starts it (a job already kept is restarted).
    void run(const std::shared_ptr<AnimatedViewPortJob>& job);
    void stopAll(bool finish);
    std::size_t runningCount() const { return jobs_.size(); }

private:
    void release(AnimatedViewPortJob& job, bool finished);

    StopCallback onStop_;
    std::vector<std::shared_ptr<AnimatedViewPortJob>> jobs_;
};

} // namespace charts
