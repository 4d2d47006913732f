#include "Charts/types/candle/CandleAccessibilityElement.h"

#include "platform/NumberText.h"

namespace charts {

namespace {

QString decimal(double value) { return QString::fromStdString(platform::shortestDecimalText(value)); }

} // namespace

CandleAccessibilityElement::CandleAccessibilityElement(QWidget* container, QString prefix, const CandlePrices& prices)
    : AccessibilityElement(container),
      prefix_(std::move(prefix)),
      prices_(prices) {
    setLabelComposedOnRead();
}

QString CandleAccessibilityElement::composeLabel() const {
    const CandlePrices& c = prices_;
    return prefix_ + QStringLiteral(" ") + decimal(c.x) + QStringLiteral(" - ") +
           QString::fromLatin1(candleMoveWord(candleMove(c.open, c.close))) + QStringLiteral(". low: ") +
           decimal(c.low) + QStringLiteral(", high: ") + decimal(c.high) + QStringLiteral(", opening: ") +
           decimal(c.open) + QStringLiteral(", closing: ") + decimal(c.close);
}

} // namespace charts
