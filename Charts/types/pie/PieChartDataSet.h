#pragma once
#include "Charts/data/ChartDataSet.h"
#include "Charts/types/pie/IPieChartDataSet.h"

namespace charts {

// The slices of a pie with the styling only pies have: the gap between
// slices, how far a highlighted slice moves out, where values and entry
// labels stand and the lines drawn to texts outside the slices. Its entries
// are PieChartDataEntry objects; only their y widens the bounds.
class PieChartDataSet : public ChartDataSet, public virtual IPieChartDataSet {
public:
    using ValuePosition = PieValuePosition;

    PieChartDataSet();
    PieChartDataSet(Entries entries, std::optional<QString> label);

    double sliceSpace() const override { return sliceSpace_; }
    // Kept within 0 to 20 points.
    virtual void setSliceSpace(double space);
    bool automaticallyDisableSliceSpacing() const override { return automaticallyDisableSliceSpacing_; }
    virtual void setAutomaticallyDisableSliceSpacing(bool disable) { automaticallyDisableSliceSpacing_ = disable; }
    double selectionShift() const override { return selectionShift_; }
    virtual void setSelectionShift(double shift) { selectionShift_ = shift; }
    PieValuePosition xValuePosition() const override { return xValuePosition_; }
    virtual void setXValuePosition(PieValuePosition position) { xValuePosition_ = position; }
    PieValuePosition yValuePosition() const override { return yValuePosition_; }
    virtual void setYValuePosition(PieValuePosition position) { yValuePosition_ = position; }
    std::optional<QColor> valueLineColor() const override { return valueLineColor_; }
    virtual void setValueLineColor(std::optional<QColor> color) { valueLineColor_ = std::move(color); }
    bool useValueColorForLine() const override { return useValueColorForLine_; }
    virtual void setUseValueColorForLine(bool use) { useValueColorForLine_ = use; }
    double valueLineWidth() const override { return valueLineWidth_; }
    virtual void setValueLineWidth(double width) { valueLineWidth_ = width; }
    double valueLinePart1OffsetPercentage() const override { return valueLinePart1OffsetPercentage_; }
    virtual void setValueLinePart1OffsetPercentage(double percentage) { valueLinePart1OffsetPercentage_ = percentage; }
    double valueLinePart1Length() const override { return valueLinePart1Length_; }
    virtual void setValueLinePart1Length(double length) { valueLinePart1Length_ = length; }
    double valueLinePart2Length() const override { return valueLinePart2Length_; }
    virtual void setValueLinePart2Length(double length) { valueLinePart2Length_ = length; }
    bool valueLineVariableLength() const override { return valueLineVariableLength_; }
    virtual void setValueLineVariableLength(bool variable) { valueLineVariableLength_ = variable; }
    std::optional<QFont> entryLabelFont() const override { return entryLabelFont_; }
    virtual void setEntryLabelFont(std::optional<QFont> font) { entryLabelFont_ = std::move(font); }
    std::optional<QColor> entryLabelColor() const override { return entryLabelColor_; }
    virtual void setEntryLabelColor(std::optional<QColor> color) { entryLabelColor_ = std::move(color); }
    std::optional<QColor> highlightColor() const override { return highlightColor_; }
    virtual void setHighlightColor(std::optional<QColor> color) { highlightColor_ = std::move(color); }

    // Slices widen only the y bounds: they have no x.
    using ChartDataSet::calcMinMax;
    void calcMinMax(const ChartDataEntry& entry) override;

    // Each slice in its colour under its own label, then the set's label.
    void appendLegendEntries(std::vector<LegendEntryPtr>& entries) const override;

protected:
    PieChartDataSet(DeferBounds, Entries entries, std::optional<QString> label);
    std::shared_ptr<ChartBaseDataSet> makeBlank() const override;
    void copyInto(ChartBaseDataSet& target) const override;

private:
    double sliceSpace_ = 0;
    bool automaticallyDisableSliceSpacing_ = false;
    double selectionShift_ = 18.0;
    PieValuePosition xValuePosition_ = PieValuePosition::insideSlice;
    PieValuePosition yValuePosition_ = PieValuePosition::insideSlice;
    std::optional<QColor> valueLineColor_ = QColor(0, 0, 0);
    bool useValueColorForLine_ = false;
    double valueLineWidth_ = 1.0;
    double valueLinePart1OffsetPercentage_ = 0.75;
    double valueLinePart1Length_ = 0.3;
    double valueLinePart2Length_ = 0.4;
    bool valueLineVariableLength_ = true;
    std::optional<QFont> entryLabelFont_;
    std::optional<QColor> entryLabelColor_;
    std::optional<QColor> highlightColor_;
};

} // namespace charts
