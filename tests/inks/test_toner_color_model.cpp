// The toner colour model: fractions per control point, their spread over the
// Lab steps and the quad levels, and the mixing of the four channels.
#include <gtest/gtest.h>

#include "app/inks/FieldDrivenInkModels.h"
#include "app/inks/TonerColorModel.h"

namespace inks {

using curves::CIELab;
using curves::Inkset;
using curves::MediaType;

namespace {

// A channel of hand-made tables: every curve n holds `scale * (n + 1) * i`, the
// Lab ramp (L, a, b) = (100 - 4 i, a, b).
std::shared_ptr<InkModel> handMadeChannel(double scale, double a, double b, std::size_t curves = 2) {
    auto model = std::make_shared<InkModel>();
    for (std::size_t n = 0; n < curves; ++n) {
        std::vector<double> curve(256);
        for (std::size_t i = 0; i < 256; ++i) curve[i] = scale * static_cast<double>(n + 1) * static_cast<double>(i);
        model->curve->quad.push_back(curve);
    }
    for (int i = 0; i < 21; ++i) model->curve->lab.push_back({100.0 - 4 * i, a, b});
    return model;
}

void useHandMadeChannels(TonerColorModel& model) {
    model.K = handMadeChannel(1.0, 0.0, 1.0);
    model.C = handMadeChannel(2.0, -10.0, -5.0);
    model.M = handMadeChannel(3.0, 20.0, -2.0);
    model.Y = handMadeChannel(4.0, -1.0, 30.0);
}

TEST(TonerColorModel, StartsWithPSeriesK3OnGloss) {
    TonerColorModel model;
    EXPECT_EQ(model.inkset, Inkset::PSeriesK3);
    EXPECT_EQ(model.mediaType, MediaType::Gloss);
    ASSERT_TRUE(model.K && model.C && model.M && model.Y);
    InkModel expected;
    expected.loadComponent(Inkset::PSeriesK3, 2, MediaType::Gloss);
    EXPECT_EQ(model.M->curve->quad, expected.curve->quad);
    EXPECT_EQ(model.initalScale.size(), 21u);
    EXPECT_DOUBLE_EQ(model.initalScale[1], 0.05);
    EXPECT_EQ(model.initalScale[20], 1.0);
    EXPECT_EQ(model.initialQuadScale.size(), 256u);
    EXPECT_EQ(model.initialQuadScale[255], 255.0 / 256);
    EXPECT_TRUE(model.blendedCurve.empty());
    EXPECT_TRUE(model.blendedCIELab.empty());
    const std::vector<double> threeZeros(3, 0.0), lab21Zeros(21, 0.0), quad256Zeros(256, 0.0);
    EXPECT_EQ(model.cVec, threeZeros);
    EXPECT_EQ(model.mVec, threeZeros);
    EXPECT_EQ(model.yVec, threeZeros);
    EXPECT_EQ(model.colorInkLevels, std::vector<std::vector<double>>(4, lab21Zeros));
    for (const auto* scale :
         {&model.cyanPercentScale, &model.magentaPercentScale, &model.yellowPercentScale, &model.blackPercentScale}) {
        EXPECT_EQ(*scale, lab21Zeros);
    }
    for (const auto* scale : {&model.cyanQuadPercentScale, &model.magentaQuadPercentScale,
                              &model.yellowQuadPercentScale, &model.blackQuadPercentScale}) {
        EXPECT_EQ(*scale, quad256Zeros);
    }
    for (int i = 0; i < 21; ++i) EXPECT_EQ(model.initalScale[i], i * 0.05) << i;
    for (int k = 0; k < 256; ++k) EXPECT_EQ(model.initialQuadScale[k], k / 256.0) << k;
    EXPECT_EQ(model.inputPercentXs, (std::vector<double>{0, 0.5, 1}));
    for (const auto* channel : {&model.K, &model.C, &model.M, &model.Y}) {
        EXPECT_EQ((*channel)->curve->curveName, "QuadCurveName");
    }
}

TEST(TonerColorModel, BlendOfHandMadeChannels) {
    TonerColorModel model;
    useHandMadeChannels(model);
    // The same fractions at all three points keep every scale flat.
    model.cVec = {0.2, 0.2, 0.2};
    model.mVec = {0.3, 0.3, 0.3};
    model.yVec = {0.1, 0.1, 0.1};
    model.updateBlend();

    const double k = 1 - ((0.2 + 0.3) + 0.1);
    ASSERT_EQ(model.blendedCIELab.size(), 21u);
    for (int i = 0; i < 21; ++i) {
        const double lightness = 100.0 - 4 * i;
        const CIELab expected{((k * lightness + 0.2 * lightness) + 0.3 * lightness) + 0.1 * lightness,
                              ((k * 0.0 + 0.2 * -10.0) + 0.3 * 20.0) + 0.1 * -1.0,
                              ((k * 1.0 + 0.2 * -5.0) + 0.3 * -2.0) + 0.1 * 30.0};
        EXPECT_EQ(model.blendedCIELab[i], expected) << i;
    }
    ASSERT_EQ(model.blendedCurve.size(), 2u);
    for (std::size_t n = 0; n < 2; ++n) {
        ASSERT_EQ(model.blendedCurve[n].size(), 256u);
        for (std::size_t i = 0; i < 256; ++i) {
            const double level = static_cast<double>(n + 1) * static_cast<double>(i);
            const double expected = (k * level + 0.2 * 2 * level) + (0.3 * 3 * level + 0.1 * 4 * level);
            EXPECT_NEAR(model.blendedCurve[n][i], expected, 1e-9 * (1 + expected)) << n << ", " << i;
        }
    }
    EXPECT_EQ(model.colorInkLevels,
              (std::vector<std::vector<double>>{model.blackPercentScale, model.cyanPercentScale,
                                                model.magentaPercentScale, model.yellowPercentScale}));
}

TEST(TonerColorModel, CurvesAreMixedInPairsExactly) {
    TonerColorModel model;
    model.mediaType = MediaType::Matte;
    model.buildInkModels(Inkset::UCK3);
    // Uneven shares so that another grouping of the four terms rounds differently.
    for (int i = 0; i < 256; ++i) {
        model.blackQuadPercentScale[i] = 0.1 + i / 300.0;
        model.cyanQuadPercentScale[i] = 0.7 / (i + 3);
        model.magentaQuadPercentScale[i] = 0.3 - i / 1000.0;
        model.yellowQuadPercentScale[i] = 1.0 / 7 + i / 777.0;
    }
    model.blendCurves();
    ASSERT_EQ(model.blendedCurve.size(), 8u);
    bool groupingMatters = false;
    for (std::size_t n = 0; n < 8; ++n) {
        for (std::size_t i = 0; i < 256; ++i) {
            const double k = model.K->curve->quad[n][i] * model.blackQuadPercentScale[i];
            const double c = model.C->curve->quad[n][i] * model.cyanQuadPercentScale[i];
            const double m = model.M->curve->quad[n][i] * model.magentaQuadPercentScale[i];
            const double y = model.Y->curve->quad[n][i] * model.yellowQuadPercentScale[i];
            EXPECT_EQ(model.blendedCurve[n][i], (k + c) + (m + y)) << n << ", " << i;
            if (((k + c) + m) + y != (k + c) + (m + y)) groupingMatters = true;
        }
    }
    EXPECT_TRUE(groupingMatters);
}

TEST(TonerColorModel, ScalesAreSampledAtOneTwentyFirstSteps) {
    TonerColorModel model;
    model.computePercentScales({0.6, 0.4, 0.2}, {0, 0, 0}, {0, 0, 0});
    ASSERT_EQ(model.cyanPercentScale.size(), 21u);
    for (int i = 0; i < 21; ++i) {
        EXPECT_NEAR(model.cyanPercentScale[i], 0.6 - 0.4 * i / 21.0, 1e-15) << i;
        EXPECT_NEAR(model.blackPercentScale[i], 0.4 + 0.4 * i / 21.0, 1e-15) << i;
    }
    EXPECT_EQ(model.cyanPercentScale[0], 0.6);
    EXPECT_GT(model.cyanPercentScale[20], 0.2); // the shadow value itself is never reached

    // The 21 samples are then placed at i/20: a straight line stays straight.
    model.computeQuadPercentScales();
    ASSERT_EQ(model.cyanQuadPercentScale.size(), 256u);
    for (int i = 0; i < 256; ++i) {
        const double x = i / 256.0;
        EXPECT_NEAR(model.cyanQuadPercentScale[i], 0.6 - 0.4 * (20.0 / 21.0) * x, 1e-12) << i;
    }
}

TEST(TonerColorModel, FractionsAboveOneAreLoweredEquallyAndMayGoNegative) {
    TonerColorModel model;
    // Sum exactly 1: nothing changes and black is 0.
    model.computePercentScales({0.5, 0.5, 0.5}, {0.3, 0.3, 0.3}, {0.2, 0.2, 0.2});
    EXPECT_EQ(model.cyanPercentScale[0], 0.5);
    EXPECT_EQ(model.magentaPercentScale[0], 0.3);
    EXPECT_EQ(model.blackPercentScale[0], 1 - ((0.5 + 0.3) + 0.2));
    EXPECT_EQ(model.blackPercentScale[0], 0.0);

    // Cyan 1, magenta 0, yellow 0.5: each lowered by 1/6; magenta stays negative.
    model.computePercentScales({1, 1, 1}, {0, 0, 0}, {0.5, 0.5, 0.5});
    const double d = (1 - 1.5) / 3;
    const double c = 1 + d, m = 0 + d, y = 0.5 + d;
    for (int i = 0; i < 21; ++i) {
        EXPECT_EQ(model.cyanPercentScale[i], c);
        EXPECT_EQ(model.magentaPercentScale[i], m);
        EXPECT_EQ(model.yellowPercentScale[i], y);
        EXPECT_EQ(model.blackPercentScale[i], 1 - ((c + m) + y));
    }
    EXPECT_NEAR(model.cyanPercentScale[0], 5.0 / 6, 1e-15);
    EXPECT_NEAR(model.magentaPercentScale[0], -1.0 / 6, 1e-15);
    EXPECT_NEAR(model.blackPercentScale[0], 0, 1e-15);

    // All three full: a third each, no black.
    model.computePercentScales({1, 1, 1}, {1, 1, 1}, {1, 1, 1});
    EXPECT_NEAR(model.cyanPercentScale[5], 1.0 / 3, 1e-15);
    EXPECT_NEAR(model.blackPercentScale[5], 0, 1e-15);

    // Only the first three entries are read.
    TonerColorModel longer;
    longer.computePercentScales({0.1, 0.2, 0.3, 0.9}, {0, 0, 0, 0.9}, {0, 0, 0, 0.9});
    model.computePercentScales({0.1, 0.2, 0.3}, {0, 0, 0}, {0, 0, 0});
    EXPECT_EQ(longer.cyanPercentScale, model.cyanPercentScale);
    EXPECT_EQ(longer.blackPercentScale, model.blackPercentScale);
}

TEST(TonerColorModel, OnlyBlackGivesTheBlackChannel) {
    for (Inkset inkset : {Inkset::UCK3, Inkset::PSeriesK3, Inkset::PSeriesPro10, Inkset::K5LcLmY, Inkset::K5CarbonLcLm,
                          Inkset::CCProHDMK3}) {
        for (MediaType media : {MediaType::Gloss, MediaType::Matte, MediaType::Gravure, MediaType::DTPGravure}) {
            TonerColorModel model;
            model.inkset = inkset;
            model.mediaType = media;
            model.buildInkModels(inkset);
            model.updateBlend();
            EXPECT_EQ(model.blackPercentScale, std::vector<double>(21, 1.0));
            EXPECT_EQ(model.cyanPercentScale, std::vector<double>(21, 0.0));
            EXPECT_EQ(model.blendedCIELab, model.K->curve->lab);
            EXPECT_EQ(model.blackQuadPercentScale, std::vector<double>(256, 1.0));
            ASSERT_EQ(model.blendedCurve.size(), inkset == Inkset::PSeriesPro10 ? 10u : 8u);
            EXPECT_EQ(model.blendedCurve, model.K->curve->quad);
        }
    }
}

TEST(TonerColorModel, EmptyYellowTakesItsShareAndAddsNothing) {
    TonerColorModel model;
    model.inkset = Inkset::K5CarbonLcLm;
    model.buildInkModels(Inkset::K5CarbonLcLm);
    model.yVec = {0.3, 0.3, 0.3};
    model.updateBlend();
    const EmptyInkModel empty("", MediaType::Gloss);
    for (int i = 0; i < 21; ++i) {
        const CIELab& k = model.K->curve->lab[i];
        const CIELab& e = empty.labArray[i];
        const double cyanL = model.C->curve->lab[i].L, magentaL = model.M->curve->lab[i].L;
        EXPECT_EQ(model.blendedCIELab[i].L, ((0.7 * k.L + 0.0 * cyanL) + 0.0 * magentaL) + 0.3 * e.L);
    }
    for (std::size_t n = 0; n < 8; ++n) {
        for (std::size_t i = 0; i < 256; ++i) {
            const double expected = 0.7 * model.K->curve->quad[n][i];
            EXPECT_NEAR(model.blendedCurve[n][i], expected, 1e-9 * (1 + expected));
        }
    }

    // Past a sum of 1 the yellow share is taken from cyan and magenta too, and
    // still adds nothing to the curves.
    model.cVec = {0.6, 0.6, 0.6};
    model.mVec = {0.5, 0.5, 0.5};
    model.yVec = {0.3, 0.3, 0.3};
    model.updateBlend();
    const double d = (1 - 1.4) / 3;
    EXPECT_NEAR(model.cyanPercentScale[10], 0.6 + d, 1e-15);
    EXPECT_NEAR(model.magentaPercentScale[10], 0.5 + d, 1e-15);
    EXPECT_NEAR(model.yellowPercentScale[10], 0.3 + d, 1e-15);
    EXPECT_NEAR(model.blackPercentScale[10], 0.0, 1e-15);
    for (std::size_t n = 0; n < 8; ++n) {
        for (std::size_t i = 0; i < 256; ++i) {
            const double expected = (0.6 + d) * model.C->curve->quad[n][i] + (0.5 + d) * model.M->curve->quad[n][i];
            EXPECT_NEAR(model.blendedCurve[n][i], expected, 1e-9 * (1 + expected));
        }
    }
}

TEST(TonerColorModel, ChannelsChangeOnlyWhenRebuilt) {
    TonerColorModel model;
    const auto before = model.K;
    const auto tables = model.K->curve->quad;
    model.mediaType = MediaType::Matte;
    EXPECT_EQ(model.K, before);
    EXPECT_EQ(model.K->curve->quad, tables);

    model.buildInkModels(Inkset::UCK3);
    EXPECT_NE(model.K, before); // a new channel, not a refilled one
    InkModel expected;
    expected.loadComponent(Inkset::UCK3, 0, MediaType::Matte);
    EXPECT_EQ(model.K->curve->quad, expected.curve->quad);
    EXPECT_EQ(model.inkset, Inkset::PSeriesK3); // the caller stores the ink set
}

TEST(TonerColorModel, UpdateReplacesEditedCurves) {
    TonerColorModel model;
    model.updateBlend();
    const auto blended = model.blendedCurve;
    model.blendedCurve = {{1, 2, 3}};
    model.updateBlend();
    EXPECT_EQ(model.blendedCurve, blended);
}

TEST(TonerColorModelDeathTest, ShortFractionVectorsStopTheProgram) {
    TonerColorModel model;
    model.cVec = {0.1, 0.2};
    EXPECT_DEATH(model.updateBlend(), "");
}

} // namespace

} // namespace inks
