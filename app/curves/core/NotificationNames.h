#pragma once
#include <string>

namespace curves {

// The process-wide names by which screens and panels talk through
// platform::NotificationCenter; each is made once, on first use.
namespace NotificationName {
const std::string& didUpdateColorInkLimits();
const std::string& didUpdateBlendedQuadValues();
const std::string& updatedColorInkArrays();
const std::string& updatedManualCurveControl();
const std::string& updatedV2ManualCurveControl();
} // namespace NotificationName

} // namespace curves
