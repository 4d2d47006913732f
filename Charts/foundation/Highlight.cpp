#include "Charts/foundation/Highlight.h"

#include "platform/NumberText.h"

namespace charts {

std::string Highlight::description() const {
    return "Highlight, x: " + platform::shortestDecimalText(x_) + ", y: " + platform::shortestDecimalText(y_) +
           ", dataIndex (combined charts): " + std::to_string(dataIndex_) +
           ", dataSetIndex: " + std::to_string(dataSetIndex_) +
           ", stackIndex (only stacked barentry): " + std::to_string(stackIndex_);
}

bool Highlight::isEqual(const Highlight* other) const {
    if (other == nullptr) return false;
    if (other == this) return true;
    return x_ == other->x_ && y_ == other->y_ && dataIndex_ == other->dataIndex_ &&
           dataSetIndex_ == other->dataSetIndex_ && stackIndex_ == other->stackIndex_;
}

} // namespace charts
