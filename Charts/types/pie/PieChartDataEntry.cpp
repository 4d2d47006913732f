#include "Charts/types/pie/PieChartDataEntry.h"

#include <limits>

namespace charts {

PieChartDataEntry::PieChartDataEntry(double value) : ChartDataEntry(std::numeric_limits<double>::quiet_NaN(), value) {}

PieChartDataEntry::PieChartDataEntry(double value, std::optional<QString> label) : PieChartDataEntry(value) {
    setLabel(std::move(label));
}

PieChartDataEntry::PieChartDataEntry(double value, std::optional<QString> label, std::optional<QImage> icon,
                                     std::any data)
    : PieChartDataEntry(value, std::move(label)) {
    setIcon(std::move(icon));
    setData(std::move(data));
}

std::shared_ptr<ChartDataEntry> PieChartDataEntry::makeBlank() const { return std::make_shared<PieChartDataEntry>(); }

std::shared_ptr<ChartDataEntry> PieChartDataEntry::copy() const {
    auto entry = ChartDataEntry::copy();
    static_cast<PieChartDataEntry&>(*entry).setLabel(label());
    return entry;
}

} // namespace charts
