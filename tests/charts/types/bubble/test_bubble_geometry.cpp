// The geometry of bubbles: reference size, diameters, culling, the size
// percentage and the highlight colour.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Charts/types/bubble/BubbleGeometry.h"

namespace {

using namespace charts;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

TEST(BubbleGeometry, TheReferenceSizeIsAnXUnitUnlessTheContentIsLower) {
    EXPECT_EQ(bubbleReferenceSize(50, 200), 50);
    EXPECT_EQ(bubbleReferenceSize(50, 30), 30);
    EXPECT_EQ(bubbleReferenceSize(50, 50), 50);
}

TEST(BubbleGeometry, DiametersFollowTheRootOfTheSizeWhenNormalised) {
    struct Case {
        double size, maxSize;
        bool normalize;
        double diameter;
    };
    const Case cases[] = {
        {4, 16, true, 25},   {16, 16, true, 50},   {9, 16, true, 37.5},
        {0, 16, true, 0},    {7, 0, true, 50}, // every bubble the whole reference while the largest size is 0
        {2, 16, false, 100},                   // plain: the size itself
        {0.5, 0, false, 25}, {-1, 16, false, -50},
    };
    for (const Case& c : cases)
        EXPECT_EQ(bubbleShapeSize(c.size, c.maxSize, c.normalize, 50), c.diameter) << c.size << " of " << c.maxSize;
    EXPECT_TRUE(std::isnan(bubbleShapeSize(-4, 16, true, 50))) << "a negative size has no root";
}

TEST(BubbleGeometry, ABubbleShowsUnlessWhollyOutsideAndEndsItsSetPastTheRight) {
    // Content (40, 20)-(370, 260).
    const ContentBounds content{Rect(40, 20, 330, 240)};
    struct Case {
        Point centre;
        double size;
        BubbleVisibility visibility;
    };
    const Case cases[] = {
        {{200, 100}, 40, BubbleVisibility::shown},
        {{30, 100}, 40, BubbleVisibility::shown},    // reaching in from the left
        {{10, 100}, 40, BubbleVisibility::skipped},  // wholly left
        {{200, -1}, 40, BubbleVisibility::skipped},  // wholly above
        {{200, 281}, 40, BubbleVisibility::skipped}, // wholly below
        {{380, 100}, 40, BubbleVisibility::shown},   // reaching in from the right
        {{400, 100}, 40, BubbleVisibility::pastRight},
        {{200, 100}, nan, BubbleVisibility::skipped},
        {{200, 100}, inf, BubbleVisibility::skipped},
    };
    for (const Case& c : cases)
        EXPECT_EQ(bubbleVisibility(c.centre, c.size, content), c.visibility) << c.centre.x << "," << c.centre.y;
    EXPECT_EQ(bubbleRect(Point{100, 50}, 20), Rect(90, 40, 20, 20));
}

TEST(BubbleGeometry, TheSizePercentageHasTwoDecimalsAndNeverDividesByNothing) {
    struct Case {
        double shapeSize, maxSize;
        const char* text;
    };
    const Case cases[] = {{50, 10, "500.00"}, {16.5, 16, "103.12"}, {1, 3, "33.33"},
                          {25, 0, "0.00"},    {0, 0, "0.00"},       {nan, 10, "0.00"}};
    for (const Case& c : cases) EXPECT_EQ(bubbleSizePercentText(c.shapeSize, c.maxSize), c.text);
}

TEST(BubbleGeometry, TheHighlightColourHasHalfTheBrightness) {
    struct Case {
        QColor given, outline;
    };
    const Case cases[] = {{QColor(200, 0, 0), QColor(100, 0, 0)},
                          {QColor(0, 120, 240, 128), QColor(0, 60, 120, 128)},
                          {QColor(255, 255, 255), QColor(128, 128, 128)},
                          {QColor(0, 0, 0), QColor(0, 0, 0)}};
    for (const Case& c : cases) {
        const QColor outline = halfBrightness(c.given).toRgb();
        EXPECT_NEAR(outline.red(), c.outline.red(), 1) << c.given.name().toStdString();
        EXPECT_NEAR(outline.green(), c.outline.green(), 1) << c.given.name().toStdString();
        EXPECT_NEAR(outline.blue(), c.outline.blue(), 1) << c.given.name().toStdString();
        EXPECT_EQ(outline.alpha(), c.outline.alpha());
    }
}

} // namespace
