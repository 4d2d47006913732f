#include "app/ui/editors/v2CurveEditorView.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "app/curves/math/MonotoneFit.h"
#include "app/curves/math/Resampling.h"
#include "app/ui/editors/ManualCurveEditorDelegate.h"

namespace appui {

v2CurveEditorView::v2CurveEditorView(QWidget* parent) : PointEditorView(parent), scale(curves::linspace(256, 0, 100)) {}

void v2CurveEditorView::reportPoint(QPointF point) {
    if (delegate != nullptr) delegate->pointDidChange(point.x(), point.y());
}

void v2CurveEditorView::movePoint(int index, double x, double y) {
    if (index >= 0 && index < inputCurveValues.size()) {
        inputCurveValues[index] = {x, y};
        reportPoint({x, y});
    } else if (!inputCurveValues.isEmpty()) {
        inputCurveValues[0] = {x, y};
    }
}

void v2CurveEditorView::updatePercentages() {
    xs.clear();
    ys.clear();
    for (auto it = inputCurveValues.crbegin(); it != inputCurveValues.crend(); ++it) {
        xs.push_back(it->x() / maxX() * 100);
        ys.push_back(it->y() / maxY() * 100);
    }
}

std::vector<std::pair<double, double>> v2CurveEditorView::percentPoints() const {
    std::vector<std::pair<double, double>> points;
    const std::size_t count = std::min(xs.size(), ys.size());
    for (std::size_t k = 0; k < count; ++k) points.emplace_back(xs[k], ys[k]);
    return points;
}

std::optional<double> v2CurveEditorView::curveValue(double x) const {
    const auto value = curves::monotoneCurveThrough(percentPoints(), {x}, 0, 100);
    if (value.empty()) return std::nullopt;
    return value.front();
}

std::optional<std::vector<double>> v2CurveEditorView::computeOutputCurve() const {
    auto curve = curves::monotoneCurveThrough(percentPoints(), scale, 0, 100);
    if (curve.empty()) return std::nullopt;
    return curve;
}

QVector<QPointF> v2CurveEditorView::pointsFromPercentages(const std::vector<double>& values) const {
    QVector<QPointF> points;
    const std::size_t count = std::min(values.size(), scale.size());
    for (std::size_t i = 0; i < count; ++i) points.push_back({scale[i] / 100 * maxX(), values[i] / 100 * maxY()});
    return points;
}

void v2CurveEditorView::mouseDown(QPointF location, Qt::KeyboardModifiers) {
    int hit = 0;
    for (int index : hitIndices(inputCurveValues, location)) {
        activePoint = location;
        reportPoint(location);
        hit = index;
    }
    currentIndex = hit;
    if (currentIndex < inputCurveValues.size()) reportPoint(inputCurveValues[currentIndex]);
    update();
}

void v2CurveEditorView::mouseDragged(QPointF location) {
    activePoint = location;
    movePoint(currentIndex, location.x(), location.y());
    reportPoint(activePoint);
    update();
}

void v2CurveEditorView::mouseUp(QPointF location) {
    const QPointF inside(std::clamp(location.x(), 0.0, std::max(0.0, maxX())),
                         std::clamp(location.y(), 0.0, std::max(0.0, maxY())));
    movePoint(currentIndex, inside.x(), inside.y());
    update();
}

void v2CurveEditorView::keyDown(EditorKey key, bool shift) {
    const double step = nudgeStep(shift);
    QPointF nudge;
    switch (key) {
    case EditorKey::nextPoint:
    case EditorKey::previousPoint:
        if (inputCurveValues.isEmpty()) return;
        currentIndex =
            wrappedIndex(currentIndex, static_cast<int>(inputCurveValues.size()), key == EditorKey::previousPoint);
        activePoint = inputCurveValues[currentIndex];
        reportPoint(activePoint);
        return;
    case EditorKey::right: nudge = {step, 0}; break;
    case EditorKey::left: nudge = {-step, 0}; break;
    case EditorKey::up: nudge = {0, step}; break;
    case EditorKey::down: nudge = {0, -step}; break;
    case EditorKey::removePoint:
    case EditorKey::other: return;
    }
    activePoint += nudge;
    movePoint(currentIndex, activePoint.x(), activePoint.y());
}

void v2CurveEditorView::drawRect(QPainter& painter) {
    drawEditor(painter);
    QPainterPath marker;
    marker.addEllipse(activePoint, 2.5, 2.5);
    painter.setPen(QPen(activeColor, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(marker);
}

void v2CurveEditorView::drawEditor(QPainter& painter) {
    const double w = maxX();
    const double h = maxY();
    if (inputCurveValues.isEmpty())
        inputCurveValues = {{0, 0}, {0.25 * w, 0.25 * h}, {0.5 * w, 0.5 * h}, {0.75 * w, 0.75 * h}, {w, h}};
    drawFrameAndGrid(painter, w, h, {0.25, 0.5, 0.75}, gridColor, true);

    QPainterPath path;
    path.moveTo(inputCurveValues.front());
    updatePercentages();
    for (const QPointF& p : inputCurveValues) {
        path.moveTo(p);
        path.addEllipse(p, 2, 2);
    }
    if (auto curve = computeOutputCurve()) outputCurveValues = std::move(*curve);
    const QVector<QPointF> curvePoints = pointsFromPercentages(outputCurveValues);
    if (!curvePoints.isEmpty()) {
        path.moveTo(curvePoints.front());
        for (const QPointF& p : curvePoints) path.lineTo(p);
    }
    if (delegate != nullptr) delegate->curveDidChange();

    painter.setPen(QPen(lineColor, 2.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

} // namespace appui
