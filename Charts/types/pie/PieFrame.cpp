#include "Charts/types/pie/PieFrame.h"

#include <cmath>
#include <limits>

#include "Charts/foundation/Animator.h"
#include "Charts/types/pie/PieChartView.h"

namespace charts {

PieFrame PieFrame::of(const PieChartView& view, const Animator& animator) {
    PieFrame frame;
    frame.center = view.centerCircleBox();
    frame.radius = view.radius();
    frame.rotationAngle = view.rotationAngle();
    frame.phaseX = animator.phaseX();
    frame.phaseY = animator.phaseY();
    frame.drawAngles = &view.drawAngles();
    frame.absoluteAngles = &view.absoluteAngles();
    frame.drawHole = view.isDrawHoleEnabled();
    frame.holeRadiusPercent = view.holeRadiusPercent();
    frame.drawInnerArc = frame.drawHole && !view.isDrawSlicesUnderHoleEnabled();
    frame.userInnerRadius = frame.drawInnerArc ? frame.radius * frame.holeRadiusPercent : 0.0;
    frame.highlighted.assign(frame.drawAngles->size(), false);
    for (const HighlightPtr& h : view.indicesToHighlight()) {
        const std::optional<std::int64_t> index = h ? entryIndexForX(h->x()) : std::nullopt;
        if (index && *index >= 0 && static_cast<std::size_t>(*index) < frame.highlighted.size())
            frame.highlighted[static_cast<std::size_t>(*index)] = true;
    }
    return frame;
}

PieSetStyle PieSetStyle::of(const IPieChartDataSet& set, const PieChartView& view) {
    PieSetStyle style;
    style.sliceSpace = set.sliceSpace();
    style.selectionShift = set.selectionShift();
    style.drawValues = set.isDrawValuesEnabled();
    style.drawIcons = set.isDrawIconsEnabled();
    style.highlightEnabled = set.isHighlightEnabled();
    style.highlightColor = set.highlightColor();
    style.xValuePosition = set.xValuePosition();
    style.yValuePosition = set.yValuePosition();
    style.valueFont = set.valueFont();
    style.entryLabelFont = set.entryLabelFont() ? set.entryLabelFont() : view.entryLabelFont();
    style.entryLabelColor = set.entryLabelColor() ? set.entryLabelColor() : view.entryLabelColor();
    style.iconsOffset = set.iconsOffset();
    style.valueLineColor = set.valueLineColor();
    style.useValueColorForLine = set.useValueColorForLine();
    style.valueLineWidth = set.valueLineWidth();
    style.valueLine.part1OffsetPercentage = set.valueLinePart1OffsetPercentage();
    style.valueLine.part1Length = set.valueLinePart1Length();
    style.valueLine.part2Length = set.valueLinePart2Length();
    style.valueLine.variableLength = set.valueLineVariableLength();
    return style;
}

std::int64_t visibleSliceCount(const IPieChartDataSet& set) {
    constexpr double epsilon = std::numeric_limits<double>::epsilon();
    std::int64_t count = 0;
    for (std::int64_t j = 0; j < set.entryCount(); ++j) {
        const ChartDataEntryPtr entry = set.entryForIndex(j);
        if (entry && std::fabs(entry->y()) > epsilon) ++count;
    }
    return count;
}

} // namespace charts
