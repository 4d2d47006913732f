#pragma once
#include <QImage>
#include <functional>
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

// How many contexts this thread has open (tests check that begins and ends
// pair up).
std::size_t imageContextDepth();

// A seam for tests: makes the bitmaps of new image contexts (a null image is
// a failed creation), so that a test can make a creation fail. Answers the
// allocator it replaced; an empty function puts the standard one back. The
// product always uses the standard one.
using ImageAllocator = std::function<QImage(int width, int height, QImage::Format format)>;
ImageAllocator setImageAllocator(ImageAllocator allocator);

} // namespace charts
