#pragma once
#include <QColor>
#include <QPointF>
#include <QVector>
#include <vector>

#include "Charts/drawing/NamedColors.h"
#include "app/ui/editors/PointEditorView.h"

namespace appui {

class ManualCurveEditorDelegate;

// A tone-curve editor: control points are added with a Control-click or a
// right-click, picked by a click, dragged, nudged with the arrows, stepped
// through with Tab and removed with Delete or by dropping them outside the
// view. The points run through a smooth Bezier curve whose resampling, 101
// percentages, is the output curve.
class ManualCurveEditorView : public PointEditorView {
    Q_OBJECT
public:
    explicit ManualCurveEditorView(QWidget* parent = nullptr);

    ManualCurveEditorDelegate* delegate = nullptr; // not owned
    QVector<QPointF> inputCurveValues{{0, 0}, {300, 300}};
    std::vector<double> outputCurveValues;
    std::vector<double> outputCurveXs;
    std::vector<double> outputCurveYs;
    QColor lineColor = Qt::black;
    QColor gridColor = charts::named::lightGray();
    int editingCurrentPoint = 0;
    QPointF activePoint{0, 0};

    // Sorts the points, recomputes the output curve and tells the delegate.
    virtual void updateCurve();
    // The output curve from the Bezier samples (a straight ramp to the last
    // control point's height when there are none).
    virtual void computeOutputCurve(const std::vector<double>& values);
    // Moves point i (point 0 when i is past the end) and reports it.
    virtual void movePoint(int index, double x, double y);
    // Adds a point in x order; a point at the x of an existing one is dropped.
    virtual void addPoint(double x, double y);
    virtual void removeDuplicateXs();
    virtual void updateOutputPercentages();

protected:
    virtual void drawEditor(QPainter& painter);

    void drawRect(QPainter& painter) override;
    void mouseDown(QPointF location, Qt::KeyboardModifiers modifiers) override;
    void mouseDragged(QPointF location) override;
    void mouseUp(QPointF location) override;
    void rightMouseUp(QPointF location) override;
    void keyDown(EditorKey key, bool shift) override;

private:
    void reportPoint(QPointF point);
    void reportCurve();
    // Removes the point being edited unless the index has left the list or
    // it is the last point: the editor always keeps one.
    void removeEditedPoint();
    void nudge(double dx, double dy);
};

} // namespace appui
