#pragma once
#include <QImage>
#include <QSize>

class QThreadPool;

namespace appui {

// The source column (or row) a sampled pixel takes: the one under the sampled
// pixel's centre, `index` of `sampled` spread over `source`.
int nearestSourceIndex(int index, int sampled, int source);

// The picture sampled to `size` by the nearest pixel: every pixel a copy of
// the source pixel under its centre, in the picture's own format (and colour
// table). Rows are sampled in bands on the pool's threads. A null image for a
// null picture, an empty size, or a format of less than a byte a pixel.
QImage sampledByNearestPixel(const QImage& picture, QSize size, QThreadPool& pool);

} // namespace appui
