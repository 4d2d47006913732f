#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <vector>

#include "app/ui/editors/ManualCurveEditorDelegate.h"
#include "app/ui/editors/v2CurveEditorView.h"
#include "tests/ui/ui_test_support.h"

namespace appui {
namespace {

using uitest::fromYUp;

struct RecordingDelegate : ManualCurveEditorDelegate {
    std::vector<QPointF> points;
    int curves = 0;
    void curveDidChange() override { ++curves; }
    void pointDidChange(double x, double y) override { points.push_back({x, y}); }
};

class V2CurveEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        editor.resize(200, 100);
        editor.delegate = &delegate;
    }
    void press(QPointF at) { uitest::press(&editor, fromYUp(&editor, at)); }
    void drag(QPointF to) { uitest::drag(&editor, fromYUp(&editor, to)); }
    void release(QPointF at) { uitest::release(&editor, fromYUp(&editor, at)); }
    void draw() { uitest::render(&editor); }

    v2CurveEditorView editor;
    RecordingDelegate delegate;
};

TEST_F(V2CurveEditorTest, FirstDrawingMakesFiveDiagonalPointsAndTheIdentityCurve) {
    EXPECT_TRUE(editor.inputCurveValues.isEmpty());
    draw();
    EXPECT_EQ(editor.inputCurveValues, (QVector<QPointF>{{0, 0}, {50, 25}, {100, 50}, {150, 75}, {200, 100}}));
    EXPECT_EQ(editor.xs, (std::vector<double>{100, 75, 50, 25, 0})) << "percentages run from the last point";
    ASSERT_EQ(editor.outputCurveValues.size(), 256u);
    EXPECT_EQ(editor.outputCurveValues, editor.scale) << "exactly the identity, as no manual target";
    EXPECT_EQ(delegate.curves, 1);
    draw();
    EXPECT_EQ(delegate.curves, 2) << "every drawing reports the curve, changed or not";
}

TEST_F(V2CurveEditorTest, AClickSelectsTheLastPointWithinTenUnits) {
    struct Case {
        QPointF click;
        int selected;
    };
    const Case cases[] = {{{105, 45}, 2}, {{150, 75}, 3}, {{140.1, 84.9}, 3}, {{160, 75}, 0}, {{120, 10}, 0}};
    for (const auto& c : cases) {
        editor.inputCurveValues.clear();
        draw();
        press(c.click);
        EXPECT_EQ(editor.currentIndex, c.selected) << c.click.x() << "," << c.click.y();
        release(c.click);
    }
}

TEST_F(V2CurveEditorTest, ReportsTheCurrentPointAfterAHit) {
    draw();
    press({105, 45});
    ASSERT_GE(delegate.points.size(), 2u);
    EXPECT_EQ(delegate.points[delegate.points.size() - 2], QPointF(105, 45)) << "the place of the hit";
    EXPECT_EQ(delegate.points.back(), QPointF(100, 50)) << "then the current point itself";
    press({120, 10});
    EXPECT_EQ(editor.currentIndex, 0);
    EXPECT_EQ(delegate.points.back(), QPointF(0, 0)) << "a miss makes point 0 current";
}

TEST_F(V2CurveEditorTest, DragsMayLeaveTheViewAndTheReleaseSnapsToTheNearestEdge) {
    draw();
    press({150, 75});
    drag({260, 130});
    EXPECT_EQ(editor.inputCurveValues[3], QPointF(260, 130));
    EXPECT_EQ(editor.activePoint, QPointF(260, 130));
    release({260, 130});
    EXPECT_EQ(editor.inputCurveValues[3], QPointF(200, 100));
    press({200, 100});
    release({120, -40});
    EXPECT_EQ(editor.inputCurveValues[editor.currentIndex], QPointF(120, 0));
}

