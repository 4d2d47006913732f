#pragma once
#include <limits>
#include <memory>
#include <optional>

#include "Charts/drawing/AffineTransform.h"
#include "Charts/drawing/Geometry.h"
#include "Charts/foundation/ChartViewInterface.h"

namespace charts {

// The geometry of one chart: the view's size, the content rectangle inside it
// (the view less four margins, where data is drawn) and the touch matrix that
// carries the zoom (a, d) and the pan (tx, ty). Every new matrix goes through
// refresh(), which keeps zoom within the scale limits and the content from
// being panned out of view.
//
// Every member is virtual: the combined bounds tests call the single-edge
// tests, setChartDimens calls restrainViewPort, and so on, so an override of
// one changes all that build on it.
class ViewPortHandler {
public:
    static constexpr double noScaleLimit = std::numeric_limits<double>::max();

    // A handler whose content fills the chart (margins 0).
    static std::shared_ptr<ViewPortHandler> create(double width, double height);
    virtual ~ViewPortHandler() = default;
    ViewPortHandler(const ViewPortHandler&) = delete;
    ViewPortHandler& operator=(const ViewPortHandler&) = delete;

    // Keeps the four margins; the content grows or shrinks with the chart.
    virtual void setChartDimens(double width, double height);
    virtual bool hasChartDimens() const { return chartHeight_ > 0 && chartWidth_ > 0; }
    virtual void restrainViewPort(double offsetLeft, double offsetTop, double offsetRight, double offsetBottom);

    virtual double offsetLeft() const { return contentRect_.x(); }
    virtual double offsetRight() const { return chartWidth_ - contentRect_.width() - contentRect_.x(); }
    virtual double offsetTop() const { return contentRect_.y(); }
    virtual double offsetBottom() const { return chartHeight_ - contentRect_.height() - contentRect_.y(); }
    virtual double contentTop() const { return contentRect_.y(); }
    virtual double contentLeft() const { return contentRect_.x(); }
    virtual double contentRight() const { return contentRect_.x() + contentRect_.width(); }
    virtual double contentBottom() const { return contentRect_.y() + contentRect_.height(); }
    virtual double contentWidth() const { return contentRect_.width(); }
    virtual double contentHeight() const { return contentRect_.height(); }
    virtual Rect contentRect() const { return contentRect_; }
    virtual Point contentCenter() const {
        return Point{contentRect_.x() + contentRect_.width() * 0.5, contentRect_.y() + contentRect_.height() * 0.5};
    }
    virtual double chartHeight() const { return chartHeight_; }
    virtual double chartWidth() const { return chartWidth_; }

    // The zoom family only computes a matrix; refresh() applies one.
    virtual AffineTransform zoom(double scaleX, double scaleY) const;
    virtual AffineTransform zoom(double scaleX, double scaleY, double x, double y) const;
    virtual AffineTransform zoomIn(double x, double y) const;
    virtual AffineTransform zoomOut(double x, double y) const;
    virtual AffineTransform resetZoom() const;
    virtual AffineTransform setZoom(double scaleX, double scaleY) const;
    virtual AffineTransform setZoom(double scaleX, double scaleY, double x, double y) const;
    // Resets both minimum scales to 1 and answers the identity.
    virtual AffineTransform fitScreen();
    // The matrix that puts the point (view pixels) at the content's top-left.
    virtual AffineTransform translate(const Point& pt) const;
    virtual void centerViewPort(const Point& pt, ChartViewInterface* chart);

    // Stores the matrix, clamps it and marks the chart's whole bounds for
    // redisplay (whatever `invalidate` says); answers the clamped matrix.
    virtual AffineTransform refresh(const AffineTransform& newMatrix, ChartViewInterface* chart, bool invalidate);

