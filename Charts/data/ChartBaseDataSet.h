#pragma once
#include "Charts/data/IChartDataSet.h"

namespace charts {

// Root of every data set: the styling all chart types share, the colour
// operations, copying and descriptions. The entry side is left to
// ChartDataSet; asking a set that lacks it stops the program with a message.
//
// The base reads its own fields through the virtual accessors, so an override
// of an accessor changes the base's behaviour too.
class ChartBaseDataSet : public virtual IChartDataSet {
public:
    ChartBaseDataSet();
    explicit ChartBaseDataSet(std::optional<QString> label);
    ChartBaseDataSet(const ChartBaseDataSet&) = delete;
    ChartBaseDataSet& operator=(const ChartBaseDataSet&) = delete;

    // Entry side: stops the program here; ChartDataSet supplies it.
    void notifyDataSetChanged() override;
    void appendLegendEntries(std::vector<LegendEntryPtr>& entries) const override;
    void calcMinMax() override;
    void calcMinMaxY(double fromX, double toX) override;
    double yMin() const override;
    double yMax() const override;
    double xMin() const override;
    double xMax() const override;
    std::int64_t entryCount() const override;
    ChartDataEntryPtr entryForIndex(std::int64_t index) const override;
    std::span<const ChartDataEntryPtr> entriesInOrder() const override;
    ChartDataEntryPtr entryForXValue(double xValue, double closestToY, ChartDataSetRounding rounding) const override;
    ChartDataEntryPtr entryForXValue(double xValue, double closestToY) const override;
    std::vector<ChartDataEntryPtr> entriesForXValue(double xValue) const override;
    std::int64_t entryIndex(double xValue, double closestToY, ChartDataSetRounding rounding) const override;
    std::int64_t entryIndex(const ChartDataEntryPtr& entry) const override;
    bool addEntry(const ChartDataEntryPtr& entry) override;
    bool addEntryOrdered(const ChartDataEntryPtr& entry) override;
    bool removeEntry(const ChartDataEntryPtr& entry) override;
    bool removeEntryAtIndex(std::int64_t index) override;
    bool removeEntryWithX(double xValue) override;
    bool removeFirst() override;
    bool removeLast() override;
    bool contains(const ChartDataEntryPtr& entry) const override;
    void clear() override;

    // Colours. Lookups by index take positions below 0 as 0 and wrap around
    // the list; an emptied list answers the default colour.
    const std::vector<QColor>& colors() const override { return colors_; }
    virtual void setColors(std::vector<QColor> colors) { colors_ = std::move(colors); }
    const std::vector<QColor>& valueColors() const override { return valueColors_; }
    virtual void setValueColors(std::vector<QColor> colors) { valueColors_ = std::move(colors); }
    QColor color(std::int64_t index) const override;
    void resetColors() override;
    void addColor(const QColor& color) override;
    void setColor(const QColor& color) override;
    virtual void setColor(const QColor& color, double alpha);
    virtual void setColors(const std::vector<QColor>& colors, double alpha);

    std::optional<QString> label() const override { return label_; }
    virtual void setLabel(std::optional<QString> label) { label_ = std::move(label); }
    YAxis::AxisDependency axisDependency() const override { return axisDependency_; }
    virtual void setAxisDependency(YAxis::AxisDependency axis) { axisDependency_ = axis; }

    bool highlightEnabled() const override { return highlightEnabled_; }
    void setHighlightEnabled(bool enabled) override { highlightEnabled_ = enabled; }
    bool isHighlightEnabled() const override { return highlightEnabled(); }

    // The assigned formatter, or the shared default one while none is
    // assigned; assigning none keeps the current formatter.
    std::shared_ptr<IValueFormatter> valueFormatter() const override;
    void setValueFormatter(std::shared_ptr<IValueFormatter> formatter) override;
    bool needsFormatter() const override { return valueFormatter_ == nullptr; }

    // The first value colour; writing makes it the only one.
    QColor valueTextColor() const override;
    void setValueTextColor(const QColor& color) override;
    QColor valueTextColorAt(std::int64_t index) const override;
    QFont valueFont() const override { return valueFont_; }
    void setValueFont(const QFont& font) override { valueFont_ = font; }

    // Legend styling; NaN sizes mean the legend's own.
    Legend::Form form() const override { return form_; }
    virtual void setForm(Legend::Form form) { form_ = form; }
    double formSize() const override { return formSize_; }
    virtual void setFormSize(double size) { formSize_ = size; }
    double formLineWidth() const override { return formLineWidth_; }
    virtual void setFormLineWidth(double width) { formLineWidth_ = width; }
    double formLineDashPhase() const override { return formLineDashPhase_; }
    virtual void setFormLineDashPhase(double phase) { formLineDashPhase_ = phase; }
    std::optional<std::vector<double>> formLineDashLengths() const override { return formLineDashLengths_; }
    virtual void setFormLineDashLengths(std::optional<std::vector<double>> lengths) {
        formLineDashLengths_ = std::move(lengths);
    }

    bool drawValuesEnabled() const override { return drawValuesEnabled_; }
    void setDrawValuesEnabled(bool enabled) override { drawValuesEnabled_ = enabled; }
    bool isDrawValuesEnabled() const override { return drawValuesEnabled(); }
    bool drawIconsEnabled() const override { return drawIconsEnabled_; }
    void setDrawIconsEnabled(bool enabled) override { drawIconsEnabled_ = enabled; }
    bool isDrawIconsEnabled() const override { return drawIconsEnabled(); }
    QPointF iconsOffset() const override { return iconsOffset_; }
    void setIconsOffset(const QPointF& offset) override { iconsOffset_ = offset; }
    bool visible() const override { return visible_; }
    void setVisible(bool visible) override { visible_ = visible; }
    bool isVisible() const override { return visible(); }

    // A new set of this object's own class with this set's styling (and, in
    // subclasses, their fields); colour lists are the copy's own.
    virtual std::shared_ptr<ChartBaseDataSet> copy() const;

    // "Charts.LineChartDataSet, label: Temperature, 12 entries".
    std::string description() const override;
    // The description, then ":" and one line per entry.
    std::string debugDescription() const override;

protected:
    // A set of this object's own class made with its no-argument constructor.
    // Every concrete subclass overrides it; copy() checks that it did.
    virtual std::shared_ptr<ChartBaseDataSet> makeBlank() const;
    // Copies this layer's fields onto a blank set of the same class; each
    // subclass runs its parent's first.
    virtual void copyInto(ChartBaseDataSet& target) const;

private:
    std::vector<QColor> colors_;
    std::vector<QColor> valueColors_;
    std::optional<QString> label_ = QStringLiteral("DataSet");
    YAxis::AxisDependency axisDependency_ = YAxis::AxisDependency::left;
    bool highlightEnabled_ = true;
    std::shared_ptr<IValueFormatter> valueFormatter_;
    QFont valueFont_;
    Legend::Form form_ = Legend::Form::standard;
    double formSize_;
    double formLineWidth_;
    double formLineDashPhase_ = 0;
    std::optional<std::vector<double>> formLineDashLengths_;
    bool drawValuesEnabled_ = true;
    bool drawIconsEnabled_ = true;
    QPointF iconsOffset_{0, 0};
    bool visible_ = true;
};

// The colour every new data set draws with (and fills and circles with).
QColor defaultDataSetColor();

} // namespace charts
