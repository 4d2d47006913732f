#pragma once
#include <vector>

#include "app/curves/exports/PhotoshopCurve.h"

namespace curves {

// The correction as an image editor applies it. The correction curve lives
// in ink space: for each output step, from no ink (0) to full ink (255), the
// input position 0 to 100 that prints the target tone. An image editor's
// curve maps pixel levels, black (0) to white (255). Both image exports of
// the linearization screen, the .acv curve and the .cube table, start from
// the one conversion below, so they correct in the same direction as the
// linearized .quad.

// The image-space curve of a correction: y[i] = |c[n - 1 - i] - 100|, the
// correction turned upside down and reversed, so that pixel level i (of n,
// black first) becomes y[i] percent. For a correction within 0 to 100 that is
// 100 - c[n - 1 - i]; a .cube row i is y[i] / 100 = 1 - c[n - 1 - i] / 100.
std::vector<double> imageSpaceCurve(const std::vector<double>& correction);

// The .acv points of an image-space curve (256 values, percent), as (output,
// input) pairs in compCurvePoints; the other point lists keep their identity
// defaults. The points run from (0, 0) to (255, 255), at most 16 of them,
// each more than 3 levels from its neighbours in output and in input. First
// the even samples: from input level 1 on, every 18th level (1, 19, 37, ...,
// 253) whose output, trunc(y / 100 x 255), keeps apart from the last point
// taken, then those at the end that do not keep apart from (255, 255)
// dropped. The levels a reader draws through them (acv::drawnLevels) are
// compared with those it draws for the .cube of the same curve
// (acv::tableLevel of y / 100); where they differ by more than 2 levels, or
// fall where the table does not, the points are placed instead
// (acv::placeKnots) unless the even samples come within a level of the
// placed points at their worst with no more falls. Placing needs a curve
// whose ends lie within 2 levels of (0, 0) and (255, 255) and a finite value
// at every level; otherwise the even samples stay. Levels beyond the curve's
// end and values that are not finite are passed over; outputs are kept to 0
// to 255.
PhotoshopCurve_UInt16 makeAcvCurvePoints(const std::vector<double>& imageCurve);

} // namespace curves
