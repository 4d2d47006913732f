#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPointingDevice>

#include "Charts/data/ChartData.h"
#include "Charts/foundation/DisplayLink.h"
#include "Charts/render/CircleGeometry.h"
#include "Charts/views/AngularVelocity.h"
#include "Charts/views/PieRadarChartViewBase.h"
#include "Charts/views/PieRadarHighlighter.h"
#include "Charts/views/PieRadarLegendOffsets.h"
#include "tests/charts/support/chart_view_support.h"
#include "tests/support/chart_environment.h"

namespace charts {
namespace {

using namespace charts::testing;
using S = GestureState;
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

// A circular chart of four quarter slices, one entry each, as the base
// sees a kind: the quarter at an angle, the radius half the diameter.
class QuarterHighlighter : public PieRadarHighlighter {
public:
    using PieRadarHighlighter::PieRadarHighlighter;
    HighlightPtr closestHighlight(std::int64_t index, double x, double y) override {
        return std::make_shared<Highlight>(static_cast<double>(index), 1.0, x, y, 0, YAxis::AxisDependency::left);
    }
};

class QuarterView : public PieRadarChartViewBase {
public:
    using PieRadarChartViewBase::PieRadarChartViewBase;
    std::int64_t indexForAngle(double angle) const override {
        return static_cast<std::int64_t>(normalizedAngle(angle - rotationAngle()) / 90.0);
    }
    double radius() const override { return diameter() / 2; }
    double requiredLegendOffset() const override { return 0; }
    double requiredBaseOffset() const override { return 0; }

protected:
    void initialize() override {
        PieRadarChartViewBase::initialize();
        setHighlighter(std::make_shared<QuarterHighlighter>(
            std::weak_ptr<ChartDataProvider>(std::shared_ptr<ChartViewBase>(weakView()))));
    }
};

// 400 x 300 with four entries at x 0..3, the legend off: the circle's
// centre is (200, 150) and its radius 150.
std::unique_ptr<QuarterView> quarterView() {
    std::unique_ptr<QuarterView> view(ChartViewBase::create<QuarterView>());
    view->setChartSize(400, 300);
    view->legend()->setEnabled(false);
    ChartDataSet::Entries entries;
    for (int i = 0; i < 4; ++i) entries.push_back(std::make_shared<ChartDataEntry>(i, 1.0));
    view->setData(std::make_shared<ChartData>(std::make_shared<ChartDataSet>(entries, QStringLiteral("Quarters"))));
    return view;
}

constexpr Point centre{200, 150};
Point at(double angle, double distance = 100) { return pointOnCircle(centre, distance, angle); }

TEST(PieRadarRotation, AnglesAreKeptWithinOneTurnAndTheRawValueAsSet) {
    const auto view = quarterView();
    EXPECT_EQ(view->rotationAngle(), 270);
    EXPECT_EQ(view->rawRotationAngle(), 270);
    const struct { double set, normalised; } cases[] = {{450, 90}, {-90, 270}, {-360, 360}, {720, 0}, {12.5, 12.5}};
    for (const auto& c : cases) {
        view->setRotationAngle(c.set);
        EXPECT_EQ(view->rotationAngle(), c.normalised) << c.set;
        EXPECT_EQ(view->rawRotationAngle(), c.set);
    }
    // An angle that is not a number is no angle: nothing changes.
    view->setRotationAngle(nan);
    view->setRotationAngle(std::numeric_limits<double>::infinity());
    EXPECT_EQ(view->rotationAngle(), 12.5);
}

TEST(PieRadarGeometry, AnglesAndDistancesAreMeasuredFromTheContentCentre) {
    const auto view = quarterView();
    EXPECT_EQ(view->centerOffsets(), centre);
    EXPECT_NEAR(view->angleForPoint(230, 190), 90 - std::atan2(30, 40) * 180 / std::numbers::pi, 1e-9);
    EXPECT_DOUBLE_EQ(view->distanceToCenter(230, 190), 50);
    EXPECT_TRUE(std::isnan(view->angleForPoint(centre.x, centre.y)));
    // The diameter is the content's smaller side less the extra offsets.
    EXPECT_EQ(view->diameter(), 300);
    view->setExtraOffsets(10, 20, 30, 40);
    EXPECT_EQ(view->diameter(), 240);
}

TEST(PieRadarLegendOffsets, EachOrientationAndAlignmentTakesItsSide) {
    using O = Legend::Orientation;
    using H = Legend::HorizontalAlignment;
    using V = Legend::VerticalAlignment;
    const auto input = [](O o, H h, V v) {
        PieRadarLegendInput in;
        in.orientation = o;
        in.horizontalAlignment = h;
        in.verticalAlignment = v;
        in.neededWidth = 80;
        in.neededHeight = 40;
        in.textHeightMax = 10;
        in.chartWidth = 400;
        in.chartHeight = 300;
        in.bounds = Size{400, 300};
        in.midPoint = Point{200, 150};
        in.center = Point{200, 150};
        in.radius = 160;
        in.requiredLegendOffset = 24;
        in.requiredBaseOffset = 3;
        return in;
    };
    // A vertical legend in a corner: its bottom inner corner (73, 65) or
    // (327, 65) lies inside the circle of radius 160 about the centre, and
    // takes the room to the rim plus 5.
    const double corner = std::hypot(200 - 73, 150 - 65);
    const double intoCircle = 5 + 160 - corner + 3;
    const struct {
        O o;
        H h;
        V v;
        ChartOffsets expected;
    } cases[] = {
        {O::vertical, H::left, V::center, {80 + 13 + 3, 3, 3, 3}},
        {O::vertical, H::right, V::center, {3, 3, 80 + 13 + 3, 3}},
        {O::vertical, H::left, V::top, {intoCircle, 3, 3, 3}},
        {O::vertical, H::right, V::bottom, {3, 3, intoCircle, 3}},
        {O::vertical, H::center, V::top, {3, 40 + 3, 3, 3}},
        {O::vertical, H::center, V::bottom, {3, 3, 3, 40 + 3}},
        {O::vertical, H::center, V::center, {3, 3, 3, 3}},
        {O::horizontal, H::left, V::top, {3, 40 + 24 + 3, 3, 3}},
        {O::horizontal, H::right, V::bottom, {3, 3, 3, 40 + 24 + 3}},
        {O::horizontal, H::center, V::center, {3, 3, 3, 3}},
    };
    for (const auto& c : cases) {
        const ChartOffsets got = pieRadarLegendOffsets(input(c.o, c.h, c.v));
        EXPECT_NEAR(got.left, c.expected.left, 1e-9) << int(c.o) << int(c.h) << int(c.v);
        EXPECT_NEAR(got.top, c.expected.top, 1e-9) << int(c.o) << int(c.h) << int(c.v);
        EXPECT_NEAR(got.right, c.expected.right, 1e-9) << int(c.o) << int(c.h) << int(c.v);
        EXPECT_NEAR(got.bottom, c.expected.bottom, 1e-9) << int(c.o) << int(c.h) << int(c.v);
    }
    // Limited to the legend's share of the chart; a corner legend far from
    // the circle takes nothing; a tall view takes the whole width.
    PieRadarLegendInput tall = input(O::horizontal, H::left, V::top);
    tall.neededHeight = 400;
    EXPECT_NEAR(pieRadarLegendOffsets(tall).top, 300 * 0.95 + 3, 1e-9);
    PieRadarLegendInput far = input(O::vertical, H::left, V::top);
    far.radius = 20;
    EXPECT_EQ(pieRadarLegendOffsets(far).left, 3);
    PieRadarLegendInput narrow = input(O::vertical, H::left, V::bottom);
    narrow.bounds = Size{100, 400};
    narrow.midPoint = Point{50, 50};
    EXPECT_EQ(pieRadarLegendOffsets(narrow).left, 80 + 8 + 3);
    // Disabled or inside: nothing at all, not even the base offset.
    for (bool inside : {false, true}) {
        PieRadarLegendInput off = input(O::horizontal, H::left, V::bottom);
        off.enabled = inside;
        off.drawInside = inside;
        EXPECT_EQ(pieRadarLegendOffsets(off), ChartOffsets{});
    }
}

TEST(PieRadarLegendOffsets, TheViewAddsExtraOffsetsAndKeepsTheMinimum) {
    const auto view = quarterView();
    view->setMinOffset(12);
    view->setExtraOffsets(0, 30, 0, 0);
    view->calculateOffsets();
    const auto& port = *view->viewPortHandler();
    EXPECT_EQ(port.offsetLeft(), 12);
    EXPECT_EQ(port.offsetTop(), 30);
    EXPECT_EQ(port.offsetRight(), 12);
    EXPECT_EQ(port.offsetBottom(), 12);
}

TEST(PieRadarVelocity, SamplesGiveDegreesPerSecondTheShortWayRound) {
    using V = std::vector<AngularVelocitySample>;
    const struct {
        const char* name;
        V samples;
        double velocity;
    } cases[] = {
        {"none", {}, 0},
        {"one sample: no time, no angle", {{1, 30}}, 0},
        {"clockwise", {{1, 10}, {1.1, 20}, {1.5, 50}}, 80},
        {"counter-clockwise", {{1, 50}, {1.5, 10}}, -80},
        {"across the seam, clockwise", {{1, 350}, {1.5, 10}}, 40},
        {"across the seam, counter-clockwise", {{1, 10}, {1.5, 350}}, -40},
        {"direction from the last change", {{1, 10}, {1.2, 40}, {1.4, 30}, {1.5, 30}}, -40},
        {"no time between them: a tenth of a second", {{1, 10}, {1, 20}}, 100},
    };
    for (const auto& c : cases) EXPECT_NEAR(angularVelocity(c.samples), c.velocity, 1e-9) << c.name;

    // Samples more than a second old go while more than two are held;
    // samples without an angle are not taken.
    V samples;
    addAngularVelocitySample(samples, 0, 10);
    addAngularVelocitySample(samples, 0.5, 20);
    addAngularVelocitySample(samples, 2, 30);
    ASSERT_EQ(samples.size(), 3u);
    addAngularVelocitySample(samples, 2.1, 40);
    addAngularVelocitySample(samples, 2.2, nan);
    ASSERT_EQ(samples.size(), 3u);
    EXPECT_EQ(samples.front().time, 0.5);
}

struct Mouse {
    PieRadarChartViewBase& view;
    std::uint64_t t = 1000;
    void send(QEvent::Type type, Point p, Qt::MouseButtons buttons) {
        QMouseEvent event(type, toQt(p), view.mapToGlobal(toQt(p)),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
        event.setTimestamp(t += 16);
        QCoreApplication::sendEvent(&view, &event);
    }
    void press(Point p) { send(QEvent::MouseButtonPress, p, Qt::LeftButton); }
    void move(Point p) { send(QEvent::MouseMove, p, Qt::LeftButton); }
    void release(Point p) { send(QEvent::MouseButtonRelease, p, Qt::NoButton); }
};

TEST(PieRadarMouse, ADragTurnsTheChartByTheArcItTraces) {
    ManualMediaClock clock(5);
    const auto view = quarterView();
    view->setDragDecelerationEnabled(false);
    Mouse mouse{*view};
    mouse.press(at(0));
    // Within 8 points the chart turns already.
    mouse.move(at(3));
    EXPECT_NEAR(view->rotationAngle(), 273, 1e-9);
    EXPECT_FALSE(view->isRotating());
    // The move that crosses 8 points marks the rotation and turns nothing.
    mouse.move(at(10));
    EXPECT_TRUE(view->isRotating());
    EXPECT_NEAR(view->rotationAngle(), 273, 1e-9);
    mouse.move(at(60));
    EXPECT_NEAR(view->rotationAngle(), 330, 1e-9);
    mouse.release(at(60));
    EXPECT_FALSE(view->isRotating());
    EXPECT_FALSE(view->isDecelerating());
    // Being a rotation, the release highlights nothing.
    EXPECT_TRUE(view->highlighted().empty());

    // Switched off, a drag turns nothing.
    view->setRotationEnabled(false);
    mouse.press(at(0));
    mouse.move(at(90));
    mouse.release(at(90));
    EXPECT_NEAR(view->rotationAngle(), 330, 1e-9);
}

TEST(PieRadarMouse, APressOnTheCentreLeavesTheAngleFinite) {
    ManualMediaClock clock(5);
    const auto view = quarterView();
    Mouse mouse{*view};
    mouse.press(centre);
    mouse.move(centre);
    mouse.move(at(45, 5));
    mouse.move(at(75, 5));
    mouse.move(at(75, 20));
    mouse.move(centre);
    clock.advance(0.1);
    mouse.release(centre);
    // The drag turned from its first point with an angle: by 30 degrees.
    EXPECT_NEAR(view->rotationAngle(), 300, 1e-9);
    EXPECT_TRUE(std::isfinite(view->decelerationAngularVelocity()));
    for (int i = 0; i < 500 && view->isDecelerating(); ++i) {
        clock.advance(0.016);
        clock.tick();
    }
    EXPECT_FALSE(view->isDecelerating());
    EXPECT_TRUE(std::isfinite(view->rotationAngle()));
}

TEST(PieRadarMouse, AClickHighlightsWithinTheRadiusAndClearsBeyondIt) {
    const auto view = quarterView();
    const auto delegate = std::make_shared<RecordingDelegate>();
    view->setDelegate(delegate);
    Mouse mouse{*view};
    // The default rotation is 270: the first quarter starts at the top.
    const struct {
        Point p;
        double highlighted; // NaN: nothing
    } clicks[] = {
        {at(300), 0},        {at(45), 1}, {at(135), 2}, {at(269), 3}, {at(300, 150), 0}, // on the radius: resolved
        {at(300, 151), nan},                                                             // beyond it: cleared
        {at(135, 90), 2}, // a press that moves a little is still a click
    };
    for (const auto& c : clicks) {
        mouse.press(c.p);
        if (c.p == at(135, 90)) mouse.move(Point{c.p.x + 3, c.p.y});
        mouse.release(c.p);
        if (std::isnan(c.highlighted)) {
            EXPECT_TRUE(view->highlighted().empty());
        } else {
            ASSERT_EQ(view->highlighted().size(), 1u);
            EXPECT_EQ(view->highlighted().front()->x(), c.highlighted);
        }
    }
    EXPECT_EQ(delegate->messages, (std::vector<std::string>{"selected", "selected", "selected", "selected", "selected",
                                                            "nothing", "selected"}));
    view->setHighlightPerTapEnabled(false);
    view->tapGestureRecognized(step(S::ended, at(45)));
    EXPECT_EQ(view->highlighted().front()->x(), 2);
}

TEST(PieRadarDeceleration, AFlickTurnsOnAndSlowsByTheFrictionUntilItStops) {
    ManualMediaClock clock(5);
    const auto view = quarterView();
    view->setDragDecelerationFrictionCoef(0.5);
    Mouse mouse{*view};
    mouse.press(at(0));
    clock.advance(0.1);
    mouse.move(at(20));
    clock.advance(0.1);
    mouse.release(at(40));
    // 40 degrees in 0.2 s.
    EXPECT_NEAR(view->decelerationAngularVelocity(), 200, 1e-9);
    ASSERT_TRUE(view->isDecelerating());
    EXPECT_EQ(clock.runningLinks(), 1u);
    const double released = view->rotationAngle();

    // Each tick first applies the friction, then turns by speed x time.
    clock.advance(0.1);
    clock.tick();
    EXPECT_NEAR(view->decelerationAngularVelocity(), 100, 1e-9);
    EXPECT_NEAR(view->rotationAngle(), released + 10, 1e-9);
    int ticks = 1;
    while (view->isDecelerating() && ticks < 100) {
        clock.advance(0.1);
        clock.tick();
        ++ticks;
    }
    // 200 halves below 0.001 on the 18th tick; then the link is gone.
    EXPECT_EQ(ticks, 18);
    EXPECT_EQ(clock.runningLinks(), 0u);
    EXPECT_NEAR(view->rotationAngle(), normalizedAngle(released + 20 * (1 - std::pow(0.5, 18))), 1e-9);

    // A press stops a running deceleration; without deceleration a flick
    // leaves nothing running.
    mouse.press(at(0));
    clock.advance(0.1);
    mouse.release(at(40));
    ASSERT_TRUE(view->isDecelerating());
    mouse.press(at(40));
    EXPECT_FALSE(view->isDecelerating());
    mouse.release(at(40));
    view->setDragDecelerationEnabled(false);
    mouse.press(at(0));
    clock.advance(0.1);
    mouse.release(at(40));
    EXPECT_FALSE(view->isDecelerating());
}

TEST(PieRadarSpin, TheAnimatorTurnsFromOneAngleToAnother) {
    ManualMediaClock clock(5);
    const auto view = quarterView();
    view->spin(2, 10, 110);
    EXPECT_TRUE(view->isSpinning());
    EXPECT_EQ(view->rotationAngle(), 270); // set at the first tick
    const double expected[] = {35, 60, 85, 110};
    for (double angle : expected) {
        clock.advance(0.5);
        clock.tick();
        EXPECT_NEAR(view->rotationAngle(), angle, 1e-9);
    }
    EXPECT_FALSE(view->isSpinning());
    EXPECT_EQ(clock.runningLinks(), 0u);

    // With an easing, by its curve; a new spin replaces a running one, and
    // stopping ends at the target angle.
    view->spin(1, 0, 100, ChartEasingOption::easeInQuad);
    clock.advance(0.5);
    clock.tick();
    EXPECT_NEAR(view->rotationAngle(), 25, 1e-9);
    view->spin(1, 200, 300);
    view->stopSpinAnimation();
    EXPECT_FALSE(view->isSpinning());
    EXPECT_EQ(view->rotationAngle(), 300);
}

TEST(PieRadarRotationGesture, TheTurnOfTheFingersTurnsTheChart) {
    ManualMediaClock clock(5);
    const auto view = quarterView();
    view->setRotationAngle(100);
    const double quarter = std::numbers::pi / 2;
    const struct {
        S state;
        double radians;
        double angle;
    } steps[] = {
        {S::began, 0, 100},
        {S::changed, 0.1 * quarter, 91},
        {S::changed, -quarter, 190},
        {S::changed, nan, 190}, // no turn: nothing
        {S::ended, -2 * quarter, 280},
    };
    for (const auto& s : steps) {
        view->rotationGestureRecognized(s.state, s.radians);
        EXPECT_NEAR(view->rotationAngle(), s.angle, 1e-9) << int(s.state);
    }
    // It ends with a slow turn of 0.1 radian per second.
    ASSERT_TRUE(view->isDecelerating());
    EXPECT_NEAR(view->decelerationAngularVelocity(), 0.1 * 180 / std::numbers::pi, 1e-12);
    view->stopDeceleration();

    // From the window: Qt's steps are degrees, clockwise positive, and are
    // taken only with the two-finger rotation switched on.
    const auto send = [&](Qt::NativeGestureType type, double value) {
        const QPointF p(200, 150);
        QNativeGestureEvent event(type, QPointingDevice::primaryPointingDevice(), 2, p, p, view->mapToGlobal(p), value,
                                  QPointF());
        QCoreApplication::sendEvent(view.get(), &event);
    };
    view->setRotationAngle(0);
    send(Qt::BeginNativeGesture, 0);
    send(Qt::RotateNativeGesture, 30);
    EXPECT_EQ(view->rotationAngle(), 0);
    view->setRotationWithTwoFingers(true);
    send(Qt::BeginNativeGesture, 0);
    send(Qt::RotateNativeGesture, 30);
    send(Qt::RotateNativeGesture, 15);
    EXPECT_NEAR(view->rotationAngle(), 45, 1e-9);
    send(Qt::RotateNativeGesture, -60);
    send(Qt::EndNativeGesture, 0);
    EXPECT_NEAR(view->rotationAngle(), 345, 1e-9);
    view->stopDeceleration();
}

// The members a kind must answer stop the program, naming themselves and the
// base, when a kind reaches the base's own body.
class BaseBodies : public PieRadarChartViewBase {
public:
    using PieRadarChartViewBase::PieRadarChartViewBase;
    std::int64_t indexForAngle(double angle) const override { return PieRadarChartViewBase::indexForAngle(angle); }
    double radius() const override { return PieRadarChartViewBase::radius(); }
    double requiredLegendOffset() const override { return PieRadarChartViewBase::requiredLegendOffset(); }
    double requiredBaseOffset() const override { return PieRadarChartViewBase::requiredBaseOffset(); }
};

class BaseHighlighter : public PieRadarHighlighter {
public:
    using PieRadarHighlighter::PieRadarHighlighter;
    HighlightPtr closestHighlight(std::int64_t index, double x, double y) override {
        return PieRadarHighlighter::closestHighlight(index, x, y);
    }
};

TEST(PieRadarView, TheKindsMembersStopTheProgramInTheBase) {
    std::unique_ptr<BaseBodies> view(ChartViewBase::create<BaseBodies>());
    EXPECT_DEATH((void)view->indexForAngle(0), "indexForAngle\\(\\) cannot be called on PieRadarChartViewBase");
    EXPECT_DEATH((void)view->radius(), "radius cannot be called on PieRadarChartViewBase");
    EXPECT_DEATH((void)view->requiredLegendOffset(), "requiredLegendOffset cannot be called on PieRadarChartViewBase");
    EXPECT_DEATH((void)view->requiredBaseOffset(), "requiredBaseOffset cannot be called on PieRadarChartViewBase");
    BaseHighlighter highlighter{std::weak_ptr<ChartDataProvider>()};
    EXPECT_DEATH((void)highlighter.closestHighlight(0, 0, 0),
                 "closestHighlight\\(index, x, y\\) cannot be called on PieRadarChartHighlighter");
}

} // namespace
} // namespace charts
