#pragma once
#include <QString>

#include "Charts/foundation/AccessibilityElement.h"
#include "Charts/types/candle/CandleGeometry.h"

namespace charts {

// The element of one drawn candle: "<prefix> <x> - <move>. low: <low>,
// high: <high>, opening: <open>, closing: <close>", numbers in their
// shortest text, composed when first read. The prefix is the set's label
// among several sets, empty otherwise.
class CandleAccessibilityElement : public AccessibilityElement {
public:
    CandleAccessibilityElement(QWidget* container, QString prefix, const CandlePrices& prices);

protected:
    QString composeLabel() const override;

private:
    QString prefix_;
    CandlePrices prices_;
};

} // namespace charts
