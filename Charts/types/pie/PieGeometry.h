#pragma once
#include <cstdint>
#include <span>
#include <vector>

#include "Charts/drawing/Geometry.h"
#include "Charts/drawing/Path.h"

namespace charts {

// The geometry of a pie, as pure functions of the view's numbers. Angles are
// degrees, clockwise on screen from +x (see CircleGeometry.h).

// What a value gives its slice: its size |value|, or 0 for a value that is
// not finite.
double pieSliceSize(double value);
// The sizes of the values added up: the total the slices share (the first
// set's alone in a pie of several sets), so that its wedges close the
// circle once whatever the signs.
double pieSliceTotal(std::span<const double> values);

// The sweep of every slice and where each ends: pieSliceSize(value) / total
// × maxAngle, and the running sum of those. A total that is 0 or not finite
// (no values, all 0, sizes too large to add up) gives every slice 0.
struct PieSliceAngles {
    std::vector<double> drawAngles;
    std::vector<double> absoluteAngles;
};
PieSliceAngles pieSliceAngles(std::span<const double> values, double total, double maxAngle);

// The slice at an angle of the view: the first whose end lies beyond the
// angle taken relative to the rotation within one turn; -1 past the last.
std::int64_t pieIndexForAngle(double angle, double rotationAngle, std::span<const double> absoluteAngles);

// A slice's share of the circle in percent, as it is drawn: the value's
// size over the total the slices share (pieSliceTotal); 0 when the total is
// 0 or not finite.
double piePercentage(double value, double total);

// The square of the pie circle about the centre, shrunk on every side by
// the room a highlighted slice moves out.
Rect pieCircleBox(Point center, double radius, double selectionShift);

// Where a slice's marker stands: in the middle of its sweep, at 64 % of
// the radius, or halfway across the ring with a hole.
Point pieMarkerPosition(Point center, double radius, bool holeDrawn, double holeRadiusPercent, double rotationAngle,
                        double drawAngle, double absoluteAngle, double phaseY);

// The angle a gap of `space` points takes at a radius; none without a gap.
double sliceSpaceAngle(double space, double radius);

// The gap to keep between wedges: none when the set asks to drop it and
// the gap, as a share of the content's smaller side, is larger than twice
// the smallest slice's share of the total.
double effectiveSliceSpace(double sliceSpace, bool automaticallyDisable, Size content, double yMin, double yValueSum);

// How far from the centre the two straight edges of a spaced wedge of the
// given sweep keep the gap between them; may be negative.
double minimumRadiusForSpacedSlice(Point center, double radius, double angle, Point arcStart, double startAngle,
                                   double sweepAngle);

// One wedge. `angle` is where the slice starts before the rotation (the x
// phase applied), `sliceAngle` its sweep before the y phase. The inner edge
// and the gaps follow `radius`; the outer arc is drawn at `arcRadius`,
// larger for a highlighted wedge, which moves out and keeps its inner edge.
struct PieWedge {
    Point center;
    double radius = 0;
    double arcRadius = 0;
    double rotationAngle = 0;
    double angle = 0;
    double sliceAngle = 0;
    double phaseY = 1;
    double sliceSpace = 0;
    double innerRadius = 0;
    bool drawInnerArc = false;
};
// The closed outline: the outer arc clockwise, then the inner arc back (or
// the point where the gaps meet, or the centre).
Path pieWedgePath(const PieWedge& wedge);

// How far from the centre texts inside a slice stand: at 70 % of the
// radius, or halfway across the ring with a hole.
double pieLabelRadius(double radius, bool holeDrawn, double holeRadiusPercent);

// The line from a slice to its texts outside: from pt0 out to pt1 along the
// middle angle, then level to pt2. Texts end at textX (right-aligned, left
// half of the pie) or start there, with the first line's top at labelY.
struct PieValueLine {
    Point pt0;
    Point pt1;
    Point pt2;
    double textX = 0;
    bool rightAligned = false;
    double labelY = 0;
};
struct PieValueLineStyle {
    double part1OffsetPercentage = 0.75;
    double part1Length = 0.3;
    double part2Length = 0.4;
    bool variableLength = true;
};
PieValueLine pieValueLine(Point center, double radius, double labelRadius, double transformedAngle, bool holeDrawn,
                          double holeRadiusPercent, const PieValueLineStyle& style, double lineHeight);

} // namespace charts
