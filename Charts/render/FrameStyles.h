#pragma once
#include <cstddef>
#include <optional>
#include <unordered_map>

#include "Charts/data/ChartData.h"
#include "Charts/render/CartesianFrame.h"

namespace charts {

// The styles of the data sets drawn in one frame, each read from its set
// once (Style::of(set)) on the first ask and reused by the later drawing
// calls of the frame. A renderer clears it when its frame ends; the sets do
// not change within a frame.
template <class Set, class Style>
class FrameStyles {
public:
    // The reference stays valid until clear().
    const Style& of(const Set& set) {
        const auto [found, inserted] = styles_.try_emplace(&set);
        if (inserted) found->second = Style::of(set);
        return found->second;
    }
    void clear() { styles_.clear(); }

private:
    std::unordered_map<const Set*, Style> styles_;
};

// A renderer of a chart with x and y axes (Base) whose sets' styles are read
// once per frame into styles_, emptied as each frame begins and ends.
template <class Base, class Set, class Style>
class FrameStyledRenderer : public Base {
public:
    using Base::Base;

    void beginFrame(const CartesianFrame& frame) override {
        Base::beginFrame(frame);
        styles_.clear();
    }
    void endFrame() override {
        Base::endFrame();
        styles_.clear();
    }

protected:
    // The sets whose values are drawn in this frame: each set of class Set
    // that is visible, draws values or icons and has a value formatter, with
    // its index, its style (whose `values` are read) and the value-to-pixel
    // matrix of its axis.
    template <class Visit>
    void forEachValueSet(const ChartData& data, Visit&& visit) {
        const ChartData::DataSets& sets = data.dataSets();
        for (std::size_t i = 0; i < sets.size(); ++i) {
            const auto* set = dynamic_cast<const Set*>(sets[i].get());
            if (!set || !this->shouldDrawValues(*set)) continue;
            const Style& style = styles_.of(*set);
            if (!style.values.formatter) continue;
            const std::optional<AffineTransform>& matrix = this->frame().valueToPixel(set->axisDependency());
            if (!matrix) continue;
            visit(static_cast<int>(i), *set, style, *matrix);
        }
    }

    FrameStyles<Set, Style> styles_;
};

} // namespace charts
