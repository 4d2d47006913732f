#include "Charts/render/DataSetStyles.h"

#include "Charts/data/ILineFamilyDataSets.h"
#include "Charts/foundation/ValueFormatter.h"
#include "Charts/render/StrokeStyling.h"

namespace charts {

ValueLabelStyle ValueLabelStyle::of(const IChartDataSet& set) {
    ValueLabelStyle style;
    style.drawValues = set.isDrawValuesEnabled();
    style.drawIcons = set.isDrawIconsEnabled();
    style.font = set.valueFont();
    style.formatter = set.valueFormatter();
    style.textColors = ColorCycleStyle{set.valueColors(), set.valueTextColorAt(0)};
    style.iconsOffset = set.iconsOffset();
    return style;
}

HighlightLineStyle HighlightLineStyle::of(const IBarLineScatterCandleBubbleChartDataSet& set) {
    return HighlightLineStyle{set.highlightColor(), set.highlightLineWidth(), set.highlightLineDashLengths(),
                              set.highlightLineDashPhase()};
}

void HighlightLineStyle::applyTo(DrawingContext& context) const {
    setChartLineStyle(context, color, width, dashLengths, dashPhase);
}

AreaFillStyle AreaFillStyle::of(const ILineRadarChartDataSet& set) {
    return AreaFillStyle{set.isDrawFilledEnabled(), set.fill(), set.fillColor(), set.fillAlpha()};
}

} // namespace charts
