#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>

#include "Charts/drawing/TranslucentLayer.h"

namespace charts {
namespace {

// The largest difference of a colour channel between two images.
int largestDifference(const QImage& a, const QImage& b) {
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            worst = std::max(
                {worst, std::abs(p.red() - q.red()), std::abs(p.green() - q.green()), std::abs(p.blue() - q.blue())});
        }
    return worst;
}

struct Scene {
    double ratio;     // the image's device pixel ratio
    QTransform world; // the painter's transform
    QRectF clip;      // none when empty
    double opacity;
};

QImage paintWith(const Scene& setup, const std::function<void(QPainter&)>& paint) {
    QImage image(240 * setup.ratio, 200 * setup.ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(setup.ratio);
    image.fill(QColor(250, 240, 200));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setWorldTransform(setup.world);
    if (!setup.clip.isEmpty()) painter.setClipRect(setup.clip);
    painter.setOpacity(setup.opacity);
    paint(painter);
    return image;
}

// Through the layer, each shape paints the pixels Qt paints directly (up to
// rounding), whatever the transform, clip, opacity and pixel ratio.
TEST(TranslucentLayer, PaintsWhatQtPaintsDirectly) {
    QPainterPath ring;
    ring.setFillRule(Qt::OddEvenFill);
    ring.addEllipse(QPointF(110, 100), 80, 70);
    ring.addEllipse(QPointF(110, 100), 50, 40);
    const QColor colour(20, 90, 200, 150);
    const Scene setups[] = {
        {1, QTransform(), QRectF(), 1},
        {2, QTransform(), QRectF(), 0.7},
        {1, QTransform().translate(30, 10).rotate(20).scale(0.9, 1.1), QRectF(), 1},
        {1, QTransform(), QRectF(40, 30, 120, 90), 0.8},
    };
    for (const Scene& setup : setups) {
        const QImage direct = paintWith(setup, [&](QPainter& p) { p.fillPath(ring, colour); });
        TranslucentLayer layer;
        bool used = false;
        const QImage layered = paintWith(setup, [&](QPainter& p) {
            used = layer.paint(p, ring.boundingRect(), colour, [&](QPainter& l, const QColor& opaque) {
                EXPECT_EQ(opaque.alpha(), 255);
                l.fillPath(ring, opaque);
            });
        });
        EXPECT_TRUE(used);
        EXPECT_LE(largestDifference(direct, layered), 2) << setup.ratio << " " << setup.opacity;
    }
    // A wide translucent polyline, as a chart strokes a line.
    const QPolygonF line({{10, 150}, {60, 30}, {120, 170}, {200, 20}});
    const QImage direct = paintWith(setups[0], [&](QPainter& p) {
        p.setPen(QPen(colour, 6, Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin));
        p.drawPolyline(line);
    });
    TranslucentLayer layer;
    const QImage layered = paintWith(setups[0], [&](QPainter& p) {
        ASSERT_TRUE(
            layer.paint(p, line.boundingRect().adjusted(-4, -4, 4, 4), colour, [&](QPainter& l, const QColor& o) {
                l.setPen(QPen(o, 6, Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin));
                l.drawPolyline(line);
            }));
    });
    EXPECT_LE(largestDifference(direct, layered), 2);
}

TEST(TranslucentLayer, LeavesOpaqueInvisibleAndSmallPaintingsToQt) {
    TranslucentLayer layer;
    QImage image(100, 100, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    const auto none = [](QPainter&, const QColor&) {};
    EXPECT_FALSE(layer.paint(painter, QRectF(0, 0, 100, 100), QColor(0, 0, 0), none));
    EXPECT_FALSE(layer.paint(painter, QRectF(0, 0, 100, 100), QColor(0, 0, 0, 0), none));
    EXPECT_FALSE(layer.paint(painter, QRectF(0, 0, 20, 20), QColor(0, 0, 0, 100), none));
    EXPECT_TRUE(layer.paint(painter, QRectF(0, 0, 100, 100), QColor(0, 0, 0, 100), none));
    painter.setCompositionMode(QPainter::CompositionMode_Multiply);
    EXPECT_FALSE(layer.paint(painter, QRectF(0, 0, 100, 100), QColor(0, 0, 0, 100), none));
}

} // namespace
} // namespace charts
