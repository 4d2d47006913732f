#pragma once
#include <algorithm>
#include <cstdint>
#include <vector>

#include <QString>

#include "Charts/drawing/Geometry.h"
#include "Charts/render/CircleGeometry.h"

namespace charts {

// The geometry of a radar chart as pure functions of the view's numbers.
// Entry i of every set lies on spoke i; angles are degrees, clockwise on
// screen from +x (see CircleGeometry.h).

// The web's radius: half the content's smaller side.
inline double radarRadius(const Rect& content) { return std::min(content.width() / 2, content.height() / 2); }

// Points per value unit: the radius over the y axis's range.
inline double radarFactor(const Rect& content, double yRange) { return radarRadius(content) / yRange; }

// Degrees between two spokes: 360 over the largest set's entry count
// (infinite without entries).
inline double radarSliceAngle(std::int64_t spokeCount) { return 360.0 / static_cast<double>(spokeCount); }

// The spoke nearest an angle of the view: the first whose half slice past
// it lies beyond the angle taken relative to the rotation; `spokeCount`, one
// past the last, for the half slice before the first spoke; 0 without
// spokes.
std::int64_t radarIndexForAngle(double angle, double rotationAngle, std::int64_t spokeCount, double sliceAngle);

// Every (skip + 1)-th spoke of the web is drawn. The step never exceeds one
// past the spoke count: more skipped spokes than there are leave the first
// alone, and the loop over the spokes cannot overflow whatever count the
// view holds.
inline std::int64_t radarWebSpokeStep(std::int64_t skipCount, std::int64_t spokeCount) {
    return std::clamp<std::int64_t>(skipCount, 0, std::max<std::int64_t>(spokeCount, 0)) + 1;
}

// How far out from the centre a value stands, in value units: its height
// above the axis minimum. A value below the minimum stands at the centre: a
// negative distance would carry it past the centre onto the opposite spoke,
// where it would read as a value it is not. NaN stays NaN.
inline double radarHeightAboveMinimum(double value, double yMin) {
    const double above = value - yMin;
    return above < 0 ? 0 : above;
}

// Where a value stands on a spoke: its height above the axis minimum times
// the factor, along the spoke's direction; both phases of an animation
// scale the angle step and the distance.
struct RadarFrameGeometry {
    Point center;
    double rotationAngle = 0;
    double sliceAngle = 0;
    double factor = 0;
    double yMin = 0;
    double phaseX = 1;
    double phaseY = 1;

    double spokeAngle(double index) const { return rotationAngle + sliceAngle * index * phaseX; }
    double distance(double value) const { return radarHeightAboveMinimum(value, yMin) * factor * phaseY; }
    Point point(double index, double value) const { return pointOnCircle(center, distance(value), spokeAngle(index)); }
};

// One spoke's accessibility text: its x label, its value and its index,
// the spokes ordered by value, largest first (equal values keep their
// order).
struct RadarSpokeValue {
    QString xLabel;
    double value = 0;
    std::int64_t index = 0;
};
std::vector<RadarSpokeValue> radarSpokesByValue(const std::vector<double>& values, const std::vector<QString>& xLabels);

// A set's header: "<label>. <n> <prefix>s. " ("Item" without a prefix, no s
// for one entry).
QString radarSetHeaderLabel(const QString& label, std::int64_t entryCount, const std::optional<QString>& prefix);

// A point: "<set label> - <x label>: <value> <suffix>", the value in its
// shortest exact text ("5.0", "12.5").
QString radarPointLabel(const QString& setLabel, const QString& xLabel, double value,
                        const std::optional<QString>& suffix);

} // namespace charts
