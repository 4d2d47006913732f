// The bar renderers' drawing, recorded, beyond the whole frames kept as
// golden files: highlights with their alpha and stored drawing position,
// frames that draw only what they prepared (a shorter animation, shrunken
// stacks, taller stacks than the set was made with), culling, and axis cuts
// on a bar chart view only.
#include <gtest/gtest.h>

#include "Charts/foundation/AccessibilityElement.h"
#include "Charts/types/bar/HorizontalBarChartRenderer.h"
#include "tests/charts/types/bar/bar_support.h"

namespace {

using namespace bar_test;

TEST(BarRendererTest, HighlightsFillTheChosenValueWithTheSetsAlpha) {
    struct Case {
        const char* name;
        double x;
        int stackIndex;
        bool fullBar;
        Rect values; // the highlighted rectangle in values
    };
    const Case cases[] = {
        {"a plain bar", 1, -1, false, {0.75, 0, 0.5, 4}},
        {"a stacked value", 0, 1, false, {-0.25, -5, 0.5, 1}},
        {"the whole stack", 0, 1, true, {-0.25, -5, 0.5, 10}},
        {"a stack highlighted as a bar", 0, -1, false, {-0.25, 0, 0.5, 0}},
        {"a stack position past its values", 0, 7, false, {-0.25, 0, 0.5, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto set = barSet({{0, 0, {{2, -1, 3, -4}}}, {1, 4, {}}});
        set->setHighlightColor(QColor(0, 0, 200));
        set->setHighlightAlpha(0.25);
        RecordedChart chart(barData({set}, 0.5));
        chart.view->setHighlightFullBarEnabled(c.fullBar);
        chart.view->highlightValue(c.x, 0, c.stackIndex);
        chart.draw();
        const auto fills = chart.fills();
        ASSERT_EQ(fills.size(), 6u);
        const RecordedOperation& highlight = fills.back();
        const Rect expected =
            chart.pixels(c.values.origin.x, c.values.origin.y, c.values.size.width, c.values.size.height);
        EXPECT_TRUE(rectNear(highlight.rect, expected));
        EXPECT_EQ(highlight.state.fillColor, QColor(0, 0, 200));
        EXPECT_EQ(highlight.state.alpha, 0.25);
        // The highlight keeps where its marker goes: the bar's top middle.
        const Highlight& h = *chart.view->highlighted().front();
        EXPECT_NEAR(h.drawX(), expected.origin.x + expected.size.width / 2, 1e-9);
        EXPECT_NEAR(h.drawY(), expected.origin.y, 1e-9);
    }
}

TEST(BarRendererTest, ASidewaysHighlightStoresItsMiddleAndRightEdge) {
    struct Probe : HorizontalBarChartView {
        using HorizontalBarChartView::getMarkerPosition;
    };
    auto set = plainBars({3, -2});
    RecordedChart<HorizontalBarChartView> chart(barData({set}, 0.5));
    chart.view->highlightValue(0.0, 0, -1);
    chart.draw();
    const auto fills = chart.fills();
    ASSERT_EQ(fills.size(), 3u);
    const Rect expected = pixelsOf(*chart.view, Rect(0, -0.25, 3, 0.5));
    EXPECT_TRUE(rectNear(fills.back().rect, expected));
    const Highlight& h = *chart.view->highlighted().front();
    EXPECT_NEAR(h.drawX(), expected.origin.y + expected.size.height / 2, 1e-9);
    EXPECT_NEAR(h.drawY(), expected.origin.x + expected.size.width, 1e-9);
    // The marker stands there, the pair turned back: at the right edge, mid-height.
    const Point marker = static_cast<Probe*>(chart.view.get())->getMarkerPosition(h);
    EXPECT_EQ(marker, (Point{h.drawY(), h.drawX()}));
}

TEST(BarRendererTest, AFrameDrawsOnlyWhatItPrepared) {
    // Full frames first, so that every slot of the buffers holds a bar.
    auto plain = plainBars({1, 2, 3, 4, 5});
    auto stacked = stackedBars({{1, 1, 1}, {1, 1, 1}});
    RecordedChart chart(barData({plain, stacked}));
    chart.draw();
    ASSERT_EQ(chart.fills().size(), 5u + 6u);

    // An animation that reached half the entries: 3 plain bars and the
    // first stack (ceil(2 × 0.5) = 1), nothing left from the frame before.
    chart.view->chartAnimator()->setPhaseX(0.5);
    chart.draw();
    EXPECT_EQ(chart.fills().size(), 3u + 3u);
    const auto& elements = chart.view->renderer()->accessibleChartElements();
    EXPECT_EQ(elements.size(), 1u + 3u + 3u);

    // A stack that shrank without the chart hearing of it: its buffer still
    // has room for three values, the frame draws the four it prepared.
    chart.view->chartAnimator()->setPhaseX(1);
    std::dynamic_pointer_cast<BarChartDataEntry>(stacked->entryForIndex(0))->setYValues(std::vector<double>{2});
    chart.draw();
    EXPECT_EQ(chart.fills().size(), 5u + 4u);
    EXPECT_EQ(chart.view->renderer()->accessibleChartElements().size(), 1u + 5u + 4u);
}

TEST(BarRendererTest, AStackTallerThanTheSetWasMadeWithDrawsWhatFits) {
    auto stacked = stackedBars({{1, 1}, {1, 1}});
    RecordedChart chart(barData({stacked}));
    // Added later, with four values: the set's stack size stays 2, so its
    // buffer has room for 2 × 3 values.
    chart.view->data()->addEntry(std::make_shared<BarChartDataEntry>(2, std::vector<double>{1, 1, 1, 1}), 0);
    chart.view->notifyDataSetChanged();
    chart.draw();
    EXPECT_EQ(chart.fills().size(), 6u);
    // Elements follow the same rectangles.
    EXPECT_EQ(chart.view->renderer()->accessibleChartElements().size(), 1u + 6u);
}

TEST(BarRendererTest, PlainBarsAreCutToTheAxisOnABarChartViewOnly) {
    auto set = plainBars({150, -30});
    RecordedChart chart(barData({set}, 0.5));
    chart.view->leftAxis()->setAxisMaximum(100);
    chart.view->leftAxis()->setAxisMinimum(20);
    chart.view->notifyDataSetChanged();
    chart.draw();
    const auto fills = chart.fills();
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_TRUE(rectNear(fills[0].rect, chart.pixels(-0.25, 20, 0.5, 80)));
    // Wholly below the range: what is left of it lies below the content
    // (between 0 and the minimum), where the clip hides it.
    EXPECT_TRUE(rectNear(fills[1].rect, chart.pixels(0.75, 0, 0.5, 20)));
    EXPECT_GE(fills[1].rect.origin.y, chart.view->viewPortHandler()->contentBottom());

    // The same chart seen as a chart of another kind: bars to their values,
    // no header and no elements.
    auto provider = std::make_shared<PlainBarProvider>(*chart.view);
    BarChartRenderer renderer(provider, chart.view->chartAnimator(), chart.view->viewPortHandler());
    renderer.initBuffers();
    RecordingContext context;
    renderer.drawData(context);
    const auto plainFills = ofKind(context, DrawingOperation::fillRect);
    ASSERT_EQ(plainFills.size(), 2u);
    EXPECT_TRUE(rectNear(plainFills[0].rect, chart.pixels(-0.25, 0, 0.5, 150)));
    EXPECT_TRUE(rectNear(plainFills[1].rect, chart.pixels(0.75, -30, 0.5, 30)));
    EXPECT_TRUE(renderer.accessibleChartElements().empty());
    EXPECT_TRUE(renderer.accessibilityOrderedElements().empty());
}

TEST(BarRendererTest, BarsOutsideTheContentAreNotDrawn) {
    std::vector<double> values(40, 5.0);
    RecordedChart chart(barData({plainBars(values)}));
    chart.view->zoom(4, 1, 0, 0);
    chart.view->moveViewToX(20);
    chart.draw();
    const auto fills = chart.fills();
    ASSERT_FALSE(fills.empty());
    EXPECT_LT(fills.size(), 14u);
    const ContentBounds bounds{chart.view->viewPortHandler()->contentRect()};
    for (const RecordedOperation& fill : fills)
        EXPECT_EQ(cullBar(BarDirection::vertical, fill.rect, bounds), BarCull::draw);
}

TEST(BarRendererTest, NothingVisibleDrawsOnlyTheHeader) {
    auto set = plainBars({1, 2});
    set->setVisible(false);
    RecordedChart chart(barData({set}));
    chart.draw();
    EXPECT_TRUE(chart.fills().empty());
    const auto& elements = chart.view->renderer()->accessibleChartElements();
    ASSERT_EQ(elements.size(), 1u);
    EXPECT_TRUE(elements.front()->isHeader());
}

} // namespace
