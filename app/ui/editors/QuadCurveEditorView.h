#pragma once
#include <QColor>
#include <QPointF>
#include <QVector>
#include <utility>
#include <vector>

#include "app/ui/editors/PointEditorView.h"

namespace appui {

// The editor of one ink channel: x spans the channel's input 0 to 255 over
// the view's width, y its output 0 to 65535 over the height. Points are
// dragged (a press between points takes the nearest one; a drag keeps the
// points in x order and the ends at the edges), added with a right-click, removed with Delete or by dropping them
// outside the view, nudged with the arrows and stepped through with Tab; a
// smooth Bezier curve runs through them over a 10 x 10 grid, optionally over
// the channel as loaded in grey.
class QuadCurveEditorView : public PointEditorView {
    Q_OBJECT
public:
    explicit QuadCurveEditorView(QWidget* parent = nullptr);

    bool showOriginalCurve = false;
    QVector<QPointF> originalCurveValues;
    QVector<QPointF> inputCurveValues;
    std::vector<double> outputCurveXs;
    std::vector<double> outputCurveYs;
    QColor lineColor = Qt::black;
    int editingCurrentPoint = 0;
    QPointF activePoint{0, 0};
    QPointF step25Point{0, 0};
    QPointF step50Point{0, 0};
    QPointF step75Point{0, 0};

    // The points of a 256-value quad curve (inputs 0, 12, ..., 252, then the
    // last value at the right edge) and the view's width; sets the step
    // points to the curve's values at 25, 50 and 75 % input.
    std::pair<QVector<QPointF>, double> loadQuadCurve(const std::vector<double>& curve);
    // The control points in channel units.
    void updateOutputCurve();

    // Whole-curve edits.
    void smoothPoints();
    void zeroCurve();
    void fillToStepPoint(QPointF stepPoint);

    // Point i becomes (x, y); past the end point 0 does, and an empty list
    // gets the point as its first.
    void setPoint(int index, double x, double y);
    void addPoint(double x, double y);
    void removeDuplicateXPoints();

protected:
    void drawRect(QPainter& painter) override;
    void mouseDown(QPointF location, Qt::KeyboardModifiers modifiers) override;
    void mouseDragged(QPointF location) override;
    void mouseUp(QPointF location) override;
    void rightMouseUp(QPointF location) override;
    void keyDown(EditorKey key, bool shift) override;

private:
    bool isEditedIndexValid() const;
    // The edited point follows the pointer, kept in x order.
    void moveEditedPoint(QPointF location);
    void nudge(QPointF by);
};

} // namespace appui
