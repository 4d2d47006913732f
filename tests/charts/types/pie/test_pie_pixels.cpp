#include <gtest/gtest.h>

#include <cstdlib>

#include "Charts/render/CircleGeometry.h"
#include "tests/charts/support/painted_view.h"
#include "tests/charts/types/pie/pie_support.h"

namespace charts {
namespace {

using namespace charts::testing;

QImage paint(PieChartView& view) { return paintedView(view); }

::testing::AssertionResult colourAt(const QImage& image, Point p, const QColor& expected) {
    const QColor got = image.pixelColor(static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y)));
    if (std::abs(got.red() - expected.red()) <= 2 && std::abs(got.green() - expected.green()) <= 2 &&
        std::abs(got.blue() - expected.blue()) <= 2)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "at " << p.x << ", " << p.y << ": " << got.name().toStdString() << " where "
                                         << expected.name().toStdString() << " was expected";
}

std::unique_ptr<PieChartView> plainPie(double width, double height, const std::vector<double>& values) {
    auto set = pieSet(values);
    set->setDrawValuesEnabled(false);
    auto view = pieView(width, height);
    view->legend()->setEnabled(false);
    view->setDrawEntryLabelsEnabled(false);
    view->setData(std::make_shared<PieChartData>(set));
    return view;
}

TEST(PiePixels, SlicesGoClockwiseFromTheTopInTheirColours) {
    const auto view = plainPie(400, 400, {1, 2, 3, 4});
    view->setDrawHoleEnabled(false);
    const QImage image = paint(*view);
    const Point c = view->centerCircleBox();
    const double r = view->radius();
    double start = 270;
    for (std::size_t i = 0; i < 4; ++i) {
        const double sweep = 36.0 * static_cast<double>(i + 1);
        for (double share : {0.25, 0.5, 0.9})
            for (double at : {start + 5, start + sweep / 2, start + sweep - 5})
                EXPECT_TRUE(colourAt(image, pointOnCircle(c, r * share, at), sliceColors()[i])) << i;
        start += sweep;
    }
    // Beyond the rim: the background.
    EXPECT_TRUE(colourAt(image, pointOnCircle(c, r + 4, 300), Qt::white));
}

TEST(PiePixels, TheHoleShowsItsColourAndTheGapsStayEmpty) {
    const auto view = plainPie(400, 400, {1, 1, 1, 1});
    view->setHoleColor(QColor(90, 90, 90));
    view->setTransparentCircleColor(std::nullopt);
    std::dynamic_pointer_cast<PieChartDataSet>(view->pieData()->dataSet())->setSliceSpace(12);
    const QImage image = paint(*view);
    const Point c = view->centerCircleBox();
    const double r = view->radius();
    EXPECT_TRUE(colourAt(image, c, QColor(90, 90, 90)));
    EXPECT_TRUE(colourAt(image, pointOnCircle(c, r * 0.3, 10), QColor(90, 90, 90)));
    // On every boundary between two slices: the background.
    for (double boundary : {270.0, 0.0, 90.0, 180.0})
        EXPECT_TRUE(colourAt(image, pointOnCircle(c, r * 0.8, boundary), Qt::white)) << boundary;
    EXPECT_TRUE(colourAt(image, pointOnCircle(c, r * 0.8, 315), sliceColors()[0]));
    EXPECT_TRUE(colourAt(image, pointOnCircle(c, r * 0.8, 45), sliceColors()[1]));
}

TEST(PiePixels, AHalfPieSpansTheUpperHalf) {
    // Wider than high: the pie's radius is the whole content height, and it
    // stands on the straight edge, with the view's room below it empty.
    const auto view = plainPie(400, 300, {1, 1, 2});
    view->setExtraBottomOffset(60);
    view->setDrawHoleEnabled(false);
    view->setMaxAngle(180);
    view->setRotationAngle(180);
    view->notifyDataSetChanged();
    const QImage image = paint(*view);
    const Point c = view->centerCircleBox();
    const double r = view->radius();
    EXPECT_TRUE(colourAt(image, pointOnCircle(c, r * 0.6, 180 + 22.5), sliceColors()[0]));
    EXPECT_TRUE(colourAt(image, pointOnCircle(c, r * 0.6, 180 + 67.5), sliceColors()[1]));
    EXPECT_TRUE(colourAt(image, pointOnCircle(c, r * 0.6, 180 + 135), sliceColors()[2]));
    // Below the straight edge: nothing.
    EXPECT_TRUE(colourAt(image, Point{c.x, c.y + 8}, Qt::white));
    EXPECT_TRUE(colourAt(image, Point{c.x - r * 0.5, c.y + 8}, Qt::white));
}

} // namespace
} // namespace charts
