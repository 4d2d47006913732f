#pragma once
#include <QPointF>
#include <QVector>

#include "app/ui/widgets/YUpView.h"

class QPainterPath;

namespace appui {

// The keys the curve editors act on.
enum class EditorKey { nextPoint, previousPoint, removePoint, right, left, up, down, other };

// Tab and Shift-Tab (which arrives as Backtab) select the next and previous
// point; Backspace (the Delete key of many keyboards) and Delete remove; the
// arrows nudge.
EditorKey editorKey(int qtKey, Qt::KeyboardModifiers modifiers);

// Base of the curve editors: a y-up view that takes keyboard focus when
// clicked, keeps Tab and Shift-Tab for itself instead of moving the focus,
// and redraws after every key.
class PointEditorView : public YUpView {
    Q_OBJECT
public:
    explicit PointEditorView(QWidget* parent = nullptr);

    // The number of view units a nudge moves: 1, or 10 with Shift.
    static double nudgeStep(bool shift) { return shift ? 10 : 1; }

    // Indices of the points closer than 10 units to the location in both x and
    // y, in list order.
    static QVector<int> hitIndices(const QVector<QPointF>& points, QPointF location);

    // The point a press takes hold of: the last of the hit points, or, when
    // the press is on none (on the curve between two of them), the point
    // nearest it across; -1 without points.
    static int pressedPointIndex(const QVector<QPointF>& points, QPointF location);
    // Where point `index` goes when dragged to the location: its x kept
    // strictly between its neighbours' and the end points' x kept, so that a
    // drag never reorders the points the curve runs through.
    static QPointF placeInOrder(const QVector<QPointF>& points, int index, QPointF location);

    // The index after (or before) the current one, wrapping around the list.
    static int wrappedIndex(int current, int count, bool backwards);

    // Stable sort by x ascending.
    static void sortByX(QVector<QPointF>& points);
    // Removes every point whose x equals the x of the point before it (the
    // earlier one stays).
    static void removeRepeatedXs(QVector<QPointF>& points);

    // The editors' frame and grid: the frame filled white at 75 % opacity and
    // stroked black at width 1.5, then grid lines at the given fractions of
    // the width and height, and the diagonal when asked, at width 0.5.
    static void drawFrameAndGrid(QPainter& painter, double width, double height, const QVector<double>& fractions,
                                 const QColor& gridColor, bool diagonal);

    // A smooth cubic curve through the points with a dot of radius 1 on every
    // point after the first; a straight line from the first to the last point
    // when there are fewer than three.
    static QPainterPath smoothCurvePath(const QVector<QPointF>& points);

protected:
    virtual void keyDown(EditorKey key, bool shift) = 0;

    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) final;
};

} // namespace appui
