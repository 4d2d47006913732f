#include "Charts/foundation/Marker.h"

namespace charts {

Point markerOffsetInside(Point offset, const Point& point, const Size& size, const std::optional<Size>& chartBounds) {
    if (point.x + offset.x < 0) {
        offset.x = -point.x;
    } else if (chartBounds && point.x + size.width + offset.x > chartBounds->width) {
        offset.x = chartBounds->width - point.x - size.width;
    }
    if (point.y + offset.y < 0) {
        offset.y = -point.y;
    } else if (chartBounds && point.y + size.height + offset.y > chartBounds->height) {
        offset.y = chartBounds->height - point.y - size.height;
    }
    return offset;
}

Size MarkerImage::drawnSize() const {
    Size size = size_;
    if (image_) {
        // Points, as everywhere in a chart: an image of device pixel ratio 2
        // measures half its pixels.
        const QSizeF own = image_->deviceIndependentSize();
        if (size.width == 0) size.width = own.width();
        if (size.height == 0) size.height = own.height();
    }
    return size;
}

Point MarkerImage::offsetForDrawing(const Point& point) const {
    std::optional<Size> bounds;
    if (const std::shared_ptr<ChartViewInterface> view = chartView_.lock()) bounds = view->bounds().size;
    return markerOffsetInside(offset_, point, drawnSize(), bounds);
}

void MarkerImage::draw(DrawingContext& context, const Point& point) {
    if (!image_) return;
    const Point shift = offsetForDrawing(point);
    const GStateSaver saved(context);
    context.drawImage(*image_, Rect(Point{point.x + shift.x, point.y + shift.y}, drawnSize()));
}

} // namespace charts
