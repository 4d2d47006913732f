#include "Charts/types/line/FillFormatter.h"

#include "Charts/foundation/ChartDataProvider.h"
#include "Charts/types/line/LineChartDataProvider.h"

namespace charts {

double DefaultFillFormatter::getFillLinePosition(const DataSetValues& dataSet,
                                                 const LineChartDataProvider& dataProvider) {
    if (block_) return block_(dataSet, dataProvider);
    if (dataSet.yMax() > 0 && dataSet.yMin() < 0) return 0;
    const std::shared_ptr<ChartDataValues> data = dataProvider.dataValues();
    if (!data) return 0;
    const double maxPosition = data->yMax() > 0 ? 0 : dataProvider.chartYMax();
    const double minPosition = data->yMin() < 0 ? 0 : dataProvider.chartYMin();
    return dataSet.yMin() >= 0 ? minPosition : maxPosition;
}

} // namespace charts
