// The renderer bases: the visible index range, the value-label permission,
// the accessibility header, cross-hair lines and filled paths.
#include <gtest/gtest.h>

#include <limits>
#include <type_traits>

#include "Charts/drawing/Path.h"
#include "Charts/foundation/AccessibilityElement.h"
#include "Charts/foundation/Fill.h"
#include "Charts/render/AccessibilityText.h"
#include "Charts/render/LineRadarRenderer.h"
#include "tests/charts/support/abstract_bases.h"
#include "tests/charts/support/render_support.h"

namespace {

using namespace charts;
using namespace render_test;

using XBounds = BarLineScatterCandleBubbleRenderer::XBounds;

// Entries at x = 0, 1, ..., 9; the chart shows 0 to 10.
class XBoundsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<Point> points;
        for (int i = 0; i < 10; ++i) points.push_back(Point{double(i), double(i * 10)});
        set = lineSet(points);
        chart->setDataSets({set});
    }
    // Zoom x about the content's left edge and pan so that `from` is at the
    // left edge.
    void showX(double from, double to) {
        const double scale = 10 / (to - from);
        AffineTransform m = AffineTransform::makeScale(scale, 1);
        m.tx = -from * 33 * scale;
        chart->viewPort->refresh(m, nullptr, false);
    }

    std::shared_ptr<FakeLineChart> chart = FakeLineChart::make();
    std::shared_ptr<LineChartDataSet> set;
    Animator animator;
};

TEST_F(XBoundsTest, CoversTheVisibleEntries) {
    const XBounds bounds(*chart, *set, &animator);
    EXPECT_EQ(bounds.min(), 0);
    EXPECT_EQ(bounds.max(), 9);
    EXPECT_EQ(bounds.range(), 9);
    EXPECT_EQ(bounds.debugDescription(), "min:0, max:9, range:9");
}

TEST_F(XBoundsTest, RoundsTheLowEdgeDownAndTheHighEdgeUp) {
    showX(2.5, 5.5);
    const XBounds bounds(*chart, *set, &animator);
    EXPECT_EQ(bounds.min(), 2);
    EXPECT_EQ(bounds.max(), 6);
    EXPECT_EQ(bounds.range(), 4);
}

struct PhaseCase {
    double phaseX;
    std::int64_t range;
};

class XBoundsPhaseTest : public XBoundsTest, public ::testing::WithParamInterface<PhaseCase> {};

TEST_P(XBoundsPhaseTest, ScalesTheRangeByTheClampedPhase) {
    animator.setPhaseX(GetParam().phaseX);
    EXPECT_EQ(XBounds(*chart, *set, &animator).range(), GetParam().range);
}

INSTANTIATE_TEST_SUITE_P(Phases, XBoundsPhaseTest,
                         ::testing::Values(PhaseCase{1, 9}, PhaseCase{0.5, 4}, PhaseCase{0.99, 8}, PhaseCase{0, 0},
                                           PhaseCase{1.5, 9}, PhaseCase{-0.5, 0},
                                           // A phase that is no number draws as none would.
                                           PhaseCase{std::numeric_limits<double>::quiet_NaN(), 0}));

TEST_F(XBoundsTest, WithoutAnimatorTheWholeRange) { EXPECT_EQ(XBounds(*chart, *set, nullptr).range(), 9); }

TEST_F(XBoundsTest, ARangeOfZeroYieldsOneIndex) {
    XBounds bounds;
    bounds.setMin(4);
    std::vector<std::int64_t> visited(bounds.begin(), bounds.end());
    EXPECT_EQ(visited, std::vector<std::int64_t>{4});
    EXPECT_TRUE(bounds.contains(4));
    EXPECT_FALSE(bounds.contains(5));
    bounds.setRange(2);
    visited.assign(bounds.begin(), bounds.end());
    EXPECT_EQ(visited, (std::vector<std::int64_t>{4, 5, 6}));
}

