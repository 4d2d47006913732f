#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>

#include "Charts/data/ChartData.h"
#include "Charts/foundation/ChartHighlighter.h"
#include "Charts/foundation/Transformer.h"
#include "Charts/types/line/LineChartDataSet.h"

namespace charts {
namespace {

const double nan = std::numeric_limits<double>::quiet_NaN();

// A chart of 100 x 100 pixels whose values are pixels with y up: value (x, y)
// lies at pixel (x, 100 - y) on both axes.
class FakeChart : public BarLineScatterCandleBubbleChartDataProvider {
public:
    FakeChart() : handler(ViewPortHandler::create(100, 100)), transformer(std::make_shared<Transformer>(handler)) {
        transformer->prepareMatrixValuePx(0, 100, 100, 0);
        transformer->prepareMatrixOffset(false);
    }
    std::shared_ptr<ChartDataValues> values;
    double highlightDistance = 500;
    std::shared_ptr<ViewPortHandler> handler;
    std::shared_ptr<Transformer> transformer;

    double chartXMin() const override { return 0; }
    double chartXMax() const override { return 100; }
    double chartYMin() const override { return 0; }
    double chartYMax() const override { return 100; }
    double maxHighlightDistance() const override { return highlightDistance; }
    double xRange() const override { return 100; }
    Point centerOffsets() const override { return {50, 50}; }
    std::shared_ptr<ChartData> data() const override { return nullptr; }
    std::shared_ptr<ChartDataValues> dataValues() const override { return values; }
    int maxVisibleCount() const override { return 100; }
    std::shared_ptr<Transformer> getTransformer(YAxis::AxisDependency) const override { return transformer; }
    bool isInverted(YAxis::AxisDependency) const override { return false; }
    double lowestVisibleX() const override { return 0; }
    double highestVisibleX() const override { return 100; }
};

IChartDataSetPtr lineSet(std::vector<std::pair<double, double>> points,
                         YAxis::AxisDependency axis = YAxis::AxisDependency::left) {
    ChartDataSet::Entries entries;
    for (const auto& [x, y] : points) entries.push_back(std::make_shared<ChartDataEntry>(x, y));
    auto set = std::make_shared<LineChartDataSet>(std::move(entries), QStringLiteral("set"));
    set->setAxisDependency(axis);
    return set;
}

struct Scene {
    std::shared_ptr<FakeChart> chart = std::make_shared<FakeChart>();
    std::shared_ptr<ChartData> data = std::make_shared<ChartData>();
    ChartHighlighter highlighter{chart};
    Scene() { chart->values = data; }
};

TEST(ChartHighlighter, BetweenXValuesTakesTheNearestXAndAllItsEntries) {
    Scene scene;
    scene.data->addDataSet(lineSet({{10, 10}, {20, 30}, {20, 60}, {40, 10}}));
    const std::vector<HighlightPtr> candidates = scene.highlighter.getHighlights(23, 23, 0);
    ASSERT_EQ(candidates.size(), 2u);
    EXPECT_EQ(candidates[0]->y(), 30);
    EXPECT_EQ(candidates[1]->y(), 60);
    EXPECT_EQ(candidates[1]->xPx(), 20);
    EXPECT_EQ(candidates[1]->yPx(), 40);
    EXPECT_EQ(candidates[1]->dataIndex(), -1);
    EXPECT_EQ(candidates[1]->stackIndex(), -1);
    // The touch at pixel (23, 45) is nearest to (20, 60) at pixel (20, 40).
    const HighlightPtr high = scene.highlighter.getHighlight(23, 45);
    ASSERT_NE(high, nullptr);
    EXPECT_EQ(high->x(), 20);
    EXPECT_EQ(high->y(), 60);
    EXPECT_EQ(high->dataSetIndex(), 0);
}

TEST(ChartHighlighter, TheVerticallyNearerAxisCompetesAlone) {
    Scene scene;
    scene.data->addDataSet(lineSet({{50, 80}}, YAxis::AxisDependency::left));  // pixel (50, 20)
    scene.data->addDataSet(lineSet({{90, 45}}, YAxis::AxisDependency::right)); // pixel (90, 55)
    // Touch (50, 50): left is 30 px away vertically, right only 5, so the
    // right set wins although the left point is nearer in full distance.
    const HighlightPtr high = scene.highlighter.getHighlight(50, 50, 50);
    ASSERT_NE(high, nullptr);
    EXPECT_EQ(high->axis(), YAxis::AxisDependency::right);
    EXPECT_EQ(high->dataSetIndex(), 1);
    // Equal vertical distances choose the right axis.
    Scene tie;
    tie.data->addDataSet(lineSet({{50, 60}}, YAxis::AxisDependency::left));
    tie.data->addDataSet(lineSet({{50, 40}}, YAxis::AxisDependency::right));
    EXPECT_EQ(tie.highlighter.getHighlight(50, 50, 50)->axis(), YAxis::AxisDependency::right);
}

TEST(ChartHighlighter, TheMaximumDistanceItselfIsTooFar) {
    Scene scene;
    scene.data->addDataSet(lineSet({{50, 50}})); // pixel (50, 50)
    scene.chart->highlightDistance = 30;
    EXPECT_EQ(scene.highlighter.getHighlight(50, 50, 80), nullptr);
    EXPECT_NE(scene.highlighter.getHighlight(50, 50, 79.999), nullptr);
}

TEST(ChartHighlighter, DisabledSetsAndMissingDataGiveNothing) {
    Scene scene;
    const IChartDataSetPtr hidden = lineSet({{50, 50}});
    hidden->setHighlightEnabled(false);
    scene.data->addDataSet(hidden);
    EXPECT_EQ(scene.highlighter.getHighlight(50, 50), nullptr);
    scene.chart->values = nullptr;
    EXPECT_TRUE(scene.highlighter.getHighlights(50, 50, 50).empty());
    EXPECT_EQ(scene.highlighter.data(), nullptr);
    // An empty set has no nearest entry.
    Scene empty;
    empty.data->addDataSet(lineSet({}));
    EXPECT_TRUE(empty.highlighter.getHighlights(50, 0, 0).empty());
}

TEST(ChartHighlighter, AGoneChartGivesNothing) {
    auto chart = std::make_shared<FakeChart>();
    ChartHighlighter highlighter(chart);
    EXPECT_EQ(highlighter.chart(), chart);
    chart.reset();
    EXPECT_EQ(highlighter.getHighlight(10, 10), nullptr);
    EXPECT_EQ(highlighter.getValsForTouch(10, 10), (Point{0, 0}));
    EXPECT_EQ(highlighter.getDistance(0, 0, 3, 4), 5);
}

// A subclass that measures horizontal distance only, as the bar highlighter
// does, changes the choice through dispatch.
class HorizontalOnly : public ChartHighlighter {
public:
    using ChartHighlighter::ChartHighlighter;
    double getDistance(double x1, double, double x2, double) override { return std::fabs(x1 - x2); }
};

TEST(ChartHighlighter, SubclassesReplaceTheDistance) {
    auto chart = std::make_shared<FakeChart>();
    auto data = std::make_shared<ChartData>();
    chart->values = data;
    data->addDataSet(lineSet({{50, 0}}));
    chart->highlightDistance = 10;
    EXPECT_EQ(ChartHighlighter(chart).getHighlight(50, 50, 0), nullptr); // 100 px away
    EXPECT_NE(HorizontalOnly(chart).getHighlight(50, 50, 0), nullptr);
}

TEST(Highlight, ConstructorsEqualityAndDescription) {
    const Highlight six(1, 2, 3, 4, 5, YAxis::AxisDependency::right);
    EXPECT_EQ(six.dataIndex(), -1);
    EXPECT_EQ(six.stackIndex(), -1);
    EXPECT_FALSE(six.isStacked());
    const Highlight seven(1, 2, 3, 4, 5, 6, YAxis::AxisDependency::left);
    EXPECT_EQ(seven.dataIndex(), 0);
    EXPECT_TRUE(seven.isStacked());
    const Highlight stack = Highlight::forStack(7, 1, 2);
    EXPECT_TRUE(std::isnan(stack.y()));
    EXPECT_EQ(stack.stackIndex(), 2);
    EXPECT_EQ(stack.dataIndex(), -1);
    const Highlight plain(2, 8, 0);
    EXPECT_EQ(plain.dataIndex(), -1);
    EXPECT_EQ(plain.stackIndex(), -1);
    EXPECT_TRUE(std::isnan(plain.xPx()));

    const struct {
        Highlight a, b;
        bool equal;
    } cases[] = {
        {Highlight(1, 2, 0, 1), Highlight(1, 2, 0, 1), true},
        // Axis and pixels do not count.
        {Highlight(1, 2, 3, 4, 0, YAxis::AxisDependency::left), Highlight(1, 2, 9, 9, 0, YAxis::AxisDependency::right),
         true},
        {Highlight(1, 2, 0, 1), Highlight(1, 2, 0, 2), false},
        {Highlight(1, 2, 0), Highlight(1, 2, 1), false},
        {Highlight(1, nan, 0), Highlight(1, nan, 0), false},
    };
    for (const auto& c : cases) EXPECT_EQ(c.a.isEqual(&c.b), c.equal);
    const Highlight withNan(nan, nan, 0);
    EXPECT_TRUE(withNan.isEqual(&withNan));
    EXPECT_FALSE(withNan.isEqual(nullptr));

    Highlight drawn;
    drawn.setDraw(Point{3, 4});
    EXPECT_EQ(drawn.drawX(), 3);
    EXPECT_EQ(drawn.drawY(), 4);
    EXPECT_EQ(Highlight(1, nan, 2, 3).description(),
              "Highlight, x: 1.0, y: nan, dataIndex (combined charts): 3, dataSetIndex: 2, stackIndex (only "
              "stacked barentry): -1");
}

TEST(Range, OpenBelowClosedAbove) {
    const Range range(0, 10);
    EXPECT_TRUE(range.contains(10));
    EXPECT_FALSE(range.contains(0));
    EXPECT_FALSE(range.contains(nan));
    EXPECT_TRUE(range.isLarger(10.5));
    EXPECT_FALSE(range.isLarger(10));
    EXPECT_TRUE(range.isSmaller(-1));
    EXPECT_FALSE(range.isSmaller(0));
}

} // namespace
} // namespace charts
