// Bar charts painted offscreen through QPainter and checked on their
// pixels: bars leave the zero line on their value's side, upright and on
// their side, stacked segments show their colours in order, a value label
// sits above its bar, the horizontal chart's x labels run down the left
// edge; and the painted chart's elements read back through QAccessible.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QImage>
#include <QPainter>

#include "Charts/drawing/PainterContext.h"
#include "Charts/foundation/AxisValueFormatter.h"
#include "tests/charts/support/painted_view.h"
#include "tests/charts/types/bar/bar_support.h"

namespace {

using namespace bar_test;

const QColor red(220, 0, 0);
const QColor green(0, 170, 0);
const QColor blue(0, 0, 220);
const QColor magenta(200, 0, 200);

QImage paint(BarChartView& view) { return charts::testing::paintedView(view); }

bool near(QRgb pixel, const QColor& colour) {
    return std::abs(qRed(pixel) - colour.red()) < 40 && std::abs(qGreen(pixel) - colour.green()) < 40 &&
           std::abs(qBlue(pixel) - colour.blue()) < 40;
}

// The colours met walking a column upward (or a row rightward) from one
// pixel to another, each run of a known colour once.
std::vector<QColor> runs(const QImage& image, QPoint from, QPoint step, int count, const std::vector<QColor>& known) {
    std::vector<QColor> seen;
    for (int i = 0; i < count; ++i) {
        const QPoint p = from + step * i;
        if (!image.rect().contains(p)) break;
        for (const QColor& colour : known) {
            if (!near(image.pixel(p), colour)) continue;
            if (seen.empty() || seen.back() != colour) seen.push_back(colour);
        }
    }
    return seen;
}

template <class View>
std::unique_ptr<View> chartOf(std::unique_ptr<View> view, std::shared_ptr<BarChartData> data) {
    view->legend()->setEnabled(false);
    view->setData(std::move(data));
    return view;
}

// Upright, a positive bar rises from the zero line and a negative one falls
// below it; on its side, a positive bar reaches right and a negative left.
TEST(BarPixelsTest, BarsLeaveTheZeroLineOnTheirValuesSide) {
    for (const bool sideways : {false, true}) {
        auto set = plainBars({5, -5});
        set->setColors({red, blue});
        set->setDrawValuesEnabled(false);
        auto view = chartOf(makeEitherView(sideways), barData({set}, 0.6));
        const QImage image = paint(*view);
        // Along the bar: pixel y upright (growing downward), x on its side.
        const auto along = [&](double value, double x) {
            const Point p = sideways ? view->pixelForValues(value, x, YAxis::AxisDependency::left)
                                     : view->pixelForValues(x, value, YAxis::AxisDependency::left);
            return sideways ? std::pair{p.x, p.y} : std::pair{-p.y, p.x};
        };
        const double zero = along(0, 0).first;
        const int length = sideways ? image.width() : image.height();
        for (const auto& [x, colour, positive] : {std::tuple{0.0, red, true}, std::tuple{1.0, blue, false}}) {
            const int across = static_cast<int>(along(0, x).second);
            int inside = 0;
            int wrongSide = 0;
            for (int i = 0; i < length; ++i) {
                if (!near(sideways ? image.pixel(i, across) : image.pixel(across, i), colour)) continue;
                ++inside;
                const double at = sideways ? i : -i; // growing toward greater values
                if (positive ? at < zero - 1 : at > zero + 1) ++wrongSide;
            }
            EXPECT_GT(inside, 50) << sideways << x;
            EXPECT_EQ(wrongSide, 0) << sideways << x;
        }
    }
}

TEST(BarPixelsTest, StackedSegmentsShowTheirColoursInOrder) {
    auto set = stackedBars({{3, 2, 4}, {-3, 2, -2, 1}});
    set->setColors({red, green, blue, magenta});
    set->setDrawValuesEnabled(false);
    auto view = chartOf(makeView<BarChartView>(), barData({set}, 0.6));
    const QImage image = paint(*view);
    const auto column = [&](double x) {
        return static_cast<int>(view->pixelForValues(x, 0, YAxis::AxisDependency::left).x);
    };
    const std::vector<QColor> known{red, green, blue, magenta};
    // Upward from the bottom of the image: positive values stack up from 0
    // in order; negative ones fill up to 0, the first one lowest.
    EXPECT_EQ(runs(image, QPoint(column(0), image.height() - 1), QPoint(0, -1), image.height(), known),
              (std::vector<QColor>{red, green, blue}));
    // Entry 1 takes rectangles 3 to 6: colours magenta, red, green, blue.
    EXPECT_EQ(runs(image, QPoint(column(1), image.height() - 1), QPoint(0, -1), image.height(), known),
              (std::vector<QColor>{magenta, green, red, blue}));
}

TEST(BarPixelsTest, AValueLabelSitsAboveItsBar) {
    auto set = plainBars({5});
    set->setColor(blue);
    set->setValueTextColor(red);
    set->setValueFont(pixelSizedFont(QFont(), 14));
    auto view = chartOf(makeView<BarChartView>(), barData({set}, 0.3));
    view->leftAxis()->setAxisMaximum(8);
    view->notifyDataSetChanged();
    const QImage image = paint(*view);
    const double top = view->pixelForValues(0, 5, YAxis::AxisDependency::left).y;
    const double x = view->pixelForValues(0, 0, YAxis::AxisDependency::left).x;
    int label = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int column = static_cast<int>(x) - 20; column < x + 20; ++column) {
            if (!near(image.pixel(column, y), red)) continue;
            ++label;
            EXPECT_LT(y, top) << column;
            EXPECT_GT(y, top - 30) << column;
        }
    }
    EXPECT_GT(label, 10);
}

