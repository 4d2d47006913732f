#pragma once
#include "Charts/data/LineScatterCandleRadarChartDataSet.h"

namespace charts {

// Adds the line width and the filled area under or inside the line.
class LineRadarChartDataSet : public LineScatterCandleRadarChartDataSet, public virtual ILineRadarChartDataSet {
public:
    LineRadarChartDataSet();
    LineRadarChartDataSet(Entries entries, std::optional<QString> label);

    QColor fillColor() const override { return fillColor_; }
    void setFillColor(const QColor& color) override;
    std::shared_ptr<Fill> fill() const override { return fill_; }
    void setFill(std::shared_ptr<Fill> fill) override { fill_ = std::move(fill); }
    double fillAlpha() const override { return fillAlpha_; }
    void setFillAlpha(double alpha) override { fillAlpha_ = alpha; }
    double lineWidth() const override { return lineWidth_; }
    void setLineWidth(double width) override;
    bool drawFilledEnabled() const override { return drawFilledEnabled_; }
    void setDrawFilledEnabled(bool enabled) override { drawFilledEnabled_ = enabled; }
    bool isDrawFilledEnabled() const override { return drawFilledEnabled(); }

protected:
    LineRadarChartDataSet(DeferBounds, Entries entries, std::optional<QString> label);
    std::shared_ptr<ChartBaseDataSet> makeBlank() const override;
    void copyInto(ChartBaseDataSet& target) const override;

private:
    QColor fillColor_;
    std::shared_ptr<Fill> fill_;
    double fillAlpha_ = 0.33;
    double lineWidth_ = 1.0;
    bool drawFilledEnabled_ = false;
};

} // namespace charts
