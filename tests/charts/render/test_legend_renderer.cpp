// The legend renderer: entries made from each kind of data set, placement
// in every orientation, direction and alignment, and the shapes drawn.
#include <gtest/gtest.h>

#include <limits>

#include "Charts/data/ChartData.h"
#include "Charts/foundation/Legend.h"
#include "Charts/render/LegendPlacement.h"
#include "Charts/render/LegendRenderer.h"
#include "Charts/types/bar/BarLegendEntries.h"
#include "Charts/types/bar/IBarChartDataSet.h"
#include "Charts/types/candle/CandleChartDataEntry.h"
#include "Charts/types/candle/CandleChartDataSet.h"
#include "Charts/types/pie/PieChartDataEntry.h"
#include "Charts/types/pie/PieChartDataSet.h"
#include "tests/charts/support/render_support.h"
#include "tests/support/chart_environment.h"

namespace {

using namespace charts;
using namespace render_test;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

// Stand-ins for the data sets of the other chart kinds: only what the
// legend reads of them, and their kinds' legend entries.
class StackedBarSet : public BarLineScatterCandleBubbleChartDataSet, public virtual IBarChartDataSet {
public:
    StackedBarSet(std::int64_t stackSize, std::vector<QString> labels, std::optional<QString> label)
        : BarLineScatterCandleBubbleChartDataSet({std::make_shared<ChartDataEntry>(0, 1)}, std::move(label)),
          stackSize_(stackSize),
          stackLabels_(std::move(labels)) {}
    bool isStacked() const override { return stackSize_ > 1; }
    std::int64_t stackSize() const override { return stackSize_; }
    QColor barShadowColor() const override { return {}; }
    void setBarShadowColor(const QColor&) override {}
    double barBorderWidth() const override { return 0; }
    void setBarBorderWidth(double) override {}
    QColor barBorderColor() const override { return {}; }
    void setBarBorderColor(const QColor&) override {}
    double highlightAlpha() const override { return 0; }
    void setHighlightAlpha(double) override {}
    std::vector<QString> stackLabels() const override { return stackLabels_; }
    void setStackLabels(std::vector<QString> labels) override { stackLabels_ = std::move(labels); }
    void appendLegendEntries(std::vector<LegendEntryPtr>& entries) const override {
        appendBarLegendEntries(entries, *this);
    }

private:
    std::int64_t stackSize_;
    std::vector<QString> stackLabels_;
};

// A candle set of one candle with its falling and rising colours.
std::shared_ptr<CandleChartDataSet> candleSetColoured(std::optional<QColor> decreasing,
                                                      std::optional<QColor> increasing) {
    auto set = std::make_shared<CandleChartDataSet>(
        CandleChartDataSet::Entries{std::make_shared<CandleChartDataEntry>(0, 2, 1, 1, 2)}, QStringLiteral("Candles"));
    set->setDecreasingColor(decreasing);
    set->setIncreasingColor(increasing);
    return set;
}

std::shared_ptr<LineChartDataSet> setWith(int entries, std::vector<QColor> colors, QString label) {
    std::vector<Point> points;
    for (int i = 0; i < entries; ++i) points.push_back(Point{double(i), 1});
    auto set = lineSet(points, label);
    set->setColors(std::move(colors));
    return set;
}

// What an entry shows: its label (or none) and colour (or none).
struct Shown {
    std::optional<QString> label;
    std::optional<QColor> color;
    Legend::Form form;
    friend bool operator==(const Shown&, const Shown&) = default;
};

std::vector<Shown> shown(const Legend& legend) {
    std::vector<Shown> list;
    for (const LegendEntryPtr& e : legend.entries()) list.push_back(Shown{e->label(), e->formColor(), e->form()});
    return list;
}

class ComputeLegendTest : public ::testing::Test {
protected:
    void compute(ChartData::DataSets sets) {
        data = std::make_shared<ChartData>(std::move(sets));
        renderer.computeLegend(*data);
    }

