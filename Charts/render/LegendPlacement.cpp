#include "Charts/render/LegendPlacement.h"

namespace charts {

namespace {

using Direction = Legend::Direction;
using HorizontalAlignment = Legend::HorizontalAlignment;
using VerticalAlignment = Legend::VerticalAlignment;

// +v left to right, -v right to left.
double directed(const LegendPlacementInput& input, double value) {
    return input.direction == Direction::leftToRight ? value : -value;
}

std::vector<LegendItemPlacement> placeHorizontally(const LegendPlacementInput& input, double originX) {
    const bool rightToLeft = input.direction == Direction::rightToLeft;
    const double formYOffset = input.lineHeight / 2;
    double posX = originX;
    double posY = 0;
    switch (input.verticalAlignment) {
    case VerticalAlignment::top: posY = input.yOffset; break;
    case VerticalAlignment::bottom: posY = input.chartHeight - input.yOffset - input.neededHeight; break;
    case VerticalAlignment::center: posY = (input.chartHeight - input.neededHeight) / 2 + input.yOffset; break;
    }
    std::size_t lineIndex = 0;

    std::vector<LegendItemPlacement> placements;
    placements.reserve(input.items.size());
    for (std::size_t i = 0; i < input.items.size(); ++i) {
        const LegendItem& item = input.items[i];
        LegendItemPlacement placement;
        if (i < input.breakPoints.size() && input.breakPoints[i]) {
            posX = originX;
            posY += input.lineHeight + input.yEntrySpace;
        }
        // Each line of a centred legend is centred on its own width.
        if (posX == originX && input.horizontalAlignment == HorizontalAlignment::center &&
            lineIndex < input.lineSizes.size()) {
            posX += directed(input, -input.lineSizes[lineIndex].width / 2);
            ++lineIndex;
        }
        if (item.drawsForm) {
            if (rightToLeft) posX -= item.formSize;
            placement.form = Point{posX, posY + formYOffset};
            if (!rightToLeft) posX += item.formSize;
        }
        if (item.hasLabel) {
            if (item.drawsForm) posX += directed(input, input.formToTextSpace);
            if (rightToLeft) posX -= item.labelWidth;
            placement.label = Point{posX, posY};
            if (!rightToLeft) posX += item.labelWidth;
            posX += directed(input, input.xEntrySpace);
        } else {
            posX += directed(input, input.stackSpace);
        }
        placements.push_back(placement);
    }
    return placements;
}

std::vector<LegendItemPlacement> placeVertically(const LegendPlacementInput& input, double originX) {
    const bool rightToLeft = input.direction == Direction::rightToLeft;
    const bool centered = input.horizontalAlignment == HorizontalAlignment::center;
    const double formYOffset = input.lineHeight / 2;
    const double lineStep = input.lineHeight + input.yEntrySpace;
    double posY = 0;
    switch (input.verticalAlignment) {
    case VerticalAlignment::top: posY = (centered ? 0 : input.content.y()) + input.yOffset; break;
    case VerticalAlignment::bottom:
        posY = (centered ? input.chartHeight : maxY(input.content)) - (input.neededHeight + input.yOffset);
        break;
    case VerticalAlignment::center: posY = input.chartHeight / 2 - input.neededHeight / 2 + input.yOffset; break;
    }
    double stack = 0;
    bool wasStacked = false;

    std::vector<LegendItemPlacement> placements;
    placements.reserve(input.items.size());
    for (const LegendItem& item : input.items) {
        LegendItemPlacement placement;
        double posX = originX;
        if (item.drawsForm) {
            if (rightToLeft)
                posX -= item.formSize - stack;
            else
                posX += stack;
            placement.form = Point{posX, posY + formYOffset};
            if (!rightToLeft) posX += item.formSize;
        }
        if (item.hasLabel) {
            if (item.drawsForm && !wasStacked)
                posX += directed(input, input.formToTextSpace);
            else if (wasStacked)
                posX = originX;
            if (rightToLeft) posX -= item.labelWidth;
            // A label after a stack takes the line below the stack's shapes.
            if (wasStacked) posY += lineStep;
            placement.label = Point{posX, posY};
            posY += lineStep;
            stack = 0;
            wasStacked = false;
        } else {
            stack += item.formSize + input.stackSpace;
            wasStacked = true;
        }
        placements.push_back(placement);
    }
    return placements;
}

} // namespace

double legendOriginX(const LegendPlacementInput& input) {
    const bool vertical = input.orientation == Legend::Orientation::vertical;
    const bool leftToRight = input.direction == Direction::leftToRight;
    double originX = 0;
    switch (input.horizontalAlignment) {
    case HorizontalAlignment::left:
        originX = vertical ? input.xOffset : input.content.x() + input.xOffset;
        if (!leftToRight) originX += input.neededWidth;
        break;
    case HorizontalAlignment::right:
        originX = vertical ? input.chartWidth - input.xOffset : maxX(input.content) - input.xOffset;
        if (leftToRight) originX -= input.neededWidth;
        break;
    case HorizontalAlignment::center:
        originX = vertical ? input.chartWidth / 2 : input.content.x() + input.content.width() / 2;
        originX += directed(input, input.xOffset);
        // A horizontal legend is centred line by line instead.
        if (vertical) originX += directed(input, -(input.neededWidth / 2 - input.xOffset));
        break;
    }
    return originX;
}

std::vector<LegendItemPlacement> placeLegendItems(const LegendPlacementInput& input) {
    const double originX = legendOriginX(input);
    return input.orientation == Legend::Orientation::horizontal ? placeHorizontally(input, originX)
                                                                : placeVertically(input, originX);
}

} // namespace charts
