#include "Charts/foundation/ChartEnvironment.h"

#include "Charts/drawing/FontMetricsTextMeasurer.h"

namespace charts {

ChartEnvironment& chartEnvironment() {
    static ChartEnvironment environment;
    return environment;
}

const TextMeasurer& textMeasurer() {
    static const FontMetricsTextMeasurer desktop;
    const std::shared_ptr<const TextMeasurer>& installed = chartEnvironment().textMeasurer;
    return installed ? *installed : desktop;
}

} // namespace charts
