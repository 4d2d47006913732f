#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <type_traits>

#include "Charts/drawing/RecordingContext.h"
#include "Charts/foundation/Marker.h"
#include "Charts/foundation/ViewPortJob.h"
#include "Charts/types/line/LineChartRenderer.h"
#include "platform/testing/LogCapture.h"
#include "tests/charts/support/chart_view_support.h"

namespace charts {
namespace {

using namespace charts::testing;

TEST(ChartViewBase, WithoutDataDrawsOnlyTheNoDataTextCentred) {
    FixedMetrics metrics;
    const auto view = makeLineChart(400, 300);
    RecordingContext context;
    view->draw(context);
    const auto paintings = context.paintings();
    ASSERT_EQ(paintings.size(), 1u) << context.describe();
    const RecordedOperation& text = paintings.front();
    EXPECT_EQ(text.kind, DrawingOperation::drawTextInRect);
    EXPECT_EQ(text.text, QStringLiteral("No chart data available."));
    // Centred both ways in the bounds, within the view's width.
    EXPECT_DOUBLE_EQ(text.rect.x() + text.rect.width() / 2, 200);
    EXPECT_DOUBLE_EQ(text.rect.y() + text.rect.height() / 2, 150);
    EXPECT_LE(text.rect.width(), 400);
    ASSERT_TRUE(text.attributes.paragraphStyle.has_value());
    EXPECT_EQ(text.attributes.paragraphStyle->lineBreakMode, LineBreakMode::byWordWrapping);
    EXPECT_EQ(text.attributes.paragraphStyle->alignment, TextAlignment::left);
    EXPECT_EQ(text.attributes.resolvedColor(), view->noDataTextColor());
    EXPECT_EQ(context.count(DrawingOperation::saveGState), context.count(DrawingOperation::restoreGState));
}

TEST(ChartViewBase, AnEmptyNoDataTextDrawsNothingAndLaysOutTheChart) {
    FixedMetrics metrics;
    const auto view = makeLineChart(400, 300);
    view->setNoDataText(QString());
    view->setData(nullptr);
    view->viewPortHandler()->restrainViewPort(0, 0, 0, 0);
    RecordingContext context;
    view->draw(context);
    EXPECT_TRUE(context.paintings().empty()) << context.describe();
    // The offset calculation ran: every side has at least the minimum.
    EXPECT_GE(view->viewPortHandler()->offsetLeft(), 10);
    EXPECT_GE(view->viewPortHandler()->offsetBottom(), 10);
}

TEST(ChartViewBase, TheDefaultValueFormatterTakesItsDecimalsFromTheData) {
    struct Case {
        std::vector<Point> points;
        QString expected; // 1234.5678 formatted
    };
    const Case cases[] = {
        {{{0, 0}, {1, 0.05}}, QStringLiteral("1,234.5678")}, // range 0.05: 4 decimals
        {{{0, 0}, {1, 1}}, QStringLiteral("1,234.57")},      // range 1: 2 decimals
        {{{0, 0}, {1, 100}}, QStringLiteral("1,235")},       // range 100: none
        {{{0, 250}}, QStringLiteral("1,235")},               // one entry of 250: none
    };
    for (const Case& c : cases) {
        const auto view = makeLineChart();
        const auto set = lineSet(c.points);
        view->setData(lineData({set}));
        ASSERT_TRUE(set->valueFormatter());
        EXPECT_EQ(set->valueFormatter()->stringForValue(1234.5678, nullptr, 0, nullptr), c.expected);
    }
}

TEST(ChartViewBase, ASetWithAFormatterOfItsOwnKeepsIt) {
    const auto view = makeLineChart();
    const auto own = lineSet(ramp(3), "own");
    const auto formatter = std::make_shared<DefaultValueFormatter>(3);
    own->setValueFormatter(formatter);
    const auto plain = lineSet(ramp(3), "plain");
    view->setData(lineData({own, plain}));
    EXPECT_EQ(own->valueFormatter(), formatter);
    ASSERT_TRUE(plain->valueFormatter());
    EXPECT_NE(plain->valueFormatter(), formatter);
    // A second assignment hands the same default object on again.
    const auto first = plain->valueFormatter();
    view->setData(lineData({plain}));
    EXPECT_EQ(plain->valueFormatter(), first);
}

// The highlightValue forms a call of numbers can reach. Three numbers with an
// integer second (x, y 3, set 0 or x, set 3, data index 0?) do not compile,
// nor does an integer y before two indices; every other form does.
template <class... Args>
concept CanHighlight = requires(ChartViewBase& view, Args... args) {
    view.highlightValue(args...);
};
static_assert(!CanHighlight<double, int, int>);
static_assert(!CanHighlight<double, int, int, int>);
static_assert(CanHighlight<double, int>);
static_assert(CanHighlight<double, double, int>);
static_assert(CanHighlight<double, double, int, int>);
static_assert(CanHighlight<double, int, int, bool>);
static_assert(CanHighlight<double, double, int, int, bool>);

TEST(ChartViewBase, TheHighlightFormsReadTheirNumbersAsMeant) {
    struct Case {
        std::function<void(ChartViewBase&)> call;
        double y;         // of the highlight; NaN when none was given
        int dataSetIndex; // of the highlight
        int dataIndex;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {[](ChartViewBase& v) { v.highlightValue(20.0, 1); }, nan, 1, -1},
        {[](ChartViewBase& v) { v.highlightValue(20.0, 3.0, 1); }, 3.0, 1, -1},
        {[](ChartViewBase& v) { v.highlightValue(20.0, 3.0, 0, 2); }, 3.0, 0, 2},
        {[](ChartViewBase& v) { v.highlightValue(20.0, 1, 2, false); }, nan, 1, 2},
        {[](ChartViewBase& v) { v.highlightValue(20.0, 3.0, 1, 2, false); }, 3.0, 1, 2},
    };
    for (const Case& c : cases) {
        const auto view = makeLineChart();
        view->setData(lineData({lineSet(ramp(5)), lineSet(ramp(5))}));
        c.call(*view);
        ASSERT_EQ(view->highlighted().size(), 1u);
        const Highlight& h = *view->highlighted().front();
        EXPECT_EQ(h.x(), 20.0);
        if (std::isnan(c.y))
            EXPECT_TRUE(std::isnan(h.y()));
        else
            EXPECT_EQ(h.y(), c.y);
        EXPECT_EQ(h.dataSetIndex(), c.dataSetIndex);
        EXPECT_EQ(h.dataIndex(), c.dataIndex);
    }
}

TEST(ChartViewBase, HighlightingTellsTheDelegateOnlyWhenAsked) {
    const auto view = makeLineChart();
    const auto delegate = std::make_shared<RecordingDelegate>();
    view->setDelegate(delegate);
    view->setData(lineData({lineSet(ramp(5)), lineSet(ramp(5))}));

    // A data-set index past the sets clears and reports nothing selected.
    view->highlightValue(20, 0);
    ASSERT_EQ(view->highlighted().size(), 1u);
    view->highlightValue(20, 5);
    EXPECT_TRUE(view->highlighted().empty());
    EXPECT_EQ(delegate->messages, (std::vector<std::string>{"selected", "nothing"}));

    // The single-argument form never calls the delegate.
    delegate->messages.clear();
    view->highlightValue(std::make_shared<Highlight>(30, 30, 1));
    EXPECT_TRUE(delegate->messages.empty());
    ASSERT_EQ(view->highlighted().size(), 1u);
    EXPECT_EQ(view->highlighted().front()->x(), 30);

    // With the delegate, a highlight whose entry exists is reported.
    view->highlightValue(std::make_shared<Highlight>(10, 10, 0), true);
    EXPECT_EQ(delegate->messages, (std::vector<std::string>{"selected"}));
    EXPECT_EQ(delegate->selected.back()->x(), 10);

    // No array empties the list and forgets the last highlight.
    view->highlightValues(std::nullopt);
    EXPECT_TRUE(view->highlighted().empty());
    EXPECT_EQ(view->lastHighlighted(), nullptr);
    view->highlightValues(std::vector<HighlightPtr>{std::make_shared<Highlight>(40, 40, 0)});
    ASSERT_NE(view->lastHighlighted(), nullptr);
    EXPECT_EQ(view->lastHighlighted()->x(), 40);
}

// A view destroyed mid-animation detaches from its animator first: the
// animator's last reports reach neither the half-destroyed view nor its
// delegate.
TEST(ChartViewBase, DestroyedMidAnimationNeitherItNorItsDelegateHearsTheStop) {
    ManualMediaClock clock{10};
    auto view = makeLineChart();
    const auto delegate = std::make_shared<RecordingDelegate>();
    view->setDelegate(delegate);
    view->animate(2, 2);
    clock.set(11);
    clock.tick();
    view.reset();
    EXPECT_TRUE(delegate->messages.empty());
    EXPECT_EQ(clock.runningLinks(), 0u);
}

// Notes where it is drawn and for which entry.
class RecordingMarker : public IMarker {
public:
    std::vector<double> drawnX;
    std::vector<Point> positions;
    Point offset() const override { return {}; }
    Point offsetForDrawing(const Point&) const override { return {}; }
    void refreshContent(const ChartDataEntryPtr& entry, const Highlight&) override {
        drawnX.push_back(entry ? entry->x() : -1);
    }
    void draw(DrawingContext&, const Point& point) override { positions.push_back(point); }
};

// A highlight's x that is not finite names no entry; a finite x however far
// out finds the nearest entry, as a touch there would; a data set that is not
// there finds nothing. The same rule decides the marker.
TEST(ChartViewBase, AHighlightFindsItsEntryOnlyFromAFiniteXAndAnExistingSet) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    struct Case {
        double x;
        int dataSetIndex;
        std::optional<double> foundX; // none: nothing highlighted
    };
    const Case cases[] = {{nan, 0, std::nullopt},
                          {infinity, 0, std::nullopt},
                          {-infinity, 0, std::nullopt},
                          {1e300, 0, 100.0},
                          {-1e300, 0, 0.0},
                          {33, 0, 30.0},
                          {30, 1, std::nullopt},
                          {30, -1, std::nullopt},
                          {infinity, 1, std::nullopt}};
    for (const Case& c : cases) {
        FixedMetrics metrics;
        const auto view = makeLineChart();
        const auto delegate = std::make_shared<RecordingDelegate>();
        view->setDelegate(delegate);
        view->setData(lineData({lineSet(ramp(11))})); // x 0 to 100
        const auto highlight = std::make_shared<Highlight>(c.x, nan, c.dataSetIndex);
        highlight->setDraw(200, 150);
        EXPECT_EQ(view->entryForHighlight(*highlight) != nullptr, c.foundX.has_value()) << c.x << " " << c.dataSetIndex;
        view->highlightValue(highlight, true);
        if (c.foundX) {
            ASSERT_EQ(view->highlighted().size(), 1u) << c.x;
            EXPECT_EQ(delegate->messages, (std::vector<std::string>{"selected"})) << c.x;
            EXPECT_EQ(view->entryForHighlight(*highlight)->x(), *c.foundX);
        } else {
            EXPECT_TRUE(view->highlighted().empty()) << c.x << " " << c.dataSetIndex;
            EXPECT_EQ(delegate->messages, (std::vector<std::string>{"nothing"})) << c.x;
        }
        // Set as it is, without the entry check: the marker looks for itself.
        const auto marker = std::make_shared<RecordingMarker>();
        view->setMarker(marker);
        view->highlightValues(std::vector<HighlightPtr>{highlight});
        RecordingContext context;
        view->draw(context);
        EXPECT_EQ(marker->drawnX, c.foundX ? std::vector<double>{*c.foundX} : std::vector<double>{}) << c.x;
    }
}

TEST(ChartViewBase, MisuseWithoutDataPrintsOneLineAndChangesNothing) {
    platform::LogCapture log;
    const auto view = makeLineChart();
    view->highlightValue(1.0, 0);
    EXPECT_EQ(view->getHighlightByTouchPoint(Point{10, 10}), nullptr);
    EXPECT_EQ(log.standardOutputLines(), (std::vector<std::string>{"Value not highlighted because data is nil",
                                                                   "Can't select by touch. No data set."}));
    EXPECT_TRUE(view->highlighted().empty());
}

TEST(ChartViewBase, FrictionIsKeptBelowOne) {
    struct Case {
        double given;
        double kept;
    };
    const Case cases[] = {{1.5, 0.999}, {1.0, 0.999}, {-1, 0}, {0, 0}, {0.5, 0.5}, {0.9989, 0.9989}};
    const auto view = makeLineChart();
    EXPECT_EQ(view->dragDecelerationFrictionCoef(), 0.9);
    for (const Case& c : cases) {
        view->setDragDecelerationFrictionCoef(c.given);
        EXPECT_EQ(view->dragDecelerationFrictionCoef(), c.kept) << c.given;
    }
}

TEST(ChartViewBase, AJobWaitsForTheViewsSizeAndRunsOnceItIsKnown) {
    // A view not laid out yet: no size.
    const auto view = makeLineChart(0, 0);
    view->setData(lineData({lineSet(ramp(11))}));
    view->moveViewToX(50);
    EXPECT_EQ(view->pendingViewportJobCount(), 1u);
    // A move that keeps the size changes nothing.
    view->move(30, 40);
    EXPECT_EQ(view->pendingViewportJobCount(), 1u);
    view->setChartSize(400, 300);
    EXPECT_EQ(view->pendingViewportJobCount(), 0u);
    // Once the size is known a job runs at once: zoomed in, x 50 comes to
    // the content's left edge.
    view->zoom(4, 1, 0, 0);
    view->moveViewToX(50);
    const Point left =
        view->valueForTouchPoint(Point{view->viewPortHandler()->contentLeft(), view->viewPortHandler()->contentTop()},
                                 YAxis::AxisDependency::left);
    EXPECT_NEAR(left.x, 50, 1e-9);
}

TEST(ChartViewBase, RemovingAJobTakesTheFirstOfItsEntriesOnly) {
    const auto view = makeLineChart(0, 0);
    const auto job = std::make_shared<MoveViewJob>(view->viewPortHandler(), 1.0, 2.0,
                                                   view->getTransformer(YAxis::AxisDependency::left),
                                                   std::weak_ptr<ChartViewInterface>(view->weakView()));
    view->addViewportJob(job);
    view->addViewportJob(job);
    view->removeViewportJob(job);
    EXPECT_EQ(view->pendingViewportJobCount(), 1u);
    view->removeViewportJob(std::make_shared<MoveViewJob>(view->viewPortHandler(), 1.0, 2.0,
                                                          view->getTransformer(YAxis::AxisDependency::left),
                                                          std::weak_ptr<ChartViewInterface>()));
    EXPECT_EQ(view->pendingViewportJobCount(), 1u);
    view->clearAllViewportJobs();
    EXPECT_EQ(view->pendingViewportJobCount(), 0u);
}

TEST(ChartViewBase, ClearingDropsDataAndHighlights) {
    const auto view = makeLineChart();
    view->setData(lineData({lineSet(ramp(4))}));
    view->highlightValue(10, 0, -1, false);
    view->clear();
    EXPECT_EQ(view->data(), nullptr);
    EXPECT_TRUE(view->highlighted().empty());
    EXPECT_TRUE(view->isEmpty());
    // clearValues empties the sets and keeps the data object.
    const auto data = lineData({lineSet(ramp(4))});
    view->setData(data);
    EXPECT_FALSE(view->isEmpty());
    view->clearValues();
    EXPECT_EQ(view->data(), data);
    EXPECT_TRUE(view->isEmpty());
}

TEST(ChartViewBase, MarkersAppearOnlyForEntriesTheXAnimationHasReached) {
    struct Case {
        double phaseX;
        std::size_t markers;
    };
    // Ten entries: at phase 0.5 the entries 0 to 5 have markers.
    const Case cases[] = {{1.0, 10}, {0.5, 6}, {0.05, 1}, {0.0, 1}};
    for (const Case& c : cases) {
        FixedMetrics metrics;
        const auto view = makeLineChart(400, 300);
        view->setData(lineData({lineSet(ramp(10))}));
        const auto marker = std::make_shared<RecordingMarker>();
        view->setMarker(marker);
        std::vector<HighlightPtr> all;
        for (int i = 0; i < 10; ++i) {
            all.push_back(std::make_shared<Highlight>(10.0 * i, 10.0 * i, 0));
            // Where a marker goes is the renderer's to say; placed here for
            // the entries it does not reach, so only the view's own rule is
            // tested.
            all.back()->setDraw(view->pixelForValues(10.0 * i, 10.0 * i, YAxis::AxisDependency::left));
        }
        view->highlightValues(all);
        view->chartAnimator()->setPhaseX(c.phaseX);
        RecordingContext context;
        view->draw(context);
        EXPECT_EQ(marker->drawnX.size(), c.markers) << c.phaseX;
        for (std::size_t i = 0; i < marker->drawnX.size(); ++i) EXPECT_EQ(marker->drawnX[i], 10.0 * i);
    }
    // Switched off, or without highlights, none.
    FixedMetrics metrics;
    const auto view = makeLineChart(400, 300);
    view->setData(lineData({lineSet(ramp(10))}));
    const auto marker = std::make_shared<RecordingMarker>();
    view->setMarker(marker);
    RecordingContext context;
    view->draw(context);
    view->highlightValue(10, 0, -1, false);
    view->setDrawMarkersEnabled(false);
    view->draw(context);
    EXPECT_TRUE(marker->drawnX.empty());
    // Drawn where the renderer drew the highlight.
    view->setDrawMarkersEnabled(true);
    view->draw(context);
    ASSERT_EQ(marker->positions.size(), 1u);
    EXPECT_EQ(marker->positions.front(), view->pixelForValues(10, 10, YAxis::AxisDependency::left));
}

TEST(LineChartView, AnswersLineDataOnlyForLineChartData) {
    const auto view = makeLineChart();
    EXPECT_EQ(view->lineData(), nullptr);
    auto plain = std::make_shared<ChartData>();
    view->setData(plain);
    EXPECT_EQ(view->lineData(), nullptr);
    const auto data = lineData({lineSet(ramp(3))});
    view->setData(data);
    EXPECT_EQ(view->lineData(), data);
    // Its renderer is the line renderer, in place once the view is made.
    EXPECT_NE(std::dynamic_pointer_cast<LineChartRenderer>(view->renderer()), nullptr);
    EXPECT_NE(std::dynamic_pointer_cast<ChartHighlighter>(view->highlighter()), nullptr);
}

} // namespace
} // namespace charts

