#include <gtest/gtest.h>

#include "app/ui/widgets/InkDisplayColors.h"

namespace appui {
namespace {

TEST(InkDisplayColors, FourteenFixedColoursInTableOrder) {
    const auto& colors = inkDisplayColors();
    ASSERT_EQ(colors.size(), 14u);
    const float expected[14][3] = {{0, 0, 0},     {0.1f, 1, 1},         {1, 0.1f, 1},       {1, 1, 0},
                                   {0.6f, 1, 1},  {1, 0.6f, 1},         {0.5f, 0.5f, 0.5f}, {0.7f, 0.7f, 0.7f},
                                   {1, 0.65f, 0}, {0.2f, 1, 0.2f},      {0.5f, 0, 1},       {1, 0, 0},
                                   {0, 0, 1},     {0.85f, 0.85f, 0.85f}};
    for (std::size_t i = 0; i < 14; ++i) {
        EXPECT_NEAR(colors[i].redF(), expected[i][0], 1e-4) << i;
        EXPECT_NEAR(colors[i].greenF(), expected[i][1], 1e-4) << i;
        EXPECT_NEAR(colors[i].blueF(), expected[i][2], 1e-4) << i;
        EXPECT_EQ(colors[i].alphaF(), 1) << i;
    }
    EXPECT_EQ(labABGraphColors()[0], colors[11]);
    EXPECT_EQ(labABGraphColors()[1], colors[12]);
}

TEST(InkDisplayColors, CurveNamesFindTheirColourWhateverTheBlanksAndCase) {
    struct Case {
        const char* name;
        std::size_t index;
    };
    const Case cases[] = {
        {"# K Curve", 0},  {"#kcurve", 0},     {"# k curve", 0},  {"# MK Curve", 0}, {"# PK Curve", 0},
        {"# C Curve", 1},  {"# M Curve", 2},   {"# Y Curve", 3},  {"# LC Curve", 4}, {"# LM Curve", 5},
        {"# LK Curve", 6}, {"# LLK Curve", 7}, {"# OR Curve", 8}, {"# or curve", 8}, {"#ORCURVE", 8},
        {"# GR Curve", 9}, {"# V Curve", 10},  {"# R Curve", 11}, {"# B Curve", 12}, {"# GL Curve", 13},
        {"", 0},           {"# XX Curve", 0},  {"Cyan", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(&inkDisplayColor(c.name), &inkDisplayColors()[c.index]) << '"' << c.name << '"';
}

} // namespace
} // namespace appui
