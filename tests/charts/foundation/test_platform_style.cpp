#include <gtest/gtest.h>

#include <limits>

#include "Charts/drawing/NamedColors.h"
#include "Charts/drawing/TextAttributes.h"
#include "Charts/foundation/PlatformStyle.h"

namespace charts {
namespace {

// Chart font sizes are device-independent pixels: a 10 px label font is 10
// pixels tall on any screen, never 10 typographic points.
TEST(PlatformStyle, ChartFontsAreSizedInPixels) {
    struct Case {
        double size;
        int pixels;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {{7, 7}, {10, 10}, {12.4, 12}, {12.5, 13}, {0.3, 1}, {-4, 1}, {nan, 1}, {1e12, 10000}};
    for (const Case& c : cases) {
        const QFont font = systemFont(c.size);
        EXPECT_EQ(font.pixelSize(), c.pixels) << c.size;
        EXPECT_EQ(font.pointSizeF(), -1) << c.size;
        EXPECT_EQ(pixelSizedFont(QFont(), c.size).pixelSize(), c.pixels) << c.size;
    }
    EXPECT_EQ(defaultTextFont().pixelSize(), 12);
}

TEST(PlatformStyle, NamedGreysAreWhiteLevels) {
    struct Case {
        const char* name;
        QColor color;
        double level;
    };
    const Case cases[] = {{"dark grey", named::darkGray(), 1.0 / 3},
                          {"grey", named::gray(), 0.5},
                          {"light grey", named::lightGray(), 2.0 / 3},
                          {"black", named::black(), 0},
                          {"white", named::white(), 1}};
    for (const Case& c : cases) {
        EXPECT_NEAR(c.color.redF(), c.level, 1e-4) << c.name;
        EXPECT_NEAR(c.color.greenF(), c.level, 1e-4) << c.name;
        EXPECT_NEAR(c.color.blueF(), c.level, 1e-4) << c.name;
        EXPECT_EQ(c.color.alphaF(), 1) << c.name;
    }
    EXPECT_EQ(named::clear().alpha(), 0);
    EXPECT_NE(named::gray(), QColor(Qt::gray));
}

} // namespace
} // namespace charts
