#include "Charts/drawing/FontMetricsTextMeasurer.h"

#include <QFontMetricsF>

#include "Charts/drawing/TextLayout.h"

namespace charts {

Size FontMetricsTextMeasurer::size(const QString& text, const QFont& font) const {
    TextAttributes attributes;
    attributes.font = font;
    return layOutText(text, attributes, 0, 0).size;
}

Size FontMetricsTextMeasurer::boundingSize(const QString& text, const TextAttributes& attributes, Size constraint,
                                           TextDrawOptions options) const {
    const double height = options.truncatesLastVisibleLine ? constraint.height : 0;
    return layOutText(text, attributes, constraint.width, height, options).size;
}

double FontMetricsTextMeasurer::lineHeight(const QFont& font) const { return QFontMetricsF(font).height(); }

} // namespace charts
