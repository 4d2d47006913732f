#include "Charts/foundation/AccessibilityElement.h"

namespace charts {

AccessibilityElement::AccessibilityElement(QWidget* container) : container_(container) {}

void AccessibilityElement::setFrame(const Rect& frame) {
    if (container_.isNull()) return;
    frame_ = frame;
}

Rect AccessibilityElement::screenFrame() const {
    if (container_.isNull()) return frame_;
    const Rect s = standardized(frame_);
    const QPointF topLeft = QPointF(container_->mapToGlobal(QPoint(0, 0))) + toQt(s.origin);
    return Rect(topLeft.x(), topLeft.y(), s.width(), s.height());
}

} // namespace charts
