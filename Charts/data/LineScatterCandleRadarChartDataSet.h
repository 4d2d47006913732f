#pragma once
#include "Charts/data/BarLineScatterCandleBubbleChartDataSet.h"

namespace charts {

// Adds whether a highlight draws its horizontal and vertical lines.
class LineScatterCandleRadarChartDataSet : public BarLineScatterCandleBubbleChartDataSet,
                                           public virtual ILineScatterCandleRadarChartDataSet {
public:
    LineScatterCandleRadarChartDataSet();
    LineScatterCandleRadarChartDataSet(Entries entries, std::optional<QString> label);

    bool drawHorizontalHighlightIndicatorEnabled() const override { return drawHorizontalHighlightIndicator_; }
    void setDrawHorizontalHighlightIndicatorEnabled(bool enabled) override {
        drawHorizontalHighlightIndicator_ = enabled;
    }
    bool drawVerticalHighlightIndicatorEnabled() const override { return drawVerticalHighlightIndicator_; }
    void setDrawVerticalHighlightIndicatorEnabled(bool enabled) override { drawVerticalHighlightIndicator_ = enabled; }
    bool isHorizontalHighlightIndicatorEnabled() const override { return drawHorizontalHighlightIndicatorEnabled(); }
    bool isVerticalHighlightIndicatorEnabled() const override { return drawVerticalHighlightIndicatorEnabled(); }
    void setDrawHighlightIndicators(bool enabled) override;

protected:
    LineScatterCandleRadarChartDataSet(DeferBounds, Entries entries, std::optional<QString> label);
    std::shared_ptr<ChartBaseDataSet> makeBlank() const override;
    void copyInto(ChartBaseDataSet& target) const override;

private:
    bool drawHorizontalHighlightIndicator_ = true;
    bool drawVerticalHighlightIndicator_ = true;
};

} // namespace charts
