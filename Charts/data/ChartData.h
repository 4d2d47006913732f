#pragma once
#include "Charts/data/ChartDataSet.h"
#include "Charts/foundation/DataSetValues.h"
#include "Charts/foundation/Highlight.h"

namespace charts {

// A chart's data: its data sets in drawing order with the bounds of all their
// values, overall and per y axis. A bound that no value reached keeps its
// reset value (the largest finite double for a minimum, its negative for a
// maximum), so an empty container reports a minimum above its maximum.
//
// The bounds are cached: adding a set or an entry widens them, and only
// setting the sets, removals and an explicit recomputation rescan the sets.
class ChartData : public ChartDataValues {
public:
    using DataSets = std::vector<IChartDataSetPtr>;

    ChartData();
    explicit ChartData(DataSets dataSets);
    explicit ChartData(IChartDataSetPtr dataSet);
    ~ChartData() override = default;
    ChartData(const ChartData&) = delete;
    ChartData& operator=(const ChartData&) = delete;

    virtual void notifyDataChanged();
    // Each set's y bounds narrowed to the x window, then the container's own:
    // y bounds of the window, x bounds of all entries.
    virtual void calcMinMaxY(double fromX, double toX);
    virtual void calcMinMax();
    // Widen the bounds by one entry or one set.
    virtual void calcMinMax(const ChartDataEntry& entry, YAxis::AxisDependency axis);
    virtual void calcMinMax(const IChartDataSet& dataSet);

    int dataSetCount() const override { return static_cast<int>(dataSets().size()); }
    double yMin() const override { return yMin_; }
    virtual double getYMin() const { return yMin(); }
    // The side's minimum, or the other side's while this side has none.
    virtual double getYMin(YAxis::AxisDependency axis) const;
    double yMax() const override { return yMax_; }
    virtual double getYMax() const { return yMax(); }
    virtual double getYMax(YAxis::AxisDependency axis) const;
    virtual double xMin() const { return xMin_; }
    virtual double xMax() const { return xMax_; }

    virtual const DataSets& dataSets() const { return dataSets_; }
    // Stores the sets (missing ones dropped) and recomputes the bounds.
    virtual void setDataSets(DataSets dataSets);

    // Position of the first set with that label, -1 when none; sets without a
    // label never match. Texts that are canonically equivalent are equal.
    virtual int getDataSetIndexByLabel(const QString& label, bool ignoreCase) const;
    virtual ChartDataEntryPtr entryForHighlight(const Highlight& highlight) const;
    // The set a highlight names: here the one at its data-set index. Data
    // whose highlights name a set another way (within one of several
    // sub-data) answer for themselves, so that markers and touches find it.
    virtual IChartDataSetPtr getDataSetByHighlight(const Highlight& highlight) const {
        return getDataSetByIndex(highlight.dataSetIndex());
    }
    virtual IChartDataSetPtr getDataSetByLabel(const QString& label, bool ignoreCase) const;
    virtual IChartDataSetPtr getDataSetByIndex(int index) const;
    // The foundation's reading of getDataSetByIndex (ChartDataValues).
    std::shared_ptr<DataSetValues> dataSetValues(int index) const override { return getDataSetByIndex(index); }
    // Widens the bounds by the set, then appends it; a missing set is refused.
    virtual void addDataSet(const IChartDataSetPtr& dataSet);
    // Sets are found by identity.
    virtual bool removeDataSet(const IChartDataSetPtr& dataSet);
    virtual bool removeDataSetByIndex(int index);
    // Adds to the set at the index and widens the bounds; an index outside
    // the sets prints a line and changes nothing.
    virtual void addEntry(const ChartDataEntryPtr& entry, int dataSetIndex);
    virtual bool removeEntry(const ChartDataEntryPtr& entry, int dataSetIndex);
    virtual bool removeEntry(double xValue, int dataSetIndex);
    // The first set whose lookup at the entry's x and y yields that very entry.
    virtual IChartDataSetPtr getDataSetForEntry(const ChartDataEntryPtr& entry) const;
    virtual int indexOfDataSet(const IChartDataSetPtr& dataSet) const;
    virtual IChartDataSetPtr getFirstLeft(const DataSets& dataSets) const;
    virtual IChartDataSetPtr getFirstRight(const DataSets& dataSets) const;
    virtual std::vector<QColor> getColors() const;

    // Styling applied to every set, in order.
    virtual void setValueFormatter(const std::shared_ptr<IValueFormatter>& formatter);
    virtual void setValueTextColor(const QColor& color);
    virtual void setValueFont(const QFont& font);
    virtual void setDrawValues(bool enabled);
    // True while every set allows highlighting (so true without sets).
    virtual bool highlightEnabled() const;
    virtual void setHighlightEnabled(bool enabled);
    virtual bool isHighlightEnabled() const { return highlightEnabled(); }

    virtual void clearValues();
    virtual bool contains(const IChartDataSetPtr& dataSet) const;
    virtual std::int64_t entryCount() const;
    // The set with the most entries, the earliest among equals.
    virtual IChartDataSetPtr maxEntryCountSet() const;

    // Accessibility texts the renderers put around an entry's own; only
    // stored here.
    virtual std::optional<QString> accessibilityEntryLabelPrefix() const { return accessibilityEntryLabelPrefix_; }
    virtual void setAccessibilityEntryLabelPrefix(std::optional<QString> text) {
        accessibilityEntryLabelPrefix_ = std::move(text);
    }
    virtual std::optional<QString> accessibilityEntryLabelSuffix() const { return accessibilityEntryLabelSuffix_; }
    virtual void setAccessibilityEntryLabelSuffix(std::optional<QString> text) {
        accessibilityEntryLabelSuffix_ = std::move(text);
    }
    virtual bool accessibilityEntryLabelSuffixIsCount() const { return accessibilityEntryLabelSuffixIsCount_; }
    virtual void setAccessibilityEntryLabelSuffixIsCount(bool isCount) {
        accessibilityEntryLabelSuffixIsCount_ = isCount;
    }

protected:
    // Stores the sets without recomputing: the most derived constructor then
    // runs notifyDataChanged(), so its overrides take part.
    ChartData(DeferBounds, DataSets dataSets);

    void resetBounds();
    void resetAxisBounds();

    double yMax_;
    double yMin_;
    double xMax_;
    double xMin_;
    double leftAxisMax_;
    double leftAxisMin_;
    double rightAxisMax_;
    double rightAxisMin_;
    DataSets dataSets_;

private:
    // The set at a position of the list, none outside it. The container's own
    // lookups by position use it, so an override of getDataSetByIndex() (a
    // chart type that answers for fewer positions) leaves them alone.
    IChartDataSetPtr dataSetAt(int index) const;
    void takeAxisBounds(YAxis::AxisDependency axis, double& axisMax, double& axisMin);

    std::optional<QString> accessibilityEntryLabelPrefix_;
    std::optional<QString> accessibilityEntryLabelSuffix_;
    bool accessibilityEntryLabelSuffixIsCount_ = false;
};

} // namespace charts
