#pragma once
#include <QColor>
#include <QPointF>
#include <QVector>
#include <optional>
#include <vector>

#include "Charts/drawing/NamedColors.h"
#include "app/ui/editors/PointEditorView.h"

namespace appui {

class ManualCurveEditorDelegate;

// The manual-curve dialogs' editor: five control points, moved by mouse or
// arrow keys, define a degree-four polynomial whose values at 256 input
// positions (percent) are the output curve. Every drawing recomputes the
// curve and reports it to the delegate.
class v2CurveEditorView : public PointEditorView {
    Q_OBJECT
public:
    explicit v2CurveEditorView(QWidget* parent = nullptr);

    ManualCurveEditorDelegate* delegate = nullptr; // not owned
    QVector<QPointF> inputCurveValues;             // five points once drawn
    std::vector<double> outputCurveValues;
    std::vector<double> xs; // control points in percent, last point first
    std::vector<double> ys;
    QColor lineColor = Qt::black;
    QColor gridColor = charts::named::lightGray();
    QColor activeColor = Qt::green;
    int currentIndex = 0;
    QPointF activePoint{0, 0};
    std::vector<double> scale; // 256 input positions from 0 to 100

    // Moves point i and reports it; past the end point 0 moves, unreported.
    virtual void movePoint(int index, double x, double y);
    virtual void updatePercentages();
    // The points of a curve given at the `scale` positions.
    virtual QVector<QPointF> pointsFromPercentages(const std::vector<double>& values) const;
    // The polynomial through the first five percentage pairs at x, cut to
    // 0 ... 100; nothing when the polynomial is not defined (fewer than five
    // pairs, two equal x values) or its value is not a finite number.
    virtual std::optional<double> curveValue(double x) const;
    // The curve at every `scale` position; nothing when any value is undefined.
    std::optional<std::vector<double>> computeOutputCurve() const;

protected:
    virtual void drawEditor(QPainter& painter);

    void drawRect(QPainter& painter) override;
    void mouseDown(QPointF location, Qt::KeyboardModifiers modifiers) override;
    void mouseDragged(QPointF location) override;
    void mouseUp(QPointF location) override;
    void keyDown(EditorKey key, bool shift) override;

private:
    void reportPoint(QPointF point);
};

} // namespace appui
