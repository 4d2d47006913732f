#include "Charts/combined/CombinedChartData.h"

#include <cmath>
#include <limits>

#include "Charts/types/bar/BarChartData.h"
#include "Charts/types/bubble/BubbleChartData.h"
#include "Charts/types/candle/CandleChartData.h"
#include "Charts/types/line/LineChartData.h"
#include "Charts/types/scatter/ScatterChartData.h"
#include "platform/Log.h"

namespace charts {

void CombinedChartData::setLineData(std::shared_ptr<LineChartData> data) {
    lineData_ = std::move(data);
    notifyDataChanged();
}

void CombinedChartData::setBarData(std::shared_ptr<BarChartData> data) {
    barData_ = std::move(data);
    notifyDataChanged();
}

void CombinedChartData::setScatterData(std::shared_ptr<ScatterChartData> data) {
    scatterData_ = std::move(data);
    notifyDataChanged();
}

void CombinedChartData::setCandleData(std::shared_ptr<CandleChartData> data) {
    candleData_ = std::move(data);
    notifyDataChanged();
}

void CombinedChartData::setBubbleData(std::shared_ptr<BubbleChartData> data) {
    bubbleData_ = std::move(data);
    notifyDataChanged();
}

std::vector<std::shared_ptr<ChartData>> CombinedChartData::allData() const {
    std::vector<std::shared_ptr<ChartData>> all;
    for (std::shared_ptr<ChartData> data :
         std::initializer_list<std::shared_ptr<ChartData>>{lineData_, barData_, scatterData_, candleData_, bubbleData_})
        if (data) all.push_back(std::move(data));
    return all;
}

std::shared_ptr<ChartData> CombinedChartData::dataByIndex(int index) const {
    const std::vector<std::shared_ptr<ChartData>> all = allData();
    if (index < 0 || static_cast<std::size_t>(index) >= all.size()) return nullptr;
    return all[static_cast<std::size_t>(index)];
}

std::optional<int> CombinedChartData::dataIndex(const std::shared_ptr<ChartData>& data) const {
    const std::vector<std::shared_ptr<ChartData>> all = allData();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (data && all[i] == data) return static_cast<int>(i);
    return std::nullopt;
}

void CombinedChartData::notifyDataChanged() {
    for (const std::shared_ptr<ChartData>& data : allData()) data->notifyDataChanged();
    calcMinMax();
}

void CombinedChartData::calcMinMax() {
    dataSets_.clear();
    resetBounds();
    resetAxisBounds();
    const auto widenMax = [](double& bound, double value) {
        if (value > bound) bound = value;
    };
    const auto widenMin = [](double& bound, double value) {
        if (value < bound) bound = value;
    };
    for (const std::shared_ptr<ChartData>& data : allData()) {
        data->calcMinMax();
        const DataSets& sets = data->dataSets();
        dataSets_.insert(dataSets_.end(), sets.begin(), sets.end());
        widenMax(yMax_, data->yMax());
        widenMin(yMin_, data->yMin());
        widenMax(xMax_, data->xMax());
        widenMin(xMin_, data->xMin());
        for (const IChartDataSetPtr& set : sets) {
            const bool right = set->axisDependency() == YAxis::AxisDependency::right;
            widenMax(right ? rightAxisMax_ : leftAxisMax_, set->yMax());
            widenMin(right ? rightAxisMin_ : leftAxisMin_, set->yMin());
        }
    }
}

IChartDataSetPtr CombinedChartData::getDataSetByHighlight(const Highlight& highlight) const {
    const std::shared_ptr<ChartData> data = dataByIndex(highlight.dataIndex());
    if (!data) return nullptr;
    const DataSets& sets = data->dataSets();
    const int index = highlight.dataSetIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= sets.size()) return nullptr;
    return sets[static_cast<std::size_t>(index)];
}

ChartDataEntryPtr CombinedChartData::entryForHighlight(const Highlight& highlight) const {
    const IChartDataSetPtr set = getDataSetByHighlight(highlight);
    if (!set) return nullptr;
    for (const ChartDataEntryPtr& entry : set->entriesForXValue(highlight.x()))
        if (entry->y() == highlight.y() || std::isnan(highlight.y())) return entry;
    return nullptr;
}

bool CombinedChartData::removeDataSet(const IChartDataSetPtr& dataSet) {
    for (const std::shared_ptr<ChartData>& data : allData()) {
        if (!data->removeDataSet(dataSet)) continue;
        calcMinMax();
        return true;
    }
    return false;
}

bool CombinedChartData::removeDataSetByIndex(int) {
    platform::printToStandardOutput("removeDataSet(index) not supported for CombinedData");
    return false;
}

bool CombinedChartData::removeEntry(const ChartDataEntryPtr&, int) {
    platform::printToStandardOutput("removeEntry(entry, dataSetIndex) not supported for CombinedData");
    return false;
}

bool CombinedChartData::removeEntry(double, int) {
    platform::printToStandardOutput("removeEntry(xValue, dataSetIndex) not supported for CombinedData");
    return false;
}

} // namespace charts
