#pragma once
#include "Charts/data/ChartDataSet.h"
#include "Charts/data/ILineFamilyDataSets.h"

namespace charts {

// Entry-holding set with the look of its highlight lines.
class BarLineScatterCandleBubbleChartDataSet : public ChartDataSet,
                                               public virtual IBarLineScatterCandleBubbleChartDataSet {
public:
    BarLineScatterCandleBubbleChartDataSet();
    BarLineScatterCandleBubbleChartDataSet(Entries entries, std::optional<QString> label);

    QColor highlightColor() const override { return highlightColor_; }
    void setHighlightColor(const QColor& color) override { highlightColor_ = color; }
    double highlightLineWidth() const override { return highlightLineWidth_; }
    void setHighlightLineWidth(double width) override { highlightLineWidth_ = width; }
    double highlightLineDashPhase() const override { return highlightLineDashPhase_; }
    void setHighlightLineDashPhase(double phase) override { highlightLineDashPhase_ = phase; }
    std::optional<std::vector<double>> highlightLineDashLengths() const override { return highlightLineDashLengths_; }
    void setHighlightLineDashLengths(std::optional<std::vector<double>> lengths) override {
        highlightLineDashLengths_ = std::move(lengths);
    }

protected:
    BarLineScatterCandleBubbleChartDataSet(DeferBounds, Entries entries, std::optional<QString> label);
    std::shared_ptr<ChartBaseDataSet> makeBlank() const override;
    void copyInto(ChartBaseDataSet& target) const override;

private:
    QColor highlightColor_;
    double highlightLineWidth_ = 0.5;
    double highlightLineDashPhase_ = 0;
    std::optional<std::vector<double>> highlightLineDashLengths_;
};

} // namespace charts
