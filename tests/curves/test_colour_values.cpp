#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "app/curves/core/CIELab.h"
#include "app/curves/core/ColourConversion.h"
#include "app/curves/core/KeyedCoding.h"

namespace curves {

TEST(CIELabTest, OrderedByLightnessAloneButEqualOnlyWhenAllMatch) {
    const CIELab x{50, 1, 2};
    const CIELab y{50, -3, 2};
    EXPECT_FALSE(x < y);
    EXPECT_FALSE(x > y);
    EXPECT_TRUE(x <= y && x >= y);
    EXPECT_FALSE(x == y);
    EXPECT_TRUE(x == (CIELab{50, 1, 2}));

    std::vector<CIELab> list{{70, 0, 0}, {10, 1, 1}, {40, 2, 2}};
    EXPECT_EQ(std::max_element(list.begin(), list.end())->L, 70);
    std::sort(list.begin(), list.end());
    EXPECT_EQ(list.front().L, 10);
}

TEST(CIELabTest, DebugTextUsesShortestExactNumbers) {
    EXPECT_EQ((CIELab{95, -0.5, 1.25}).debugDescription(), "(L:95.0, a:-0.5, b:1.25)");
    EXPECT_EQ((CIELab{0.1, 0, 1e-05}).debugDescription(), "(L:0.1, a:0.0, b:1e-05)");
    EXPECT_EQ((CIELab{81.53, 0.2, -1.1}).debugDescription(), "(L:81.53, a:0.2, b:-1.1)");
    EXPECT_EQ(debugDescription({{1, 2, 3}, {4, 5, 6}}), "[(L:1.0, a:2.0, b:3.0), (L:4.0, a:5.0, b:6.0)]");
    EXPECT_EQ(debugDescription({}), "[]");
}

TEST(CIELabTest, CodingRoundTripsAndMissingKeyFails) {
    const CIELab lab{42.5, -1, 3};
    const KeyedDoubles record = encode(lab);
    EXPECT_EQ(record.size(), 3u);
    EXPECT_EQ(decodeCIELab(record), lab);

    KeyedDoubles withoutB = record;
    withoutB.erase("b");
    EXPECT_THROW(decodeCIELab(withoutB), DecodingError);
}

TEST(CIELabTest, NormalizeLabLStretchesFirstToHundredAndLastToZero) {
    const auto result = normalizeLabL({{90, 1, 2}, {50, 3, 4}, {10, 5, 6}});
    ASSERT_EQ(result.size(), 3u);
    EXPECT_DOUBLE_EQ(result[0].L, 100);
    EXPECT_DOUBLE_EQ(result[1].L, 50);
    EXPECT_DOUBLE_EQ(result[2].L, 0);
    EXPECT_EQ(result[1].a, 3);
    EXPECT_EQ(result[2].b, 6);

    EXPECT_TRUE(normalizeLabL({}).empty());
    const std::vector<CIELab> flat{{30, 1, 1}, {20, 0, 0}, {30, 2, 2}};
    EXPECT_EQ(normalizeLabL(flat), flat);
}

TEST(ColourConversionTest, LuminanceTruncatesTheWeightedSum) {
    // The weights' sum in binary lies just below 1, so white truncates to 254.
    EXPECT_EQ(luminance(ARGB_8{255, 255, 255, 255}), 254);
    EXPECT_EQ(luminance(ARGB_8{255, 0, 0, 0}), 0);
    EXPECT_EQ(luminance(ARGB_8{255, 100, 0, 0}), 21); // 21.26
    EXPECT_EQ(luminance(ARGB_8{0, 0, 100, 100}), 78); // 71.52 + 7.22
}

TEST(ColourConversionTest, LinearRGBToARGB8ClampsAndGuardsNaN) {
    EXPECT_EQ(linearRGBToARGB8(1, 0, -0.5), (ARGB_8{255, 255, 0, 0}));
    EXPECT_EQ(linearRGBToARGB8(std::nan(""), 2, 0.5), (ARGB_8{255, 0, 255, 186})); // 0.5^(1/2.2) x 255 = 186.0
}

TEST(ColourConversionTest, XyzToSRGBOfD50WhiteAndBlack) {
    // The colour-sample view's white point lands near sRGB white.
    const auto white = xyzToSRGB(96.42, 100, 82.49);
    for (double c : white) EXPECT_NEAR(c, 1.0, 0.01);
    const auto black = xyzToSRGB(0, 0, 0);
    for (double c : black) EXPECT_EQ(c, 0.0);
    // Below the companding threshold the linear segment applies.
    const auto dark = xyzToSRGB(0.01, 0.01, 0.01);
    const double r = 3.134187 * 1e-4 - 1.617209 * 1e-4 - 0.490694 * 1e-4;
    EXPECT_DOUBLE_EQ(dark[0], 12.92 * r);
    const auto mid = xyzToSRGB(20, 20, 20);
    const double g = -0.978749 * 0.2 + 1.91613 * 0.2 + 0.033433 * 0.2;
    EXPECT_DOUBLE_EQ(mid[1], 1.055 * std::pow(g, 1 / 2.4) - 0.055);
}

} // namespace curves
