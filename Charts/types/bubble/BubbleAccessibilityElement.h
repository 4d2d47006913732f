#pragma once
#include <memory>
#include <optional>

#include <QString>

#include "Charts/data/ChartDataEntry.h"
#include "Charts/foundation/AccessibilityElement.h"

namespace charts {

class IAxisValueFormatter;
class IValueFormatter;
class ViewPortHandler;
class XAxis;

// What the elements of one bubble set's bubbles read to name them, taken
// once per set and frame.
struct BubbleLabelContext {
    std::shared_ptr<XAxis> xAxis;
    std::shared_ptr<IAxisValueFormatter> xFormatter;
    std::shared_ptr<IValueFormatter> yFormatter;
    std::optional<QString> setLabel;
    int setIndex = 0;
    int dataSetCount = 0;
    std::shared_ptr<ViewPortHandler> viewPort;
    double maxSize = 0;
};

// The element of one drawn bubble: "<set label>, <x>: <y>, bubble size:
// <percent> %" (the set label among several sets only), x through the x
// axis's formatter and y through the set's, or their shortest decimal text
// without one; composed when first read.
class BubbleAccessibilityElement : public AccessibilityElement {
public:
    BubbleAccessibilityElement(QWidget* container, std::shared_ptr<const BubbleLabelContext> context,
                               ChartDataEntryPtr entry, double shapeSize);

protected:
    QString composeLabel() const override;

private:
    std::shared_ptr<const BubbleLabelContext> context_;
    ChartDataEntryPtr entry_;
    double x_;
    double y_;
    double shapeSize_;
};

} // namespace charts
