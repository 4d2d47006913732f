#pragma once
#include <memory>
#include <optional>

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>

#include "Charts/foundation/Fill.h"
#include "Charts/types/radar/IRadarChartDataSet.h"

namespace charts {

// A radar set's styling, read once per set and frame.
struct RadarSetStyle {
    QString label;
    QColor outlineColor;
    double lineWidth = 1;
    bool filled = false;
    std::shared_ptr<Fill> fill;
    QColor fillColor;
    double fillAlpha = 1;
    bool drawValues = false;
    bool drawIcons = false;
    QPointF iconsOffset;
    QFont valueFont;

    static RadarSetStyle of(const IRadarChartDataSet& set) {
        RadarSetStyle style;
        style.label = set.label().value_or(QString());
        style.outlineColor = set.color(0);
        style.lineWidth = set.lineWidth();
        style.filled = set.isDrawFilledEnabled();
        style.fill = set.fill();
        style.fillColor = set.fillColor();
        style.fillAlpha = set.fillAlpha();
        style.drawValues = set.isDrawValuesEnabled();
        style.drawIcons = set.isDrawIconsEnabled();
        style.iconsOffset = set.iconsOffset();
        style.valueFont = set.valueFont();
        return style;
    }
};

// The circle around a highlighted entry as a set draws it.
struct RadarHighlightCircleStyle {
    std::optional<QColor> fillColor;
    // The outline's colour with the stroke alpha applied.
    QColor strokeColor;
    double innerRadius = 0;
    double outerRadius = 0;
    double strokeWidth = 0;

    static RadarHighlightCircleStyle of(const IRadarChartDataSet& set) {
        RadarHighlightCircleStyle style;
        style.fillColor = set.highlightCircleFillColor();
        style.strokeColor = set.highlightCircleStrokeColor().value_or(set.color(0));
        if (set.highlightCircleStrokeAlpha() < 1) style.strokeColor.setAlphaF(set.highlightCircleStrokeAlpha());
        style.innerRadius = set.highlightCircleInnerRadius();
        style.outerRadius = set.highlightCircleOuterRadius();
        style.strokeWidth = set.highlightCircleStrokeWidth();
        return style;
    }
};

} // namespace charts
