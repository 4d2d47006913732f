// The toner presets, driven through a scripted blending screen that records
// every control it is told to set.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "app/inks/BlendPresets.h"
#include "app/inks/TonerColorModel.h"
#include "platform/testing/LogCapture.h"

namespace inks {

using curves::Inkset;
using curves::MediaType;
using curves::TonerType;

namespace {

class ScriptedBlendingScreen : public BlendingScreen {
public:
    TonerColorModel model;
    Inkset screenInkset = Inkset::UCK3;
    TonerType screenToner = TonerType::warm;
    std::optional<std::string> mediaTitle = "Gloss";
    std::map<std::string, int> labels, sliders;
    std::map<std::string, double> fractions;
    std::vector<std::string> calls;

    ScriptedBlendingScreen() {
        for (TonerPosition position : tonerPositions) setAll(position, 77);
        calls.clear();
    }

    void setAll(TonerPosition position, int percent) {
        setLimitLabelValue(position, percent);
        setSliderValue(position, percent);
        setFraction(position, percent / 100.0);
    }

    TonerColorModel& blendModel() override { return model; }
    Inkset inkset() const override { return screenInkset; }
    TonerType toner() const override { return screenToner; }
    std::optional<std::string> selectedMediaTitle() const override { return mediaTitle; }

    void setLimitLabelValue(TonerPosition position, int percent) override {
        const std::string name(outletsOf(position).limitLabel);
        labels[name] = percent;
        calls.push_back(name);
    }
    void setSliderValue(TonerPosition position, int percent) override {
        const std::string name(outletsOf(position).slider);
        sliders[name] = percent;
        calls.push_back(name);
    }
    void setFraction(TonerPosition position, double fraction) override {
        const std::string name(outletsOf(position).fraction);
        fractions[name] = fraction;
        calls.push_back(name);
    }
    void renderBlendPreview() override { calls.push_back("renderBlendPreview"); }
    // As the screen does with a KCMY ink set: fractions into the model, then blend.
    void refreshBlend() override {
        calls.push_back("refreshBlend");
        model.cVec = {fractions["cHP"], fractions["cMP"], fractions["cSP"]};
        model.mVec = {fractions["mHP"], fractions["mMP"], fractions["mSP"]};
        model.yVec = {fractions["yHP"], fractions["yMP"], fractions["ySP"]};
        model.updateBlend();
    }

