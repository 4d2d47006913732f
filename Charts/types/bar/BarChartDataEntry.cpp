#include "Charts/types/bar/BarChartDataEntry.h"

namespace charts {

namespace {

double sumOf(const BarChartDataEntry::Values& values) {
    double sum = 0;
    for (const double value : values) sum += value;
    return sum;
}

} // namespace

BarChartDataEntry::BarChartDataEntry(double x, double y, std::any data) : BarChartDataEntry(x, y) {
    setData(std::move(data));
}

BarChartDataEntry::BarChartDataEntry(double x, double y, QImage icon) : BarChartDataEntry(x, y) {
    setIcon(std::move(icon));
}

BarChartDataEntry::BarChartDataEntry(double x, double y, QImage icon, std::any data) : BarChartDataEntry(x, y) {
    setIcon(std::move(icon));
    setData(std::move(data));
}

BarChartDataEntry::BarChartDataEntry(double x, Values yValues) : ChartDataEntry(x, sumOf(yValues)) {
    yVals_ = std::move(yValues);
    calcPosNegSum();
    calcRanges();
}

BarChartDataEntry::BarChartDataEntry(double x, Values yValues, QImage icon) : BarChartDataEntry(x, std::move(yValues)) {
    setIcon(std::move(icon));
}

BarChartDataEntry::BarChartDataEntry(double x, Values yValues, std::any data)
    : BarChartDataEntry(x, std::move(yValues)) {
    setData(std::move(data));
}

BarChartDataEntry::BarChartDataEntry(double x, Values yValues, QImage icon, std::any data)
    : BarChartDataEntry(x, std::move(yValues)) {
    setIcon(std::move(icon));
    setData(std::move(data));
}

double BarChartDataEntry::sumBelow(std::int64_t stackIndex) const {
    if (!yVals_) return 0;
    double remainder = 0;
    for (auto index = static_cast<std::int64_t>(yVals_->size()) - 1; index > stackIndex && index >= 0; --index)
        remainder += (*yVals_)[static_cast<std::size_t>(index)];
    return remainder;
}

void BarChartDataEntry::calcPosNegSum() {
    double negative = 0;
    double positive = 0;
    if (yVals_) {
        for (const double value : *yVals_) {
            // NaN counts as positive, as every value that is not below 0.
            if (value < 0)
                negative -= value;
            else
                positive += value;
        }
    }
    negativeSum_ = negative;
    positiveSum_ = positive;
}

void BarChartDataEntry::calcRanges() {
    if (!yVals_ || yVals_->empty()) return;
    std::vector<Range> ranges;
    ranges.reserve(yVals_->size());
    double negRemain = -negativeSum_;
    double posRemain = 0;
    for (const double value : *yVals_) {
        if (value < 0) {
            ranges.emplace_back(negRemain, negRemain - value);
            negRemain -= value;
        } else {
            ranges.emplace_back(posRemain, posRemain + value);
            posRemain += value;
        }
    }
    ranges_ = std::move(ranges);
}

void BarChartDataEntry::setYValues(std::optional<Values> values) {
    setY(values ? sumOf(*values) : 0.0);
    yVals_ = std::move(values);
    ranges_.reset();
    calcPosNegSum();
    calcRanges();
}

std::shared_ptr<ChartDataEntry> BarChartDataEntry::makeBlank() const { return std::make_shared<BarChartDataEntry>(); }

std::shared_ptr<ChartDataEntry> BarChartDataEntry::copy() const {
    auto entry = ChartDataEntry::copy();
    auto& bar = static_cast<BarChartDataEntry&>(*entry);
    bar.yVals_ = yVals_;
    bar.setY(y());
    bar.negativeSum_ = negativeSum_;
    bar.positiveSum_ = positiveSum_;
    bar.ranges_ = ranges_;
    return entry;
}

} // namespace charts
