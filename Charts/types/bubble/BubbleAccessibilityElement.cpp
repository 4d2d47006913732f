#include "Charts/types/bubble/BubbleAccessibilityElement.h"

#include "Charts/foundation/ValueFormatter.h"
#include "Charts/foundation/XAxis.h"
#include "Charts/render/AccessibilityText.h"
#include "Charts/types/bubble/BubbleGeometry.h"
#include "platform/NumberText.h"

namespace charts {

namespace {

QString decimal(double value) { return QString::fromStdString(platform::shortestDecimalText(value)); }

} // namespace

BubbleAccessibilityElement::BubbleAccessibilityElement(QWidget* container,
                                                       std::shared_ptr<const BubbleLabelContext> context,
                                                       ChartDataEntryPtr entry, double shapeSize)
    : AccessibilityElement(container),
      context_(std::move(context)),
      entry_(std::move(entry)),
      x_(entry_->x()),
      y_(entry_->y()),
      shapeSize_(shapeSize) {
    setLabelComposedOnRead();
}

QString BubbleAccessibilityElement::composeLabel() const {
    const BubbleLabelContext& c = *context_;
    const QString xText = c.xFormatter ? c.xFormatter->stringForValue(x_, c.xAxis.get()) : decimal(x_);
    const QString yText =
        c.yFormatter ? c.yFormatter->stringForValue(y_, entry_, c.setIndex, c.viewPort.get()) : decimal(y_);
    return accessiblePointLabel(c.setLabel, c.dataSetCount, xText, yText) + QStringLiteral(", bubble size: ") +
           QString::fromStdString(bubbleSizePercentText(shapeSize_, c.maxSize)) + QStringLiteral(" %");
}

} // namespace charts
