#include <gtest/gtest.h>

#include <cmath>

#include "Charts/data/ChartDataSet.h"
#include "Charts/foundation/ChartUtils.h"
#include "Charts/foundation/PlatformStyle.h"
#include "tests/charts/support/entry_support.h"

namespace charts {
namespace {

using testing::entriesAt;

const QColor red(255, 0, 0);
const QColor green(0, 255, 0);
const QColor blue(0, 0, 255);

TEST(ChartBaseDataSetTest, Defaults) {
    ChartBaseDataSet set;
    EXPECT_EQ(set.label(), QStringLiteral("DataSet"));
    EXPECT_EQ(ChartBaseDataSet(std::nullopt).label(), std::nullopt);
    ASSERT_EQ(set.colors().size(), 1u);
    EXPECT_EQ(set.colors()[0], QColor(140, 234, 255));
    EXPECT_EQ(set.valueColors(), std::vector<QColor>{labelColor()});
    EXPECT_EQ(set.axisDependency(), YAxis::AxisDependency::left);
    EXPECT_EQ(set.form(), Legend::Form::standard);
    EXPECT_TRUE(std::isnan(set.formSize()));
    EXPECT_TRUE(std::isnan(set.formLineWidth()));
    EXPECT_EQ(set.valueFont().pixelSize(), 7);
    EXPECT_TRUE(set.isHighlightEnabled() && set.isDrawValuesEnabled() && set.isDrawIconsEnabled() && set.isVisible());
    EXPECT_EQ(set.iconsOffset(), QPointF(0, 0));
}

TEST(ChartBaseDataSetTest, ColourLookupWrapsAndTakesNegativeAsZero) {
    ChartBaseDataSet set;
    set.setColors({red, green, blue});
    for (int index : {-5, 0, 3, 6}) EXPECT_EQ(set.color(index), red) << index;
    for (int index : {1, 4, 7}) EXPECT_EQ(set.color(index), green) << index;
    set.setValueColors({red, green});
    EXPECT_EQ(set.valueTextColorAt(3), green);
    EXPECT_EQ(set.valueTextColorAt(-1), red);
}

// Value texts of every other entry, the first included, drawn in gray; the
// list of value colours stays as it is.
class AlternatingValueColours : public ChartBaseDataSet {
public:
    QColor valueTextColorAt(std::int64_t index) const override {
        return index % 2 == 0 ? QColor(Qt::gray) : ChartBaseDataSet::valueTextColorAt(index);
    }
};

TEST(ChartBaseDataSetTest, ValueTextColourIsTheFirstValueColour) {
    AlternatingValueColours set;
    set.setValueColors({red, green});
    EXPECT_EQ(set.valueTextColor(), red);
    set.setValueTextColor(blue);
    EXPECT_EQ(set.valueTextColor(), blue);
    EXPECT_EQ(set.valueColors(), std::vector<QColor>{blue});
}

TEST(ChartBaseDataSetTest, EmptyColourListsAnswerTheDefaults) {
    ChartBaseDataSet set;
    set.resetColors();
    set.setValueColors({});
    EXPECT_TRUE(set.colors().empty());
    EXPECT_EQ(set.color(2), QColor(140, 234, 255));
    EXPECT_EQ(set.valueTextColor(), labelColor());
    EXPECT_EQ(set.valueTextColorAt(5), labelColor());
}

TEST(ChartBaseDataSetTest, ColourEditing) {
    ChartBaseDataSet set;
    set.addColor(red);
    EXPECT_EQ(set.colors().size(), 2u);
    set.setColor(blue);
    EXPECT_EQ(set.colors(), std::vector<QColor>{blue});
    set.setColors(std::vector<QColor>{red, green}, 0.5);
    ASSERT_EQ(set.colors().size(), 2u);
    EXPECT_NEAR(set.colors()[1].alphaF(), 0.5, 1e-4);
    EXPECT_EQ(set.colors()[1].green(), 255);
    set.setColors(std::vector<QColor>{}, 0.5);
    EXPECT_TRUE(set.colors().empty());
    set.setColor(red, 0.25);
    EXPECT_NEAR(set.colors().at(0).alphaF(), 0.25, 1e-4);
    set.setValueTextColor(green);
    EXPECT_EQ(set.valueColors(), std::vector<QColor>{green});
}

TEST(ChartBaseDataSetTest, ValueFormatterFallsBackToTheSharedOne) {
    ChartBaseDataSet set;
    const auto shared = ChartUtils::defaultValueFormatter();
    EXPECT_EQ(shared, ChartUtils::defaultValueFormatter());
    EXPECT_EQ(shared->decimals(), 1);
    EXPECT_EQ(set.valueFormatter(), shared);
    EXPECT_TRUE(set.needsFormatter());
    auto own = std::make_shared<DefaultValueFormatter>(3);
    set.setValueFormatter(own);
    EXPECT_FALSE(set.needsFormatter());
    set.setValueFormatter(nullptr);
    EXPECT_EQ(set.valueFormatter(), own);
}

TEST(ChartBaseDataSetTest, CopyTakesStylingWithOwnColourList) {
    ChartDataSet set(entriesAt({{1, 1}}), QStringLiteral("Source"));
    set.setDrawIconsEnabled(false);
    set.setForm(Legend::Form::line);
    set.setAxisDependency(YAxis::AxisDependency::right);
    set.setFormLineDashLengths(std::vector<double>{2, 1});
    set.setIconsOffset(QPointF(3, 4));
    set.setColors({red, green});
    const auto copy = set.copy();
    EXPECT_EQ(copy->label(), QStringLiteral("Source"));
    EXPECT_FALSE(copy->drawIconsEnabled());
    EXPECT_EQ(copy->form(), Legend::Form::line);
    EXPECT_TRUE(copy->needsFormatter());
    EXPECT_EQ(copy->axisDependency(), YAxis::AxisDependency::right);
    EXPECT_EQ(copy->formLineDashLengths(), (std::vector<double>{2, 1}));
    EXPECT_EQ(copy->iconsOffset(), QPointF(3, 4));
    copy->addColor(blue);
    EXPECT_EQ(set.colors().size(), 2u);
}

TEST(ChartBaseDataSetTest, Descriptions) {
    ChartDataSet set(entriesAt({{1, 2}, {3, 4}}), std::nullopt);
    EXPECT_EQ(set.description(), "Charts.ChartDataSet, label: , 2 entries");
    set.setLabel(QStringLiteral("Temp"));
    EXPECT_EQ(set.debugDescription(), "Charts.ChartDataSet, label: Temp, 2 entries:\nChartDataEntry, x: 1.0, y 2.0\n"
                                      "ChartDataEntry, x: 3.0, y 4.0");
}

// A set that supplies only a count, to see which entry operations the
// removal shortcuts reach.
class CountingSet : public ChartBaseDataSet {
public:
    std::int64_t entryCount() const override { return 0; }
    ChartDataEntryPtr entryForIndex(std::int64_t) const override {
        ++lookups;
        return nullptr;
    }
    mutable int lookups = 0;
};

TEST(ChartBaseDataSetTest, RemovalShortcutsOnAnEmptySetAskForNothing) {
    CountingSet set;
    EXPECT_FALSE(set.removeFirst());
    EXPECT_FALSE(set.removeLast());
    EXPECT_EQ(set.lookups, 0);
}

TEST(ChartBaseDataSetDeathTest, EntrySideStopsWithItsName) {
    ChartBaseDataSet set;
    EXPECT_DEATH(set.calcMinMax(), "calcMinMax is not implemented in ChartBaseDataSet");
    EXPECT_DEATH(set.clear(), "clear is not implemented in ChartBaseDataSet");
}

} // namespace
} // namespace charts
