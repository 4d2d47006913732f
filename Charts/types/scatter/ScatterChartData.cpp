#include "Charts/types/scatter/ScatterChartData.h"

#include "Charts/types/scatter/IScatterChartDataSet.h"

namespace charts {

double ScatterChartData::getGreatestShapeSize() const {
    if (dataSets().empty()) return 0;
    double greatest = 0;
    bool first = true;
    for (const IChartDataSetPtr& set : dataSets()) {
        const auto* scatter = dynamic_cast<const IScatterChartDataSet*>(set.get());
        if (!scatter) return 0;
        const double size = scatter->scatterShapeSize();
        if (first || size > greatest) greatest = size;
        first = false;
    }
    return greatest;
}

} // namespace charts
