#pragma once
#include <limits>
#include <optional>
#include <vector>

#include <QColor>

#include "Charts/drawing/Geometry.h"
#include "Charts/drawing/TextAttributes.h"
#include "Charts/foundation/AxisBase.h"

namespace charts {

// A vertical axis on the left or the right of a chart. Its range pads the
// data by fractions of the data range, and it tells how much room its labels
// need beside the content.
class YAxis : public AxisBase {
public:
    enum class AxisDependency { left = 0, right = 1 };
    static constexpr int rawValue(AxisDependency axis) { return static_cast<int>(axis); }
    // Any integer other than 0 and 1 names no side.
    static constexpr std::optional<AxisDependency> axisDependencyFromRawValue(int raw) {
        if (raw < 0 || raw > 1) return std::nullopt;
        return static_cast<AxisDependency>(raw);
    }

    enum class LabelPosition { outsideChart = 0, insideChart = 1 };
    static constexpr int rawValue(LabelPosition position) { return static_cast<int>(position); }
    static constexpr std::optional<LabelPosition> labelPositionFromRawValue(int raw) {
        if (raw < 0 || raw > 1) return std::nullopt;
        return static_cast<LabelPosition>(raw);
    }

    YAxis() : YAxis(AxisDependency::left) {}
    explicit YAxis(AxisDependency position);

    AxisDependency axisDependency() const { return axisDependency_; }

    bool drawBottomYLabelEntryEnabled() const { return drawBottomYLabelEntryEnabled_; }
    void setDrawBottomYLabelEntryEnabled(bool enabled) { drawBottomYLabelEntryEnabled_ = enabled; }
    bool isDrawBottomYLabelEntryEnabled() const { return drawBottomYLabelEntryEnabled_; }
    bool drawTopYLabelEntryEnabled() const { return drawTopYLabelEntryEnabled_; }
    void setDrawTopYLabelEntryEnabled(bool enabled) { drawTopYLabelEntryEnabled_ = enabled; }
    bool isDrawTopYLabelEntryEnabled() const { return drawTopYLabelEntryEnabled_; }
    // Larger values lie lower on screen.
    bool inverted() const { return inverted_; }
    void setInverted(bool inverted) { inverted_ = inverted; }
    bool isInverted() const { return inverted_; }
    bool drawZeroLineEnabled() const { return drawZeroLineEnabled_; }
    void setDrawZeroLineEnabled(bool enabled) { drawZeroLineEnabled_ = enabled; }
    const std::optional<QColor>& zeroLineColor() const { return zeroLineColor_; }
    void setZeroLineColor(std::optional<QColor> color) { zeroLineColor_ = std::move(color); }
    double zeroLineWidth() const { return zeroLineWidth_; }
    void setZeroLineWidth(double width) { zeroLineWidth_ = width; }
    double zeroLineDashPhase() const { return zeroLineDashPhase_; }
    void setZeroLineDashPhase(double phase) { zeroLineDashPhase_ = phase; }
    const std::optional<std::vector<double>>& zeroLineDashLengths() const { return zeroLineDashLengths_; }
    void setZeroLineDashLengths(std::optional<std::vector<double>> lengths) {
        zeroLineDashLengths_ = std::move(lengths);
    }
    // Room above the highest and below the lowest value, as fractions of the
    // value range.
    double spaceTop() const { return spaceTop_; }
    void setSpaceTop(double space) { spaceTop_ = space; }
    double spaceBottom() const { return spaceBottom_; }
    void setSpaceBottom(double space) { spaceBottom_ = space; }
    LabelPosition labelPosition() const { return labelPosition_; }
    void setLabelPosition(LabelPosition position) { labelPosition_ = position; }
    // Where a renderer asks for it (the radar chart's y axis).
    TextAlignment labelAlignment() const { return labelAlignment_; }
    void setLabelAlignment(TextAlignment alignment) { labelAlignment_ = alignment; }
    double labelXOffset() const { return labelXOffset_; }
    void setLabelXOffset(double offset) { labelXOffset_ = offset; }
    double minWidth() const { return minWidth_; }
    void setMinWidth(double width) { minWidth_ = width; }
    // 0 or less: no limit.
    double maxWidth() const { return maxWidth_; }
    void setMaxWidth(double width) { maxWidth_ = width; }

    // The room the longest label needs with the offsets on both sides; the
    // width kept within minWidth and maxWidth (a NaN width gives minWidth).
    virtual Size requiredSize();
    virtual double getRequiredHeightSpace() { return requiredSize().height; }

    // Enabled, labels on and outside the content: the chart reserves the
    // labels' width beside the content.
    virtual bool needsOffset() const;

    void calculate(double dataMin, double dataMax) override;

private:
    bool drawBottomYLabelEntryEnabled_ = true;
    bool drawTopYLabelEntryEnabled_ = true;
    bool inverted_ = false;
    bool drawZeroLineEnabled_ = false;
    std::optional<QColor> zeroLineColor_;
    double zeroLineWidth_ = 1.0;
    double zeroLineDashPhase_ = 0;
    std::optional<std::vector<double>> zeroLineDashLengths_;
    double spaceTop_ = 0.1;
    double spaceBottom_ = 0.1;
    LabelPosition labelPosition_ = LabelPosition::outsideChart;
    TextAlignment labelAlignment_ = TextAlignment::left;
    double labelXOffset_ = 0;
    AxisDependency axisDependency_ = AxisDependency::left;
    double minWidth_ = 0;
    double maxWidth_ = std::numeric_limits<double>::infinity();
};

} // namespace charts