    charts::testing::FixedTextMetrics measurer;
    std::shared_ptr<FakeLineChart> chart = FakeLineChart::make();
    std::shared_ptr<Legend> legend = std::make_shared<Legend>();
    LegendRenderer renderer{chart->viewPort, legend};
    std::shared_ptr<ChartData> data;
    const QColor red{Qt::red};
    const QColor green{Qt::green};
    const QColor blue{Qt::blue};
    static constexpr Legend::Form standard = Legend::Form::standard;
    static constexpr Legend::Form none = Legend::Form::none;
};

TEST_F(ComputeLegendTest, ALineSetStacksItsColoursBeforeItsLabel) {
    compute({setWith(10, {red, green, blue}, "K")});
    EXPECT_EQ(shown(*legend),
              (std::vector<Shown>{
                  {std::nullopt, red, standard}, {std::nullopt, green, standard}, {QString("K"), blue, standard}}));
}

TEST_F(ComputeLegendTest, OneColourOneLabelledEntryNoEntriesNoEntry) {
    compute({setWith(10, {red}, "K"), setWith(0, {green}, "Empty"), setWith(2, {red, green, blue}, "C")});
    // More colours than entries: as many shapes as entries.
    EXPECT_EQ(shown(*legend),
              (std::vector<Shown>{
                  {QString("K"), red, standard}, {std::nullopt, red, standard}, {QString("C"), green, standard}}));
}

TEST_F(ComputeLegendTest, EntriesCarryTheSetsLegendStyle) {
    auto set = setWith(1, {red}, "K");
    set->setForm(Legend::Form::line);
    set->setFormSize(12);
    set->setFormLineWidth(2);
    set->setFormLineDashPhase(1);
    set->setFormLineDashLengths(std::vector<double>{3, 3});
    compute({set});
    ASSERT_EQ(legend->entries().size(), 1u);
    const LegendEntry& entry = *legend->entries()[0];
    EXPECT_EQ(entry.form(), Legend::Form::line);
    EXPECT_EQ(entry.formSize(), 12);
    EXPECT_EQ(entry.formLineWidth(), 2);
    EXPECT_EQ(entry.formLineDashPhase(), 1);
    EXPECT_EQ(entry.formLineDashLengths(), (std::vector<double>{3, 3}));
}

TEST_F(ComputeLegendTest, AStackedBarSetNamesEachStackPositionThenItself) {
    auto bars = std::make_shared<StackedBarSet>(3, std::vector<QString>{"low", "high"}, QString("Bars"));
    bars->setColors({red, green, blue, red});
    compute({bars});
    EXPECT_EQ(shown(*legend), (std::vector<Shown>{{QString("low"), red, standard},
                                                  {QString("high"), green, standard},
                                                  {std::nullopt, blue, standard},
                                                  {QString("Bars"), std::nullopt, none}}));
    // The title entry has no shape of its own.
    EXPECT_TRUE(std::isnan(legend->entries()[3]->formSize()));
}

TEST_F(ComputeLegendTest, AnUnstackedBarSetIsAnOrdinarySet) {
    auto bars = std::make_shared<StackedBarSet>(1, std::vector<QString>{}, QString("Bars"));
    bars->setColors({red});
    compute({bars});
    EXPECT_EQ(shown(*legend), (std::vector<Shown>{{QString("Bars"), red, standard}}));
}

TEST_F(ComputeLegendTest, APieSetNamesEachSlice) {
    auto pie = std::make_shared<PieChartDataSet>(
        ChartDataSet::Entries{std::make_shared<PieChartDataEntry>(1, QString("one")),
                              std::make_shared<PieChartDataEntry>(2, std::nullopt),
                              std::make_shared<PieChartDataEntry>(3, QString("three"))},
        QString("Pie"));
    pie->setColors({red, green});
    compute({pie});
    EXPECT_EQ(shown(*legend), (std::vector<Shown>{{QString("one"), red, standard},
                                                  {std::nullopt, green, standard},
                                                  {QString("Pie"), std::nullopt, none}}));
}

TEST_F(ComputeLegendTest, ACandleSetShowsItsDecreasingThenItsIncreasingColour) {
    compute({candleSetColoured(red, green)});
    EXPECT_EQ(shown(*legend),
              (std::vector<Shown>{{std::nullopt, red, standard}, {QString("Candles"), green, standard}}));
    // Without a decreasing colour it is an ordinary set.
    compute({candleSetColoured(std::nullopt, green)});
    EXPECT_EQ(legend->entries().size(), 1u);
}

TEST_F(ComputeLegendTest, ExtraEntriesFollowAndACustomLegendKeepsItsEntries) {
    legend->setExtraEntries(
        {std::make_shared<LegendEntry>(QString("extra"), standard, nan, nan, 0, std::nullopt, blue)});
    compute({setWith(1, {red}, "K")});
    EXPECT_EQ(shown(*legend), (std::vector<Shown>{{QString("K"), red, standard}, {QString("extra"), blue, standard}}));

    legend->setCustom({std::make_shared<LegendEntry>(QString("mine"), standard, nan, nan, 0, std::nullopt, green)});
    legend->setNeededWidth(-1);
    compute({setWith(1, {red}, "K")});
    EXPECT_EQ(shown(*legend), (std::vector<Shown>{{QString("mine"), green, standard}}));
    // The layout is recomputed all the same: 8 + 5 + 20 + xOffset 5.
    EXPECT_EQ(legend->neededWidth(), 38);
}

// The placement of three items (a stacked shape, a shape with a 20 wide
// label, a shape with a 10 wide label) in a 400 x 300 chart with content
// (40, 20)-(370, 260); lines 12.5 tall.
struct PlacementCase {
    const char* name;
    Legend::Orientation orientation;
    Legend::Direction direction;
    Legend::HorizontalAlignment horizontal;
    Legend::VerticalAlignment vertical;
    bool wrapped;
    std::vector<LegendItemPlacement> placements;
};

LegendPlacementInput placementInput(const PlacementCase& c) {
    LegendPlacementInput input;
    input.orientation = c.orientation;
    input.direction = c.direction;
    input.horizontalAlignment = c.horizontal;
    input.verticalAlignment = c.vertical;
    input.xOffset = 5;
    input.yOffset = 3;
    input.lineHeight = 12.5;
    input.formToTextSpace = 5;
    input.xEntrySpace = 6;
    input.yEntrySpace = 0;
    input.stackSpace = 3;
    input.chartWidth = 400;
    input.chartHeight = 300;
    input.content = Rect(40, 20, 330, 240);
    input.items = {{true, 8, false, 0}, {true, 8, true, 20}, {true, 8, true, 10}};
    if (c.orientation == Legend::Orientation::vertical) {
        input.neededWidth = 35;
        input.neededHeight = 40.5;
    } else if (c.wrapped) {
        input.lineSizes = {{44, 12.5}, {23, 12.5}};
        input.breakPoints = {false, false, true};
        input.neededWidth = 49;
        input.neededHeight = 28;
    } else {
        input.lineSizes = {{73, 12.5}};
        input.breakPoints = {false, false, false};
        input.neededWidth = 78;
        input.neededHeight = 15.5;
    }
    return input;
}

class LegendPlacementTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(LegendPlacementTest, PlacesEveryShapeAndLabel) {
    const std::vector<LegendItemPlacement> got = placeLegendItems(placementInput(GetParam()));
    const std::vector<LegendItemPlacement>& expected = GetParam().placements;
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].form, expected[i].form) << "form " << i;
        EXPECT_EQ(got[i].label, expected[i].label) << "label " << i;
    }
}

