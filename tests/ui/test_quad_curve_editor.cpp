#include <gtest/gtest.h>

#include <QImage>
#include <vector>

#include "app/ui/editors/QuadCurveEditorView.h"
#include "tests/ui/ui_test_support.h"

namespace appui {
namespace {

using uitest::fromYUp;

// 255 x 200: one unit per input level across.
class QuadCurveEditorTest : public ::testing::Test {
protected:
    void SetUp() override { editor.resize(255, 200); }
    void press(QPointF at) { uitest::press(&editor, fromYUp(&editor, at)); }
    void drag(QPointF to) { uitest::drag(&editor, fromYUp(&editor, to)); }
    void release(QPointF at) { uitest::release(&editor, fromYUp(&editor, at)); }

    QuadCurveEditorView editor;
};

TEST_F(QuadCurveEditorTest, APressTakesTheLastPointWithinTenOrElseTheNearestAcross) {
    struct Case {
        const char* name;
        QVector<QPointF> points;
        QPointF click;
        int selected;
        QPointF active;
    };
    const QVector<QPointF> three{{0, 0}, {100, 100}, {255, 200}};
    const Case cases[] = {
        {"9.9 away", three, {109.9, 90.1}, 1, {100, 100}},
        {"10 away in x", three, {110, 100}, 1, {100, 100}},
        {"10 away in y", three, {100, 110}, 1, {100, 100}},
        {"two within reach", {{0, 0}, {100, 100}, {108, 104}, {255, 200}}, {104, 100}, 2, {108, 104}},
        // Not the first point, as it once was: dragged, it crossed the others.
        {"on the curve between two points", three, {180, 150}, 2, {255, 200}},
        {"near the start", three, {30, 60}, 0, {0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        editor.inputCurveValues = c.points;
        editor.editingCurrentPoint = 2;
        editor.activePoint = {0, 0};
        press(c.click);
        EXPECT_EQ(editor.editingCurrentPoint, c.selected);
        EXPECT_EQ(editor.activePoint, c.active);
    }
}

TEST_F(QuadCurveEditorTest, DraggingMovesThePointAndDroppingItOutsideRemovesIt) {
    editor.inputCurveValues = {{0, 0}, {100, 100}, {255, 200}};
    press({100, 100});
    drag({120, 150});
    EXPECT_EQ(editor.inputCurveValues[1], QPointF(120, 150));
    release({120, 150});
    EXPECT_EQ(editor.inputCurveValues[1], QPointF(120, 150));
    press({120, 150});
    drag({120, 230});
    release({120, 230});
    EXPECT_EQ(editor.inputCurveValues, (QVector<QPointF>{{0, 0}, {255, 200}}));
    EXPECT_EQ(editor.activePoint, QPointF(255, 200));
    // Again at the same, now past-the-end, index: nothing is removed.
    editor.editingCurrentPoint = 5;
    release({-3, 10});
    EXPECT_EQ(editor.inputCurveValues.size(), 2);
    EXPECT_EQ(editor.activePoint, QPointF(0, 0));
}

TEST_F(QuadCurveEditorTest, ADragKeepsThePointsInXOrderAndTheEndsAtTheEdges) {
    const QVector<QPointF> four{{0, 10}, {100, 100}, {150, 120}, {255, 200}};
    struct Case {
        const char* name;
        QPointF press;
        QPointF to;
        QVector<QPointF> points;
    };
    const Case cases[] = {
        {"within its neighbours", {130, 105}, {140, 160}, {{0, 10}, {100, 100}, {140, 160}, {255, 200}}},
        {"past the one before", {130, 105}, {50, 160}, {{0, 10}, {100, 100}, {100.01, 160}, {255, 200}}},
        {"past the one after", {100, 100}, {200, 90}, {{0, 10}, {149.99, 90}, {150, 120}, {255, 200}}},
        {"the start, sideways and up", {0, 10}, {60, 50}, {{0, 50}, {100, 100}, {150, 120}, {255, 200}}},
        {"the end, sideways and down", {255, 200}, {120, 150}, {{0, 10}, {100, 100}, {150, 120}, {255, 150}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        editor.inputCurveValues = four;
        press(c.press);
        drag(c.to);
        release(c.to);
        ASSERT_EQ(editor.inputCurveValues.size(), c.points.size());
        for (int i = 0; i < c.points.size(); ++i) {
            EXPECT_NEAR(editor.inputCurveValues[i].x(), c.points[i].x(), 1e-9) << i;
            EXPECT_NEAR(editor.inputCurveValues[i].y(), c.points[i].y(), 1e-9) << i;
        }
    }
}

TEST_F(QuadCurveEditorTest, ARightClickAddsAPointInXOrderKeepingTheOlderOneAtTheSameX) {
    editor.inputCurveValues = {{0, 0}, {255, 200}};
    uitest::click(&editor, fromYUp(&editor, {60, 40}), Qt::RightButton);
    EXPECT_EQ(editor.inputCurveValues, (QVector<QPointF>{{0, 0}, {60, 40}, {255, 200}}));
    uitest::click(&editor, fromYUp(&editor, {60, 90}), Qt::RightButton);
    EXPECT_EQ(editor.inputCurveValues, (QVector<QPointF>{{0, 0}, {60, 40}, {255, 200}}));
}

TEST_F(QuadCurveEditorTest, KeysSelectNudgeAndDeletePoints) {
    editor.inputCurveValues = {{0, 0}, {100, 80}, {255, 200}};
    struct Step {
        int key;
        Qt::KeyboardModifiers modifiers;
        int selected;
        QVector<QPointF> points;
    };
    const Step steps[] = {
        {Qt::Key_Backtab, Qt::ShiftModifier, 2, {{0, 0}, {100, 80}, {255, 200}}},
        {Qt::Key_Tab, Qt::NoModifier, 0, {{0, 0}, {100, 80}, {255, 200}}},
        {Qt::Key_Tab, Qt::NoModifier, 1, {{0, 0}, {100, 80}, {255, 200}}},
        {Qt::Key_Right, Qt::ShiftModifier, 1, {{0, 0}, {110, 80}, {255, 200}}},
        {Qt::Key_Up, Qt::NoModifier, 1, {{0, 0}, {110, 81}, {255, 200}}},
        {Qt::Key_Down, Qt::ShiftModifier, 1, {{0, 0}, {110, 71}, {255, 200}}},
        {Qt::Key_Left, Qt::NoModifier, 1, {{0, 0}, {109, 71}, {255, 200}}},
        {Qt::Key_Delete, Qt::NoModifier, 1, {{0, 0}, {255, 200}}},
        // Deleting the last point appends the origin and moves point 0 there.
        {Qt::Key_Backspace, Qt::NoModifier, 1, {{0, 0}, {0, 0}}},
    };
    for (const auto& step : steps) {
        uitest::key(&editor, step.key, step.modifiers);
        EXPECT_EQ(editor.editingCurrentPoint, step.selected) << step.key;
        EXPECT_EQ(editor.inputCurveValues, step.points) << step.key;
    }
    // Nudges are not clamped to the view's height; an end point keeps its x.
    editor.inputCurveValues = {{0, 0}, {255, 200}};
    editor.editingCurrentPoint = 0;
    uitest::key(&editor, Qt::Key_Tab);
    uitest::key(&editor, Qt::Key_Right, Qt::ShiftModifier);
    uitest::key(&editor, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(editor.inputCurveValues[1], QPointF(255, 210));
}

TEST_F(QuadCurveEditorTest, AnEmptyListOrAnIndexPastItIsHandledSafely) {
    editor.inputCurveValues.clear();
    for (int key : {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Backspace}) uitest::key(&editor, key);
    editor.smoothPoints();
    EXPECT_TRUE(editor.inputCurveValues.isEmpty());
    EXPECT_FALSE(uitest::render(&editor).isNull());
    editor.setPoint(0, 30, 40);
    EXPECT_EQ(editor.inputCurveValues, (QVector<QPointF>{{30, 40}})) << "a point set on an empty list is appended";

    editor.inputCurveValues = {{0, 0}, {255, 200}};
    editor.editingCurrentPoint = 4;
    uitest::key(&editor, Qt::Key_Backspace);
    EXPECT_EQ(editor.inputCurveValues.size(), 2);
    editor.setPoint(4, 10, 20);
    EXPECT_EQ(editor.inputCurveValues[0], QPointF(10, 20)) << "past the end point 0 moves";
}

TEST_F(QuadCurveEditorTest, LoadingAChannelGivesTwentyThreePointsAndTheStepPoints) {
    std::vector<double> curve(256);
    for (std::size_t i = 0; i < 256; ++i) curve[i] = static_cast<double>(i) * 200;
    const auto [points, width] = editor.loadQuadCurve(curve);
    EXPECT_EQ(width, 255);
    ASSERT_EQ(points.size(), 23);
    for (int i = 0; i <= 21; ++i) {
        EXPECT_DOUBLE_EQ(points[i].x(), 12.0 * i) << i;
        EXPECT_DOUBLE_EQ(points[i].y(), 12.0 * i * 200 / 65535 * 200) << i;
    }
    EXPECT_EQ(points.back(), QPointF(255, 255.0 * 200 / 65535 * 200));
    EXPECT_EQ(editor.step25Point, QPointF(63.75, 63.0 * 200 / 65535 * 200));
    EXPECT_EQ(editor.step50Point, QPointF(127.5, 127.0 * 200 / 65535 * 200));
    EXPECT_EQ(editor.step75Point, QPointF(191.25, 191.0 * 200 / 65535 * 200));

    editor.inputCurveValues = points;
    editor.updateOutputCurve();
    EXPECT_DOUBLE_EQ(editor.outputCurveXs[1], 12);
    EXPECT_DOUBLE_EQ(editor.outputCurveYs[1], 2400);
    EXPECT_DOUBLE_EQ(editor.outputCurveYs.back(), 51000);
}

TEST_F(QuadCurveEditorTest, WholeCurveEditsReplaceThePoints) {
    editor.zeroCurve();
    EXPECT_EQ(editor.inputCurveValues, (QVector<QPointF>{{0, 0}, {255, 0}}));

    editor.step50Point = {127.5, 80};
    editor.fillToStepPoint(editor.step50Point);
    ASSERT_EQ(editor.inputCurveValues.size(), 11);
    for (int k = 0; k <= 10; ++k) EXPECT_EQ(editor.inputCurveValues[k], QPointF(k * 25.5, 80));

    editor.inputCurveValues = {{0, 0}, {50, 40}, {100, 80}, {150, 120}, {200, 160}, {250, 190}};
    editor.smoothPoints();
    EXPECT_EQ(editor.inputCurveValues, (QVector<QPointF>{{0, 0}, {100, 80}, {255, 160}}))
        << "every second point, the last pulled to the right edge";
}

TEST_F(QuadCurveEditorTest, DrawsTheCurveInItsColourOverTheOriginalInGrey) {
    editor.inputCurveValues = {{0, 0}, {255, 200}};
    editor.lineColor = Qt::red;
    editor.showOriginalCurve = true;
    editor.originalCurveValues = {{0, 200}, {127, 100}, {255, 0}};
    const QImage image = uitest::render(&editor);
    // The darkest pixel within two rows of a y-up point.
    const auto at = [&](int x, int yUp) {
        QColor darkest(Qt::white);
        for (int dy = -2; dy <= 2; ++dy) {
            const QColor c(image.pixel(x, image.height() - yUp + dy));
            if (c.lightness() < darkest.lightness()) darkest = c;
        }
        return darkest;
    };
    // The straight edited line rises; with two points it carries no dots.
    const QColor onLine = at(64, 50);
    EXPECT_GT(onLine.red(), 200);
    EXPECT_LT(onLine.green(), 80);
    const QColor original = at(64, 150); // 200 - 64 x 100 / 127
    EXPECT_LT(original.lightness(), 200) << "the original falls in grey";
    EXPECT_LT(std::abs(original.red() - original.green()), 10);
}

TEST_F(QuadCurveEditorTest, TheOriginalCurveIsHalfGrey) {
    editor.inputCurveValues = {{0, 0}, {255, 0}};
    editor.showOriginalCurve = true;
    // Along the middle of pixel row 44 (200 - 155.5 - 0.5): one row covered
    // in full, away from the grid lines at 140 and 160.
    editor.originalCurveValues = {{0, 155.5}, {127, 155.5}, {255, 155.5}};
    const QImage image = uitest::render(&editor);
    const QColor grey(image.pixel(64, 44));
    EXPECT_NEAR(grey.red(), 128, 2);
    EXPECT_NEAR(grey.green(), 128, 2);
    EXPECT_NEAR(grey.blue(), 128, 2);
}

} // namespace
} // namespace appui
