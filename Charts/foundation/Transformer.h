#pragma once
#include <memory>
#include <span>

#include "Charts/drawing/AffineTransform.h"
#include "Charts/drawing/Geometry.h"
#include "Charts/foundation/ViewPortHandler.h"

namespace charts {

// Maps chart values to view pixels and back for one y axis. The full
// value-to-pixel matrix is composed on every call from the value scaling, the
// view port's current touch matrix and the content offset, so zoom and pan
// show at once without re-preparing.
class Transformer {
public:
    explicit Transformer(std::shared_ptr<ViewPortHandler> viewPortHandler);
    virtual ~Transformer() = default;
    Transformer(const Transformer&) = delete;
    Transformer& operator=(const Transformer&) = delete;

    // deltaX and deltaY are the axis ranges; a range of 0 maps every value
    // of that axis onto the axis minimum's pixel.
    virtual void prepareMatrixValuePx(double chartXMin, double deltaX, double deltaY, double chartYMin);
    virtual void prepareMatrixOffset(bool inverted);

    virtual void pointValuesToPixel(std::span<Point> points) const;
    virtual void pointValueToPixel(Point& point) const;
    virtual Point pixelForValues(double x, double y) const;
    virtual void rectValueToPixel(Rect& r) const;
    // The bar's vertical extent scaled toward value 0 by the phase first.
    virtual void rectValueToPixel(Rect& r, double phaseY) const;
    virtual void rectValueToPixelHorizontal(Rect& r) const;
    virtual void rectValueToPixelHorizontal(Rect& r, double phaseY) const;
    virtual void rectValuesToPixel(std::span<Rect> rects) const;
    virtual void pixelsToValues(std::span<Point> pixels) const;
    virtual void pixelToValues(Point& pixel) const;
    virtual Point valueForTouchPoint(const Point& point) const;
    virtual Point valueForTouchPoint(double x, double y) const;
    virtual AffineTransform valueToPixelMatrix() const;
    // The inverse; a singular matrix comes back unchanged.
    virtual AffineTransform pixelToValueMatrix() const;
    // From the touch matrix's space to view pixels: where the content starts
    // and which way each axis runs.
    const AffineTransform& contentOffsetMatrix() const { return matrixOffset_; }

protected:
    const std::shared_ptr<ViewPortHandler>& viewPortHandler() const { return viewPortHandler_; }

    AffineTransform matrixValueToPx_;
    AffineTransform matrixOffset_;

private:
    std::shared_ptr<ViewPortHandler> viewPortHandler_;
};

// The horizontal bar chart's transformer: inverted, it mirrors x so that the
// minimum lands on the content's right edge.
class TransformerHorizontalBarChart : public Transformer {
public:
    using Transformer::Transformer;
    void prepareMatrixOffset(bool inverted) override;
};

} // namespace charts
