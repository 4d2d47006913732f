#pragma once
#include <memory>
#include <optional>
#include <vector>

#include <QColor>
#include <QFont>
#include <QString>

#include "Charts/foundation/ComponentBase.h"

namespace charts {

// One value marked on an axis by a straight line with an optional label. The
// axis renderers draw it; it draws nothing itself.
class ChartLimitLine : public ComponentBase {
public:
    // The corner of the line at which its label stands.
    enum class LabelPosition { topLeft = 0, topRight = 1, bottomLeft = 2, bottomRight = 3 };
    static constexpr int rawValue(LabelPosition position) { return static_cast<int>(position); }
    static constexpr std::optional<LabelPosition> labelPositionFromRawValue(int raw) {
        if (raw < 0 || raw > 3) return std::nullopt;
        return static_cast<LabelPosition>(raw);
    }

    static constexpr double minimumLineWidth = 0.2;
    static constexpr double maximumLineWidth = 12.0;

    ChartLimitLine();
    explicit ChartLimitLine(double limit);
    ChartLimitLine(double limit, QString label);

    double limit() const { return limit_; }
    void setLimit(double limit) { limit_ = limit; }
    double lineWidth() const { return lineWidth_; }
    // Kept within 0.2 to 12.
    void setLineWidth(double width);
    const QColor& lineColor() const { return lineColor_; }
    void setLineColor(const QColor& color) { lineColor_ = color; }
    double lineDashPhase() const { return lineDashPhase_; }
    void setLineDashPhase(double phase) { lineDashPhase_ = phase; }
    // None draws the line solid.
    const std::optional<std::vector<double>>& lineDashLengths() const { return lineDashLengths_; }
    void setLineDashLengths(std::optional<std::vector<double>> lengths) { lineDashLengths_ = std::move(lengths); }
    const QColor& valueTextColor() const { return valueTextColor_; }
    void setValueTextColor(const QColor& color) { valueTextColor_ = color; }
    const QFont& valueFont() const { return valueFont_; }
    void setValueFont(const QFont& font) { valueFont_ = font; }
    // An empty label is never drawn, whatever this says.
    bool drawLabelEnabled() const { return drawLabelEnabled_; }
    void setDrawLabelEnabled(bool enabled) { drawLabelEnabled_ = enabled; }
    const QString& label() const { return label_; }
    void setLabel(QString label) { label_ = std::move(label); }
    LabelPosition labelPosition() const { return labelPosition_; }
    void setLabelPosition(LabelPosition position) { labelPosition_ = position; }

private:
    double limit_ = 0;
    double lineWidth_ = 2.0;
    QColor lineColor_;
    double lineDashPhase_ = 0;
    std::optional<std::vector<double>> lineDashLengths_;
    QColor valueTextColor_;
    QFont valueFont_;
    bool drawLabelEnabled_ = true;
    QString label_;
    LabelPosition labelPosition_ = LabelPosition::topRight;
};

using ChartLimitLinePtr = std::shared_ptr<ChartLimitLine>;

} // namespace charts