TEST_F(XBoundsTest, EmptySetGivesZeroes) {
    auto empty = lineSet({});
    const XBounds bounds(*chart, *empty, &animator);
    EXPECT_EQ(bounds.debugDescription(), "min:0, max:0, range:0");
}

TEST_F(XBoundsTest, VisibleRangeBeforeTheFirstEntryResolvesToTheNearest) {
    auto late = lineSet({{20, 1}, {21, 2}, {22, 3}});
    const XBounds bounds(*chart, *late, &animator);
    EXPECT_EQ(bounds.min(), 0);
    EXPECT_EQ(bounds.max(), 0);
}

TEST_F(XBoundsTest, EqualEntriesCountFromTheFirstOfThem) {
    // The entry found at x 3 has an equal twin before it: the bounds use the
    // first, as a lookup of the entry's position does.
    auto twins = lineSet({{1, 1}, {3, 5}, {3, 5}, {5, 1}});
    chart->setDataSets({twins});
    showX(3, 5);
    const XBounds bounds(*chart, *twins, &animator);
    EXPECT_EQ(bounds.min(), 1);
}

TEST_F(XBoundsTest, AVisibleRangeWithoutNumbersFindsNothing) {
    // What a 0 / 0 matrix of an empty content rectangle makes of the edges.
    chart->lowestX = std::numeric_limits<double>::quiet_NaN();
    chart->highestX = std::numeric_limits<double>::quiet_NaN();
    const XBounds bounds(*chart, *set, &animator);
    EXPECT_EQ(bounds.debugDescription(), "min:0, max:0, range:0");
}

TEST_F(XBoundsTest, BoundsRunningBackwardsVisitNothing) {
    // An unsorted set can put max below min, and the range below 0.
    XBounds bounds;
    bounds.setMin(9);
    bounds.setMax(2);
    bounds.setRange(-7);
    EXPECT_EQ(bounds.begin(), bounds.end());
    EXPECT_FALSE(bounds.contains(9));
    EXPECT_FALSE(bounds.contains(2));
}

struct AllowedCase {
    int entries;
    int maxVisibleCount;
    double zoomX;
    bool allowed;
};

class ValuesAllowedTest : public ::testing::TestWithParam<AllowedCase> {};

TEST_P(ValuesAllowedTest, ComparesTheEntryCountWithTheZoomedLimit) {
    const AllowedCase& c = GetParam();
    auto chart = FakeLineChart::make();
    std::vector<Point> points;
    for (int i = 0; i < c.entries; ++i) points.push_back(Point{double(i), 1});
    chart->setDataSets({lineSet(points)});
    chart->visibleCount = c.maxVisibleCount;
    chart->viewPort->refresh(AffineTransform::makeScale(c.zoomX, 1), nullptr, false);
    const charts::testing::BaseDrawing<DataRenderer> renderer(chart->animator, chart->viewPort);
    EXPECT_EQ(renderer.isDrawingValuesAllowed(chart.get()), c.allowed);
}

INSTANTIATE_TEST_SUITE_P(Counts, ValuesAllowedTest,
                         ::testing::Values(AllowedCase{99, 100, 1, true}, AllowedCase{100, 100, 1, false},
                                           AllowedCase{199, 100, 2, true}, AllowedCase{200, 100, 2, false},
                                           // 100 × 1.5 truncates to 150.
                                           AllowedCase{149, 100, 1.5, true}, AllowedCase{150, 100, 1.5, false},
                                           AllowedCase{0, 0, 1, false}));

TEST(ValuesAllowed, FalseWithoutProviderOrData) {
    auto chart = FakeLineChart::make();
    const charts::testing::BaseDrawing<DataRenderer> renderer(chart->animator, chart->viewPort);
    EXPECT_FALSE(renderer.isDrawingValuesAllowed(nullptr));
    EXPECT_FALSE(renderer.isDrawingValuesAllowed(chart.get()));
}

struct HeaderCase {
    QString description;
    std::vector<std::optional<QString>> labels;
    QString label;
};

