#include "Charts/foundation/DisplayLink.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <vector>

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

// The one timer behind all links, a child of the application so that it goes
// with it; made again for a later application.
QPointer<QTimer>& sharedTimer() {
    static QPointer<QTimer> timer;
    return timer;
}

void startTimerIfNeeded() {
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr) return; // no event loop: ticks come only by hand
    if (QThread::currentThread() != application->thread()) {
        platform::devLog("Display link started off the main thread; it ticks once the main thread starts a link");
        return;
    }
    QPointer<QTimer>& timer = sharedTimer();
    if (timer.isNull()) {
        timer = new QTimer(application);
        timer->setTimerType(Qt::PreciseTimer);
        timer->setInterval(DisplayLink::intervalMilliseconds);
        QObject::connect(timer, &QTimer::timeout, [] { DisplayLink::tickAllRunning(); });
    }
    if (!timer->isActive()) timer->start();
}

void stopTimerIfIdle() {
    if (!running().empty()) return;
    QPointer<QTimer>& timer = sharedTimer();
    if (!timer.isNull()) timer->stop();
}

} // namespace

DisplayLink::DisplayLink(Tick tick) : tick_(std::make_shared<const Tick>(std::move(tick))) {}

DisplayLink::~DisplayLink() { stop(); }

void DisplayLink::start() {
    if (running_) return;
    running_ = true;
    running().push_back(RunningLink{this, ++nextSerial});
    startTimerIfNeeded();
}

void DisplayLink::stop() {
    if (!running_) return;
    running_ = false;
    std::erase_if(running(), [this](const RunningLink& entry) { return entry.link == this; });
    stopTimerIfIdle();
}

void DisplayLink::fire() {
    timestamp_ = mediaTime();
    const std::shared_ptr<const Tick> tick = tick_;
    if (*tick) (*tick)();
    // Nothing of this link is touched after the call: it may be gone.
}

void DisplayLink::tickAllRunning() {
    // A tick may start, stop or destroy links; each one of this round is
    // looked up again before it fires, so a link gone in the meantime is
    // skipped and a link started during the round waits for the next.
    const std::vector<RunningLink> round = running();
    for (const RunningLink& entry : round) {
        if (std::find(running().begin(), running().end(), entry) != running().end()) entry.link->fire();
    }
}

std::size_t DisplayLink::runningCount() { return running().size(); }

} // namespace charts
