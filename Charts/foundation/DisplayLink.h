#pragma once
#include <cstddef>
#include <functional>
#include <memory>

namespace charts {

// Delivers the display's refreshes to the running display links: the chart
// environment's, or one precise 16 ms timer of the application.
class RefreshSource {
public:
    using Refresh = void (*)();
    virtual ~RefreshSource() = default;
    // The number of running links changed to `count`. While it is above 0,
    // `refresh` is to be called once per display refresh on the main thread;
    // at 0 the source may rest.
    virtual void runningLinksChanged(std::size_t count, Refresh refresh) = 0;
};

// A tick for every display refresh, delivered on the main thread: what the
// animator, drag deceleration and animated view-port moves step on. One
// refresh source drives every running link, so all of them tick together.
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

private:
    // One tick of every running link, in the order they were started: what
    // each display refresh does.
    static void refreshRunning();
    void fire();

    // Shared so that a tick in progress keeps the function alive when its
    // link goes away inside it.
    std::shared_ptr<const Tick> tick_;
    double timestamp_ = 0;
    bool running_ = false;
};

} // namespace charts
