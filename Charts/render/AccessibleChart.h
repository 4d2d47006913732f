#pragma once
#include <memory>
#include <optional>

#include <QString>

#include "Charts/foundation/ChartDataProvider.h"
#include "Charts/foundation/ChartViewInterface.h"

namespace charts {

class XAxis;
}

class QWidget;

namespace charts {

// A chart view as the accessibility elements of its renderers describe it:
// the elements' container, whose bounds frame the header element and whose
// description text heads its label. The chart views implement it.
class AccessibleChart : public virtual ChartViewInterface {
public:
    // The text of the chart's description; none when the chart has no
    // description or the description has no text.
    virtual std::optional<QString> chartDescriptionText() const = 0;
    // The chart's widget, the container its elements name (they hold it
    // weakly and never draw into it).
    virtual QWidget* accessibilityContainer() const = 0;
};

} // namespace charts
