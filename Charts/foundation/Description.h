#pragma once
#include <optional>

#include <QColor>
#include <QFont>
#include <QString>

#include "Charts/drawing/Geometry.h"
#include "Charts/drawing/TextAttributes.h"
#include "Charts/foundation/ComponentBase.h"

namespace charts {

// The chart's caption. The chart view draws it when it is enabled and has a
// text that is not empty: at the position, or without one at its
// bottom-right content corner, xOffset and yOffset inside.
class Description : public ComponentBase {
public:
    Description();

    const std::optional<QString>& text() const { return text_; }
    void setText(std::optional<QString> text) { text_ = std::move(text); }
    const std::optional<Point>& position() const { return position_; }
    void setPosition(std::optional<Point> position) { position_ = position; }
    TextAlignment textAlign() const { return textAlign_; }
    void setTextAlign(TextAlignment alignment) { textAlign_ = alignment; }
    const QFont& font() const { return font_; }
    void setFont(const QFont& font) { font_ = font; }
    const QColor& textColor() const { return textColor_; }
    void setTextColor(const QColor& color) { textColor_ = color; }

private:
    std::optional<QString> text_;
    std::optional<Point> position_;
    TextAlignment textAlign_ = TextAlignment::right;
    QFont font_;
    QColor textColor_;
};

} // namespace charts
