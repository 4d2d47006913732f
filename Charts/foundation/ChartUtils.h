#pragma once
#include <memory>

#include "Charts/foundation/ValueFormatter.h"

namespace charts {

class ChartUtils {
public:
    ChartUtils() = delete;

    // The one value formatter shared by everything that has none of its own:
    // one decimal, made on first use (safe from any thread), the same object
    // on every call.
    static std::shared_ptr<DefaultValueFormatter> defaultValueFormatter();
};

} // namespace charts
