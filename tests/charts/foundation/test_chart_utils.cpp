#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "Charts/drawing/FixedTextMeasurer.h"
#include "Charts/drawing/RecordingContext.h"
#include "Charts/foundation/ChartUtils.h"
#include "Charts/foundation/ScaledImageCache.h"
#include "tests/support/chart_environment.h"

namespace charts {
namespace {

const double nan = std::numeric_limits<double>::quiet_NaN();
const double inf = std::numeric_limits<double>::infinity();

TEST(ChartUtils, RoundsToOneSignificantDigit) {
    struct Case {
        double value, expected;
    };
    const Case cases[] = {
        {1234, 1000}, {0.0456, 0.05}, {999, 1000},  {-0.0456, -0.05}, {16.67, 20},    {0.1667, 0.2},
        {250, 300},   {150, 200},     {-150, -200}, {7, 7},           {1, 1},         {0.7, 0.7},
        {0, 0},       {inf, inf},     {-inf, -inf}, {1e300, 1e300},   {4.9e-5, 5e-5},
    };
    for (const Case& c : cases) {
        const double rounded = ChartUtils::roundToNextSignificant(c.value);
        if (std::isinf(c.expected)) {
            EXPECT_EQ(rounded, c.expected);
        } else {
            EXPECT_NEAR(rounded, c.expected, std::fabs(c.expected) * 1e-12) << c.value;
        }
    }
    EXPECT_TRUE(std::isnan(ChartUtils::roundToNextSignificant(nan)));
    EXPECT_TRUE(std::signbit(ChartUtils::roundToNextSignificant(-0.0)));
}

TEST(ChartUtils, DecimalsAValueNeeds) {
    struct Case {
        double value;
        int expected;
    };
    const Case cases[] = {
        {5, 2},
        {0.05, 4},
        {10, 1},
        {1234, -1},
        {100, 0},
        {1, 2},
        {0.5, 3},
        {250, 0},
        {0.0456, 4},
        {999, -1},
        {0, 0},
        {inf, 0},
        {-inf, 0},
        {nan, 0},
        // A negative argument counts by its magnitude instead of taking the
        // logarithm of a negative number.
        {-5, 2},
        {-0.05, 4},
        {-1234, -1},
        // Too small for the rounding to stay finite.
        {std::numeric_limits<double>::denorm_min(), 0},
    };
    for (const Case& c : cases) EXPECT_EQ(ChartUtils::decimals(c.value), c.expected) << c.value;
}

TEST(ChartUtils, AlignedTextStartsEndsOrCentresAtThePoint) {
    const testing::FixedTextMetrics metrics(0.5, 1.25);
    struct Case {
        TextAlignment align;
        double expectedX;
    };
    // Fixed metrics: 10 px font, 5 px per character, "abcd" 20 px wide.
    const Case cases[] = {{TextAlignment::left, 100},
                          {TextAlignment::natural, 100},
                          {TextAlignment::right, 80},
                          {TextAlignment::center, 90},
                          {TextAlignment::justified, 100}};
    for (const Case& c : cases) {
        RecordingContext context;
        TextAttributes attributes;
        attributes.font = pixelSizedFont(attributes.font, 10);
        ChartUtils::drawText(context, QStringLiteral("abcd"), Point{100, 40}, c.align, attributes);
        const auto texts = context.paintings();
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].points[0], (Point{c.expectedX, 40})) << static_cast<int>(c.align);
        // The state is saved around the drawing.
        EXPECT_EQ(context.operations().front().kind, DrawingOperation::saveGState);
        EXPECT_EQ(context.operations().back().kind, DrawingOperation::restoreGState);
    }
}

