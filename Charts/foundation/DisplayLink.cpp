#include "Charts/foundation/DisplayLink.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "Charts/foundation/ChartEnvironment.h"
#include "Charts/foundation/MediaClock.h"
#include "platform/Log.h"

namespace charts {

namespace {

// Running links with the serial number of their start, so that a link made
// at the address of one destroyed during a round is not mistaken for it.
struct RunningLink {
    DisplayLink* link;
    unsigned long long serial;
    friend bool operator==(const RunningLink&, const RunningLink&) = default;
};

std::vector<RunningLink>& running() {
    static std::vector<RunningLink> links;
    return links;
}

unsigned long long nextSerial = 0;

// The desktop's refreshes: one precise timer, a child of the application so
// that it goes with it; made again for a later application.
class TimerRefreshSource final : public RefreshSource {
public:
    void runningLinksChanged(std::size_t count, Refresh refresh) override {
        const bool started = count > count_;
        count_ = count;
        if (count == 0 && !timer_.isNull()) timer_->stop();
        if (!started) return;
        QCoreApplication* application = QCoreApplication::instance();
        if (application == nullptr) return; // no event loop: no ticks
        if (QThread::currentThread() != application->thread()) {
            platform::devLog("Display link started off the main thread; it ticks once the main thread starts a link");
            return;
        }
        if (timer_.isNull()) {
            timer_ = new QTimer(application);
            timer_->setTimerType(Qt::PreciseTimer);
            timer_->setInterval(DisplayLink::intervalMilliseconds);
            QObject::connect(timer_, &QTimer::timeout, refresh);
        }
        if (!timer_->isActive()) timer_->start();
    }

private:
    std::size_t count_ = 0;
    QPointer<QTimer> timer_;
};

// The source the running links were last announced to, so that it hears of
// the end even when the environment changed in the meantime.
std::shared_ptr<RefreshSource>& announcedSource() {
    static std::shared_ptr<RefreshSource> source;
    return source;
}

std::shared_ptr<RefreshSource> environmentSource() {
    if (std::shared_ptr<RefreshSource> installed = chartEnvironment().refreshSource) return installed;
    static const std::shared_ptr<RefreshSource> timer = std::make_shared<TimerRefreshSource>();
    return timer;
}

void announceRunningLinks(RefreshSource::Refresh refresh) {
    std::shared_ptr<RefreshSource>& announced = announcedSource();
    const std::shared_ptr<RefreshSource> current = environmentSource();
    if (announced && announced != current) announced->runningLinksChanged(0, refresh);
    announced = current;
    announced->runningLinksChanged(running().size(), refresh);
    if (running().empty()) announced.reset();
}

} // namespace

DisplayLink::DisplayLink(Tick tick) : tick_(std::make_shared<const Tick>(std::move(tick))) {}

DisplayLink::~DisplayLink() { stop(); }

void DisplayLink::start() {
    if (running_) return;
    running_ = true;
    running().push_back(RunningLink{this, ++nextSerial});
    announceRunningLinks(&DisplayLink::refreshRunning);
}

void DisplayLink::stop() {
    if (!running_) return;
    running_ = false;
    std::erase_if(running(), [this](const RunningLink& entry) { return entry.link == this; });
    announceRunningLinks(&DisplayLink::refreshRunning);
}

void DisplayLink::fire() {
    timestamp_ = mediaTime();
    const std::shared_ptr<const Tick> tick = tick_;
    if (*tick) (*tick)();
    // Nothing of this link is touched after the call: it may be gone.
}

void DisplayLink::refreshRunning() {
    // A tick may start, stop or destroy links; each one of this round is
    // looked up again before it fires, so a link gone in the meantime is
    // skipped and a link started during the round waits for the next.
    const std::vector<RunningLink> round = running();
    for (const RunningLink& entry : round) {
        if (std::find(running().begin(), running().end(), entry) != running().end()) entry.link->fire();
    }
}

} // namespace charts
