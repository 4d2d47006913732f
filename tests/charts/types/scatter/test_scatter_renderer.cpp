// The scatter renderer beyond what its golden frames hold: which points it
// draws and with what, a set's own shape renderer or none, icons without
// values, the header on its own view only, sets of another kind, highlights
// that name nothing, and a chart that is gone.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "Charts/foundation/AccessibilityElement.h"
#include "Charts/types/line/LineChartDataSet.h"
#include "Charts/types/scatter/ScatterChartRenderer.h"
#include "Charts/types/scatter/ShapeRenderers.h"
#include "platform/testing/LogCapture.h"
#include "tests/charts/support/render_support.h"
#include "tests/charts/types/scatter/scatter_support.h"

namespace {

using namespace charts;
using namespace render_test;

// Remembers every point it is asked to draw, with what; on a built-in shape,
// as a caller's class derived from it would.
template <class Base = IShapeRenderer>
class RecordingShape : public Base {
public:
    struct Call {
        const IScatterChartDataSet* set;
        const ViewPortHandler* port;
        Point point;
        QColor color;
    };
    void renderShape(DrawingContext&, const IScatterChartDataSet& set, const ViewPortHandler& port, Point point,
                     const QColor& color) override {
        calls.push_back(Call{&set, &port, point, color});
    }
    std::vector<Call> calls;
};

class ScatterRendererTest : public KindRendererTest<FakeScatterChart, ScatterChartRenderer> {
protected:
    auto show(std::vector<Point> items, std::optional<QString> label = QString("S")) {
        return showSet(scatterSet(items, std::move(label)));
    }
    // The centres of the squares drawn.
    std::vector<Point> squareCentres() const {
        std::vector<Point> centres;
        for (const RecordedOperation& op : ofKind(context, DrawingOperation::fillRect))
            centres.push_back(Point{op.rect.x() + op.rect.width() / 2, op.rect.y() + op.rect.height() / 2});
        return centres;
    }
};

TEST_F(ScatterRendererTest, DrawsThePointsInsideTheContentInTheirColours) {
    // Above, below and left of the content, and not a number: left out; the
    // others drawn.
    auto set = show({{-1, 50}, {1, 10}, {2, 120}, {3, -5}, {4, 90}, {4.5, std::nan("")}, {4.7, 500}, {5, 50}});
    set->setColors({QColor(1, 0, 0), QColor(2, 0, 0)});
    renderer.drawData(context);
    expectPointsNear(squareCentres(), {pixel(1, 10), pixel(4, 90), pixel(5, 50)});
    const auto fills = ofKind(context, DrawingOperation::fillRect);
    ASSERT_EQ(fills.size(), 3u);
    EXPECT_EQ(fills[0].state.fillColor, QColor(2, 0, 0)); // entry 1
    EXPECT_EQ(fills[1].state.fillColor, QColor(1, 0, 0)); // entry 4
    EXPECT_EQ(fills[2].state.fillColor, QColor(2, 0, 0)); // entry 7
    EXPECT_TRUE(balancedSaves(context));
}

TEST_F(ScatterRendererTest, TheAnimationsPhasesLimitAndLowerThePoints) {
    std::vector<Point> points;
    for (int i = 0; i < 10; ++i) points.push_back(Point{double(i), 80});
    show(points);
    chart->animator->setPhaseX(0.5);
    chart->animator->setPhaseY(0.5);
    renderer.drawData(context);
    std::vector<Point> expected;
    for (int i = 0; i < 5; ++i) expected.push_back(pixel(i, 40));
    expectPointsNear(squareCentres(), expected);
    // Entries up to ceil(n × phaseX): at 0.93 all ten.
    chart->animator->setPhaseX(0.93);
    context.clearOperations();
    renderer.drawData(context);
    EXPECT_EQ(squareCentres().size(), 10u);
}

TEST_F(ScatterRendererTest, ASetHandsEachPointToItsOwnShapeRenderer) {
    auto set = show({{1, 10}, {2, 20}});
    auto shape = std::make_shared<RecordingShape<>>();
    set->setShapeRenderer(shape);
    renderer.drawData(context);
    ASSERT_EQ(shape->calls.size(), 2u);
    EXPECT_EQ(shape->calls[1].set, set.get());
    EXPECT_EQ(shape->calls[1].port, chart->viewPort.get());
    EXPECT_EQ(shape->calls[1].point, pixel(2, 20));
    EXPECT_EQ(shape->calls[1].color, set->color(1));

    // A caller's class derived from a built-in one is asked all the same.
    auto square = std::make_shared<RecordingShape<SquareShapeRenderer>>();
    set->setShapeRenderer(square);
    renderer.drawData(context);
    EXPECT_EQ(square->calls.size(), 2u);
    EXPECT_EQ(context.count(DrawingOperation::fillRect), 0u);
}

TEST_F(ScatterRendererTest, ASetWithoutAShapeRendererSaysSoAndDrawsNothing) {
    show({{1, 10}, {2, 20}})->setShapeRenderer(nullptr);
    show({{3, 30}});
    const platform::LogCapture log;
    renderer.drawData(context);
    EXPECT_EQ(log.standardOutputLines(),
              std::vector<std::string>{"There's no IShapeRenderer specified for ScatterDataSet"});
    expectPointsNear(squareCentres(), {pixel(3, 30)});
}

TEST_F(ScatterRendererTest, AccessibilityHasTheHeaderOfAScatterViewOnly) {
    show({{1, 10}}, QString("A"));
    show({{2, 10}}, QString("B"));
    chart->descriptionText = QString("Spots");
    renderer.drawData(context);
    ASSERT_EQ(renderer.accessibleChartElements().size(), 1u);
    EXPECT_EQ(renderer.accessibleChartElements()[0]->label(), QString("Spots. 2 datasets. A, B"));
    EXPECT_TRUE(renderer.accessibleChartElements()[0]->isHeader());

    auto plain = std::make_shared<PlainScatterProvider>(chart);
    ScatterChartRenderer inCombined(plain, chart->animator, chart->viewPort);
    inCombined.drawData(context);
    EXPECT_TRUE(inCombined.accessibleChartElements().empty());
    EXPECT_EQ(squareCentres().size(), 4u) << "drawn all the same";
}

TEST_F(ScatterRendererTest, AVisibleSetOfAnotherKindStopsTheProgram) {
    show({{1, 10}});
    sets.push_back(std::make_shared<LineChartDataSet>());
    chart->setDataSets(sets);
    EXPECT_DEATH(renderer.drawData(context), "Datasets for ScatterChartRenderer must conform to IScatterChartDataSet");
    sets.back()->setVisible(false);
    renderer.drawData(context);
    EXPECT_EQ(squareCentres().size(), 1u);
}

TEST_F(ScatterRendererTest, IconsWithoutValuesAndNothingBesideASetOfAnotherKind) {
    auto set = show({{1, 10}});
    QImage icon(6, 4, QImage::Format_ARGB32);
    icon.fill(Qt::red);
    set->entryForIndex(0)->setIcon(icon);
    set->setDrawValuesEnabled(false);
    set->setIconsOffset(QPointF(2, -3));
    renderer.drawValues(context);
    EXPECT_EQ(context.count(DrawingOperation::drawText), 0u);
    const auto images = ofKind(context, DrawingOperation::drawImage);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].rect, Rect(pixel(1, 10).x + 2 - 3, pixel(1, 10).y - 3 - 2, 6, 4));

    context.clearOperations();
    set->setDrawValuesEnabled(true);
    sets.push_back(std::make_shared<LineChartDataSet>());
    chart->setDataSets(sets);
    renderer.drawValues(context);
    EXPECT_TRUE(context.operations().empty());
}

TEST_F(ScatterRendererTest, HighlightsThatNameNothingDrawNothing) {
    auto set = show({{1, 10}, {2, 50}});
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    renderer.drawHighlighted(context, {std::make_shared<Highlight>(nan, 50, 0), std::make_shared<Highlight>(inf, 50, 0),
                                       std::make_shared<Highlight>(2, 50, 3), nullptr});
    set->setHighlightEnabled(false);
    renderer.drawHighlighted(context, {std::make_shared<Highlight>(2, 50, 0)});
    set->setHighlightEnabled(true);
    chart->animator->setPhaseX(0.5); // entry 1 of 2 not yet shown
    renderer.drawHighlighted(context, {std::make_shared<Highlight>(2, 50, 0)});
    EXPECT_EQ(context.count(DrawingOperation::drawPath), 0u);
}

TEST_F(ScatterRendererTest, ARendererWhoseChartIsGoneDrawsNothing) {
    show({{1, 10}});
    expectAnOrphanDrawsNothing(std::make_shared<Highlight>(1, 10, 0));
}

} // namespace
