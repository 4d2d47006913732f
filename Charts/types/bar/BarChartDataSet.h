#pragma once
#include "Charts/data/BarLineScatterCandleBubbleChartDataSet.h"
#include "Charts/types/bar/IBarChartDataSet.h"

namespace charts {

// A labelled series of bar entries with the bars' look: shadow, border and
// highlight alpha, and the stack labels of stacked bars. It holds bar
// entries only; entries of another kind are left out of its bounds and
// counts.
//
// The stack counters are taken once, when the set is made: entries added or
// edited later leave stackSize and entryCountStacks as they were (the
// renderers never read or write past the rectangles of their own buffers,
// so a later, taller stack draws what fits).
class BarChartDataSet : public BarLineScatterCandleBubbleChartDataSet, public virtual IBarChartDataSet {
public:
    BarChartDataSet();
    BarChartDataSet(Entries entries, std::optional<QString> label);

    // A plain bar widens the y bounds by its y, a stacked one by minus its
    // negative sum and its positive sum; a NaN y is left out.
    using ChartDataSet::calcMinMax;
    void calcMinMax(const ChartDataEntry& entry) override;

    bool isStacked() const override { return stackSize_ > 1; }
    std::int64_t stackSize() const override { return stackSize_; }
    // The bars counting every stacked value as one.
    virtual std::int64_t entryCountStacks() const { return entryCountStacks_; }

    std::vector<QString> stackLabels() const override { return stackLabels_; }
    void setStackLabels(std::vector<QString> labels) override { stackLabels_ = std::move(labels); }
    QColor barShadowColor() const override { return barShadowColor_; }
    void setBarShadowColor(const QColor& color) override { barShadowColor_ = color; }
    double barBorderWidth() const override { return barBorderWidth_; }
    void setBarBorderWidth(double width) override { barBorderWidth_ = width; }
    QColor barBorderColor() const override { return barBorderColor_; }
    void setBarBorderColor(const QColor& color) override { barBorderColor_ = color; }
    double highlightAlpha() const override { return highlightAlpha_; }
    void setHighlightAlpha(double alpha) override { highlightAlpha_ = alpha; }

    // Stacked sets name each stack position in the legend.
    void appendLegendEntries(std::vector<LegendEntryPtr>& entries) const override;

protected:
    BarChartDataSet(DeferBounds, Entries entries, std::optional<QString> label);
    std::shared_ptr<ChartBaseDataSet> makeBlank() const override;
    void copyInto(ChartBaseDataSet& target) const override;
    // The set-up of a new set: black highlights and the stack counters.
    void setUpBars();

private:
    std::int64_t stackSize_ = 1;
    std::int64_t entryCountStacks_ = 0;
    std::vector<QString> stackLabels_;
    QColor barShadowColor_ = QColor(215, 215, 215);
    double barBorderWidth_ = 0.0;
    QColor barBorderColor_ = QColor(Qt::black);
    double highlightAlpha_ = 120.0 / 255.0;
};

} // namespace charts
