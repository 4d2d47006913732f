// The combined view: its draw order and the sub-renderers made from it, the
// candidates its highlighter offers, what a touch highlights, and what each
// kind's renderer does only on its own kind's view.
#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <vector>

#include "Charts/combined/CombinedChartRenderer.h"
#include "Charts/combined/CombinedHighlighter.h"
#include "Charts/types/bar/BarChartRenderer.h"
#include "Charts/types/bubble/BubbleChartRenderer.h"
#include "Charts/types/candle/CandleStickChartRenderer.h"
#include "Charts/types/line/LineChartRenderer.h"
#include "Charts/types/scatter/ScatterChartRenderer.h"
#include "platform/testing/LogCapture.h"
#include "tests/charts/combined/combined_support.h"

namespace {

using namespace combined_test;

std::string nameOf(const std::shared_ptr<DataRenderer>& renderer) {
    const DataRenderer* r = renderer.get();
    if (!r) return "none";
    if (dynamic_cast<const BarChartRenderer*>(r)) return "bar";
    if (dynamic_cast<const BubbleChartRenderer*>(r)) return "bubble";
    if (dynamic_cast<const LineChartRenderer*>(r)) return "line";
    if (dynamic_cast<const CandleStickChartRenderer*>(r)) return "candle";
    if (dynamic_cast<const ScatterChartRenderer*>(r)) return "scatter";
    return "other";
}

std::shared_ptr<CombinedChartRenderer> combinedRenderer(const CombinedChartView& view) {
    return std::dynamic_pointer_cast<CombinedChartRenderer>(view.renderer());
}

std::vector<std::string> subRendererNames(const CombinedChartView& view) {
    std::vector<std::string> names;
    for (const auto& renderer : combinedRenderer(view)->subRenderers()) names.push_back(nameOf(renderer));
    return names;
}

// The order is set before the data: the sub-renderers are made from it when
// data is assigned, one per listed kind that has data. Values that name no
// kind are dropped with a line each; an order left empty keeps the last.
TEST(CombinedChartViewTest, TheDrawOrderMakesTheSubRenderers) {
    const std::vector<std::string> all{"line", "bar", "scatter", "candle", "bubble"};
    struct Case {
        const char* name;
        std::optional<std::vector<int>> order;
        std::vector<std::string> kinds;
        std::vector<int> drawOrder;
        std::vector<std::string> renderers;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"default", std::nullopt, all, {0, 1, 2, 3, 4}, {"bar", "bubble", "line", "candle", "scatter"}, {}},
        {"lines over bars", std::nullopt, {"line", "bar"}, {0, 1, 2, 3, 4}, {"bar", "line"}, {}},
        {"custom", std::vector<int>{2, 0}, {"line", "bar", "scatter"}, {2, 0}, {"line", "bar"}, {}},
        {"empty keeps the default",
         std::vector<int>{},
         all,
         {0, 1, 2, 3, 4},
         {"bar", "bubble", "line", "candle", "scatter"},
         {}},
        {"repeated", std::vector<int>{2, 2, 0}, all, {2, 2, 0}, {"line", "line", "bar"}, {}},
        {"out of range",
         std::vector<int>{7, 3, -1},
         all,
         {3},
         {"candle"},
         {"Draw order value 7 names no kind of the combined chart (0 to 4); dropped.",
          "Draw order value -1 names no kind of the combined chart (0 to 4); dropped."}},
        {"none in range keeps the default",
         std::vector<int>{5},
         {"scatter"},
         {0, 1, 2, 3, 4},
         {"scatter"},
         {"Draw order value 5 names no kind of the combined chart (0 to 4); dropped."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto view = makeCombined();
        platform::LogCapture log;
        if (c.order) view->setDrawOrder(*c.order);
        EXPECT_EQ(log.standardOutputLines(), c.lines);
        EXPECT_EQ(view->drawOrder(), c.drawOrder);
        view->setData(fiveKinds(c.kinds));
        EXPECT_EQ(subRendererNames(*view), c.renderers);
    }
}

TEST(CombinedChartViewTest, AnOrderSetAfterTheDataWaitsForTheNextData) {
    auto view = makeCombined();
    view->setData(fiveKinds({"line", "bar"}));
    view->setDrawOrder({2, 0});
    EXPECT_EQ(subRendererNames(*view), (std::vector<std::string>{"bar", "line"}));
    view->setData(view->data());
    EXPECT_EQ(subRendererNames(*view), (std::vector<std::string>{"line", "bar"}));
}

TEST(CombinedChartViewTest, SubRenderersByPosition) {
    auto view = makeCombined();
    view->setData(fiveKinds({"line", "bar"}));
    const auto renderer = combinedRenderer(*view);
    for (const auto& [index, name] : std::vector<std::pair<int, std::string>>{
             {-1, "none"}, {0, "bar"}, {1, "line"}, {2, "none"}, {INT_MAX, "none"}, {INT_MIN, "none"}})
        EXPECT_EQ(nameOf(renderer->getSubRenderer(index)), name) << index;
}

// "d<data index> s<set> x<x> y<y> k<stack>" of each candidate.
std::vector<std::string> candidates(const std::vector<HighlightPtr>& highlights) {
    std::vector<std::string> texts;
    for (const HighlightPtr& h : highlights) {
        char text[96];
        std::snprintf(text, sizeof text, "d%d s%d x%g y%g k%d", h->dataIndex(), h->dataSetIndex(), h->x(), h->y(),
                      h->stackIndex());
        texts.emplace_back(text);
    }
    return texts;
}

// Candidates in allData() order, each with its sub-data's position: the bar
// highlighter's bar (with its stacked value) when the chart had bars as the
// highlighter was made, every other set's entries at the x nearest the touch.
TEST(CombinedChartViewTest, TheHighlighterOffersEveryKindsCandidates) {
    struct Case {
        const char* name;
        std::vector<std::string> kinds;
        std::function<void(CombinedChartView&)> setUp;
        Point touch; // in values
        std::vector<std::string> candidates;
    };
    const auto stackedBars = [](CombinedChartView& view) {
        auto data = fiveKinds({"line", "scatter"});
        data->setBarData(barsOf({{0, 0, std::vector<double>{2, 3}}, {1, 0, std::vector<double>{1, 4}}}));
        view.setData(data);
    };
    const Case cases[] = {
        {"every kind by x, closest rounding",
         {"line", "bar", "scatter", "candle", "bubble"},
         nullptr,
         {1.3, 4},
         {"d0 s0 x1 y3 k-1", "d1 s0 x1 y4 k-1", "d2 s0 x1 y7 k-1", "d3 s0 x1 y4 k-1", "d4 s0 x1 y2 k-1"}},
        {"past the last entry", {"line", "candle"}, nullptr, {7, 4}, {"d0 s0 x4 y9 k-1", "d1 s0 x4 y5.5 k-1"}},
        {"the stacked value under the touch",
         {},
         stackedBars,
         {1.1, 2},
         {"d0 s0 x1 y3 k-1", "d1 s0 x1 y5 k1", "d2 s0 x1 y7 k-1"}},
        {"bars added after the data was assigned: by x alone",
         {"line"},
         [](CombinedChartView& view) {
             view.combinedData()->setBarData(barsOf({{0, 0, std::vector<double>{2, 3}}}));
             view.notifyDataSetChanged();
         },
         {0.2, 1},
         {"d0 s0 x0 y1 k-1", "d1 s0 x0 y5 k-1"}},
        {"a set that allows no highlight is passed over",
         {"line", "bar"},
         [](CombinedChartView& view) { view.lineData()->getDataSetByIndex(0)->setHighlightEnabled(false); },
         {2, 1},
         {"d1 s0 x2 y6 k-1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto view = makeCombined();
        view->setData(fiveKinds(c.kinds));
        if (c.setUp) c.setUp(*view);
        const auto highlighter = std::dynamic_pointer_cast<CombinedHighlighter>(view->highlighter());
        ASSERT_TRUE(highlighter);
        const Point pixel = view->pixelForValues(c.touch.x, c.touch.y, YAxis::AxisDependency::left);
        EXPECT_EQ(candidates(highlighter->getHighlights(c.touch.x, pixel.x, pixel.y)), c.candidates);
    }
}

// A touch highlights what the highlighter picks; on a stacked bar the whole
// bar while full-bar highlighting is on (the default), its value otherwise.
// Without data it prints why and highlights nothing.
TEST(CombinedChartViewTest, ATouchOnAStackedBarHighlightsTheWholeBar) {
    struct Case {
        bool data;
        bool fullBar;
        std::optional<std::string> highlight;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {true, true, "d0 s0 x1 y5 k-1", {}},
        {true, false, "d0 s0 x1 y5 k1", {}},
        {false, true, std::nullopt, {"Can't select by touch. No data set."}},
    };
    for (const Case& c : cases) {
        auto view = makeCombined();
        EXPECT_TRUE(view->isHighlightFullBarEnabled()) << "on by default";
        if (c.data) {
            auto data = std::make_shared<CombinedChartData>();
            data->setBarData(barsOf({{0, 0, std::vector<double>{2, 3}}, {1, 0, std::vector<double>{1, 4}}}));
            view->setData(data);
        }
        view->setHighlightFullBarEnabled(c.fullBar);
        platform::LogCapture log;
        const HighlightPtr h = view->getHighlightByTouchPoint(view->pixelForValues(1, 3, YAxis::AxisDependency::left));
        EXPECT_EQ(h ? std::optional(candidates({h}).front()) : std::nullopt, c.highlight);
        EXPECT_EQ(log.standardOutputLines(), c.lines);
    }
}

// What a kind's renderer does only for its own kind's view stays there: in
// a combined chart the chart's header is the combined one, bars are not cut
// to the axis range and make no elements, bubbles, lines and scatter points
// make none; candles make theirs on any chart.
TEST(CombinedChartViewTest, KindsKeepWhatTheyDoOnlyOnTheirOwnViews) {
    auto view = makeCombined();
    view->setData(fiveKinds());
    view->leftAxis()->setAxisMaximum(5);
    view->notifyDataSetChanged();
    RecordingContext context;
    view->draw(context);
    const auto children = view->accessibilityChildren();
    ASSERT_EQ(children.size(), 1u);
    EXPECT_TRUE(children.front()->isHeader());
    EXPECT_EQ(children.front()->label().toStdString(), "Combined Chart. 5 datasets. Line, Bars, Spots, Prices, Sizes");
    for (const auto& renderer : combinedRenderer(*view)->subRenderers()) {
        SCOPED_TRACE(nameOf(renderer));
        EXPECT_EQ(renderer->accessibleChartElements().size(), nameOf(renderer) == "candle" ? 5u : 0u);
    }
    const auto bars = std::dynamic_pointer_cast<BarChartRenderer>(combinedRenderer(*view)->getSubRenderer(0));
    ASSERT_TRUE(bars);
    const double axisTop = view->pixelForValues(0, 5, YAxis::AxisDependency::left).y;
    EXPECT_LT(bars->preparedRects(0)[2].y(), axisTop - 1) << "the bar of 6 reaches past the axis maximum of 5";

    view->chartDescription()->setText(QStringLiteral("Mixed"));
    view->draw(context);
    EXPECT_EQ(view->accessibilityChildren().front()->label().toStdString(),
              "Mixed. 5 datasets. Line, Bars, Spots, Prices, Sizes");
}

// The routing rule of the highlights: a sub-renderer draws its own sub-data's
// highlights and those meant for any (-1), in their order.
TEST(CombinedChartViewTest, HighlightsAreRoutedByTheirDataIndex) {
    const std::vector<HighlightPtr> all{
        std::make_shared<Highlight>(1, 1, 0, 0), std::make_shared<Highlight>(2, 2, 0, -1),
        std::make_shared<Highlight>(3, 3, 0, 1), nullptr, std::make_shared<Highlight>(4, 4, 0, 0)};
    struct Case {
        std::optional<int> dataIndex;
        std::vector<double> xs;
    };
    for (const Case& c : {Case{0, {1, 2, 4}}, Case{1, {2, 3}}, Case{2, {2}}, Case{std::nullopt, {2}}}) {
        std::vector<double> xs;
        for (const HighlightPtr& h : highlightsForSubData(all, c.dataIndex)) xs.push_back(h->x());
        EXPECT_EQ(xs, c.xs) << c.dataIndex.value_or(-99);
    }
}

} // namespace

namespace {

// The entries the marker was drawn for, by x.
class MarkerProbe : public IMarker {
public:
    std::vector<double> drawnX;
    Point offset() const override { return {}; }
    Point offsetForDrawing(const Point&) const override { return {}; }
    void refreshContent(const ChartDataEntryPtr& entry, const Highlight&) override { drawnX.push_back(entry->x()); }
    void draw(DrawingContext&, const Point&) override {}
};

// Markers go only to highlights that name an entry within their sub-data
// (not -1, not a sub-data or set out of range, not a y no entry has) and that
// the x animation has reached.
TEST(CombinedChartViewTest, MarkersOnlyAtHighlightedEntriesRevealed) {
    struct Case {
        double phaseX;
        std::vector<double> drawnX;
    };
    // Line (0): x 1 and x 4; candles (3) at x 2; any sub-data; sub-data 9;
    // set 2 of the line data; a bar y no bar has.
    const std::vector<HighlightPtr> highlights{
        std::make_shared<Highlight>(1, 3, 0, 0), std::make_shared<Highlight>(4, 9, 0, 0),
        std::make_shared<Highlight>(2, 6, 0, 3), std::make_shared<Highlight>(1, 4, 0, -1),
        std::make_shared<Highlight>(1, 4, 0, 9), std::make_shared<Highlight>(1, 3, 2, 0),
        std::make_shared<Highlight>(0, 7, 0, 1)};
    for (const Case& c : {Case{1, {1, 4, 2}}, Case{0.5, {1, 2}}}) {
        auto view = makeCombined();
        view->setData(fiveKinds());
        const auto probe = std::make_shared<MarkerProbe>();
        view->setMarker(probe);
        view->chartAnimator()->setPhaseX(c.phaseX);
        view->highlightValues(highlights);
        RecordingContext context;
        view->draw(context);
        EXPECT_EQ(probe->drawnX, c.drawnX) << c.phaseX;
    }
}

} // namespace
