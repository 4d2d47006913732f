#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Charts/data/ChartDataEntry.h"
#include "Charts/types/pie/PieChartDataEntry.h"

namespace charts {
namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

TEST(ChartDataEntryTest, EqualityComparesXAndYOnly) {
    auto a = std::make_shared<ChartDataEntry>(1.0, 2.0, std::any(7));
    auto b = std::make_shared<ChartDataEntry>(1.0, 2.0, QImage(2, 2, QImage::Format_ARGB32));
    EXPECT_TRUE(a->isEqual(b.get()));
    EXPECT_FALSE(a->isEqual(std::make_shared<ChartDataEntry>(1.5, 2.0).get()));
    EXPECT_FALSE(a->isEqual(std::make_shared<ChartDataEntry>(1.0, 2.5).get()));
    EXPECT_TRUE(ChartDataEntry(0, 0.0).isEqual(std::make_shared<ChartDataEntry>(0, -0.0).get()));
    EXPECT_FALSE(a->isEqual(nullptr));
}

TEST(ChartDataEntryTest, NaNEntriesEqualOnlyThemselves) {
    ChartDataEntry a(nan, nan);
    ChartDataEntry b(nan, nan);
    EXPECT_TRUE(a.isEqual(&a));
    EXPECT_FALSE(a.isEqual(&b));
    ChartDataEntry c(1, nan);
    ChartDataEntry d(1, nan);
    EXPECT_FALSE(c.isEqual(&d));
}

TEST(ChartDataEntryTest, BaseAndPointEqualityAreNotSymmetric) {
    ChartDataEntryBase base(3.0);
    ChartDataEntry point(9.0, 3.0);
    EXPECT_TRUE(base.isEqual(&point));
    EXPECT_FALSE(point.isEqual(&base));
}

TEST(ChartDataEntryTest, CopyKeepsPayloadObjectAndDropsIcon) {
    auto payload = std::make_shared<int>(5);
    ChartDataEntry source(1.5, -2.0, QImage(4, 4, QImage::Format_ARGB32), std::any(payload));
    ASSERT_TRUE(source.icon().has_value());
    const auto copy = source.copy();
    EXPECT_NE(copy.get(), &source);
    EXPECT_EQ(copy->x(), 1.5);
    EXPECT_EQ(copy->y(), -2.0);
    EXPECT_FALSE(copy->icon().has_value());
    EXPECT_EQ(std::any_cast<std::shared_ptr<int>>(copy->data()), payload);
}

class TaggedEntry : public ChartDataEntry {
public:
    using ChartDataEntry::ChartDataEntry;
    int tag = 0;

    std::shared_ptr<ChartDataEntry> copy() const override {
        auto entry = std::static_pointer_cast<TaggedEntry>(ChartDataEntry::copy());
        entry->tag = tag;
        return entry;
    }

protected:
    std::shared_ptr<ChartDataEntry> makeBlank() const override { return std::make_shared<TaggedEntry>(); }
};

TEST(ChartDataEntryTest, CopyMakesTheSubclass) {
    TaggedEntry source(1, 2);
    source.tag = 4;
    const auto copy = std::dynamic_pointer_cast<TaggedEntry>(source.copy());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->tag, 4);
    EXPECT_EQ(copy->x(), 1);
}

class EntryWithoutBlank : public ChartDataEntry {
public:
    using ChartDataEntry::ChartDataEntry;
};

TEST(ChartDataEntryDeathTest, CopyOfASubclassWithoutItsBlankStops) {
    EntryWithoutBlank entry(1, 2);
    EXPECT_DEATH(entry.copy(), "does not override makeBlank\\(\\), so it cannot be copied");
}

TEST(ChartDataEntryTest, Descriptions) {
    EXPECT_EQ(ChartDataEntry().description(), "ChartDataEntry, x: 0.0, y 0.0");
    EXPECT_EQ(ChartDataEntry(2.5, 1).description(), "ChartDataEntry, x: 2.5, y 1.0");
    EXPECT_EQ(ChartDataEntry(0.1, -3e20).description(), "ChartDataEntry, x: 0.1, y -3e+20");
    EXPECT_EQ(ChartDataEntryBase(7).description(), "ChartDataEntryBase, y 7.0");
    // Ordinary magnitudes stay in plain notation whichever form is shorter.
    EXPECT_EQ(ChartDataEntry(100000, 0.0001).description(), "ChartDataEntry, x: 100000.0, y 0.0001");
    EXPECT_EQ(ChartDataEntry(-1.2e6, 65535).description(), "ChartDataEntry, x: -1200000.0, y 65535.0");
    EXPECT_EQ(ChartDataEntry(1e-5, -0.0).description(), "ChartDataEntry, x: 1e-05, y -0.0");
}

} // namespace
} // namespace charts

namespace charts {
namespace {

TEST(PieChartDataEntryTest, SliceWithoutXKeepsItsLabelInCopies) {
    PieChartDataEntry slice(12.5, QStringLiteral("Cyan"));
    EXPECT_TRUE(std::isnan(slice.x()));
    EXPECT_EQ(slice.value(), 12.5);
    slice.setValue(3);
    EXPECT_EQ(slice.y(), 3);
    const auto copy = std::dynamic_pointer_cast<PieChartDataEntry>(slice.copy());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->label(), QStringLiteral("Cyan"));
    EXPECT_EQ(copy->value(), 3);
}

} // namespace
} // namespace charts
