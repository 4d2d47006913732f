#include "Charts/data/ChartData.h"

#include <algorithm>
#include <limits>

#include "platform/Log.h"

namespace charts {

namespace {

constexpr double largest = std::numeric_limits<double>::max();

ChartData::DataSets withoutMissing(ChartData::DataSets dataSets) {
    std::erase(dataSets, nullptr);
    return dataSets;
}

bool labelsMatch(const QString& searched, const QString& label, bool ignoreCase) {
    const auto form = QString::NormalizationForm_C;
    return QString::compare(searched.normalized(form), label.normalized(form),
                            ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive) == 0;
}

void widenMax(double& bound, double value) {
    if (bound < value) bound = value;
}

void widenMin(double& bound, double value) {
    if (bound > value) bound = value;
}

} // namespace

ChartData::ChartData(DeferBounds, DataSets dataSets)
    : yMax_(-largest),
      yMin_(largest),
      xMax_(-largest),
      xMin_(largest),
      leftAxisMax_(-largest),
      leftAxisMin_(largest),
      rightAxisMax_(-largest),
      rightAxisMin_(largest),
      dataSets_(withoutMissing(std::move(dataSets))) {}

ChartData::ChartData() : ChartData(DeferBounds{}, DataSets{}) {}

ChartData::ChartData(DataSets dataSets) : ChartData(DeferBounds{}, std::move(dataSets)) { notifyDataChanged(); }

ChartData::ChartData(IChartDataSetPtr dataSet) : ChartData(DataSets{std::move(dataSet)}) {}

void ChartData::notifyDataChanged() { calcMinMax(); }

void ChartData::calcMinMaxY(double fromX, double toX) {
    for (const auto& dataSet : dataSets()) dataSet->calcMinMaxY(fromX, toX);
    calcMinMax();
}

void ChartData::resetBounds() {
    yMax_ = -largest;
    yMin_ = largest;
    xMax_ = -largest;
    xMin_ = largest;
}

void ChartData::resetAxisBounds() {
    leftAxisMax_ = -largest;
    leftAxisMin_ = largest;
    rightAxisMax_ = -largest;
    rightAxisMin_ = largest;
}

void ChartData::calcMinMax() {
    resetBounds();
    for (const auto& dataSet : dataSets()) calcMinMax(*dataSet);
    // The axis bounds start again from the first set of each side, so a NaN
    // bound of that set stays the side's bound.
    resetAxisBounds();
    takeAxisBounds(YAxis::AxisDependency::left, leftAxisMax_, leftAxisMin_);
    takeAxisBounds(YAxis::AxisDependency::right, rightAxisMax_, rightAxisMin_);
}

void ChartData::takeAxisBounds(YAxis::AxisDependency axis, double& axisMax, double& axisMin) {
    const auto first = axis == YAxis::AxisDependency::left ? getFirstLeft(dataSets()) : getFirstRight(dataSets());
    if (first == nullptr) return;
    axisMax = first->yMax();
    axisMin = first->yMin();
    for (const auto& dataSet : dataSets()) {
        if (dataSet->axisDependency() != axis) continue;
        if (dataSet->yMin() < axisMin) axisMin = dataSet->yMin();
        if (dataSet->yMax() > axisMax) axisMax = dataSet->yMax();
    }
}

void ChartData::calcMinMax(const IChartDataSet& dataSet) {
    widenMax(yMax_, dataSet.yMax());
    widenMin(yMin_, dataSet.yMin());
    widenMax(xMax_, dataSet.xMax());
    widenMin(xMin_, dataSet.xMin());
    if (dataSet.axisDependency() == YAxis::AxisDependency::left) {
        widenMax(leftAxisMax_, dataSet.yMax());
        widenMin(leftAxisMin_, dataSet.yMin());
    } else {
        widenMax(rightAxisMax_, dataSet.yMax());
        widenMin(rightAxisMin_, dataSet.yMin());
    }
}

void ChartData::calcMinMax(const ChartDataEntry& entry, YAxis::AxisDependency axis) {
    widenMax(yMax_, entry.y());
    widenMin(yMin_, entry.y());
    widenMax(xMax_, entry.x());
    widenMin(xMin_, entry.x());
    if (axis == YAxis::AxisDependency::left) {
        widenMax(leftAxisMax_, entry.y());
        widenMin(leftAxisMin_, entry.y());
    } else {
        widenMax(rightAxisMax_, entry.y());
        widenMin(rightAxisMin_, entry.y());
    }
}

double ChartData::getYMin(YAxis::AxisDependency axis) const {
    if (axis == YAxis::AxisDependency::left) return leftAxisMin_ == largest ? rightAxisMin_ : leftAxisMin_;
    return rightAxisMin_ == largest ? leftAxisMin_ : rightAxisMin_;
}

double ChartData::getYMax(YAxis::AxisDependency axis) const {
    if (axis == YAxis::AxisDependency::left) return leftAxisMax_ == -largest ? rightAxisMax_ : leftAxisMax_;
    return rightAxisMax_ == -largest ? leftAxisMax_ : rightAxisMax_;
}

void ChartData::setDataSets(DataSets dataSets) {
    dataSets_ = withoutMissing(std::move(dataSets));
    notifyDataChanged();
}

int ChartData::getDataSetIndexByLabel(const QString& label, bool ignoreCase) const {
    const auto& sets = dataSets();
    for (std::size_t index = 0; index < sets.size(); ++index) {
        const auto setLabel = sets[index]->label();
        if (setLabel && labelsMatch(label, *setLabel, ignoreCase)) return static_cast<int>(index);
    }
    return -1;
}

IChartDataSetPtr ChartData::dataSetAt(int index) const {
    const auto& sets = dataSets();
    if (index < 0 || static_cast<std::size_t>(index) >= sets.size()) return nullptr;
    return sets[static_cast<std::size_t>(index)];
}

ChartDataEntryPtr ChartData::entryForHighlight(const Highlight& highlight) const {
    const auto dataSet = dataSetAt(highlight.dataSetIndex());
    if (dataSet == nullptr) return nullptr;
    return dataSet->entryForXValue(highlight.x(), highlight.y());
}

IChartDataSetPtr ChartData::getDataSetByLabel(const QString& label, bool ignoreCase) const {
    const int index = getDataSetIndexByLabel(label, ignoreCase);
    return dataSetAt(index);
}

IChartDataSetPtr ChartData::getDataSetByIndex(int index) const { return dataSetAt(index); }

void ChartData::addDataSet(const IChartDataSetPtr& dataSet) {
    if (dataSet == nullptr) return;
    calcMinMax(*dataSet);
    dataSets_.push_back(dataSet);
}

bool ChartData::removeDataSet(const IChartDataSetPtr& dataSet) {
    const int index = indexOfDataSet(dataSet);
    return index >= 0 && removeDataSetByIndex(index);
}

bool ChartData::removeDataSetByIndex(int index) {
    if (index < 0 || index >= static_cast<int>(dataSets_.size())) return false;
    dataSets_.erase(dataSets_.begin() + index);
    calcMinMax();
    return true;
}

void ChartData::addEntry(const ChartDataEntryPtr& entry, int dataSetIndex) {
    const auto dataSet = dataSetAt(dataSetIndex);
    if (dataSet == nullptr) {
        platform::printToStandardOutput(
            "ChartData.addEntry() - Cannot add Entry because dataSetIndex too high or too low.");
        return;
    }
    if (entry == nullptr || !dataSet->addEntry(entry)) return;
    calcMinMax(*entry, dataSet->axisDependency());
}

bool ChartData::removeEntry(const ChartDataEntryPtr& entry, int dataSetIndex) {
    const auto dataSet = dataSetAt(dataSetIndex);
    if (dataSet == nullptr || !dataSet->removeEntry(entry)) return false;
    calcMinMax();
    return true;
}

bool ChartData::removeEntry(double xValue, int dataSetIndex) {
    const auto dataSet = dataSetAt(dataSetIndex);
    if (dataSet == nullptr) return false;
    const auto entry = dataSet->entryForXValue(xValue, std::numeric_limits<double>::quiet_NaN());
    return entry != nullptr && removeEntry(entry, dataSetIndex);
}

IChartDataSetPtr ChartData::getDataSetForEntry(const ChartDataEntryPtr& entry) const {
    if (entry == nullptr) return nullptr;
    for (const auto& dataSet : dataSets())
        if (dataSet->entryForXValue(entry->x(), entry->y()) == entry) return dataSet;
    return nullptr;
}

int ChartData::indexOfDataSet(const IChartDataSetPtr& dataSet) const {
    const auto& sets = dataSets();
    const auto found = std::find(sets.begin(), sets.end(), dataSet);
    if (dataSet == nullptr || found == sets.end()) return -1;
    return static_cast<int>(found - sets.begin());
}

IChartDataSetPtr ChartData::getFirstLeft(const DataSets& dataSets) const {
    for (const auto& dataSet : dataSets)
        if (dataSet->axisDependency() == YAxis::AxisDependency::left) return dataSet;
    return nullptr;
}

IChartDataSetPtr ChartData::getFirstRight(const DataSets& dataSets) const {
    for (const auto& dataSet : dataSets)
        if (dataSet->axisDependency() == YAxis::AxisDependency::right) return dataSet;
    return nullptr;
}

std::vector<QColor> ChartData::getColors() const {
    std::vector<QColor> colors;
    for (const auto& dataSet : dataSets()) {
        const auto& setColors = dataSet->colors();
        colors.insert(colors.end(), setColors.begin(), setColors.end());
    }
    return colors;
}

void ChartData::setValueFormatter(const std::shared_ptr<IValueFormatter>& formatter) {
    for (const auto& dataSet : dataSets()) dataSet->setValueFormatter(formatter);
}

void ChartData::setValueTextColor(const QColor& color) {
    for (const auto& dataSet : dataSets()) dataSet->setValueTextColor(color);
}

void ChartData::setValueFont(const QFont& font) {
    for (const auto& dataSet : dataSets()) dataSet->setValueFont(font);
}

void ChartData::setDrawValues(bool enabled) {
    for (const auto& dataSet : dataSets()) dataSet->setDrawValuesEnabled(enabled);
}

bool ChartData::highlightEnabled() const {
    const auto& sets = dataSets();
    return std::all_of(sets.begin(), sets.end(), [](const auto& dataSet) { return dataSet->highlightEnabled(); });
}

void ChartData::setHighlightEnabled(bool enabled) {
    for (const auto& dataSet : dataSets()) dataSet->setHighlightEnabled(enabled);
}

void ChartData::clearValues() {
    setDataSets({});
    notifyDataChanged();
}

bool ChartData::contains(const IChartDataSetPtr& dataSet) const { return indexOfDataSet(dataSet) >= 0; }

std::int64_t ChartData::entryCount() const {
    std::int64_t count = 0;
    for (const auto& dataSet : dataSets()) count += dataSet->entryCount();
    return count;
}

IChartDataSetPtr ChartData::maxEntryCountSet() const {
    IChartDataSetPtr largestSet;
    for (const auto& dataSet : dataSets())
        if (largestSet == nullptr || dataSet->entryCount() > largestSet->entryCount()) largestSet = dataSet;
    return largestSet;
}

} // namespace charts
