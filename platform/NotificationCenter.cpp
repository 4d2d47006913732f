#include "platform/NotificationCenter.h"

#include <algorithm>
#include <utility>

namespace platform {

NotificationCenter& NotificationCenter::defaultCenter() {
    static NotificationCenter center;
    return center;
}

NotificationCenter::Token NotificationCenter::addObserver(std::string name, Observer observer) {
    const Token token = nextToken_++;
    entries_.push_back({token, std::move(name), std::make_shared<Observer>(std::move(observer))});
    return token;
}

void NotificationCenter::removeObserver(Token token) {
    std::erase_if(entries_, [token](const Entry& e) { return e.token == token; });
}

void NotificationCenter::post(const std::string& name, std::any object) {
    const Notification notification{name, std::move(object)};
    // Observers may change the list while being called: walk a snapshot of the
    // tokens and look each one up again before calling it.
    std::vector<Token> tokens;
    tokens.reserve(entries_.size());
    for (const auto& e : entries_)
        if (e.name.empty() || e.name == name) tokens.push_back(e.token);
    for (Token token : tokens) {
        auto it = std::find_if(entries_.begin(), entries_.end(), [token](const Entry& e) { return e.token == token; });
        if (it == entries_.end()) continue;
        auto observer = it->observer; // keeps it alive if it removes itself
        (*observer)(notification);
    }
}

std::size_t NotificationCenter::observerCount() const { return entries_.size(); }

ObserverRegistration& ObserverRegistration::operator=(ObserverRegistration&& other) noexcept {
    if (this != &other) {
        reset();
        center_ = std::exchange(other.center_, nullptr);
        token_ = std::exchange(other.token_, 0);
    }
    return *this;
}

void ObserverRegistration::reset() {
    if (center_) center_->removeObserver(token_);
    center_ = nullptr;
    token_ = 0;
}

ObserverRegistration observe(std::string name, NotificationCenter::Observer observer) {
    NotificationCenter& center = NotificationCenter::defaultCenter();
    return ObserverRegistration(center, center.addObserver(std::move(name), std::move(observer)));
}

} // namespace platform
