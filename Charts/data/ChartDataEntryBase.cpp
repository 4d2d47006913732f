#include "Charts/data/ChartDataEntryBase.h"

#include "platform/NumberText.h"

namespace charts {

std::string ChartDataEntryBase::description() const {
    return "ChartDataEntryBase, y " + platform::shortestDecimalText(y());
}

bool ChartDataEntryBase::isEqual(const ChartDataEntryBase* other) const {
    if (other == nullptr) return false;
    if (other == this) return true;
    return other->y() == y();
}

} // namespace charts