namespace charts {
namespace {

using namespace charts::testing;

// A chart kind of its own (neither a line chart nor anything that re-states
// the accessible chart) gets its header element from the base view.
class OtherKindView : public BarLineChartViewBase {
public:
    explicit OtherKindView(ConstructionKey key) : BarLineChartViewBase(key) {}
};

// A view that leaves out the data-change or offset computation cannot be
// made.
struct WithoutOffsets : ChartViewBase {
    using ChartViewBase::ChartViewBase;
    void notifyDataSetChanged() override {}
};

TEST(ChartViewBase, AKindThatLeavesOutItsLayoutDoesNotCompile) {
    static_assert(std::is_abstract_v<ChartViewBase>);
    static_assert(std::is_abstract_v<WithoutOffsets>);
    static_assert(!std::is_abstract_v<OtherKindView>);
    SUCCEED();
}

TEST(ChartViewBase, EveryKindOfChartViewIsAnAccessibleChart) {
    struct Case {
        std::optional<QString> description;
        QStringList labels;
        QString header;
    };
    const Case cases[] = {{QStringLiteral("Curves"), {"K", "C"}, "Curves. 2 datasets. K, C"},
                          {std::nullopt, {"K"}, "Other Chart. 1 dataset. K"},
                          {QStringLiteral(""), {"K", "C", "M"}, ". 3 datasets. K, C, M"}};
    for (const Case& c : cases) {
        std::unique_ptr<OtherKindView> view(ChartViewBase::create<OtherKindView>());
        view->setChartSize(320, 200);
        std::vector<std::shared_ptr<LineChartDataSet>> sets;
        for (const QString& label : c.labels) sets.push_back(lineSet(ramp(3), label));
        view->setData(lineData(sets));
        if (c.description)
            view->chartDescription()->setText(*c.description);
        else
            view->setChartDescription(nullptr);
        const AccessibleChart& chart = *view;
        EXPECT_EQ(chart.chartDescriptionText(), c.description);
        EXPECT_EQ(chart.accessibilityContainer(), view.get());
        const LineChartRenderer renderer(std::weak_ptr<LineChartDataProvider>{}, view->chartAnimator(),
                                         view->viewPortHandler());
        const auto header = renderer.createAccessibleHeader(chart, *view->data(), QStringLiteral("Other Chart"));
        EXPECT_EQ(header->label(), c.header);
        EXPECT_EQ(header->container(), view.get());
        EXPECT_EQ(header->frame(), Rect(0, 0, 320, 200));
        EXPECT_TRUE(header->isHeader());
    }
}

TEST(ChartViewBase, AssistiveTechnologySeesTheRenderersElements) {
    FixedMetrics metrics;
    const auto view = makeLineChart(400, 300);
    EXPECT_TRUE(view->accessibilityChildren().empty());
    view->setData(lineData({lineSet(ramp(4), "Wedge")}));
    RecordingContext context;
    view->draw(context);
    const auto children = view->accessibilityChildren();
    ASSERT_FALSE(children.empty());
    EXPECT_EQ(children, view->renderer()->accessibleChartElements());
    EXPECT_TRUE(children.front()->isHeader());
    view->setRenderer(nullptr);
    EXPECT_TRUE(view->accessibilityChildren().empty());
}

} // namespace
} // namespace charts