TEST(BarPixelsTest, TheHorizontalChartsXLabelsRunDownTheLeftEdge) {
    auto set = plainBars({5, 3, 4, 2, 6});
    set->setDrawValuesEnabled(false);
    auto view = makeView<HorizontalBarChartView>();
    view->xAxis()->setLabelPosition(XAxis::LabelPosition::bottom);
    view->xAxis()->setLabelTextColor(magenta);
    view->xAxis()->setLabelFont(pixelSizedFont(QFont(), 14));
    view->leftAxis()->setEnabled(false);
    view->rightAxis()->setEnabled(false);
    view = chartOf(std::move(view), barData({set}));
    const QImage image = paint(*view);
    const double left = view->viewPortHandler()->contentLeft();
    int lowest = image.height();
    int highest = 0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!near(image.pixel(x, y), magenta)) continue;
            ++count;
            EXPECT_LT(x, left) << x << " " << y;
            lowest = std::min(lowest, y);
            highest = std::max(highest, y);
        }
    }
    EXPECT_GT(count, 30);
    // From near the content's bottom to near its top.
    EXPECT_GT(highest - lowest, view->viewPortHandler()->contentHeight() * 0.6);
}

TEST(BarPixelsTest, ThePaintedChartsElementsReadBackThroughAccessibility) {
    auto set = plainBars({5, 7}, "Sales");
    auto view = chartOf(makeView<BarChartView>(), barData({set, plainBars({2, 1}, "Costs")}));
    view->xAxis()->setValueFormatter(
        DefaultAxisValueFormatter::with([](double x, const AxisBase*) { return QStringLiteral("Q%1").arg(x + 1); }));
    view->resize(400, 300);
    view->grab(); // a real paint event, through the widget
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(view.get());
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->childCount(), 5);
    EXPECT_EQ(list->child(0)->role(), QAccessible::StaticText);
    EXPECT_EQ(list->child(0)->text(QAccessible::Name), QString("Bar Chart. 2 datasets. Sales, Costs"));
    const QString names[] = {"Sales,  Q1: 5.00", "Costs,  Q1: 2.00", "Sales,  Q2: 7.00", "Costs,  Q2: 1.00"};
    for (int i = 0; i < 4; ++i) {
        QAccessibleInterface* child = list->child(i + 1);
        EXPECT_EQ(child->role(), QAccessible::ListItem);
        EXPECT_EQ(child->text(QAccessible::Name), names[i]) << i;
        // Each element frames its bar on the screen.
        const Rect bar = view->getBarBounds(
            std::dynamic_pointer_cast<BarChartDataEntry>(view->data()->getDataSetByIndex(i % 2)->entryForIndex(i / 2)));
        const QPoint origin = view->mapToGlobal(QPoint(0, 0));
        EXPECT_NEAR(child->rect().center().x(), origin.x() + bar.origin.x + bar.size.width / 2, 1.5) << i;
    }
}

} // namespace
