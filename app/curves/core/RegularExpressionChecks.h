#pragma once
#include <regex>
#include <string>
#include <string_view>

namespace curves {

// The first-line patterns of the measurement formats, each compiled once on
// first use and kept for the life of the process. No matching options: the
// search is case-sensitive and "^" anchors at the start of the line only.
namespace RegularExpressionChecks {

const std::regex& cgats();            // "^CGATS"
const std::regex& lgoRowLength();     // "^LGOROWLENGTH"
const std::regex& beginDataFormat();  // "^BEGIN_DATA_FORMAT"
const std::regex& cti3();             // "^CTI3"
const std::regex& gray();             // "^GRAY"
const std::regex& name();             // "^Name"
const std::regex& qtrLinearizeData(); // "^QTR-Linearize-Data"
const std::regex& qtrCreateICC();     // "^QTR-Create-ICC"
// "^1|([0-9]{2})\.([0-9]{0,2})|([0-9]{2})\,([0-9]{0,2})": the "^" binds to the
// first alternative only, so any line holding a number like 94.12 or 94,1 matches.
const std::regex& spyderPrintNumeric();
const std::regex& lStarHeader(); // "^L\*"
const std::regex& patch();       // "^Patch"
const std::regex& tintsmith();   // "^Tintsmith"
const std::regex& density();     // "^Density"

// Compiles a pattern; one that does not compile is logged as
// "Failed to parse <pattern> as a regular expression" and replaced by ".*".
std::regex compileOrMatchAll(const std::string& pattern);

// Whether the pattern finds a match anywhere in the text.
bool finds(const std::regex& pattern, std::string_view text);

} // namespace RegularExpressionChecks

} // namespace curves
