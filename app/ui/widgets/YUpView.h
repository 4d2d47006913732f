#pragma once
#include <QPointF>
#include <QWidget>

class QPainter;

namespace appui {

// A view drawn and clicked in y-up coordinates: the origin is the bottom-left
// corner and y grows upward, as the curve editors and the Lab plot expect.
// This class is the one place that flips: the painter handed to drawRect()
// and every mouse location handed to the mouse callbacks are already y-up.
class YUpView : public QWidget {
    Q_OBJECT
public:
    explicit YUpView(QWidget* parent = nullptr);

    // The bounds' maximum x and y (the view's width and height).
    double maxX() const { return width(); }
    double maxY() const { return height(); }

    // Converts between the widget's own y-down coordinates and the view's
    // y-up ones (the same mapping serves both directions).
    QPointF flipped(QPointF point) const { return {point.x(), maxY() - point.y()}; }

protected:
    // Draws the view; the painter's y axis points up.
    virtual void drawRect(QPainter& painter) = 0;

    // Left button pressed, moved while pressed and released; right button
    // released. Locations are y-up.
    virtual void mouseDown(QPointF location, Qt::KeyboardModifiers modifiers);
    virtual void mouseDragged(QPointF location);
    virtual void mouseUp(QPointF location);
    virtual void rightMouseUp(QPointF location);

    // Draws text upright with the lower-left corner of its line box at a y-up
    // point, in the painter's current font and pen.
    void drawText(QPainter& painter, QPointF lowerLeft, const QString& text) const;

    void paintEvent(QPaintEvent* event) final;
    void mousePressEvent(QMouseEvent* event) final;
    void mouseMoveEvent(QMouseEvent* event) final;
    void mouseReleaseEvent(QMouseEvent* event) final;
};

} // namespace appui
