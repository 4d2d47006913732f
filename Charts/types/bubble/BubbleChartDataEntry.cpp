#include "Charts/types/bubble/BubbleChartDataEntry.h"

namespace charts {

BubbleChartDataEntry::BubbleChartDataEntry(double x, double y, double size, std::any data)
    : BubbleChartDataEntry(x, y, size) {
    setData(std::move(data));
}

BubbleChartDataEntry::BubbleChartDataEntry(double x, double y, double size, QImage icon)
    : BubbleChartDataEntry(x, y, size) {
    setIcon(std::move(icon));
}

BubbleChartDataEntry::BubbleChartDataEntry(double x, double y, double size, QImage icon, std::any data)
    : BubbleChartDataEntry(x, y, size) {
    setIcon(std::move(icon));
    setData(std::move(data));
}

std::shared_ptr<ChartDataEntry> BubbleChartDataEntry::makeBlank() const {
    return std::make_shared<BubbleChartDataEntry>();
}

std::shared_ptr<ChartDataEntry> BubbleChartDataEntry::copy() const {
    const std::shared_ptr<ChartDataEntry> entry = ChartDataEntry::copy();
    static_cast<BubbleChartDataEntry&>(*entry).setSize(size());
    return entry;
}

} // namespace charts
