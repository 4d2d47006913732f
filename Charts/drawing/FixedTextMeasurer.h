#pragma once
#include "Charts/drawing/TextMeasurer.h"

namespace charts {

// Metrics that do not depend on the fonts installed: every character is
// `advance` times the font's pixel size wide and every line `lineHeight`
// times it tall. Wrapping breaks at spaces (or anywhere, by character) as
// the paragraph style asks. For tests of layout arithmetic.
class FixedTextMeasurer : public TextMeasurer {
public:
    explicit FixedTextMeasurer(double advance = 0.5, double lineHeight = 1.25)
        : advance_(advance),
          lineHeightFactor_(lineHeight) {}

    Size size(const QString& text, const QFont& font) const override;
    Size boundingSize(const QString& text, const TextAttributes& attributes, Size constraint,
                      TextDrawOptions options = {}) const override;
    double lineHeight(const QFont& font) const override;

    // The font's size in pixels (a point size counts as pixels).
    static double fontSize(const QFont& font);

private:
    double width(const QString& text, const QFont& font) const;

    double advance_;
    double lineHeightFactor_;
};

} // namespace charts
