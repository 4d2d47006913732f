#include "Charts/drawing/TranslucentLayer.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <cmath>

namespace charts {

namespace {

// Below this many device pixels Qt's own translucent painting is as quick.
constexpr int smallestArea = 4096;

} // namespace

bool TranslucentLayer::paint(QPainter& painter, const QRectF& userBounds, const QColor& color,
                             const std::function<void(QPainter&, const QColor&)>& paint) {
    const QPaintEngine* engine = painter.paintEngine();
    if (engine == nullptr || engine->type() != QPaintEngine::Raster) return false;
    if (painter.compositionMode() != QPainter::CompositionMode_SourceOver) return false;
    const double alpha = color.alphaF() * painter.opacity();
    if (!(alpha > 0 && alpha < 1) || !userBounds.isValid()) return false;

    // The device pixels the painting may touch, within the device and the
    // clip; a pixel more all round for the anti-aliased edges.
    const QTransform toDevice = painter.deviceTransform();
    QRectF deviceBounds = toDevice.mapRect(userBounds).adjusted(-1, -1, 1, 1);
    const QPaintDevice* device = painter.device();
    const double ratio = device->devicePixelRatio();
    deviceBounds &= QRectF(0, 0, device->width() * ratio, device->height() * ratio);
    if (painter.hasClipping()) deviceBounds &= toDevice.mapRect(painter.clipBoundingRect());
    const QRect area = deviceBounds.toAlignedRect();
    if (area.isEmpty() || static_cast<long long>(area.width()) * area.height() < smallestArea) return false;

    if (image_.width() < area.width() || image_.height() < area.height()) {
        image_ = QImage(std::max(image_.width(), area.width()), std::max(image_.height(), area.height()),
                        QImage::Format_ARGB32_Premultiplied);
        if (image_.isNull()) return false;
    }
    {
        QPainter layer(&image_);
        layer.setCompositionMode(QPainter::CompositionMode_Source);
        layer.fillRect(QRect(0, 0, area.width(), area.height()), Qt::transparent);
        layer.setCompositionMode(QPainter::CompositionMode_SourceOver);
        layer.setRenderHints(painter.renderHints());
        layer.setClipRect(QRect(0, 0, area.width(), area.height()));
        layer.setTransform(toDevice * QTransform::fromTranslate(-area.x(), -area.y()));
        QColor opaque = color;
        opaque.setAlphaF(1);
        paint(layer, opaque);
    }
    // Laid on pixel for pixel: a world transform that makes the device
    // transform the identity.
    const QTransform afterWorld = painter.worldTransform().inverted() * toDevice;
    painter.save();
    painter.setWorldTransform(afterWorld.inverted());
    painter.setOpacity(alpha);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QPointF(area.x(), area.y()), image_, QRectF(0, 0, area.width(), area.height()));
    painter.restore();
    return true;
}

} // namespace charts
