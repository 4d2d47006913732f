#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/NotificationCenter.h"

using platform::Notification;
using platform::NotificationCenter;

TEST(NotificationCenter, DeliversToObserversOfTheNameInTheOrderAdded) {
    NotificationCenter center;
    std::vector<std::string> calls;
    center.addObserver("a", [&](const Notification&) { calls.push_back("first"); });
    center.addObserver("b", [&](const Notification&) { calls.push_back("other name"); });
    center.addObserver("a", [&](const Notification&) { calls.push_back("second"); });
    center.addObserver("", [&](const Notification& n) { calls.push_back("any:" + n.name); });

    center.post("a");
    EXPECT_EQ(calls, (std::vector<std::string>{"first", "second", "any:a"}));
}

TEST(NotificationCenter, CarriesTheObjectPayloadUnchanged) {
    NotificationCenter center;
    std::vector<std::vector<double>> received;
    center.addObserver(
        "curves", [&](const Notification& n) { received = std::any_cast<std::vector<std::vector<double>>>(n.object); });
    const std::vector<std::vector<double>> curves{{0, 1, 2}, {65535}};
    center.post("curves", curves);
    EXPECT_EQ(received, curves);

    bool sawEmpty = false;
    center.addObserver("empty", [&](const Notification& n) { sawEmpty = !n.object.has_value(); });
    center.post("empty");
    EXPECT_TRUE(sawEmpty);
}

TEST(NotificationCenter, RemovedObserversHearNothingMore) {
    NotificationCenter center;
    int calls = 0;
    const auto token = center.addObserver("a", [&](const Notification&) { ++calls; });
    center.post("a");
    center.removeObserver(token);
    center.post("a");
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(center.observerCount(), 0u);
    center.removeObserver(token); // removing twice is harmless
}

TEST(NotificationCenter, ObserversMayChangeTheListWhileBeingCalled) {
    NotificationCenter center;
    std::vector<std::string> calls;
    NotificationCenter::Token second = 0;
    NotificationCenter::Token self = 0;
    self = center.addObserver("a", [&](const Notification&) {
        calls.push_back("first");
        center.removeObserver(self);   // removes itself
        center.removeObserver(second); // and a later one, which is then not called
        center.addObserver("a", [&](const Notification&) { calls.push_back("added"); });
    });
    second = center.addObserver("a", [&](const Notification&) { calls.push_back("second"); });

    center.post("a");
    EXPECT_EQ(calls, (std::vector<std::string>{"first"}));
    center.post("a");
    EXPECT_EQ(calls, (std::vector<std::string>{"first", "added"}));
}

TEST(NotificationCenter, RegistrationRemovesItsObserverWhenItGoesAway) {
    NotificationCenter center;
    int calls = 0;
    {
        platform::ObserverRegistration registration(center,
                                                    center.addObserver("a", [&](const Notification&) { ++calls; }));
        center.post("a");
        platform::ObserverRegistration moved = std::move(registration);
        center.post("a");
    }
    center.post("a");
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(center.observerCount(), 0u);
}