    // Minimums below 1 become 1; a maximum of 0 means no limit. Each setter
    // clamps the current matrix at once. Crossed limits are not corrected:
    // the maximum wins.
    virtual void setMinimumScaleX(double x);
    virtual void setMaximumScaleX(double x);
    virtual void setMinMaxScaleX(double minScaleX, double maxScaleX);
    virtual void setMinimumScaleY(double y);
    virtual void setMaximumScaleY(double y);
    virtual void setMinMaxScaleY(double minScaleY, double maxScaleY);

    virtual AffineTransform touchMatrix() const { return touchMatrix_; }

    // Visibility with a little slack: one pixel left and right, with the
    // right and bottom tests on values cut to hundredths.
    virtual bool isInBoundsX(double x) const { return isInBoundsLeft(x) && isInBoundsRight(x); }
    virtual bool isInBoundsY(double y) const { return isInBoundsTop(y) && isInBoundsBottom(y); }
    virtual bool isInBounds(const Point& point) const { return isInBounds(point.x, point.y); }
    virtual bool isInBounds(double x, double y) const { return isInBoundsX(x) && isInBoundsY(y); }
    virtual bool isInBoundsLeft(double x) const;
    virtual bool isInBoundsRight(double x) const;
    virtual bool isInBoundsTop(double y) const;
    virtual bool isInBoundsBottom(double y) const;
    // Whether the straight line through a and b (not only the segment, once
    // neither end is inside) crosses the content; the right edge is not
    // tested on its own.
    virtual bool isIntersectingLine(const Point& from, const Point& to) const;

    virtual double scaleX() const { return scaleX_; }
    virtual double scaleY() const { return scaleY_; }
    virtual double minScaleX() const { return minScaleX_; }
    virtual double minScaleY() const { return minScaleY_; }
    virtual double maxScaleX() const { return maxScaleX_; }
    virtual double maxScaleY() const { return maxScaleY_; }
    virtual double transX() const { return transX_; }
    virtual double transY() const { return transY_; }
    virtual bool isFullyZoomedOut() const { return isFullyZoomedOutX() && isFullyZoomedOutY(); }
    virtual bool isFullyZoomedOutY() const { return !(scaleY_ > minScaleY_ || minScaleY_ > 1); }
    virtual bool isFullyZoomedOutX() const { return !(scaleX_ > minScaleX_ || minScaleX_ > 1); }
    // How far (pixels) the content may be pulled past its edges; applied by
    // the next refresh.
    virtual void setDragOffsetX(double offset) { transOffsetX_ = offset; }
    virtual void setDragOffsetY(double offset) { transOffsetY_ = offset; }
    virtual bool hasNoDragOffset() const { return transOffsetX_ <= 0 && transOffsetY_ <= 0; }
    virtual bool canZoomOutMoreX() const { return scaleX_ > minScaleX_; }
    virtual bool canZoomInMoreX() const { return scaleX_ < maxScaleX_; }
    virtual bool canZoomOutMoreY() const { return scaleY_ > minScaleY_; }
    virtual bool canZoomInMoreY() const { return scaleY_ < maxScaleY_; }

protected:
    // Every field at its initial value; create() (or a subclass's factory)
    // then sizes it through initialize(), so overrides take part.
    ViewPortHandler() = default;
    void initialize(double width, double height) { setChartDimens(width, height); }

    // Clamps scale and translation into the matrix and the stored fields;
    // without a content rectangle the translation room is 0.
    virtual void limitTransAndScale(AffineTransform& matrix, const std::optional<Rect>& content);

private:
    AffineTransform touchMatrix_;
    Rect contentRect_;
    double chartWidth_ = 0;
    double chartHeight_ = 0;
    double minScaleY_ = 1;
    double maxScaleY_ = noScaleLimit;
    double minScaleX_ = 1;
    double maxScaleX_ = noScaleLimit;
    double scaleX_ = 1;
    double scaleY_ = 1;
    double transX_ = 0;
    double transY_ = 0;
    double transOffsetX_ = 0;
    double transOffsetY_ = 0;
};

} // namespace charts
