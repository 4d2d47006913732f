// A forced axis's label values end on the axis's own bounds, so both ends
// get their labels whatever the steps between them round to.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

#include "Charts/foundation/AxisValueFormatter.h"
#include "Charts/foundation/YAxis.h"
#include "Charts/render/AxisRendererBase.h"
#include "tests/charts/support/abstract_bases.h"

namespace {

using namespace charts;

std::shared_ptr<YAxis> forcedAxis(double min, double max, std::int64_t count) {
    auto axis = std::make_shared<YAxis>();
    axis->setLabelCount(count, true);
    charts::testing::BaseAxisDrawing renderer(ViewPortHandler::create(200, 100), nullptr, axis);
    renderer.computeAxisValues(min, max);
    return axis;
}

TEST(ForcedAxisValues, RunFromTheMinimumExactlyToTheMaximum) {
    struct Case {
        double min, max;
        std::int64_t count;
        // Where every value is a whole number of steps that a double holds.
        std::optional<std::vector<double>> exact;
    };
    const Case cases[] = {
        // The blending screen's a*/b* axis.
        {-15, 15, 11, std::vector<double>{-15, -12, -9, -6, -3, 0, 3, 6, 9, 12, 15}},
        {0, 100, 11, std::vector<double>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}},
        {0, 255, 11, std::vector<double>{0, 25.5, 51, 76.5, 102, 127.5, 153, 178.5, 204, 229.5, 255}},
        // Steps summed one by one would end short of or beyond the maximum.
        {0, 30, 8, std::nullopt},
        {0, 100, 13, std::nullopt},
        {0, 1, 11, std::nullopt},
        {0, 100, 7, std::nullopt},
        {-1, 1, 11, std::nullopt},
        {0.1, 0.7, 7, std::nullopt},
        {-50, -10, 25, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.min << " to " << c.max << ", " << c.count << " labels");
        const std::vector<double> entries = forcedAxis(c.min, c.max, c.count)->entries();
        ASSERT_EQ(entries.size(), static_cast<std::size_t>(c.count));
        EXPECT_EQ(entries.front(), c.min);
        EXPECT_EQ(entries.back(), c.max);
        if (c.exact) {
            EXPECT_EQ(entries, *c.exact);
        }
        const double step = (c.max - c.min) / static_cast<double>(c.count - 1);
        for (std::size_t i = 0; i < entries.size(); ++i)
            EXPECT_NEAR(entries[i], c.min + static_cast<double>(i) * step, 1e-12 * (c.max - c.min)) << i;
    }
}

// An index formatter names only whole values: the top value summed to
// 29.999999999999996 would show no label.
TEST(ForcedAxisValues, AnIndexFormatterLabelsBothEnds) {
    struct Case {
        double max;
        std::int64_t count;
    };
    for (const Case& c : {Case{30, 8}, Case{100, 13}, Case{100, 7}, Case{10, 11}}) {
        SCOPED_TRACE(::testing::Message() << "0 to " << c.max << ", " << c.count << " labels");
        std::vector<QString> names;
        for (int i = 0; i <= static_cast<int>(c.max); ++i) names.push_back(QString::number(i));
        const auto axis = forcedAxis(0, c.max, c.count);
        axis->setValueFormatter(IndexAxisValueFormatter::with(names));
        EXPECT_EQ(axis->getFormattedLabel(0), QStringLiteral("0"));
        EXPECT_EQ(axis->getFormattedLabel(c.count - 1), QString::number(static_cast<int>(c.max)));
    }
}

} // namespace
