#pragma once
#include <any>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// One posted notification: its name and its single object payload.
struct Notification {
    std::string name;
    std::any object;
};

// The process-wide notification centre. Observers are called synchronously on
// the posting thread, in the order they were added. An observer may add or
// remove observers while being called; an observer removed during a post is
// not called afterwards, one added during a post first hears the next post.
class NotificationCenter {
public:
    using Observer = std::function<void(const Notification&)>;
    using Token = std::uint64_t;

    static NotificationCenter& defaultCenter();

    // An empty name observes every notification.
    Token addObserver(std::string name, Observer observer);
    void removeObserver(Token token);
    void post(const std::string& name, std::any object = {});

    std::size_t observerCount() const;

private:
    struct Entry {
        Token token;
        std::string name;
        std::shared_ptr<Observer> observer;
    };
    std::vector<Entry> entries_;
    Token nextToken_ = 1;
};

// Removes its observer when it goes away; for objects that observe for their
// own lifetime.
class ObserverRegistration {
public:
    ObserverRegistration() = default;
    ObserverRegistration(NotificationCenter& center, NotificationCenter::Token token)
        : center_(&center),
          token_(token) {}
    ObserverRegistration(ObserverRegistration&& other) noexcept { *this = std::move(other); }
    ObserverRegistration& operator=(ObserverRegistration&& other) noexcept;
    ObserverRegistration(const ObserverRegistration&) = delete;
    ObserverRegistration& operator=(const ObserverRegistration&) = delete;
    ~ObserverRegistration() { reset(); }
    void reset();

private:
    NotificationCenter* center_ = nullptr;
    NotificationCenter::Token token_ = 0;
};

// Observes `name` on the default centre for as long as the answered
// registration lives.
ObserverRegistration observe(std::string name, NotificationCenter::Observer observer);

} // namespace platform
