#pragma once
#include <QImage>
#include <optional>

#include "Charts/drawing/DrawingContext.h"
#include "Charts/drawing/Geometry.h"

namespace charts {

// Off-screen drawing: a stack of bitmap contexts, one per thread, the top one
// current. Sizes are in points; the bitmap has `scale` pixels per point.

// Largest bitmap side accepted, in pixels.
constexpr int largestImageContextSide = 32768;

// Pushes a context of size × scale pixels (truncated toward zero); a scale of
// 0 takes the main screen's (1 without one). A size or scale that is not
// finite, or a side below 1 pixel or above largestImageContextSide, pushes
// nothing and answers false. When the bitmap cannot be made, an invalid
// context is pushed (answering true), which draws nothing and gives no image,
// so a later endImageContext still pairs with this call. The bitmap starts
// transparent, or black when opaque.
bool beginImageContext(Size size, bool opaque, double scale);

// A copy of the current context's bitmap with its point size (pixels / scale)
// as device-independent size; none without a valid current context.
std::optional<QImage> imageFromCurrentImageContext();

// Pops the current context; nothing when none is open.
void endImageContext();

// The current context to draw into; none when no valid one is open.
DrawingContext* currentImageContext();

// Makes the bitmaps of image contexts and takes each back when its context
// ends; the chart environment's, or plain QImage bitmaps. Called on the thread
// of the context.
class ImageAllocator {
public:
    virtual ~ImageAllocator() = default;
    // A null image is a failed creation: an invalid context is pushed.
    virtual QImage allocate(int width, int height, QImage::Format format) = 0;
    // The context of one allocate call ended; `image` is what it answered.
    virtual void release(QImage image) = 0;
};

} // namespace charts
