// The line renderer's value labels and icons, point circles with their
// holes, the points' accessibility elements and the highlight lines.
#include <gtest/gtest.h>

#include <limits>
#include <optional>

#include "Charts/foundation/AccessibilityElement.h"
#include "Charts/foundation/ValueFormatter.h"
#include "Charts/types/line/LineChartRenderer.h"
#include "Charts/types/line/LineGeometry.h"
#include "tests/charts/support/render_support.h"

namespace {

using namespace charts;
using namespace render_test;

// A set that answers no value formatter (the data model's own sets fall
// back to a shared one).
class FormatterlessSet : public LineChartDataSet {
public:
    using LineChartDataSet::LineChartDataSet;
    std::shared_ptr<IValueFormatter> valueFormatter() const override { return nullptr; }
};

std::shared_ptr<LineChartDataSet> formatterlessSet(Point point, QString label) {
    return std::make_shared<FormatterlessSet>(
        LineChartDataSet::Entries{std::make_shared<ChartDataEntry>(point.x, point.y)}, label);
}

class LineExtrasTest : public ::testing::Test {
protected:
    std::shared_ptr<LineChartDataSet> show(std::vector<Point> points, std::optional<QString> label = QString("K")) {
        auto set = lineSet(points, std::move(label));
        set->setValueFormatter(std::make_shared<DefaultValueFormatter>(0));
        sets.push_back(set);
        chart->setDataSets(sets);
        return set;
    }
    std::vector<RecordedOperation> texts() const { return ofKind(context, DrawingOperation::drawText); }

