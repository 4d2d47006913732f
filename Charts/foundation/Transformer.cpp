#include "Charts/foundation/Transformer.h"

#include <limits>

namespace charts {

Transformer::Transformer(std::shared_ptr<ViewPortHandler> viewPortHandler)
    : viewPortHandler_(std::move(viewPortHandler)) {}

void Transformer::prepareMatrixValuePx(double chartXMin, double deltaX, double deltaY, double chartYMin) {
    const double infinity = std::numeric_limits<double>::infinity();
    double scaleX = viewPortHandler_->contentWidth() / deltaX;
    double scaleY = viewPortHandler_->contentHeight() / deltaY;
    // Only +infinity (a range of 0) is replaced; 0 / 0 stays NaN.
    if (scaleX == infinity) scaleX = 0;
    if (scaleY == infinity) scaleY = 0;
    matrixValueToPx_ = AffineTransform::identity().scaledBy(scaleX, -scaleY).translatedBy(-chartXMin, -chartYMin);
}

void Transformer::prepareMatrixOffset(bool inverted) {
    const ViewPortHandler& handler = *viewPortHandler_;
    if (!inverted) {
        matrixOffset_ =
            AffineTransform::makeTranslation(handler.offsetLeft(), handler.chartHeight() - handler.offsetBottom());
    } else {
        matrixOffset_ = AffineTransform::makeScale(1, -1).translatedBy(handler.offsetLeft(), -handler.offsetTop());
    }
}

void TransformerHorizontalBarChart::prepareMatrixOffset(bool inverted) {
    const ViewPortHandler& handler = *viewPortHandler();
    if (!inverted) {
        matrixOffset_ =
            AffineTransform::makeTranslation(handler.offsetLeft(), handler.chartHeight() - handler.offsetBottom());
    } else {
        matrixOffset_ = AffineTransform::makeScale(-1, 1).translatedBy(-(handler.chartWidth() - handler.offsetRight()),
                                                                       handler.chartHeight() - handler.offsetBottom());
    }
}

AffineTransform Transformer::valueToPixelMatrix() const {
    return matrixValueToPx_.concatenating(viewPortHandler_->touchMatrix()).concatenating(matrixOffset_);
}

AffineTransform Transformer::pixelToValueMatrix() const { return valueToPixelMatrix().inverted(); }

void Transformer::pointValuesToPixel(std::span<Point> points) const {
    const AffineTransform m = valueToPixelMatrix();
    for (Point& p : points) m.applyInPlace(p);
}

void Transformer::pointValueToPixel(Point& point) const { valueToPixelMatrix().applyInPlace(point); }

Point Transformer::pixelForValues(double x, double y) const { return valueToPixelMatrix().apply(Point{x, y}); }

void Transformer::rectValueToPixel(Rect& r) const { r = valueToPixelMatrix().apply(r); }

void Transformer::rectValueToPixel(Rect& r, double phaseY) const {
    const double top = r.origin.y * phaseY;
    const double bottom = (r.origin.y + r.size.height) * phaseY;
    r.origin.y = top;
    r.size.height = bottom - top;
    r = valueToPixelMatrix().apply(r);
}

void Transformer::rectValueToPixelHorizontal(Rect& r) const { r = valueToPixelMatrix().apply(r); }

void Transformer::rectValueToPixelHorizontal(Rect& r, double phaseY) const {
    const double left = r.origin.x * phaseY;
    const double right = (r.origin.x + r.size.width) * phaseY;
    r.origin.x = left;
    r.size.width = right - left;
    r = valueToPixelMatrix().apply(r);
}

void Transformer::rectValuesToPixel(std::span<Rect> rects) const {
    const AffineTransform m = valueToPixelMatrix();
    for (Rect& r : rects) r = m.apply(r);
}

void Transformer::pixelsToValues(std::span<Point> pixels) const {
    const AffineTransform m = pixelToValueMatrix();
    for (Point& p : pixels) m.applyInPlace(p);
}

void Transformer::pixelToValues(Point& pixel) const { pixelToValueMatrix().applyInPlace(pixel); }

Point Transformer::valueForTouchPoint(const Point& point) const { return pixelToValueMatrix().apply(point); }

Point Transformer::valueForTouchPoint(double x, double y) const { return valueForTouchPoint(Point{x, y}); }

} // namespace charts