class AccessibleHeaderLabelTest : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(AccessibleHeaderLabelTest, NamesTheDescriptionTheCountAndTheLabels) {
    EXPECT_EQ(accessibleHeaderLabel(GetParam().description, GetParam().labels), GetParam().label);
}

INSTANTIATE_TEST_SUITE_P(
    Labels, AccessibleHeaderLabelTest,
    ::testing::Values(HeaderCase{"Curves", {QString("K"), QString("C")}, "Curves. 2 datasets. K, C"},
                      HeaderCase{"Curves", {std::nullopt}, "Curves. 1 dataset. "},
                      HeaderCase{"Line Chart", {}, "Line Chart. 0 datasets. "},
                      HeaderCase{"X", {QString("a"), std::nullopt, QString("c")}, "X. 3 datasets. a, , c"}));

TEST(AccessibleHeader, UsesTheDefaultDescriptionWithoutOne) {
    auto chart = FakeLineChart::make();
    chart->setDataSets({lineSet({{1, 1}}, QStringLiteral("K"))});
    const charts::testing::BaseDrawing<DataRenderer> renderer(chart->animator, chart->viewPort);
    const AccessibilityElementPtr header =
        renderer.createAccessibleHeader(*chart, *chart->lineData(), QStringLiteral("Line Chart"));
    EXPECT_EQ(header->label(), QStringLiteral("Line Chart. 1 dataset. K"));
    EXPECT_TRUE(header->isHeader());
    EXPECT_EQ(header->frame(), Rect(0, 0, 400, 300));
    EXPECT_EQ(header->container(), chart->widget.get());

    chart->descriptionText = QStringLiteral("Curves");
    EXPECT_EQ(renderer.createAccessibleHeader(*chart, *chart->lineData(), QStringLiteral("Line Chart"))->label(),
              QStringLiteral("Curves. 1 dataset. K"));
}

// A renderer that leaves out one drawing entry point cannot be made; one that
// provides all four can.
struct WithoutExtras : LineRadarRenderer {
    using LineRadarRenderer::LineRadarRenderer;
    void drawData(DrawingContext&) override {}
    void drawValues(DrawingContext&) override {}
    void drawHighlighted(DrawingContext&, const std::vector<HighlightPtr>&) override {}
};
struct WithoutData : DataRenderer {
    using DataRenderer::DataRenderer;
    void drawValues(DrawingContext&) override {}
    void drawExtras(DrawingContext&) override {}
    void drawHighlighted(DrawingContext&, const std::vector<HighlightPtr>&) override {}
};

TEST(DataRenderer, AKindThatLeavesOutADrawingEntryPointDoesNotCompile) {
    static_assert(std::is_abstract_v<DataRenderer>);
    static_assert(std::is_abstract_v<BarLineScatterCandleBubbleRenderer>);
    static_assert(std::is_abstract_v<LineScatterCandleRadarRenderer>);
    static_assert(std::is_abstract_v<LineRadarRenderer>);
    static_assert(std::is_abstract_v<WithoutExtras>);
    static_assert(std::is_abstract_v<WithoutData>);
    static_assert(!std::is_abstract_v<charts::testing::BaseDrawing<LineRadarRenderer>>);
    static_assert(std::is_abstract_v<AxisRendererBase>);
    static_assert(!std::is_abstract_v<charts::testing::BaseAxisDrawing>);
    SUCCEED();
}

TEST(DataRendererDeathTest, AbstractDrawingStopsTheProgramNamingTheOperation) {
    auto chart = FakeLineChart::make();
    charts::testing::BaseDrawing<DataRenderer> renderer(chart->animator, chart->viewPort);
    RecordingContext context;
    EXPECT_DEATH(renderer.drawData(context), "drawData\\(\\) cannot be called on DataRenderer");
    EXPECT_DEATH(renderer.drawValues(context), "drawValues\\(\\) cannot be called on DataRenderer");
    EXPECT_DEATH(renderer.drawExtras(context), "drawExtras\\(\\) cannot be called on DataRenderer");
    EXPECT_DEATH(renderer.drawHighlighted(context, {}), "drawHighlighted\\(\\) cannot be called on DataRenderer");
}

