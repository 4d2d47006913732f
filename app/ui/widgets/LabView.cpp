#include "app/ui/widgets/LabView.h"

#include <QPainter>
#include <QPainterPath>

#include "Charts/foundation/PlatformStyle.h"
#include "app/ui/widgets/InkDisplayColors.h"
#include "app/ui/widgets/NeutralRamp.h"

namespace appui {

LabView::LabView(QWidget* parent) : YUpView(parent) {}

void LabView::drawRect(QPainter& painter) {
    if (labArray.empty()) labArray = moclLab();
    const double width = maxX();
    const double height = maxY();
    painter.fillRect(QRectF(0, 0, width, height), Qt::white);
    painter.setFont(charts::systemFont(8));

    const double w = width - 40;
    const double h = height - 40;
    painter.fillRect(QRectF(0, 10, width, height - 10), Qt::white);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(20, 20, w, h));
    painter.drawRect(QRectF(20, 20, w, h));

    const QPen gridPen(gridColor, 0.5);
    const QPen textPen(Qt::black);
    for (int k = 1; k <= 10; ++k) {
        const double x = 20 + k * w / 10;
        painter.setPen(gridPen);
        painter.drawLine(QPointF(x, 20), QPointF(x, 20 + h));
        painter.setPen(textPen);
        drawText(painter, {x - 5, 10}, QString::number(10 * k));
    }
    painter.setPen(textPen);
    drawText(painter, {2, 30 + h}, QStringLiteral("L*"));
    drawText(painter, {18 + w, 30 + h}, QStringLiteral("a*, b*"));
    for (int k = 1; k <= 10; ++k) {
        const double y = 20 + k * h / 10;
        painter.setPen(gridPen);
        painter.drawLine(QPointF(20, y), QPointF(20 + w, y));
        painter.setPen(textPen);
        drawText(painter, {0, y - 5}, QString::number(10 * k));
        const int ab = abZoom ? -8 + 2 * (k - 1) : -80 + 20 * (k - 1);
        drawText(painter, {22 + w, y - 5}, QString::number(ab));
    }

    const double y0 = 20 + h / 2;
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(QPointF(20, y0), QPointF(20 + w, y0));

    const double s = abZoom ? h / 20 : h / 200;
    const std::size_t n = labArray.size();
    const QColor& red = inkDisplayColors()[11];
    const QColor& blue = inkDisplayColors()[12];
    QPolygonF lightness, a, b;
    for (std::size_t j = 0; j < n; ++j) {
        // A single sample has no spread along the index axis: it sits in the middle.
        const double x = n > 1 ? 20 + static_cast<double>(j) * w / static_cast<double>(n - 1) : 20 + w / 2;
        const auto& sample = labArray[j];
        lightness << QPointF(x, 20 + sample.L / 100 * h);
        a << QPointF(x, y0 + sample.a * s);
        b << QPointF(x, y0 + sample.b * s);
    }
    auto dots = [&](const QPolygonF& points, const QColor& color) {
        painter.setPen(QPen(color, 1));
        painter.setBrush(Qt::NoBrush);
        for (const QPointF& p : points) painter.drawEllipse(p, 0.5, 0.5);
    };
    dots(lightness, Qt::black);
    dots(a, red);
    dots(b, blue);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.drawPolyline(lightness);
    painter.setPen(QPen(red, 1.5));
    painter.drawPolyline(a);
    painter.setPen(QPen(blue, 1.5));
    painter.drawPolyline(b);
}

} // namespace appui
