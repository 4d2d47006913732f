// The shared suite of degenerate inputs, for the radar: one spoke per value.
#include "tests/charts/types/radar/radar_support.h"
#include "tests/support/chart_degenerate_inputs.h"

namespace {

struct RadarKind {
    using View = charts::RadarChartView;
    // Every spoke is drawn with its label: ten thousand make a large web.
    static constexpr int manyEntries = 10'000;
    // Per entry one ring segment stroked for every radial label, in each of the suite's two frames.
    static constexpr int callsPerEntry = 16;
    static std::unique_ptr<View> makeView(double width, double height) {
        return charts::testing::radarView(width, height);
    }
    // One filled set with its values drawn, highlight ring on.
    static std::shared_ptr<charts::ChartData> dataOf(const std::vector<charts::Point>& values) {
        std::vector<double> ys;
        for (const charts::Point& p : values) ys.push_back(p.y);
        auto set = charts::testing::radarSet(ys, QStringLiteral("Set"));
        set->setDrawFilledEnabled(true);
        set->setDrawValuesEnabled(true);
        set->setDrawHighlightCircleEnabled(true);
        return charts::testing::radarData({set});
    }
};

} // namespace

namespace test_support {
INSTANTIATE_TYPED_TEST_SUITE_P(Radar, DegenerateChartInputs, RadarKind);
} // namespace test_support
