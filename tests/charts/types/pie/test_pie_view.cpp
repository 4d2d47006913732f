#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include <QFontInfo>

#include "Charts/drawing/RecordingContext.h"
#include "Charts/foundation/AccessibilityElement.h"
#include "Charts/foundation/Marker.h"
#include "Charts/foundation/PlatformStyle.h"
#include "Charts/render/CircleGeometry.h"
#include "Charts/types/pie/PieHighlighter.h"
#include "tests/charts/support/chart_view_support.h"
#include "tests/charts/types/pie/pie_support.h"

namespace charts {
namespace {

using namespace charts::testing;
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

TEST(PieView, TheEntryLabelFontIsOneTheDesktopHas) {
    const auto view = pieView(200, 200);
    if (view->entryLabelFont()) {
        EXPECT_EQ(QFontInfo(*view->entryLabelFont()).family(), "HelveticaNeue");
    }
    EXPECT_TRUE(std::dynamic_pointer_cast<PieHighlighter>(view->highlighter()));
}

TEST(PieView, MaxAngleCentreTextAndOffsets) {
    const auto view = pieView(200, 200);
    const struct { double set, stored; } angles[] = {{45, 90}, {400, 360}, {180, 180}, {nan, 360}};
    for (const auto& a : angles) {
        view->setMaxAngle(a.set);
        EXPECT_EQ(view->maxAngle(), a.stored) << a.set;
    }

    view->setCenterText(QStringLiteral("Total"));
    ASSERT_TRUE(view->centerAttributedText());
    EXPECT_EQ(view->centerText(), QStringLiteral("Total"));
    const TextAttributes& attributes = view->centerAttributedText()->attributes;
    EXPECT_EQ(attributes.font.pixelSize(), systemFont(12).pixelSize());
    EXPECT_EQ(attributes.foregroundColor, labelColor());
    ASSERT_TRUE(attributes.paragraphStyle);
    EXPECT_EQ(attributes.paragraphStyle->alignment, TextAlignment::center);
    EXPECT_EQ(attributes.paragraphStyle->lineBreakMode, LineBreakMode::byTruncatingTail);
    view->setCenterText(std::nullopt);
    EXPECT_FALSE(view->centerAttributedText());
    EXPECT_FALSE(view->centerText());

    // Twice the legend font's size, whether it is sized in pixels or points.
    view->legend()->setFont(pixelSizedFont(QFont(), 11));
    EXPECT_EQ(view->requiredLegendOffset(), 22);
    QFont points;
    points.setPointSizeF(9);
    view->legend()->setFont(points);
    EXPECT_EQ(view->requiredLegendOffset(), 18);
    EXPECT_EQ(view->requiredBaseOffset(), 0);
}

TEST(PieView, HasNoXAxis) {
    const auto view = pieView(200, 200, pieSet({1, 2}));
    EXPECT_DEATH((void)view->xAxis(), "PieChart has no XAxis");
}

TEST(PieView, AnglesCircleBoxAndSlicesAtAngles) {
    FixedMetrics metrics;
    const struct {
        double width, height, maxAngle;
        std::vector<double> draw, absolute;
        Rect box;
    } cases[] = {
        {200, 200, 360, {90, 90, 180}, {90, 180, 360}, Rect(18, 18, 164, 164)},
        {400, 200, 180, {45, 45, 90}, {45, 90, 180}, Rect(18, 18, 364, 364)},
        {200, 400, 180, {45, 45, 90}, {45, 90, 180}, Rect(18, 118, 164, 164)},
    };
    for (const auto& c : cases) {
        std::unique_ptr<PieChartView> view(ChartViewBase::create<PieChartView>());
        view->setChartSize(c.width, c.height);
        view->legend()->setEnabled(false);
        view->setMaxAngle(c.maxAngle);
        view->setData(std::make_shared<PieChartData>(pieSet({1, 1, 2})));
        EXPECT_EQ(view->drawAngles(), c.draw);
        EXPECT_EQ(view->absoluteAngles(), c.absolute);
        EXPECT_EQ(view->circleBox(), c.box) << c.width << "x" << c.height;
        EXPECT_EQ(view->radius(), c.box.width() / 2);
    }
    const auto view = pieView(200, 200, pieSet({1, 1, 2}));
    EXPECT_EQ(view->indexForAngle(300), 0);
    EXPECT_EQ(view->indexForAngle(269), 2);
    view->setMaxAngle(180);
    view->notifyDataSetChanged();
    EXPECT_EQ(view->indexForAngle(100), -1);
}

// A 300 x 300 pie without legend: the circle about (150, 150) of radius
// 132 (150 less the selection shift).
std::unique_ptr<PieChartView> clickablePie() {
    std::unique_ptr<PieChartView> view(ChartViewBase::create<PieChartView>());
    view->setChartSize(300, 300);
    view->legend()->setEnabled(false);
    view->setData(std::make_shared<PieChartData>(pieSet({1, 1, 2})));
    return view;
}

TEST(PieHighlighter, ClicksResolveToTheSliceWithinTheRadius) {
    const auto view = clickablePie();
    ASSERT_EQ(view->radius(), 132);
    const Point c{150, 150};
    const struct {
        double distance, angle;
        double slice; // NaN: none
    } clicks[] = {
        {60, 300, 0}, {60, 10, 1}, {60, 100, 2}, {60, 269, 2}, {132, 300, 0}, {133, 300, nan}, {0.5, 300, 0},
    };
    for (const auto& k : clicks) {
        const Point p = pointOnCircle(c, k.distance, k.angle);
        const HighlightPtr h = view->highlighter()->getHighlight(p.x, p.y);
        if (std::isnan(k.slice)) {
            EXPECT_EQ(h, nullptr) << k.distance << " at " << k.angle;
            continue;
        }
        ASSERT_NE(h, nullptr) << k.distance << " at " << k.angle;
        EXPECT_EQ(h->x(), k.slice);
        EXPECT_EQ(h->y(), view->pieData()->dataSet()->entryForIndex(static_cast<int>(k.slice))->y());
        EXPECT_EQ(h->xPx(), p.x);
        EXPECT_EQ(h->yPx(), p.y);
        EXPECT_EQ(h->dataSetIndex(), 0);
    }
    // The centre has no angle: nothing.
    EXPECT_EQ(view->highlighter()->getHighlight(150, 150), nullptr);
    // While the y phase grows, the slices sweep only part of their angle.
    view->chartAnimator()->setPhaseY(0.5);
    const Point p = pointOnCircle(c, 60, 45); // 135 into the pie: 270 at full phase
    EXPECT_EQ(view->highlighter()->getHighlight(p.x, p.y)->x(), 2);
    // Past the last slice of a half pie: nothing.
    view->chartAnimator()->setPhaseY(1);
    view->setMaxAngle(180);
    view->notifyDataSetChanged();
    const Point beyond = pointOnCircle(view->centerCircleBox(), 60, 100);
    EXPECT_EQ(view->highlighter()->getHighlight(beyond.x, beyond.y), nullptr);
}

TEST(PieView, MarkersStandInTheMiddleOfTheirSlice) {
    const auto view = clickablePie();
    const struct {
        bool hole;
        double x, share;
    } cases[] = {{false, 0, 0.64}, {true, 0, 0.75}, {true, 2, 0.75}, {true, 2.6, 0.75}};
    for (const auto& k : cases) {
        view->setDrawHoleEnabled(k.hole);
        const double middle = 270 + view->absoluteAngles()[static_cast<std::size_t>(k.x)] -
                              view->drawAngles()[static_cast<std::size_t>(k.x)] / 2;
        const Point expected = pointOnCircle(Point{150, 150}, 132 * k.share, middle);
        struct Probe : public IMarker {
            Point at{nan, nan};
            Point offset() const override { return {}; }
            Point offsetForDrawing(const Point&) const override { return {}; }
            void refreshContent(const ChartDataEntryPtr&, const Highlight&) override {}
            void draw(DrawingContext&, const Point& point) override { at = point; }
        };
        const auto probe = std::make_shared<Probe>();
        view->setMarker(probe);
        view->highlightValue(k.x, 0);
        RecordingContext context;
        view->draw(context);
        EXPECT_NEAR(probe->at.x, expected.x, 1e-9) << k.x;
        EXPECT_NEAR(probe->at.y, expected.y, 1e-9) << k.x;
    }
}

TEST(PieView, NoPartOfTheLibraryAsksForTheXAxis) {
    FixedMetrics metrics;
    const auto view = pieView(300, 300, pieSet({1, 2, 3}));
    view->chartDescription()->setText(QStringLiteral("Share"));
    view->legend()->setOrientation(Legend::Orientation::vertical);
    view->highlightValue(1, 0);
    RecordingContext context;
    view->draw(context);
    EXPECT_GT(context.paintings().size(), 5u);
    EXPECT_TRUE(view->getChartImage(true));
    EXPECT_FALSE(view->accessibilityChildren().empty());
    EXPECT_EQ(view->chartXMax(), 0);
    EXPECT_EQ(view->chartXMin(), 0);
}

TEST(PieView, AccessibilityHeadsEachSetAndSelectsHighlightedSlices) {
    const auto set =
        pieSet({1, 0, 3, 2}, {QStringLiteral("North"), QStringLiteral("East"), std::nullopt, QStringLiteral("West")});
    set->setValueFormatter(std::make_shared<DefaultValueFormatter>(0));
    const auto view = pieView(300, 300, set);
    view->highlightValue(3, 0);
    RecordingContext context;
    view->draw(context);
    std::vector<std::string> labels;
    std::vector<bool> selected;
    for (const auto& element : view->accessibilityChildren()) {
        labels.push_back(element->label().toStdString());
        selected.push_back(element->isSelected());
    }
    // The slice of 0 has no wedge and no element; the highlighted one comes
    // right after the header.
    EXPECT_EQ(labels, (std::vector<std::string>{"Slices. 4 Elements", "West : 2 ", "North : 1 ", " : 3 "}));
    EXPECT_EQ(selected, (std::vector<bool>{false, true, false, false}));
    EXPECT_TRUE(view->accessibilityChildren().front()->isHeader());
    EXPECT_EQ(view->accessibilityChildren().front()->frame(), view->bounds());

    // The description names the chart; a prefix and a counting suffix name
    // the slices (in the singular for a value of exactly 1), in percent when
    // the chart shows percentages.
    view->chartDescription()->setText(QStringLiteral("Wind"));
    view->data()->setAccessibilityEntryLabelPrefix(QStringLiteral("Sector"));
    view->data()->setAccessibilityEntryLabelSuffix(QStringLiteral("day"));
    view->data()->setAccessibilityEntryLabelSuffixIsCount(true);
    view->setUsePercentValuesEnabled(true);
    view->highlightValue(nullptr);
    view->draw(context);
    labels.clear();
    for (const auto& element : view->accessibilityChildren()) labels.push_back(element->label().toStdString());
    EXPECT_EQ(labels, (std::vector<std::string>{"Wind. 4 Sectors", "Sector1 : 17 day", "Sector3 : 50 days",
                                                "Sector4 : 33 days"}));
}

} // namespace
} // namespace charts
