#include "Charts/drawing/FixedTextMeasurer.h"

#include <QStringList>
#include <algorithm>

namespace charts {

double FixedTextMeasurer::fontSize(const QFont& font) { return fontPixelSize(font); }

double FixedTextMeasurer::width(const QString& text, const QFont& font) const {
    return static_cast<double>(text.size()) * advance_ * fontSize(font);
}

double FixedTextMeasurer::lineHeight(const QFont& font) const { return lineHeightFactor_ * fontSize(font); }

Size FixedTextMeasurer::size(const QString& text, const QFont& font) const {
    double widest = 0;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& line : lines) widest = std::max(widest, width(line, font));
    return Size{widest, static_cast<double>(lines.size()) * lineHeight(font)};
}

Size FixedTextMeasurer::boundingSize(const QString& text, const TextAttributes& attributes, Size constraint,
                                     TextDrawOptions options) const {
    const QFont& font = attributes.font;
    const ParagraphStyle style = attributes.resolvedParagraphStyle();
    const double limit = constraint.width;
    const bool wraps = limit > 0 && (style.lineBreakMode == LineBreakMode::byWordWrapping ||
                                     style.lineBreakMode == LineBreakMode::byCharWrapping);
    const double perCharacter = advance_ * fontSize(font);

    std::vector<double> lineWidths;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        if (!wraps) {
            lineWidths.push_back(limit > 0 ? std::min(width(paragraph, font), limit) : width(paragraph, font));
            continue;
        }
        if (style.lineBreakMode == LineBreakMode::byCharWrapping || perCharacter <= 0) {
            const auto perLine = std::max<qsizetype>(1, static_cast<qsizetype>(limit / std::max(perCharacter, 1e-9)));
            qsizetype left = paragraph.size();
            do {
                lineWidths.push_back(static_cast<double>(std::min(left, perLine)) * perCharacter);
                left -= perLine;
            } while (left > 0);
            continue;
        }
        double current = -1; // no word on the line yet
        for (const QString& word : paragraph.split(QLatin1Char(' '))) {
            const double w = width(word, font);
            const double joined = current < 0 ? w : current + perCharacter + w;
            if (current >= 0 && joined > limit) {
                lineWidths.push_back(current);
                current = w;
            } else {
                current = joined;
            }
        }
        lineWidths.push_back(std::max(current, 0.0));
    }

    const double lineH = std::max(lineHeight(font), style.minimumLineHeight);
    std::size_t lines = lineWidths.size();
    if (options.truncatesLastVisibleLine && constraint.height > 0) {
        const auto fitting = static_cast<std::size_t>(constraint.height / lineH);
        lines = std::min(lines, fitting);
    }
    double widest = 0;
    for (std::size_t i = 0; i < lines; ++i) widest = std::max(widest, lineWidths[i]);
    return Size{widest, static_cast<double>(lines) * lineH};
}

} // namespace charts
