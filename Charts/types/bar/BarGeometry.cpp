#include "Charts/types/bar/BarGeometry.h"

#include <algorithm>
#include <cmath>

#include "Charts/types/bar/BarChartDataEntry.h"

namespace charts {

BarEnds plainBarEnds(double y, bool inverted) {
    const double above = y >= 0 ? y : 0;
    const double below = y <= 0 ? y : 0;
    return inverted ? BarEnds{below, above} : BarEnds{above, below};
}

AxisClipOffsets axisClipOffsets(double y, double axisMinimum, double axisMaximum, bool inverted) {
    AxisClipOffsets offsets;
    if (y >= 0) {
        offsets.top = axisMaximum < y ? y - axisMaximum : 0;
        offsets.bottom = axisMinimum > 0 ? axisMinimum : 0;
    } else {
        offsets.top = axisMaximum < 0 ? -axisMaximum : 0;
        offsets.bottom = axisMinimum > y ? axisMinimum - y : 0;
    }
    if (inverted) std::swap(offsets.top, offsets.bottom);
    return offsets;
}

BarEnds plainBarExtent(double y, bool inverted, double phaseY, AxisClipOffsets clip) {
    BarEnds ends = plainBarEnds(y, inverted);
    if (inverted) {
        ends.top += clip.top;
        ends.bottom -= clip.bottom;
    } else {
        ends.top -= clip.top;
        ends.bottom += clip.bottom;
    }
    if (ends.top > clip.top)
        ends.top *= phaseY;
    else
        ends.bottom *= phaseY;
    return ends;
}

BarEnds stackSegmentEnds(StackSegment segment, bool inverted) {
    // Comparisons with NaN are false, so a NaN end is taken for both.
    const double larger = segment.start > segment.end ? segment.start : segment.end;
    const double smaller = segment.start < segment.end ? segment.start : segment.end;
    return inverted ? BarEnds{smaller, larger} : BarEnds{larger, smaller};
}

double stackLabelValue(double value, StackSegment segment) { return value >= 0 ? segment.end : segment.start; }

bool stackLabelBelow(double value, StackTotals totals) {
    return (value == 0 && totals.negative == 0 && totals.positive > 0) || value < 0;
}

Rect barRect(BarDirection direction, double x, double barWidthHalf, BarEnds ends) {
    const double left = x - barWidthHalf;
    const double right = x + barWidthHalf;
    if (direction == BarDirection::vertical) return Rect(left, ends.top, right - left, ends.bottom - ends.top);
    return Rect(ends.bottom, right, ends.top - ends.bottom, left - right);
}

std::size_t prepareBarRects(std::span<const ChartDataEntryPtr> entries, const BarBufferInput& input,
                            std::span<Rect> rects) {
    const std::int64_t count = animatedEntryCount(static_cast<std::int64_t>(entries.size()), input.phaseX);
    std::size_t index = 0;
    for (std::int64_t i = 0; i < count && index < rects.size(); ++i) {
        const BarChartDataEntry* entry = asBarEntry(entries[static_cast<std::size_t>(i)].get());
        if (!entry) continue;
        const double x = entry->x();
        const std::optional<BarChartDataEntry::Values>& values = entry->yValues();
        if (!input.stacked || !values) {
            const double y = entry->y();
            AxisClipOffsets clip;
            if (input.clipTo) clip = axisClipOffsets(y, input.clipTo->minimum, input.clipTo->maximum, input.inverted);
            rects[index++] =
                barRect(input.direction, x, input.barWidthHalf, plainBarExtent(y, input.inverted, input.phaseY, clip));
            continue;
        }
        // Values past the end of the buffer (an entry added with a taller
        // stack than the set was made with) have no rectangle.
        const std::size_t first = index;
        forEachStackSegment(*values, entry->negativeSum(), [&](std::size_t k, StackSegment segment) {
            if (first + k >= rects.size()) return;
            BarEnds ends = stackSegmentEnds(segment, input.inverted);
            ends.top *= input.phaseY;
            ends.bottom *= input.phaseY;
            rects[first + k] = barRect(input.direction, x, input.barWidthHalf, ends);
        });
        index = std::min(first + values->size(), rects.size());
    }
    return index;
}

void rectsToPixels(std::span<Rect> rects, const AffineTransform& matrix) {
    if (matrix.b != 0 || matrix.c != 0) {
        for (Rect& r : rects) r = matrix.apply(r);
        return;
    }
    // No rotation or shear: each edge maps on its own, as the corners would.
    for (Rect& r : rects) {
        if (isNull(r)) continue;
        const Rect s = standardized(r);
        const double x1 = matrix.a * s.origin.x + matrix.tx;
        const double x2 = matrix.a * (s.origin.x + s.size.width) + matrix.tx;
        const double y1 = matrix.d * s.origin.y + matrix.ty;
        const double y2 = matrix.d * (s.origin.y + s.size.height) + matrix.ty;
        if (std::isnan(x1) || std::isnan(x2) || std::isnan(y1) || std::isnan(y2)) {
            const double nan = std::nan("");
            r = Rect(nan, nan, nan, nan);
            continue;
        }
        const double left = std::min(x1, x2);
        const double top = std::min(y1, y2);
        r = Rect(left, top, std::max(x1, x2) - left, std::max(y1, y2) - top);
    }
}

namespace {

bool isFinite(const Rect& r) {
    return std::isfinite(r.origin.x) && std::isfinite(r.origin.y) && std::isfinite(r.size.width) &&
           std::isfinite(r.size.height);
}

} // namespace

BarCull cullBar(BarDirection direction, const Rect& pixels, const ContentBounds& bounds) {
    if (!isFinite(pixels)) return BarCull::skip;
    if (direction == BarDirection::vertical) {
        if (!bounds.isInBoundsLeft(pixels.origin.x + pixels.size.width)) return BarCull::skip;
        if (!bounds.isInBoundsRight(pixels.origin.x)) return BarCull::stop;
        return BarCull::draw;
    }
    if (!bounds.isInBoundsTop(pixels.origin.y + pixels.size.height)) return BarCull::stop;
    if (!bounds.isInBoundsBottom(pixels.origin.y)) return BarCull::skip;
    return BarCull::draw;
}

Rect shadowColumn(BarDirection direction, double x, double barWidth, const AffineTransform& matrix,
                  const Rect& content) {
    const double start = x - barWidth / 2.0;
    if (direction == BarDirection::vertical) {
        const Rect r = matrix.apply(Rect(start, 0, barWidth, 0));
        return Rect(r.origin.x, content.origin.y, r.size.width, content.size.height);
    }
    const Rect r = matrix.apply(Rect(0, start, 0, barWidth));
    return Rect(content.origin.x, r.origin.y, content.size.width, r.size.height);
}

Rect highlightRect(BarDirection direction, double x, double y1, double y2, double barWidthHalf,
                   const AffineTransform& matrix, double phaseY) {
    const double low = y1 * phaseY;
    const double high = y2 * phaseY;
    const double left = x - barWidthHalf;
    const double right = x + barWidthHalf;
    if (direction == BarDirection::vertical) return matrix.apply(Rect(left, low, right - left, high - low));
    return matrix.apply(Rect(low, left, high - low, right - left));
}

ValueLabelOffsets verticalValueOffsets(bool aboveBar, bool inverted, double textHeight) {
    constexpr double gap = 4.5;
    ValueLabelOffsets offsets =
        aboveBar ? ValueLabelOffsets{-(textHeight + gap), gap} : ValueLabelOffsets{gap, -(textHeight + gap)};
    if (inverted) offsets = ValueLabelOffsets{-offsets.positive - textHeight, -offsets.negative - textHeight};
    return offsets;
}

ValueLabelOffsets horizontalValueOffsets(bool aboveBar, bool inverted, double textWidth) {
    constexpr double gap = 5.0;
    ValueLabelOffsets offsets =
        aboveBar ? ValueLabelOffsets{gap, -(textWidth + gap)} : ValueLabelOffsets{-(textWidth + gap), gap};
    if (inverted) offsets = ValueLabelOffsets{-offsets.positive - textWidth, -offsets.negative - textWidth};
    return offsets;
}

} // namespace charts
