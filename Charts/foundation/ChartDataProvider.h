#pragma once
#include <memory>

#include "Charts/drawing/Geometry.h"
#include "Charts/foundation/DataSetValues.h"
#include "Charts/foundation/YAxis.h"

namespace charts {

// The chart data model's containers (Charts/data); only named here.
class ChartData;
class Transformer;

// What renderers, formatters and highlighters ask of a chart view. The chart
// views implement it.
//
// data() and dataValues() answer the same object: data() typed for the
// layers that know the data model (renderers, views), dataValues() for the
// foundation, which reads it through the interface of DataSetValues.h.
class ChartDataProvider {
public:
    virtual ~ChartDataProvider() = default;

    virtual double chartXMin() const = 0;
    virtual double chartXMax() const = 0;
    virtual double chartYMin() const = 0;
    virtual double chartYMax() const = 0;
    virtual double maxHighlightDistance() const = 0;
    virtual double xRange() const = 0;
    virtual Point centerOffsets() const = 0;
    virtual std::shared_ptr<ChartData> data() const = 0;
    virtual std::shared_ptr<ChartDataValues> dataValues() const = 0;
    virtual int maxVisibleCount() const = 0;

protected:
    ChartDataProvider() = default;
    ChartDataProvider(const ChartDataProvider&) = default;
    ChartDataProvider& operator=(const ChartDataProvider&) = default;
};

// Bar, line, scatter, candle and bubble charts: a transformer per y axis and
// the visible x range.
class BarLineScatterCandleBubbleChartDataProvider : public virtual ChartDataProvider {
public:
    virtual std::shared_ptr<Transformer> getTransformer(YAxis::AxisDependency axis) const = 0;
    virtual bool isInverted(YAxis::AxisDependency axis) const = 0;
    virtual double lowestVisibleX() const = 0;
    virtual double highestVisibleX() const = 0;
};

} // namespace charts
