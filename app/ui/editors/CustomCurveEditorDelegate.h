#pragma once
#include <vector>

namespace appui {

// Receives the curve set the custom curve editor hands back when the user
// finishes: one 256-value curve per ink in quad units (0 to 65535), in the
// channel order it was given.
class CustomCurveEditorDelegate {
public:
    virtual ~CustomCurveEditorDelegate() = default;
    virtual void didUpdateCurves(const std::vector<std::vector<double>>& curves) = 0;
};

} // namespace appui
