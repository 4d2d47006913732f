#include "Charts/data/ChartDataSet.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace charts {

namespace {

constexpr double largest = std::numeric_limits<double>::max();
constexpr double noPreference = std::numeric_limits<double>::quiet_NaN();

ChartDataSet::Entries withoutMissing(ChartDataSet::Entries entries) {
    std::erase(entries, nullptr);
    return entries;
}

// Distance on x for the bisection: an entry with a NaN x is infinitely far.
double xDistance(double entryX, double xValue) {
    if (entryX == xValue) return 0;
    const double distance = std::fabs(entryX - xValue);
    return std::isnan(distance) ? std::numeric_limits<double>::infinity() : distance;
}

std::ptrdiff_t offset(std::int64_t position) { return static_cast<std::ptrdiff_t>(position); }

} // namespace

ChartDataSet::ChartDataSet(DeferBounds, Entries entries, std::optional<QString> label)
    : ChartBaseDataSet(std::move(label)),
      yMax_(-largest),
      yMin_(largest),
      xMax_(-largest),
      xMin_(largest),
      entries_(withoutMissing(std::move(entries))) {}

ChartDataSet::ChartDataSet() : ChartDataSet(Entries{}, QStringLiteral("DataSet")) {}

ChartDataSet::ChartDataSet(std::optional<QString> label) : ChartDataSet(Entries{}, std::move(label)) {}

ChartDataSet::ChartDataSet(Entries entries) : ChartDataSet(std::move(entries), QStringLiteral("DataSet")) {}

ChartDataSet::ChartDataSet(Entries entries, std::optional<QString> label)
    : ChartDataSet(DeferBounds{}, std::move(entries), std::move(label)) {
    calcMinMax();
}

ChartDataSet::ChartDataSet(const ChartDataEntryPtr& entry, std::int64_t count) : ChartDataSet() {
    for (std::int64_t index = 0; index < count; ++index) append(entry);
}

void ChartDataSet::setEntries(Entries entries) { entries_ = withoutMissing(std::move(entries)); }

void ChartDataSet::replaceEntries(Entries entries) {
    setEntries(std::move(entries));
    notifyDataSetChanged();
}

void ChartDataSet::resetBounds() {
    yMax_ = -largest;
    yMin_ = largest;
    xMax_ = -largest;
    xMin_ = largest;
}

void ChartDataSet::calcMinMax() {
    resetBounds();
    for (const auto& entry : entries()) calcMinMax(*entry);
}

void ChartDataSet::calcMinMaxY(double fromX, double toX) {
    yMax_ = -largest;
    yMin_ = largest;
    if (entries().empty()) return;
    // Rounding outward keeps the entries just outside the window, so a line
    // that leaves it still counts.
    const auto from = entryIndex(fromX, noPreference, ChartDataSetRounding::down);
    const auto to = entryIndex(toX, noPreference, ChartDataSetRounding::up);
    if (from < 0 || to < from) return;
    for (auto index = from; index <= to; ++index) calcMinMaxY(*entries()[static_cast<std::size_t>(index)]);
}

void ChartDataSet::calcMinMaxX(const ChartDataEntry& entry) {
    if (entry.x() < xMin_) xMin_ = entry.x();
    if (entry.x() > xMax_) xMax_ = entry.x();
}

void ChartDataSet::calcMinMaxY(const ChartDataEntry& entry) {
    if (entry.y() < yMin_) yMin_ = entry.y();
    if (entry.y() > yMax_) yMax_ = entry.y();
}

void ChartDataSet::calcMinMax(const ChartDataEntry& entry) {
    calcMinMaxX(entry);
    calcMinMaxY(entry);
}

ChartDataEntryPtr ChartDataSet::entryForIndex(std::int64_t index) const {
    if (!isPosition(index)) return nullptr;
    return entries()[static_cast<std::size_t>(index)];
}

void ChartDataSet::takeXSamples() const {
    const auto& list = entries();
    auto& samples = xSamples_;
    samples.list = list.data();
    samples.count = list.size();
    samples.stale = false;
    samples.wholeSearches = 0;
    samples.usable = true;
    samples.xs.clear();
    for (std::size_t index = 0; index < list.size(); index += xSampleStride) {
        const double x = list[index]->x();
        samples.usable = samples.usable && !std::isnan(x) && (samples.xs.empty() || !(x < samples.xs.back()));
        samples.xs.push_back(x);
    }
}

