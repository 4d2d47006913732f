#pragma once
#include <functional>
#include <memory>
#include <optional>

#include <QString>

#include "Charts/foundation/DataSetValues.h"
#include "Charts/foundation/NumberFormatter.h"

namespace charts {

class ViewPortHandler;

// Turns the values drawn beside data points into text. Data sets and chart
// data store and hand out formatters; the renderers call them with the entry
// (opaque here, see DataSetValues.h) and the chart's view port, which may be
// absent.
class IValueFormatter {
public:
    virtual ~IValueFormatter() = default;
    virtual QString stringForValue(double value, const ChartDataEntryPtr& entry, int dataSetIndex,
                                   const ViewPortHandler* viewPortHandler) = 0;

protected:
    IValueFormatter() = default;
    IValueFormatter(const IValueFormatter&) = default;
    IValueFormatter& operator=(const IValueFormatter&) = default;
};

// The standard value formatter: a block when one is given, else a number
// formatter, else the empty text.
class DefaultValueFormatter : public IValueFormatter {
public:
    using Block = std::function<QString(double value, const ChartDataEntryPtr& entry, int dataSetIndex,
                                        const ViewPortHandler* viewPortHandler)>;

    // A new number formatter (whole numbers); the decimals follow the owner.
    DefaultValueFormatter();
    explicit DefaultValueFormatter(std::shared_ptr<NumberFormatter> formatter);
    // Exactly `decimals` fraction digits with grouping; the decimals follow
    // the owner. A negative count gives 0 digits.
    explicit DefaultValueFormatter(int decimals);
    explicit DefaultValueFormatter(Block block);
    static std::shared_ptr<DefaultValueFormatter> with(Block block);

    QString stringForValue(double value, const ChartDataEntryPtr& entry, int dataSetIndex,
                           const ViewPortHandler* viewPortHandler) override;

    const Block& block() const { return block_; }
    void setBlock(Block block) { block_ = std::move(block); }

    // Whether the owner may adjust the decimals to its data.
    bool hasAutoDecimals() const { return hasAutoDecimals_; }
    void setHasAutoDecimals(bool value) { hasAutoDecimals_ = value; }

    // Assigning a formatter (also none) ends the automatic decimals.
    const std::shared_ptr<NumberFormatter>& formatter() const { return formatter_; }
    void setFormatter(std::shared_ptr<NumberFormatter> formatter);

    // A count gives the number formatter exactly that many fraction digits
    // and grouping; none changes nothing else. A negative count is stored
    // and applied as 0: no fraction digits, never the previous ones.
    std::optional<int> decimals() const { return decimals_; }
    void setDecimals(std::optional<int> decimals);

private:
    Block block_;
    bool hasAutoDecimals_ = false;
    std::shared_ptr<NumberFormatter> formatter_;
    std::optional<int> decimals_;
};

} // namespace charts
