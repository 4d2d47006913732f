#pragma once
#include <QColor>
#include <QPointF>
#include <QVector>
#include <optional>
#include <utility>
#include <vector>

#include "Charts/drawing/NamedColors.h"
#include "app/ui/editors/PointEditorView.h"

namespace appui {

class ManualCurveEditorDelegate;

// The manual-curve dialogs' editor: five control points, moved by mouse or
// arrow keys, define the output curve, read at 256 input positions
// (percent). The curve is drawn through the points in order of input by a
// monotone cubic that stays within 0 ... 100 and never falls (heights that
// would fall are pooled), so a target made of it never swings out of the box
// nor turns back; points on the diagonal give exactly the identity. Every
// drawing recomputes the curve and reports it to the delegate.
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
    // The curve through the percentage pairs at x; nothing without a pair.
    virtual std::optional<double> curveValue(double x) const;
    // The curve at every `scale` position; nothing without a pair.
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
    // The (xs, ys) pairs.
    std::vector<std::pair<double, double>> percentPoints() const;
};

} // namespace appui
