#pragma once
#include <functional>
#include <memory>

#include "Charts/foundation/DataSetValues.h"

namespace charts {

class LineChartDataProvider;

// Tells a line renderer at which y the filled area of a data set ends. Line
// data sets hold one; the renderers ask it with the set and their chart.
class IFillFormatter {
public:
    virtual ~IFillFormatter() = default;
    virtual double getFillLinePosition(const DataSetValues& dataSet, const LineChartDataProvider& dataProvider) = 0;

protected:
    IFillFormatter() = default;
    IFillFormatter(const IFillFormatter&) = default;
    IFillFormatter& operator=(const IFillFormatter&) = default;
};

// The standard fill formatter: a block when one is given; else 0 for a set
// that crosses zero, otherwise the chart's bottom (or, for a set entirely
// below zero, its top), 0 where the chart data reaches past zero.
class DefaultFillFormatter : public IFillFormatter {
public:
    using Block = std::function<double(const DataSetValues& dataSet, const LineChartDataProvider& dataProvider)>;

    DefaultFillFormatter() = default;
    explicit DefaultFillFormatter(Block block) : block_(std::move(block)) {}
    static std::shared_ptr<DefaultFillFormatter> with(Block block) {
        return std::make_shared<DefaultFillFormatter>(std::move(block));
    }

    double getFillLinePosition(const DataSetValues& dataSet, const LineChartDataProvider& dataProvider) override;

    const Block& block() const { return block_; }
    void setBlock(Block block) { block_ = std::move(block); }

private:
    Block block_;
};

} // namespace charts
