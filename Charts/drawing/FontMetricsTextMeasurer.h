#pragma once
#include "Charts/drawing/TextMeasurer.h"

namespace charts {

// Measures with the desktop's font metrics, exactly as the painter back end
// lays text out.
class FontMetricsTextMeasurer : public TextMeasurer {
public:
    Size size(const QString& text, const QFont& font) const override;
    Size boundingSize(const QString& text, const TextAttributes& attributes, Size constraint,
                      TextDrawOptions options = {}) const override;
    double lineHeight(const QFont& font) const override;
};

} // namespace charts
