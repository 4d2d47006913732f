#pragma once
#include <any>
#include <memory>

#include <QImage>

#include "Charts/data/ChartDataEntry.h"

namespace charts {

// A bubble: a point that carries a size, in the data's own units.
class BubbleChartDataEntry : public ChartDataEntry {
public:
    BubbleChartDataEntry() = default;
    BubbleChartDataEntry(double x, double y, double size) : ChartDataEntry(x, y), size_(size) {}
    BubbleChartDataEntry(double x, double y, double size, std::any data);
    BubbleChartDataEntry(double x, double y, double size, QImage icon);
    BubbleChartDataEntry(double x, double y, double size, QImage icon, std::any data);
    // A bubble needs its size.
    BubbleChartDataEntry(double x, double y) = delete;

    virtual double size() const { return size_; }
    virtual void setSize(double size) { size_ = size; }

    // x, y, payload and size (not the icon).
    std::shared_ptr<ChartDataEntry> copy() const override;

protected:
    std::shared_ptr<ChartDataEntry> makeBlank() const override;

private:
    double size_ = 0;
};

} // namespace charts