TEST(ChartUtils, AnchoredAndRotatedText) {
    const testing::FixedTextMetrics metrics(0.5, 1.25);
    TextAttributes attributes;
    attributes.font = pixelSizedFont(attributes.font, 10); // "abcd": 20 x 12.5
    struct Case {
        const char* name;
        Point anchor;
        double angle;
        Point drawnAt;      // where the text's top-left lands in the drawing's own space
        Point translatedTo; // the translation in force (none when not rotated)
    };
    const double quarter = std::numbers::pi / 2;
    const Case cases[] = {
        {"top-left, upright", {0, 0}, 0, {100, 40}, {0, 0}},
        {"bottom-right, upright", {1, 1}, 0, {80, 27.5}, {0, 0}},
        {"centre, upright", {0.5, 0.5}, 0, {90, 33.75}, {0, 0}},
        // Rotated: the box turns about its centre, which goes to the point
        // shifted by the rotated box's size times the anchor's offset from 0.5.
        {"centre, quarter turn", {0.5, 0.5}, quarter, {-10, -6.25}, {100, 40}},
        {"top-centre, quarter turn", {0.5, 0}, quarter, {-10, -6.25}, {100, 50}},
        {"right-centre, quarter turn", {1, 0.5}, quarter, {-10, -6.25}, {93.75, 40}},
    };
    for (const Case& c : cases) {
        RecordingContext context;
        ChartUtils::drawText(context, QStringLiteral("abcd"), Point{100, 40}, attributes, c.anchor, c.angle);
        const auto paintings = context.paintings();
        ASSERT_EQ(paintings.size(), 1u) << c.name;
        const RecordedOperation& text = paintings[0];
        EXPECT_NEAR(text.points[0].x, c.drawnAt.x, 1e-9) << c.name;
        EXPECT_NEAR(text.points[0].y, c.drawnAt.y, 1e-9) << c.name;
        const AffineTransform& t = text.state.transform;
        EXPECT_NEAR(t.tx, c.translatedTo.x, 1e-9) << c.name;
        EXPECT_NEAR(t.ty, c.translatedTo.y, 1e-9) << c.name;
        if (c.angle != 0) {
            EXPECT_NEAR(t.b, 1, 1e-12) << c.name; // a quarter turn
        }
        EXPECT_TRUE(context.graphicsState().transform.isIdentity()) << c.name;
    }
}

// A centred, rotated label stays centred on its point whatever the angle.
TEST(ChartUtils, CentredRotatedTextKeepsItsCentre) {
    const testing::FixedTextMetrics metrics(0.5, 1.25);
    TextAttributes attributes;
    attributes.font = pixelSizedFont(attributes.font, 10);
    for (double degrees : {0.0, 30.0, 45.0, 90.0, 135.0, 200.0, -60.0}) {
        RecordingContext context;
        ChartUtils::drawText(context, QStringLiteral("abcd"), Point{100, 40}, attributes, Point{0.5, 0.5},
                             degrees * std::numbers::pi / 180);
        const RecordedOperation text = context.paintings().at(0);
        const Point centre = text.state.transform.apply(Point{text.points[0].x + 10, text.points[0].y + 6.25});
        EXPECT_NEAR(centre.x, 100, 1e-9) << degrees;
        EXPECT_NEAR(centre.y, 40, 1e-9) << degrees;
    }
}

QImage icon(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(200, 0, 0));
    return image;
}

TEST(ChartUtils, IconsAreCentredAndScaledCopiesMadeOncePerSize) {
    ScaledImageCache::shared().clear();
    struct Case {
        const char* name;
        Size size;
        bool fromCopy;
    };
    const Case cases[] = {
        {"own size", {16, 16}, false},
        {"same width, other height", {16, 30}, false},
        {"other width, same height", {30, 16}, false},
        {"both differ", {32, 24}, true},
    };
    const QImage image = icon(16, 16);
    for (const Case& c : cases) {
        RecordingContext context;
        ChartUtils::drawImage(context, image, 50, 60, c.size);
        const auto paintings = context.paintings();
        ASSERT_EQ(paintings.size(), 1u) << c.name;
        EXPECT_EQ(paintings[0].rect, Rect(50 - c.size.width / 2, 60 - c.size.height / 2, c.size.width, c.size.height))
            << c.name;
        EXPECT_EQ(paintings[0].image.cacheKey() != image.cacheKey(), c.fromCopy) << c.name;
        if (c.fromCopy) {
            EXPECT_EQ(paintings[0].image.deviceIndependentSize(), QSizeF(32, 24)) << c.name;
        }
    }
    EXPECT_EQ(ScaledImageCache::shared().size(), 1u);

    // A second draw at the same size reuses the copy; another size makes one more.
    RecordingContext again;
    ChartUtils::drawImage(again, image, 0, 0, Size{32, 24});
    EXPECT_EQ(ScaledImageCache::shared().size(), 1u);
    ChartUtils::drawImage(again, image, 0, 0, Size{8, 4});
    EXPECT_EQ(ScaledImageCache::shared().size(), 2u);
    EXPECT_EQ(ScaledImageCache::key(Size{12, 7.5}), "resized_12.0_7.5");
}

TEST(ChartUtils, ScaledCopiesGoWithTheirImage) {
    ScaledImageCache cache;
    {
        QImage image = icon(10, 10);
        ASSERT_TRUE(cache.scaledCopy(image, Size{20, 30}).has_value());
        EXPECT_EQ(cache.size(), 1u);
    }
    EXPECT_EQ(cache.size(), 0u);
    // No context can be made for an empty size: no copy and nothing kept.
    const QImage image = icon(10, 10);
    EXPECT_FALSE(cache.scaledCopy(image, Size{0, 30}).has_value());
    EXPECT_EQ(cache.size(), 0u);
}

} // namespace
} // namespace charts
