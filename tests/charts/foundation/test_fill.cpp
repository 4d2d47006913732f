#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "Charts/drawing/PainterContext.h"
#include "Charts/drawing/RecordingContext.h"
#include "Charts/foundation/Fill.h"

namespace charts {
namespace {

using Op = DrawingOperation;

const Gradient redToBlue{{QColor(255, 0, 0), QColor(0, 0, 255)}, {0, 1}};

// Fills a rectangle's outline with the fill and answers what was recorded
// from the fill's own operations on.
std::vector<RecordedOperation> filled(const Fill& fill, const Rect& rect, RecordingContext& context) {
    context.addRect(rect);
    context.clearOperations();
    fill.fillPath(context, rect);
    return context.operations();
}

TEST(Fill, TypesAndRawValues) {
    struct Case {
        std::shared_ptr<Fill> fill;
        FillType type;
        int raw;
    };
    const QImage image(4, 4, QImage::Format_ARGB32);
    const Case cases[] = {
        {std::make_shared<Fill>(), FillType::empty, 0},
        {Fill::withColor(QColor(1, 2, 3)), FillType::color, 1},
        {Fill::withLinearGradient(redToBlue, 45), FillType::linearGradient, 2},
        {Fill::withRadialGradient(redToBlue), FillType::radialGradient, 3},
        {Fill::withImage(image), FillType::image, 4},
        {Fill::withImage(image, true), FillType::tiledImage, 5},
        {Fill::withLayer(image), FillType::layer, 6},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.fill->type(), c.type);
        EXPECT_EQ(fillTypeFromRawValue(c.raw), c.type);
    }
    EXPECT_FALSE(fillTypeFromRawValue(7).has_value());
    EXPECT_FALSE(fillTypeFromRawValue(-1).has_value());

