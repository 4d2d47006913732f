#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Charts/drawing/FixedTextMeasurer.h"
#include "Charts/foundation/Legend.h"
#include "Charts/foundation/PlatformStyle.h"
#include "Charts/foundation/ViewPortHandler.h"
#include "tests/support/chart_environment.h"

namespace charts {
namespace {

const double nan = std::numeric_limits<double>::quiet_NaN();

// With fixed metrics and a 10 px font every character is 5 px wide and a
// line 12.5 px tall; the legend's form is 8, form-to-text 5, stack space 3,
// entry space 6, offsets 5 and 3.
class LegendLayout : public ::testing::Test {
protected:
    testing::FixedTextMetrics metrics{0.5, 1.25};
    QFont font = systemFont(10);
    std::shared_ptr<ViewPortHandler> handler = ViewPortHandler::create(100, 100);

    static LegendEntryPtr entry(std::optional<QString> label, Legend::Form form = Legend::Form::standard,
                                double formSize = nan) {
        auto e = std::make_shared<LegendEntry>();
        e->setLabel(std::move(label));
        e->setForm(form);
        e->setFormSize(formSize);
        return e;
    }

    static std::unique_ptr<Legend> horizontal(std::vector<LegendEntryPtr> entries, double contentShare = 1.0) {
        auto legend = std::make_unique<Legend>();
        legend->setEntries(std::move(entries));
        legend->setMaxSizePercent(contentShare);
        return legend;
    }
};

TEST_F(LegendLayout, NoEntriesNeedOnlyTheOffsets) {
    for (Legend::Orientation orientation : {Legend::Orientation::horizontal, Legend::Orientation::vertical}) {
        Legend legend;
        legend.setOrientation(orientation);
        legend.calculateDimensions(font, *handler);
        EXPECT_EQ(legend.neededWidth(), 5);
        EXPECT_EQ(legend.neededHeight(), 3);
        EXPECT_TRUE(legend.calculatedLineSizes().empty());
        EXPECT_EQ(legend.textWidthMax(), 5);
        EXPECT_EQ(legend.textHeightMax(), 0);
    }
    Legend legend;
    legend.setCalculatedLabelSizes({Size{1, 1}});
    legend.setCalculatedLabelBreakPoints({true});
    legend.calculateDimensions(font, *handler);
    EXPECT_TRUE(legend.calculatedLabelSizes().empty());
    EXPECT_TRUE(legend.calculatedLabelBreakPoints().empty());
}

TEST_F(LegendLayout, HorizontalLinesAndBreaks) {
    struct Case {
        const char* what;
        std::vector<LegendEntryPtr> entries;
        double xEntrySpace;
        bool wordWrap;
        std::vector<double> lineWidths;
        std::vector<bool> breaks;
    };
    // Each "aaaa" entry is 8 + 5 + 20 = 33 wide; the content is 100 wide.
    const Case cases[] = {
        {"wraps the third", {entry("aaaa"), entry("aaaa"), entry("aaaa")}, 6, true, {72, 33}, {false, false, true}},
        {"no wrap: one line", {entry("aaaa"), entry("aaaa"), entry("aaaa")}, 6, false, {111}, {false, false, false}},
        {"an exact fit stays", {entry("aaaaaaaaa"), entry("aaaa")}, 9, true, {100}, {false, false}},
        {"one past it wraps",
         {entry("aaaaaaaaa"), entry("aaaa"), entry("c")},
         9,
         true,
         {100, 18},
         {false, false, true}},
        {"a first entry never wraps", {entry(QString(30, 'x'))}, 6, true, {163}, {false}},
        // The legend's form size counts, not the entry's own.
        {"entry form size ignored", {entry("aaaa", Legend::Form::standard, 40)}, 6, true, {33}, {false}},
        {"no form, no form space", {entry("aaaa", Legend::Form::none)}, 6, true, {20}, {false}},
        // A stack without labels followed by its label: 8 + 3 + 8 + 3 + 23.
        {"a stack joins the line",
         {entry("aaaa"), entry({}), entry({}), entry("bb")},
         6,
         true,
         {84},
         {false, false, false, false}},
        {"a stack ending the list", {entry("aaaa"), entry({}), entry({})}, 6, true, {58}, {false, false, false}},
    };
    for (const Case& c : cases) {
        const std::unique_ptr<Legend> made = horizontal(c.entries);
        Legend& legend = *made;
        legend.setXEntrySpace(c.xEntrySpace);
        legend.setWordWrapEnabled(c.wordWrap);
        legend.calculateDimensions(font, *handler);
        std::vector<double> widths;
        for (const Size& s : legend.calculatedLineSizes()) {
            widths.push_back(s.width);
            EXPECT_EQ(s.height, 12.5);
        }
        EXPECT_EQ(widths, c.lineWidths) << c.what;
        EXPECT_EQ(legend.calculatedLabelBreakPoints(), c.breaks) << c.what;
        double widest = 0;
        for (double w : c.lineWidths) widest = std::max(widest, w);
        EXPECT_EQ(legend.neededWidth(), widest + 5) << c.what;
        const double lines = static_cast<double>(c.lineWidths.size());
        EXPECT_EQ(legend.neededHeight(), 12.5 * lines + 3) << c.what;
    }
}

TEST_F(LegendLayout, AStackWrapsWithItsLabel) {
    // Content 80: after the first entry (33) the stack and its label (45)
    // do not fit; the break falls on the stack's first entry.
    const std::unique_ptr<Legend> made = horizontal({entry("aaaa"), entry({}), entry({}), entry("bb")}, 0.8);
    Legend& legend = *made;
    legend.setYEntrySpace(2);
    legend.calculateDimensions(font, *handler);
    ASSERT_EQ(legend.calculatedLineSizes().size(), 2u);
    EXPECT_EQ(legend.calculatedLineSizes()[0].width, 33);
    EXPECT_EQ(legend.calculatedLineSizes()[1].width, 45);
    EXPECT_EQ(legend.calculatedLabelBreakPoints(), (std::vector<bool>{false, true, false, false}));
    EXPECT_EQ(legend.neededWidth(), 50);
    EXPECT_EQ(legend.neededHeight(), 12.5 * 2 + 2 + 3);
    EXPECT_EQ(legend.calculatedLabelSizes()[1], (Size{0, 0}));
    EXPECT_EQ(legend.calculatedLabelSizes()[3], (Size{10, 12.5}));
}

TEST_F(LegendLayout, VerticalWidthsAndLines) {
    struct Case {
        const char* what;
        std::vector<LegendEntryPtr> entries;
        double yEntrySpace;
        double width, height;
    };
    const Case cases[] = {
        {"labelled entries", {entry("aa"), entry("bbbb"), entry("c")}, 0, 33, 37.5},
        {"with entry space", {entry("aa"), entry("bbbb"), entry("c")}, 2, 33, 43.5},
        // Stacked forms count twice, then the stack's own line comes first.
        {"a stack then its label", {entry({}), entry({}), entry("aa")}, 0, 52, 25},
        {"a last stacked form", {entry({})}, 0, 16, 0},
        {"no form", {entry("aa", Legend::Form::none)}, 0, 10, 12.5},
        {"the entry's own form size", {entry("aa", Legend::Form::square, 12)}, 0, 27, 12.5},
    };
    for (const Case& c : cases) {
        Legend legend;
        legend.setOrientation(Legend::Orientation::vertical);
        legend.setYEntrySpace(c.yEntrySpace);
        legend.setEntries(c.entries);
        legend.calculateDimensions(font, *handler);
        EXPECT_EQ(legend.neededWidth(), c.width + 5) << c.what;
        EXPECT_EQ(legend.neededHeight(), c.height + 3) << c.what;
        EXPECT_TRUE(legend.calculatedLineSizes().empty()) << c.what;
    }
}

TEST_F(LegendLayout, MaximumEntrySizeAndConstruction) {
    Legend legend;
    legend.setEntries({entry("aaa", Legend::Form::square, 12), entry("b"), entry({}, Legend::Form::square, 20)});
    // Widest label 15, largest form 20 (also from a label-less entry).
    EXPECT_EQ(legend.getMaximumEntrySize(font), (Size{15 + 20 + 5, 12.5}));
    legend.calculateDimensions(font, *handler);
    EXPECT_EQ(legend.textWidthMax(), 40);
    EXPECT_EQ(legend.textHeightMax(), 12.5);

    EXPECT_EQ(Legend().yOffset(), 3.0);
    EXPECT_EQ(Legend().xOffset(), 5.0);
    const Legend withEntries({entry("a")});
    EXPECT_EQ(withEntries.yOffset(), 5.0);
    EXPECT_EQ(withEntries.entries().size(), 1u);
    EXPECT_EQ(Legend().form(), Legend::Form::square);
    EXPECT_EQ(Legend().verticalAlignment(), Legend::VerticalAlignment::bottom);
    EXPECT_TRUE(Legend().isWordWrapEnabled());

    Legend custom;
    custom.setCustom({entry("x")});
    EXPECT_TRUE(custom.isLegendCustom());
    custom.resetCustom();
    EXPECT_FALSE(custom.isLegendCustom());
    EXPECT_EQ(custom.entries().size(), 1u);
    EXPECT_FALSE(Legend::formFromRawValue(6).has_value());
    EXPECT_FALSE(Legend::orientationFromRawValue(2).has_value());
    EXPECT_TRUE(std::isnan(LegendEntry().formSize()));
    EXPECT_EQ(LegendEntry().form(), Legend::Form::standard);
}

} // namespace
} // namespace charts