using O = Legend::Orientation;
using D = Legend::Direction;
using H = Legend::HorizontalAlignment;
using V = Legend::VerticalAlignment;
constexpr std::optional<Point> none = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Layouts, LegendPlacementTest,
    ::testing::Values(
        PlacementCase{
            "horizontalLeftBottom",
            O::horizontal,
            D::leftToRight,
            H::left,
            V::bottom,
            false,
            {{Point{45, 287.75}, none}, {Point{56, 287.75}, Point{69, 281.5}}, {Point{95, 287.75}, Point{108, 281.5}}}},
        PlacementCase{"horizontalRightToLeftRightTop",
                      O::horizontal,
                      D::rightToLeft,
                      H::right,
                      V::top,
                      false,
                      {{Point{357, 9.25}, none}, {Point{346, 9.25}, Point{321, 3}}, {Point{307, 9.25}, Point{292, 3}}}},
        PlacementCase{"horizontalCentred",
                      O::horizontal,
                      D::leftToRight,
                      H::center,
                      V::center,
                      false,
                      {{Point{173.5, 151.5}, none},
                       {Point{184.5, 151.5}, Point{197.5, 145.25}},
                       {Point{223.5, 151.5}, Point{236.5, 145.25}}}},
        PlacementCase{"horizontalRightToLeftCentred",
                      O::horizontal,
                      D::rightToLeft,
                      H::center,
                      V::center,
                      false,
                      {{Point{228.5, 151.5}, none},
                       {Point{217.5, 151.5}, Point{192.5, 145.25}},
                       {Point{178.5, 151.5}, Point{163.5, 145.25}}}},
        PlacementCase{"horizontalWrapped",
                      O::horizontal,
                      D::leftToRight,
                      H::left,
                      V::top,
                      true,
                      {{Point{45, 9.25}, none}, {Point{56, 9.25}, Point{69, 3}}, {Point{45, 21.75}, Point{58, 15.5}}}},
        // Each line is centred on its own width.
        PlacementCase{
            "horizontalWrappedCentred",
            O::horizontal,
            D::leftToRight,
            H::center,
            V::top,
            true,
            {{Point{188, 9.25}, none}, {Point{199, 9.25}, Point{212, 3}}, {Point{198.5, 21.75}, Point{211.5, 15.5}}}},
        // A label after a stack takes its own line, from the origin.
        PlacementCase{"verticalLeftTop",
                      O::vertical,
                      D::leftToRight,
                      H::left,
                      V::top,
                      false,
                      {{Point{5, 29.25}, none}, {Point{16, 29.25}, Point{5, 35.5}}, {Point{5, 54.25}, Point{18, 48}}}},
        PlacementCase{"verticalRightToLeftRightBottom",
                      O::vertical,
                      D::rightToLeft,
                      H::right,
                      V::bottom,
                      false,
                      {{Point{387, 222.75}, none},
                       {Point{398, 222.75}, Point{375, 229}},
                       {Point{387, 247.75}, Point{372, 241.5}}}},
        PlacementCase{"verticalCentred",
                      O::vertical,
                      D::leftToRight,
                      H::center,
                      V::center,
                      false,
                      {{Point{192.5, 139}, none},
                       {Point{203.5, 139}, Point{192.5, 145.25}},
                       {Point{192.5, 164}, Point{205.5, 157.75}}}},
        // Centred vertical legends measure from the chart's top and bottom,
        // not the content's.
        PlacementCase{"verticalCentredTop",
                      O::vertical,
                      D::leftToRight,
                      H::center,
                      V::top,
                      false,
                      {{Point{192.5, 9.25}, none},
                       {Point{203.5, 9.25}, Point{192.5, 15.5}},
                       {Point{192.5, 34.25}, Point{205.5, 28}}}},
        PlacementCase{"verticalCentredRightToLeftBottom",
                      O::vertical,
                      D::rightToLeft,
                      H::center,
                      V::bottom,
                      false,
                      {{Point{199.5, 262.75}, none},
                       {Point{210.5, 262.75}, Point{187.5, 269}},
                       {Point{199.5, 287.75}, Point{184.5, 281.5}}}}),
    [](const ::testing::TestParamInfo<PlacementCase>& param) { return std::string(param.param.name); });

