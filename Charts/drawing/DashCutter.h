#pragma once
#include <QList>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <cstddef>
#include <optional>
#include <span>

namespace charts {

// Whether dash lengths make a dash pattern: each finite and not negative,
// and something to draw (a sum above 0). Other lists stroke solid.
bool usableDashLengths(std::span<const double> lengths);

// The dashes of a dashed stroke as open subpaths, to be stroked solid with
// the same width, caps and joins. `subpaths` are the flattened subpaths of
// the stroked path (a closed one ends on its first point). The pattern is in
// the same units: an odd list repeats once to make pairs, "on" first, and at
// the start of every subpath it begins `phase` into itself (a phase that is
// not finite counts as 0). None when the dashes would exceed `pieceLimit`
// pieces, or the lengths are not usable.
std::optional<QPainterPath> cutDashes(const QList<QPolygonF>& subpaths, std::span<const double> lengths, double phase,
                                      std::size_t pieceLimit);

// How many times a transform widens a pen, as Qt's raster engine judges
// whether a pen is thin: the longer axis vector, read by rows and by columns,
// whichever reading is smaller (a pen thin by either counts as thin).
double penWidthScale(const QTransform& transform);

} // namespace charts
