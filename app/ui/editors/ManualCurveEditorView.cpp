#include "app/ui/editors/ManualCurveEditorView.h"

#include <QPainter>
#include <QPainterPath>

#include "app/curves/math/BezierCurve.h"
#include "app/curves/math/Resampling.h"
#include "app/ui/editors/ManualCurveEditorDelegate.h"

namespace appui {

namespace {
constexpr int outputCurveLength = 101;
}

ManualCurveEditorView::ManualCurveEditorView(QWidget* parent) : PointEditorView(parent) {}

void ManualCurveEditorView::reportPoint(QPointF point) {
    if (delegate != nullptr) delegate->pointDidChange(point.x(), point.y());
}

void ManualCurveEditorView::reportCurve() {
    if (delegate != nullptr) delegate->curveDidChange();
}

void ManualCurveEditorView::movePoint(int index, double x, double y) {
    if (index >= 0 && index < inputCurveValues.size())
        inputCurveValues[index] = {x, y};
    else if (!inputCurveValues.isEmpty())
        inputCurveValues[0] = {x, y};
    reportPoint({x, y});
}

void ManualCurveEditorView::addPoint(double x, double y) {
    if (!(y > 0 || y < maxY())) return;
    inputCurveValues.push_back({x, y});
    sortByX(inputCurveValues);
    removeDuplicateXs();
}

void ManualCurveEditorView::removeDuplicateXs() { removeRepeatedXs(inputCurveValues); }

void ManualCurveEditorView::updateOutputPercentages() {
    outputCurveXs.clear();
    outputCurveYs.clear();
    for (const QPointF& p : inputCurveValues) {
        outputCurveXs.push_back(p.x() / maxX() * 100);
        outputCurveYs.push_back(p.y() / maxY() * 100);
    }
}

void ManualCurveEditorView::updateCurve() {
    sortByX(inputCurveValues);
    updateOutputPercentages();
    const curves::ZWBezierCurveD bezier(outputCurveXs, outputCurveYs);
    computeOutputCurve(bezier.outputYs.value_or(std::vector<double>{}));
    reportCurve();
}

void ManualCurveEditorView::computeOutputCurve(const std::vector<double>& values) {
    if (values.empty()) {
        const double top = outputCurveYs.empty() ? 0 : outputCurveYs.back();
        outputCurveValues = curves::ramp(outputCurveLength, 0, top / 100);
        return;
    }
    std::vector<double> positions;
    positions.reserve(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) positions.push_back(static_cast<double>(i));
    curves::ZWInterpolateD interpolator;
    interpolator.interpolationStepValue = 1.0 / outputCurveLength;
    interpolator.interpolate(curves::normalizeToUnit(positions), values, "Spline");
    outputCurveValues = interpolator.outputArray;
    if (!outputCurveValues.empty()) outputCurveValues.back() = 100;
}

void ManualCurveEditorView::removeEditedPoint() {
    if (editingCurrentPoint < 0 || editingCurrentPoint >= inputCurveValues.size()) return;
    if (inputCurveValues.size() == 1) return;
    inputCurveValues.removeAt(editingCurrentPoint);
}

void ManualCurveEditorView::mouseDown(QPointF location, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::ControlModifier) {
        addPoint(location.x(), location.y());
        reportPoint(location);
    } else {
        int hit = 0;
        for (int index : hitIndices(inputCurveValues, location)) {
            activePoint = location;
            reportPoint(location);
            hit = index;
        }
        reportCurve();
        editingCurrentPoint = hit;
        reportPoint(location);
    }
    update();
}

void ManualCurveEditorView::mouseDragged(QPointF location) {
    activePoint = location;
    movePoint(editingCurrentPoint, location.x(), location.y());
    reportPoint(activePoint);
    update();
    updateCurve();
}

void ManualCurveEditorView::mouseUp(QPointF location) {
    const bool outside = location.x() < 0 || location.x() > maxX() || location.y() < 0 || location.y() > maxY();
    if (outside) {
        removeEditedPoint();
        const bool remains = editingCurrentPoint >= 0 && editingCurrentPoint < inputCurveValues.size();
        activePoint = remains ? inputCurveValues[editingCurrentPoint] : QPointF(0, 0);
    } else {
        movePoint(editingCurrentPoint, location.x(), location.y());
    }
    update();
    updateCurve();
}

void ManualCurveEditorView::rightMouseUp(QPointF location) {
    addPoint(location.x(), location.y());
    reportPoint(location);
    update();
}

void ManualCurveEditorView::nudge(double dx, double dy) {
    activePoint += QPointF(dx, dy);
    movePoint(editingCurrentPoint, activePoint.x(), activePoint.y());
    updateCurve();
}

void ManualCurveEditorView::keyDown(EditorKey key, bool shift) {
    const double step = nudgeStep(shift);
    switch (key) {
    case EditorKey::nextPoint:
    case EditorKey::previousPoint:
        editingCurrentPoint = wrappedIndex(editingCurrentPoint, static_cast<int>(inputCurveValues.size()),
                                           key == EditorKey::previousPoint);
        if (editingCurrentPoint < inputCurveValues.size()) activePoint = inputCurveValues[editingCurrentPoint];
        break;
    case EditorKey::removePoint:
        if (editingCurrentPoint >= 0 && editingCurrentPoint < inputCurveValues.size()) {
            inputCurveValues.removeAt(editingCurrentPoint);
            if (editingCurrentPoint < inputCurveValues.size()) {
                activePoint = inputCurveValues[editingCurrentPoint];
                movePoint(editingCurrentPoint, activePoint.x(), activePoint.y());
            } else {
                activePoint = {0, 0};
                inputCurveValues.push_back({0, 0});
                movePoint(0, 0, 0);
            }
        }
        update();
        updateCurve();
        break;
    case EditorKey::right: nudge(step, 0); break;
    case EditorKey::left: nudge(-step, 0); break;
    case EditorKey::up: nudge(0, step); break;
    case EditorKey::down: nudge(0, -step); break;
    case EditorKey::other: break;
    }
}

void ManualCurveEditorView::drawRect(QPainter& painter) {
    drawEditor(painter);
    QPainterPath marker;
    marker.addEllipse(activePoint, 2.5, 2.5);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(marker);
}

void ManualCurveEditorView::drawEditor(QPainter& painter) {
    // The first point is pinned to the origin on every drawing.
    if (!inputCurveValues.isEmpty()) inputCurveValues[0] = {0, 0};
    drawFrameAndGrid(painter, maxX(), maxY(), {0.25, 0.5, 0.75}, gridColor, true);
    painter.setPen(QPen(lineColor, 2.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(smoothCurvePath(inputCurveValues));
}

} // namespace appui
