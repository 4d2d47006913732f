// The bar renderers' value labels and accessibility elements, recorded:
// labels above, inside, inverted and at the stacked label points, culled
// where they leave the content; on their side, left-aligned beyond the bar
// ends; the header and one element per drawn rectangle, their texts, frames
// and order.
#include <gtest/gtest.h>

#include <cmath>

#include "Charts/drawing/TextAttributes.h"
#include "Charts/foundation/AccessibilityElement.h"
#include "Charts/foundation/AxisValueFormatter.h"
#include "Charts/foundation/ValueFormatter.h"
#include "tests/charts/types/bar/bar_support.h"

namespace {

using namespace bar_test;

// Values written as numbers are: "5", "-1.5".
std::shared_ptr<IValueFormatter> plainNumbers() {
    return DefaultValueFormatter::with(
        [](double value, const ChartDataEntryPtr&, int, const ViewPortHandler*) { return QString::number(value); });
}

// Sets with values in an 8-pixel font: one line of text is 10 pixels tall
// (fixed metrics), each character 4 wide.
template <class View = BarChartView>
struct LabelledChart : RecordedChart<View> {
    using RecordedChart<View>::view;
    explicit LabelledChart(const std::vector<std::shared_ptr<BarChartDataSet>>& sets, double barWidth = 0.5) {
        for (const auto& set : sets) {
            set->setValueFont(pixelSizedFont(QFont(), 8));
            set->setValueFormatter(plainNumbers());
        }
        view->xAxis()->setDrawLabelsEnabled(false);
        view->leftAxis()->setDrawLabelsEnabled(false);
        view->rightAxis()->setDrawLabelsEnabled(false);
        view->setData(barData(sets, barWidth));
    }
    // The left axis from min to max, laid out again.
    void valuesFrom(double min, double max) {
        view->leftAxis()->setAxisMinimum(min);
        view->leftAxis()->setAxisMaximum(max);
        view->notifyDataSetChanged();
    }
    double pixelY(double value) const { return view->pixelForValues(0, value, YAxis::AxisDependency::left).y; }
    double pixelX(double x) const { return view->pixelForValues(x, 0, YAxis::AxisDependency::left).x; }
};

// A plain bar's label stands beyond its end (the end away from 0) or inside
// it, in a plain set and in a stacked one, on either axis direction.
TEST(BarLabelsTest, PlainLabelsStandBeyondOrInsideTheBarEnds) {
    struct Case {
        bool above;
        bool inverted;
        bool stackedSet;
        double top5;     // label top of the bar of 5, from the pixel of 5
        double topMinus; // label top of the bar of -5, from the pixel of -5
    };
    const Case cases[] = {
        {true, false, false, -14.5, 4.5},
        {false, false, false, 4.5, -14.5},
        // Inverted, 5 lies below 0 on screen and -5 above it.
        {true, true, false, 4.5, -14.5},
        {false, true, false, -14.5, 4.5},
        {true, false, true, -14.5, 4.5},
        {true, true, true, 4.5, -14.5},
    };
    for (const Case& c : cases) {
        LabelledChart chart({c.stackedSet ? barSet({{0, 5, {}}, {1, -5, {}}, {2, 0, {{1, 1}}}}) : plainBars({5, -5})});
        chart.view->leftAxis()->setInverted(c.inverted);
        chart.view->setDrawValueAboveBarEnabled(c.above);
        chart.valuesFrom(-10, 10);
        chart.draw();
        const auto labels = chart.texts();
        ASSERT_EQ(labels.size(), c.stackedSet ? 4u : 2u) << c.above << c.inverted;
        EXPECT_EQ(labels[0].text, "5");
        EXPECT_EQ(labels[1].text, "-5");
        // Centred on the bar: one character is 4 wide.
        EXPECT_NEAR(labels[0].points[0].x, chart.pixelX(0) - 2, 1e-9);
        EXPECT_NEAR(labels[1].points[0].x, chart.pixelX(1) - 4, 1e-9);
        EXPECT_NEAR(labels[0].points[0].y, chart.pixelY(5) + c.top5, 1e-9) << c.above << c.inverted;
        EXPECT_NEAR(labels[1].points[0].y, chart.pixelY(-5) + c.topMinus, 1e-9) << c.above << c.inverted;
    }
}

TEST(BarLabelsTest, StackedValuesAreLabelledAtTheirOuterEnds) {
    LabelledChart chart({stackedBars({{2, -1, 3, -4}, {0, 3}})});
    chart.valuesFrom(-10, 10);
    chart.draw();
    const auto labels = chart.texts();
    struct Expected {
        const char* text;
        double at;     // the value the label point stands at
        double offset; // above the point (-14.5) or below it (4.5)
        double x;
    };
    const Expected expected[] = {{"2", 2, -14.5, 0}, {"-1", -5, 4.5, 0}, {"3", 5, -14.5, 0},
                                 {"-4", -4, 4.5, 0}, {"0", 0, 4.5, 1},   {"3", 3, -14.5, 1}};
    ASSERT_EQ(labels.size(), std::size(expected));
    for (std::size_t i = 0; i < labels.size(); ++i) {
        EXPECT_EQ(labels[i].text, expected[i].text) << i;
        EXPECT_NEAR(labels[i].points[0].y, chart.pixelY(expected[i].at) + expected[i].offset, 1e-9) << i;
        const double width = 4.0 * labels[i].text.size();
        EXPECT_NEAR(labels[i].points[0].x, chart.pixelX(expected[i].x) - width / 2, 1e-9) << i;
    }
}

TEST(BarLabelsTest, LabelsOutsideTheContentAreLeftOut) {
    // The middle stack's top label would stand above the content; the
    // other labels do not.
    LabelledChart chart({stackedBars({{1, 1}, {5, 9}, {1, 2}})});
    chart.valuesFrom(0, 10);
    chart.draw();
    std::vector<QString> texts;
    for (const RecordedOperation& label : chart.texts()) texts.push_back(label.text);
    EXPECT_EQ(texts, (std::vector<QString>{"1", "1", "5", "1", "2"}));

    // A value that is not finite has no text, plain or stacked.
    for (const auto& set : {plainBars({5, std::nan(""), 3}), stackedBars({{5}, {1, std::nan("")}})}) {
        LabelledChart withNan({set});
        withNan.valuesFrom(0, 10);
        withNan.draw();
        for (const RecordedOperation& label : withNan.texts())
            EXPECT_FALSE(label.text.contains("nan")) << label.text.toStdString();
    }
}

TEST(BarLabelsTest, AStackedSetsLabelsFollowTheirOwnBarsPastAPlainOneScrolledOut) {
    LabelledChart chart({barSet({{0, 4, {}}, {1, 0, {{1, 2}}}, {2, 0, {{2, 2}}}, {3, 5, {}}, {4, 0, {{1, 1}}}})});
    chart.valuesFrom(0, 10);
    chart.view->zoom(2.5, 1, 0, 0);
    chart.view->moveViewToX(1.0);
    chart.draw();
    const auto labels = chart.texts();
    ASSERT_GE(labels.size(), 2u);
    // The first labels are the stack at x 1, over its own bar.
    EXPECT_EQ(labels[0].text, "1");
    EXPECT_NEAR(labels[0].points[0].x + 2, chart.pixelX(1), 1e-9);
    EXPECT_NEAR(labels[0].points[0].y, chart.pixelY(1) - 14.5, 1e-9);
    EXPECT_EQ(labels[1].text, "2");
    EXPECT_NEAR(labels[1].points[0].y, chart.pixelY(3) - 14.5, 1e-9);
}

TEST(BarLabelsTest, SidewaysLabelsStartBeyondTheBarEnds) {
    struct Case {
        bool above;
        bool inverted;
    };
    for (const Case c : {Case{true, false}, Case{false, false}, Case{true, true}, Case{false, true}}) {
        LabelledChart<HorizontalBarChartView> chart({plainBars({5, -5}), stackedBars({{2, -3}}, "S")});
        chart.view->leftAxis()->setInverted(c.inverted);
        chart.view->setDrawValueAboveBarEnabled(c.above);
        chart.valuesFrom(-10, 10);
        chart.draw();
        const auto labels = chart.texts();
        ASSERT_EQ(labels.size(), 4u) << c.above << c.inverted;
        const auto valueX = [&](double value) {
            return chart.view->pixelForValues(value, 0, YAxis::AxisDependency::left).x;
        };
        const auto barY = [&](double x) { return chart.view->pixelForValues(0, x, YAxis::AxisDependency::left).y; };
        // Outside: 5 beyond the end, away from 0; inside: 5 within it. The
        // text reads from its left edge; mirrored axes mirror the side.
        const auto expectedLeft = [&](double end, bool towardGreater, double width) {
            const bool rightOfEnd = towardGreater == c.above;
            const bool mirrored = c.inverted;
            const bool onRight = rightOfEnd != mirrored;
            return onRight ? valueX(end) + 5 : valueX(end) - 5 - width;
        };
        const struct {
            const char* text;
            double end;
            bool positive;
            double x;
        } expected[] = {{"5", 5, true, 0}, {"-5", -5, false, 1}, {"2", 2, true, 0}, {"-3", -3, false, 0}};
        for (std::size_t i = 0; i < 4; ++i) {
            const double width = 4.0 * labels[i].text.size();
            EXPECT_EQ(labels[i].text, expected[i].text);
            EXPECT_NEAR(labels[i].points[0].x, expectedLeft(expected[i].end, expected[i].positive, width), 1e-9)
                << i << " " << c.above << c.inverted;
            // Centred on the bar's height: half a line (5) above its middle.
            EXPECT_NEAR(labels[i].points[0].y, barY(expected[i].x) - 5, 1e-9) << i;
        }
    }
}

TEST(BarLabelsTest, TheHeaderAndOneElementPerDrawnRectangle) {
    auto first = plainBars({5, 7}, "Low");
    auto second = stackedBars({{1, 2}, {3, 4}}, "High");
    second->setColors({Qt::red, Qt::blue});
    second->setStackLabels({"base", "top"});
    LabelledChart chart({first, second});
    chart.view->xAxis()->setValueFormatter(xNamed());
    chart.draw();
    const auto& elements = chart.view->renderer()->accessibleChartElements();
    const std::vector<QString> texts = {
        "Bar Chart. 2 datasets. Low, High",
        // Entry 0 of each set, then entry 1.
        "Low,  x0: 5",
        "High,  x0: base 1",
        "High,  x0: top 2",
        "Low,  x1: 7",
        "High,  x1: base 3",
        "High,  x1: top 4",
    };
    ASSERT_EQ(elements.size(), texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) EXPECT_EQ(elements[i]->label(), texts[i]) << i;
    EXPECT_TRUE(elements[0]->isHeader());
    EXPECT_EQ(elements[0]->frame(), chart.view->bounds());
    // Each element frames its rectangle, as drawn.
    const auto fills = chart.fills();
    const std::size_t fillOf[] = {0, 2, 3, 1, 4, 5}; // set 0 draws first
    for (std::size_t i = 1; i < elements.size(); ++i) {
        EXPECT_EQ(elements[i]->frame(), fills[fillOf[i - 1]].rect) << i;
        EXPECT_FALSE(elements[i]->isHeader());
        EXPECT_EQ(elements[i]->container(), chart.view.get());
    }

    // One set: no set label, the text begins with a space; the chart's own
    // description heads the header.
    LabelledChart single({plainBars({5})});
    single.view->chartDescription()->setText(QStringLiteral("Sales"));
    single.view->xAxis()->setValueFormatter(xNamed());
    single.draw();
    const auto& one = single.view->renderer()->accessibleChartElements();
    ASSERT_EQ(one.size(), 2u);
    EXPECT_EQ(one[0]->label(), "Sales. 1 dataset. Bars");
    EXPECT_EQ(one[1]->label(), " x0: 5");
}

TEST(BarLabelsTest, TheSidewaysChartDescribesItsBarsToo) {
    LabelledChart<HorizontalBarChartView> chart({plainBars({5, -2})});
    chart.draw();
    const auto& elements = chart.view->renderer()->accessibleChartElements();
    ASSERT_EQ(elements.size(), 3u);
    EXPECT_EQ(elements[0]->label(), "Bar Chart. 1 dataset. Bars");
    const auto fills = chart.fills();
    EXPECT_EQ(elements[1]->frame(), fills[0].rect);
    EXPECT_EQ(elements[2]->frame(), fills[1].rect);
}

} // namespace