std::pair<std::int64_t, std::int64_t> ChartDataSet::lowerBoundRange(double xValue) const {
    constexpr std::size_t shortestSampledList = 4096;
    const auto& list = entries();
    const std::size_t count = list.size();
    const std::pair<std::int64_t, std::int64_t> whole{0, static_cast<std::int64_t>(count)};
    if (count < shortestSampledList) return whole;

    auto& samples = xSamples_;
    if (samples.list != list.data()) {
        takeXSamples();
    } else if (samples.stale || (!samples.usable && samples.count != count)) {
        // Edits in place can make samples stale after every lookup (ordered
        // insertion does): search the whole list until such searches have
        // cost about what taking the samples again costs.
        samples.stale = true;
        if (++samples.wholeSearches < samples.xs.size() / xSampleStride) return whole;
        takeXSamples();
    }
    if (!samples.usable) return whole;

    // The first sample at or above xValue, k, bounds the answer: after sample
    // k - 1 and no later than sample k, when the entries there still agree.
    const auto k =
        static_cast<std::size_t>(std::lower_bound(samples.xs.begin(), samples.xs.end(), xValue) - samples.xs.begin());
    std::size_t first = 0;
    std::size_t last = count;
    bool holds = true;
    if (k > 0) {
        const std::size_t below = (k - 1) * xSampleStride;
        holds = below < count && list[below]->x() < xValue;
        first = below + 1;
    }
    if (holds && k < samples.xs.size() && k * xSampleStride < count) {
        last = k * xSampleStride;
        holds = list[last]->x() >= xValue;
    }
    if (!holds) {
        samples.stale = true; // the list changed under the samples
        return whole;
    }
    return {static_cast<std::int64_t>(first), static_cast<std::int64_t>(last)};
}