    std::shared_ptr<FakeLineChart> chart = FakeLineChart::make();
    LineChartRenderer renderer{chart, chart->animator, chart->viewPort};
    RecordingContext context;
    std::vector<std::shared_ptr<LineChartDataSet>> sets;
};

struct OffsetCase {
    double circleRadius;
    bool circles;
    std::int64_t offset;
};

class ValueLabelOffsetTest : public ::testing::TestWithParam<OffsetCase> {};

TEST_P(ValueLabelOffsetTest, TruncatesTheScaledRadius) {
    EXPECT_EQ(valueLabelOffset(GetParam().circleRadius, GetParam().circles), GetParam().offset);
}

INSTANTIATE_TEST_SUITE_P(Radii, ValueLabelOffsetTest,
                         ::testing::Values(OffsetCase{4, true, 7}, OffsetCase{4, false, 3}, OffsetCase{8, true, 14},
                                           OffsetCase{8, false, 7}, OffsetCase{1.25, true, 2}, OffsetCase{0, true, 0},
                                           OffsetCase{-4, true, -7},
                                           // No number, or one past any integer: no offset, no conversion.
                                           OffsetCase{std::numeric_limits<double>::quiet_NaN(), true, 0},
                                           OffsetCase{std::numeric_limits<double>::infinity(), true, 0},
                                           OffsetCase{1e300, false, 0}));

TEST_F(LineExtrasTest, ValuesStandCentredAboveTheirPoints) {
    auto set = show({{1, 10}, {2, 50}});
    set->setValueTextColor(QColor(9, 8, 7));
    renderer.drawValues(context);
    const auto drawn = texts();
    ASSERT_EQ(drawn.size(), 2u);
    // System font 7: lines 8.75 tall, 3.5 per character; radius 8 gives 14.
    EXPECT_EQ(drawn[0].text, QStringLiteral("10"));
    EXPECT_EQ(drawn[0].points[0], (Point{pixel(1, 10).x - 3.5, pixel(1, 10).y - 14 - 8.75}));
    EXPECT_EQ(drawn[0].attributes.foregroundColor, QColor(9, 8, 7));
    EXPECT_EQ(drawn[1].text, QStringLiteral("50"));
    EXPECT_EQ(drawn[1].points[0], (Point{pixel(2, 50).x - 3.5, pixel(2, 50).y - 14 - 8.75}));
    EXPECT_TRUE(balancedSaves(context));
}

TEST_F(LineExtrasTest, ValuesSitLowerWithoutCircles) {
    auto set = show({{1, 10}});
    set->setDrawCirclesEnabled(false);
    set->setCircleRadius(4);
    renderer.drawValues(context);
    ASSERT_EQ(texts().size(), 1u);
    EXPECT_EQ(texts()[0].points[0].y, pixel(1, 10).y - 3 - 8.75);
}

TEST_F(LineExtrasTest, ValuesOutsideTheContentAreSkipped) {
    chart->lowestX = -5;
    chart->highestX = 20;
    show({{-2, 10}, {1, 120}, {2, 50}, {12, 10}});
    renderer.drawValues(context);
    ASSERT_EQ(texts().size(), 1u);
    EXPECT_EQ(texts()[0].text, QStringLiteral("50"));
}

TEST_F(LineExtrasTest, ASetWithoutFormatterDrawsNoValuesAndNoIcons) {
    auto set = formatterlessSet({1, 10}, "K");
    chart->setDataSets({set});
    QImage icon(4, 4, QImage::Format_ARGB32);
    set->entryForIndex(0)->setIcon(icon);
    renderer.drawValues(context);
    EXPECT_TRUE(context.operations().empty());
}

TEST_F(LineExtrasTest, TooManyEntriesForTheZoomDrawNoValues) {
    show({{1, 10}, {2, 50}});
    chart->visibleCount = 2;
    renderer.drawValues(context);
    EXPECT_TRUE(texts().empty());
}

TEST_F(LineExtrasTest, IconsAreCentredOnThePointPlusTheOffset) {
    auto set = show({{1, 10}});
    set->setDrawValuesEnabled(false);
    set->setIconsOffset(QPointF(2, -3));
    set->entryForIndex(0)->setIcon(QImage(6, 4, QImage::Format_ARGB32));
    renderer.drawValues(context);
    EXPECT_TRUE(texts().empty());
    const auto images = ofKind(context, DrawingOperation::drawImage);
    ASSERT_EQ(images.size(), 1u);
    const Point at = pixel(1, 10);
    EXPECT_EQ(images[0].rect, Rect(at.x + 2 - 3, at.y - 3 - 2, 6, 4));
}

TEST_F(LineExtrasTest, CirclesWithHolesFillTheCircleThenTheHole) {
    auto set = show({{1, 10}, {2, 50}});
    set->setCircleColors({QColor(1, 1, 1), QColor(2, 2, 2)});
    set->setCircleHoleColor(QColor(3, 3, 3));
    renderer.drawExtras(context);
    const auto ellipses = ofKind(context, DrawingOperation::fillEllipse);
    ASSERT_EQ(ellipses.size(), 4u);
    const Point a = pixel(1, 10);
    const Point b = pixel(2, 50);
    EXPECT_EQ(ellipses[0].rect, Rect(a.x - 8, a.y - 8, 16, 16));
    EXPECT_EQ(ellipses[0].state.fillColor, QColor(1, 1, 1));
    EXPECT_EQ(ellipses[1].rect, Rect(a.x - 4, a.y - 4, 8, 8));
    EXPECT_EQ(ellipses[1].state.fillColor, QColor(3, 3, 3));
    EXPECT_EQ(ellipses[2].rect, Rect(b.x - 8, b.y - 8, 16, 16));
    EXPECT_EQ(ellipses[2].state.fillColor, QColor(2, 2, 2));
    EXPECT_EQ(ellipses[3].rect, Rect(b.x - 4, b.y - 4, 8, 8));
    EXPECT_TRUE(balancedSaves(context));
}

struct HoleCase {
    double holeRadius;
    bool holeEnabled;
    std::optional<QColor> holeColor;
    std::size_t filledEllipses;
    std::size_t evenOddRings;
};

class CircleHoleTest : public LineExtrasTest, public ::testing::WithParamInterface<HoleCase> {};

TEST_P(CircleHoleTest, DrawsTheHoleOnlyWhenItFitsInside) {
    auto set = show({{1, 10}});
    set->setCircleRadius(8);
    set->setCircleHoleRadius(GetParam().holeRadius);
    set->setDrawCircleHoleEnabled(GetParam().holeEnabled);
    set->setCircleHoleColor(GetParam().holeColor);
    renderer.drawExtras(context);
    EXPECT_EQ(context.count(DrawingOperation::fillEllipse), GetParam().filledEllipses);
    std::size_t rings = 0;
    for (const RecordedOperation& op : ofKind(context, DrawingOperation::drawPath))
        if (op.mode == PathDrawingMode::evenOddFill) ++rings;
    EXPECT_EQ(rings, GetParam().evenOddRings);
}

INSTANTIATE_TEST_SUITE_P(
    Holes, CircleHoleTest,
    ::testing::Values(HoleCase{4, true, QColor(Qt::white), 2, 0}, HoleCase{8, true, QColor(Qt::white), 1, 0},
                      HoleCase{0, true, QColor(Qt::white), 1, 0}, HoleCase{4, false, QColor(Qt::white), 1, 0},
                      // A clear or absent hole colour leaves a see-through ring.
                      HoleCase{4, true, QColor::fromRgbF(0, 0, 0, 0), 0, 1}, HoleCase{4, true, std::nullopt, 0, 1}));

TEST_F(LineExtrasTest, ASeeThroughHoleIsOneEvenOddRing) {
    auto set = show({{1, 10}});
    set->setCircleHoleColor(std::nullopt);
    renderer.drawExtras(context);
    const auto paths = ofKind(context, DrawingOperation::drawPath);
    ASSERT_EQ(paths.size(), 1u);
    Path ring;
    ring.addEllipse(circleRect(pixel(1, 10), 8));
    ring.addEllipse(circleRect(pixel(1, 10), 4));
    EXPECT_EQ(paths[0].path, ring);
    EXPECT_EQ(paths[0].mode, PathDrawingMode::evenOddFill);
}

TEST_F(LineExtrasTest, EveryDrawnCircleGetsAnAccessibilityElementAfterTheHeader) {
    show({{1, 10}, {2, 50}});
    renderer.drawExtras(context);
    const auto& elements = renderer.accessibleChartElements();
    ASSERT_EQ(elements.size(), 3u);
    EXPECT_TRUE(elements[0]->isHeader());
    EXPECT_EQ(elements[0]->label(), QStringLiteral("Line Chart. 1 dataset. K"));
    // One set: no set label, the text starts with a space.
    EXPECT_EQ(elements[1]->label(), QStringLiteral(" 1: 10"));
    EXPECT_EQ(elements[1]->frame(), Rect(pixel(1, 10).x - 24, pixel(1, 10).y - 24, 48, 48));
    EXPECT_EQ(elements[2]->label(), QStringLiteral(" 2: 50"));
    EXPECT_EQ(renderer.accessibilityOrderedElements().size(), 1u);
    EXPECT_EQ(renderer.accessibilityOrderedElements()[0].size(), 2u);
}

TEST_F(LineExtrasTest, WithSeveralSetsEachPointNamesItsSet) {
    show({{1, 10}}, QString("K"));
    sets.push_back(formatterlessSet({2, 50}, "C"));
    chart->setDataSets(sets);
    renderer.drawExtras(context);
    const auto& elements = renderer.accessibleChartElements();
    ASSERT_EQ(elements.size(), 3u);
    EXPECT_EQ(elements[0]->label(), QStringLiteral("Line Chart. 2 datasets. K, C"));
    EXPECT_EQ(elements[1]->label(), QStringLiteral("K,  1: 10"));
    // Without a value formatter the value reads in its shortest form.
    EXPECT_EQ(elements[2]->label(), QStringLiteral("C,  2: 50.0"));
}

TEST_F(LineExtrasTest, TheDescriptionHeadsTheHeader) {
    show({{1, 10}});
    chart->descriptionText = QStringLiteral("Curves");
    renderer.drawExtras(context);
    EXPECT_EQ(renderer.accessibleChartElements()[0]->label(), QStringLiteral("Curves. 1 dataset. K"));
}

TEST_F(LineExtrasTest, WithoutCirclesOnlyTheHeaderRemains) {
    auto set = show({{1, 10}, {2, 50}});
    renderer.drawExtras(context);
    set->setDrawCirclesEnabled(false);
    context.clearOperations();
    renderer.drawExtras(context);
    ASSERT_EQ(renderer.accessibleChartElements().size(), 1u);
    EXPECT_TRUE(renderer.accessibleChartElements()[0]->isHeader());
    EXPECT_EQ(context.count(DrawingOperation::fillEllipse), 0u);
}

TEST_F(LineExtrasTest, AChartOfAnotherKindGetsCirclesButNoElements) {
    show({{1, 10}});
    auto plain = std::make_shared<PlainLineProvider>(chart);
    LineChartRenderer other{plain, chart->animator, chart->viewPort};
    other.drawExtras(context);
    EXPECT_TRUE(other.accessibleChartElements().empty());
    EXPECT_TRUE(other.accessibilityOrderedElements().empty());
    EXPECT_EQ(context.count(DrawingOperation::fillEllipse), 2u);
}

TEST_F(LineExtrasTest, CirclesOutsideTheContentAreNeitherDrawnNorDescribed) {
    chart->lowestX = -5;
    chart->highestX = 20;
    show({{-2, 10}, {1, 120}, {2, 50}, {12, 10}});
    renderer.drawExtras(context);
    EXPECT_EQ(renderer.accessibleChartElements().size(), 2u);
    EXPECT_EQ(context.count(DrawingOperation::fillEllipse), 2u);
}

class HighlightTest : public LineExtrasTest {
protected:
    void SetUp() override {
        set = show({{1, 10}, {2, 50}, {8, 20}});
        set->setHighlightColor(QColor(200, 100, 50));
        set->setHighlightLineWidth(1.5);
        set->setHighlightLineDashLengths(std::vector<double>{3, 1});
    }
    std::vector<RecordedOperation> strokes() const {
        std::vector<RecordedOperation> found;
        for (const RecordedOperation& op : ofKind(context, DrawingOperation::drawPath))
            if (op.mode == PathDrawingMode::stroke) found.push_back(op);
        return found;
    }
    std::shared_ptr<LineChartDataSet> set;
};

TEST_F(HighlightTest, CrossHairLinesThroughTheEntryInTheSetsStyle) {
    auto high = std::make_shared<Highlight>(2, 50, 0);
    renderer.drawHighlighted(context, {high});
    const auto lines = strokes();
    ASSERT_EQ(lines.size(), 2u);
    const Point at = pixel(2, 50);
    Path vertical;
    vertical.addLines(std::vector<Point>{{at.x, 20}, {at.x, 260}});
    Path horizontal;
    horizontal.addLines(std::vector<Point>{{40, at.y}, {370, at.y}});
    EXPECT_EQ(lines[0].path, vertical);
    EXPECT_EQ(lines[1].path, horizontal);
    EXPECT_EQ(lines[0].state.strokeColor, QColor(200, 100, 50));
    EXPECT_EQ(lines[0].state.stroke.lineWidth, 1.5);
    EXPECT_EQ(lines[0].state.stroke.dashLengths, (std::vector<double>{3, 1}));
    EXPECT_DOUBLE_EQ(high->drawX(), at.x);
    EXPECT_DOUBLE_EQ(high->drawY(), at.y);
    EXPECT_TRUE(balancedSaves(context));
}

TEST_F(HighlightTest, TheEntryNearestTheHighlightIsMarked) {
    auto high = std::make_shared<Highlight>(1.8, 40, 0);
    renderer.drawHighlighted(context, {high});
    EXPECT_DOUBLE_EQ(high->drawX(), pixel(2, 50).x);
}

TEST_F(HighlightTest, AHighlightPastTheAnimatedEndKeepsItsPosition) {
    chart->animator->setPhaseX(0.5); // chartXMax 10: nothing beyond x 5
    auto high = std::make_shared<Highlight>(8, 20, 0);
    high->setDraw(7, 7);
    renderer.drawHighlighted(context, {high});
    EXPECT_TRUE(strokes().empty());
    EXPECT_EQ(high->drawX(), 7);
    EXPECT_TRUE(balancedSaves(context));
}

// An x that is not finite, or a data set that is not there, marks nothing and
// leaves the drawing position alone; a finite x however far out marks the
// nearest entry, as a touch there would find it.
TEST_F(HighlightTest, OnlyAFiniteXOnAnExistingSetMarksAnEntry) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double x;
        int dataSetIndex;
        std::optional<Point> marked; // the entry's value point; none: nothing drawn
    };
    const Case cases[] = {{nan, 0, std::nullopt},   {inf, 0, std::nullopt},    {-inf, 0, std::nullopt},
                          {1e300, 0, Point{8, 20}}, {-1e300, 0, Point{1, 10}}, {7, 0, Point{8, 20}},
                          {2, 5, std::nullopt},     {2, -1, std::nullopt},     {inf, 5, std::nullopt}};
    for (const Case& c : cases) {
        context.clearOperations();
        auto high = std::make_shared<Highlight>(c.x, nan, c.dataSetIndex);
        high->setDraw(-5, -5);
        renderer.drawHighlighted(context, {high, nullptr});
        if (c.marked) {
            EXPECT_EQ(strokes().size(), 2u) << c.x;
            EXPECT_DOUBLE_EQ(high->drawX(), pixel(c.marked->x, c.marked->y).x) << c.x;
            EXPECT_DOUBLE_EQ(high->drawY(), pixel(c.marked->x, c.marked->y).y) << c.x;
        } else {
            EXPECT_TRUE(strokes().empty()) << c.x << " " << c.dataSetIndex;
            EXPECT_EQ(high->drawX(), -5) << c.x;
        }
        EXPECT_TRUE(balancedSaves(context));
    }
}

TEST_F(HighlightTest, ASetWithoutHighlightingIsSkipped) {
    set->setHighlightEnabled(false);
    renderer.drawHighlighted(context, {std::make_shared<Highlight>(2, 50, 0)});
    EXPECT_TRUE(strokes().empty());
}

} // namespace
