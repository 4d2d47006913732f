#pragma once
#include <cstdint>

#include "Charts/drawing/AffineTransform.h"
#include "Charts/render/BarLineScatterCandleBubbleRenderer.h"
#include "Charts/render/CartesianFrame.h"
#include "Charts/render/EntryValues.h"

namespace charts {

// The pixel point of an entry's value point (x, y × phaseY).
inline Point pixelPoint(Point value, double phaseY, const AffineTransform& matrix) {
    return matrix.apply(Point{value.x, value.y * phaseY});
}

// Walks the entries of the visible index range whose pixel points lie in the
// content, in order, calling visit(index, entry, pixel) for each: the walk
// ends at the first entry that is missing or lies right of the content
// (everything further right is off screen too), and skips those left of,
// above or below it. Value labels, circles and other marks on the points of
// a cartesian chart are placed by this walk.
template <class Visit>
void forEachVisiblePoint(const EntryValues& values, const BarLineScatterCandleBubbleRenderer::XBounds& bounds,
                         double phaseY, const AffineTransform& matrix, const ContentBounds& content, Visit&& visit) {
    const std::int64_t last = bounds.min() + bounds.range();
    for (std::int64_t j = bounds.min(); j <= last; ++j) {
        if (!values.contains(j)) break;
        const Point pixel = pixelPoint(values[j], phaseY, matrix);
        if (!content.isInBoundsRight(pixel.x)) break;
        if (!content.isInBoundsLeft(pixel.x) || !content.isInBoundsY(pixel.y)) continue;
        visit(j, values.entry(j), pixel);
    }
}

} // namespace charts
