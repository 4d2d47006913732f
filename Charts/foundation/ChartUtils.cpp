#include "Charts/foundation/ChartUtils.h"

namespace charts {

std::shared_ptr<DefaultValueFormatter> ChartUtils::defaultValueFormatter() {
    static const std::shared_ptr<DefaultValueFormatter> shared = std::make_shared<DefaultValueFormatter>(1);
    return shared;
}

} // namespace charts
