#include <gtest/gtest.h>

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "Charts/types/radar/RadarAxisValues.h"
#include "Charts/types/radar/YAxisRendererRadarChart.h"
#include "platform/NumberText.h"
#include "tests/charts/types/radar/radar_support.h"
#include "tests/support/shell_commands.h"

namespace charts {
namespace {

using namespace charts::testing;

// The cases the oracle and our axis both compute.
const std::vector<RadarAxisRequest>& cases() {
    static const std::vector<RadarAxisRequest> list = {
        {0, 100, 6, false, 1, false, false},
        {0, 70, 10, false, 1, false, false},
        {0, 1, 5, false, 1, false, false},
        {3, 100, 5, false, 1, false, false},
        {3, 100, 5, false, 1, true, false},
        {0, 100, 5, false, 1, false, true},
        {0, 0, 5, false, 1, false, false},
        {0, 100, 0, false, 1, false, false},
        {-37.5, 212, 7, false, 1, false, false},
        {0.001, 0.0173, 4, false, 1, false, false},
        {-1e6, 3e6, 12, false, 1, true, false},
        {0, 10, 6, true, 3, false, false},
        {-100, -3, 6, false, 1, false, false},
        {5, 5.0000001, 3, false, 1, false, false},
        {0, 100, 1, false, 1, false, true},
        {0, 100, 1, false, 1, true, true},
        {2.5, 97.25, 25, false, 1, true, false},
        {1e-9, 3e-9, 2, false, 1, false, false},
        {0, std::numeric_limits<double>::infinity(), 5, false, 1, false, false},
        {std::numeric_limits<double>::quiet_NaN(), 1, 5, false, 1, false, false},
    };
    return list;
}

std::string number(double v) { return platform::shortestDecimalText(v); }

std::vector<double> parseList(const std::string& text) {
    std::vector<double> values;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(',', start);
        if (end == std::string::npos) end = text.size();
        double v = 0;
        std::from_chars(text.data() + start, text.data() + end, v);
        values.push_back(v);
        start = end + 1;
    }
    return values;
}

TEST(RadarAxisValues, AgreeWithPythonsMathOnEveryCase) {
    if (!test_support::toolInstalled("python3")) GTEST_SKIP() << "python3 is not installed";
    const std::filesystem::path input = std::filesystem::temp_directory_path() / "radar_axis_cases.txt";
    {
        std::ofstream out(input);
        for (const RadarAxisRequest& r : cases())
            out << number(r.min) << " " << number(r.max) << " " << r.labelCount << " " << r.granularityEnabled << " "
                << number(r.granularity) << " " << r.centering << " " << r.forceLabels << "\n";
    }
    const std::string script = std::string(TINTSMITH_SOURCE_DIR) + "/tests/charts/types/radar/radial_axis_oracle.py";
    std::string output;
    ASSERT_EQ(test_support::runCommand("python3 " + test_support::quoted(script) + " < " + test_support::quoted(input),
                                       output),
              0);
    std::filesystem::remove(input);
    std::istringstream lines(output);
    for (const RadarAxisRequest& r : cases()) {
        std::string line;
        ASSERT_TRUE(std::getline(lines, line));
        const RadarAxisValues ours = radarAxisValues(r);
        const std::string name = number(r.min) + " to " + number(r.max) + " by " + std::to_string(r.labelCount);
        if (line == "none") {
            EXPECT_FALSE(ours.computed) << name;
            continue;
        }
        ASSERT_TRUE(ours.computed) << name;
        int decimals = -1;
        const auto at = line.find(" centered=");
        const auto atDecimals = line.find(" decimals=");
        const std::string entryText = line.substr(8, at - 8);
        const std::string centredText = line.substr(at + 10, atDecimals - at - 10);
        std::sscanf(line.c_str() + atDecimals, " decimals=%d", &decimals);
        // Exactly the same doubles.
        EXPECT_EQ(ours.entries, parseList(entryText)) << name;
        if (r.centering) {
            EXPECT_EQ(ours.centeredEntries, parseList(centredText)) << name;
        }
        EXPECT_EQ(ours.decimals, decimals) << name;
    }
}

TEST(RadarAxisValues, TheEdgeCasesOfTheRule) {
    const struct {
        RadarAxisRequest request;
        std::vector<double> entries, centered;
        int decimals;
    } table[] = {
        {{0, 100, 6}, {0, 20, 40, 60, 80, 100, 120}, {}, 0},
        {{0, 70, 10}, {0, 10, 20, 30, 40, 50, 60, 70, 80}, {}, 0},
        {{3, 100, 5}, {20, 40, 60, 80, 100, 120}, {}, 0},
        {{3, 100, 5, false, 1, true}, {0, 20, 40, 60, 80, 100, 120, 140}, {10, 30, 50, 70, 90, 110, 130, 150}, 0},
        {{0, 100, 5, false, 1, false, true}, {0, 25, 50, 75, 100}, {}, 0},
        // One forced label: the minimum, centred by the interval.
        {{0, 100, 1, false, 1, true, true}, {0}, {50}, 0},
    };
    for (const auto& c : table) {
        const RadarAxisValues v = radarAxisValues(c.request);
        EXPECT_EQ(v.entries, c.entries) << c.request.min << " to " << c.request.max;
        EXPECT_EQ(v.centeredEntries, c.centered);
        EXPECT_EQ(v.decimals, c.decimals);
    }
    EXPECT_EQ(radarAxisValues({0, 1, 5}).decimals, 1);
    EXPECT_EQ(radarAxisValues({0, 1, 5}).entries.size(), 7u);
}

TEST(RadarYAxis, TheRendererSetsTheAxisBoundsToItsValuesWithoutMakingThemCustom) {
    const auto view = radarView(300, 300, radarData({radarSet({3, 50, 100}, "Set")}));
    const YAxis& axis = *view->yAxis();
    // The data's 3 to 100, padded by a tenth of the range each side, in
    // steps of 20 from 0 to 120.
    EXPECT_EQ(axis.entries(), (std::vector<double>{0, 20, 40, 60, 80, 100, 120}));
    EXPECT_EQ(axis.axisMinimum(), axis.entries().front());
    EXPECT_EQ(axis.axisMaximum(), axis.entries().back());
    EXPECT_EQ(axis.axisRange(), axis.axisMaximum() - axis.axisMinimum());
    EXPECT_FALSE(axis.isAxisMinCustom());
    EXPECT_FALSE(axis.isAxisMaxCustom());
    EXPECT_EQ(view->chartYMin(), axis.axisMinimum());
    EXPECT_EQ(view->yRange(), axis.axisRange());

    // No values: the axis keeps its bounds and loses its entries.
    YAxisRendererRadarChart& renderer = *view->yAxisRenderer();
    const double min = axis.axisMinimum();
    renderer.computeAxisValues(5, 5);
    EXPECT_TRUE(axis.entries().empty());
    EXPECT_EQ(axis.axisMinimum(), min);
}

} // namespace
} // namespace charts
