#pragma once
#include <optional>

#include "Charts/foundation/AxisBase.h"

namespace charts {

// The horizontal axis. The renderer measures its labels and stores the sizes
// here; the range follows the base rule.
class XAxis : public AxisBase {
public:
    enum class LabelPosition { top = 0, bottom = 1, bothSided = 2, topInside = 3, bottomInside = 4 };
    static constexpr int rawValue(LabelPosition position) { return static_cast<int>(position); }
    static constexpr std::optional<LabelPosition> labelPositionFromRawValue(int raw) {
        if (raw < 0 || raw > 4) return std::nullopt;
        return static_cast<LabelPosition>(raw);
    }

    XAxis() { setYOffset(4.0); }

    double labelWidth() const { return labelWidth_; }
    void setLabelWidth(double width) { labelWidth_ = width; }
    double labelHeight() const { return labelHeight_; }
    void setLabelHeight(double height) { labelHeight_ = height; }
    double labelRotatedWidth() const { return labelRotatedWidth_; }
    void setLabelRotatedWidth(double width) { labelRotatedWidth_ = width; }
    double labelRotatedHeight() const { return labelRotatedHeight_; }
    void setLabelRotatedHeight(double height) { labelRotatedHeight_ = height; }
    // Degrees.
    double labelRotationAngle() const { return labelRotationAngle_; }
    void setLabelRotationAngle(double degrees) { labelRotationAngle_ = degrees; }
    bool avoidFirstLastClippingEnabled() const { return avoidFirstLastClippingEnabled_; }
    void setAvoidFirstLastClippingEnabled(bool enabled) { avoidFirstLastClippingEnabled_ = enabled; }
    bool isAvoidFirstLastClippingEnabled() const { return avoidFirstLastClippingEnabled_; }
    LabelPosition labelPosition() const { return labelPosition_; }
    void setLabelPosition(LabelPosition position) { labelPosition_ = position; }
    bool wordWrapEnabled() const { return wordWrapEnabled_; }
    void setWordWrapEnabled(bool enabled) { wordWrapEnabled_ = enabled; }
    bool isWordWrapEnabled() const { return wordWrapEnabled_; }
    // With word wrap, the widest label as a share of one x unit in pixels.
    double wordWrapWidthPercent() const { return wordWrapWidthPercent_; }
    void setWordWrapWidthPercent(double percent) { wordWrapWidthPercent_ = percent; }

private:
    double labelWidth_ = 1.0;
    double labelHeight_ = 1.0;
    double labelRotatedWidth_ = 1.0;
    double labelRotatedHeight_ = 1.0;
    double labelRotationAngle_ = 0;
    bool avoidFirstLastClippingEnabled_ = false;
    LabelPosition labelPosition_ = LabelPosition::top;
    bool wordWrapEnabled_ = false;
    double wordWrapWidthPercent_ = 1.0;
};

} // namespace charts
