#include "app/ui/LabABGraphData.h"

#include "Charts/data/ChartDataEntry.h"
#include "Charts/data/LineChartDataSet.h"
#include "app/ui/InkDisplayColors.h"

namespace appui {

std::array<std::vector<double>, 2> collectBlendABValues(const std::vector<curves::CIELab>& ramp) {
    std::array<std::vector<double>, 2> series;
    for (const auto& sample : ramp) {
        series[0].push_back(sample.a);
        series[1].push_back(sample.b);
    }
    return series;
}

std::shared_ptr<charts::LineChartData> labABChartData(const std::array<std::vector<double>, 2>& series) {
    auto data = std::make_shared<charts::LineChartData>();
    const QString labels[] = {QStringLiteral("Lab_A"), QStringLiteral("Lab_B")};
    for (std::size_t s = 0; s < series.size(); ++s) {
        charts::ChartDataSet::Entries entries;
        for (std::size_t i = 0; i < series[s].size(); ++i)
            entries.push_back(std::make_shared<charts::ChartDataEntry>(5.0 * static_cast<double>(i), series[s][i]));
        auto set = std::make_shared<charts::LineChartDataSet>(std::move(entries), labels[s]);
        set->setColors({labABGraphColors()[s]});
        set->setLineWidth(2);
        set->setDrawCirclesEnabled(false);
        set->setDrawValuesEnabled(false);
        data->addDataSet(set);
    }
    return data;
}

} // namespace appui
