#include "app/curves/core/RegularExpressionChecks.h"

#include "platform/Log.h"

namespace curves {

namespace RegularExpressionChecks {

std::regex compileOrMatchAll(const std::string& pattern) {
    try {
        return std::regex(pattern, std::regex::ECMAScript);
    } catch (const std::regex_error&) {
        platform::devLog("Failed to parse " + pattern + " as a regular expression");
        return std::regex(".*", std::regex::ECMAScript);
    }
}

bool finds(const std::regex& pattern, std::string_view text) {
    return std::regex_search(text.begin(), text.end(), pattern);
}

// Function-local statics: compiled once, thread-safely, on first use.
#define TINTSMITH_PATTERN(function, text)                                                                              \
    const std::regex& function() {                                                                                     \
        static const std::regex compiled = compileOrMatchAll(text);                                                    \
        return compiled;                                                                                               \
    }

TINTSMITH_PATTERN(cgats, "^CGATS")
TINTSMITH_PATTERN(lgoRowLength, "^LGOROWLENGTH")
TINTSMITH_PATTERN(beginDataFormat, "^BEGIN_DATA_FORMAT")
TINTSMITH_PATTERN(cti3, "^CTI3")
TINTSMITH_PATTERN(gray, "^GRAY")
TINTSMITH_PATTERN(name, "^Name")
TINTSMITH_PATTERN(qtrLinearizeData, "^QTR-Linearize-Data")
TINTSMITH_PATTERN(qtrCreateICC, "^QTR-Create-ICC")
TINTSMITH_PATTERN(spyderPrintNumeric, R"(^1|([0-9]{2})\.([0-9]{0,2})|([0-9]{2})\,([0-9]{0,2}))")
TINTSMITH_PATTERN(lStarHeader, R"(^L\*)")
TINTSMITH_PATTERN(patch, "^Patch")
TINTSMITH_PATTERN(tintsmith, "^Tintsmith")
TINTSMITH_PATTERN(density, "^Density")

#undef TINTSMITH_PATTERN

} // namespace RegularExpressionChecks

} // namespace curves
