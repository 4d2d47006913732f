// Scatter charts painted offscreen: every shape inside its box, holes with
// and without a colour.
#include <gtest/gtest.h>

#include <QAccessible>

#include "Charts/types/scatter/ScatterChartView.h"
#include "tests/charts/support/chart_view_support.h"
#include "tests/charts/support/offscreen_paint.h"
#include "tests/charts/types/scatter/scatter_support.h"

namespace charts {
namespace {

using namespace charts::testing;
using render_test::scatterSet;
using Shape = ScatterChartDataSet::Shape;

constexpr double shapeSize = 20;

struct ShapeCase {
    Shape shape;
    QColor colour;
    // The box the shape may cover around its point, in shape sizes.
    double left, top, right, bottom;
};

// The chevrons reach the whole size from the point, the others half of it.
const ShapeCase shapes[] = {
    {Shape::square, QColor(200, 0, 0), -0.5, -0.5, 0.5, 0.5},
    {Shape::circle, QColor(0, 160, 0), -0.5, -0.5, 0.5, 0.5},
    {Shape::triangle, QColor(0, 0, 200), -0.5, -0.5, 0.5, 0.5},
    {Shape::cross, QColor(200, 0, 200), -0.5, -0.5, 0.5, 0.5},
    {Shape::x, QColor(0, 160, 160), -0.5, -0.5, 0.5, 0.5},
    {Shape::chevronUp, QColor(200, 120, 0), -1, -1, 1, 0},
    {Shape::chevronDown, QColor(120, 0, 200), -1, 0, 1, 1},
};

struct Chart {
    FixedMetrics metrics;
    std::unique_ptr<ScatterChartView> view{ChartViewBase::create<ScatterChartView>()};
    Chart() {
        view->setChartSize(600, 300);
        fixRanges(*view, 0, 8, 0, 100);
    }
    Point pixel(double x) const { return view->pixelForValues(x, 50, YAxis::AxisDependency::left); }
};

TEST(ScatterPixels, EveryShapeLiesInsideItsSizeBox) {
    for (const ShapeCase& c : shapes) {
        // The shape alone on the picture: no axes.
        Chart chart;
        for (AxisBase* axis :
             {static_cast<AxisBase*>(chart.view->xAxis().get()), static_cast<AxisBase*>(chart.view->leftAxis().get()),
              static_cast<AxisBase*>(chart.view->rightAxis().get())})
            axis->setEnabled(false);
        auto set = scatterSet({{4, 50}});
        set->setScatterShape(c.shape);
        set->setScatterShapeSize(shapeSize);
        set->setColor(c.colour);
        set->setDrawValuesEnabled(false);
        chart.view->setData(std::make_shared<ScatterChartData>(ChartData::DataSets{set}));
        const QImage image = paintedView(*chart.view);
        QRect drawn;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != qRgb(255, 255, 255)) drawn |= QRect(x, y, 1, 1);
        const int shape = static_cast<int>(c.shape);
        ASSERT_FALSE(drawn.isNull()) << "shape " << shape;
        const Point p = chart.pixel(4);
        // Anti-aliasing reaches at most a pixel beyond the geometry...
        EXPECT_GE(drawn.left(), p.x + c.left * shapeSize - 1.5) << "shape " << shape;
        EXPECT_LE(drawn.right(), p.x + c.right * shapeSize + 1.5) << "shape " << shape;
        EXPECT_GE(drawn.top(), p.y + c.top * shapeSize - 1.5) << "shape " << shape;
        EXPECT_LE(drawn.bottom(), p.y + c.bottom * shapeSize + 1.5) << "shape " << shape;
        // ...and the shape spans its box across.
        EXPECT_GE(drawn.width(), (c.right - c.left) * shapeSize - 1) << "shape " << shape;
    }
}

TEST(ScatterPixels, AHoleShowsTheBackgroundUnlessItHasAColour) {
    Chart chart;
    ChartData::DataSets sets;
    const Shape ringed[] = {Shape::square, Shape::circle, Shape::triangle};
    for (std::size_t i = 0; i < 3; ++i) {
        for (const bool coloured : {false, true}) {
            auto set = scatterSet({{double(2 * i + (coloured ? 2 : 1)), 50}});
            set->setScatterShape(ringed[i]);
            set->setScatterShapeSize(shapeSize);
            set->setScatterShapeHoleRadius(5);
            if (coloured) set->setScatterShapeHoleColor(QColor(0, 0, 255));
            set->setColor(QColor(200, 0, 0));
            set->setDrawValuesEnabled(false);
            sets.push_back(set);
        }
    }
    chart.view->setData(std::make_shared<ScatterChartData>(sets));
    const QImage image = paintedView(*chart.view);
    for (int x = 1; x <= 6; ++x) {
        const Point p = chart.pixel(x);
        const bool coloured = x % 2 == 0;
        EXPECT_EQ(image.pixel(int(p.x), int(p.y)), coloured ? qRgb(0, 0, 255) : qRgb(255, 255, 255)) << x;
        // The ring around it in the shape's colour.
        EXPECT_EQ(image.pixel(int(p.x), int(p.y + 8)), qRgb(200, 0, 0)) << x;
    }
}

TEST(ScatterPixels, AssistiveTechnologyReadsTheHeader) {
    Chart chart;
    chart.view->setData(std::make_shared<ScatterChartData>(ChartData::DataSets{scatterSet({{1, 50}}, "Spots")}));
    paintedView(*chart.view);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(chart.view.get());
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->childCount(), 1);
    EXPECT_EQ(list->child(0)->text(QAccessible::Name), QString("Scatter Chart. 1 dataset. Spots"));
    EXPECT_EQ(list->child(0)->role(), QAccessible::StaticText);
}

} // namespace
} // namespace charts