std::int64_t ChartDataSet::nearestXIndex(double xValue) const {
    const auto& list = entries();
    const auto count = static_cast<std::int64_t>(list.size());
    const auto xAt = [&list](std::int64_t index) { return list[static_cast<std::size_t>(index)]->x(); };

    // The first entry at or above the x sought, reading one entry per step.
    // On ascending x without NaN this settles where the pairwise bisection
    // below does: on the nearer neighbour, the upper one on a tie.
    auto [low, high] = lowerBoundRange(xValue);
    bool sawNaN = false;
    while (low < high && !sawNaN) {
        const std::int64_t middle = low + (high - low) / 2;
        const double x = xAt(middle);
        sawNaN = std::isnan(x);
        if (x < xValue)
            low = middle + 1;
        else
            high = middle;
    }
    if (!sawNaN) {
        if (low == count) return count - 1;
        if (low == 0) return 0;
        const double above = xAt(low);
        const double below = xAt(low - 1);
        if (!std::isnan(above) && !std::isnan(below)) {
            const double aboveDistance = above == xValue ? 0 : above - xValue;
            return aboveDistance <= xValue - below ? low : low - 1;
        }
    }

    // Pairwise bisection, which also ends when entries have a NaN x: they
    // count as infinitely far.
    low = 0;
    high = count - 1;
    while (low < high) {
        const std::int64_t middle = low + (high - low) / 2;
        const double distance1 = xDistance(xAt(middle), xValue);
        const double distance2 = xDistance(xAt(middle + 1), xValue);
        if (distance2 < distance1) {
            low = middle + 1;
        } else if (distance1 < distance2) {
            high = middle;
        } else if (xAt(middle) - xValue < 0) {
            // Equally far on either side: the upper neighbour wins.
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return high;
}

std::int64_t ChartDataSet::entryIndex(double xValue, double closestToY, ChartDataSetRounding rounding) const {
    const auto& list = entries();
    const auto count = static_cast<std::int64_t>(list.size());
    if (count == 0 || std::isnan(xValue)) return -1;
    const auto xAt = [&list](std::int64_t index) { return list[static_cast<std::size_t>(index)]->x(); };

    auto high = nearestXIndex(xValue);
    const double closestX = xAt(high);
    switch (rounding) {
    case ChartDataSetRounding::up:
        if (closestX < xValue && high < count - 1) ++high;
        break;
    case ChartDataSetRounding::down:
        if (closestX > xValue && high > 0) --high;
        break;
    case ChartDataSetRounding::closest: break;
    }

    if (std::isnan(closestToY)) return high;

    // Among the entries at the x found, the one whose y is nearest wins.
    while (high > 0 && xAt(high - 1) == closestX) --high;
    std::int64_t best = high;
    double bestY = list[static_cast<std::size_t>(high)]->y();
    for (auto index = high + 1; index < count && xAt(index) == closestX; ++index) {
        const double y = list[static_cast<std::size_t>(index)]->y();
        if (std::fabs(y - closestToY) <= std::fabs(bestY - closestToY)) {
            best = index;
            bestY = y;
        }
    }
    return best;
}

ChartDataEntryPtr ChartDataSet::entryForXValue(double xValue, double closestToY, ChartDataSetRounding rounding) const {
    return entryForIndex(entryIndex(xValue, closestToY, rounding));
}

ChartDataEntryPtr ChartDataSet::entryForXValue(double xValue, double closestToY) const {
    return entryForXValue(xValue, closestToY, ChartDataSetRounding::closest);
}

std::vector<ChartDataEntryPtr> ChartDataSet::entriesForXValue(double xValue) const {
    const auto& list = entries();
    // An entry of this x, if any, lies in the range of the first x >= xValue.
    auto [low, high] = lowerBoundRange(xValue);
    high = std::min(high, static_cast<std::int64_t>(list.size()) - 1);
    const auto xAt = [&list](std::int64_t index) { return list[static_cast<std::size_t>(index)]->x(); };
    while (low <= high) {
        auto middle = low + (high - low) / 2;
        if (xAt(middle) == xValue) {
            while (middle > 0 && xAt(middle - 1) == xValue) --middle;
            std::vector<ChartDataEntryPtr> found;
            for (auto index = middle; index <= static_cast<std::int64_t>(list.size()) - 1 && xAt(index) == xValue;
                 ++index)
                found.push_back(list[static_cast<std::size_t>(index)]);
            return found;
        }
        if (xValue > xAt(middle))
            low = middle + 1;
        else
            high = middle - 1;
    }
    return {};
}

std::int64_t ChartDataSet::entryIndex(const ChartDataEntryPtr& entry) const {
    const auto& list = entries();
    for (std::size_t index = 0; index < list.size(); ++index)
        if (list[index]->isEqual(entry.get())) return static_cast<std::int64_t>(index);
    return -1;
}

bool ChartDataSet::contains(const ChartDataEntryPtr& entry) const { return entryIndex(entry) >= 0; }

bool ChartDataSet::addEntry(const ChartDataEntryPtr& entry) {
    if (entry == nullptr) return false;
    append(entry);
    return true;
}

bool ChartDataSet::addEntryOrdered(const ChartDataEntryPtr& entry) {
    if (entry == nullptr) return false;
    calcMinMax(*entry);
    auto& list = entries_;
    if (list.empty() || !(list.back()->x() > entry->x())) {
        list.push_back(entry);
        return true;
    }
    const auto count = static_cast<std::int64_t>(list.size());
    const auto xAt = [&list](std::int64_t index) { return list[static_cast<std::size_t>(index)]->x(); };
    auto position = entryIndex(entry->x(), entry->y(), ChartDataSetRounding::up);
    if (position < 0) position = 0;
    while (position < count - 1 && entry->x() > xAt(position)) ++position;
    // The closest-y pass may have picked a later member of a run of equal x
    // above the new entry: step back before every entry with a larger x.
    while (position > 0 && xAt(position - 1) > entry->x()) --position;
    list.insert(list.begin() + offset(position), entry);
    return true;
}

bool ChartDataSet::removeEntry(const ChartDataEntryPtr& entry) { return remove(entry); }

bool ChartDataSet::remove(const ChartDataEntryPtr& entry) {
    const auto index = entryIndex(entry);
    if (index < 0) return false;
    entries_.erase(entries_.begin() + offset(index));
    notifyDataSetChanged();
    return true;
}

bool ChartDataSet::removeEntryAtIndex(std::int64_t index) { return removeAt(index) != nullptr; }

bool ChartDataSet::removeFirst() { return takeFirst() != nullptr; }

bool ChartDataSet::removeLast() { return takeLast() != nullptr; }

void ChartDataSet::clear() { removeAll(true); }

bool ChartDataSet::setEntry(std::int64_t position, const ChartDataEntryPtr& entry) {
    if (!isPosition(position) || entry == nullptr) return false;
    calcMinMax(*entry);
    entries_[static_cast<std::size_t>(position)] = entry;
    return true;
}

bool ChartDataSet::writeEntries(std::int64_t firstPosition, const Entries& entries) {
    const auto count = static_cast<std::int64_t>(entries.size());
    if (!isRange(firstPosition, firstPosition + count)) return false;
    if (std::find(entries.begin(), entries.end(), nullptr) != entries.end()) return false;
    for (std::int64_t index = 0; index < count; ++index)
        setEntry(firstPosition + index, entries[static_cast<std::size_t>(index)]);
    return true;
}

bool ChartDataSet::swapAt(std::int64_t first, std::int64_t second) {
    if (!isPosition(first) || !isPosition(second)) return false;
    if (first == second) return true;
    const auto firstEntry = entryForIndex(first);
    const auto secondEntry = entryForIndex(second);
    setEntry(first, secondEntry);
    setEntry(second, firstEntry);
    return true;
}

std::int64_t ChartDataSet::partition(const std::function<bool(const ChartDataEntry&)>& belongsInSecondPartition) {
    std::int64_t low = 0;
    std::int64_t high = entryCount();
    while (true) {
        while (low < high && !belongsInSecondPartition(*entries()[static_cast<std::size_t>(low)])) ++low;
        if (low == high) return low;
        do {
            --high;
        } while (low < high && belongsInSecondPartition(*entries()[static_cast<std::size_t>(high)]));
        if (low == high) return low;
        swapAt(low, high);
        ++low;
    }
}

void ChartDataSet::append(const ChartDataEntryPtr& entry) {
    if (entry == nullptr) return;
    calcMinMax(*entry);
    entries_.push_back(entry);
}

void ChartDataSet::append(const Entries& entries) {
    for (const auto& entry : entries) append(entry);
}

bool ChartDataSet::insert(const ChartDataEntryPtr& entry, std::int64_t position) {
    if (entry == nullptr) return false;
    return insert(Entries{entry}, position);
}

bool ChartDataSet::insert(const Entries& entries, std::int64_t position) {
    if (!isRange(position, position)) return false;
    const auto present = withoutMissing(entries);
    for (const auto& entry : present) calcMinMax(*entry);
    entries_.insert(entries_.begin() + offset(position), present.begin(), present.end());
    notifyDataSetChanged();
    return true;
}

bool ChartDataSet::replaceSubrange(std::int64_t first, std::int64_t last, const Entries& entries) {
    if (!isRange(first, last)) return false;
    const auto present = withoutMissing(entries);
    entries_.erase(entries_.begin() + offset(first), entries_.begin() + offset(last));
    entries_.insert(entries_.begin() + offset(first), present.begin(), present.end());
    notifyDataSetChanged();
    return true;
}

ChartDataEntryPtr ChartDataSet::removeAt(std::int64_t position) {
    if (!isPosition(position)) return nullptr;
    auto entry = entries_[static_cast<std::size_t>(position)];
    entries_.erase(entries_.begin() + offset(position));
    notifyDataSetChanged();
    return entry;
}

ChartDataEntryPtr ChartDataSet::takeFirst() { return removeAt(0); }

ChartDataEntryPtr ChartDataSet::takeLast() { return removeAt(entryCount() - 1); }

bool ChartDataSet::removeFirst(std::int64_t count) { return removeSubrange(0, count); }

bool ChartDataSet::removeLast(std::int64_t count) {
    if (count < 0) return false;
    return removeSubrange(entryCount() - count, entryCount());
}

bool ChartDataSet::removeSubrange(std::int64_t first, std::int64_t last) {
    if (!isRange(first, last)) return false;
    entries_.erase(entries_.begin() + offset(first), entries_.begin() + offset(last));
    notifyDataSetChanged();
    return true;
}

void ChartDataSet::removeAll(bool keepingCapacity) {
    if (keepingCapacity)
        entries_.clear();
    else
        Entries().swap(entries_);
    notifyDataSetChanged();
}

void ChartDataSet::removeAllWhere(const std::function<bool(const ChartDataEntry&)>& shouldBeRemoved) {
    std::erase_if(entries_, [&shouldBeRemoved](const ChartDataEntryPtr& entry) { return shouldBeRemoved(*entry); });
    notifyDataSetChanged();
}

void ChartDataSet::reserveCapacity(std::int64_t capacity) {
    if (capacity > 0) entries_.reserve(static_cast<std::size_t>(capacity));
}

std::shared_ptr<ChartBaseDataSet> ChartDataSet::makeBlank() const { return std::make_shared<ChartDataSet>(); }

void ChartDataSet::copyInto(ChartBaseDataSet& target) const {
    ChartBaseDataSet::copyInto(target);
    auto& copy = static_cast<ChartDataSet&>(target);
    copy.entries_ = entries();
    copy.yMax_ = yMax_;
    copy.yMin_ = yMin_;
    copy.xMax_ = xMax_;
    copy.xMin_ = xMin_;
}

} // namespace charts
