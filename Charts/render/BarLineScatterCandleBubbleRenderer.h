#pragma once
#include <cstdint>
#include <iterator>
#include <string>

#include <optional>

#include "Charts/data/ChartData.h"
#include "Charts/data/ChartDataEntry.h"
#include "Charts/render/CartesianFrame.h"
#include "Charts/render/DataRenderer.h"

namespace charts {

class BarLineScatterCandleBubbleChartDataProvider;
class IBarLineScatterCandleBubbleChartDataSet;
class IChartDataSet;

// The data renderers of the charts with x and y axes (bar, line, scatter,
// candle, bubble): they walk only the entries of the visible x range.
class BarLineScatterCandleBubbleRenderer : public DataRenderer {
public:
    // The indices of one data set's entries that lie in the visible x range:
    // min ... min + range, where range is already scaled by the animation's
    // x phase. Computed by two searches on x, never by a scan. The bounds
    // expect a data set sorted by x (max not below min).
    class XBounds {
    public:
        class Iterator {
        public:
            using iterator_category = std::forward_iterator_tag;
            using value_type = std::int64_t;
            using difference_type = std::int64_t;
            using pointer = const std::int64_t*;
            using reference = std::int64_t;

            Iterator() = default;
            explicit Iterator(std::int64_t index) : index_(index) {}
            std::int64_t operator*() const { return index_; }
            Iterator& operator++() {
                ++index_;
                return *this;
            }
            Iterator operator++(int) {
                Iterator before = *this;
                ++index_;
                return before;
            }
            friend bool operator==(const Iterator&, const Iterator&) = default;

        private:
            std::int64_t index_ = 0;
        };

        XBounds() = default;
        // A null animator counts as no animation.
        XBounds(const BarLineScatterCandleBubbleChartDataProvider& chart,
                const IBarLineScatterCandleBubbleChartDataSet& dataSet, const Animator* animator);

        void set(const BarLineScatterCandleBubbleChartDataProvider& chart,
                 const IBarLineScatterCandleBubbleChartDataSet& dataSet, const Animator* animator);
        // The same from a frame's visible x range and x phase.
        void set(const CartesianFrame& frame, const IBarLineScatterCandleBubbleChartDataSet& dataSet);

        // The first entry to draw.
        std::int64_t min() const { return min_; }
        void setMin(std::int64_t value) { min_ = value; }
        // The last visible entry before animation.
        std::int64_t max() const { return max_; }
        void setMax(std::int64_t value) { max_ = value; }
        // Steps from min to draw.
        std::int64_t range() const { return range_; }
        void setRange(std::int64_t value) { range_ = value; }

        // min through min + range; nothing when range is negative (a set
        // that is not sorted by x).
        Iterator begin() const { return Iterator(min_); }
        Iterator end() const { return Iterator(range_ < 0 ? min_ : min_ + range_ + 1); }
        bool contains(std::int64_t index) const { return min_ <= index && index <= min_ + range_; }

        // "min:<min>, max:<max>, range:<range>".
        std::string debugDescription() const;

    private:
        void set(double lowestVisibleX, double highestVisibleX, double phaseX,
                 const IBarLineScatterCandleBubbleChartDataSet& dataSet);

        std::int64_t min_ = 0;
        std::int64_t max_ = 0;
        std::int64_t range_ = 0;
    };

    BarLineScatterCandleBubbleRenderer(std::shared_ptr<Animator> animator,
                                       std::shared_ptr<ViewPortHandler> viewPortHandler);

    XBounds& xBounds() { return xBounds_; }
    const XBounds& xBounds() const { return xBounds_; }

    void beginFrame(const CartesianFrame& frame) override { paintFrame_ = frame; }
    void endFrame() override { paintFrame_.reset(); }

protected:
    // Opened by each drawing call of a concrete renderer before it reads
    // frame(): inside a paint, where the chart view handed over its frame, it
    // does nothing; a call made on its own (outside a paint) gets the chart's
    // frame as it stands, for the call and the calls it makes, and gives it
    // back when it returns.
    class CallFrame {
    public:
        CallFrame(BarLineScatterCandleBubbleRenderer& renderer,
                  const BarLineScatterCandleBubbleChartDataProvider& chart);
        ~CallFrame();
        CallFrame(const CallFrame&) = delete;
        CallFrame& operator=(const CallFrame&) = delete;

    private:
        BarLineScatterCandleBubbleRenderer& renderer_;
        bool began_;
    };

    // The frame being drawn; only within a CallFrame (or a paint).
    const CartesianFrame& frame() const { return *paintFrame_; }

    // Whether the entry's position in the set lies below the set's entry
    // count times the animation's x phase (compared in floating point).
    bool isInBoundsX(const ChartDataEntryPtr& entry, const IBarLineScatterCandleBubbleChartDataSet& dataSet) const;
    // Visible, and drawing values or icons.
    bool shouldDrawValues(const IChartDataSet& dataSet) const;

    // The highlighted entries of a kind, within a frame: for each highlight,
    // the set of class Set at its data-set index when it allows highlighting,
    // the entry of class Entry that the highlight's x and y find there when it
    // is shown yet (isInBoundsX), and the set's value-to-pixel matrix.
    // Highlights that name nothing are passed over, an x that names no
    // position (not finite, beyond the 64-bit integers) among them. visit
    // answers whether to go on.
    template <class Set, class Entry, class Visit>
    void forEachHighlightedEntry(const ChartData& data, const std::vector<HighlightPtr>& indices, Visit&& visit) {
        for (const HighlightPtr& high : indices) {
            if (!high || !entryIndexForX(high->x())) continue;
            const IChartDataSetPtr found = data.getDataSetByIndex(high->dataSetIndex());
            const auto* set = dynamic_cast<const Set*>(found.get());
            if (!set || !set->isHighlightEnabled()) continue;
            const ChartDataEntryPtr e = set->entryForXValue(high->x(), high->y());
            const auto* entry = dynamic_cast<const Entry*>(e.get());
            if (!entry || !isInBoundsX(e, *set)) continue;
            const std::optional<AffineTransform>& matrix = frame().valueToPixel(set->axisDependency());
            if (!matrix) continue;
            if (!visit(*high, *set, *entry, *matrix)) return;
        }
    }

    // One object for every data set and every frame, so that computing the
    // visible range allocates nothing.
    XBounds xBounds_;

private:
    std::optional<CartesianFrame> paintFrame_;
};

} // namespace charts
