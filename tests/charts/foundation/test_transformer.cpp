#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "Charts/foundation/Transformer.h"

namespace charts {
namespace {

// Content (10, 20, 200, 100) on a 240 x 150 chart; x 0..10, y 0..50.
struct Fixture {
    std::shared_ptr<ViewPortHandler> handler = ViewPortHandler::create(240, 150);
    Fixture() { handler->restrainViewPort(10, 20, 30, 30); }
    template <class T = Transformer>
    std::shared_ptr<T> transformer(bool inverted) const {
        auto t = std::make_shared<T>(handler);
        t->prepareMatrixValuePx(0, 10, 50, 0);
        t->prepareMatrixOffset(inverted);
        return t;
    }
};

void expectPoint(const Point& got, const Point& expected) {
    EXPECT_NEAR(got.x, expected.x, 1e-9);
    EXPECT_NEAR(got.y, expected.y, 1e-9);
}

TEST(Transformer, MapsValuesIntoTheContentBothWays) {
    const Fixture f;
    struct Case {
        bool inverted;
        Point value;
        Point pixel;
    };
    const Case cases[] = {
        {false, {0, 0}, {10, 120}}, {false, {10, 50}, {210, 20}}, {false, {5, 25}, {110, 70}},
        {true, {0, 0}, {10, 20}},   {true, {0, 50}, {10, 120}},   {true, {10, 25}, {210, 70}},
    };
    for (const Case& c : cases) {
        const auto t = f.transformer(c.inverted);
        expectPoint(t->pixelForValues(c.value.x, c.value.y), c.pixel);
        Point p = c.value;
        t->pointValueToPixel(p);
        expectPoint(p, c.pixel);
        expectPoint(t->valueForTouchPoint(c.pixel), c.value);
        expectPoint(t->valueForTouchPoint(c.pixel.x, c.pixel.y), c.value);
        Point back = c.pixel;
        t->pixelToValues(back);
        expectPoint(back, c.value);
    }
}

TEST(Transformer, ArraysMapWithOneMatrix) {
    const Fixture f;
    const auto t = f.transformer(false);
    std::vector<Point> points = {{0, 0}, {10, 50}, {2.5, 10}};
    t->pointValuesToPixel(points);
    expectPoint(points[0], {10, 120});
    expectPoint(points[1], {210, 20});
    expectPoint(points[2], {60, 100});
    t->pixelsToValues(points);
    expectPoint(points[2], {2.5, 10});
    std::vector<Point> none;
    t->pointValuesToPixel(none);
    EXPECT_TRUE(none.empty());
}

TEST(Transformer, ZoomingTheTouchMatrixShowsAtOnce) {
    const Fixture f;
    const auto t = f.transformer(false);
    f.handler->refresh(AffineTransform{2, 0, 0, 1, -100, 0}, nullptr, false);
    expectPoint(t->pixelForValues(10, 50), {10 + 2 * 200 - 100, 20});
    const Point value = t->valueForTouchPoint(t->pixelForValues(3.25, 17.5));
    expectPoint(value, {3.25, 17.5});
}

TEST(Transformer, ARangeOfZeroPutsEveryValueOnTheMinimum) {
    const Fixture f;
    Transformer t(f.handler);
    t.prepareMatrixValuePx(4, 0, 50, 0);
    t.prepareMatrixOffset(false);
    EXPECT_EQ(t.pixelForValues(4, 0).x, 10);
    EXPECT_EQ(t.pixelForValues(1000, 0).x, 10);
    // 0 / 0 stays NaN (only +infinity is replaced).
    const auto empty = ViewPortHandler::create(0, 0);
    Transformer none(empty);
    none.prepareMatrixValuePx(0, 0, 0, 0);
    EXPECT_TRUE(std::isnan(none.pixelForValues(1, 1).x));
    // Its singular matrix is answered unchanged as the inverse.
    Transformer flat(f.handler);
    flat.prepareMatrixValuePx(0, 0, 0, 0);
    EXPECT_EQ(flat.pixelToValueMatrix(), flat.valueToPixelMatrix());
}

TEST(Transformer, RectanglesWithAndWithoutPhase) {
    const Fixture f;
    const auto t = f.transformer(false);
    Rect bar(2, 0, 1, 50);
    t->rectValueToPixel(bar);
    EXPECT_EQ(bar, Rect(50, 20, 20, 100));
    Rect half(2, 0, 1, 50);
    t->rectValueToPixel(half, 0.5);
    EXPECT_EQ(half, Rect(50, 70, 20, 50));
    Rect horizontal(0, 10, 10, 5);
    t->rectValueToPixelHorizontal(horizontal, 0.5);
    EXPECT_EQ(horizontal, Rect(10, 90, 100, 10));
    Rect plain(0, 10, 10, 5);
    t->rectValueToPixelHorizontal(plain);
    EXPECT_EQ(plain, Rect(10, 90, 200, 10));
    std::vector<Rect> rects = {Rect(0, 0, 10, 50), Rect(5, 25, 0, 0)};
    t->rectValuesToPixel(rects);
    EXPECT_EQ(rects[0], Rect(10, 20, 200, 100));
    EXPECT_EQ(rects[1], Rect(110, 70, 0, 0));
}

TEST(Transformer, HorizontalBarVariantMirrorsXWhenInverted) {
    const Fixture f;
    const auto inverted = f.transformer<TransformerHorizontalBarChart>(true);
    expectPoint(inverted->pixelForValues(0, 0), {210, 120});
    expectPoint(inverted->pixelForValues(10, 50), {10, 20});
    const auto plain = f.transformer<TransformerHorizontalBarChart>(false);
    expectPoint(plain->pixelForValues(0, 0), {10, 120});
}

} // namespace
} // namespace charts
