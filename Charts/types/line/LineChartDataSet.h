#pragma once
#include "Charts/data/LineRadarChartDataSet.h"
#include "Charts/types/line/ILineChartDataSet.h"

namespace charts {

// The line chart's data set: drawing mode, curve intensity, circles at the
// points, dashes, line caps and the fill formatter.
class LineChartDataSet : public LineRadarChartDataSet, public virtual ILineChartDataSet {
public:
    using Mode = LineChartMode;

    LineChartDataSet();
    LineChartDataSet(Entries entries, std::optional<QString> label);

    Mode mode() const override { return mode_; }
    void setMode(Mode mode) override { mode_ = mode; }
    double cubicIntensity() const override { return cubicIntensity_; }
    void setCubicIntensity(double intensity) override;
    double circleRadius() const override { return circleRadius_; }
    void setCircleRadius(double radius) override { circleRadius_ = radius; }
    double circleHoleRadius() const override { return circleHoleRadius_; }
    void setCircleHoleRadius(double radius) override { circleHoleRadius_ = radius; }

    const std::vector<QColor>& circleColors() const override { return circleColors_; }
    void setCircleColors(std::vector<QColor> colors) override { circleColors_ = std::move(colors); }
    std::optional<QColor> getCircleColor(std::int64_t index) const override;
    void setCircleColor(const QColor& color) override;
    // Empties the circle colours; the index has no effect.
    void resetCircleColors(std::int64_t index) override;

    bool drawCirclesEnabled() const override { return drawCirclesEnabled_; }
    void setDrawCirclesEnabled(bool enabled) override { drawCirclesEnabled_ = enabled; }
    bool isDrawCirclesEnabled() const override { return drawCirclesEnabled(); }
    std::optional<QColor> circleHoleColor() const override { return circleHoleColor_; }
    void setCircleHoleColor(std::optional<QColor> color) override { circleHoleColor_ = std::move(color); }
    bool drawCircleHoleEnabled() const override { return drawCircleHoleEnabled_; }
    void setDrawCircleHoleEnabled(bool enabled) override { drawCircleHoleEnabled_ = enabled; }
    bool isDrawCircleHoleEnabled() const override { return drawCircleHoleEnabled(); }

    double lineDashPhase() const override { return lineDashPhase_; }
    virtual void setLineDashPhase(double phase) { lineDashPhase_ = phase; }
    std::optional<std::vector<double>> lineDashLengths() const override { return lineDashLengths_; }
    void setLineDashLengths(std::optional<std::vector<double>> lengths) override {
        lineDashLengths_ = std::move(lengths);
    }
    Qt::PenCapStyle lineCapType() const override { return lineCapType_; }
    void setLineCapType(Qt::PenCapStyle cap) override { lineCapType_ = cap; }

    std::shared_ptr<IFillFormatter> fillFormatter() const override { return fillFormatter_; }
    void setFillFormatter(std::shared_ptr<IFillFormatter> formatter) override;

protected:
    LineChartDataSet(DeferBounds, Entries entries, std::optional<QString> label);
    std::shared_ptr<ChartBaseDataSet> makeBlank() const override;
    void copyInto(ChartBaseDataSet& target) const override;

private:
    Mode mode_ = Mode::linear;
    double cubicIntensity_ = 0.2;
    double circleRadius_ = 8.0;
    double circleHoleRadius_ = 4.0;
    std::vector<QColor> circleColors_;
    bool drawCirclesEnabled_ = true;
    std::optional<QColor> circleHoleColor_ = QColor(Qt::white);
    bool drawCircleHoleEnabled_ = true;
    double lineDashPhase_ = 0;
    std::optional<std::vector<double>> lineDashLengths_;
    // Butt ends: the line stops exactly at its end points.
    Qt::PenCapStyle lineCapType_ = Qt::FlatCap;
    std::shared_ptr<IFillFormatter> fillFormatter_;
};

} // namespace charts
