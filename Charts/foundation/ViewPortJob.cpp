#include "Charts/foundation/ViewPortJob.h"

#include <algorithm>

#include "Charts/foundation/MediaClock.h"
#include "Charts/foundation/XAxis.h"

namespace charts {

ViewPortJob::ViewPortJob(std::weak_ptr<ViewPortHandler> viewPortHandler, double xValue, double yValue,
                         std::weak_ptr<Transformer> transformer, std::weak_ptr<ChartViewInterface> view)
    : viewPortHandler_(std::move(viewPortHandler)),
      xValue_(xValue),
      yValue_(yValue),
      transformer_(std::move(transformer)),
      view_(std::move(view)) {}

void MoveViewJob::doJob() {
    const Targets t = targets();
    if (!t) return;
    Point pt{xValue(), yValue()};
    t.transformer->pointValueToPixel(pt);
    t.viewPortHandler->centerViewPort(pt, t.view.get());
}

ZoomViewJob::ZoomViewJob(std::weak_ptr<ViewPortHandler> viewPortHandler, double scaleX, double scaleY, double xValue,
                         double yValue, std::weak_ptr<Transformer> transformer, YAxis::AxisDependency axis,
                         std::weak_ptr<ChartViewInterface> view)
    : ViewPortJob(std::move(viewPortHandler), xValue, yValue, std::move(transformer), std::move(view)),
      scaleX_(scaleX),
      scaleY_(scaleY),
      axisDependency_(axis) {}

void ZoomViewJob::doJob() {
    const Targets t = targets();
    if (!t) return;
    ChartViewInterface* chart = t.view.get();
    const std::optional<ChartViewInterface::AxisRanges> ranges = chart->zoomAxisRanges(axisDependency_);
    if (!ranges) return;
    ViewPortHandler& handler = *t.viewPortHandler;
    handler.refresh(handler.setZoom(scaleX_, scaleY_), chart, false);
    // The scales as clamped by the refresh.
    const double yInView = ranges->y / handler.scaleY();
    const double xInView = ranges->x / handler.scaleX();
    Point pt{xValue() - xInView / 2, yValue() + yInView / 2};
    t.transformer->pointValueToPixel(pt);
    handler.refresh(handler.translate(pt), chart, false);
    chart->viewPortJobFinished();
    chart->setNeedsDisplay(chart->bounds());
}

AnimatedViewPortJob::AnimatedViewPortJob(std::weak_ptr<ViewPortHandler> viewPortHandler, double xValue, double yValue,
                                         std::weak_ptr<Transformer> transformer, std::weak_ptr<ChartViewInterface> view,
                                         double xOrigin, double yOrigin, double duration, EasingFunction easing)
    : ViewPortJob(std::move(viewPortHandler), xValue, yValue, std::move(transformer), std::move(view)),
      xOrigin_(xOrigin),
      yOrigin_(yOrigin),
      duration_(duration),
      easing_(std::move(easing)) {}

AnimatedViewPortJob::~AnimatedViewPortJob() {
    // As stop(false), without telling anyone: the observer may belong to an
    // owner that is going away.
    stopObserver_ = nullptr;
    displayLink_.reset();
}

void AnimatedViewPortJob::updatePhase(double now) {
    if (!(duration_ > 0)) {
        phase_ = 1;
        return;
    }
    const double elapsed = std::min(duration_, now - startTime_);
    phase_ = easing_ ? easing_(elapsed, duration_) : elapsed / duration_;
}

void AnimatedViewPortJob::start() {
    startTime_ = mediaTime();
    endTime_ = startTime_ + duration_;
    updatePhase(startTime_);
    // The link belongs to the job and goes with it.
    displayLink_ = std::make_unique<DisplayLink>([this] { animationLoop(); });
    displayLink_->start();
}

void AnimatedViewPortJob::animationLoop() {
    // A keeper may drop the job while it stops inside this tick.
    const std::shared_ptr<AnimatedViewPortJob> self = weak_from_this().lock();
    const double now = mediaTime();
    updatePhase(now);
    animationUpdate();
    if (now >= endTime_) stop(true);
}

void AnimatedViewPortJob::stop(bool finish) {
    if (!displayLink_) return;
    const std::shared_ptr<AnimatedViewPortJob> self = weak_from_this().lock();
    displayLink_->stop();
    displayLink_.reset();
    if (finish) {
        if (phase_ != 1) {
            phase_ = 1;
            animationUpdate();
        }
        animationEnd();
    }
    if (stopObserver_) {
        const StopObserver observer = stopObserver_;
        observer(*this, finish);
    }
}

void AnimatedMoveViewJob::animationUpdate() {
    const Targets t = targets();
    if (!t) return;
    Point pt{xOrigin() + (xValue() - xOrigin()) * phase(), yOrigin() + (yValue() - yOrigin()) * phase()};
    t.transformer->pointValueToPixel(pt);
    t.viewPortHandler->centerViewPort(pt, t.view.get());
}

AnimatedZoomViewJob::AnimatedZoomViewJob(std::weak_ptr<ViewPortHandler> viewPortHandler,
                                         std::weak_ptr<Transformer> transformer, std::weak_ptr<ChartViewInterface> view,
                                         std::shared_ptr<YAxis> yAxis, double xAxisRange, double scaleX, double scaleY,
                                         double xOrigin, double yOrigin, double zoomCenterX, double zoomCenterY,
                                         double zoomOriginX, double zoomOriginY, double duration, EasingFunction easing)
    : AnimatedViewPortJob(std::move(viewPortHandler), 0, 0, std::move(transformer), std::move(view), xOrigin, yOrigin,
                          duration, std::move(easing)),
      yAxis_(std::move(yAxis)),
      xAxisRange_(xAxisRange),
      scaleX_(scaleX),
      scaleY_(scaleY),
      zoomOriginX_(zoomOriginX),
      zoomOriginY_(zoomOriginY),
      zoomCenterX_(zoomCenterX),
      zoomCenterY_(zoomCenterY) {}

void AnimatedZoomViewJob::animationUpdate() {
    const Targets t = targets();
    if (!t) return;
    ViewPortHandler& handler = *t.viewPortHandler;
    const double scaleX = xOrigin() + (scaleX_ - xOrigin()) * phase();
    const double scaleY = yOrigin() + (scaleY_ - yOrigin()) * phase();
    handler.refresh(handler.setZoom(scaleX, scaleY), t.view.get(), false);
    const double yInView = (yAxis_ ? yAxis_->axisRange() : 0) / handler.scaleY();
    const double xInView = xAxisRange_ / handler.scaleX();
    Point pt{zoomOriginX_ + ((zoomCenterX_ - xInView / 2) - zoomOriginX_) * phase(),
             zoomOriginY_ + ((zoomCenterY_ + yInView / 2) - zoomOriginY_) * phase()};
    t.transformer->pointValueToPixel(pt);
    handler.refresh(handler.translate(pt), t.view.get(), true);
}

void AnimatedZoomViewJob::animationEnd() {
    const std::shared_ptr<ChartViewInterface> chart = view();
    if (!chart) return;
    chart->viewPortJobFinished();
    chart->setNeedsDisplay(chart->bounds());
}

AnimatedJobKeeper::~AnimatedJobKeeper() {
    std::vector<std::shared_ptr<AnimatedViewPortJob>> jobs = std::move(jobs_);
    for (const std::shared_ptr<AnimatedViewPortJob>& job : jobs) {
        job->setStopObserver(nullptr);
        job->stop(false);
    }
}

void AnimatedJobKeeper::run(const std::shared_ptr<AnimatedViewPortJob>& job) {
    if (!job) return;
    if (std::find(jobs_.begin(), jobs_.end(), job) == jobs_.end()) jobs_.push_back(job);
    job->setStopObserver([this](AnimatedViewPortJob& stopped, bool finished) { release(stopped, finished); });
    job->doJob();
}

void AnimatedJobKeeper::stopAll(bool finish) {
    const std::vector<std::shared_ptr<AnimatedViewPortJob>> jobs = jobs_;
    for (const std::shared_ptr<AnimatedViewPortJob>& job : jobs) job->stop(finish);
}

void AnimatedJobKeeper::release(AnimatedViewPortJob& job, bool finished) {
    job.setStopObserver(nullptr);
    // The job keeps itself alive until its stop returns.
    std::erase_if(jobs_, [&job](const std::shared_ptr<AnimatedViewPortJob>& kept) { return kept.get() == &job; });
    if (onStop_) onStop_(job, finished);
}

} // namespace charts
