#pragma once
#include <QColor>
#include <QString>
#include <vector>

namespace charts {

// Ready-made palettes for data sets and a parser of colours written as text.
// Every call builds fresh colours.
class ChartColorTemplates {
public:
    ChartColorTemplates() = delete;

    static std::vector<QColor> liberty();
    static std::vector<QColor> joyful();
    static std::vector<QColor> pastel();
    static std::vector<QColor> colorful();
    static std::vector<QColor> vordiplom();
    static std::vector<QColor> material();

    // "#rgb", "#rrggbb", "#aarrggbb" (hex digits, any case), "rgb(r, g, b)",
    // "rgba(r, g, b, a)" and "argb(a, r, g, b)" with whole numbers 0 to 255 and
    // an alpha 0 to 1; anything else is the clear colour. A hex text with a
    // digit count other than 3, 6 or 8, or with a character that is not a hex
    // digit, is opaque black; numbers that are missing keep r, g, b 0 and
    // alpha 1, and numbers out of range are pinned to it.
    static QColor colorFromString(const QString& text);
};

} // namespace charts
