#include "app/ui/widgets/YUpView.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>

namespace appui {

YUpView::YUpView(QWidget* parent) : QWidget(parent) {}

void YUpView::mouseDown(QPointF, Qt::KeyboardModifiers) {}
void YUpView::mouseDragged(QPointF) {}
void YUpView::mouseUp(QPointF) {}
void YUpView::rightMouseUp(QPointF) {}

void YUpView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(0, maxY());
    painter.scale(1, -1);
    drawRect(painter);
}

void YUpView::drawText(QPainter& painter, QPointF lowerLeft, const QString& text) const {
    const QPointF lowerLeftOnScreen = painter.transform().map(lowerLeft);
    const QFontMetricsF metrics(painter.font());
    painter.save();
    painter.resetTransform();
    painter.drawText(QPointF(lowerLeftOnScreen.x(), lowerLeftOnScreen.y() - metrics.descent()), text);
    painter.restore();
}

void YUpView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) mouseDown(flipped(event->position()), event->modifiers());
}

void YUpView::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) mouseDragged(flipped(event->position()));
}

void YUpView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        mouseUp(flipped(event->position()));
    else if (event->button() == Qt::RightButton)
        rightMouseUp(flipped(event->position()));
}

} // namespace appui
