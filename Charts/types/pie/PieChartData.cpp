#include "Charts/types/pie/PieChartData.h"

namespace charts {

std::shared_ptr<IPieChartDataSet> PieChartData::dataSet() const {
    const DataSets& sets = dataSets();
    if (sets.empty()) return nullptr;
    return std::dynamic_pointer_cast<IPieChartDataSet>(sets.front());
}

void PieChartData::setDataSet(const IChartDataSetPtr& dataSet) {
    setDataSets(dataSet ? DataSets{dataSet} : DataSets{});
}

IChartDataSetPtr PieChartData::getDataSetByIndex(int index) const {
    if (index != 0 || dataSets().empty()) return nullptr;
    return dataSets().front();
}

IChartDataSetPtr PieChartData::getDataSetByLabel(const QString& label, bool ignoreCase) const {
    // The first match is the first set, or the first set does not match.
    return getDataSetIndexByLabel(label, ignoreCase) == 0 ? dataSets().front() : nullptr;
}

ChartDataEntryPtr PieChartData::entryForHighlight(const Highlight& highlight) const {
    const std::shared_ptr<IPieChartDataSet> set = dataSet();
    const std::optional<std::int64_t> index = entryIndexForX(highlight.x());
    if (!set || !index) return nullptr;
    return set->entryForIndex(*index);
}

bool PieChartData::removeDataSetByIndex(int) { return false; }

double PieChartData::yValueSum() const {
    const std::shared_ptr<IPieChartDataSet> set = dataSet();
    if (!set) return 0;
    double sum = 0;
    for (std::int64_t i = 0; i < set->entryCount(); ++i) {
        if (const ChartDataEntryPtr entry = set->entryForIndex(i)) sum += entry->y();
    }
    return sum;
}

} // namespace charts
