// The combined data: its sub-data and their positions, the flat list of sets
// and the bounds recomputed from them, highlights resolved within a sub-data,
// removals.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/testing/LogCapture.h"
#include "tests/charts/combined/combined_support.h"

namespace {

using namespace combined_test;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double largest = std::numeric_limits<double>::max();

std::vector<std::string> kindsOf(const CombinedChartData& data) {
    std::vector<std::string> kinds;
    for (const auto& sub : data.allData()) kinds.push_back(kindOf(sub));
    return kinds;
}

std::vector<std::string> labelsOf(const ChartData& data) {
    std::vector<std::string> labels;
    for (const auto& set : data.dataSets()) labels.push_back(set->label().value_or("-").toStdString());
    return labels;
}

// Setting and clearing sub-data: allData() keeps the order line, bar,
// scatter, candle, bubble, each sub-data's position shifts with those set
// before it, and the flat list of sets follows.
TEST(CombinedChartDataTest, SubDataTakeTheirPositionsInKindOrder) {
    CombinedChartData data;
    struct Step {
        std::function<void()> change;
        std::vector<std::string> kinds;
    };
    const Step steps[] = {
        {[&] {
             data.setBarData(barsOf({{0, 1, {}}}));
         },
         {"bar"}},
        {[&] {
             data.setBubbleData(bubblesOf({{0, 1, 1}}));
         },
         {"bar", "bubble"}},
        {[&] {
             data.setLineData(lineOf({{0, 1}}));
         },
         {"line", "bar", "bubble"}},
        {[&] { data.setBarData(nullptr); }, {"line", "bubble"}},
        {[&] {
             data.setCandleData(candlesOf({{0, 2, 0, 1, 1.5}}));
         },
         {"line", "candle", "bubble"}},
        {[&] {
             data.setScatterData(scatterOf({{0, 1}}));
         },
         {"line", "scatter", "candle", "bubble"}},
        {[&] { data.setLineData(nullptr); }, {"scatter", "candle", "bubble"}},
    };
    const std::map<std::string, std::string> labelOfKind{
        {"line", "Line"}, {"bar", "Bars"}, {"scatter", "Spots"}, {"candle", "Prices"}, {"bubble", "Sizes"}};
    for (std::size_t s = 0; s < std::size(steps); ++s) {
        SCOPED_TRACE("step " + std::to_string(s));
        steps[s].change();
        EXPECT_EQ(kindsOf(data), steps[s].kinds);
        const auto all = data.allData();
        std::vector<std::string> labels;
        for (std::size_t i = 0; i < all.size(); ++i) {
            EXPECT_EQ(data.dataIndex(all[i]), std::optional<int>(static_cast<int>(i)));
            EXPECT_EQ(data.dataByIndex(static_cast<int>(i)), all[i]);
            labels.push_back(labelOfKind.at(steps[s].kinds[i]));
        }
        EXPECT_EQ(labelsOf(data), labels);
        EXPECT_EQ(data.dataByIndex(-1), nullptr);
        EXPECT_EQ(data.dataByIndex(static_cast<int>(all.size())), nullptr);
        EXPECT_EQ(data.dataIndex(barsOf({{0, 1, {}}})), std::nullopt) << "a sub-data it does not hold";
    }
}

struct Bounds {
    double xMin, xMax, yMin, yMax, leftMin, leftMax, rightMin, rightMax;
    friend bool operator==(const Bounds&, const Bounds&) = default;
};

std::ostream& operator<<(std::ostream& out, const Bounds& b) {
    return out << "x " << b.xMin << ".." << b.xMax << " y " << b.yMin << ".." << b.yMax << " left " << b.leftMin << ".."
               << b.leftMax << " right " << b.rightMin << ".." << b.rightMax;
}

Bounds boundsOf(const ChartData& data) {
    using A = YAxis::AxisDependency;
    return {data.xMin(),
            data.xMax(),
            data.yMin(),
            data.yMax(),
            data.getYMin(A::left),
            data.getYMax(A::left),
            data.getYMin(A::right),
            data.getYMax(A::right)};
}

std::shared_ptr<LineChartData> rightLine(std::vector<Point> points) {
    auto set = charts::testing::lineSet(points);
    set->setAxisDependency(YAxis::AxisDependency::right);
    return std::make_shared<LineChartData>(ChartData::DataSets{set});
}

// The bounds are those of all sub-data, per y axis those of the sets on it
// (a side without sets reads the other's); none reached, they stay reset.
TEST(CombinedChartDataTest, BoundsJoinTheSubDataPerAxis) {
    struct Case {
        const char* name;
        std::function<void(CombinedChartData&)> fill;
        Bounds bounds;
    };
    const Case cases[] = {
        {"empty",
         [](CombinedChartData&) {},
         {largest, -largest, largest, -largest, largest, -largest, largest, -largest}},
        {"right line 5 to 9, left bars 0 to 100",
         [](CombinedChartData& d) {
             d.setLineData(rightLine({{1, 5}, {2, 9}}));
             d.setBarData(barsOf({{0, 0, {}}, {3, 100, {}}}));
         },
         {0, 3, 0, 100, 0, 100, 5, 9}},
        {"left sets only: the right axis reads the left",
         [](CombinedChartData& d) {
             d.setScatterData(scatterOf({{-2, -4}, {6, 3}}));
             d.setCandleData(candlesOf({{1, 12, -8, 0, 5}}));
         },
         {-2, 6, -8, 12, -8, 12, -8, 12}},
        {"a sub-data cleared gives back its share",
         [](CombinedChartData& d) {
             d.setBubbleData(bubblesOf({{10, 50, 1}}));
             d.setLineData(rightLine({{1, 5}, {2, 9}}));
             d.setBubbleData(nullptr);
         },
         {1, 2, 5, 9, 5, 9, 5, 9}},
        {"a stacked bar reaches its stack's ends",
         [](CombinedChartData& d) {
             d.setBarData(barsOf({{2, 0, std::vector<double>{3, -2, 4}}}));
         },
         {2, 2, -2, 7, -2, 7, -2, 7}},
    };
    for (const Case& c : cases) {
        CombinedChartData data;
        c.fill(data);
        EXPECT_EQ(boundsOf(data), c.bounds) << c.name;
    }
}

// A combined data is filled through its sub-data: the sets handed to its
// constructor are dropped, as the plain constructor leaves it.
TEST(CombinedChartDataTest, TheConstructorDropsTheSetsItIsGiven) {
    CombinedChartData fromSets(
        ChartData::DataSets{charts::testing::lineSet({{1, 2}, {3, 4}}), charts::testing::lineSet({{5, 6}})});
    const CombinedChartData plain;
    EXPECT_EQ(fromSets.dataSetCount(), 0);
    EXPECT_TRUE(fromSets.allData().empty());
    EXPECT_EQ(boundsOf(fromSets), boundsOf(plain));
}

// A highlight names a set by its sub-data's position (data index) and the
// set's position there; the entry is the first at its x with its y, or the
// first at its x for a NaN y. An index out of range finds nothing.
TEST(CombinedChartDataTest, HighlightsNameASetWithinTheirSubData) {
    CombinedChartData data;
    auto twoSets = std::make_shared<LineChartData>(ChartData::DataSets{
        charts::testing::lineSet({{1, 10}, {1, 20}, {2, 30}}, "A"), charts::testing::lineSet({{1, 40}}, "B")});
    data.setLineData(twoSets);
    data.setBarData(barsOf({{2, 6, {}}}));
    struct Case {
        Highlight highlight;
        std::optional<std::string> set;
        std::optional<Point> entry;
    };
    const Case cases[] = {
        {Highlight(1, 20, 0, 0), "A", Point{1, 20}},           {Highlight(1, nan, 0, 0), "A", Point{1, 10}},
        {Highlight(1, 10, 0, 0), "A", Point{1, 10}},           {Highlight(1, 15, 0, 0), "A", std::nullopt},
        {Highlight(3, nan, 0, 0), "A", std::nullopt},          {Highlight(1, nan, 1, 0), "B", Point{1, 40}},
        {Highlight(2, 6, 0, 1), "Bars", Point{2, 6}},          {Highlight(1, 20, 0, -1), std::nullopt, std::nullopt},
        {Highlight(1, 20, 0, 2), std::nullopt, std::nullopt},  {Highlight(1, 20, 2, 0), std::nullopt, std::nullopt},
        {Highlight(1, 20, -1, 0), std::nullopt, std::nullopt}, {Highlight(2, 6, 1, 1), std::nullopt, std::nullopt},
        {Highlight(nan, nan, 0, 0), "A", std::nullopt},
    };
    for (const Case& c : cases) {
        const Highlight& h = c.highlight;
        SCOPED_TRACE(h.description());
        const IChartDataSetPtr set = data.getDataSetByHighlight(h);
        EXPECT_EQ(set ? std::optional(set->label().value_or("-").toStdString()) : std::nullopt, c.set);
        const ChartDataEntryPtr entry = data.entryForHighlight(h);
        EXPECT_EQ(entry ? std::optional(Point{entry->x(), entry->y()}) : std::nullopt, c.entry);
    }
}

// Removing a set through the combined data takes it out of its sub-data and
// recomputes the whole: it leaves the flat list, the legend and the bounds.
TEST(CombinedChartDataTest, RemovingASetRecomputesListBoundsAndLegend) {
    auto view = makeCombined();
    auto data = std::make_shared<CombinedChartData>();
    auto high = charts::testing::lineSet({{0, 50}, {8, 60}}, "High");
    auto low = charts::testing::lineSet({{1, 1}, {2, 2}}, "Low");
    data->setLineData(std::make_shared<LineChartData>(ChartData::DataSets{high, low}));
    data->setBarData(barsOf({{3, 4, {}}}));
    view->setData(data);
    struct Case {
        IChartDataSetPtr removed;
        bool found;
        std::vector<std::string> labels;
        Bounds bounds;
    };
    const Case cases[] = {
        {high, true, {"Low", "Bars"}, {1, 3, 1, 4, 1, 4, 1, 4}},
        {high, false, {"Low", "Bars"}, {1, 3, 1, 4, 1, 4, 1, 4}},
        {data->barData()->getDataSetByIndex(0), true, {"Low"}, {1, 2, 1, 2, 1, 2, 1, 2}},
        {nullptr, false, {"Low"}, {1, 2, 1, 2, 1, 2, 1, 2}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(data->removeDataSet(c.removed), c.found);
        view->notifyDataSetChanged();
        EXPECT_EQ(labelsOf(*data), c.labels);
        EXPECT_EQ(boundsOf(*data), c.bounds);
        std::vector<std::string> legend;
        for (const auto& entry : view->legend()->entries())
            legend.push_back(entry->label().value_or("-").toStdString());
        EXPECT_EQ(legend, c.labels);
    }
    EXPECT_EQ(view->leftAxis()->axisMaximum(), 2 + 0.1 * (2 - 1)) << "the axis follows the bounds";
}

// Removals by position or entry name nothing unambiguous: each prints its
// line, answers false and changes nothing.
TEST(CombinedChartDataTest, RemovalsByPositionOrEntryPrintAndChangeNothing) {
    const auto data = fiveKinds();
    const auto before = labelsOf(*data);
    const std::int64_t entries = data->entryCount();
    const ChartDataEntryPtr first = data->lineData()->getDataSetByIndex(0)->entryForIndex(0);
    struct Case {
        std::function<bool()> remove;
        const char* line;
    };
    const Case cases[] = {
        {[&] { return data->removeDataSetByIndex(0); }, "removeDataSet(index) not supported for CombinedData"},
        {[&] { return data->removeEntry(first, 0); },
         "removeEntry(entry, dataSetIndex) not supported for CombinedData"},
        {[&] { return data->removeEntry(0.0, 0); }, "removeEntry(xValue, dataSetIndex) not supported for CombinedData"},
    };
    for (const Case& c : cases) {
        platform::LogCapture log;
        EXPECT_FALSE(c.remove());
        EXPECT_EQ(log.standardOutputLines(), std::vector<std::string>{c.line});
        EXPECT_EQ(labelsOf(*data), before);
        EXPECT_EQ(data->entryCount(), entries);
    }
}

} // namespace
