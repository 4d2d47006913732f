// The built-in ink components and the factory that picks them: which table
// fills which channel for every ink set, channel and media type.
#include <gtest/gtest.h>

#include <sstream>
#include <typeinfo>

#include "app/inks/FieldDrivenInkModels.h"
#include "app/inks/InkModel.h"
#include "app/inks/InkTables.h"
#include "app/inks/TableDrivenInkModels.h"

namespace inks {

using curves::CIELab;
using curves::Inkset;
using curves::MediaType;

namespace {

constexpr MediaType allMedia[] = {MediaType::Gloss, MediaType::Matte, MediaType::Gravure, MediaType::DTPGravure};

struct Expected {
    Inkset inkset;
    int channel;
    MediaType media;
    const char* lab;
    const char* channels; // table names in .quad order; "0" is the zero curve
};

std::vector<double> tableValues(const std::string& name) {
    if (name == "0") return std::vector<double>(256, 0.0);
    const auto& table = inkCurve(name);
    return {table.begin(), table.end()};
}

std::vector<CIELab> labValues(const std::string& name) {
    const auto& table = inkLab(name);
    return {table.begin(), table.end()};
}

void expectTables(const InkComponent& component, const std::string& lab, const std::string& channels) {
    EXPECT_EQ(component.labArray, labValues(lab)) << lab;
    std::istringstream names(channels);
    std::string name;
    std::size_t channel = 0;
    while (names >> name) {
        ASSERT_LT(channel, component.curveArray.size()) << channels;
        EXPECT_EQ(component.curveArray[channel], tableValues(name)) << "channel " << channel << " should be " << name;
        ++channel;
    }
    EXPECT_EQ(channel, component.curveArray.size()) << channels;
}

// Gloss and Matte of the table-driven classes, by ink set and channel.
const Expected glossAndMatte[] = {
    {Inkset::UCK3, 0, MediaType::Gloss, "UCK3Black_Gloss_Lab",
     "UCK3Black_Gloss_K 0 0 0 0 0 UCK3Black_Gloss_LK UCK3Black_Gloss_LLK"},
    {Inkset::UCK3, 0, MediaType::Matte, "UCK3Black_Matte_Lab",
     "UCK3Black_Matte_K 0 0 0 0 0 UCK3Black_Matte_LK UCK3Black_Matte_LLK"},
    {Inkset::UCK3, 1, MediaType::Gloss, "UCK3Cyan_Gloss_Lab",
     "UCK3Cyan_Gloss_K UCK3Cyan_Gloss_C 0 0 UCK3Cyan_Gloss_LC 0 UCK3Cyan_Gloss_LC UCK3Cyan_Gloss_LLK"},
    {Inkset::UCK3, 1, MediaType::Matte, "UCK3Cyan_Matte_Lab",
     "UCK3Cyan_Matte_K UCK3Cyan_Matte_C 0 0 UCK3Cyan_Matte_LC 0 UCK3Cyan_Matte_LK UCK3Cyan_Matte_LLK"},
    {Inkset::UCK3, 2, MediaType::Gloss, "UCK3Magenta_Gloss_Lab",
     "UCK3Magenta_Gloss_K 0 UCK3Magenta_Gloss_M 0 0 UCK3Magenta_Gloss_LM UCK3Magenta_Gloss_LK UCK3Magenta_Gloss_LLK"},
    {Inkset::UCK3, 2, MediaType::Matte, "UCK3Magenta_Matte_Lab",
     "UCK3Magenta_Matte_K 0 UCK3Magenta_Matte_M 0 0 UCK3Magenta_Matte_LM UCK3Magenta_Matte_LK UCK3Magenta_Matte_LLK"},
    {Inkset::UCK3, 3, MediaType::Gloss, "UCK3Yellow_Gloss_Lab",
     "UCK3Yellow_Gloss_K 0 0 UCK3Yellow_Gloss_Y 0 0 UCK3Yellow_Gloss_LK UCK3Yellow_Gloss_LLK"},
    {Inkset::UCK3, 3, MediaType::Matte, "UCK3Yellow_Matte_Lab",
     "UCK3Yellow_Matte_K 0 0 UCK3Yellow_Matte_Y 0 0 UCK3Yellow_Matte_LK UCK3Yellow_Matte_LLK"},
    {Inkset::PSeriesK3, 0, MediaType::Gloss, "PSeriesBlack_Gloss_Lab",
     "UCK3Black_Gloss_K 0 0 0 0 0 UCK3Black_Gloss_LK UCK3Black_Gloss_LLK"},
    {Inkset::PSeriesK3, 0, MediaType::Matte, "PSeriesBlack_Matte_Lab",
     "PSeriesBlack_Matte_K 0 0 0 0 0 PSeriesBlack_Matte_LK PSeriesBlack_Matte_LLK"},
    {Inkset::PSeriesK3, 1, MediaType::Gloss, "PSeriesCyan_Gloss_Lab",
     "PSeriesCyan_Gloss_K PSeriesCyan_Gloss_C 0 0 PSeriesCyan_Gloss_LC 0 PSeriesCyan_Gloss_LK PSeriesCyan_Gloss_LLK"},
    {Inkset::PSeriesK3, 1, MediaType::Matte, "UCK3Cyan_Matte_Lab",
     "PSeriesCyan_Matte_K PSeriesCyan_Matte_C 0 0 PSeriesCyan_Matte_LC 0 PSeriesCyan_Matte_LK PSeriesCyan_Matte_LLK"},
    {Inkset::PSeriesK3, 2, MediaType::Gloss, "PSeriesMagenta_Gloss_Lab",
     "PSeriesMagenta_Gloss_K 0 PSeriesMagenta_Gloss_M 0 0 PSeriesMagenta_Gloss_LM PSeriesMagenta_Gloss_LK "
     "PSeriesMagenta_Gloss_LLK"},
    {Inkset::PSeriesK3, 2, MediaType::Matte, "PSeriesMagenta_Matte_Lab",
     "PSeriesMagenta_Matte_K 0 PSeriesMagenta_Matte_M 0 0 PSeriesMagenta_Matte_LM PSeriesMagenta_Matte_LK "
     "PSeriesMagenta_Matte_LLK"},
    {Inkset::PSeriesK3, 3, MediaType::Gloss, "PSeriesYellow_Gloss_Lab",
     "PSeriesYellow_Gloss_K 0 0 PSeriesYellow_Gloss_Y 0 0 PSeriesYellow_Gloss_LK PSeriesYellow_Gloss_LLK"},
    {Inkset::PSeriesK3, 3, MediaType::Matte, "PSeriesYellow_Matte_Lab",
     "PSeriesYellow_Matte_K 0 0 PSeriesYellow_Matte_Y 0 0 PSeriesYellow_Matte_LK PSeriesYellow_Matte_LLK"},
    {Inkset::CCProHDMK3, 0, MediaType::Gloss, "UCK3Black_Gloss_Lab",
     "UCK3Black_Gloss_K 0 0 0 0 0 UCK3Black_Gloss_LK UCK3Black_Gloss_LLK"},
    {Inkset::CCProHDMK3, 0, MediaType::Matte, "CCPBlack_Matte_Lab",
     "UCK3Black_Matte_K 0 0 0 0 0 UCK3Black_Matte_LK UCK3Black_Matte_LLK"},
    {Inkset::CCProHDMK3, 1, MediaType::Gloss, "UCK3Cyan_Gloss_Lab",
     "UCK3Cyan_Gloss_K UCK3Cyan_Gloss_C 0 0 UCK3Cyan_Gloss_LC 0 UCK3Cyan_Gloss_LC UCK3Cyan_Gloss_LLK"},
    {Inkset::CCProHDMK3, 1, MediaType::Matte, "CCPCyan_Matte_Lab",
     "UCK3Cyan_Matte_K UCK3Cyan_Matte_C 0 0 UCK3Cyan_Matte_LC 0 UCK3Cyan_Matte_LK UCK3Cyan_Matte_LLK"},
    {Inkset::CCProHDMK3, 2, MediaType::Gloss, "UCK3Magenta_Gloss_Lab",
     "UCK3Magenta_Gloss_K 0 UCK3Magenta_Gloss_M 0 0 UCK3Magenta_Gloss_LM UCK3Magenta_Gloss_LK UCK3Magenta_Gloss_LLK"},
    {Inkset::CCProHDMK3, 2, MediaType::Matte, "CCPMagenta_Matte_Lab",
     "UCK3Magenta_Matte_K 0 UCK3Magenta_Matte_M 0 0 UCK3Magenta_Matte_LM UCK3Magenta_Matte_LK UCK3Magenta_Matte_LLK"},
    {Inkset::CCProHDMK3, 3, MediaType::Gloss, "UCK3Yellow_Gloss_Lab",
     "UCK3Yellow_Gloss_K 0 0 UCK3Yellow_Gloss_Y 0 0 UCK3Yellow_Gloss_LK UCK3Yellow_Gloss_LLK"},
    {Inkset::CCProHDMK3, 3, MediaType::Matte, "CCPYellow_Matte_Lab",
     "CCPYellow_Matte_K 0 0 UCK3Yellow_Matte_Y 0 0 UCK3Yellow_Matte_LK UCK3Yellow_Matte_LLK"},
    {Inkset::PSeriesPro10, 0, MediaType::Gloss, "PSeriesPro10Black_Gloss_Lab",
     "PSeriesPro10Black_Gloss_K 0 0 0 0 0 PSeriesPro10Black_Gloss_LK PSeriesPro10Black_Gloss_LLK 0 0"},
    {Inkset::PSeriesPro10, 0, MediaType::Matte, "PSeriesBlack_Matte_Lab",
     "0 0 0 0 0 0 PSeriesBlack_Matte_LK PSeriesBlack_Matte_LLK 0 PSeriesBlack_Matte_K"},
    {Inkset::PSeriesPro10, 1, MediaType::Gloss, "PSeriesPro10Cyan_Gloss_Lab",
     "PSeriesPro10Cyan_Gloss_K PSeriesPro10Cyan_Gloss_C 0 0 PSeriesPro10Cyan_Gloss_LC 0 PSeriesPro10Cyan_Gloss_LK "
     "PSeriesPro10Cyan_Gloss_LLK 0 0"},
    {Inkset::PSeriesPro10, 1, MediaType::Matte, "PSeriesPro10Cyan_Matte_Lab",
     "0 PSeriesPro10Cyan_Matte_C 0 0 PSeriesPro10Cyan_Matte_LC 0 PSeriesPro10Cyan_Matte_LK PSeriesPro10Cyan_Matte_LLK "
     "0 PSeriesPro10Cyan_Matte_MK"},
    {Inkset::PSeriesPro10, 2, MediaType::Gloss, "PSeriesPro10Magenta_Gloss_Lab",
     "PSeriesPro10Magenta_Gloss_K 0 PSeriesPro10Magenta_Gloss_M 0 0 PSeriesPro10Magenta_Gloss_LM "
     "PSeriesPro10Magenta_Gloss_LK PSeriesPro10Magenta_Gloss_LLK 0 0"},
    {Inkset::PSeriesPro10, 2, MediaType::Matte, "PSeriesPro10Magenta_Matte_Lab",
     "0 0 PSeriesPro10Magenta_Matte_M 0 0 PSeriesPro10Magenta_Matte_LM PSeriesPro10Magenta_Matte_LK "
     "PSeriesPro10Magenta_Matte_LLK 0 PSeriesPro10Magenta_Matte_MK"},
    {Inkset::PSeriesPro10, 3, MediaType::Gloss, "PSeriesPro10Yellow_Gloss_Lab",
     "PSeriesPro10Yellow_Gloss_K 0 0 PSeriesPro10Yellow_Gloss_Y 0 0 PSeriesPro10Yellow_Gloss_LK "
     "PSeriesPro10Yellow_Gloss_LLK 0 0"},
    {Inkset::PSeriesPro10, 3, MediaType::Matte, "PSeriesPro10Yellow_Matte_Lab",
     "0 0 0 PSeriesPro10Yellow_Matte_Y 0 0 PSeriesPro10Yellow_Matte_LK PSeriesPro10Yellow_Matte_LLK 0 "
     "PSeriesPro10Yellow_Matte_MK"},
    // The field-driven components are the same on every media (Gloss here; the
    // media test below covers the rest).
    {Inkset::K5LcLmY, 0, MediaType::Gloss, "k5CMYBlack_Lab",
     "k5CMYBlack_k k5CMYBlack_c k5CMYBlack_m 0 0 0 k5CMYBlack_lk k5CMYBlack_llk"},
    {Inkset::K5LcLmY, 1, MediaType::Gloss, "k5CMYCyan_Lab",
     "k5CMYCyan_k k5CMYCyan_c k5CMYCyan_m 0 k5CMYCyan_lc 0 k5CMYCyan_lk k5CMYCyan_llk"},
    {Inkset::K5LcLmY, 2, MediaType::Gloss, "k5CMYMagenta_Lab",
     "k5CMYMagenta_k k5CMYMagenta_c k5CMYMagenta_m 0 0 k5CMYMagenta_lm k5CMYMagenta_lk k5CMYMagenta_llk"},
    {Inkset::K5LcLmY, 3, MediaType::Gloss, "k5CMYYellow_Lab",
     "k5CMYYellow_k k5CMYYellow_c k5CMYYellow_m k5CMYYellow_y 0 0 k5CMYYellow_lk k5CMYYellow_llk"},
    {Inkset::K5CarbonLcLm, 0, MediaType::Gloss, "K5CMBlack_Lab",
     "K5CMBlack_k K5CMBlack_c K5CMBlack_m K5CMBlack_y 0 0 0 K5CMBlack_llk"},
    {Inkset::K5CarbonLcLm, 1, MediaType::Gloss, "K5CMCyan_Lab",
     "K5CMCyan_k K5CMCyan_c K5CMCyan_m K5CMCyan_y K5CMCyan_lc 0 0 K5CMCyan_llk"},
    {Inkset::K5CarbonLcLm, 2, MediaType::Gloss, "K5CMMagenta_Lab",
     "K5CMMagenta_k K5CMMagenta_c K5CMMagenta_m K5CMMagenta_y 0 K5CMMagenta_lm 0 K5CMMagenta_llk"},
    {Inkset::K5CarbonLcLm, 3, MediaType::Gloss, "Empty_Lab", "0 0 0 0 0 0 0 0"},
};

constexpr const char* gravureA = "GravureA_K 0 0 0 0 0 GravureA_LK GravureA_LLK";
constexpr const char* gravureB = "GravureB_K 0 0 0 0 0 GravureB_LK GravureB_LLK";
constexpr const char* dtpGravure = "DTPGravure_K 0 0 0 0 0 0 0";

const Expected gravureMedia[] = {
    {Inkset::UCK3, 0, MediaType::Gravure, "Gravure_Lab", gravureA},
    {Inkset::UCK3, 3, MediaType::Gravure, "Gravure_Lab", gravureA},
    {Inkset::CCProHDMK3, 0, MediaType::Gravure, "Gravure_Lab", gravureA},
    {Inkset::CCProHDMK3, 3, MediaType::Gravure, "Gravure_Lab", gravureA},
    {Inkset::UCK3, 1, MediaType::Gravure, "Gravure_Lab", gravureB},
    {Inkset::UCK3, 2, MediaType::Gravure, "Gravure_Lab", gravureB},
    {Inkset::PSeriesK3, 0, MediaType::Gravure, "Gravure_Lab", gravureB},
    {Inkset::PSeriesK3, 1, MediaType::Gravure, "Gravure_Lab", gravureB},
    {Inkset::CCProHDMK3, 1, MediaType::Gravure, "Gravure_Lab", gravureB},
    {Inkset::CCProHDMK3, 2, MediaType::Gravure, "Gravure_Lab", gravureB},
    {Inkset::UCK3, 0, MediaType::DTPGravure, "Gravure_Lab", dtpGravure},
    {Inkset::UCK3, 1, MediaType::DTPGravure, "Gravure_Lab", dtpGravure},
    {Inkset::UCK3, 2, MediaType::DTPGravure, "Gravure_Lab", dtpGravure},
    {Inkset::UCK3, 3, MediaType::DTPGravure, "Gravure_Lab", dtpGravure},
    {Inkset::PSeriesK3, 0, MediaType::DTPGravure, "Gravure_Lab", dtpGravure},
    {Inkset::PSeriesK3, 1, MediaType::DTPGravure, "Gravure_Lab", dtpGravure},
    {Inkset::CCProHDMK3, 0, MediaType::DTPGravure, "Gravure_Lab", dtpGravure},
    {Inkset::CCProHDMK3, 1, MediaType::DTPGravure, "Gravure_Lab", dtpGravure},
    {Inkset::CCProHDMK3, 2, MediaType::DTPGravure, "Gravure_Lab", dtpGravure},
    {Inkset::CCProHDMK3, 3, MediaType::DTPGravure, "Gravure_Lab", dtpGravure},
    // PSeries Magenta and Yellow have only Gloss and Matte curves.
    {Inkset::PSeriesK3, 2, MediaType::Gravure, "Gravure_Lab",
     "PSeriesMagenta_Matte_K 0 PSeriesMagenta_Matte_M 0 0 PSeriesMagenta_Matte_LM PSeriesMagenta_Matte_LK "
     "PSeriesMagenta_Matte_LLK"},
    {Inkset::PSeriesK3, 2, MediaType::DTPGravure, "Gravure_Lab",
     "PSeriesMagenta_Matte_K 0 PSeriesMagenta_Matte_M 0 0 PSeriesMagenta_Matte_LM PSeriesMagenta_Matte_LK "
     "PSeriesMagenta_Matte_LLK"},
    {Inkset::PSeriesK3, 3, MediaType::Gravure, "Gravure_Lab",
     "PSeriesYellow_Matte_K 0 0 PSeriesYellow_Matte_Y 0 0 PSeriesYellow_Matte_LK PSeriesYellow_Matte_LLK"},
    {Inkset::PSeriesK3, 3, MediaType::DTPGravure, "Gravure_Lab",
     "PSeriesYellow_Matte_K 0 0 PSeriesYellow_Matte_Y 0 0 PSeriesYellow_Matte_LK PSeriesYellow_Matte_LLK"},
};

TEST(InkComponents, GlossAndMatteTablesOfEveryClass) {
    for (const auto& row : glossAndMatte) {
        SCOPED_TRACE(testing::Message() << "ink set " << static_cast<int>(row.inkset) << " channel " << row.channel);
        expectTables(*makeInkComponent(row.inkset, row.channel, row.media), row.lab, row.channels);
    }
}

TEST(InkComponents, GravureTablesOfEveryClass) {
    for (const auto& row : gravureMedia) {
        SCOPED_TRACE(testing::Message() << "ink set " << static_cast<int>(row.inkset) << " channel " << row.channel
                                        << " media " << static_cast<int>(row.media));
        expectTables(*makeInkComponent(row.inkset, row.channel, row.media), row.lab, row.channels);
    }
    for (int channel = 0; channel < 4; ++channel) {
        expectTables(*makeInkComponent(Inkset::PSeriesPro10, channel, MediaType::Gravure), "Gravure_Lab",
                     "GravureB_K 0 0 0 0 0 GravureB_LK GravureB_LLK 0 0");
        expectTables(*makeInkComponent(Inkset::PSeriesPro10, channel, MediaType::DTPGravure), "Gravure_Lab",
                     "0 0 0 0 0 0 0 0 0 DTPGravure_K");
    }
}

TEST(InkComponents, SharedAndMovedCurves) {
    const std::vector<double> zeros(256, 0.0);
    const UCK3CyanInkModel cyanGloss("Cyan Curve", MediaType::Gloss);
    EXPECT_EQ(cyanGloss.curveArray[4], cyanGloss.curveArray[6]); // LC and LK

    // The CCProHDMK3 yellow on Matte differs from the UCK3 one in K alone.
    const CCPYellowInkModel ccp("Yellow Curve", MediaType::Matte);
    const UCK3YellowInkModel uck3("Yellow Curve", MediaType::Matte);
    EXPECT_NE(ccp.curveArray[0], uck3.curveArray[0]);
    for (std::size_t channel = 1; channel < 8; ++channel) EXPECT_EQ(ccp.curveArray[channel], uck3.curveArray[channel]);
    EXPECT_NE(ccp.labArray, uck3.labArray);

    // The ten-channel black moves its Matte K to MK; on DTPGravure MK is all there is.
    const PSeriesPro10BlackInkModel pro10Matte("Black Curve", MediaType::Matte);
    const PSeriesBlackInkModel pSeriesMatte("Black Curve", MediaType::Matte);
    EXPECT_EQ(pro10Matte.curveArray[0], zeros);
    EXPECT_EQ(pro10Matte.curveArray[9], pSeriesMatte.curveArray[0]);
    EXPECT_EQ(pro10Matte.labArray, pSeriesMatte.labArray);
    const PSeriesPro10BlackInkModel pro10Dtp("Black Curve", MediaType::DTPGravure);
    for (std::size_t channel = 0; channel < 9; ++channel) EXPECT_EQ(pro10Dtp.curveArray[channel], zeros);
    EXPECT_NE(pro10Dtp.curveArray[9], zeros);

    // UCK3 black prints one curve on DTPGravure, with the gravure Lab ramp.
    const UCK3BlackInkModel dtp("Black Curve", MediaType::DTPGravure);
    const UCK3BlackInkModel gravure("Black Curve", MediaType::Gravure);
    EXPECT_NE(dtp.curveArray[0], zeros);
    for (std::size_t channel = 1; channel < 8; ++channel) EXPECT_EQ(dtp.curveArray[channel], zeros);
    EXPECT_EQ(dtp.labArray, gravure.labArray);

    // Only the K5LcLmY yellow has a Y channel.
    EXPECT_NE(k5CMYYellowInkModel("Yellow Curve", MediaType::Gloss).curveArray[3], zeros);
    EXPECT_EQ(k5CMYBlackInkModel("Black Curve", MediaType::Gloss).curveArray[3], zeros);
    EXPECT_EQ(k5CMYCyanInkModel("Cyan Curve", MediaType::Gloss).curveArray[3], zeros);
    EXPECT_EQ(k5CMYMagentaInkModel("Magenta Curve", MediaType::Gloss).curveArray[3], zeros);
}

TEST(InkComponents, ChannelCountsAndLengthsOnEveryMedia) {
    for (int set = 0; set <= static_cast<int>(Inkset::Custom); ++set) {
        for (int channel = 0; channel < 4; ++channel) {
            for (const MediaType media : allMedia) {
                const auto component = makeInkComponent(static_cast<Inkset>(set), channel, media);
                const std::size_t expected = static_cast<Inkset>(set) == Inkset::PSeriesPro10 ? 10 : 8;
                ASSERT_EQ(component->curveArray.size(), expected);
                for (const auto& curve : component->curveArray) EXPECT_EQ(curve.size(), 256u);
                EXPECT_EQ(component->labArray.size(), 21u);
                EXPECT_EQ(component->blackInkType, media);
            }
        }
    }
}

TEST(InkComponents, FieldDrivenClassesIgnoreTheMediaButStoreIt) {
    for (int set : {static_cast<int>(Inkset::K5LcLmY), static_cast<int>(Inkset::K5CarbonLcLm)}) {
        for (int channel = 0; channel < 4; ++channel) {
            const auto gloss = makeInkComponent(static_cast<Inkset>(set), channel, MediaType::Gloss);
            const auto dtp = makeInkComponent(static_cast<Inkset>(set), channel, MediaType::DTPGravure);
            EXPECT_EQ(gloss->labArray, dtp->labArray);
            EXPECT_EQ(gloss->curveArray, dtp->curveArray);
            EXPECT_EQ(dtp->blackInkType, MediaType::DTPGravure);
        }
    }
}

TEST(InkComponents, FieldsFeedTheirOwnChannelWhateverTheirOrder) {
    const K5CMBlackInkModel black("Black Curve", MediaType::Matte);
    EXPECT_EQ(black.curveArray,
              (QuadCurves{black.k, black.c, black.m, black.y, black.lc, black.lm, black.lk, black.llk}));
    const std::vector<double> zeros(256, 0.0);
    EXPECT_EQ(black.lk, zeros);
    EXPECT_EQ(black.lc, zeros);
    EXPECT_EQ(black.lm, zeros);
    EXPECT_EQ(black.name, "Black Curve");
}

TEST(InkComponents, EmptyModelIsNamedEmptyAndAllZero) {
    const EmptyInkModel empty("Empty Curve", MediaType::Matte);
    EXPECT_EQ(empty.name, "Empty");
    EXPECT_EQ(empty.curveArray, QuadCurves(8, std::vector<double>(256, 0.0)));
    ASSERT_EQ(empty.labArray.size(), 21u);
    EXPECT_EQ(empty.labArray[0], (CIELab{99, 0, 0}));
    EXPECT_EQ(empty.labArray[1], (CIELab{95, 0, 0}));
    EXPECT_EQ(empty.labArray[10], (CIELab{50, 0, 0}));
    EXPECT_EQ(empty.labArray[20], (CIELab{1, 0, 0}));
}

TEST(InkComponents, TableDrivenClassesKeepTheGivenName) {
    EXPECT_EQ(UCK3CyanInkModel("Cyan Curve", MediaType::Gloss).name, "Cyan Curve");
    EXPECT_EQ(PSeriesPro10BlackInkModel("anything", MediaType::Matte).name, "anything");
    EXPECT_EQ(UCK3BlackInkModel::makeCurveArray(MediaType::Matte),
              UCK3BlackInkModel("Black Curve", MediaType::Matte).curveArray);
}

TEST(InkComponents, ChangingAComponentLeavesTheTablesAlone) {
    UCK3BlackInkModel first("Black Curve", MediaType::Gloss);
    const std::vector<double> original = first.curveArray[0];
    first.curveArray[0][200] += 1000;
    first.labArray[3].L = -1;
    const UCK3BlackInkModel second("Black Curve", MediaType::Gloss);
    EXPECT_EQ(second.curveArray[0], original);
    EXPECT_EQ(second.labArray, labValues("UCK3Black_Gloss_Lab"));
}

// ---- the factory ----------------------------------------------------------

template <class Component>
bool madeAs(Inkset inkset, int channel) {
    const auto component = makeInkComponent(inkset, channel, MediaType::Gloss);
    const InkComponent& made = *component;
    return typeid(made) == typeid(Component);
}

TEST(InkModelFactory, PicksTheClassOfEveryInksetAndChannel) {
    EXPECT_TRUE(madeAs<UCK3BlackInkModel>(Inkset::UCK3, 0));
    EXPECT_TRUE(madeAs<UCK3CyanInkModel>(Inkset::UCK3, 1));
    EXPECT_TRUE(madeAs<UCK3MagentaInkModel>(Inkset::UCK3, 2));
    EXPECT_TRUE(madeAs<UCK3YellowInkModel>(Inkset::UCK3, 3));
    EXPECT_TRUE(madeAs<PSeriesBlackInkModel>(Inkset::PSeriesK3, 0));
    EXPECT_TRUE(madeAs<PSeriesCyanInkModel>(Inkset::PSeriesK3, 1));
    EXPECT_TRUE(madeAs<PSeriesMagentaInkModel>(Inkset::PSeriesK3, 2));
    EXPECT_TRUE(madeAs<PSeriesYellowInkModel>(Inkset::PSeriesK3, 3));
    EXPECT_TRUE(madeAs<PSeriesPro10BlackInkModel>(Inkset::PSeriesPro10, 0));
    EXPECT_TRUE(madeAs<PSeriesPro10CyanInkModel>(Inkset::PSeriesPro10, 1));
    EXPECT_TRUE(madeAs<PSeriesPro10MagentaInkModel>(Inkset::PSeriesPro10, 2));
    EXPECT_TRUE(madeAs<PSeriesPro10YellowInkModel>(Inkset::PSeriesPro10, 3));
    EXPECT_TRUE(madeAs<k5CMYBlackInkModel>(Inkset::K5LcLmY, 0));
    EXPECT_TRUE(madeAs<k5CMYCyanInkModel>(Inkset::K5LcLmY, 1));
    EXPECT_TRUE(madeAs<k5CMYMagentaInkModel>(Inkset::K5LcLmY, 2));
    EXPECT_TRUE(madeAs<k5CMYYellowInkModel>(Inkset::K5LcLmY, 3));
    EXPECT_TRUE(madeAs<K5CMBlackInkModel>(Inkset::K5CarbonLcLm, 0));
    EXPECT_TRUE(madeAs<K5CMCyanInkModel>(Inkset::K5CarbonLcLm, 1));
    EXPECT_TRUE(madeAs<K5CMMagentaInkModel>(Inkset::K5CarbonLcLm, 2));
    EXPECT_TRUE(madeAs<EmptyInkModel>(Inkset::K5CarbonLcLm, 3));
    EXPECT_TRUE(madeAs<CCPBlackInkModel>(Inkset::CCProHDMK3, 0));
    EXPECT_TRUE(madeAs<CCPCyanInkModel>(Inkset::CCProHDMK3, 1));
    EXPECT_TRUE(madeAs<CCPMagentaInkModel>(Inkset::CCProHDMK3, 2));
    EXPECT_TRUE(madeAs<CCPYellowInkModel>(Inkset::CCProHDMK3, 3));
    for (Inkset none : {Inkset::PiezoProK4, Inkset::PiezoProK5, Inkset::Custom, static_cast<Inkset>(9)}) {
        for (int channel = 0; channel < 4; ++channel) EXPECT_TRUE(madeAs<EmptyInkModel>(none, channel));
    }
    for (int channel : {4, 7, -1}) EXPECT_TRUE(madeAs<EmptyInkModel>(Inkset::UCK3, channel));
}

TEST(InkModelFactory, PassesTheChannelNames) {
    const char* names[] = {"Black Curve", "Cyan Curve", "Magenta Curve", "Yellow Curve"};
    for (int channel = 0; channel < 4; ++channel) {
        EXPECT_EQ(makeInkComponent(Inkset::UCK3, channel, MediaType::Gloss)->name, names[channel]);
    }
}

TEST(InkModelFactory, LoadCopiesTheTablesAndKeepsTheCurveName) {
    InkModel model;
    EXPECT_EQ(model.curve->curveName, "QuadCurveName");
    EXPECT_TRUE(model.curve->quad.empty());
    EXPECT_TRUE(model.curve->lab.empty());

    model.loadComponent(Inkset::PSeriesPro10, 0, MediaType::Matte);
    const PSeriesPro10BlackInkModel pro10("Black Curve", MediaType::Matte);
    EXPECT_EQ(model.curve->quad, pro10.curveArray);
    EXPECT_EQ(model.curve->lab, pro10.labArray);

    // A second load replaces both tables entirely.
    model.loadComponent(Inkset::K5CarbonLcLm, 3, MediaType::Gloss);
    const EmptyInkModel empty("", MediaType::Gloss);
    EXPECT_EQ(model.curve->quad, empty.curveArray);
    EXPECT_EQ(model.curve->lab, empty.labArray);
    EXPECT_EQ(model.curve->curveName, "QuadCurveName");
}

} // namespace

} // namespace inks
