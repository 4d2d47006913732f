#pragma once
#include <array>
#include <string_view>
#include <vector>

#include "app/curves/core/CIELab.h"

namespace inks {

// The built-in ink data: constant curve tables (the amount of one ink for input
// levels 0 to 255, in .quad units) and Lab tables (the colour printed at 21
// tone steps from paper to full tone), looked up by name. The tables are
// parsed once, on first use, from the data compiled into the program; the
// references handed out stay valid for the life of the program.

using InkCurveTable = std::array<double, 256>;
using InkLabTable = std::array<curves::CIELab, 21>;

// The named table; stops the program with "Unknown ink table <name>" when
// there is none of that name.
const InkCurveTable& inkCurve(std::string_view name);
const InkLabTable& inkLab(std::string_view name);

// The unnamed curve of 256 zeros that fills every unused channel.
const InkCurveTable& zeroInkCurve();

// The named table, or nullptr when there is none of that name.
const InkCurveTable* findInkCurve(std::string_view name);
const InkLabTable* findInkLab(std::string_view name);

// Every table name, in the order of the data file.
std::vector<std::string_view> inkCurveNames();
std::vector<std::string_view> inkLabNames();

} // namespace inks
