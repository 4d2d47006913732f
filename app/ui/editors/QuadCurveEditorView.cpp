#include "app/ui/editors/QuadCurveEditorView.h"

#include <QPainter>
#include <QPainterPath>

#include "Charts/drawing/NamedColors.h"

namespace appui {

namespace {
constexpr double fullInk = 65535;
constexpr double lastInput = 255;
} // namespace

QuadCurveEditorView::QuadCurveEditorView(QWidget* parent) : PointEditorView(parent) {}

bool QuadCurveEditorView::isEditedIndexValid() const {
    return editingCurrentPoint >= 0 && editingCurrentPoint < inputCurveValues.size();
}

void QuadCurveEditorView::setPoint(int index, double x, double y) {
    if (index >= 0 && index < inputCurveValues.size())
        inputCurveValues[index] = {x, y};
    else if (!inputCurveValues.isEmpty())
        inputCurveValues[0] = {x, y};
    else
        inputCurveValues.push_back({x, y});
    update();
}

void QuadCurveEditorView::addPoint(double x, double y) {
    inputCurveValues.push_back({x, y});
    sortByX(inputCurveValues);
    removeDuplicateXPoints();
    update();
}

void QuadCurveEditorView::removeDuplicateXPoints() {
    removeRepeatedXs(inputCurveValues);
    update();
}

void QuadCurveEditorView::zeroCurve() {
    inputCurveValues = {{0, 0}, {maxX(), 0}};
    update();
}

void QuadCurveEditorView::fillToStepPoint(QPointF stepPoint) {
    inputCurveValues.clear();
    for (int k = 0; k <= 10; ++k) inputCurveValues.push_back({k * maxX() / 10, stepPoint.y()});
    update();
}

void QuadCurveEditorView::smoothPoints() {
    if (inputCurveValues.isEmpty()) return;
    QVector<QPointF> kept;
    for (int i = 0; i < inputCurveValues.size(); i += 2) kept.push_back(inputCurveValues[i]);
    if (kept.back().x() < maxX()) kept.back().setX(maxX());
    inputCurveValues = kept;
    update();
}

std::pair<QVector<QPointF>, double> QuadCurveEditorView::loadQuadCurve(const std::vector<double>& curve) {
    const double w = maxX();
    const double h = maxY();
    // A step point whose input the curve does not reach stays where it was.
    const auto stepAt = [&](std::size_t input, double fraction, QPointF& step) {
        if (input < curve.size()) step = {fraction * w, curve[input] / fullInk * h};
    };
    stepAt(63, 0.25, step25Point);
    stepAt(127, 0.5, step50Point);
    stepAt(191, 0.75, step75Point);
    QVector<QPointF> points;
    for (std::size_t input = 0; input < curve.size(); input += 12)
        points.push_back({static_cast<double>(input) / lastInput * w, curve[input] / fullInk * h});
    if (!curve.empty()) points.push_back({w, curve.back() / fullInk * h});
    return {points, w};
}

void QuadCurveEditorView::updateOutputCurve() {
    outputCurveXs.clear();
    outputCurveYs.clear();
    for (const QPointF& p : inputCurveValues) {
        outputCurveXs.push_back(p.x() / maxX() * lastInput);
        outputCurveYs.push_back(p.y() / maxY() * fullInk);
    }
}

void QuadCurveEditorView::mouseDown(QPointF location, Qt::KeyboardModifiers) {
    editingCurrentPoint = pressedPointIndex(inputCurveValues, location);
    if (isEditedIndexValid()) activePoint = inputCurveValues[editingCurrentPoint];
    update();
}

void QuadCurveEditorView::moveEditedPoint(QPointF location) {
    activePoint = placeInOrder(inputCurveValues, editingCurrentPoint, location);
    setPoint(editingCurrentPoint, activePoint.x(), activePoint.y());
}

void QuadCurveEditorView::mouseDragged(QPointF location) { moveEditedPoint(location); }

void QuadCurveEditorView::mouseUp(QPointF location) {
    const bool outside = location.x() < 0 || location.x() > maxX() || location.y() < 0 || location.y() > maxY();
    if (outside) {
        if (isEditedIndexValid()) inputCurveValues.removeAt(editingCurrentPoint);
        activePoint = isEditedIndexValid() ? inputCurveValues[editingCurrentPoint] : QPointF(0, 0);
        update();
    } else {
        moveEditedPoint(location);
    }
}

void QuadCurveEditorView::rightMouseUp(QPointF location) { addPoint(location.x(), location.y()); }

void QuadCurveEditorView::nudge(QPointF by) { moveEditedPoint(activePoint + by); }

void QuadCurveEditorView::keyDown(EditorKey key, bool shift) {
    const double step = nudgeStep(shift);
    switch (key) {
    case EditorKey::nextPoint:
    case EditorKey::previousPoint:
        if (inputCurveValues.isEmpty()) return;
        editingCurrentPoint = wrappedIndex(editingCurrentPoint, static_cast<int>(inputCurveValues.size()),
                                           key == EditorKey::previousPoint);
        activePoint = inputCurveValues[editingCurrentPoint];
        break;
    case EditorKey::removePoint:
        if (!isEditedIndexValid()) return;
        inputCurveValues.removeAt(editingCurrentPoint);
        if (isEditedIndexValid()) {
            activePoint = inputCurveValues[editingCurrentPoint];
        } else {
            activePoint = {0, 0};
            inputCurveValues.push_back({0, 0});
            setPoint(0, 0, 0);
        }
        break;
    case EditorKey::right: nudge({step, 0}); break;
    case EditorKey::left: nudge({-step, 0}); break;
    case EditorKey::up: nudge({0, step}); break;
    case EditorKey::down: nudge({0, -step}); break;
    case EditorKey::other: break;
    }
}

void QuadCurveEditorView::drawRect(QPainter& painter) {
    QVector<double> tenths;
    for (int k = 0; k <= 10; ++k) tenths.push_back(k / 10.0);
    drawFrameAndGrid(painter, maxX(), maxY(), tenths, charts::named::gray(), false);

    // Without points there is nothing more to draw.
    if (inputCurveValues.isEmpty()) return;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(lineColor, 2.5));
    painter.drawPath(smoothCurvePath(inputCurveValues));
    if (showOriginalCurve && originalCurveValues.size() >= 3) {
        painter.setPen(QPen(charts::named::gray(), 1));
        painter.drawPolyline(originalCurveValues.data(), static_cast<int>(originalCurveValues.size()));
    }
    QPainterPath marker;
    marker.addEllipse(activePoint, 2.5, 2.5);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawPath(marker);
}

} // namespace appui
