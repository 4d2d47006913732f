#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/charts/types/pie/pie_support.h"

namespace charts {
namespace {

using namespace charts::testing;
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

TEST(PieEntry, IsAValueWithoutXThatKeepsItsLabelWhenCopied) {
    PieChartDataEntry entry(5, QStringLiteral("five"), QImage(2, 2, QImage::Format_ARGB32), std::any(7));
    EXPECT_TRUE(std::isnan(entry.x()));
    EXPECT_EQ(entry.value(), 5);
    entry.setValue(6);
    EXPECT_EQ(entry.y(), 6);
    const auto copy = std::dynamic_pointer_cast<PieChartDataEntry>(entry.copy());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->label(), QStringLiteral("five"));
    EXPECT_EQ(copy->y(), 6);
    EXPECT_EQ(std::any_cast<int>(copy->data()), 7);
    EXPECT_FALSE(copy->icon().has_value());
}

TEST(PieDataSet, ClampsTheSliceSpaceAndCopiesEveryField) {
    PieChartDataSet set;
    const struct { double set, stored; } spaces[] = {{25, 20}, {-3, 0}, {7.5, 7.5}, {nan, 0}};
    for (const auto& c : spaces) {
        set.setSliceSpace(c.set);
        EXPECT_EQ(set.sliceSpace(), c.stored) << c.set;
    }

    auto original = pieSet({1, 2});
    original->setSliceSpace(3);
    original->setAutomaticallyDisableSliceSpacing(true);
    original->setSelectionShift(4);
    original->setXValuePosition(PieValuePosition::outsideSlice);
    original->setYValuePosition(PieValuePosition::outsideSlice);
    original->setValueLineColor(std::nullopt);
    original->setUseValueColorForLine(true);
    original->setValueLineWidth(2);
    original->setValueLinePart1OffsetPercentage(0.5);
    original->setValueLinePart1Length(0.6);
    original->setValueLinePart2Length(0.7);
    original->setValueLineVariableLength(false);
    original->setEntryLabelFont(QFont());
    original->setEntryLabelColor(QColor(1, 2, 3));
    original->setHighlightColor(QColor(4, 5, 6));
    const auto copy = std::dynamic_pointer_cast<PieChartDataSet>(original->copy());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->sliceSpace(), 3);
    EXPECT_TRUE(copy->automaticallyDisableSliceSpacing());
    EXPECT_EQ(copy->selectionShift(), 4);
    EXPECT_EQ(copy->xValuePosition(), PieValuePosition::outsideSlice);
    EXPECT_EQ(copy->yValuePosition(), PieValuePosition::outsideSlice);
    EXPECT_FALSE(copy->valueLineColor());
    EXPECT_TRUE(copy->useValueColorForLine());
    EXPECT_EQ(copy->valueLineWidth(), 2);
    EXPECT_EQ(copy->valueLinePart1OffsetPercentage(), 0.5);
    EXPECT_EQ(copy->valueLinePart1Length(), 0.6);
    EXPECT_EQ(copy->valueLinePart2Length(), 0.7);
    EXPECT_FALSE(copy->valueLineVariableLength());
    EXPECT_TRUE(copy->entryLabelFont());
    EXPECT_EQ(copy->entryLabelColor(), QColor(1, 2, 3));
    EXPECT_EQ(copy->highlightColor(), QColor(4, 5, 6));
    EXPECT_EQ(copy->entryCount(), 2);
}

TEST(PieDataSet, SlicesWidenOnlyTheYBounds) {
    const auto set = pieSet({3, -1, 2});
    EXPECT_EQ(set->yMin(), -1);
    EXPECT_EQ(set->yMax(), 3);
    // No x: the x bounds stay empty.
    EXPECT_GT(set->xMin(), set->xMax());
    set->addEntry(std::make_shared<PieChartDataEntry>(9));
    EXPECT_EQ(set->yMax(), 9);
}

TEST(PieData, SeesOnlyItsFirstSet) {
    const auto first = pieSet({3, -1, 2});
    const auto second = pieSet({10});
    second->setLabel(QStringLiteral("Second"));
    PieChartData data(ChartData::DataSets{first, second});
    EXPECT_EQ(data.dataSet(), first);
    EXPECT_EQ(data.getDataSetByIndex(0), first);
    EXPECT_EQ(data.getDataSetByIndex(1), nullptr);
    EXPECT_EQ(data.getDataSetByLabel(QStringLiteral("slices"), true), first);
    EXPECT_EQ(data.getDataSetByLabel(QStringLiteral("slices"), false), nullptr);
    EXPECT_EQ(data.getDataSetByLabel(QStringLiteral("Second"), false), nullptr);
    // The total keeps the signs: 3 - 1 + 2.
    EXPECT_EQ(data.yValueSum(), 4);
    EXPECT_FALSE(data.removeDataSetByIndex(0));
    EXPECT_EQ(data.dataSetCount(), 2);

    const struct {
        double x;
        int entry; // -1: none
    } highlights[] = {{0, 0}, {2.9, 2}, {-0.5, 0}, {3, -1}, {-1.2, -1}, {nan, -1}, {1e300, -1}};
    for (const auto& h : highlights) {
        const ChartDataEntryPtr entry = data.entryForHighlight(Highlight(h.x, 0, 0));
        if (h.entry < 0) {
            EXPECT_EQ(entry, nullptr) << h.x;
        } else {
            EXPECT_EQ(entry, first->entryForIndex(h.entry)) << h.x;
        }
    }

    data.setDataSet(second);
    EXPECT_EQ(data.dataSetCount(), 1);
    EXPECT_EQ(data.yValueSum(), 10);
    data.setDataSet(nullptr);
    EXPECT_EQ(data.dataSetCount(), 0);
    EXPECT_EQ(data.dataSet(), nullptr);
    EXPECT_EQ(data.yValueSum(), 0);
}

} // namespace
} // namespace charts
