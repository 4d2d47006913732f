#pragma once
#include <memory>

#include "Charts/data/ChartData.h"
#include "Charts/types/pie/IPieChartDataSet.h"

namespace charts {

// The data of a pie chart: its first data set is the pie. Further sets may
// be added and are kept (the view lays their slices out after the first
// set's), but lookups by index or label, highlights and the total see the
// first set only, and nothing removes a set by its index.
class PieChartData : public ChartData {
public:
    PieChartData() = default;
    explicit PieChartData(DataSets dataSets) : ChartData(DeferBounds{}, std::move(dataSets)) { notifyDataChanged(); }
    explicit PieChartData(IChartDataSetPtr dataSet) : PieChartData(DataSets{std::move(dataSet)}) {}

    // The first set when it is a pie set.
    virtual std::shared_ptr<IPieChartDataSet> dataSet() const;
    // The data's only set from now on; none empties the data.
    virtual void setDataSet(const IChartDataSetPtr& dataSet);

    // The first set for index 0; none for every other index.
    IChartDataSetPtr getDataSetByIndex(int index) const override;
    // The first set when its label matches.
    IChartDataSetPtr getDataSetByLabel(const QString& label, bool ignoreCase) const override;
    // The first set's slice at the index the highlight's x names; none for
    // an x that names no slice.
    ChartDataEntryPtr entryForHighlight(const Highlight& highlight) const override;
    // Removes nothing.
    bool removeDataSetByIndex(int index) override;

    // The sum of the first set's values, signs kept; 0 without a pie set.
    virtual double yValueSum() const;

protected:
    PieChartData(DeferBounds, DataSets dataSets) : ChartData(DeferBounds{}, std::move(dataSets)) {}
};

} // namespace charts