TEST(LegendPlacement, AShapelessEntryTakesNoRoomForAShape) {
    LegendPlacementInput input;
    input.xOffset = 5;
    input.formToTextSpace = 5;
    input.content = Rect(40, 20, 330, 240);
    input.items = {{false, 8, true, 20}, {true, 8, true, 10}};
    input.xEntrySpace = 6;
    const auto got = placeLegendItems(input);
    EXPECT_FALSE(got[0].form);
    EXPECT_EQ(got[0].label->x, 45);
    EXPECT_EQ(got[1].form->x, 71);
}

class RenderLegendTest : public ComputeLegendTest {
protected:
    std::vector<RecordedOperation> texts() const { return ofKind(context, DrawingOperation::drawText); }
    RecordingContext context;
};

TEST_F(RenderLegendTest, DrawsTheComputedLayoutBelowTheChart) {
    compute({setWith(1, {red}, "ab"), setWith(1, {blue}, "cde")});
    renderer.renderLegend(context);
    const auto squares = ofKind(context, DrawingOperation::fillRect);
    ASSERT_EQ(squares.size(), 2u);
    // Legend font 10 px: labels 5 per character, lines 12.5; squares of 8.
    EXPECT_EQ(squares[0].rect, Rect(45, 283.75, 8, 8));
    EXPECT_EQ(squares[0].state.fillColor, red);
    EXPECT_EQ(squares[1].rect, Rect(74, 283.75, 8, 8));
    const auto labels = texts();
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[0].text, QStringLiteral("ab"));
    EXPECT_EQ(labels[0].points[0], (Point{58, 281.5}));
    EXPECT_EQ(labels[0].attributes.foregroundColor, legend->textColor());
    EXPECT_EQ(labels[1].points[0], (Point{87, 281.5}));
    // Each entry's shape comes before its label.
    std::vector<DrawingOperation> order;
    for (const RecordedOperation& op : context.paintings()) order.push_back(op.kind);
    EXPECT_EQ(order, (std::vector<DrawingOperation>{DrawingOperation::fillRect, DrawingOperation::drawText,
                                                    DrawingOperation::fillRect, DrawingOperation::drawText}));
    EXPECT_TRUE(balancedSaves(context));
}

