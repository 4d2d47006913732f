#pragma once
#include <cmath>
#include <cstdint>
#include <optional>
#include <span>

#include "Charts/data/ChartDataEntry.h"
#include "Charts/drawing/AffineTransform.h"
#include "Charts/drawing/Geometry.h"
#include "Charts/render/CartesianFrame.h"

namespace charts {

// The geometry of bars, as pure functions of values: what both bar
// renderers, the bar view and the highlighter share. Vertical bars stand on
// the x axis; horizontal bars lie along it, their entry x running upward and
// their value to the right.

enum class BarDirection { vertical, horizontal };

// The two value ends of a bar or stack segment: top and bottom of a vertical
// bar, right and left of a horizontal one.
struct BarEnds {
    double top = 0;
    double bottom = 0;
    friend bool operator==(const BarEnds&, const BarEnds&) = default;
};

// A plain bar spans from 0 to its value: top = y when y >= 0 (else 0),
// bottom = y when y <= 0 (else 0); on an inverted axis the other way round.
// A NaN value spans nothing (0 for both).
BarEnds plainBarEnds(double y, bool inverted);

// How far a plain bar is cut at the ends of its axis's range (value units):
// a bar beyond the maximum loses its part above it, one that starts below
// the minimum its part below. On an inverted axis the two are exchanged.
struct AxisClipOffsets {
    double top = 0;
    double bottom = 0;
    friend bool operator==(const AxisClipOffsets&, const AxisClipOffsets&) = default;
};
AxisClipOffsets axisClipOffsets(double y, double axisMinimum, double axisMaximum, bool inverted);

// The ends of a plain bar as drawn: plainBarEnds cut by the offsets, then
// scaled by the animation's phase: the top when it lies above the top
// offset, else the bottom (so a bar that is not cut grows away from 0).
BarEnds plainBarExtent(double y, bool inverted, double phaseY, AxisClipOffsets clip = {});

// One stacked value's segment, from where it starts to where it ends.
struct StackSegment {
    double start = 0;
    double end = 0;
    friend bool operator==(const StackSegment&, const StackSegment&) = default;
};

// The positive and negative cursors after the last value.
struct StackTotals {
    double positive = 0;
    double negative = 0;
};

// Walks a stack's values in order, calling visit(k, segment) for each:
// positive values stack upward from 0, negative ones (and NaN) fill the
// interval from minus the negative sum up to 0, the first one lowest; a 0
// while either cursor is still at 0 is the empty segment at 0. Both
// renderers' buffers and their stacked value labels follow this walk.
template <class Visit>
StackTotals forEachStackSegment(std::span<const double> values, double negativeSum, Visit&& visit) {
    double posY = 0;
    double negY = -negativeSum;
    for (std::size_t k = 0; k < values.size(); ++k) {
        const double value = values[k];
        StackSegment segment;
        if (value == 0 && (posY == 0 || negY == 0)) {
            segment = StackSegment{0, 0};
        } else if (value >= 0) {
            segment = StackSegment{posY, posY + value};
            posY = segment.end;
        } else {
            segment = StackSegment{negY, negY + std::abs(value)};
            negY = segment.end;
        }
        visit(k, segment);
    }
    return StackTotals{posY, negY};
}

// A segment's ends as drawn: the larger value at the top (the right), the
// smaller at the bottom; inverted the other way round. A NaN value's segment
// is NaN at both ends, so it is drawn nowhere.
BarEnds stackSegmentEnds(StackSegment segment, bool inverted);

// Where a stacked value is labelled: a positive value at its segment's outer
// (upper) end, a negative one at its lower end.
double stackLabelValue(double value, StackSegment segment);

// Whether a stacked value's label goes below (left of) its point: negative
// values, and a 0 of a stack that ends above 0 with nothing below it.
bool stackLabelBelow(double value, StackTotals totals);

// The rectangle (value units) of a bar at x of the given half width and
// ends: vertical, x ± half wide from bottom to top; horizontal, from left
// (bottom) to right (top) and x ± half high, its origin at the upper x.
Rect barRect(BarDirection direction, double x, double barWidthHalf, BarEnds ends);

// What a bar set's buffer is prepared from.
struct BarBufferInput {
    BarDirection direction = BarDirection::vertical;
    double barWidthHalf = 0;
    bool stacked = false;
    bool inverted = false;
    double phaseX = 1;
    double phaseY = 1;
    // The axis range plain bars are cut to; none, no cut.
    struct AxisRange {
        double minimum = 0;
        double maximum = 0;
    };
    std::optional<AxisRange> clipTo;
};

// Fills `rects` (value units) with one rectangle per plain bar and per value
// of a stacked bar, in entry order, for the entries the animation has
// reached; entries that are not bars take no rectangle. Writes only within
// `rects` and answers how many rectangles it wrote: those are the frame's,
// whatever the rest of the buffer still holds.
std::size_t prepareBarRects(std::span<const ChartDataEntryPtr> entries, const BarBufferInput& input,
                            std::span<Rect> rects);

// Maps value rectangles to pixels in place, each to the upright box around
// its mapped corners (as AffineTransform::apply does).
void rectsToPixels(std::span<Rect> rects, const AffineTransform& matrix);

// What a draw loop does with a bar's pixel rectangle: draw it, skip it (it
// lies before the content, or is not a finite rectangle), or stop (it and
// every later bar lie past the content). Vertical bars run left to right,
// horizontal ones bottom to top.
enum class BarCull { draw, skip, stop };
BarCull cullBar(BarDirection direction, const Rect& pixels, const ContentBounds& bounds);

// The shadow column behind the bar at x: the bar's width across the whole
// content (pixels).
Rect shadowColumn(BarDirection direction, double x, double barWidth, const AffineTransform& matrix,
                  const Rect& content);

// The rectangle of a highlighted bar or segment from y1 to y2 (value units),
// scaled toward 0 by the phase, in pixels.
Rect highlightRect(BarDirection direction, double x, double y1, double y2, double barWidthHalf,
                   const AffineTransform& matrix, double phaseY);

// The distance of a value label from its bar's end (the end away from 0,
// wherever the axis puts it on screen), for values >= 0 and for negative
// ones. Vertical bars: pixels added to the end's y for the label's top,
// 4.5 beyond the end (aboveBar) or inside the bar; on an inverted axis the
// ends are turned, and so are the offsets.
struct ValueLabelOffsets {
    double positive = 0;
    double negative = 0;
    friend bool operator==(const ValueLabelOffsets&, const ValueLabelOffsets&) = default;
};
ValueLabelOffsets verticalValueOffsets(bool aboveBar, bool inverted, double textHeight);
// Horizontal bars: pixels added to the end's x for the left edge of a text
// of the given width, 5 beyond the end or inside the bar.
ValueLabelOffsets horizontalValueOffsets(bool aboveBar, bool inverted, double textWidth);

// Whether a bar's end (the end away from 0) is its rectangle's top (right
// for horizontal bars) on screen: for values >= 0 unless the axis is
// inverted.
inline bool barEndsAtTop(double value, bool inverted) { return (value >= 0) != inverted; }

} // namespace charts
