#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include <QCoreApplication>
#include <QHideEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPointingDevice>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

#include "Charts/foundation/DisplayLink.h"
#include "tests/charts/support/chart_view_support.h"
#include "tests/support/chart_environment.h"

namespace charts {
namespace {

using namespace charts::testing;
using S = GestureState;

// A chart of x 0 to 100 and y 0 to 100, 400 x 300.
std::unique_ptr<LineChartView> rampChart() {
    auto view = makeLineChart(400, 300);
    view->setData(lineData({lineSet(ramp(11))}));
    return view;
}

Point pixelOf(const LineChartView& view, double x, double y) {
    return view.pixelForValues(x, y, YAxis::AxisDependency::left);
}

TEST(BarLineClick, AClickTogglesTheHighlightOfTheNearestValue) {
    const auto view = rampChart();
    const auto delegate = std::make_shared<RecordingDelegate>();
    view->setDelegate(delegate);
    view->tapGestureRecognized(step(S::ended, pixelOf(*view, 30, 30)));
    ASSERT_EQ(view->highlighted().size(), 1u);
    EXPECT_EQ(view->highlighted().front()->x(), 30);
    // Elsewhere on a value: the highlight moves there.
    view->tapGestureRecognized(step(S::ended, pixelOf(*view, 70, 70)));
    ASSERT_EQ(view->highlighted().size(), 1u);
    EXPECT_EQ(view->highlighted().front()->x(), 70);
    // On the highlighted value again: cleared.
    view->tapGestureRecognized(step(S::ended, pixelOf(*view, 70, 70)));
    EXPECT_TRUE(view->highlighted().empty());
    EXPECT_EQ(view->lastHighlighted(), nullptr);
    EXPECT_EQ(delegate->messages, (std::vector<std::string>{"selected", "selected", "nothing"}));
    // On empty space (farther than the highlight distance): cleared.
    view->tapGestureRecognized(step(S::ended, pixelOf(*view, 40, 40)));
    view->setMaxHighlightDistance(5);
    view->tapGestureRecognized(step(S::ended, pixelOf(*view, 40, 95)));
    EXPECT_TRUE(view->highlighted().empty());
    // Only the ended state acts, and only when tapping highlights.
    view->tapGestureRecognized(step(S::began, pixelOf(*view, 40, 40)));
    view->setHighlightPerTapEnabled(false);
    view->tapGestureRecognized(step(S::ended, pixelOf(*view, 40, 40)));
    EXPECT_TRUE(view->highlighted().empty());
}

TEST(BarLineDoubleClick, ZoomsBy14AboutThePointer) {
    struct Case {
        bool scaleX;
        bool scaleY;
        double expectedX;
        double expectedY;
    };
    const Case cases[] = {{true, true, 1.4, 1.4}, {true, false, 1.4, 1.0}, {false, true, 1.0, 1.4}};
    for (const Case& c : cases) {
        const auto view = rampChart();
        const auto delegate = std::make_shared<RecordingDelegate>();
        view->setDelegate(delegate);
        view->setScaleXEnabled(c.scaleX);
        view->setScaleYEnabled(c.scaleY);
        const Point pointer{250, 120};
        const Point before = view->valueForTouchPoint(pointer, YAxis::AxisDependency::left);
        view->doubleTapGestureRecognized(step(S::ended, pointer));
        EXPECT_DOUBLE_EQ(view->scaleX(), c.expectedX);
        EXPECT_DOUBLE_EQ(view->scaleY(), c.expectedY);
        const Point after = view->valueForTouchPoint(pointer, YAxis::AxisDependency::left);
        EXPECT_NEAR(after.x, before.x, 1e-9);
        EXPECT_NEAR(after.y, before.y, 1e-9);
        ASSERT_EQ(delegate->scales.size(), 1u);
        EXPECT_EQ(delegate->scales.front(), (Point{c.expectedX, c.expectedY}));
    }
}

TEST(BarLineDoubleClick, DoesNothingWhenOffOrWithoutEntries) {
    const auto off = rampChart();
    off->setDoubleTapToZoomEnabled(false);
    off->doubleTapGestureRecognized(step(S::ended, Point{200, 150}));
    EXPECT_EQ(off->scaleX(), 1);
    const auto empty = makeLineChart();
    empty->setData(lineData({lineSet({})}));
    empty->doubleTapGestureRecognized(step(S::ended, Point{200, 150}));
    EXPECT_EQ(empty->scaleX(), 1);
}

TEST(BarLinePinch, ScalesTheAxesItMay) {
    struct Case {
        bool pinchZoom;
        bool scaleX;
        bool scaleY;
        double expectedX;
        double expectedY;
    };
    // With both scale flags and no pinch zoom, the gesture's two touches are
    // one point here, so it scales y only.
    const Case cases[] = {{false, true, true, 1.0, 1.5},
                          {true, true, true, 1.5, 1.5},
                          {false, true, false, 1.5, 1.0},
                          {false, false, true, 1.0, 1.5},
                          {false, false, false, 1.0, 1.0}};
    for (const Case& c : cases) {
        const auto view = rampChart();
        view->setPinchZoomEnabled(c.pinchZoom);
        view->setScaleXEnabled(c.scaleX);
        view->setScaleYEnabled(c.scaleY);
        GestureStep began = step(S::began, Point{200, 150});
        view->pinchGestureRecognized(began);
        GestureStep changed = step(S::changed, Point{200, 150}, {}, {}, 0.5);
        view->pinchGestureRecognized(changed);
        // Every step scales relative to the last; without scaling the step is
        // left alone.
        EXPECT_EQ(changed.magnification, c.pinchZoom || c.scaleX || c.scaleY ? 0 : 0.5);
        GestureStep ended = step(S::ended, Point{200, 150});
        view->pinchGestureRecognized(ended);
        EXPECT_DOUBLE_EQ(view->scaleX(), c.expectedX) << c.pinchZoom << c.scaleX << c.scaleY;
        EXPECT_DOUBLE_EQ(view->scaleY(), c.expectedY) << c.pinchZoom << c.scaleX << c.scaleY;
        EXPECT_FALSE(view->isScaling());
    }
}

TEST(BarLinePinch, AStepBeyondTheLimitsChangesNothingAndTellsNoOne) {
    const auto view = rampChart();
    view->setPinchZoomEnabled(true);
    const auto delegate = std::make_shared<RecordingDelegate>();
    view->setDelegate(delegate);
    GestureStep began = step(S::began, Point{200, 150});
    view->pinchGestureRecognized(began);
    // Fully zoomed out: a pinch out cannot zoom out further.
    GestureStep changed = step(S::changed, Point{200, 150}, {}, {}, -0.3);
    const AffineTransform before = view->viewPortHandler()->touchMatrix();
    view->pinchGestureRecognized(changed);
    EXPECT_EQ(view->viewPortHandler()->touchMatrix(), before);
    EXPECT_TRUE(delegate->messages.empty());
    EXPECT_EQ(changed.magnification, 0);
}

TEST(BarLinePan, AtFullZoomOutItHighlightsInsteadOfDragging) {
    const auto view = rampChart();
    const auto delegate = std::make_shared<RecordingDelegate>();
    view->setDelegate(delegate);
    const Point start = pixelOf(*view, 20, 20);
    view->panGestureRecognized(step(S::began, start));
    EXPECT_FALSE(view->isDragging());
    const AffineTransform before = view->viewPortHandler()->touchMatrix();
    view->panGestureRecognized(step(S::changed, pixelOf(*view, 21, 21)));
    view->panGestureRecognized(step(S::changed, pixelOf(*view, 22, 22))); // same value: no new highlight
    view->panGestureRecognized(step(S::changed, pixelOf(*view, 49, 49)));
    view->panGestureRecognized(step(S::ended, pixelOf(*view, 49, 49)));
    EXPECT_EQ(view->viewPortHandler()->touchMatrix(), before);
    ASSERT_EQ(view->highlighted().size(), 1u);
    EXPECT_EQ(view->highlighted().front()->x(), 50);
    EXPECT_EQ(delegate->messages, (std::vector<std::string>{"selected", "selected"}));
    EXPECT_FALSE(view->isDecelerating());
}

TEST(BarLinePan, ADragMovesTheContentAndGlidesOnWithFriction) {
    ManualMediaClock clock(100);
    const auto view = rampChart();
    const auto delegate = std::make_shared<RecordingDelegate>();
    view->setDelegate(delegate);
    view->zoom(4, 1, 0, 0);
    const double start = view->viewPortHandler()->transX();
    view->panGestureRecognized(step(S::began, Point{200, 150}, Point{-10, 0}));
    EXPECT_TRUE(view->isDragging());
    view->panGestureRecognized(step(S::changed, Point{180, 150}, Point{-30, 0}));
    EXPECT_DOUBLE_EQ(view->viewPortHandler()->transX(), start - 30);
    view->panGestureRecognized(step(S::ended, Point{180, 150}, Point{-30, 0}, Point{-600, 0}));
    EXPECT_FALSE(view->isDragging());
    ASSERT_TRUE(view->isDecelerating());
    EXPECT_EQ(delegate->messages.back(), "endPanning");

    // Each tick: the velocity falls by the friction once, the content moves
    // by velocity times the real time since the last tick.
    double expectedVelocity = -600;
    double expectedX = start - 30;
    for (double dt : {0.016, 0.033, 0.010}) {
        clock.advance(dt);
        clock.tick();
        expectedVelocity *= 0.9;
        expectedX += expectedVelocity * dt;
        EXPECT_DOUBLE_EQ(view->decelerationVelocity().x, expectedVelocity);
        EXPECT_NEAR(view->viewPortHandler()->transX(), expectedX, 1e-9);
    }
    // It comes to rest below 0.001 on both axes.
    for (int i = 0; i < 400 && view->isDecelerating(); ++i) {
        clock.advance(0.016);
        clock.tick();
    }
    EXPECT_FALSE(view->isDecelerating());
    EXPECT_LT(std::fabs(view->decelerationVelocity().x), 0.001);
}

TEST(BarLinePan, TheGlideStopsAtTheEdgeOfTheContent) {
    ManualMediaClock clock(5);
    const auto view = rampChart();
    view->zoom(2, 1, 0, 0);
    view->panGestureRecognized(step(S::began, Point{200, 150}, Point{5, 0}));
    // Dragged right from the start: already at the left edge.
    view->panGestureRecognized(step(S::ended, Point{205, 150}, Point{5, 0}, Point{5000, 0}));
    ASSERT_TRUE(view->isDecelerating());
    clock.advance(0.016);
    clock.tick();
    EXPECT_FALSE(view->isDecelerating());
    EXPECT_EQ(view->decelerationVelocity(), (Point{0, 0}));
}

TEST(BarLinePan, AVelocityThatIsNotANumberStopsTheGlideAtOnce) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    for (const Point velocity : {Point{nan, 0}, Point{0, infinity}, Point{-infinity, nan}}) {
        ManualMediaClock clock(5);
        const auto view = rampChart();
        view->zoom(3, 3, 0, 0);
        view->panGestureRecognized(step(S::began, Point{200, 150}, Point{-5, 0}));
        const AffineTransform held = view->viewPortHandler()->touchMatrix();
        view->panGestureRecognized(step(S::ended, Point{195, 150}, Point{-5, 0}, velocity));
        clock.advance(0.016);
        clock.tick();
        EXPECT_FALSE(view->isDecelerating());
        EXPECT_EQ(view->viewPortHandler()->touchMatrix(), held);
    }
}

TEST(BarLinePan, ACancelledPanDoesNotGlide) {
    const auto view = rampChart();
    view->zoom(4, 1, 0, 0);
    view->panGestureRecognized(step(S::began, Point{200, 150}, Point{-10, 0}));
    view->panGestureRecognized(step(S::cancelled, Point{190, 150}, Point{-10, 0}, Point{-900, 0}));
    EXPECT_FALSE(view->isDecelerating());
    EXPECT_FALSE(view->isDragging());
    view->setDragDecelerationEnabled(false);
    view->panGestureRecognized(step(S::began, Point{200, 150}, Point{-10, 0}));
    view->panGestureRecognized(step(S::ended, Point{190, 150}, Point{-10, 0}, Point{-900, 0}));
    EXPECT_FALSE(view->isDecelerating());
}

TEST(BarLinePan, TheDragFlagsLimitTheMovement) {
    struct Case {
        bool dragX;
        bool dragY;
        Point moved;
    };
    const Case cases[] = {{true, true, {-20, 10}}, {true, false, {-20, 0}}, {false, true, {0, 10}}};
    for (const Case& c : cases) {
        const auto view = rampChart();
        view->zoom(3, 3, 0, 0);
        view->setDragXEnabled(c.dragX);
        view->setDragYEnabled(c.dragY);
        const double tx = view->viewPortHandler()->transX();
        const double ty = view->viewPortHandler()->transY();
        view->panGestureRecognized(step(S::began, Point{200, 150}, Point{-20, 10}));
        EXPECT_DOUBLE_EQ(view->viewPortHandler()->transX() - tx, c.moved.x);
        EXPECT_DOUBLE_EQ(view->viewPortHandler()->transY() - ty, c.moved.y);
    }
}

// A view whose pans on an inverted axis reverse x, as the horizontal bar
// chart's do.
class SidewaysView : public LineChartView {
public:
    explicit SidewaysView(ConstructionKey key) : LineChartView(key) {}

protected:
    bool reversesHorizontalPanOnInvertedAxis() const override { return true; }
};

TEST(BarLinePan, OnAnInvertedAxisTheTouchedSetMovesTheOtherWay) {
    struct Case {
        bool sideways;
        bool inverted;
        Point moved; // for a drag of (-10, -10)
    };
    const Case cases[] = {
        {false, false, {-10, -10}}, {false, true, {-10, 10}}, {true, true, {10, -10}}, {true, false, {-10, -10}}};
    for (const Case& c : cases) {
        std::unique_ptr<LineChartView> view(c.sideways ? ChartViewBase::create<SidewaysView>()
                                                       : ChartViewBase::create<LineChartView>());
        view->setChartSize(400, 300);
        view->leftAxis()->setInverted(c.inverted);
        view->setData(lineData({lineSet(ramp(11))}));
        view->zoom(3, 3, 0, 0);
        view->performPanChange(Point{-100, -100}); // room on every side
        view->performPanChange(Point{-100, 100});
        const double tx = view->viewPortHandler()->transX();
        const double ty = view->viewPortHandler()->transY();
        view->panGestureRecognized(step(S::began, pixelOf(*view, 50, 50), Point{-10, -10}));
        EXPECT_DOUBLE_EQ(view->viewPortHandler()->transX() - tx, c.moved.x) << c.sideways << c.inverted;
        EXPECT_DOUBLE_EQ(view->viewPortHandler()->transY() - ty, c.moved.y) << c.sideways << c.inverted;
    }
}

TEST(BarLinePan, AChartThatCannotMoveHandsThePanToItsScrollArea) {
    QScrollArea area;
    area.resize(300, 200);
    auto* view = ChartViewBase::create<LineChartView>();
    view->setMinimumSize(400, 600);
    area.setWidget(view);
    view->setChartSize(400, 600);
    view->setData(lineData({lineSet(ramp(11))}));
    view->zoom(2, 1, 0, 0);
    area.verticalScrollBar()->setValue(100);
    const int scrolled = area.verticalScrollBar()->value();
    ASSERT_GT(scrolled, 50);
    // Down and at the chart's top edge already in y, with x drag off: the
    // chart cannot move, the area scrolls up by the drag instead.
    view->setDragXEnabled(false);
    view->panGestureRecognized(step(S::began, Point{100, 300}, Point{0, 30}));
    EXPECT_FALSE(view->isDragging());
    EXPECT_EQ(area.verticalScrollBar()->value(), scrolled - 30);
    view->panGestureRecognized(step(S::changed, Point{100, 320}, Point{0, 50}));
    EXPECT_EQ(area.verticalScrollBar()->value(), scrolled - 50);
    view->panGestureRecognized(step(S::ended, Point{100, 320}, Point{0, 50}));
    EXPECT_FALSE(view->isDecelerating());
}

// The recogniser check callers may ask.
class AskingView : public LineChartView {
public:
    explicit AskingView(ConstructionKey key) : LineChartView(key) {}
    using BarLineChartViewBase::gestureRecognizerShouldBegin;
};

TEST(BarLineRecognisers, WhetherAPanOrPinchMayBegin) {
    struct Case {
        const char* name;
        std::function<void(AskingView&)> set;
        Point velocity;
        bool pan;
        bool pinch;
    };
    const Case cases[] = {
        {"zoomed in", [](AskingView& v) { v.zoom(2, 2, 0, 0); }, {5, 1}, true, true},
        {"no data", [](AskingView& v) { v.setData(nullptr); }, {5, 1}, false, false},
        {"drag off", [](AskingView& v) { v.setDragEnabled(false); }, {5, 1}, false, true},
        {"full zoom-out, highlight by drag", [](AskingView&) {}, {5, 1}, true, true},
        {"full zoom-out, no highlight by drag",
         [](AskingView& v) { v.setHighlightPerDragEnabled(false); },
         {5, 1},
         false,
         true},
        {"full zoom-out with drag offset",
         [](AskingView& v) {
             v.setHighlightPerDragEnabled(false);
             v.setDragOffsetX(10);
         },
         {5, 1},
         true,
         true},
        {"mostly vertical, y drag off", [](AskingView& v) { v.setDragYEnabled(false); }, {1, 5}, false, true},
        {"mostly horizontal, y drag off", [](AskingView& v) { v.setDragYEnabled(false); }, {5, 1}, true, true},
        {"mostly horizontal, x drag off", [](AskingView& v) { v.setDragXEnabled(false); }, {5, 1}, false, true},
        {"no scaling", [](AskingView& v) { v.setScaleEnabled(false); }, {5, 1}, true, false},
        {"pinch zoom only",
         [](AskingView& v) {
             v.setScaleEnabled(false);
             v.setPinchZoomEnabled(true);
         },
         {5, 1},
         true,
         true},
    };
    for (const Case& c : cases) {
        std::unique_ptr<AskingView> view(ChartViewBase::create<AskingView>());
        view->setChartSize(400, 300);
        view->setData(lineData({lineSet(ramp(11))}));
        c.set(*view);
        const GestureStep s = step(S::began, Point{200, 150}, {}, c.velocity);
        EXPECT_EQ(view->gestureRecognizerShouldBegin(s, true), c.pan) << c.name;
        EXPECT_EQ(view->gestureRecognizerShouldBegin(s, false), c.pinch) << c.name;
    }
}

// The same gestures from Qt's own events, as the window delivers them.
struct MouseScript {
    LineChartView& view;
    void send(QEvent::Type type, Point p, std::uint64_t t, Qt::MouseButtons buttons) {
        QMouseEvent event(type, toQt(p), view.mapToGlobal(toQt(p)),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
        event.setTimestamp(t);
        QCoreApplication::sendEvent(&view, &event);
    }
    void press(Point p, std::uint64_t t) { send(QEvent::MouseButtonPress, p, t, Qt::LeftButton); }
    void doubleClick(Point p, std::uint64_t t) { send(QEvent::MouseButtonDblClick, p, t, Qt::LeftButton); }
    void move(Point p, std::uint64_t t) { send(QEvent::MouseMove, p, t, Qt::LeftButton); }
    void release(Point p, std::uint64_t t) { send(QEvent::MouseButtonRelease, p, t, Qt::NoButton); }
};

TEST(BarLineQtInput, MouseEventsBecomeClicksDoubleClicksAndPans) {
    ManualMediaClock clock(1);
    const auto view = rampChart();
    MouseScript mouse{*view};
    const Point value = pixelOf(*view, 50, 50);
    mouse.press(value, 1000);
    mouse.release(value, 1050);
    ASSERT_EQ(view->highlighted().size(), 1u);
    // The second click of a double click zooms and does not toggle again.
    mouse.doubleClick(value, 1200);
    mouse.release(value, 1250);
    EXPECT_DOUBLE_EQ(view->scaleX(), 1.4);
    EXPECT_EQ(view->highlighted().size(), 1u);
    // A drag, released while moving: pans and glides.
    const double tx = view->viewPortHandler()->transX();
    mouse.press(Point{200, 150}, 2000);
    for (int i = 1; i <= 5; ++i) mouse.move(Point{200.0 - 8 * i, 150}, 2000 + 10 * i);
    mouse.release(Point{160, 150}, 2060);
    EXPECT_DOUBLE_EQ(view->viewPortHandler()->transX(), tx - 40);
    EXPECT_TRUE(view->isDecelerating());
    EXPECT_EQ(view->highlighted().size(), 1u); // a pan is no click
}

TEST(BarLineQtInput, EscapeCancelsAPanAndTheWheelIsLeftToTheParent) {
    const auto view = rampChart();
    view->zoom(4, 1, 0, 0);
    MouseScript mouse{*view};
    mouse.press(Point{200, 150}, 10);
    mouse.move(Point{180, 150}, 20);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(view.get(), &escape);
    EXPECT_TRUE(escape.isAccepted());
    mouse.release(Point{150, 150}, 30);
    EXPECT_FALSE(view->isDecelerating());
    EXPECT_FALSE(view->isDragging());

    QWheelEvent wheel(QPointF(100, 100), view->mapToGlobal(QPointF(100, 100)), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view.get(), &wheel);
    EXPECT_FALSE(wheel.isAccepted());
    EXPECT_EQ(view->scaleX(), 4);
}

// Losing the pointer mid-pan (another window grabs it, the window is
// deactivated, the chart is hidden) cancels the pan: the content stays where
// the pan left it, nothing glides, and the rest of the drag moves nothing.
TEST(BarLineQtInput, LosingThePointerCancelsThePan) {
    const QEvent::Type types[] = {QEvent::UngrabMouse, QEvent::WindowDeactivate, QEvent::Hide};
    for (const QEvent::Type type : types) {
        const auto view = rampChart();
        const auto delegate = std::make_shared<RecordingDelegate>();
        view->setDelegate(delegate);
        view->zoom(4, 1, 0, 0);
        const double start = view->viewPortHandler()->transX();
        MouseScript mouse{*view};
        mouse.press(Point{200, 150}, 10);
        mouse.move(Point{190, 150}, 20);
        mouse.move(Point{170, 150}, 30);
        ASSERT_TRUE(view->isDragging()) << type;
        if (type == QEvent::Hide) {
            QHideEvent hidden;
            QCoreApplication::sendEvent(view.get(), &hidden);
        } else {
            QEvent lost(type);
            QCoreApplication::sendEvent(view.get(), &lost);
        }
        EXPECT_FALSE(view->isDragging()) << type;
        EXPECT_DOUBLE_EQ(view->viewPortHandler()->transX(), start - 30) << type;
        EXPECT_EQ(delegate->messages.back(), "endPanning") << type;
        mouse.move(Point{120, 150}, 40);
        mouse.release(Point{100, 150}, 45);
        EXPECT_DOUBLE_EQ(view->viewPortHandler()->transX(), start - 30) << type;
        EXPECT_FALSE(view->isDecelerating()) << type;
        EXPECT_FALSE(view->isDragging()) << type;
    }
}

// A new pan stops a running glide at its start, also when it cannot drag the
// chart itself (dragging switched off, or nothing to drag and no highlighting
// by drag).
TEST(BarLineQtInput, ANewPanStopsTheGlideWhateverItGoesOnToDo) {
    struct Case {
        const char* name;
        std::function<void(LineChartView&)> meanwhile;
    };
    const Case cases[] = {
        {"dragging on", [](LineChartView&) {}},
        {"dragging off", [](LineChartView& v) { v.setDragEnabled(false); }},
        {"fully zoomed out, no highlight by drag",
         [](LineChartView& v) {
             v.setHighlightPerDragEnabled(false);
             v.fitScreen();
         }},
    };
    for (const Case& c : cases) {
        ManualMediaClock clock(1);
        const auto view = rampChart();
        view->zoom(4, 1, 0, 0);
        MouseScript mouse{*view};
        mouse.press(Point{200, 150}, 1000);
        for (int i = 1; i <= 5; ++i) mouse.move(Point{200.0 - 8 * i, 150}, 1000 + 10 * i);
        mouse.release(Point{160, 150}, 1060);
        ASSERT_TRUE(view->isDecelerating()) << c.name;
        c.meanwhile(*view);
        mouse.press(Point{100, 100}, 2000);
        mouse.move(Point{100, 110}, 2010);
        EXPECT_FALSE(view->isDecelerating()) << c.name;
        mouse.release(Point{100, 110}, 2500);
    }
}

TEST(BarLineQtInput, APressAfterALostReleaseCancelsTheOldPan) {
    const auto view = rampChart();
    view->zoom(4, 1, 0, 0);
    MouseScript mouse{*view};
    mouse.press(Point{200, 150}, 10);
    mouse.move(Point{180, 150}, 20);
    EXPECT_TRUE(view->isDragging());
    // The release went to another window; the next press starts afresh.
    mouse.press(Point{100, 100}, 500);
    EXPECT_FALSE(view->isDragging());
    EXPECT_FALSE(view->isDecelerating());
    const Point value = pixelOf(*view, view->lowestVisibleX(), 50);
    mouse.release(Point{100, 100}, 520);
    mouse.press(value, 600);
    mouse.release(value, 620);
    EXPECT_EQ(view->highlighted().size(), 1u);
}

TEST(BarLineQtInput, ANativeZoomGesturePinches) {
    const auto view = rampChart();
    const auto send = [&](Qt::NativeGestureType type, double value) {
        const QPointF at(200, 150);
        QNativeGestureEvent event(type, QPointingDevice::primaryPointingDevice(), 2, at, at, view->mapToGlobal(at),
                                  value, QPointF());
        QCoreApplication::sendEvent(view.get(), &event);
    };
    send(Qt::BeginNativeGesture, 0);
    EXPECT_TRUE(view->isScaling());
    send(Qt::ZoomNativeGesture, 0.25);
    send(Qt::ZoomNativeGesture, 0.2);
    send(Qt::EndNativeGesture, 0);
    EXPECT_FALSE(view->isScaling());
    // Both scale flags, no pinch zoom: y only, by 1.25 then 1.2.
    EXPECT_DOUBLE_EQ(view->scaleX(), 1);
    EXPECT_DOUBLE_EQ(view->scaleY(), 1.25 * 1.2);
    // With the recogniser off nothing happens.
    view->setScaleEnabled(false);
    send(Qt::BeginNativeGesture, 0);
    send(Qt::ZoomNativeGesture, 0.5);
    EXPECT_DOUBLE_EQ(view->scaleY(), 1.25 * 1.2);
}

} // namespace
} // namespace charts