TEST_F(RenderLegendTest, ADisabledLegendDrawsNothingButIsStillLaidOut) {
    legend->setEnabled(false);
    compute({setWith(1, {red}, "ab")});
    renderer.renderLegend(context);
    EXPECT_TRUE(context.operations().empty());
    EXPECT_EQ(legend->entries().size(), 1u);
    EXPECT_GT(legend->neededWidth(), legend->xOffset());
}

TEST_F(RenderLegendTest, WithoutALegendNothingHappens) {
    LegendRenderer bare{chart->viewPort, nullptr};
    bare.computeLegend(ChartData());
    bare.renderLegend(context);
    EXPECT_TRUE(context.operations().empty());
}

TEST_F(RenderLegendTest, AnEntryAddedAfterTheLayoutIsMeasuredWhenDrawn) {
    compute({setWith(1, {red}, "ab")});
    auto entries = legend->entries();
    entries.push_back(std::make_shared<LegendEntry>(QString("late"), standard, nan, nan, 0, std::nullopt, blue));
    legend->setEntries(entries);
    renderer.renderLegend(context);
    const auto labels = texts();
    ASSERT_EQ(labels.size(), 2u);
    // "ab" ends at 68, the space of 6 and the next square of 8 and 5 follow.
    EXPECT_EQ(labels[1].points[0].x, 68 + 6 + 8 + 5);
}

struct FormCase {
    Legend::Form entryForm;
    Legend::Form legendForm;
    DrawingOperation drawn;
};

class LegendFormTest : public RenderLegendTest, public ::testing::WithParamInterface<FormCase> {};

