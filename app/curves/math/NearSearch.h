#pragma once
#include <algorithm>
#include <cstddef>
#include <iterator>

namespace curves {

// std::partition_point of [first, last) for `pred` (true on a leading run,
// false after it), found from `hint`, where the previous search of a run
// ended: a search along a curve lands within a step or two of the one
// before, so a short walk settles it; a binary search takes over when the
// walk goes further. The answer is the same either way.
template <class It, class Pred>
It partitionPointNear(It first, It last, It hint, Pred pred) {
    constexpr int walk = 4;
    It k = hint;
    for (int step = 0; step < walk; ++step) {
        if (k != last && pred(*k))
            ++k;
        else if (k != first && !pred(*std::prev(k)))
            --k;
        else
            return k;
    }
    return std::partition_point(first, last, pred);
}

} // namespace curves
