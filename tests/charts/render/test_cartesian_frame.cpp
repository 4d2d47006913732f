// The values that cross into a cartesian renderer: the frame of a paint (its
// content tests against the view port's, what it reads of the chart, the
// visible index range it gives), the walk over the visible points, and the
// styles read once per set and frame.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "Charts/render/CartesianFrame.h"
#include "Charts/render/DataSetStyles.h"
#include "Charts/render/FrameStyles.h"
#include "Charts/render/VisiblePoints.h"
#include "Charts/types/line/LineChartRenderer.h"
#include "tests/charts/support/render_support.h"

namespace {

using namespace charts;
using namespace render_test;
using XBounds = BarLineScatterCandleBubbleRenderer::XBounds;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

TEST(ContentBounds, AnswersAsTheViewPortDoes) {
    const auto port = ViewPortHandler::create(400, 300);
    port->restrainViewPort(40, 20, 30, 40); // content (40, 20) to (370, 260)
    const ContentBounds bounds{port->contentRect()};
    // Each edge, a pixel and a hundredth either side, and what is no number.
    const std::vector<double> xs{-inf, -1e300, 38.5, 38.99,   39,     39.01, 40,    200, 369.99,
                                 370,  370.99, 371,  371.005, 371.01, 372,   1e300, inf, nan};
    for (const double x : xs) {
        EXPECT_EQ(bounds.isInBoundsLeft(x), port->isInBoundsLeft(x)) << x;
        EXPECT_EQ(bounds.isInBoundsRight(x), port->isInBoundsRight(x)) << x;
        EXPECT_EQ(bounds.isInBoundsX(x), port->isInBoundsX(x)) << x;
    }
    const std::vector<double> ys{-inf, -1e300, 19.99, 20, 100, 259.99, 260, 260.001, 260.01, 261, 1e300, inf, nan};
    for (const double y : ys) {
        EXPECT_EQ(bounds.isInBoundsTop(y), port->isInBoundsTop(y)) << y;
        EXPECT_EQ(bounds.isInBoundsBottom(y), port->isInBoundsBottom(y)) << y;
        EXPECT_EQ(bounds.isInBoundsY(y), port->isInBoundsY(y)) << y;
    }
}

// The right and bottom tests cut to hundredths, where rounding decides; near
// each edge, on contents whose edges are awkward decimals, every answer is
// still the view port's.
TEST(ContentBounds, AgreesWithTheViewPortAcrossTheEdgesHundredths) {
    for (const double edge : {260.0, 259.99, 0.07, 0.29, 0.57, 1.15, 12.34, 1e6 + 0.37}) {
        // Content from (0, 0) with its right and bottom edges at about the edge.
        const auto port = ViewPortHandler::create(edge + 10, edge + 10);
        port->restrainViewPort(0, 0, 10, 10);
        const ContentBounds bounds{port->contentRect()};
        const double right = bounds.content.x() + bounds.content.width();
        const double bottom = bounds.content.y() + bounds.content.height();
        std::vector<double> probes;
        for (const double at : {right, bottom, right + 1, bottom - 0.01, right - 0.01}) {
            double v = at;
            for (int i = 0; i < 8; ++i) v = std::nextafter(v, -inf);
            for (int i = 0; i < 17; ++i, v = std::nextafter(v, inf)) probes.push_back(v);
            for (int k = -300; k <= 300; ++k) probes.push_back(at + k * 1e-4);
        }
        for (const double v : probes) {
            ASSERT_EQ(bounds.isInBoundsRight(v), port->isInBoundsRight(v)) << edge << " at " << v;
            ASSERT_EQ(bounds.isInBoundsBottom(v), port->isInBoundsBottom(v)) << edge << " at " << v;
        }
    }
}

TEST(CartesianFrame, ReadsTheChartAsItStands) {
    auto chart = FakeLineChart::make();
    chart->lowestX = 2;
    chart->highestX = 7;
    chart->animator->setPhaseX(0.25);
    chart->animator->setPhaseY(0.5);
    chart->right->prepareMatrixValuePx(0, 10, 50, 0);
    const CartesianFrame frame = frameOf(*chart, *chart->viewPort, *chart->animator);
    EXPECT_EQ(frame.content(), Rect(40, 20, 330, 240));
    EXPECT_EQ(frame.valueToPixel(YAxis::AxisDependency::left), chart->left->valueToPixelMatrix());
    EXPECT_EQ(frame.valueToPixel(YAxis::AxisDependency::right), chart->right->valueToPixelMatrix());
    EXPECT_EQ(frame.lowestVisibleX, 2);
    EXPECT_EQ(frame.highestVisibleX, 7);
    EXPECT_EQ(frame.phaseX, 0.25);
    EXPECT_EQ(frame.phaseY, 0.5);

    // An axis without a transformer has no transform: its sets are not drawn.
    chart->right = nullptr;
    EXPECT_FALSE(frameOf(*chart, *chart->viewPort, *chart->animator).rightValueToPixel);
}

TEST(CartesianFrame, GivesTheVisibleIndexRangeAsTheChartDoes) {
    struct Case {
        double low;
        double high;
        double phaseX;
    };
    const std::vector<Case> cases{{0, 10, 1},  {2.5, 7.5, 1}, {2, 7, 0.5}, {2, 7, 1.5}, {2, 7, -0.5},
                                  {2, 7, nan}, {-5, -1, 1},   {12, 20, 1}, {nan, 5, 1}, {3, 3, 1}};
    auto chart = FakeLineChart::make();
    auto set = lineSet({{0, 1}, {1, 1}, {2, 1}, {3, 1}, {3, 2}, {5, 1}, {8, 1}, {9, 1}});
    for (const Case& c : cases) {
        chart->lowestX = c.low;
        chart->highestX = c.high;
        chart->animator->setPhaseX(c.phaseX);
        const XBounds fromChart(*chart, *set, chart->animator.get());
        XBounds fromFrame;
        fromFrame.set(frameOf(*chart, *chart->viewPort, *chart->animator), *set);
        EXPECT_EQ(fromFrame.debugDescription(), fromChart.debugDescription())
            << c.low << " " << c.high << " " << c.phaseX;
    }
}

TEST(VisiblePoints, WalksThePointsInTheContentInOrder) {
    struct Case {
        std::string name;
        std::vector<Point> points;
        std::int64_t min;
        std::int64_t range;
        double phaseY;
        std::vector<std::int64_t> visited;
    };
    // FakeLineChart's content: x 0 to 10 and y 0 to 100 in view.
    const std::vector<Case> cases{
        {"all inside", {{1, 10}, {2, 20}, {3, 30}}, 0, 2, 1, {0, 1, 2}},
        {"left and above are skipped", {{-1, 10}, {1, 500}, {2, 20}}, 0, 2, 1, {2}},
        {"below is skipped", {{1, -50}, {2, 20}}, 0, 1, 1, {1}},
        {"the phase brings a point into view", {{1, 180}, {2, 20}}, 0, 1, 0.5, {0, 1}},
        {"the walk ends right of the content", {{1, 10}, {11, 10}, {2, 10}}, 0, 2, 1, {0}},
        {"and at a missing entry", {{1, 10}, {2, 10}}, 0, 5, 1, {0, 1}},
        {"a point that is not finite is a gap", {{1, 10}, {2, nan}, {3, inf}, {4, 10}}, 0, 3, 1, {0, 3}},
        {"only the range is walked", {{1, 10}, {2, 10}, {3, 10}, {4, 10}}, 1, 1, 1, {1, 2}},
    };
    auto chart = FakeLineChart::make();
    const CartesianFrame frame = frameOf(*chart, *chart->viewPort, *chart->animator);
    for (const Case& c : cases) {
        auto set = lineSet(c.points);
        XBounds bounds;
        bounds.setMin(c.min);
        bounds.setRange(c.range);
        std::vector<std::int64_t> visited;
        forEachVisiblePoint(
            EntryValues(*set), bounds, c.phaseY, *frame.leftValueToPixel, frame.bounds,
            [&](std::int64_t j, const ChartDataEntryPtr& entry, Point pixel) {
                visited.push_back(j);
                EXPECT_EQ(pixel, pixelPoint(Point{entry->x(), entry->y()}, c.phaseY, *frame.leftValueToPixel))
                    << c.name;
            });
        EXPECT_EQ(visited, c.visited) << c.name;
    }
}

// The colours a loop reads from a style are those the set would answer, for
// every position and when its lists are empty.
TEST(DataSetStyles, ColoursCycleAsTheSetsDo) {
    auto set = lineSet({{1, 1}});
    for (const std::vector<QColor>& colors : {std::vector<QColor>{Qt::red, Qt::blue}, std::vector<QColor>{}}) {
        set->setColors(colors);
        set->setValueColors(colors);
        const ColorCycleStyle strokes{set->colors(), set->color(0)};
        const ValueLabelStyle values = ValueLabelStyle::of(*set);
        for (std::int64_t i : {-1, 0, 1, 2, 5}) {
            EXPECT_EQ(strokes.at(i), set->color(i)) << i;
            EXPECT_EQ(values.textColors.at(i), set->valueTextColorAt(i)) << i;
        }
        EXPECT_EQ(strokes.isSingle(), colors.size() <= 1);
    }
}

// A set that counts how often its style is read.
class CountingSet : public LineChartDataSet {
public:
    using LineChartDataSet::LineChartDataSet;
    LineChartMode mode() const override {
        ++reads;
        return LineChartDataSet::mode();
    }
    mutable int reads = 0;
};

struct ModeStyle {
    LineChartMode mode;
    static ModeStyle of(const ILineChartDataSet& set) { return ModeStyle{set.mode()}; }
};

TEST(FrameStyles, ReadsEachSetOnceUntilCleared) {
    CountingSet first(LineChartDataSet::Entries{}, QStringLiteral("a"));
    CountingSet second(LineChartDataSet::Entries{}, QStringLiteral("b"));
    FrameStyles<ILineChartDataSet, ModeStyle> styles;
    const ModeStyle& kept = styles.of(first);
    styles.of(second);
    styles.of(first);
    EXPECT_EQ(&styles.of(first), &kept);
    EXPECT_EQ(first.reads, 1);
    EXPECT_EQ(second.reads, 1);
    styles.clear();
    styles.of(first);
    EXPECT_EQ(first.reads, 2);
}

// The renderer draws a paint from the frame it is handed, and on its own
// from the chart as it stands.
TEST(FrameScope, TheRendererDrawsFromTheHandedFrame) {
    auto chart = FakeLineChart::make();
    auto set = lineSet({{1, 10}, {2, 50}});
    chart->setDataSets({set});
    LineChartRenderer renderer(chart, chart->animator, chart->viewPort);
    CartesianFrame frame = frameOf(*chart, *chart->viewPort, *chart->animator);
    frame.phaseY = 0.5;
    RecordingContext context;
    {
        const FrameScope scope(renderer, frame);
        renderer.drawData(context);
    }
    expectPointsNear(strokedSegmentEnds(context), {pixel(1, 5), pixel(2, 25)});

    context.clearOperations();
    renderer.drawData(context);
    expectPointsNear(strokedSegmentEnds(context), {pixel(1, 10), pixel(2, 50)});
}

// Within a paint each set's style is read once, however many drawing calls
// draw it; on its own each call reads it again.
TEST(FrameScope, EachSetsStyleIsReadOncePerFrame) {
    auto chart = FakeLineChart::make();
    auto set = std::make_shared<CountingSet>(
        LineChartDataSet::Entries{std::make_shared<ChartDataEntry>(1, 10), std::make_shared<ChartDataEntry>(2, 50)},
        QStringLiteral("K"));
    chart->setDataSets({set});
    LineChartRenderer renderer(chart, chart->animator, chart->viewPort);
    RecordingContext context;
    {
        const FrameScope scope(renderer, frameOf(*chart, *chart->viewPort, *chart->animator));
        renderer.drawData(context);
        renderer.drawValues(context);
        renderer.drawExtras(context);
    }
    const int perFrame = set->reads;
    EXPECT_EQ(perFrame, 1);
    renderer.drawData(context);
    renderer.drawExtras(context);
    EXPECT_EQ(set->reads, perFrame + 2);
}

} // namespace
