// The line chart's default fill formatter: where a filled area ends.
#include <gtest/gtest.h>

#include <memory>

#include "Charts/types/line/FillFormatter.h"
#include "Charts/types/line/LineChartData.h"
#include "Charts/types/line/LineChartDataProvider.h"

namespace charts {
namespace {

class FakeSet : public DataSetValues {
public:
    FakeSet(double minimum, double maximum) : min_(minimum), max_(maximum) {}
    double yMin() const override { return min_; }
    double yMax() const override { return max_; }
    bool isHighlightEnabled() const override { return true; }
    YAxis::AxisDependency axisDependency() const override { return YAxis::AxisDependency::left; }
    std::vector<Point> valuesForXValue(double) const override { return {}; }
    std::optional<double> closestEntryX(double, ChartDataSetRounding) const override { return std::nullopt; }

private:
    double min_;
    double max_;
};

class FakeData : public ChartDataValues {
public:
    FakeData(double minimum, double maximum) : min_(minimum), max_(maximum) {}
    int dataSetCount() const override { return 0; }
    double yMin() const override { return min_; }
    double yMax() const override { return max_; }
    std::shared_ptr<DataSetValues> dataSetValues(int) const override { return nullptr; }

private:
    double min_;
    double max_;
};

class FakeLineChart : public LineChartDataProvider {
public:
    std::shared_ptr<ChartDataValues> values;
    double chartXMin() const override { return 0; }
    double chartXMax() const override { return 0; }
    double chartYMin() const override { return -7; }
    double chartYMax() const override { return 70; }
    double maxHighlightDistance() const override { return 500; }
    double xRange() const override { return 0; }
    Point centerOffsets() const override { return {}; }
    std::shared_ptr<ChartData> data() const override { return nullptr; }
    std::shared_ptr<ChartDataValues> dataValues() const override { return values; }
    int maxVisibleCount() const override { return 100; }
    std::shared_ptr<Transformer> getTransformer(YAxis::AxisDependency) const override { return nullptr; }
    bool isInverted(YAxis::AxisDependency) const override { return false; }
    double lowestVisibleX() const override { return 0; }
    double highestVisibleX() const override { return 0; }
    std::shared_ptr<LineChartData> lineData() const override { return nullptr; }
    std::shared_ptr<YAxis> getAxis(YAxis::AxisDependency) const override { return nullptr; }
};

TEST(DefaultFillFormatter, FillsToZeroOrToTheChartEdgeOnTheSetsSide) {
    const struct {
        FakeSet set;
        std::shared_ptr<ChartDataValues> data;
        double expected;
    } cases[] = {
        {FakeSet(-5, 5), std::make_shared<FakeData>(-5, 5), 0},
        {FakeSet(2, 9), std::make_shared<FakeData>(2, 9), -7},     // chartYMin
        {FakeSet(-9, -1), std::make_shared<FakeData>(-9, -1), 70}, // chartYMax
        {FakeSet(2, 9), std::make_shared<FakeData>(-3, 9), 0},
        {FakeSet(-9, -1), std::make_shared<FakeData>(-9, 4), 0},
        {FakeSet(2, 9), nullptr, 0},
    };
    for (const auto& c : cases) {
        FakeLineChart chart;
        chart.values = c.data;
        EXPECT_EQ(DefaultFillFormatter().getFillLinePosition(c.set, chart), c.expected);
    }
    FakeLineChart chart;
    const auto blocked = DefaultFillFormatter::with(
        [](const DataSetValues& set, const LineChartDataProvider&) { return set.yMax() * 2; });
    EXPECT_EQ(blocked->getFillLinePosition(FakeSet(-5, 5), chart), 10);
}

} // namespace
} // namespace charts
