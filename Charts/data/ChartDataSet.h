#pragma once
#include <functional>
#include <utility>

#include "Charts/data/ChartBaseDataSet.h"

namespace charts {

// Tag of the constructors that leave the bounds to the most derived class:
// a base constructor cannot reach a subclass's per-entry rules, so every
// public constructor builds through its parent's deferring one and computes
// the bounds once, at the end of its own body.
struct DeferBounds {};

// The entries of one series, ascending by x, with the smallest and largest x
// and y over them kept current as the list is edited. Entries are shared
// objects; the list itself belongs to the set.
//
// Positions handed to the list operations are checked: a position or range
// outside the list is refused (false, no entry) and changes nothing.
//
// One thread: the lookups by x are const but keep samples of the list (see
// xSamples_) in the set, so a set is used from one thread at a time, reads
// included.
class ChartDataSet : public ChartBaseDataSet {
public:
    using Entries = std::vector<ChartDataEntryPtr>;

    ChartDataSet();
    explicit ChartDataSet(std::optional<QString> label);
    explicit ChartDataSet(Entries entries);
    ChartDataSet(Entries entries, std::optional<QString> label);
    // The same entry object count times, as appends to a new set.
    ChartDataSet(const ChartDataEntryPtr& entry, std::int64_t count);

    // The list. Writing it stores it as given (missing entries dropped)
    // without recomputing the bounds; replaceEntries() recomputes them.
    virtual const Entries& entries() const { return entries_; }
    virtual void setEntries(Entries entries);
    virtual const Entries& values() const { return entries(); }
    virtual void replaceEntries(Entries entries);

    void calcMinMax() override;
    void calcMinMaxY(double fromX, double toX) override;
    // Widen the bounds by one entry: x only, y only, or x then y. A subclass
    // that overrides one of these brings the other overloads of the name back
    // into view with a using-declaration.
    virtual void calcMinMaxX(const ChartDataEntry& entry);
    virtual void calcMinMaxY(const ChartDataEntry& entry);
    virtual void calcMinMax(const ChartDataEntry& entry);

    double yMin() const override { return yMin_; }
    double yMax() const override { return yMax_; }
    double xMin() const override { return xMin_; }
    double xMax() const override { return xMax_; }
    std::int64_t entryCount() const override { return static_cast<std::int64_t>(entries().size()); }

    ChartDataEntryPtr entryForIndex(std::int64_t index) const override;
    std::span<const ChartDataEntryPtr> entriesInOrder() const override { return entries(); }
    // Bisection on x; a NaN x finds nothing and entries with a NaN x count as
    // infinitely far. Among entries of the found x, the y nearest closestToY
    // wins (the later one on a tie); a NaN closestToY expresses no preference.
    std::int64_t entryIndex(double xValue, double closestToY, ChartDataSetRounding rounding) const override;
    ChartDataEntryPtr entryForXValue(double xValue, double closestToY, ChartDataSetRounding rounding) const override;
    ChartDataEntryPtr entryForXValue(double xValue, double closestToY) const override;
    std::vector<ChartDataEntryPtr> entriesForXValue(double xValue) const override;
    // Position of the first entry equal to the given one (same x and y).
    std::int64_t entryIndex(const ChartDataEntryPtr& entry) const override;
    bool contains(const ChartDataEntryPtr& entry) const override;

    // Appends without ordering and widens the bounds.
    bool addEntry(const ChartDataEntryPtr& entry) override;
    // Inserts keeping x ascending: before the first entry with a larger x.
    bool addEntryOrdered(const ChartDataEntryPtr& entry) override;
    bool removeEntry(const ChartDataEntryPtr& entry) override;
    virtual bool remove(const ChartDataEntryPtr& entry);
    bool removeEntryAtIndex(std::int64_t index) override;
    bool removeFirst() override;
    bool removeLast() override;
    void clear() override;

    // List operations. Writes at a position only widen the bounds (the
    // replaced entry may still show in them); insertions and removals
    // recompute them.
    Entries::const_iterator begin() const { return entries().begin(); }
    Entries::const_iterator end() const { return entries().end(); }
    bool setEntry(std::int64_t position, const ChartDataEntryPtr& entry);
    bool writeEntries(std::int64_t firstPosition, const Entries& entries);
    bool swapAt(std::int64_t first, std::int64_t second);
    // Moves the entries that satisfy the predicate behind the others by swaps;
    // answers the position of the first such entry.
    std::int64_t partition(const std::function<bool(const ChartDataEntry&)>& belongsInSecondPartition);
    void append(const ChartDataEntryPtr& entry);
    void append(const Entries& entries);
    bool insert(const ChartDataEntryPtr& entry, std::int64_t position);
    bool insert(const Entries& entries, std::int64_t position);
    // Replaces the positions first..<last.
    bool replaceSubrange(std::int64_t first, std::int64_t last, const Entries& entries);
    ChartDataEntryPtr removeAt(std::int64_t position);
    ChartDataEntryPtr takeFirst();
    ChartDataEntryPtr takeLast();
    bool removeFirst(std::int64_t count);
    bool removeLast(std::int64_t count);
    bool removeSubrange(std::int64_t first, std::int64_t last);
    void removeAll(bool keepingCapacity);
    void removeAllWhere(const std::function<bool(const ChartDataEntry&)>& shouldBeRemoved);
    void reserveCapacity(std::int64_t capacity);

protected:
    ChartDataSet(DeferBounds, Entries entries, std::optional<QString> label);

    std::shared_ptr<ChartBaseDataSet> makeBlank() const override;
    void copyInto(ChartBaseDataSet& target) const override;

    // Mutable access for subclasses that keep further per-entry state.
    Entries& mutableEntries() { return entries_; }
    void resetBounds();

    double yMax_;
    double yMin_;
    double xMax_;
    double xMin_;

private:
    // Position of the entry whose x is nearest; the upper one on a tie.
    std::int64_t nearestXIndex(double xValue) const;
    // Half-open range [first, second) of the list in which the first entry
    // with x >= xValue lies (second itself when none before it is), narrowed
    // on long lists by the sampled x values below; the whole list otherwise.
    std::pair<std::int64_t, std::int64_t> lowerBoundRange(double xValue) const;
    void takeXSamples() const;
    bool isPosition(std::int64_t position) const { return position >= 0 && position < entryCount(); }
    bool isRange(std::int64_t first, std::int64_t last) const {
        return first >= 0 && first <= last && last <= entryCount();
    }

    Entries entries_;

    // Every 8th x of a long list, so that a lookup reads a few entries near
    // the answer instead of one entry per halving of the whole list (each
    // entry is an object of its own, and at a million entries every read
    // waits on memory). The samples only guide: the entries at both ends of a
    // narrowed range are read again before the range is trusted, so samples
    // gone stale through edits never change an answer; they are taken again
    // for another list at once, and after a failed check once searches of the
    // whole list have cost about as much.
    static constexpr std::size_t xSampleStride = 8;
    struct XSamples {
        const ChartDataEntryPtr* list = nullptr;
        std::size_t count = 0;
        bool stale = false;
        std::size_t wholeSearches = 0; // while stale
        bool usable = false;           // ascending and without NaN when taken
        std::vector<double> xs;
    };
    mutable XSamples xSamples_;
};

} // namespace charts
