#pragma once
#include <memory>
#include <optional>
#include <vector>

#include "Charts/drawing/Geometry.h"
#include "Charts/foundation/ChartDataSetRounding.h"
#include "Charts/foundation/YAxis.h"

namespace charts {

// The chart data model lives in the layer above (Charts/data). The foundation
// never names its classes; it reads data through the two interfaces below,
// which the model's data sets (IChartDataSet) and chart data (ChartData)
// implement. Entries themselves are handed on opaque (ChartDataEntry is only
// declared here), so formatters and markers can pass them to code that knows
// the model.

class ChartDataEntry;
using ChartDataEntryPtr = std::shared_ptr<ChartDataEntry>;

// What highlighters and fill formatters read of one data set.
class DataSetValues {
public:
    virtual ~DataSetValues() = default;

    virtual double yMin() const = 0;
    virtual double yMax() const = 0;
    virtual bool isHighlightEnabled() const = 0;
    virtual YAxis::AxisDependency axisDependency() const = 0;
    // x and y of every entry whose x equals the value, in the set's order.
    virtual std::vector<Point> valuesForXValue(double xValue) const = 0;
    // x of the entry a search by x finds for the value with no preference for
    // a y; none in an empty set.
    virtual std::optional<double> closestEntryX(double xValue, ChartDataSetRounding rounding) const = 0;

protected:
    DataSetValues() = default;
    DataSetValues(const DataSetValues&) = default;
    DataSetValues& operator=(const DataSetValues&) = default;
};

// What highlighters and fill formatters read of a chart's data.
class ChartDataValues {
public:
    virtual ~ChartDataValues() = default;

    virtual int dataSetCount() const = 0;
    virtual double yMin() const = 0;
    virtual double yMax() const = 0;
    // The set at a 0-based position; none outside the sets.
    virtual std::shared_ptr<DataSetValues> dataSetValues(int index) const = 0;

protected:
    ChartDataValues() = default;
    ChartDataValues(const ChartDataValues&) = default;
    ChartDataValues& operator=(const ChartDataValues&) = default;
};

} // namespace charts
