#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/charts/support/painted_view.h"
#include "tests/charts/types/radar/radar_support.h"

namespace charts {
namespace {

using namespace charts::testing;

QColor pixel(const QImage& image, Point p) {
    return image.pixelColor(static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y)));
}

bool near(const QColor& a, const QColor& b, int tolerance = 3) {
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

TEST(RadarPixels, TheFillLiesInsideItsPolygonOverTheWeb) {
    const auto set = radarSet({80, 80, 80, 80}, "Square", QColor(20, 60, 200));
    set->setDrawFilledEnabled(true);
    set->setFillColor(QColor(20, 60, 200));
    set->setFillAlpha(1);
    const auto view = radarView(400, 400, radarData({set}));
    view->xAxis()->setEnabled(false);
    view->yAxis()->setAxisMinimum(0);
    view->yAxis()->setAxisMaximum(100);
    view->setWebLineWidth(3);
    view->notifyDataSetChanged();
    const QImage image = paintedView(*view);
    const RadarFrameGeometry g = view->frameGeometry();
    // Inside the square of the four points, on a spoke: the fill covers the
    // web; beyond the points on the same spoke the web shows.
    EXPECT_TRUE(near(pixel(image, g.point(0, 40)), QColor(20, 60, 200)))
        << pixel(image, g.point(0, 40)).name().toStdString();
    EXPECT_TRUE(near(pixel(image, g.point(1, 60)), QColor(20, 60, 200)));
    const QColor web = pixel(image, g.point(0, g.yMin + view->yRange() * 0.97));
    EXPECT_FALSE(near(web, QColor(20, 60, 200)));
    EXPECT_FALSE(near(web, Qt::white)) << web.name().toStdString();
    // Between two spokes, just inside and just outside the square's edge.
    EXPECT_TRUE(near(pixel(image, g.point(0.5, 50)), QColor(20, 60, 200)));
    const QColor outside = pixel(image, g.point(0.5, 62));
    EXPECT_FALSE(near(outside, QColor(20, 60, 200))) << outside.name().toStdString();
}

} // namespace
} // namespace charts
