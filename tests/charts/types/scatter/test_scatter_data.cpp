// Scatter data sets and their shapes, scatter data and the scatter view.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <typeindex>
#include <typeinfo>

#include "Charts/types/line/LineChartDataSet.h"
#include "Charts/types/scatter/ScatterChartRenderer.h"
#include "Charts/types/scatter/ScatterChartView.h"
#include "Charts/types/scatter/ShapeRenderers.h"
#include "tests/charts/support/chart_view_support.h"
#include "tests/charts/support/pinch_zoom.h"
#include "tests/charts/types/scatter/scatter_support.h"

namespace {

using namespace charts;
using render_test::scatterSet;
using Shape = ScatterChartDataSet::Shape;

struct ShapeCase {
    std::int64_t raw;
    std::optional<Shape> shape;
    std::type_index renderer = typeid(void);
};

TEST(ScatterShapes, RawValuesNameTheSevenShapesAndTheirRenderers) {
    const ShapeCase cases[] = {
        {0, Shape::square, typeid(SquareShapeRenderer)},
        {1, Shape::circle, typeid(CircleShapeRenderer)},
        {2, Shape::triangle, typeid(TriangleShapeRenderer)},
        {3, Shape::cross, typeid(CrossShapeRenderer)},
        {4, Shape::x, typeid(XShapeRenderer)},
        {5, Shape::chevronUp, typeid(ChevronUpShapeRenderer)},
        {6, Shape::chevronDown, typeid(ChevronDownShapeRenderer)},
        {7, std::nullopt},
        {-1, std::nullopt},
        {std::numeric_limits<std::int64_t>::max(), std::nullopt},
        {std::numeric_limits<std::int64_t>::min(), std::nullopt},
    };
    for (const ShapeCase& c : cases) {
        EXPECT_EQ(scatterShapeFromRaw(c.raw), c.shape) << c.raw;
        if (!c.shape) continue;
        EXPECT_EQ(static_cast<std::int64_t>(*c.shape), c.raw);
        // A new renderer every time.
        const std::shared_ptr<IShapeRenderer> renderer = ScatterChartDataSet::renderer(*c.shape);
        ASSERT_NE(renderer, nullptr) << c.raw;
        EXPECT_EQ(std::type_index(typeid(*renderer)), c.renderer) << c.raw;
        EXPECT_NE(ScatterChartDataSet::renderer(*c.shape), renderer);
    }
}

TEST(ScatterDataSet, ANewSetHasItsBounds) {
    // Bounds computed once all the set's own fields stand.
    const auto set = scatterSet({{1, 2}, {3, -4}});
    EXPECT_EQ(set->yMin(), -4);
    EXPECT_EQ(set->xMax(), 3);
}

TEST(ScatterDataSet, ACopySharesItsShapeRendererAndKeepsItsShape) {
    auto set = scatterSet({{1, 2}});
    set->setScatterShape(Shape::circle);
    set->setScatterShapeSize(14);
    set->setScatterShapeHoleRadius(3);
    set->setScatterShapeHoleColor(QColor(1, 2, 3));
    set->setDrawHorizontalHighlightIndicatorEnabled(false);
    set->setHighlightLineWidth(2);

    const auto copy = std::dynamic_pointer_cast<ScatterChartDataSet>(set->copy());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->shapeRenderer(), set->shapeRenderer());
    EXPECT_EQ(copy->scatterShapeSize(), 14);
    EXPECT_EQ(copy->scatterShapeHoleRadius(), 3);
    EXPECT_EQ(copy->scatterShapeHoleColor(), QColor(1, 2, 3));
    EXPECT_FALSE(copy->isHorizontalHighlightIndicatorEnabled());
    EXPECT_EQ(copy->highlightLineWidth(), 2);
    EXPECT_EQ(copy->entryCount(), 1);
}

TEST(ScatterData, TheGreatestShapeSizeNeedsEverySetToBeAScatterSet) {
    const auto sized = [](double size) {
        auto set = scatterSet({{0, 0}});
        set->setScatterShapeSize(size);
        return set;
    };
    struct Case {
        ChartData::DataSets sets;
        double greatest;
    };
    const auto first = sized(14);
    const Case cases[] = {
        {{sized(10), first, sized(14)}, 14},
        {{sized(-3), sized(-1)}, -1},
        {{}, 0},
        {{sized(10), std::make_shared<LineChartDataSet>()}, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(ScatterChartData(c.sets).getGreatestShapeSize(), c.greatest);
}

TEST(ScatterView, KeepsHalfAUnitBesideThePointsAndDrawsScatterDataOnly) {
    std::unique_ptr<ScatterChartView> view(ChartViewBase::create<ScatterChartView>());
    EXPECT_EQ(view->xAxis()->spaceMin(), 0.5);
    EXPECT_EQ(view->xAxis()->spaceMax(), 0.5);
    EXPECT_NE(dynamic_cast<ScatterChartRenderer*>(view->renderer().get()), nullptr);
    EXPECT_EQ(view->scatterData(), nullptr);

    view->setData(std::make_shared<ChartData>(ChartData::DataSets{scatterSet({{1, 1}})}));
    EXPECT_EQ(view->scatterData(), nullptr) << "data of another class";
    auto data = std::make_shared<ScatterChartData>(ChartData::DataSets{scatterSet({{1, 1}})});
    view->setData(data);
    EXPECT_EQ(view->scatterData(), data);
    // The renderer reaches the view through a weak reference.
    auto* renderer = dynamic_cast<ScatterChartRenderer*>(view->renderer().get());
    EXPECT_EQ(renderer->dataProvider().get(), static_cast<ScatterChartDataProvider*>(view.get()));
}

TEST(ScatterView, APinchZoomsAboutTheFingers) {
    const auto view = charts::testing::makeChart<ScatterChartView>(400, 300);
    view->setData(std::make_shared<ScatterChartData>(ChartData::DataSets{scatterSet({{1, 1}, {2, 5}, {3, 3}})}));
    charts::testing::expectPinchZoomsAboutTheValue(*view, Point{2, 5});
}

} // namespace
