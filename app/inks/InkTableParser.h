#pragma once
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "app/inks/InkTables.h"

namespace inks {

// The tables of an ink table text: one table a line, its name, then its values
// separated by commas; 256 values make a curve table, 63 (21 entries of L*, a*,
// b* in that order) a Lab table. Blank lines are skipped. Names are views into
// the given lines, which must outlive the result.
struct InkTableSet {
    std::vector<std::pair<std::string_view, InkCurveTable>> curves;
    std::vector<std::pair<std::string_view, InkLabTable>> labs;
};

// Numbers are read in C-locale syntax whatever the process locale. A line that
// is not a well-formed table, or a name given twice, stops the program: the
// data is built in, so a fault in it is a fault of the build.
InkTableSet parseInkTables(std::span<const std::string_view> lines);

} // namespace inks
