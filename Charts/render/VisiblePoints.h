#pragma once
#include <algorithm>
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
// above or below it, and those whose pixel is not finite (a value that is
// not, or one too large to place): such a point is a gap, and tells nothing
// of where the points after it lie. Value labels, circles and other marks on the points of
// a cartesian chart are placed by this walk.
template <class Visit>
void forEachVisiblePoint(const EntryValues& values, const BarLineScatterCandleBubbleRenderer::XBounds& bounds,
                         double phaseY, const AffineTransform& matrix, const ContentBounds& content, Visit&& visit) {
    const std::int64_t last = bounds.min() + bounds.range();
    for (std::int64_t j = bounds.min(); j <= last; ++j) {
        if (!values.contains(j)) break;
        const Point pixel = pixelPoint(values[j], phaseY, matrix);
        if (!isFinite(pixel)) continue;
        if (!content.isInBoundsRight(pixel.x)) break;
        if (!content.isInBoundsLeft(pixel.x) || !content.isInBoundsY(pixel.y)) continue;
        visit(j, values.entry(j), pixel);
    }
}

// Where a walk over entries sorted by x may start, from a first guess
// (the visible range's min) instead of the first entry, and see the same
// points: steps back over the entries before the guess that are not yet
// wholly left of the content (within its pixel of slack, or not finite).
inline std::int64_t firstEntryNotLeftOfContent(const EntryValues& values, std::int64_t guess, double phaseY,
                                               const AffineTransform& matrix, const ContentBounds& content) {
    std::int64_t first = std::clamp<std::int64_t>(guess, 0, values.size());
    while (first > 0 && !(pixelPoint(values[first - 1], phaseY, matrix).x + 1 < content.content.x())) --first;
    return first;
}

// The same walk for the marks of entries of one class placed at another
// point than their value (a candle's label at its high): anchorOf(entry)
// gives the value point, and the walk also ends at the first entry of
// another class; an anchor that is not finite is a gap as above. visit(index, entry pointer, entry, pixel).
template <class Entry, class AnchorOf, class Visit>
void forEachVisibleAnchor(const EntryValues& values, const BarLineScatterCandleBubbleRenderer::XBounds& bounds,
                          AnchorOf&& anchorOf, const AffineTransform& matrix, const ContentBounds& content,
                          Visit&& visit) {
    const std::int64_t last = bounds.min() + bounds.range();
    for (std::int64_t j = bounds.min(); j <= last; ++j) {
        if (!values.contains(j)) break;
        const auto* entry = dynamic_cast<const Entry*>(values.entry(j).get());
        if (!entry) break;
        const Point pixel = matrix.apply(anchorOf(*entry));
        if (!isFinite(pixel)) continue;
        if (!content.isInBoundsRight(pixel.x)) break;
        if (!content.isInBoundsLeft(pixel.x) || !content.isInBoundsY(pixel.y)) continue;
        visit(j, values.entry(j), *entry, pixel);
    }
}

} // namespace charts