// Points that swing, leave the box or share an x still give a curve inside
// 0 ... 100 that never falls: no overshoot, no turning back.
TEST_F(V2CurveEditorTest, EveryCurveStaysInTheBoxAndNeverFalls) {
    draw();
    for (const QVector<QPointF>& points : {QVector<QPointF>{{0, 0}, {50, 95}, {100, 5}, {150, 95}, {200, 100}},
                                           {{77.36, 30}, {24, 10}, {100, 48}, {160, 80}, {200, 100}},
                                           {{0, 0}, {100, 40}, {100, 50}, {150, 75}, {200, 100}},
                                           {{0, -20}, {50, 25}, {100, 33}, {250, 130}, {200, 100}},
                                           {{0, 0}, {200, 100}}}) {
        editor.inputCurveValues = points;
        draw();
        const auto& curve = editor.outputCurveValues;
        ASSERT_EQ(curve.size(), 256u);
        EXPECT_TRUE(std::is_sorted(curve.begin(), curve.end()) && curve.front() >= 0 && curve.back() <= 100);
    }
    // A moved middle point is passed through, with no swing beyond it.
    editor.inputCurveValues = {{0, 0}, {50, 25}, {100, 33}, {150, 75}, {200, 100}};
    draw();
    EXPECT_DOUBLE_EQ(*editor.curveValue(50), 33);
    EXPECT_GT(editor.outputCurveValues[240], 90);
    EXPECT_LT(editor.outputCurveValues[240], 100);
}

TEST_F(V2CurveEditorTest, KeysStepThroughAndNudgeThePointsButDeleteNothing) {
    draw();
    struct Step {
        int key;
        Qt::KeyboardModifiers modifiers;
        int current;
        QPointF point; // of the current point afterwards
    };
    const Step steps[] = {
        {Qt::Key_Tab, Qt::NoModifier, 1, {50, 25}},      {Qt::Key_Right, Qt::NoModifier, 1, {51, 25}},
        {Qt::Key_Up, Qt::ShiftModifier, 1, {51, 35}},    {Qt::Key_Left, Qt::ShiftModifier, 1, {41, 35}},
        {Qt::Key_Down, Qt::NoModifier, 1, {41, 34}},     {Qt::Key_Backspace, Qt::NoModifier, 1, {41, 34}},
        {Qt::Key_Backtab, Qt::ShiftModifier, 0, {0, 0}}, {Qt::Key_Backtab, Qt::ShiftModifier, 4, {200, 100}},
        {Qt::Key_Tab, Qt::NoModifier, 0, {0, 0}},
    };
    for (const auto& step : steps) {
        uitest::key(&editor, step.key, step.modifiers);
        EXPECT_EQ(editor.currentIndex, step.current) << step.key;
        EXPECT_EQ(editor.inputCurveValues.size(), 5);
        EXPECT_EQ(editor.inputCurveValues[step.current], step.point) << step.key;
    }
}

TEST_F(V2CurveEditorTest, MovingAPointPastTheListMovesPointZeroUnreported) {
    draw();
    delegate = {};
    editor.movePoint(7, 10, 20);
    EXPECT_EQ(editor.inputCurveValues[0], QPointF(10, 20));
    EXPECT_TRUE(delegate.points.empty());
    // With no points at all (after a reset) a move changes nothing.
    editor.inputCurveValues.clear();
    editor.movePoint(0, 10, 20);
    EXPECT_TRUE(editor.inputCurveValues.isEmpty());
}

TEST_F(V2CurveEditorTest, TheDrawnCurveRisesAlongTheDiagonal) {
    editor.resize(200, 200);
    const QImage image = uitest::render(&editor);
    auto dark = [&](int x, int yUp) { return qGray(image.pixel(x, image.height() - 1 - yUp)) < 100; };
    EXPECT_TRUE(dark(30, 30));
    EXPECT_TRUE(dark(170, 170));
    EXPECT_FALSE(dark(30, 170));
    EXPECT_FALSE(dark(170, 30));
}

} // namespace
} // namespace appui
