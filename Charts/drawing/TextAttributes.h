#pragma once
#include <optional>

#include <QColor>
#include <QFont>

namespace charts {

// Raw values as the charts store and compare them.
enum class TextAlignment { left = 0, right = 1, center = 2, justified = 3, natural = 4 };
enum class LineBreakMode {
    byWordWrapping = 0,
    byCharWrapping = 1,
    byClipping = 2,
    byTruncatingHead = 3,
    byTruncatingTail = 4,
    byTruncatingMiddle = 5,
};

constexpr std::optional<TextAlignment> textAlignmentFromRawValue(int raw) {
    if (raw < 0 || raw > 4) return std::nullopt;
    return static_cast<TextAlignment>(raw);
}

struct ParagraphStyle {
    TextAlignment alignment = TextAlignment::natural;
    LineBreakMode lineBreakMode = LineBreakMode::byWordWrapping;
    // Lines are at least this tall (0: the font's own line height).
    double minimumLineHeight = 0;

    friend bool operator==(const ParagraphStyle&, const ParagraphStyle&) = default;
};

// The font sized in pixels, the charts' unit for every length.
QFont pixelSizedFont(QFont font, double size);

// The font's size in pixels: its pixel size, or its point size for a font
// sized in points (a font sized in pixels reports a point size of -1).
double fontPixelSize(const QFont& font);

// The font text gets when it names none: the application font at 12 px.
QFont defaultTextFont();

// What text is drawn with. A missing colour draws black; a missing paragraph
// style lays text out naturally (left to right from the left edge) with word
// wrapping.
struct TextAttributes {
    QFont font = defaultTextFont();
    std::optional<QColor> foregroundColor;
    std::optional<ParagraphStyle> paragraphStyle;

    QColor resolvedColor() const { return foregroundColor.value_or(QColor(0, 0, 0)); }
    ParagraphStyle resolvedParagraphStyle() const { return paragraphStyle.value_or(ParagraphStyle{}); }

    friend bool operator==(const TextAttributes&, const TextAttributes&) = default;
};

// Layout choices of text drawn into a rectangle. Lines always start at the
// rectangle's top-left (line-fragment layout).
struct TextDrawOptions {
    // The last line that fits ends in an ellipsis when more text follows.
    bool truncatesLastVisibleLine = false;

    friend bool operator==(const TextDrawOptions&, const TextDrawOptions&) = default;
};

} // namespace charts