TEST_P(LegendFormTest, DrawsTheResolvedShapeInItsBox) {
    legend->setForm(GetParam().legendForm);
    const LegendEntry entry(QString("x"), GetParam().entryForm, 10, nan, 0, std::nullopt, red);
    renderer.drawForm(context, 20, 50, entry, *legend);
    const auto paintings = context.paintings();
    ASSERT_EQ(paintings.size(), 1u);
    EXPECT_EQ(paintings[0].kind, GetParam().drawn);
    if (GetParam().drawn != DrawingOperation::strokeLineSegments) {
        EXPECT_EQ(paintings[0].rect, Rect(20, 45, 10, 10));
        EXPECT_EQ(paintings[0].state.fillColor, red);
    }
    EXPECT_TRUE(balancedSaves(context));
}

INSTANTIATE_TEST_SUITE_P(
    Forms, LegendFormTest,
    ::testing::Values(FormCase{Legend::Form::square, Legend::Form::circle, DrawingOperation::fillRect},
                      FormCase{Legend::Form::circle, Legend::Form::square, DrawingOperation::fillEllipse},
                      FormCase{Legend::Form::standard, Legend::Form::square, DrawingOperation::fillRect},
                      FormCase{Legend::Form::standard, Legend::Form::circle, DrawingOperation::fillEllipse},
                      // Standard on both: a filled circle.
                      FormCase{Legend::Form::standard, Legend::Form::standard, DrawingOperation::fillEllipse},
                      FormCase{Legend::Form::line, Legend::Form::square, DrawingOperation::strokeLineSegments}));

TEST_F(RenderLegendTest, EmptyAndShapelessFormsAndClearColoursDrawNothing) {
    renderer.drawForm(context, 0, 0, LegendEntry(QString("x"), Legend::Form::empty, 8, nan, 0, std::nullopt, red),
                      *legend);
    renderer.drawForm(context, 0, 0, LegendEntry(QString("x"), Legend::Form::none, 8, nan, 0, std::nullopt, red),
                      *legend);
    renderer.drawForm(
        context, 0, 0,
        LegendEntry(QString("x"), Legend::Form::square, 8, nan, 0, std::nullopt, QColor::fromRgbF(0, 0, 0, 0)),
        *legend);
    renderer.drawForm(context, 0, 0,
                      LegendEntry(QString("x"), Legend::Form::square, 8, nan, 0, std::nullopt, std::nullopt), *legend);
    EXPECT_TRUE(context.paintings().empty());
    EXPECT_TRUE(balancedSaves(context));
}

TEST_F(RenderLegendTest, ALineFormFallsBackToTheLegendsLineStyle) {
    legend->setFormSize(14);
    legend->setFormLineWidth(4);
    legend->setFormLineDashPhase(2);
    legend->setFormLineDashLengths(std::vector<double>{6, 2});
    renderer.drawForm(context, 20, 50, LegendEntry(QString("x"), Legend::Form::line, nan, nan, nan, std::nullopt, red),
                      *legend);
    auto segments = ofKind(context, DrawingOperation::strokeLineSegments);
    ASSERT_EQ(segments.size(), 1u);
    EXPECT_EQ(segments[0].points, (std::vector<Point>{{20, 50}, {34, 50}}));
    EXPECT_EQ(segments[0].state.stroke.lineWidth, 4);
    EXPECT_EQ(segments[0].state.stroke.dashPhase, 2);
    EXPECT_EQ(segments[0].state.stroke.dashLengths, (std::vector<double>{6, 2}));
    EXPECT_EQ(segments[0].state.strokeColor, red);

    // The entry's own style wins; an empty dash list is solid.
    context.clearOperations();
    renderer.drawForm(context, 20, 50,
                      LegendEntry(QString("x"), Legend::Form::line, 10, 1, 0, std::vector<double>{}, red), *legend);
    segments = ofKind(context, DrawingOperation::strokeLineSegments);
    ASSERT_EQ(segments.size(), 1u);
    EXPECT_EQ(segments[0].points, (std::vector<Point>{{20, 50}, {30, 50}}));
    EXPECT_EQ(segments[0].state.stroke.lineWidth, 1);
    EXPECT_TRUE(segments[0].state.stroke.dashLengths.empty());
}

} // namespace
