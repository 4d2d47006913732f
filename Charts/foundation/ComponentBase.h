#pragma once

namespace charts {

// The root of every chart component (axis, limit line, description, legend):
// an on/off switch and the distances between the component and its anchor.
// Subclasses change the offsets after this constructor has run.
class ComponentBase {
public:
    ComponentBase() = default;
    virtual ~ComponentBase() = default;
    ComponentBase(const ComponentBase&) = delete;
    ComponentBase& operator=(const ComponentBase&) = delete;

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }
    bool isEnabled() const { return enabled_; }
    double xOffset() const { return xOffset_; }
    void setXOffset(double offset) { xOffset_ = offset; }
    double yOffset() const { return yOffset_; }
    void setYOffset(double offset) { yOffset_ = offset; }

private:
    bool enabled_ = true;
    double xOffset_ = 5.0;
    double yOffset_ = 5.0;
};

} // namespace charts
