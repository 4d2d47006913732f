#pragma once
#include <vector>

#include "app/curves/core/CIELab.h"

namespace curves {

// Input positions of measured patches (a wedge's GRAY or device values), one
// per sample, on whatever scale the file uses.

// Positions are usable when every one is a finite number and there are at
// least two different ones.
bool positionsAreUsable(const std::vector<double>& positions);

// Whether positions, in the order read, run evenly: rising or falling (a
// patch measured several times repeats its position), every distinct
// position repeated equally often, and neighbouring distinct positions
// equally far apart, within a tenth of a step (files round their values).
// Such a wedge reads exactly as evenly spaced steps in file order.
bool positionsRunEvenly(const std::vector<double>& positions);

struct PositionedSteps {
    std::vector<CIELab> steps;     // one mean per distinct position
    std::vector<double> positions; // ascending
};

// The samples grouped by equal position, each group averaged channel by
// channel, in ascending order of position.
PositionedSteps averageByPosition(const std::vector<CIELab>& samples, const std::vector<double>& positions);

// The input percentage (0 to 100) of step `row` of `rowCount`: with one
// position per step (a wedge printed at uneven steps), where the step lies
// between the lowest and the highest position, as the resampling spreads
// them; otherwise row x 100 / (rowCount - 1) of even steps, and 0 for fewer
// than two steps.
double stepInputPercentage(int row, int rowCount, const std::vector<double>& positions = {});

} // namespace curves
