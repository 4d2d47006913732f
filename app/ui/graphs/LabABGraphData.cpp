#include "app/ui/graphs/LabABGraphData.h"

#include "Charts/types/line/LineChartDataSet.h"
#include "app/ui/widgets/InkDisplayColors.h"

namespace appui {

std::array<std::vector<double>, 2> collectBlendABValues(const std::vector<curves::CIELab>& ramp) {
    std::array<std::vector<double>, 2> series;
    for (const auto& sample : ramp) {
        series[0].push_back(sample.a);
        series[1].push_back(sample.b);
    }
    return series;
}

std::vector<GraphSeries> labABSeries(const std::array<std::vector<double>, 2>& values) {
    const QString labels[] = {QStringLiteral("Lab_A"), QStringLiteral("Lab_B")};
    std::vector<GraphSeries> series;
    for (std::size_t s = 0; s < values.size(); ++s) {
        GraphSeries line{labels[s], {}};
        for (std::size_t i = 0; i < values[s].size(); ++i)
            line.points.push_back({5.0 * static_cast<double>(i), values[s][i]});
        series.push_back(std::move(line));
    }
    return series;
}

std::shared_ptr<charts::LineChartData> labABChartData(const std::array<std::vector<double>, 2>& values) {
    return labABChartData(labABSeries(values));
}

std::shared_ptr<charts::LineChartData> labABChartData(const std::vector<GraphSeries>& series) {
    auto data = std::make_shared<charts::LineChartData>();
    for (std::size_t s = 0; s < series.size(); ++s) {
        auto set = std::make_shared<charts::LineChartDataSet>(entriesOf(series[s]), series[s].label);
        set->setColors({labABGraphColors()[s % labABGraphColors().size()]});
        set->setLineWidth(2);
        set->setDrawCirclesEnabled(false);
        set->setDrawValuesEnabled(false);
        data->addDataSet(set);
    }
    return data;
}

} // namespace appui
