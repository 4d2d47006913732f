#pragma once
#include <functional>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>

namespace charts {

// Qt's raster engine paints a translucent shape (a colour with alpha, or an
// opacity below 1) many times slower than an opaque one, and a wide stroke
// the slower the longer it is: an 800 x 600 radar's translucent web takes
// ten milliseconds, the same web opaque a few tenths. A translucent painting
// that covers more than a few thousand pixels is therefore painted opaque
// into a layer the size of its bounds, which is then laid on at the
// painting's alpha: the same pixels, up to rounding, in a fraction of the
// time. One painting is one coverage: where strokes of one call overlap,
// they are blended once, as the path they make up would be.
class TranslucentLayer {
public:
    // Paints through the layer when it applies: a raster painter blending
    // source over, a translucent but visible colour and opacity, and bounds
    // (user space) covering enough device pixels. `paint` gets a painter set
    // up as the given one (transform, hints) and the colour made opaque; it
    // sets its own pen and brush. False, with nothing painted, otherwise.
    bool paint(QPainter& painter, const QRectF& userBounds, const QColor& color,
               const std::function<void(QPainter&, const QColor&)>& paint);

private:
    // Kept between paintings to reuse its storage.
    QImage image_;
};

} // namespace charts
