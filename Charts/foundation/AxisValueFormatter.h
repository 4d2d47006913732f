#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QString>

#include "Charts/foundation/NumberFormatter.h"

namespace charts {

class AxisBase;

// Turns an axis label value into its text; the axis may be absent.
class IAxisValueFormatter {
public:
    virtual ~IAxisValueFormatter() = default;
    virtual QString stringForValue(double value, const AxisBase* axis) = 0;

protected:
    IAxisValueFormatter() = default;
    IAxisValueFormatter(const IAxisValueFormatter&) = default;
    IAxisValueFormatter& operator=(const IAxisValueFormatter&) = default;
};

// The standard axis formatter: a block when one is given, else a number
// formatter, else the empty text. An axis that finds automatic decimals here
// writes its own decimals into it before it asks for labels.
class DefaultAxisValueFormatter : public IAxisValueFormatter {
public:
    using Block = std::function<QString(double value, const AxisBase* axis)>;

    DefaultAxisValueFormatter();
    explicit DefaultAxisValueFormatter(std::shared_ptr<NumberFormatter> formatter);
    // A negative count gives 0 digits.
    explicit DefaultAxisValueFormatter(int decimals);
    explicit DefaultAxisValueFormatter(Block block);
    static std::shared_ptr<DefaultAxisValueFormatter> with(Block block);

    QString stringForValue(double value, const AxisBase* axis) override;

    const Block& block() const { return block_; }
    void setBlock(Block block) { block_ = std::move(block); }
    bool hasAutoDecimals() const { return hasAutoDecimals_; }
    void setHasAutoDecimals(bool value) { hasAutoDecimals_ = value; }
    const std::shared_ptr<NumberFormatter>& formatter() const { return formatter_; }
    void setFormatter(std::shared_ptr<NumberFormatter> formatter);
    // As the value formatter's: a count sets exactly that many fraction
    // digits with grouping, a negative one 0 digits; none changes nothing.
    std::optional<int> decimals() const { return decimals_; }
    void setDecimals(std::optional<int> decimals);

private:
    Block block_;
    bool hasAutoDecimals_ = false;
    std::shared_ptr<NumberFormatter> formatter_;
    std::optional<int> decimals_;
};

// Shows a fixed list of texts by index: value n (up to n + 0.5) shows text n.
class IndexAxisValueFormatter : public IAxisValueFormatter {
public:
    IndexAxisValueFormatter() = default;
    explicit IndexAxisValueFormatter(std::vector<QString> values);
    static std::shared_ptr<IndexAxisValueFormatter> with(std::vector<QString> values);

    // Non-finite values and values beyond the 64-bit integers show nothing.
    QString stringForValue(double value, const AxisBase* axis) override;

    const std::vector<QString>& values() const { return values_; }
    void setValues(std::vector<QString> values);

private:
    std::vector<QString> values_;
    std::int64_t valueCount_ = 0;
};

} // namespace charts
