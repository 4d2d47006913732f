#pragma once
#include <unordered_map>

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

} // namespace charts
