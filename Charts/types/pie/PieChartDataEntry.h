#pragma once
#include "Charts/data/ChartDataEntry.h"

namespace charts {

// One pie slice: its value (the entry's y) and an optional label that names
// the slice in the legend. A slice has no x position: it is NaN.
class PieChartDataEntry : public ChartDataEntry {
public:
    PieChartDataEntry() = default;
    explicit PieChartDataEntry(double value);
    PieChartDataEntry(double value, std::optional<QString> label);
    PieChartDataEntry(double value, std::optional<QString> label, std::optional<QImage> icon, std::any data);

    virtual std::optional<QString> label() const { return label_; }
    virtual void setLabel(std::optional<QString> label) { label_ = std::move(label); }
    virtual double value() const { return y(); }
    virtual void setValue(double value) { setY(value); }

    // The base's copy with the label.
    std::shared_ptr<ChartDataEntry> copy() const override;

protected:
    std::shared_ptr<ChartDataEntry> makeBlank() const override;

private:
    std::optional<QString> label_;
};

} // namespace charts
