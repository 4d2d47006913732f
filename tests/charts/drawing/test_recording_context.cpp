#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <type_traits>
#include <vector>

#include "Charts/drawing/FixedTextMeasurer.h"
#include "Charts/drawing/RecordingContext.h"

namespace charts {
namespace {

using Op = DrawingOperation;

std::vector<Op> kinds(const RecordingContext& context) {
    std::vector<Op> result;
    for (const RecordedOperation& op : context.operations()) result.push_back(op.kind);
    return result;
}

TEST(RecordingContext, PaintingConsumesTheCurrentPath) {
    struct Case {
        const char* name;
        void (*paint)(DrawingContext&);
        PathDrawingMode mode;
        Op kind;
    };
    const Case cases[] = {
        {"stroke", [](DrawingContext& c) { c.strokePath(); }, PathDrawingMode::stroke, Op::drawPath},
        {"fill", [](DrawingContext& c) { c.fillPath(); }, PathDrawingMode::fill, Op::drawPath},
        {"even-odd fill", [](DrawingContext& c) { c.fillPath(FillRule::evenOdd); }, PathDrawingMode::evenOddFill,
         Op::drawPath},
        {"fill and stroke", [](DrawingContext& c) { c.drawPath(PathDrawingMode::fillStroke); },
         PathDrawingMode::fillStroke, Op::drawPath},
        {"clip", [](DrawingContext& c) { c.clip(); }, PathDrawingMode::fill, Op::clip},
    };
    for (const Case& c : cases) {
        RecordingContext context;
        context.moveTo({1, 2});
        context.lineTo({3, 4});
        c.paint(context);
        EXPECT_TRUE(context.currentPath().isEmpty()) << c.name;
        const RecordedOperation& painted = context.operations().back();
        EXPECT_EQ(painted.kind, c.kind) << c.name;
        EXPECT_EQ(painted.path.elements().size(), 2u) << c.name;
        if (c.kind == Op::drawPath) {
            EXPECT_EQ(painted.mode, c.mode) << c.name;
        }
        // A second paint has nothing left to paint.
        context.strokePath();
        EXPECT_TRUE(context.operations().back().path.isEmpty()) << c.name;
    }
}

TEST(RecordingContext, SaveAndRestoreKeepTheStateButNotThePath) {
    RecordingContext context;
    context.setStrokeColor(QColor(255, 0, 0));
    context.setLineWidth(3);
    const double dash[] = {4, 2};
    context.setLineDash(1, dash);
    context.saveGState();
    context.setStrokeColor(QColor(0, 0, 255));
    context.setLineWidth(7);
    context.setLineDash(0, {});
    context.translateBy(5, 5);
    context.moveTo({0, 0});
    context.lineTo({10, 0});
    context.restoreGState();

    // The path built inside the saved block survives the restore.
    EXPECT_EQ(context.currentPath().elements().size(), 2u);
    const GraphicsState& state = context.graphicsState();
    EXPECT_EQ(state.strokeColor, QColor(255, 0, 0));
    EXPECT_EQ(state.stroke.lineWidth, 3);
    EXPECT_EQ(state.stroke.dashPhase, 1);
    EXPECT_EQ(state.stroke.dashLengths, (std::vector<double>{4, 2}));
    EXPECT_TRUE(state.transform.isIdentity());

    // A restore without a save changes nothing.
    context.restoreGState();
    EXPECT_EQ(context.graphicsState().stroke.lineWidth, 3);
}

TEST(RecordingContext, PaintingsCarryTheStateAndClipsInForce) {
    RecordingContext context;
    context.saveGState();
    context.clipToRect(Rect(0, 0, 50, 50));
    context.addEllipse(Rect(10, 10, 20, 20));
    context.clip(FillRule::evenOdd);
    context.setFillColor(QColor(0, 255, 0));
    context.setAlpha(0.5);
    context.fillRect(Rect(1, 2, 3, 4));
    context.restoreGState();
    context.fillRect(Rect(5, 6, 7, 8));

    const std::vector<RecordedOperation> paintings = context.paintings();
    ASSERT_EQ(paintings.size(), 4u);
    const RecordedOperation& inside = paintings[2];
    EXPECT_EQ(inside.kind, Op::fillRect);
    EXPECT_EQ(inside.rect, Rect(1, 2, 3, 4));
    EXPECT_EQ(inside.state.fillColor, QColor(0, 255, 0));
    EXPECT_EQ(inside.state.alpha, 0.5);
    ASSERT_EQ(inside.clips.size(), 2u);
    EXPECT_EQ(inside.clips[0].path.boundingBox(), Rect(0, 0, 50, 50));
    EXPECT_EQ(inside.clips[1].rule, FillRule::evenOdd);

    const RecordedOperation& after = paintings[3];
    EXPECT_TRUE(after.clips.empty());
    EXPECT_EQ(after.state.fillColor, QColor(0, 0, 0));
    EXPECT_EQ(after.state.alpha, 1);
}

TEST(RecordingContext, CompositeCallsAreRecordedOnceWithTheirPath) {
    RecordingContext context;
    context.moveTo({0, 0});
    context.lineTo({1, 1});
    context.fillEllipse(Rect(0, 0, 10, 10));
    context.addCircle({5, 5}, 1);
    const Point segments[] = {{0, 0}, {10, 0}, {0, 5}, {10, 5}, {99, 99}};
    context.strokeLineSegments(segments);

    EXPECT_EQ(kinds(context),
              (std::vector<Op>{Op::moveTo, Op::lineTo, Op::fillEllipse, Op::addCircle, Op::strokeLineSegments}));
    const std::vector<RecordedOperation>& ops = context.operations();
    EXPECT_EQ(ops[2].path.elements().size(), 6u);
    EXPECT_EQ(ops[3].points, (std::vector<Point>{{5, 5}}));
    EXPECT_EQ(ops[3].numbers, (std::vector<double>{1}));
    // The segments are pairs; the odd last point draws nothing, and no
    // current path is left behind.
    EXPECT_EQ(ops[4].points.size(), 5u);
    EXPECT_EQ(ops[4].path.elements().size(), 4u);
    EXPECT_TRUE(context.currentPath().isEmpty());
}

// A long recording grows by moving its operations, never copying them
// (with their paths, clips and states) at every growth of the list.
TEST(RecordingContext, GrowsByMovingItsOperations) {
    static_assert(std::is_nothrow_move_constructible_v<RecordedOperation>);
    RecordingContext context;
    context.clipToRect(Rect(0, 0, 10, 10));
    for (int i = 0; i < 1000; ++i) context.fillEllipse(Rect(i, 0, 2, 2));
    EXPECT_EQ(context.count(DrawingOperation::fillEllipse), 1000u);
    EXPECT_EQ(context.operations().back().rect, Rect(999, 0, 2, 2));
    EXPECT_EQ(context.operations().back().clips.size(), 1u);
    EXPECT_TRUE(context.currentPath().isEmpty());
}

TEST(RecordingContext, TransformStepsActOnPointsBeforeTheCurrentTransform) {
    struct Case {
        const char* name;
        void (*steps)(DrawingContext&);
        Point given;
        Point expected;
    };
    const Case cases[] = {
        {"translate then scale",
         [](DrawingContext& c) {
             c.translateBy(10, 0);
             c.scaleBy(2, 2);
         },
         {1, 1},
         {12, 2}},
        {"scale then translate",
         [](DrawingContext& c) {
             c.scaleBy(2, 2);
             c.translateBy(10, 0);
         },
         {1, 1},
         {22, 2}},
        {"translate then rotate a quarter",
         [](DrawingContext& c) {
             c.translateBy(100, 50);
             c.rotateBy(std::numbers::pi / 2);
         },
         {10, 0},
         {100, 60}},
        {"concatenate",
         [](DrawingContext& c) {
             c.translateBy(1, 1);
             c.concatenate(AffineTransform{1, 0, 0, -1, 0, 10});
         },
         {0, 2},
         {1, 9}},
    };
    for (const Case& c : cases) {
        RecordingContext context;
        c.steps(context);
        const Point mapped = context.graphicsState().transform.apply(c.given);
        EXPECT_NEAR(mapped.x, c.expected.x, 1e-12) << c.name;
        EXPECT_NEAR(mapped.y, c.expected.y, 1e-12) << c.name;
    }
}

TEST(RecordingContext, RecordsArgumentsAsGiven) {
    RecordingContext context;
    context.setAlpha(1.5);
    context.setAlpha(-1);
    context.setLineCap(LineCap::round);
    context.addArc({1, 2}, 3, 0.5, 1.5, true);
    const double dash[] = {5, 3, 1};
    context.setLineDash(2, dash);
    TextAttributes attributes;
    attributes.foregroundColor = QColor(1, 2, 3);
    context.drawText("Label", {4, 5}, attributes);
    context.drawText("Wrapped", Rect(0, 0, 30, 10), attributes, TextDrawOptions{true});

    const std::vector<RecordedOperation>& ops = context.operations();
    ASSERT_EQ(ops.size(), 7u);
    // Alpha is pinned to 0 to 1 in the state, the call keeps what it was given.
    EXPECT_EQ(ops[0].numbers, (std::vector<double>{1.5}));
    EXPECT_EQ(ops[1].numbers, (std::vector<double>{-1}));
    EXPECT_EQ(ops[2].cap, LineCap::round);
    EXPECT_EQ(ops[3].points, (std::vector<Point>{{1, 2}}));
    EXPECT_EQ(ops[3].numbers, (std::vector<double>{3, 0.5, 1.5}));
    EXPECT_TRUE(ops[3].flag);
    EXPECT_EQ(ops[4].numbers, (std::vector<double>{2, 5, 3, 1}));
    EXPECT_EQ(ops[5].text, QString("Label"));
    EXPECT_EQ(ops[5].points, (std::vector<Point>{{4, 5}}));
    EXPECT_EQ(ops[5].attributes.resolvedColor(), QColor(1, 2, 3));
    EXPECT_EQ(ops[6].kind, Op::drawTextInRect);
    EXPECT_TRUE(ops[6].textOptions.truncatesLastVisibleLine);
    EXPECT_EQ(context.graphicsState().alpha, 0);
    EXPECT_EQ(context.count(Op::drawText), 1u);
}

TEST(RecordingContext, MeasuresWithFixedMetricsUnlessGivenAMeasurer) {
    const QFont font = pixelSizedFont(QFont(), 10);
    EXPECT_EQ(RecordingContext().textMeasurer().lineHeight(font), 12.5);
    EXPECT_EQ(RecordingContext().textMeasurer().size("abcd", font).width, 20);
    EXPECT_EQ(RecordingContext(std::make_shared<FixedTextMeasurer>(1, 3)).textMeasurer().lineHeight(font), 30);
}

} // namespace
} // namespace charts
