#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Charts/views/GestureTracker.h"

namespace charts {
namespace {

// Feeds a script of pointer events to a tracker and writes down what it
// recognised, one word per gesture step.
struct Event {
    char kind; // p press, d double click, m move, r release, c cancel
    double x;
    double y;
    std::uint64_t t;
};

std::vector<std::string> run(GestureTracker& tracker, const std::vector<Event>& events,
                             std::vector<GestureStep>* steps = nullptr) {
    std::vector<std::string> seen;
    auto note = [&](const char* name, const GestureStep& step) {
        static const char* states[] = {"began", "changed", "ended", "cancelled"};
        seen.push_back(std::string(name) +
                       (std::string(name) == "pan" ? std::string(".") + states[static_cast<int>(step.state)] : ""));
        if (steps) steps->push_back(step);
    };
    tracker.onTap = [&](const GestureStep& s) { note("tap", s); };
    tracker.onDoubleTap = [&](const GestureStep& s) { note("double", s); };
    tracker.onPan = [&](const GestureStep& s) { note("pan", s); };
    for (const Event& e : events) {
        const Point p{e.x, e.y};
        switch (e.kind) {
        case 'p': tracker.press(p, e.t); break;
        case 'd': tracker.doubleClick(p, e.t); break;
        case 'm': tracker.move(p, e.t); break;
        case 'r': tracker.release(p, e.t); break;
        case 'c': tracker.cancel(); break;
        }
    }
    return seen;
}

using Words = std::vector<std::string>;

TEST(GestureTracker, RecognisesClicksDoubleClicksAndPans) {
    struct Case {
        const char* name;
        std::vector<Event> events;
        Words expected;
    };
    const Case cases[] = {
        {"click", {{'p', 10, 10, 0}, {'r', 10, 10, 50}}, {"tap"}},
        {"small jitter is still a click", {{'p', 10, 10, 0}, {'m', 12, 11, 10}, {'r', 12, 11, 20}}, {"tap"}},
        {"3 px starts a pan", {{'p', 10, 10, 0}, {'m', 13, 10, 10}, {'r', 13, 10, 20}}, {"pan.began", "pan.ended"}},
        {"a pan changes with every move",
         {{'p', 0, 0, 0}, {'m', 5, 0, 10}, {'m', 9, 0, 20}, {'m', 14, 0, 30}, {'r', 14, 0, 40}},
         {"pan.began", "pan.changed", "pan.changed", "pan.ended"}},
        {"back near the press after a pan is no click",
         {{'p', 0, 0, 0}, {'m', 8, 0, 10}, {'m', 0, 0, 20}, {'r', 0, 0, 30}},
         {"pan.began", "pan.changed", "pan.ended"}},
        // The platform sends press, release, double click, release.
        {"double click: one click, then the double click",
         {{'p', 10, 10, 0}, {'r', 10, 10, 40}, {'d', 10, 10, 120}, {'r', 10, 10, 160}},
         {"tap", "double"}},
        {"a pan from a double click is only a pan",
         {{'p', 10, 10, 0}, {'r', 10, 10, 40}, {'d', 10, 10, 120}, {'m', 30, 10, 140}, {'r', 30, 10, 160}},
         {"tap", "pan.began", "pan.ended"}},
        {"cancel ends a pan",
         {{'p', 0, 0, 0}, {'m', 9, 0, 10}, {'c', 0, 0, 0}, {'r', 9, 0, 30}},
         {"pan.began", "pan.cancelled"}},
        {"cancel before a pan drops the click", {{'p', 0, 0, 0}, {'c', 0, 0, 0}, {'r', 0, 0, 30}}, {}},
        {"a move without a press is nothing", {{'m', 5, 5, 0}, {'m', 50, 5, 10}, {'r', 50, 5, 20}}, {}},
        {"a second press during a pan is ignored",
         {{'p', 0, 0, 0}, {'m', 9, 0, 10}, {'p', 9, 0, 15}, {'m', 12, 0, 20}, {'r', 12, 0, 30}},
         {"pan.began", "pan.changed", "pan.ended"}},
    };
    for (const Case& c : cases) {
        GestureTracker tracker;
        EXPECT_EQ(run(tracker, c.events), c.expected) << c.name;
        EXPECT_FALSE(tracker.isPressed()) << c.name;
    }
}

TEST(GestureTracker, DisabledGesturesAreNotRecognised) {
    const std::vector<Event> doubleClick = {{'p', 1, 1, 0}, {'r', 1, 1, 40}, {'d', 1, 1, 120}, {'r', 1, 1, 160}};
    const std::vector<Event> drag = {{'p', 0, 0, 0}, {'m', 20, 0, 10}, {'r', 20, 0, 20}};
    {
        GestureTracker tracker;
        tracker.setDoubleTapEnabled(false);
        // Without a double click the second click is a click of its own.
        EXPECT_EQ(run(tracker, doubleClick), (Words{"tap", "tap"}));
    }
    {
        GestureTracker tracker;
        tracker.setPanEnabled(false);
        // Without a pan a drag is a click where it ends.
        EXPECT_EQ(run(tracker, drag), (Words{"tap"}));
    }
    {
        GestureTracker tracker;
        tracker.setTapEnabled(false);
        EXPECT_EQ(run(tracker, doubleClick), (Words{"double"}));
    }
    {
        GestureTracker tracker;
        Words seen;
        tracker.onPan = [&](const GestureStep& s) { seen.push_back(s.state == GestureState::cancelled ? "x" : "o"); };
        tracker.press(Point{0, 0}, 0);
        tracker.move(Point{10, 0}, 10);
        tracker.setPanEnabled(false);
        EXPECT_EQ(seen, (Words{"o", "x"}));
        EXPECT_FALSE(tracker.isPanning());
    }
}

TEST(GestureTracker, PanTranslationIsFromThePressPoint) {
    GestureTracker tracker;
    std::vector<GestureStep> steps;
    run(tracker, {{'p', 100, 50, 0}, {'m', 104, 52, 10}, {'m', 90, 70, 20}, {'r', 80, 75, 30}}, &steps);
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_EQ(steps[0].translation, (Point{4, 2}));
    EXPECT_EQ(steps[0].location, (Point{104, 52}));
    EXPECT_EQ(steps[1].translation, (Point{-10, 20}));
    EXPECT_EQ(steps[2].translation, (Point{-20, 25}));
    EXPECT_EQ(steps[2].state, GestureState::ended);
}

TEST(GestureTracker, ReleaseVelocityComesFromTheLastHundredMilliseconds) {
    struct Case {
        const char* name;
        std::vector<Event> events;
        Point velocity;
    };
    const Case cases[] = {
        // 10 px per 10 ms over the whole window.
        {"steady", {{'p', 0, 0, 0}, {'m', 10, 0, 10}, {'m', 20, 0, 20}, {'r', 30, 0, 30}}, {1000, 0}},
        // Slow start, fast end: only the last 100 ms count (samples at 100
        // to 200 ms move 200 px).
        {"window",
         {{'p', 0, 0, 0}, {'m', 5, 0, 50}, {'m', 10, 0, 100}, {'m', 110, 0, 150}, {'r', 210, -100, 200}},
         {2000, -1000}},
        // The pointer rested 300 ms before the release: no glide.
        {"rest", {{'p', 0, 0, 0}, {'m', 50, 0, 10}, {'r', 50, 0, 310}}, {0, 0}},
        // One timestamp for every event: no time passed, no speed.
        {"same time", {{'p', 0, 0, 5}, {'m', 50, 0, 5}, {'r', 60, 0, 5}}, {0, 0}},
    };
    for (const Case& c : cases) {
        GestureTracker tracker;
        std::vector<GestureStep> steps;
        run(tracker, c.events, &steps);
        ASSERT_FALSE(steps.empty()) << c.name;
        EXPECT_EQ(steps.back().state, GestureState::ended) << c.name;
        EXPECT_DOUBLE_EQ(steps.back().velocity.x, c.velocity.x) << c.name;
        EXPECT_DOUBLE_EQ(steps.back().velocity.y, c.velocity.y) << c.name;
    }
}

TEST(PanVelocityTracker, ATimestampGoingBackStartsAfresh) {
    PanVelocityTracker tracker;
    tracker.add(Point{0, 0}, 1000);
    tracker.add(Point{100, 0}, 1050);
    tracker.add(Point{100, 0}, 10); // clock stepped back
    EXPECT_EQ(tracker.velocity(), (Point{0, 0}));
    tracker.add(Point{110, 0}, 20);
    EXPECT_DOUBLE_EQ(tracker.velocity().x, 1000);
}

} // namespace
} // namespace charts