    // Cyan, magenta, yellow at highlight, midtone, shadow, as the sliders show them.
    std::vector<int> sliderPercents() const {
        std::vector<int> percents;
        for (TonerPosition position : tonerPositions) {
            percents.push_back(sliders.at(std::string(outletsOf(position).slider)));
        }
        return percents;
    }
};

using Percents = std::vector<int>;

// Cyan | magenta | yellow, each highlight / midtone / shadow in whole percent.
struct PresetCase {
    TonerType toner;
    Inkset inkset;
    const char* gloss;
    const char* matte;
};

const PresetCase presetCases[] = {
    {TonerType::warm, Inkset::UCK3, "0 / 0 / 0 | 5 / 5 / 5 | 2 / 2 / 2", "0 / 0 / 0 | 5 / 14 / 26 | 23 / 36 / 64"},
    {TonerType::warm, Inkset::PSeriesK3, "0 / 0 / 0 | 5 / 5 / 5 | 2 / 2 / 2", "0 / 0 / 0 | 7 / 4 / 20 | 4 / 7 / 10"},
    {TonerType::warm, Inkset::PSeriesPro10, "0 / 0 / 0 | 14 / 9 / 17 | 10 / 4 / 12",
     "0 / 0 / 0 | 4 / 7 / 13 | 4 / 7 / 23"},
    {TonerType::warm, Inkset::CCProHDMK3, "0 / 0 / 0 | 5 / 5 / 5 | 2 / 2 / 2", "0 / 0 / 0 | 0 / 6 / 16 | 0 / 0 / 0"},
    {TonerType::warmNeutral, Inkset::UCK3, "13 / 24 / 4 | 16 / 19 / 1 | 0 / 0 / 0",
     "10 / 6 / 0 | 10 / 15 / 20 | 0 / 0 / 5"},
    {TonerType::warmNeutral, Inkset::PSeriesK3, "3 / 15 / 4 | 21 / 15 / 0 | 9 / 7 / 0",
     "10 / 10 / 8 | 10 / 10 / 16 | 0 / 0 / 0"},
    {TonerType::warmNeutral, Inkset::PSeriesPro10, "0 / 16 / 48 | 8 / 11 / 37 | 8 / 0 / 2",
     "17 / 19 / 0 | 10 / 15 / 6 | 0 / 0 / 13"},
    {TonerType::warmNeutral, Inkset::CCProHDMK3, "32 / 24 / 3 | 24 / 16 / 2 | 0 / 0 / 0",
     "21 / 29 / 32 | 16 / 29 / 38 | 0 / 0 / 0"},
    {TonerType::neutral, Inkset::UCK3, "58 / 48 / 20 | 37 / 29 / 7 | 0 / 0 / 0",
     "19 / 24 / 29 | 15 / 44 / 72 | 0 / 0 / 0"},
    {TonerType::neutral, Inkset::PSeriesK3, "54 / 39 / 21 | 44 / 21 / 14 | 0 / 0 / 0",
     "21 / 29 / 32 | 16 / 29 / 38 | 0 / 0 / 0"},
    {TonerType::neutral, Inkset::PSeriesPro10, "46 / 36 / 76 | 32 / 24 / 60 | 0 / 0 / 0",
     "45 / 32 / 3 | 32 / 27 / 15 | 0 / 0 / 0"},
    {TonerType::neutral, Inkset::CCProHDMK3, "58 / 48 / 20 | 37 / 29 / 7 | 0 / 0 / 0",
     "19 / 72 / 73 | 20 / 54 / 41 | 0 / 0 / 0"},
    {TonerType::selenium, Inkset::UCK3, "54 / 50 / 10 | 52 / 40 / 25 | 0 / 0 / 0",
     "16 / 63 / 100 | 26 / 78 / 100 | 0 / 0 / 0"},
    {TonerType::selenium, Inkset::PSeriesK3, "54 / 50 / 10 | 52 / 40 / 25 | 0 / 0 / 0",
     "25 / 26 / 20 | 26 / 47 / 80 | 0 / 0 / 0"},
    {TonerType::selenium, Inkset::PSeriesPro10, "49 / 33 / 80 | 51 / 32 / 95 | 0 / 0 / 0",
     "60 / 50 / 21 | 44 / 45 / 43 | 0 / 0 / 0"},
    {TonerType::selenium, Inkset::CCProHDMK3, "54 / 50 / 10 | 52 / 40 / 25 | 0 / 0 / 0",
     "16 / 63 / 100 | 26 / 78 / 100 | 0 / 0 / 0"},
};

Percents percentsOf(const char* row) {
    Percents percents;
    std::istringstream words(row);
    std::string word;
    while (words >> word) {
        if (word != "/" && word != "|") percents.push_back(std::stoi(word));
    }
    return percents;
}

void expectApplied(const ScriptedBlendingScreen& screen, const Percents& percents) {
    EXPECT_EQ(screen.sliderPercents(), percents);
    std::size_t i = 0;
    for (TonerPosition position : tonerPositions) {
        const auto outlets = outletsOf(position);
        EXPECT_EQ(screen.labels.at(std::string(outlets.limitLabel)), percents[i]);
        EXPECT_EQ(screen.fractions.at(std::string(outlets.fraction)), percents[i] / 100.0);
        ++i;
    }
}

TEST(BlendPresets, EveryTonerInksetAndMedia) {
    for (const auto& preset : presetCases) {
        for (const char* title : {"Gloss", "Matte"}) {
            SCOPED_TRACE(testing::Message() << "toner " << static_cast<int>(preset.toner) << " ink set "
                                            << static_cast<int>(preset.inkset) << " " << title);
            ScriptedBlendingScreen screen;
            screen.screenToner = preset.toner;
            screen.screenInkset = preset.inkset;
            screen.mediaTitle = title;
            applyTonerPresets(screen);
            expectApplied(screen, percentsOf(std::string(title) == "Gloss" ? preset.gloss : preset.matte));
        }
    }
}

TEST(BlendPresets, WritesLabelSliderFractionPerPositionThenBlends) {
    ScriptedBlendingScreen screen;
    screen.screenToner = TonerType::neutral;
    applyTonerPresets(screen);
    const std::vector<std::string> firstCalls(screen.calls.begin(), screen.calls.begin() + 6);
    EXPECT_EQ(firstCalls, (std::vector<std::string>{"cyanHighlightLimitLabel", "cyanHighlightSlider", "cHP",
                                                    "cyanMidtoneLimitLabel", "cyanMidtoneSlider", "cMP"}));
    ASSERT_EQ(screen.calls.size(), 29u);
    EXPECT_EQ(screen.calls[26], "ySP");
    EXPECT_EQ(screen.calls[27], "renderBlendPreview");
    EXPECT_EQ(screen.calls[28], "refreshBlend");
    EXPECT_EQ(screen.fractions["cHP"], 0.58);
    // The refresh carried the preset into the blend.
    EXPECT_EQ(screen.model.cVec, (std::vector<double>{0.58, 0.48, 0.20}));
    EXPECT_EQ(screen.model.blendedCIELab.size(), 21u);
}

TEST(BlendPresets, GravureMediaResetEverythingWhateverTheToner) {
    for (MediaType media : {MediaType::Gravure, MediaType::DTPGravure}) {
        for (TonerType toner : {TonerType::warm, TonerType::selenium, TonerType::cool, TonerType::custom}) {
            ScriptedBlendingScreen screen;
            screen.model.mediaType = media;
            screen.screenToner = toner;
            applyTonerPresets(screen);
            expectApplied(screen, Percents(9, 0));
            EXPECT_EQ(screen.calls.back(), "refreshBlend");
        }
    }
}

TEST(BlendPresets, TonersWithoutATableKeepTheControls) {
    for (TonerType toner : {TonerType::k3, TonerType::cool, TonerType::sepia, TonerType::custom}) {
        platform::LogCapture log;
        ScriptedBlendingScreen screen;
        screen.screenToner = toner;
        applyTonerPresets(screen);
        EXPECT_EQ(log.standardOutputLines(), std::vector<std::string>{"set custom"});
        expectApplied(screen, Percents(9, 77));
        EXPECT_EQ(screen.calls, (std::vector<std::string>{"renderBlendPreview", "refreshBlend"}));
    }
}

TEST(BlendPresets, InksetsWithoutRowsPrintAndKeepTheControls) {
    const std::pair<TonerType, const char*> cases[] = {
        {TonerType::warm, "set custom toner"},
        {TonerType::warmNeutral, "should never reach this point"},
        {TonerType::neutral, "should never reach this point"},
        {TonerType::selenium, "should never reach this point"},
    };
    for (const auto& [toner, line] : cases) {
        for (Inkset inkset : {Inkset::K5LcLmY, Inkset::K5CarbonLcLm, Inkset::PiezoProK4, Inkset::Custom}) {
            platform::LogCapture log;
            ScriptedBlendingScreen screen;
            screen.screenToner = toner;
            screen.screenInkset = inkset;
            applyTonerPresets(screen);
            EXPECT_EQ(log.standardOutputLines(), std::vector<std::string>{line});
            expectApplied(screen, Percents(9, 77));
        }
    }
}

TEST(BlendPresets, OtherMediaTitlesReset) {
    for (std::optional<std::string> title :
         {std::optional<std::string>("Gravure"), std::optional<std::string>("gloss"), std::optional<std::string>()}) {
        ScriptedBlendingScreen screen;
        screen.screenToner = TonerType::selenium;
        screen.mediaTitle = title;
        applyTonerPresets(screen);
        expectApplied(screen, Percents(9, 0));
    }
}

TEST(BlendPresets, SeleniumMatteShadowDrivesYellowNegative) {
    ScriptedBlendingScreen screen;
    screen.screenToner = TonerType::selenium;
    screen.mediaTitle = "Matte";
    screen.model.mediaType = MediaType::Matte;
    applyTonerPresets(screen);
    EXPECT_EQ(screen.model.cVec[2], 1.0);
    EXPECT_EQ(screen.model.mVec[2], 1.0);
    // With the shadow sum at 2 every colour is lowered by 1/3 there; the last
    // Lab step lies close to the shadow, so yellow is already below zero.
    EXPECT_LT(screen.model.yellowPercentScale[20], 0.0);
}

TEST(BlendPresets, ResetWritesZeroEverywhere) {
    ScriptedBlendingScreen screen;
    resetTonerSliders(screen);
    expectApplied(screen, Percents(9, 0));
    EXPECT_EQ(screen.calls.size(), 27u);
}

} // namespace

} // namespace inks
