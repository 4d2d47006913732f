#include "app/ui/graphs/GraphSeries.h"

#include <cmath>
#include <memory>

#include "Charts/data/ChartDataEntry.h"
#include "Charts/views/BarLineChartViewBase.h"

namespace appui {

charts::LineChartDataSet::Entries entriesOf(const GraphSeries& series) {
    charts::LineChartDataSet::Entries entries;
    entries.reserve(series.points.size());
    for (const auto& p : series.points) entries.push_back(std::make_shared<charts::ChartDataEntry>(p.x, p.y));
    return entries;
}

namespace {

const charts::ChartDataSet* shapedLike(const charts::IChartDataSetPtr& set, const GraphSeries& series) {
    const auto* entries = dynamic_cast<const charts::ChartDataSet*>(set.get());
    if (entries == nullptr || set->label() != series.label ||
        entries->entries().size() != series.points.size())
        return nullptr;
    return entries;
}

// A NaN that stays NaN is no change.
bool sameValue(double stored, double fresh) { return stored == fresh || (std::isnan(stored) && std::isnan(fresh)); }

} // namespace

std::optional<bool> writeSeriesInPlace(const charts::ChartData& data, const std::vector<GraphSeries>& series) {
    const auto& sets = data.dataSets();
    if (sets.size() != series.size()) return std::nullopt;
    std::vector<const charts::ChartDataSet*> targets;
    for (std::size_t k = 0; k < sets.size(); ++k) {
        const auto* target = shapedLike(sets[k], series[k]);
        if (target == nullptr) return std::nullopt;
        targets.push_back(target);
    }
    bool changed = false;
    for (std::size_t k = 0; k < targets.size(); ++k) {
        const auto& entries = targets[k]->entries();
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const auto& p = series[k].points[i];
            auto& entry = *entries[i];
            if (sameValue(entry.x(), p.x) && sameValue(entry.y(), p.y)) continue;
            entry.setX(p.x);
            entry.setY(p.y);
            changed = true;
        }
    }
    return changed;
}

bool replotInPlace(charts::BarLineChartViewBase& view, const std::vector<GraphSeries>& series, double margin) {
    const auto data = view.data();
    if (!data) return false;
    const auto changed = writeSeriesInPlace(*data, series);
    if (!changed) return false;
    if (*changed) view.notifyDataValuesChanged(margin);
    return true;
}

} // namespace appui
