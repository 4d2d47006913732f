#pragma once

namespace appui {

// What the curve editors tell the dialog that hosts them.
class ManualCurveEditorDelegate {
public:
    virtual ~ManualCurveEditorDelegate() = default;
    // The output curve was recomputed.
    virtual void curveDidChange() = 0;
    // The point now being edited, or the place clicked, in view coordinates.
    virtual void pointDidChange(double x, double y) = 0;
};

} // namespace appui
