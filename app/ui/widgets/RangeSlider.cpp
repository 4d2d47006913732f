#include "app/ui/widgets/RangeSlider.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace appui {

namespace {

QColor white(double w, double alpha) { return QColor::fromRgbF(w, w, w, alpha); }
QColor rgb255(int r, int g, int b, double alpha) { return QColor::fromRgbF(r / 255.0, g / 255.0, b / 255.0, alpha); }

// A gradient running left to right across a rectangle.
QLinearGradient horizontalGradient(const QRectF& over, const QColor& from, const QColor& to) {
    QLinearGradient gradient(over.left(), 0, over.right(), 0);
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    return gradient;
}

void fillWithGradient(QPainter& painter, const QPainterPath& path, QLinearGradient gradient) {
    const QRectF bounds = path.boundingRect();
    gradient.setStart(bounds.left(), 0);
    gradient.setFinalStop(bounds.right(), 0);
    painter.fillPath(path, gradient);
}

} // namespace

RangeSlider::RangeSlider(QWidget* parent) : QWidget(parent) {}

void RangeSlider::setSelection(const SelectionRange& selection) {
    const SelectionRange old = selection_;
    selection_ = selection;
    if (old.start != selection_.start) emit startChanged(selection_.start);
    if (old.end != selection_.end) emit endChanged(selection_.end);
    if (old.length() != selection_.length()) emit lengthChanged(selection_.length());
    if ((old.start != selection_.start || old.end != selection_.end) && onControlChanged) onControlChanged(*this);
}

double RangeSlider::knobWidth() const { return knobStyle == RangeSliderKnobStyle::circular ? height() - 3.0 : 3.5; }

QRectF RangeSlider::knobFrame(double x) const {
    const double h = height();
    return {std::floor(x) + 0.5, std::floor((h - (h - 3)) / 2) + 0.5, std::floor(knobWidth()), std::floor(h - 3)};
}

QRectF RangeSlider::startKnobFrame() const {
    const double w = width();
    const double k = knobWidth();
    double x = selection_.start * w - k / 2;
    x = std::max(x, 0.0);
    x = std::min(x, w - k);
    return knobFrame(x);
}

QRectF RangeSlider::endKnobFrame() const {
    const double w = width();
    const double k = knobWidth();
    double x = selection_.end * w - k / 2;
    x = std::min(x, w - k);
    x = std::max(x, 0.0);
    return knobFrame(x);
}

void RangeSlider::updateSelection(QPointF location) {
    // A drag always starts with a knob chosen; without one there is nothing
    // to move.
    if (!currentSliderDragging) return;
    double p = location.x() / width();
    p = std::max(std::min(p, 1.0), 0.0);
    if (snapsToIntegers) {
        const double range = maxValue - minValue;
        // An empty (or unusable) value range has no steps to snap to.
        if (range != 0 && std::isfinite(range)) p = std::round(p * range) / range;
    }
    if (*currentSliderDragging == DraggedSlider::start)
        setSelection({p, std::max(selection_.end, p)});
    else
        setSelection({std::min(selection_.start, p), p});
    update();
}

void RangeSlider::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPointF location = event->position();
    const QRectF startKnob = startKnobFrame();
    const QRectF endKnob = endKnobFrame();
    if (startKnob.contains(location)) {
        currentSliderDragging = DraggedSlider::start;
    } else if (endKnob.contains(location)) {
        currentSliderDragging = DraggedSlider::end;
    } else if (allowClicksOnBarToMoveSliders) {
        const double k = knobWidth();
        const double toStart = std::fabs(startKnob.x() + k / 2 - location.x());
        const double toEnd = std::fabs(endKnob.x() + k / 2 - location.x());
        currentSliderDragging = toStart < toEnd ? DraggedSlider::start : DraggedSlider::end;
        updateSelection(location);
    } else {
        currentSliderDragging.reset();
    }
}

void RangeSlider::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) updateSelection(event->position());
}

QLinearGradient RangeSlider::barFillGradient() const {
    const double alpha = isEnabled() ? 1.0 : 0.65;
    if (colorStyle == RangeSliderColorStyle::aqua)
        return horizontalGradient(rect(), rgb255(76, 187, 251, alpha), rgb255(20, 133, 243, alpha));
    const double greyAlpha = isEnabled() ? 0.95 : 0.65;
    return horizontalGradient(rect(), rgb255(255, 255, 255, greyAlpha), rgb255(0, 0, 0, greyAlpha));
}

QColor RangeSlider::fillStrokeColor() const {
    QColor color = colorStyle == RangeSliderColorStyle::aqua ? rgb255(12, 118, 227, 0.7) : white(0.8, 0.7);
    if (!isEnabled()) {
        const QColor hsv = color.toHsv();
        color = QColor::fromHsvF(hsv.hsvHueF(), hsv.hsvSaturationF() * 0.65, hsv.valueF(), hsv.alphaF());
    }
    return color;
}

void RangeSlider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double w = width();
    const double h = height();

    const double barHeight = std::round((h - 3) * 2 / 3);
    const double barY = std::floor((h - barHeight) / 2) + 0.5;
    const double radius = barHeight / 3;

    QPainterPath background;
    background.addRoundedRect(QRectF(0.5, barY, std::floor(w), barHeight), radius, radius);
    QPainterPath selected;
    const QRectF selectedRect(std::floor(selection_.start * w) + 0.5, barY,
                              std::floor((selection_.end - selection_.start) * w), barHeight);
    selected.addRoundedRect(selectedRect, radius, radius);
    QPainterPath startKnob;
    QPainterPath endKnob;
    if (knobStyle == RangeSliderKnobStyle::square) {
        startKnob.addRoundedRect(startKnobFrame(), 2, 2);
        endKnob.addRoundedRect(endKnobFrame(), 2, 2);
    } else {
        startKnob.addEllipse(startKnobFrame());
        endKnob.addEllipse(endKnobFrame());
    }

    fillWithGradient(painter, background, horizontalGradient(rect(), white(1, 0.5), white(0, 0.5)));
    if (selectedRect.width() > 0) {
        // Made afresh for every drawing: its colours follow the style and
        // the enabled state.
        fillWithGradient(painter, selected, barFillGradient());
        painter.strokePath(selected, QPen(fillStrokeColor(), 1));
    }
    const QPen outline(white(0, 0.25), 1);
    painter.strokePath(background, outline);

    // The knobs' shadow: offset 2 right and 2 down, unblurred.
    painter.fillPath(startKnob.translated(2, 2), white(0, 0.12));
    painter.fillPath(endKnob.translated(2, 2), white(0, 0.12));
    painter.fillPath(startKnob, Qt::white);
    painter.fillPath(endKnob, Qt::white);

    fillWithGradient(painter, endKnob, horizontalGradient(rect(), white(0.05, 0.95), white(0, 0.95)));
    painter.strokePath(endKnob, outline);
    fillWithGradient(painter, startKnob, horizontalGradient(rect(), white(1, 0.95), white(0.95, 0.95)));
    painter.strokePath(startKnob, outline);
}

} // namespace appui
