#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <vector>

#include "app/ui/editors/ManualCurveEditorDelegate.h"
#include "app/ui/editors/ManualCurveEditorView.h"
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

class ManualCurveEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        editor.resize(300, 300);
        editor.delegate = &delegate;
    }
    // Mouse input at y-up view coordinates.
    void press(QPointF at, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        uitest::press(&editor, fromYUp(&editor, at), Qt::LeftButton, modifiers);
    }
    void drag(QPointF to) { uitest::drag(&editor, fromYUp(&editor, to)); }
    void release(QPointF at) { uitest::release(&editor, fromYUp(&editor, at)); }
    void rightClick(QPointF at) { uitest::click(&editor, fromYUp(&editor, at), Qt::RightButton); }

    ManualCurveEditorView editor;
    RecordingDelegate delegate;
};

struct HitCase {
    const char* name;
    QVector<QPointF> points;
    QPointF click;
    int selected;
};

TEST_F(ManualCurveEditorTest, AClickSelectsTheLastPointWithinTenUnitsInBothDirections) {
    const HitCase cases[] = {
        {"exact hit", {{0, 0}, {150, 150}, {300, 300}}, {150, 150}, 1},
        {"9.9 away in x and y", {{0, 0}, {150, 150}, {300, 300}}, {159.9, 140.1}, 1},
        {"10 away in x misses", {{0, 0}, {150, 150}, {300, 300}}, {160, 150}, 0},
        {"10 away in y misses", {{0, 0}, {150, 150}, {300, 300}}, {150, 140}, 0},
        {"two within reach: the later wins", {{0, 0}, {100, 100}, {105, 104}, {300, 300}}, {103, 102}, 2},
        {"empty space selects point 0", {{0, 0}, {150, 150}, {300, 300}}, {250, 40}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        editor.inputCurveValues = c.points;
        editor.editingCurrentPoint = 2;
        delegate = {};
        press(c.click);
        EXPECT_EQ(editor.editingCurrentPoint, c.selected);
        // A plain click reports the curve (without recomputing it) and ends
        // by reporting the place clicked.
        EXPECT_EQ(delegate.curves, 1);
        ASSERT_FALSE(delegate.points.empty());
        EXPECT_EQ(delegate.points.back(), c.click);
        release(c.click);
    }
}

TEST_F(ManualCurveEditorTest, ControlClickAndRightClickAddPointsInXOrderKeepingOnePerX) {
    editor.editingCurrentPoint = 1;
    press({100, 120}, Qt::ControlModifier);
    EXPECT_EQ(editor.inputCurveValues, (QVector<QPointF>{{0, 0}, {100, 120}, {300, 300}}));
    EXPECT_EQ(editor.editingCurrentPoint, 1) << "adding leaves the edited point as it was";
    EXPECT_EQ(delegate.curves, 0);

    rightClick({200, 180});
    EXPECT_EQ(editor.inputCurveValues, (QVector<QPointF>{{0, 0}, {100, 120}, {200, 180}, {300, 300}}));
    rightClick({200, 50});
    EXPECT_EQ(editor.inputCurveValues.size(), 4) << "a second point at x 200 is dropped";
    EXPECT_EQ(editor.inputCurveValues[2], QPointF(200, 180));
}

TEST_F(ManualCurveEditorTest, DraggingMovesTheEditedPointAndRecomputesTheCurve) {
    editor.inputCurveValues = {{0, 0}, {150, 150}, {300, 300}};
    press({150, 150});
    ASSERT_EQ(editor.editingCurrentPoint, 1);
    delegate = {};
    drag({150, 240});
    EXPECT_EQ(editor.inputCurveValues[1], QPointF(150, 240));
    EXPECT_EQ(editor.activePoint, QPointF(150, 240));
    EXPECT_EQ(delegate.curves, 1);
    ASSERT_EQ(editor.outputCurveValues.size(), 101u);
    EXPECT_GT(editor.outputCurveValues[50], 70) << "the middle of the curve follows the raised point";
    EXPECT_EQ(editor.outputCurveValues.back(), 100);
    release({150, 240});
    EXPECT_EQ(editor.inputCurveValues[1], QPointF(150, 240));
}

TEST_F(ManualCurveEditorTest, ReleasingOutsideTheViewRemovesTheEditedPoint) {
    editor.inputCurveValues = {{0, 0}, {150, 150}, {300, 300}};
    press({150, 150});
    drag({150, 320});
    release({150, 320});
    EXPECT_EQ(editor.inputCurveValues, (QVector<QPointF>{{0, 0}, {300, 300}}));
    EXPECT_EQ(editor.activePoint, QPointF(300, 300)) << "the point now at the edited index";
}

TEST_F(ManualCurveEditorTest, RemovalAtAnIndexPastTheListIsIgnoredAndOnePointAlwaysRemains) {
    // The last point dragged out: the edited index has left the list.
    editor.inputCurveValues = {{0, 0}, {150, 150}, {300, 300}};
    press({300, 300});
    drag({310, 300});
    release({310, 300});
    ASSERT_EQ(editor.inputCurveValues.size(), 2);
    ASSERT_EQ(editor.editingCurrentPoint, 2);
    release({-5, 40});
    EXPECT_EQ(editor.inputCurveValues, (QVector<QPointF>{{0, 0}, {150, 150}}));
    EXPECT_EQ(editor.activePoint, QPointF(0, 0));
    uitest::key(&editor, Qt::Key_Backspace);
    EXPECT_EQ(editor.inputCurveValues, (QVector<QPointF>{{0, 0}, {150, 150}}));

    // Dropping the only point outside keeps it.
    editor.inputCurveValues = {{0, 0}};
    editor.editingCurrentPoint = 0;
    release({400, 400});
    EXPECT_EQ(editor.inputCurveValues.size(), 1);
    EXPECT_FALSE(uitest::render(&editor).isNull());
}

TEST_F(ManualCurveEditorTest, TabAndShiftTabStepThroughThePointsWrappingAround) {
    editor.inputCurveValues = {{0, 0}, {100, 80}, {300, 300}};
    struct Step {
        int key;
        Qt::KeyboardModifiers modifiers;
        int selected;
    };
    const Step steps[] = {{Qt::Key_Tab, Qt::NoModifier, 1},
                          {Qt::Key_Tab, Qt::NoModifier, 2},
                          {Qt::Key_Tab, Qt::NoModifier, 0},
                          {Qt::Key_Backtab, Qt::ShiftModifier, 2},
                          {Qt::Key_Backtab, Qt::ShiftModifier, 1}};
    for (const auto& step : steps) {
        uitest::key(&editor, step.key, step.modifiers);
        EXPECT_EQ(editor.editingCurrentPoint, step.selected);
        EXPECT_EQ(editor.activePoint, editor.inputCurveValues[step.selected]);
    }
}

TEST_F(ManualCurveEditorTest, ArrowsNudgeTheEditedPointByOneOrTenWithShift) {
    struct Nudge {
        int key;
        Qt::KeyboardModifiers modifiers;
        QPointF expected;
    };
    const Nudge nudges[] = {
        {Qt::Key_Right, Qt::NoModifier, {101, 80}}, {Qt::Key_Right, Qt::ShiftModifier, {111, 80}},
        {Qt::Key_Left, Qt::NoModifier, {110, 80}},  {Qt::Key_Left, Qt::ShiftModifier, {100, 80}},
        {Qt::Key_Up, Qt::NoModifier, {100, 81}},    {Qt::Key_Up, Qt::ShiftModifier, {100, 91}},
        {Qt::Key_Down, Qt::NoModifier, {100, 90}},  {Qt::Key_Down, Qt::ShiftModifier, {100, 80}},
    };
    editor.inputCurveValues = {{0, 0}, {100, 80}, {300, 300}};
    uitest::key(&editor, Qt::Key_Tab);
    for (const auto& nudge : nudges) {
        delegate = {};
        uitest::key(&editor, nudge.key, nudge.modifiers);
        EXPECT_EQ(editor.inputCurveValues[1], nudge.expected);
        EXPECT_EQ(delegate.curves, 1);
        ASSERT_FALSE(delegate.points.empty());
        EXPECT_EQ(delegate.points.back(), nudge.expected);
    }
}

TEST_F(ManualCurveEditorTest, DeleteAndBackspaceRemoveTheEditedPoint) {
    for (int deleteKey : {Qt::Key_Backspace, Qt::Key_Delete}) {
        editor.inputCurveValues = {{0, 0}, {100, 80}, {200, 150}, {300, 300}};
        editor.editingCurrentPoint = 1;
        uitest::key(&editor, deleteKey);
        EXPECT_EQ(editor.inputCurveValues, (QVector<QPointF>{{0, 0}, {200, 150}, {300, 300}}));
        EXPECT_EQ(editor.activePoint, QPointF(200, 150));
    }
    // Deleting the point with the highest index appends the origin, which
    // the recomputation sorts next to point 0.
    editor.inputCurveValues = {{0, 0}, {100, 80}, {300, 300}};
    editor.editingCurrentPoint = 2;
    uitest::key(&editor, Qt::Key_Backspace);
    EXPECT_EQ(editor.inputCurveValues, (QVector<QPointF>{{0, 0}, {0, 0}, {100, 80}}));
    EXPECT_EQ(editor.activePoint, QPointF(0, 0));
}

TEST_F(ManualCurveEditorTest, OutputCurveHasOneHundredAndOnePercentagesEndingAtExactlyOneHundred) {
    editor.inputCurveValues = {{0, 0}, {300, 300}};
    editor.updateCurve();
    ASSERT_EQ(editor.outputCurveValues.size(), 101u);
    EXPECT_EQ(editor.outputCurveXs, (std::vector<double>{0, 100}));
    EXPECT_EQ(editor.outputCurveYs, (std::vector<double>{0, 100}));
    EXPECT_EQ(editor.outputCurveValues.front(), 0);
    EXPECT_EQ(editor.outputCurveValues.back(), 100);
    for (std::size_t i = 1; i < editor.outputCurveValues.size(); ++i)
        EXPECT_GT(editor.outputCurveValues[i], editor.outputCurveValues[i - 1]) << i;
    EXPECT_NEAR(editor.outputCurveValues[50], 50, 1);

    // Without Bezier samples (one point) the curve is a ramp to the last
    // point's height.
    editor.inputCurveValues = {{0, 150}};
    editor.updateCurve();
    ASSERT_EQ(editor.outputCurveValues.size(), 101u);
    EXPECT_DOUBLE_EQ(editor.outputCurveValues[100], 50);
    EXPECT_DOUBLE_EQ(editor.outputCurveValues[10], 5);
}

TEST_F(ManualCurveEditorTest, DrawingPinsTheFirstPointToTheOriginAndTheDiagonalRises) {
    editor.inputCurveValues = {{40, 60}, {300, 300}};
    const QImage image = uitest::render(&editor);
    EXPECT_EQ(editor.inputCurveValues.front(), QPointF(0, 0));
    // The black curve from the bottom-left to the top-right corner: dark near
    // (30, 30) and (270, 270) in y-up terms, light off the line.
    auto dark = [&](int x, int yUp) { return qGray(image.pixel(x, image.height() - 1 - yUp)) < 100; };
    EXPECT_TRUE(dark(30, 30));
    EXPECT_TRUE(dark(270, 270));
    EXPECT_FALSE(dark(30, 270));
    EXPECT_FALSE(dark(270, 30));
}

} // namespace
} // namespace appui
