#pragma once
// Fakes of the chart environment for tests: time that moves only when a test
// moves it and display refreshes fired by hand (animations, drag
// deceleration, animated view-port moves), fixed text metrics, and image
// contexts counted and made to fail. Each is in place for its lifetime and
// puts back what it replaced when it goes.
#include <QImage>
#include <cstddef>
#include <memory>
#include <utility>

#include "Charts/drawing/FixedTextMeasurer.h"
#include "Charts/foundation/ChartEnvironment.h"

namespace charts::testing {

// One member of the chart environment replaced for the lifetime.
template <class Member>
class ScopedEnvironmentMember {
public:
    ScopedEnvironmentMember(Member ChartEnvironment::*member, Member value)
        : member_(member),
          previous_(std::exchange(chartEnvironment().*member, std::move(value))) {}
    ~ScopedEnvironmentMember() { chartEnvironment().*member_ = std::move(previous_); }
    ScopedEnvironmentMember(const ScopedEnvironmentMember&) = delete;
    ScopedEnvironmentMember& operator=(const ScopedEnvironmentMember&) = delete;

private:
    Member ChartEnvironment::*member_;
    Member previous_;
};

// Display refreshes that come only when a test fires them.
class ManualRefreshSource final : public RefreshSource {
public:
    void runningLinksChanged(std::size_t count, Refresh refresh) override {
        count_ = count;
        refresh_ = refresh;
    }
    void fire() const {
        if (count_ > 0) refresh_();
    }
    std::size_t runningLinks() const { return count_; }

private:
    std::size_t count_ = 0;
    Refresh refresh_ = nullptr;
};

// The media clock and the display refreshes, both moved by hand.
class ManualMediaClock {
public:
    explicit ManualMediaClock(double start = 0) : now_(start) {}

    double now() const { return now_; }
    void set(double seconds) { now_ = seconds; }
    void advance(double seconds) { now_ += seconds; }

    // One display refresh: a tick of every running display link, in the
    // order they were started, exactly as the desktop's refreshes deliver
    // them.
    void tick() const { refreshes_->fire(); }
    // How many display links are running (owners stop theirs).
    std::size_t runningLinks() const { return refreshes_->runningLinks(); }

private:
    double now_;
    std::shared_ptr<ManualRefreshSource> refreshes_ = std::make_shared<ManualRefreshSource>();
    ScopedEnvironmentMember<MediaClock> clock_{&ChartEnvironment::mediaClock, [this] { return now_; }};
    ScopedEnvironmentMember<std::shared_ptr<RefreshSource>> source_{&ChartEnvironment::refreshSource, refreshes_};
};

// Layout outside a drawing measures with FixedTextMeasurer's metrics.
class FixedTextMetrics {
public:
    explicit FixedTextMetrics(double advance = 0.5, double lineHeight = 1.25)
        : installed_(&ChartEnvironment::textMeasurer, std::make_shared<FixedTextMeasurer>(advance, lineHeight)) {}

private:
    ScopedEnvironmentMember<std::shared_ptr<const TextMeasurer>> installed_;
};

// Counts the image contexts begun and not yet ended; their bitmaps can be
// made to fail.
class CountedImageContexts {
public:
    std::size_t open() const { return allocator_->open; }
    void failCreations(bool fail) { allocator_->failing = fail; }

private:
    struct Allocator final : ImageAllocator {
        std::size_t open = 0;
        bool failing = false;
        QImage allocate(int width, int height, QImage::Format format) override {
            ++open;
            return failing ? QImage() : QImage(width, height, format);
        }
        void release(QImage) override { --open; }
    };
    std::shared_ptr<Allocator> allocator_ = std::make_shared<Allocator>();
    ScopedEnvironmentMember<std::shared_ptr<ImageAllocator>> installed_{&ChartEnvironment::imageAllocator, allocator_};
};

} // namespace charts::testing
