#include <gtest/gtest.h>

#include <limits>

#include "Charts/foundation/ViewPortHandler.h"

namespace charts {
namespace {

const double greatest = std::numeric_limits<double>::max();

class RecordingChart : public ChartViewInterface {
public:
    std::vector<Rect> redisplayed;
    Rect bounds() const override { return Rect(0, 0, 300, 200); }
    void setNeedsDisplay(const Rect& rect) override { redisplayed.push_back(rect); }
};

TEST(ViewPortHandler, ANewHandlerFillsTheChartUnzoomed) {
    const auto handler = ViewPortHandler::create(300, 200);
    EXPECT_EQ(handler->contentRect(), Rect(0, 0, 300, 200));
    EXPECT_EQ(handler->scaleX(), 1);
    EXPECT_EQ(handler->transX(), 0);
    EXPECT_TRUE(handler->isFullyZoomedOut());
    EXPECT_TRUE(handler->canZoomInMoreX());
    EXPECT_FALSE(handler->canZoomOutMoreX());
    EXPECT_TRUE(handler->hasChartDimens());
    EXPECT_TRUE(handler->hasNoDragOffset());
    EXPECT_EQ(handler->maxScaleY(), greatest);
    EXPECT_FALSE(ViewPortHandler::create(0, 200)->hasChartDimens());
}

TEST(ViewPortHandler, MarginsSurviveAResize) {
    const auto handler = ViewPortHandler::create(300, 200);
    handler->restrainViewPort(10, 20, 30, 40);
    EXPECT_EQ(handler->offsetRight(), 30);
    EXPECT_EQ(handler->offsetBottom(), 40);
    handler->setChartDimens(400, 300);
    EXPECT_EQ(handler->contentRect(), Rect(10, 20, 360, 240));
    EXPECT_EQ(handler->contentRight(), 370);
    EXPECT_EQ(handler->contentBottom(), 260);
    EXPECT_EQ(handler->contentCenter(), (Point{190, 140}));
    // Margins wider than the chart leave a negative width, accepted as is.
    handler->restrainViewPort(300, 0, 200, 0);
    EXPECT_EQ(handler->contentWidth(), -100);
}

TEST(ViewPortHandler, RefreshClampsScaleAndTranslation) {
    struct Case {
        double scale;
        double dragOffset;
        double requestedTx;
        double expectedTx;
    };
    // Content width 100 (and height 100).
    const Case cases[] = {
        {2, 0, -150, -100}, {2, 0, 20, 0}, {2, 10, -150, -110}, {2, 10, 20, 10},
        {2, 0, -50, -50},   {1, 0, -5, 0}, {0.5, 0, -5, 0},
    };
    for (const Case& c : cases) {
        const auto handler = ViewPortHandler::create(100, 100);
        handler->setDragOffsetX(c.dragOffset);
        const AffineTransform result =
            handler->refresh(AffineTransform{c.scale, 0, 0, c.scale, c.requestedTx, 0}, nullptr, true);
        EXPECT_EQ(result.tx, c.expectedTx) << c.scale << " " << c.dragOffset << " " << c.requestedTx;
        EXPECT_EQ(result.a, std::max(c.scale, 1.0));
        EXPECT_EQ(handler->transX(), c.expectedTx);
        EXPECT_EQ(handler->touchMatrix(), result);
    }
    // y is kept in [-dragOffsetY, height * (scaleY - 1) + dragOffsetY].
    const auto handler = ViewPortHandler::create(100, 100);
    handler->setDragOffsetY(5);
    EXPECT_EQ(handler->refresh(AffineTransform{1, 0, 0, 3, 0, 500}, nullptr, false).ty, 205);
    EXPECT_EQ(handler->refresh(AffineTransform{1, 0, 0, 3, 0, -50}, nullptr, false).ty, -5);
    // b and c are left as they were.
    EXPECT_EQ(handler->refresh(AffineTransform{1, 0.25, 0.5, 1, 0, 0}, nullptr, false).c, 0.5);
}

TEST(ViewPortHandler, RefreshAlwaysMarksTheWholeChart) {
    const auto handler = ViewPortHandler::create(300, 200);
    RecordingChart chart;
    handler->refresh(AffineTransform::identity(), &chart, false);
    handler->centerViewPort(Point{0, 0}, &chart);
    EXPECT_EQ(chart.redisplayed, (std::vector<Rect>{Rect(0, 0, 300, 200), Rect(0, 0, 300, 200)}));
}

TEST(ViewPortHandler, ScaleLimitsAndTheirClamp) {
    const auto handler = ViewPortHandler::create(100, 100);
    handler->setMaximumScaleY(0);
    EXPECT_EQ(handler->maxScaleY(), greatest);
    handler->setMinimumScaleX(0.5);
    EXPECT_EQ(handler->minScaleX(), 1);
    handler->setMinMaxScaleX(0, 0);
    EXPECT_EQ(handler->minScaleX(), 1);
    EXPECT_EQ(handler->maxScaleX(), greatest);
    // A new limit clamps the current matrix at once.
    handler->refresh(AffineTransform::makeScale(4, 4), nullptr, false);
    handler->setMaximumScaleX(2);
    EXPECT_EQ(handler->touchMatrix().a, 2);
    EXPECT_FALSE(handler->canZoomInMoreX());
    handler->setMinimumScaleY(6);
    EXPECT_EQ(handler->scaleY(), 6);
    EXPECT_FALSE(handler->isFullyZoomedOutY());
    // Crossed limits: the maximum wins.
    handler->setMinMaxScaleY(8, 3);
    EXPECT_EQ(handler->scaleY(), 3);
}

TEST(ViewPortHandler, ZoomFamilyComputesMatricesOnly) {
    const auto handler = ViewPortHandler::create(300, 200);
    handler->refresh(AffineTransform{2, 0, 0, 2, -20, 0}, nullptr, false);
    const AffineTransform current = handler->touchMatrix();
    EXPECT_EQ(handler->resetZoom(), current);
    EXPECT_EQ(handler->zoom(2, 3), current.scaledBy(2, 3));
    const AffineTransform aboutPoint = handler->zoomIn(50, 60);
    // The point stays where the current matrix put it.
    EXPECT_NEAR(aboutPoint.apply(Point{50, 60}).x, current.apply(Point{50, 60}).x, 1e-9);
    EXPECT_EQ(handler->zoomOut(0, 0), current.scaledBy(0.7, 0.7));
    EXPECT_EQ(handler->setZoom(5, 6), (AffineTransform{5, 0, 0, 6, -20, 0}));
    EXPECT_EQ(handler->setZoom(3, 3, 10, 0), (AffineTransform{3, 0, 0, 3, -20 + 10 - 30, 0}));
    EXPECT_EQ(handler->touchMatrix(), current);
    handler->setMinimumScaleX(2);
    EXPECT_EQ(handler->fitScreen(), AffineTransform::identity());
    EXPECT_EQ(handler->minScaleX(), 1);
    handler->restrainViewPort(10, 20, 0, 0);
    EXPECT_EQ(handler->translate(Point{110, 70}), current.concatenating(AffineTransform::makeTranslation(-100, -50)));
}

TEST(ViewPortHandler, BoundsTestsHaveExactSlack) {
    const auto handler = ViewPortHandler::create(200, 200);
    handler->restrainViewPort(10, 10, 90, 90); // content x 10, width 100, y 10, height 100
    struct Case {
        double value;
        bool left, right, top, bottom;
    };
    const Case cases[] = {
        {9, true, true, false, true},      {8.9, false, true, false, true}, {111, true, true, true, false},
        {111.5, true, false, true, false}, {9.99, true, true, false, true}, {110.009, true, true, true, true},
        {110.01, true, true, true, false}, {50, true, true, true, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(handler->isInBoundsLeft(c.value), c.left) << c.value;
        EXPECT_EQ(handler->isInBoundsRight(c.value), c.right) << c.value;
        EXPECT_EQ(handler->isInBoundsTop(c.value), c.top) << c.value;
        EXPECT_EQ(handler->isInBoundsBottom(c.value), c.bottom) << c.value;
        EXPECT_EQ(handler->isInBoundsX(c.value), c.left && c.right);
        EXPECT_EQ(handler->isInBounds(c.value, c.value), c.left && c.right && c.top && c.bottom);
    }
}

// An override of one edge changes every combination built on it.
class NoLeftEdge : public ViewPortHandler {
public:
    static std::shared_ptr<NoLeftEdge> create() {
        std::shared_ptr<NoLeftEdge> handler(new NoLeftEdge());
        handler->initialize(100, 100);
        return handler;
    }
    bool isInBoundsLeft(double) const override { return true; }
};

TEST(ViewPortHandler, CombinedTestsDispatchToTheEdgeTests) {
    const auto handler = NoLeftEdge::create();
    EXPECT_TRUE(handler->isInBounds(Point{-500, 50}));
    EXPECT_TRUE(handler->isIntersectingLine(Point{-500, 50}, Point{-400, 50}));
}

TEST(ViewPortHandler, LinesIntersectTheContentAsWholeLines) {
    const auto handler = ViewPortHandler::create(200, 200);
    handler->restrainViewPort(50, 50, 50, 50); // content 50..150 both ways
    struct Case {
        Point from, to;
        bool expected;
    };
    const Case cases[] = {
        {{10, 0}, {10, 200}, false},    // vertical, left of the content
        {{100, 0}, {100, 300}, true},   // vertical through it
        {{0, 100}, {300, 100}, true},   // horizontal through it, both ends outside
        {{0, 10}, {300, 10}, false},    // horizontal above it
        {{100, 100}, {500, 500}, true}, // one end inside
        {{0, 300}, {300, 0}, true},     // diagonal across
        {{0, 0}, {10, -10}, false},     // line far from the content
        // The segment ends short of the content, the line through it does not.
        {{0, 0}, {10, 10}, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(handler->isIntersectingLine(c.from, c.to), c.expected) << c.from.x << "," << c.from.y;
}

} // namespace
} // namespace charts
