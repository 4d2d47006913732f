#pragma once
#include <cstddef>
#include <optional>
#include <vector>

#include "Charts/drawing/Geometry.h"
#include "Charts/foundation/Legend.h"

namespace charts {

// Where the legend renderer draws each entry, as a pure function of the
// legend's settings and computed layout and of the view port's edges.

// One entry as the placement needs it.
struct LegendItem {
    bool drawsForm = false; // any form but none takes room
    double formSize = 0;    // the entry's, or the legend's when it has none
    bool hasLabel = false;
    double labelWidth = 0; // measured with the legend's font
};

// The legend's settings and layout, read once per frame.
struct LegendPlacementInput {
    Legend::Orientation orientation = Legend::Orientation::horizontal;
    Legend::HorizontalAlignment horizontalAlignment = Legend::HorizontalAlignment::left;
    Legend::VerticalAlignment verticalAlignment = Legend::VerticalAlignment::bottom;
    Legend::Direction direction = Legend::Direction::leftToRight;
    double xOffset = 0;
    double yOffset = 0;
    double lineHeight = 0;
    double formToTextSpace = 0;
    double xEntrySpace = 0;
    double yEntrySpace = 0;
    double stackSpace = 0;
    double neededWidth = 0;
    double neededHeight = 0;
    std::vector<Size> lineSizes;   // horizontal only
    std::vector<bool> breakPoints; // horizontal only
    double chartWidth = 0;
    double chartHeight = 0;
    Rect content;
    std::vector<LegendItem> items;
};

// Where one entry goes: its form's left edge and vertical centre, its
// label's top-left corner; none for what is not drawn.
struct LegendItemPlacement {
    std::optional<Point> form;
    std::optional<Point> label;
};

// The x every line or column starts from.
double legendOriginX(const LegendPlacementInput& input);

// One placement per item, in order.
std::vector<LegendItemPlacement> placeLegendItems(const LegendPlacementInput& input);

} // namespace charts
