#include "app/ui/editors/PointEditorView.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

#include "app/curves/math/CubicCurveAlgorithm.h"

namespace appui {

EditorKey editorKey(int qtKey, Qt::KeyboardModifiers modifiers) {
    switch (qtKey) {
    case Qt::Key_Tab: return (modifiers & Qt::ShiftModifier) ? EditorKey::previousPoint : EditorKey::nextPoint;
    case Qt::Key_Backtab: return EditorKey::previousPoint;
    case Qt::Key_Backspace:
    case Qt::Key_Delete: return EditorKey::removePoint;
    case Qt::Key_Right: return EditorKey::right;
    case Qt::Key_Left: return EditorKey::left;
    case Qt::Key_Up: return EditorKey::up;
    case Qt::Key_Down: return EditorKey::down;
    default: return EditorKey::other;
    }
}

PointEditorView::PointEditorView(QWidget* parent) : YUpView(parent) { setFocusPolicy(Qt::StrongFocus); }

QVector<int> PointEditorView::hitIndices(const QVector<QPointF>& points, QPointF location) {
    QVector<int> hits;
    for (int i = 0; i < points.size(); ++i)
        if (std::fabs(points[i].x() - location.x()) < 10 && std::fabs(points[i].y() - location.y()) < 10)
            hits.push_back(i);
    return hits;
}

int PointEditorView::pressedPointIndex(const QVector<QPointF>& points, QPointF location) {
    const QVector<int> hits = hitIndices(points, location);
    if (!hits.isEmpty()) return hits.back();
    int nearest = -1;
    for (int i = 0; i < points.size(); ++i)
        if (nearest < 0 || std::fabs(points[i].x() - location.x()) < std::fabs(points[nearest].x() - location.x()))
            nearest = i;
    return nearest;
}

QPointF PointEditorView::placeInOrder(const QVector<QPointF>& points, int index, QPointF location) {
    if (index < 0 || index >= points.size()) return location;
    // A hundredth of a unit apart: enough to keep the order, too little to see.
    constexpr double gap = 0.01;
    double x = location.x();
    if (index == 0 || index == points.size() - 1) {
        if (points.size() > 1) x = points[index].x();
    } else {
        x = std::clamp(x, points[index - 1].x() + gap,
                       std::max(points[index - 1].x() + gap, points[index + 1].x() - gap));
    }
    return {x, location.y()};
}

int PointEditorView::wrappedIndex(int current, int count, bool backwards) {
    if (count <= 0) return 0;
    if (backwards) return current <= 0 || current > count - 1 ? count - 1 : current - 1;
    return current + 1 >= count || current < 0 ? 0 : current + 1;
}

void PointEditorView::sortByX(QVector<QPointF>& points) {
    std::stable_sort(points.begin(), points.end(), [](QPointF l, QPointF r) { return l.x() < r.x(); });
}

void PointEditorView::removeRepeatedXs(QVector<QPointF>& points) {
    for (int i = 1; i < points.size();) {
        if (points[i].x() == points[i - 1].x())
            points.removeAt(i);
        else
            ++i;
    }
}

void PointEditorView::drawFrameAndGrid(QPainter& painter, double width, double height, const QVector<double>& fractions,
                                       const QColor& gridColor, bool diagonal) {
    painter.save();
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(QColor::fromRgbF(1, 1, 1, 0.75));
    painter.drawRect(QRectF(0, 0, width, height));

    QPainterPath grid;
    for (double f : fractions) {
        grid.moveTo(f * width, 0);
        grid.lineTo(f * width, height);
    }
    for (double f : fractions) {
        grid.moveTo(0, f * height);
        grid.lineTo(width, f * height);
    }
    if (diagonal) {
        grid.moveTo(0, 0);
        grid.lineTo(width, height);
    }
    painter.setPen(QPen(gridColor, 0.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(grid);
    painter.restore();
}

QPainterPath PointEditorView::smoothCurvePath(const QVector<QPointF>& points) {
    QPainterPath path;
    if (points.isEmpty()) return path;
    path.moveTo(points.front());
    if (points.size() < 3) {
        path.lineTo(points.back());
        return path;
    }
    curves::CGCubicCurveAlgorithm<QPointF> algorithm;
    const auto segments = algorithm.controlPoints(std::vector<QPointF>(points.begin(), points.end()));
    for (int i = 1; i < points.size() && static_cast<std::size_t>(i - 1) < segments.size(); ++i) {
        const auto& segment = segments[static_cast<std::size_t>(i - 1)];
        path.cubicTo(segment.controlPoint1, segment.controlPoint2, points[i]);
        path.addEllipse(points[i], 1, 1);
        path.moveTo(points[i]);
    }
    return path;
}

bool PointEditorView::focusNextPrevChild(bool) { return false; }

void PointEditorView::keyPressEvent(QKeyEvent* event) {
    keyDown(editorKey(event->key(), event->modifiers()), (event->modifiers() & Qt::ShiftModifier) != 0);
    update();
}

} // namespace appui
