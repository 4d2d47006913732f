#include "Charts/foundation/ViewPortHandler.h"

#include <algorithm>
#include <cmath>

namespace charts {

std::shared_ptr<ViewPortHandler> ViewPortHandler::create(double width, double height) {
    std::shared_ptr<ViewPortHandler> handler(new ViewPortHandler());
    handler->initialize(width, height);
    return handler;
}

void ViewPortHandler::setChartDimens(double width, double height) {
    const double left = offsetLeft();
    const double top = offsetTop();
    const double right = offsetRight();
    const double bottom = offsetBottom();
    chartHeight_ = height;
    chartWidth_ = width;
    restrainViewPort(left, top, right, bottom);
}

void ViewPortHandler::restrainViewPort(double left, double top, double right, double bottom) {
    contentRect_ = Rect(left, top, chartWidth_ - left - right, chartHeight_ - top - bottom);
}

AffineTransform ViewPortHandler::zoom(double scaleX, double scaleY) const {
    return touchMatrix_.scaledBy(scaleX, scaleY);
}

AffineTransform ViewPortHandler::zoom(double scaleX, double scaleY, double x, double y) const {
    return touchMatrix_.translatedBy(x, y).scaledBy(scaleX, scaleY).translatedBy(-x, -y);
}

AffineTransform ViewPortHandler::zoomIn(double x, double y) const { return zoom(1.4, 1.4, x, y); }

AffineTransform ViewPortHandler::zoomOut(double x, double y) const { return zoom(0.7, 0.7, x, y); }

AffineTransform ViewPortHandler::resetZoom() const { return zoom(1, 1, 0, 0); }

AffineTransform ViewPortHandler::setZoom(double scaleX, double scaleY) const {
    AffineTransform matrix = touchMatrix_;
    matrix.a = scaleX;
    matrix.d = scaleY;
    return matrix;
}

AffineTransform ViewPortHandler::setZoom(double scaleX, double scaleY, double x, double y) const {
    AffineTransform matrix = touchMatrix_;
    matrix.a = 1;
    matrix.d = 1;
    return matrix.translatedBy(x, y).scaledBy(scaleX, scaleY).translatedBy(-x, -y);
}

AffineTransform ViewPortHandler::fitScreen() {
    minScaleX_ = 1;
    minScaleY_ = 1;
    return AffineTransform::identity();
}

AffineTransform ViewPortHandler::translate(const Point& pt) const {
    const double translateX = pt.x - offsetLeft();
    const double translateY = pt.y - offsetTop();
    return touchMatrix_.concatenating(AffineTransform::makeTranslation(-translateX, -translateY));
}

void ViewPortHandler::centerViewPort(const Point& pt, ChartViewInterface* chart) {
    refresh(translate(pt), chart, true);
}

AffineTransform ViewPortHandler::refresh(const AffineTransform& newMatrix, ChartViewInterface* chart, bool) {
    touchMatrix_ = newMatrix;
    limitTransAndScale(touchMatrix_, contentRect_);
    if (chart != nullptr) chart->setNeedsDisplay(chart->bounds());
    return touchMatrix_;
}

void ViewPortHandler::limitTransAndScale(AffineTransform& matrix, const std::optional<Rect>& content) {
    // std::min/std::max in this argument order: a NaN scale becomes the minimum.
    scaleX_ = std::min(maxScaleX_, std::max(minScaleX_, matrix.a));
    scaleY_ = std::min(maxScaleY_, std::max(minScaleY_, matrix.d));
    const double contentW = content ? width(*content) : 0;
    const double contentH = content ? height(*content) : 0;
    const double maxTransX = -contentW * (scaleX_ - 1);
    transX_ = std::min(std::max(matrix.tx, maxTransX - transOffsetX_), transOffsetX_);
    const double maxTransY = contentH * (scaleY_ - 1);
    transY_ = std::max(std::min(matrix.ty, maxTransY + transOffsetY_), -transOffsetY_);
    matrix.tx = transX_;
    matrix.a = scaleX_;
    matrix.ty = transY_;
    matrix.d = scaleY_;
}

void ViewPortHandler::setMinimumScaleX(double x) {
    minScaleX_ = std::max(x, 1.0);
    limitTransAndScale(touchMatrix_, contentRect_);
}

void ViewPortHandler::setMaximumScaleX(double x) {
    maxScaleX_ = x == 0 ? noScaleLimit : x;
    limitTransAndScale(touchMatrix_, contentRect_);
}

void ViewPortHandler::setMinMaxScaleX(double minScaleX, double maxScaleX) {
    minScaleX_ = std::max(minScaleX, 1.0);
    maxScaleX_ = maxScaleX == 0 ? noScaleLimit : maxScaleX;
    limitTransAndScale(touchMatrix_, contentRect_);
}

void ViewPortHandler::setMinimumScaleY(double y) {
    minScaleY_ = std::max(y, 1.0);
    limitTransAndScale(touchMatrix_, contentRect_);
}

void ViewPortHandler::setMaximumScaleY(double y) {
    maxScaleY_ = y == 0 ? noScaleLimit : y;
    limitTransAndScale(touchMatrix_, contentRect_);
}

void ViewPortHandler::setMinMaxScaleY(double minScaleY, double maxScaleY) {
    minScaleY_ = std::max(minScaleY, 1.0);
    maxScaleY_ = maxScaleY == 0 ? noScaleLimit : maxScaleY;
    limitTransAndScale(touchMatrix_, contentRect_);
}

bool ViewPortHandler::isInBoundsLeft(double x) const { return contentRect_.x() <= x + 1; }

bool ViewPortHandler::isInBoundsRight(double x) const {
    const double cut = std::floor(x * 100) / 100;
    return contentRect_.x() + contentRect_.width() >= cut - 1;
}

bool ViewPortHandler::isInBoundsTop(double y) const { return y >= contentRect_.y(); }

bool ViewPortHandler::isInBoundsBottom(double y) const {
    const double cut = std::floor(y * 100) / 100;
    return contentRect_.y() + contentRect_.height() >= cut;
}

bool ViewPortHandler::isIntersectingLine(const Point& from, const Point& to) const {
    if (isInBounds(from)) return true;
    if (isInBounds(to)) return true;
    if (from.x == to.x) return isInBoundsX(from.x);
    const double m = (to.y - from.y) / (to.x - from.x);
    const double k = from.y - from.x * m;
    if (isInBoundsY(m * minX(contentRect_) + k)) return true;
    if (m == 0) return false;
    if (isInBoundsX((maxY(contentRect_) - k) / m)) return true;
    return isInBoundsX((minY(contentRect_) - k) / m);
}

} // namespace charts
