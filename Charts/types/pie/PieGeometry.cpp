#include "Charts/types/pie/PieGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Charts/render/CircleGeometry.h"

namespace charts {

namespace {

bool isUsableTotal(double total) { return total != 0 && std::isfinite(total); }

Point midpoint(Point a, Point b) { return Point{(a.x + b.x) / 2, (a.y + b.y) / 2}; }

} // namespace

double pieSliceSize(double value) { return std::isfinite(value) ? std::fabs(value) : 0.0; }

double pieSliceTotal(std::span<const double> values) {
    double total = 0;
    for (const double value : values) total += pieSliceSize(value);
    return total;
}

PieSliceAngles pieSliceAngles(std::span<const double> values, double total, double maxAngle) {
    PieSliceAngles angles;
    angles.drawAngles.reserve(values.size());
    angles.absoluteAngles.reserve(values.size());
    const bool usable = isUsableTotal(total);
    for (const double value : values) {
        const double sweep = usable ? pieSliceSize(value) / total * maxAngle : 0.0;
        angles.drawAngles.push_back(sweep);
        angles.absoluteAngles.push_back(angles.absoluteAngles.empty() ? sweep : angles.absoluteAngles.back() + sweep);
    }
    return angles;
}

std::int64_t pieIndexForAngle(double angle, double rotationAngle, std::span<const double> absoluteAngles) {
    const double a = normalizedAngle(angle - rotationAngle);
    for (std::size_t i = 0; i < absoluteAngles.size(); ++i)
        if (a < absoluteAngles[i]) return static_cast<std::int64_t>(i);
    return -1;
}

double piePercentage(double value, double total) {
    return isUsableTotal(total) ? pieSliceSize(value) / total * 100.0 : 0.0;
}

Rect pieCircleBox(Point center, double radius, double selectionShift) {
    const double side = 2 * radius - 2 * selectionShift;
    return Rect(center.x - radius + selectionShift, center.y - radius + selectionShift, side, side);
}

double pieLabelRadius(double radius, bool holeDrawn, double holeRadiusPercent) {
    const double offset = holeDrawn ? (radius - radius * holeRadiusPercent) / 2 : radius / 10 * 3;
    return radius - offset;
}

Point pieMarkerPosition(Point center, double radius, bool holeDrawn, double holeRadiusPercent, double rotationAngle,
                        double drawAngle, double absoluteAngle, double phaseY) {
    // Markers sit a little nearer the centre than the texts (3.6 tenths of
    // the radius in, where the texts stand 3 in).
    const double offset = holeDrawn ? (radius - radius * holeRadiusPercent) / 2 : radius / 10 * 3.6;
    const double angle = (rotationAngle + absoluteAngle - drawAngle / 2) * phaseY;
    return pointOnCircle(center, radius - offset, angle);
}

double sliceSpaceAngle(double space, double radius) {
    if (space == 0) return 0;
    return space / (std::numbers::pi / 180.0 * radius);
}

double effectiveSliceSpace(double sliceSpace, bool automaticallyDisable, Size content, double yMin, double yValueSum) {
    if (!automaticallyDisable) return sliceSpace;
    // No total, no slices to keep apart.
    if (!isUsableTotal(yValueSum)) return 0;
    const double spaceSizeRatio = sliceSpace / std::min(content.width, content.height);
    const double minValueRatio = yMin / yValueSum * 2;
    return spaceSizeRatio > minValueRatio ? 0 : sliceSpace;
}

double minimumRadiusForSpacedSlice(Point center, double radius, double angle, Point arcStart, double startAngle,
                                   double sweepAngle) {
    const double angleMiddle = startAngle + sweepAngle / 2;
    const Point arcEnd = pointOnCircle(center, radius, startAngle + sweepAngle);
    const Point arcMid = pointOnCircle(center, radius, angleMiddle);
    const double basePointsDistance = distanceBetween(arcStart, arcEnd);
    const double containedTriangleHeight = basePointsDistance / 2 * std::tan(degreesToRadians((180.0 - angle) / 2));
    return radius - containedTriangleHeight - distanceBetween(arcMid, midpoint(arcStart, arcEnd));
}

Path pieWedgePath(const PieWedge& w) {
    const double outerSpaceAngle = sliceSpaceAngle(w.sliceSpace, w.radius);
    const double arcSpaceAngle = sliceSpaceAngle(w.sliceSpace, w.arcRadius);
    const bool accountForSliceSpacing = w.sliceSpace > 0 && w.sliceAngle <= 180;

    const double startAngleOuter = w.rotationAngle + (w.angle + outerSpaceAngle / 2) * w.phaseY;
    const double sweepAngleOuter = std::max(0.0, (w.sliceAngle - outerSpaceAngle) * w.phaseY);
    const double startAngleArc = w.rotationAngle + (w.angle + arcSpaceAngle / 2) * w.phaseY;
    const double sweepAngleArc = std::max(0.0, (w.sliceAngle - arcSpaceAngle) * w.phaseY);
    const Point arcStart = pointOnCircle(w.center, w.radius, startAngleOuter);

    Path path;
    path.moveTo(pointOnCircle(w.center, w.arcRadius, startAngleArc));
    path.addRelativeArc(w.center, w.arcRadius, degreesToRadians(startAngleArc), degreesToRadians(sweepAngleArc));

    const auto spacedRadius = [&] {
        return minimumRadiusForSpacedSlice(w.center, w.radius, w.sliceAngle * w.phaseY, arcStart, startAngleOuter,
                                           sweepAngleOuter);
    };
    if (w.drawInnerArc && (w.innerRadius > 0 || accountForSliceSpacing)) {
        double innerRadius = w.innerRadius;
        if (accountForSliceSpacing) innerRadius = std::min(std::max(innerRadius, std::fabs(spacedRadius())), w.radius);
        const double innerSpaceAngle = innerRadius == 0 ? 0 : sliceSpaceAngle(w.sliceSpace, innerRadius);
        const double startAngleInner = w.rotationAngle + (w.angle + innerSpaceAngle / 2) * w.phaseY;
        const double sweepAngleInner = std::max(0.0, (w.sliceAngle - innerSpaceAngle) * w.phaseY);
        const double endAngleInner = startAngleInner + sweepAngleInner;
        path.lineTo(pointOnCircle(w.center, innerRadius, endAngleInner));
        path.addRelativeArc(w.center, innerRadius, degreesToRadians(endAngleInner), degreesToRadians(-sweepAngleInner));
    } else if (accountForSliceSpacing) {
        const double angleMiddle = startAngleOuter + sweepAngleOuter / 2;
        path.lineTo(pointOnCircle(w.center, spacedRadius(), angleMiddle));
    } else {
        path.lineTo(w.center);
    }
    path.closeSubpath();
    return path;
}

PieValueLine pieValueLine(Point center, double radius, double labelRadius, double transformedAngle, bool holeDrawn,
                          double holeRadiusPercent, const PieValueLineStyle& style, double lineHeight) {
    const double line1Radius =
        holeDrawn ? (radius - radius * holeRadiusPercent) * style.part1OffsetPercentage + radius * holeRadiusPercent
                  : radius * style.part1OffsetPercentage;
    const double a = degreesToRadians(transformedAngle);
    const double sliceXBase = std::cos(a);
    const double sliceYBase = std::sin(a);
    const double polyline2Length = style.variableLength ? labelRadius * style.part2Length * std::fabs(sliceYBase)
                                                        : labelRadius * style.part2Length;
    PieValueLine line;
    line.pt0 = Point{center.x + line1Radius * sliceXBase, center.y + line1Radius * sliceYBase};
    const double outer = labelRadius * (1 + style.part1Length);
    line.pt1 = Point{center.x + outer * sliceXBase, center.y + outer * sliceYBase};
    // The left half, the bottom and top points included, takes its texts to
    // the left.
    const double remainder = std::fmod(transformedAngle, 360.0);
    line.rightAligned = remainder >= 90 && remainder <= 270;
    if (line.rightAligned) {
        line.pt2 = Point{line.pt1.x - polyline2Length, line.pt1.y};
        line.textX = line.pt2.x - 5;
    } else {
        line.pt2 = Point{line.pt1.x + polyline2Length, line.pt1.y};
        line.textX = line.pt2.x + 5;
    }
    line.labelY = line.pt1.y - lineHeight;
    return line;
}

} // namespace charts