struct CrossHairCase {
    bool vertical;
    bool horizontal;
    std::vector<std::vector<Point>> lines;
};

class HighlightLinesTest : public ::testing::TestWithParam<CrossHairCase> {};

TEST_P(HighlightLinesTest, StrokesTheEnabledLinesVerticalFirst) {
    auto chart = FakeLineChart::make();
    auto set = lineSet({{1, 1}});
    set->setDrawVerticalHighlightIndicatorEnabled(GetParam().vertical);
    set->setDrawHorizontalHighlightIndicatorEnabled(GetParam().horizontal);
    charts::testing::BaseDrawing<LineScatterCandleRadarRenderer> renderer(chart->animator, chart->viewPort);
    RecordingContext context;
    renderer.drawHighlightLines(context, Point{100, 50}, *set);
    const auto strokes = ofKind(context, DrawingOperation::drawPath);
    ASSERT_EQ(strokes.size(), GetParam().lines.size());
    for (std::size_t i = 0; i < strokes.size(); ++i) {
        EXPECT_EQ(strokes[i].mode, PathDrawingMode::stroke);
        Path expected;
        expected.addLines(GetParam().lines[i]);
        EXPECT_EQ(strokes[i].path, expected) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Indicators, HighlightLinesTest,
                         ::testing::Values(CrossHairCase{true, true, {{{100, 20}, {100, 260}}, {{40, 50}, {370, 50}}}},
                                           CrossHairCase{true, false, {{{100, 20}, {100, 260}}}},
                                           CrossHairCase{false, true, {{{40, 50}, {370, 50}}}},
                                           CrossHairCase{false, false, {}}));

class FilledPathTest : public ::testing::Test {
protected:
    std::shared_ptr<FakeLineChart> chart = FakeLineChart::make();
    charts::testing::BaseDrawing<LineRadarRenderer> renderer{chart->animator, chart->viewPort};
    RecordingContext context;
    Path area = [] {
        Path p;
        p.addLines(std::vector<Point>{{50, 100}, {150, 50}, {150, 260}});
        p.closeSubpath();
        return p;
    }();
};

TEST_F(FilledPathTest, AColourFillsWithTheAlphaAndLeavesTheStateAsFound) {
    const GraphicsState before = context.graphicsState();
    renderer.drawFilledPath(context, area, QColor(10, 20, 30), 0.25);
    const auto fills = ofKind(context, DrawingOperation::drawPath);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].mode, PathDrawingMode::fill);
    EXPECT_EQ(fills[0].path, area);
    EXPECT_EQ(fills[0].state.fillColor, QColor(10, 20, 30));
    EXPECT_DOUBLE_EQ(fills[0].state.alpha, 0.25);
    EXPECT_TRUE(balancedSaves(context));
    EXPECT_EQ(context.graphicsState(), before);
    EXPECT_TRUE(context.currentPath().isEmpty());
}

// A fill that notes what it was asked to paint.
class NotingFill : public Fill {
public:
    void fillPath(DrawingContext& context, const Rect& rect) const override {
        path = context.currentPath();
        alpha = context.graphicsState().alpha;
        within = rect;
    }
    mutable Path path;
    mutable double alpha = -1;
    mutable Rect within;
};

TEST_F(FilledPathTest, AFillPaintsThePathWithinTheContentAtTheAlpha) {
    const NotingFill fill;
    const GraphicsState before = context.graphicsState();
    renderer.drawFilledPath(context, area, fill, 0.5);
    EXPECT_EQ(fill.path, area);
    EXPECT_DOUBLE_EQ(fill.alpha, 0.5);
    EXPECT_EQ(fill.within, chart->viewPort->contentRect());
    EXPECT_TRUE(balancedSaves(context));
    EXPECT_EQ(context.graphicsState(), before);
}

} // namespace
