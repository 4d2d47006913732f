#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Charts/foundation/ImageContext.h"
#include "tests/support/chart_environment.h"

namespace charts {
namespace {

const double nan = std::numeric_limits<double>::quiet_NaN();
const double inf = std::numeric_limits<double>::infinity();

// Counts the contexts open and leaves none open behind a failed expectation.
struct ClosesContexts {
    testing::CountedImageContexts contexts;
    std::size_t depth() const { return contexts.open(); }
    ~ClosesContexts() {
        for (std::size_t open = depth(); open > 0; --open) endImageContext();
    }
};

TEST(ImageContext, SizesThatGiveNoBitmapPushNothing) {
    ClosesContexts closes;
    struct Case {
        Size size;
        double scale;
    };
    const Case cases[] = {
        {{0.4, 10}, 1},      {{10, 0.4}, 1},  {{0, 10}, 1},    {{-5, 10}, 1},  {{nan, 10}, 1},
        {{10, inf}, 1},      {{10, 10}, nan}, {{10, 10}, inf}, {{10, 10}, -1}, {{32769, 1}, 1},
        {{1, 16384.5}, 2.0}, {{1e300, 1}, 1}, {{0.9, 0.9}, 1},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(beginImageContext(c.size, false, c.scale)) << c.size.width << " x " << c.size.height;
        EXPECT_EQ(closes.depth(), 0u);
        EXPECT_FALSE(imageFromCurrentImageContext().has_value());
        EXPECT_EQ(currentImageContext(), nullptr);
    }
    // The largest side accepted, a pixel wide.
    ASSERT_TRUE(beginImageContext(Size{32768, 1}, true, 1));
    EXPECT_EQ(imageFromCurrentImageContext()->width(), 32768);
    endImageContext();
}

TEST(ImageContext, BitmapsHaveScaleTimesTheSizeInPixels) {
    ClosesContexts closes;
    struct Case {
        Size size;
        double scale;
        QSize pixels;
    };
    const Case cases[] = {
        {{100, 50}, 2, {200, 100}},
        {{10.9, 3.2}, 1, {10, 3}}, // truncated toward zero
        {{10, 10}, 0, {10, 10}},   // the offscreen screen's scale, 1
        {{3, 4}, 1.5, {4, 6}},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(beginImageContext(c.size, false, c.scale));
        const std::optional<QImage> image = imageFromCurrentImageContext();
        ASSERT_TRUE(image.has_value());
        EXPECT_EQ(image->size(), c.pixels);
        EXPECT_NEAR(image->deviceIndependentSize().width(), c.pixels.width() / (c.scale == 0 ? 1 : c.scale), 1e-9);
        endImageContext();
    }
}

TEST(ImageContext, DrawingGoesToTheTopContextInPoints) {
    ClosesContexts closes;
    ASSERT_TRUE(beginImageContext(Size{20, 10}, false, 2));
    EXPECT_EQ(imageFromCurrentImageContext()->pixelColor(0, 0).alpha(), 0); // starts transparent
    ASSERT_TRUE(beginImageContext(Size{4, 4}, true, 1));
    EXPECT_EQ(imageFromCurrentImageContext()->pixelColor(0, 0), QColor(0, 0, 0)); // opaque starts black
    currentImageContext()->setFillColor(QColor(0, 255, 0));
    currentImageContext()->fillRect(Rect(0, 0, 4, 4));
    endImageContext();

    // The outer context is current again.
    DrawingContext* outer = currentImageContext();
    ASSERT_NE(outer, nullptr);
    outer->setFillColor(QColor(255, 0, 0));
    outer->fillRect(Rect(5, 0, 5, 5)); // pixels 10..19 by 0..9
    const QImage image = *imageFromCurrentImageContext();
    EXPECT_EQ(image.pixelColor(12, 3), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(8, 3).alpha(), 0);
    EXPECT_EQ(image.pixelColor(12, 12).alpha(), 0);
    endImageContext();
    EXPECT_EQ(closes.depth(), 0u);
    endImageContext(); // nothing open: nothing happens
    EXPECT_EQ(closes.depth(), 0u);
}

// A bitmap that cannot be made pushes an invalid context: it gives no image
// and draws nothing, and ending it pops only itself, leaving the context
// below as it was.
TEST(ImageContext, AFailedCreationPairsWithItsEnd) {
    ClosesContexts closes;
    ASSERT_TRUE(beginImageContext(Size{10, 10}, false, 1));
    DrawingContext* outer = currentImageContext();
    outer->saveGState();
    outer->setFillColor(QColor(0, 0, 255));

    closes.contexts.failCreations(true);
    EXPECT_TRUE(beginImageContext(Size{50, 50}, false, 1));
    closes.contexts.failCreations(false);
    EXPECT_EQ(closes.depth(), 2u);
    EXPECT_EQ(currentImageContext(), nullptr);
    EXPECT_FALSE(imageFromCurrentImageContext().has_value());
    endImageContext();

    ASSERT_EQ(currentImageContext(), outer);
    EXPECT_EQ(outer->graphicsState().fillColor, QColor(0, 0, 255));
    outer->fillRect(Rect(0, 0, 10, 10));
    outer->restoreGState();
    EXPECT_EQ(imageFromCurrentImageContext()->pixelColor(5, 5), QColor(0, 0, 255));
    endImageContext();
    EXPECT_EQ(closes.depth(), 0u);
}

TEST(ImageContext, TheImageIsACopyOfThatMoment) {
    ClosesContexts closes;
    ASSERT_TRUE(beginImageContext(Size{4, 4}, false, 1));
    const QImage before = *imageFromCurrentImageContext();
    currentImageContext()->setFillColor(QColor(255, 255, 0));
    currentImageContext()->fillRect(Rect(0, 0, 4, 4));
    EXPECT_EQ(before.pixelColor(1, 1).alpha(), 0);
    EXPECT_EQ(imageFromCurrentImageContext()->pixelColor(1, 1), QColor(255, 255, 0));
    endImageContext();
}

} // namespace
} // namespace charts