    const auto radial = Fill::withRadialGradient(redToBlue);
    EXPECT_EQ(radial->gradientStartOffsetPercent(), (Point{0, 0}));
    EXPECT_EQ(radial->gradientStartRadiusPercent(), 0);
    EXPECT_EQ(radial->gradientEndOffsetPercent(), (Point{0, 0}));
    EXPECT_EQ(radial->gradientEndRadiusPercent(), 1);
    EXPECT_EQ(Fill::withLinearGradient(redToBlue, 45)->gradientAngle(), 45);
}

TEST(Fill, AnEmptyFillLeavesTheContextAlone) {
    RecordingContext context;
    const std::vector<RecordedOperation> ops = filled(Fill(), Rect(0, 0, 10, 10), context);
    EXPECT_TRUE(ops.empty());
    EXPECT_EQ(context.currentPath().elements().size(), 5u);
}

TEST(Fill, LinearGradientsRunAlongTheAngle) {
    struct Case {
        double angle;
        Rect rect;
        Point start, end;
    };
    const Case cases[] = {
        {0, Rect(0, 0, 100, 50), {0, 25}, {100, 25}},      {90, Rect(0, 0, 100, 50), {50, 50}, {50, 0}},
        {180, Rect(0, 0, 100, 50), {100, 25}, {0, 25}},    {270, Rect(10, 20, 100, 50), {60, 20}, {60, 70}},
        {90, Rect(100, 50, -100, -50), {50, 50}, {50, 0}}, // a rectangle with negative extents
    };
    for (const Case& c : cases) {
        RecordingContext context;
        const auto ops = filled(*Fill::withLinearGradient(redToBlue, c.angle), c.rect, context);
        ASSERT_EQ(ops.size(), 4u) << c.angle;
        EXPECT_EQ(ops[0].kind, Op::saveGState);
        EXPECT_EQ(ops[1].kind, Op::clip);
        EXPECT_EQ(ops[1].rule, FillRule::winding);
        EXPECT_EQ(ops[2].kind, Op::drawLinearGradient);
        EXPECT_EQ(ops[2].gradient, redToBlue);
        EXPECT_NEAR(ops[2].points[0].x, c.start.x, 1e-9) << c.angle;
        EXPECT_NEAR(ops[2].points[0].y, c.start.y, 1e-9) << c.angle;
        EXPECT_NEAR(ops[2].points[1].x, c.end.x, 1e-9) << c.angle;
        EXPECT_NEAR(ops[2].points[1].y, c.end.y, 1e-9) << c.angle;
        EXPECT_EQ(ops[3].kind, Op::restoreGState);
    }
}

TEST(Fill, RadialGradientsFromTheRectanglesCentre) {
    struct Case {
        std::shared_ptr<Fill> fill;
        Point startCenter, endCenter;
        double startRadius, endRadius;
    };
    const Case cases[] = {
        {Fill::withRadialGradient(redToBlue), {50, 25}, {50, 25}, 0, 50},
        {Fill::withRadialGradient(redToBlue, {0.1, -0.2}, 0.5, {-0.5, 0.5}, 2), {60, 15}, {0, 50}, 25, 100},
    };
    for (const Case& c : cases) {
        RecordingContext context;
        const auto ops = filled(*c.fill, Rect(0, 0, 100, 50), context);
        ASSERT_EQ(ops.size(), 4u);
        EXPECT_EQ(ops[2].kind, Op::drawRadialGradient);
        EXPECT_EQ(ops[2].points, (std::vector<Point>{c.startCenter, c.endCenter}));
        EXPECT_EQ(ops[2].numbers, (std::vector<double>{c.startRadius, c.endRadius}));
    }
}

TEST(Fill, EveryKindPaintsInsideASavedStateAndUsesUpThePath) {
    const QImage image(4, 4, QImage::Format_ARGB32);
    struct Case {
        const char* name;
        std::shared_ptr<Fill> fill;
        std::vector<Op> painted;
    };
    const Case cases[] = {
        {"colour", Fill::withColor(QColor(9, 8, 7)), {Op::setFillColor, Op::drawPath}},
        {"linear", Fill::withLinearGradient(redToBlue, 0), {Op::clip, Op::drawLinearGradient}},
        {"radial", Fill::withRadialGradient(redToBlue), {Op::clip, Op::drawRadialGradient}},
        {"image", Fill::withImage(image), {Op::clip, Op::drawImage}},
        {"tiled image", Fill::withImage(image, true), {Op::clip, Op::drawTiledImage}},
        {"layer", Fill::withLayer(image), {Op::clip, Op::drawImage}},
    };
    const Rect rect(5, 5, 40, 20);
    for (const Case& c : cases) {
        RecordingContext context;
        context.setFillColor(QColor(1, 1, 1));
        const GraphicsState before = context.graphicsState();
        const auto ops = filled(*c.fill, rect, context);
        ASSERT_EQ(ops.size(), c.painted.size() + 2) << c.name;
        EXPECT_EQ(ops.front().kind, Op::saveGState) << c.name;
        EXPECT_EQ(ops.back().kind, Op::restoreGState) << c.name;
        for (std::size_t i = 0; i < c.painted.size(); ++i) EXPECT_EQ(ops[i + 1].kind, c.painted[i]) << c.name;
        EXPECT_EQ(context.graphicsState(), before) << c.name;
        EXPECT_TRUE(context.clips().empty()) << c.name;
        EXPECT_TRUE(context.currentPath().isEmpty()) << c.name;
        const RecordedOperation& last = ops[ops.size() - 2];
        if (last.kind == Op::drawImage || last.kind == Op::drawTiledImage) {
            EXPECT_EQ(last.rect, rect) << c.name;
        }
        if (last.kind == Op::drawPath) {
            EXPECT_EQ(last.mode, PathDrawingMode::fill) << c.name;
            EXPECT_EQ(last.state.fillColor, QColor(9, 8, 7)) << c.name;
        }
    }
}

// On screen: an angle of 90 degrees runs from the bottom up, and the area
// outside the path keeps what was there.
TEST(Fill, GradientFillsPaintOnlyThePath) {
    QImage image(100, 60, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    {
        PainterContext context(painter);
        const Rect rect(0, 0, 100, 50);
        context.addRect(Rect(10, 0, 80, 50));
        Fill::withLinearGradient(redToBlue, 90)->fillPath(context, rect);
    }
    painter.end();
    // The bottom row is nearly the first colour, the top row nearly the last.
    EXPECT_GT(image.pixelColor(50, 49).red(), 245);
    EXPECT_LT(image.pixelColor(50, 49).blue(), 10);
    EXPECT_GT(image.pixelColor(50, 0).blue(), 245);
    EXPECT_LT(image.pixelColor(50, 0).red(), 10);
    EXPECT_EQ(image.pixelColor(5, 25), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(50, 55), QColor(255, 255, 255));
}

} // namespace
} // namespace charts
