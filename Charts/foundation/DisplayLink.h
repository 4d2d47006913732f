#pragma once
#include <cstddef>
#include <functional>
#include <memory>

namespace charts {

// A tick for every display refresh, delivered on the main thread: what the
// animator, drag deceleration and animated view-port moves step on. One
// precise 16 ms timer of the application drives every running link, so all
// of them tick together.
//
// The link does not keep its target alive: make it with forTarget (a target
// released before a tick receives nothing; the link runs on until stopped),
// or have the owner stop or destroy the link in its destructor. A link may be
// stopped or destroyed from inside its own tick. Main thread only.
class DisplayLink {
public:
    using Tick = std::function<void()>;
    static constexpr int intervalMilliseconds = 16;

    explicit DisplayLink(Tick tick);
    ~DisplayLink();
    DisplayLink(const DisplayLink&) = delete;
    DisplayLink& operator=(const DisplayLink&) = delete;

    // A link that calls `method` on the target for as long as it lives.
    template <class Target>
    static std::unique_ptr<DisplayLink> forTarget(std::weak_ptr<Target> target, void (Target::*method)()) {
        return std::make_unique<DisplayLink>([target = std::move(target), method] {
            if (std::shared_ptr<Target> strong = target.lock()) ((*strong).*method)();
        });
    }

    // Ticks begin with the next refresh (given a running Qt application).
    void start();
    // No tick reaches the target after this; destruction stops as well.
    void stop();
    bool isRunning() const { return running_; }

    // Media time of the last tick; 0 before the first.
    double timestamp() const { return timestamp_; }

    // A seam for tests on a manual media clock: one tick of every running
    // link now, in the order they were started, exactly as the timer delivers
    // them. The product leaves the ticks to the timer.
    static void tickAllRunning();
    // How many links are running (tests check that owners stop theirs).
    static std::size_t runningCount();

private:
    void fire();

    // Shared so that a tick in progress keeps the function alive when its
    // link goes away inside it.
    std::shared_ptr<const Tick> tick_;
    double timestamp_ = 0;
    bool running_ = false;
};

} // namespace charts
