// The bubble renderer beyond what its golden frames and geometry tables
// hold: the bubbles' elements on its own view only and their labels among
// several sets, the size texts fading in, the outline's colour taken by x,
// highlights that name no bubble, and a chart that is gone.
#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <vector>

#include "Charts/foundation/AccessibilityElement.h"
#include "Charts/types/bubble/BubbleChartRenderer.h"
#include "Charts/types/line/LineChartDataSet.h"
#include "tests/charts/support/render_support.h"
#include "tests/charts/types/bubble/bubble_support.h"

namespace {

using namespace charts;
using namespace render_test;

class BubbleRendererTest : public KindRendererTest<FakeBubbleChart, BubbleChartRenderer> {
protected:
    auto show(std::vector<Bubble> items, std::optional<QString> label = QString("B")) {
        return showSet(bubbleSet(items, std::move(label)));
    }
    QString xText(double x) const {
        return chart->xAxisModel->valueFormatter()->stringForValue(x, chart->xAxisModel.get());
    }
};
// One x unit is 33 pixels, below the content's 240: bubbles of the largest
// size are 33 across.

TEST_F(BubbleRendererTest, ElementsNameEachBubblesValueAndSizeForABubbleViewOnly) {
    show({{2, 50, 4}, {4, 60, 16}});
    renderer.drawData(context);
    const auto& elements = renderer.accessibleChartElements();
    ASSERT_EQ(elements.size(), 3u);
    EXPECT_EQ(elements[0]->label(), QString("Bubble Chart. 1 dataset. B"));
    // One set: the labels begin with the space; the percentage is the
    // diameter against the largest size.
    EXPECT_EQ(elements[1]->label(), QString(" ") + xText(2) + QString(": 50, bubble size: 103.12 %"));
    EXPECT_EQ(elements[2]->label(), QString(" ") + xText(4) + QString(": 60, bubble size: 206.25 %"));
    EXPECT_EQ(elements[2]->frame(), Rect(pixel(4, 60).x - 16.5, pixel(4, 60).y - 16.5, 33, 33));

    auto plain = std::make_shared<PlainBubbleProvider>(chart);
    BubbleChartRenderer inCombined(plain, chart->animator, chart->viewPort);
    inCombined.drawData(context);
    EXPECT_TRUE(inCombined.accessibleChartElements().empty());
    EXPECT_EQ(ofKind(context, DrawingOperation::fillEllipse).size(), 4u) << "drawn all the same";
}

TEST_F(BubbleRendererTest, AmongSeveralSetsTheLabelsNameTheirSetAndNoLabelReadsNan) {
    show({{2, 50, 0}}, QString("Sizes"));
    show({{4, 50, -3}}, std::nullopt);
    renderer.drawData(context);
    const auto& elements = renderer.accessibleChartElements();
    ASSERT_EQ(elements.size(), 3u);
    // Largest sizes of 0: the bubbles take the whole reference and read 0 %.
    EXPECT_EQ(elements[1]->label(), QString("Sizes,  ") + xText(2) + QString(": 50, bubble size: 0.00 %"));
    EXPECT_EQ(elements[2]->label(), QString(",  ") + xText(4) + QString(": 50, bubble size: 0.00 %"));
}

TEST_F(BubbleRendererTest, SizesFadeInAndNoneStandBesideASetOfAnotherKind) {
    auto set = show({{2, 50, 4}, {3, 50, std::numeric_limits<double>::quiet_NaN()}, {4, 50, 16}});
    set->setValueTextColor(QColor(9, 8, 7));
    struct Case {
        double phaseX, phaseY, alpha;
    };
    const Case cases[] = {
        {0.4, 1, 0.4}, {1, 0.6, 0.6}, {1, 1, 1}, {std::numeric_limits<double>::quiet_NaN(), 0.5, 0.5}};
    for (const Case& c : cases) {
        context.clearOperations();
        chart->animator->setPhaseX(c.phaseX);
        chart->animator->setPhaseY(c.phaseY);
        renderer.drawValues(context);
        const auto texts = ofKind(context, DrawingOperation::drawText);
        ASSERT_FALSE(texts.empty()) << c.phaseX;
        if (c.phaseX == 1) {
            EXPECT_EQ(texts.size(), 2u) << "a size that is not finite has no text";
        }
        EXPECT_NEAR(texts[0].attributes.foregroundColor->alphaF(), c.alpha, 0.01) << c.phaseX << " " << c.phaseY;
    }
    context.clearOperations();
    sets.push_back(std::make_shared<LineChartDataSet>());
    chart->setDataSets(sets);
    renderer.drawValues(context);
    EXPECT_TRUE(context.operations().empty()) << "a set of another kind: no values at all";
}

TEST_F(BubbleRendererTest, AHighlightedBubbleIsOutlinedAtHalfTheBrightnessOfItsXsColour) {
    auto set = show({{0.5, 20, 16}, {2.7, 50, 16}});
    set->setColors({QColor(0, 0, 250), QColor(0, 250, 0), QColor(250, 0, 0)});
    auto hit = std::make_shared<Highlight>(2.7, 50, 0);
    renderer.drawHighlighted(context, {hit, std::make_shared<Highlight>(0.5, 20, 0)});
    const auto outlines = ofKind(context, DrawingOperation::strokeEllipse);
    ASSERT_EQ(outlines.size(), 2u);
    const Point centre = pixel(2.7, 50);
    EXPECT_EQ(outlines[0].rect, Rect(centre.x - 16.5, centre.y - 16.5, 33, 33));
    EXPECT_EQ(outlines[0].state.stroke.lineWidth, 2.5);
    EXPECT_EQ(outlines[0].state.strokeColor.toRgb(), QColor(125, 0, 0)) << "x 2.7 takes colour 2, not entry 1's";
    EXPECT_EQ(outlines[1].state.strokeColor.toRgb(), QColor(0, 0, 125)) << "x below 1 takes colour 0";
    EXPECT_EQ((Point{hit->drawX(), hit->drawY()}), centre);
    EXPECT_TRUE(balancedSaves(context));
}

TEST_F(BubbleRendererTest, HighlightsThatNameNoBubbleDrawNothing) {
    auto set = show({{2, 50, 4}});
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    renderer.drawHighlighted(context,
                             {std::make_shared<Highlight>(nan, 50, 0), std::make_shared<Highlight>(inf, 50, 0),
                              std::make_shared<Highlight>(-1e300, 50, 0), std::make_shared<Highlight>(2, 50, 4)});
    set->setHighlightEnabled(false);
    renderer.drawHighlighted(context, {std::make_shared<Highlight>(2, 50, 0)});
    EXPECT_EQ(context.count(DrawingOperation::strokeEllipse), 0u);
}

TEST_F(BubbleRendererTest, ARendererWhoseChartIsGoneDrawsNothing) {
    show({{2, 50, 4}});
    expectAnOrphanDrawsNothing(std::make_shared<Highlight>(2, 50, 0));
}

} // namespace
