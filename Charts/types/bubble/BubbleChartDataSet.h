#pragma once
#include "Charts/data/BarLineScatterCandleBubbleChartDataSet.h"
#include "Charts/types/bubble/IBubbleChartDataSet.h"

namespace charts {

// A bubble chart's data set: bubbles (BubbleChartDataEntry) with the largest
// size taken in so far, which only ever grows (recomputing the bounds keeps
// it), the size normalisation and the highlight outline's width. Entries of
// another class count for nothing.
class BubbleChartDataSet : public BarLineScatterCandleBubbleChartDataSet, public virtual IBubbleChartDataSet {
public:
    BubbleChartDataSet();
    BubbleChartDataSet(Entries entries, std::optional<QString> label);

    double maxSize() const override { return maxSize_; }
    virtual bool normalizeSizeEnabled() const { return normalizeSizeEnabled_; }
    virtual void setNormalizeSizeEnabled(bool enabled) { normalizeSizeEnabled_ = enabled; }
    bool isNormalizeSizeEnabled() const override { return normalizeSizeEnabled(); }
    double highlightCircleWidth() const override { return highlightCircleWidth_; }
    void setHighlightCircleWidth(double width) override { highlightCircleWidth_ = width; }

    using ChartDataSet::calcMinMax;
    // x and y into the bounds, the size into the largest size.
    void calcMinMax(const ChartDataEntry& entry) override;

protected:
    BubbleChartDataSet(DeferBounds, Entries entries, std::optional<QString> label);
    std::shared_ptr<ChartBaseDataSet> makeBlank() const override;
    void copyInto(ChartBaseDataSet& target) const override;

private:
    double maxSize_ = 0;
    bool normalizeSizeEnabled_ = true;
    double highlightCircleWidth_ = 2.5;
};

} // namespace charts
