#include <cmath>

#include "Charts/foundation/AxisValueFormatter.h"
#include "Charts/foundation/ValueFormatter.h"

namespace charts {

namespace {

// The digits a decimals count gives a number formatter.
void applyDecimals(NumberFormatter& formatter, int decimals) {
    formatter.setMinimumFractionDigits(decimals);
    formatter.setMaximumFractionDigits(decimals);
    formatter.setUsesGroupingSeparator(true);
}

std::shared_ptr<NumberFormatter> groupedFormatter() {
    auto formatter = std::make_shared<NumberFormatter>();
    formatter->setUsesGroupingSeparator(true);
    return formatter;
}

// A count below 0 (the decimals of a reference of 950 or more come out
// negative) means no fraction digits.
std::optional<int> nonNegative(std::optional<int> decimals) {
    if (decimals && *decimals < 0) return 0;
    return decimals;
}

} // namespace

// Both default formatters share the rules of their fields; each keeps its own
// block shape.

DefaultValueFormatter::DefaultValueFormatter() {
    setFormatter(std::make_shared<NumberFormatter>());
    hasAutoDecimals_ = true;
}

DefaultValueFormatter::DefaultValueFormatter(std::shared_ptr<NumberFormatter> formatter) {
    setFormatter(std::move(formatter));
}

DefaultValueFormatter::DefaultValueFormatter(int decimals) {
    setFormatter(groupedFormatter());
    setDecimals(decimals);
    hasAutoDecimals_ = true;
}

DefaultValueFormatter::DefaultValueFormatter(Block block) : block_(std::move(block)) {}

std::shared_ptr<DefaultValueFormatter> DefaultValueFormatter::with(Block block) {
    return std::make_shared<DefaultValueFormatter>(std::move(block));
}

void DefaultValueFormatter::setFormatter(std::shared_ptr<NumberFormatter> formatter) {
    hasAutoDecimals_ = false;
    formatter_ = std::move(formatter);
}

void DefaultValueFormatter::setDecimals(std::optional<int> decimals) {
    decimals_ = nonNegative(decimals);
    if (decimals_ && formatter_) applyDecimals(*formatter_, *decimals_);
}

QString DefaultValueFormatter::stringForValue(double value, const ChartDataEntryPtr& entry, int dataSetIndex,
                                              const ViewPortHandler* viewPortHandler) {
    if (block_) return block_(value, entry, dataSetIndex, viewPortHandler);
    if (formatter_) return formatter_->string(value);
    return QString();
}

DefaultAxisValueFormatter::DefaultAxisValueFormatter() {
    setFormatter(std::make_shared<NumberFormatter>());
    hasAutoDecimals_ = true;
}

DefaultAxisValueFormatter::DefaultAxisValueFormatter(std::shared_ptr<NumberFormatter> formatter) {
    setFormatter(std::move(formatter));
}

DefaultAxisValueFormatter::DefaultAxisValueFormatter(int decimals) {
    setFormatter(groupedFormatter());
    setDecimals(decimals);
    hasAutoDecimals_ = true;
}

DefaultAxisValueFormatter::DefaultAxisValueFormatter(Block block) : block_(std::move(block)) {}

std::shared_ptr<DefaultAxisValueFormatter> DefaultAxisValueFormatter::with(Block block) {
    return std::make_shared<DefaultAxisValueFormatter>(std::move(block));
}

void DefaultAxisValueFormatter::setFormatter(std::shared_ptr<NumberFormatter> formatter) {
    hasAutoDecimals_ = false;
    formatter_ = std::move(formatter);
}

void DefaultAxisValueFormatter::setDecimals(std::optional<int> decimals) {
    decimals_ = nonNegative(decimals);
    if (decimals_ && formatter_) applyDecimals(*formatter_, *decimals_);
}

QString DefaultAxisValueFormatter::stringForValue(double value, const AxisBase* axis) {
    if (block_) return block_(value, axis);
    if (formatter_) return formatter_->string(value);
    return QString();
}

IndexAxisValueFormatter::IndexAxisValueFormatter(std::vector<QString> values) { setValues(std::move(values)); }

std::shared_ptr<IndexAxisValueFormatter> IndexAxisValueFormatter::with(std::vector<QString> values) {
    return std::make_shared<IndexAxisValueFormatter>(std::move(values));
}

void IndexAxisValueFormatter::setValues(std::vector<QString> values) {
    values_ = std::move(values);
    valueCount_ = static_cast<std::int64_t>(values_.size());
}

QString IndexAxisValueFormatter::stringForValue(double value, const AxisBase*) {
    // 2^63 is the first double beyond the signed 64-bit integers.
    if (!std::isfinite(value) || std::fabs(value) >= 9223372036854775808.0) return QString();
    const auto index = static_cast<std::int64_t>(std::round(value));
    const auto truncated = static_cast<std::int64_t>(std::trunc(value));
    if (index >= 0 && index < valueCount_ && index == truncated) return values_[static_cast<std::size_t>(index)];
    return QString();
}

} // namespace charts
