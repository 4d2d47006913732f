#pragma once
#include <QString>

#include "Charts/drawing/Geometry.h"
#include "Charts/drawing/TextAttributes.h"

namespace charts {

// How big text is when drawn. Layout code (legend, axis label sizes, value
// positions) measures through this so that tests can use fixed metrics.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;

    // The text on lines broken only at line feeds: the widest line's width
    // and the lines' total height.
    virtual Size size(const QString& text, const QFont& font) const = 0;

    // The text laid out as it would be drawn into a rectangle of the
    // constraint's width (0 or less: no limit), wrapped by the paragraph
    // style. The height is that of all lines; only lines truncated to the
    // constraint's height (a positive one) by the options stop earlier.
    virtual Size boundingSize(const QString& text, const TextAttributes& attributes, Size constraint,
                              TextDrawOptions options = {}) const = 0;

    // The height of one line of the font.
    virtual double lineHeight(const QFont& font) const = 0;

protected:
    TextMeasurer() = default;
    TextMeasurer(const TextMeasurer&) = default;
    TextMeasurer& operator=(const TextMeasurer&) = default;
};

} // namespace charts
