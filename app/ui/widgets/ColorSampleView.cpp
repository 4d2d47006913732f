#include "app/ui/widgets/ColorSampleView.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "app/curves/core/ColourConversion.h"
#include "app/ui/widgets/FieldText.h"

namespace appui {

namespace {

double unitComponent(double c) { return std::isfinite(c) ? std::clamp(c, 0.0, 1.0) : 0.0; }

} // namespace

ColorSampleView::ColorSampleView(QWidget* parent) : QWidget(parent), label_(new QLabel(this)) {
    label_->setObjectName(QStringLiteral("readOutLabel"));
    label_->setAutoFillBackground(true);
    QPalette palette = label_->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    label_->setPalette(palette);
    label_->hide();
}

QColor ColorSampleView::patchColor(const curves::CIELab& sample) {
    const auto xyz = curves::labToXYZ(sample);
    const auto rgb = curves::xyzToSRGB(xyz[0], xyz[1], xyz[2]);
    return QColor::fromRgbF(static_cast<float>(unitComponent(rgb[0])), static_cast<float>(unitComponent(rgb[1])),
                            static_cast<float>(unitComponent(rgb[2])));
}

void ColorSampleView::paintEvent(QPaintEvent*) {
    if (colorSamples.empty()) return;
    patchHeight = height();
    patchWidth = width() / 21.0;
    QPainter painter(this);
    double x = 0;
    for (const auto& sample : colorSamples) {
        const QColor color = patchColor(sample);
        // Square patches as high as the view; later ones paint over earlier.
        painter.setPen(QPen(color, 1));
        painter.setBrush(color);
        painter.drawRect(QRectF(x, 0, patchHeight, patchHeight));
        x += patchWidth;
    }
}

void ColorSampleView::showReadOut(QPointF location, bool pressed) {
    if (colorSamples.empty()) return;
    const double position = location.x() / patchWidth;
    if (!std::isfinite(position)) return;
    const auto index = static_cast<long long>(std::trunc(position));
    if (index < 0 || index >= static_cast<long long>(colorSamples.size())) return;
    const auto& sample = colorSamples[static_cast<std::size_t>(index)];

    label_->setText(QStringLiteral("L: ") + twoDecimals(sample.L) + QStringLiteral(", a: ") + twoDecimals(sample.a) +
                    QStringLiteral(", b: ") + twoDecimals(sample.b));
    label_->resize(200, 44);
    label_->adjustSize();
    // The read-out's lower-left corner sits at the mouse (its lower-right
    // corner past the middle of the view), kept inside the view's top.
    double x = location.x();
    if (x > width() / 2.0) x -= label_->width();
    const double y = std::max(0.0, location.y() - label_->height());
    label_->move(QPointF(x, y).toPoint());
    if (pressed) {
        label_->raise();
        label_->show();
    }
    label_->repaint();
    if (delegate != nullptr) delegate->colorSampleSelected(static_cast<int>(index));
}

void ColorSampleView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) showReadOut(event->position(), true);
}

void ColorSampleView::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) showReadOut(event->position(), false);
}

void ColorSampleView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) label_->hide();
}

} // namespace appui
