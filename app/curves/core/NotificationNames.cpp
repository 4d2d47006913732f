#include "app/curves/core/NotificationNames.h"

namespace curves {

namespace NotificationName {

const std::string& didUpdateColorInkLimits() {
    static const std::string name = "com.Vellumcrest.didUpdateColorInkLimits";
    return name;
}

const std::string& didUpdateBlendedQuadValues() {
    static const std::string name = "com.Vellumcrest.didUpdateBlendedQuadValues";
    return name;
}

const std::string& updatedColorInkArrays() {
    static const std::string name = "com.Vellumcrest.updatedColorInkArrays";
    return name;
}

const std::string& updatedManualCurveControl() {
    static const std::string name = "com.Vellumcrest.updatedManualCurveControl";
    return name;
}

const std::string& updatedV2ManualCurveControl() {
    static const std::string name = "com.Vellumcrest.updatedV2ManualCurveControl";
    return name;
}

} // namespace NotificationName

} // namespace curves
