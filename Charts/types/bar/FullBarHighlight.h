#pragma once
#include <memory>

#include "Charts/foundation/Highlight.h"

namespace charts {

// The highlight a touch on a bar chart makes: the highlighter's own, or with
// full-bar highlighting the same value with stack index -1, so that the
// whole stacked bar is highlighted. The upright bar chart and the combined
// chart pick their touch highlights through this; the horizontal bar chart
// keeps the touched stack value, which its renderer widens to the whole
// stack.
inline HighlightPtr barTouchHighlight(HighlightPtr found, bool fullBar) {
    if (!found || !fullBar) return found;
    return std::make_shared<Highlight>(found->x(), found->y(), found->xPx(), found->yPx(), found->dataIndex(),
                                       found->dataSetIndex(), -1, found->axis());
}

} // namespace charts
