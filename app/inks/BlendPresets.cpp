#include "app/inks/BlendPresets.h"

#include "app/curves/core/PrintedLines.h"
#include "app/inks/TonerColorModel.h"
#include "platform/Log.h"

namespace inks {

namespace {

using PresetPercents = std::array<int, 9>; // in TonerPosition order

struct TonerPresetRow {
    curves::TonerType toner;
    curves::Inkset inkset;
    PresetPercents gloss;
    PresetPercents matte;
};

// Cyan, magenta and yellow, each at highlight, midtone and shadow.
constexpr TonerPresetRow presetRows[] = {
    {curves::TonerType::warm, curves::Inkset::UCK3, {0, 0, 0, 5, 5, 5, 2, 2, 2}, {0, 0, 0, 5, 14, 26, 23, 36, 64}},
    {curves::TonerType::warm, curves::Inkset::PSeriesK3, {0, 0, 0, 5, 5, 5, 2, 2, 2}, {0, 0, 0, 7, 4, 20, 4, 7, 10}},
    {curves::TonerType::warm,
     curves::Inkset::PSeriesPro10,
     {0, 0, 0, 14, 9, 17, 10, 4, 12},
     {0, 0, 0, 4, 7, 13, 4, 7, 23}},
    {curves::TonerType::warm, curves::Inkset::CCProHDMK3, {0, 0, 0, 5, 5, 5, 2, 2, 2}, {0, 0, 0, 0, 6, 16, 0, 0, 0}},
    {curves::TonerType::warmNeutral,
     curves::Inkset::UCK3,
     {13, 24, 4, 16, 19, 1, 0, 0, 0},
     {10, 6, 0, 10, 15, 20, 0, 0, 5}},
    {curves::TonerType::warmNeutral,
     curves::Inkset::PSeriesK3,
     {3, 15, 4, 21, 15, 0, 9, 7, 0},
     {10, 10, 8, 10, 10, 16, 0, 0, 0}},
    {curves::TonerType::warmNeutral,
     curves::Inkset::PSeriesPro10,
     {0, 16, 48, 8, 11, 37, 8, 0, 2},
     {17, 19, 0, 10, 15, 6, 0, 0, 13}},
    {curves::TonerType::warmNeutral,
     curves::Inkset::CCProHDMK3,
     {32, 24, 3, 24, 16, 2, 0, 0, 0},
     {21, 29, 32, 16, 29, 38, 0, 0, 0}},
    {curves::TonerType::neutral,
     curves::Inkset::UCK3,
     {58, 48, 20, 37, 29, 7, 0, 0, 0},
     {19, 24, 29, 15, 44, 72, 0, 0, 0}},
    {curves::TonerType::neutral,
     curves::Inkset::PSeriesK3,
     {54, 39, 21, 44, 21, 14, 0, 0, 0},
     {21, 29, 32, 16, 29, 38, 0, 0, 0}},
    {curves::TonerType::neutral,
     curves::Inkset::PSeriesPro10,
     {46, 36, 76, 32, 24, 60, 0, 0, 0},
     {45, 32, 3, 32, 27, 15, 0, 0, 0}},
    {curves::TonerType::neutral,
     curves::Inkset::CCProHDMK3,
     {58, 48, 20, 37, 29, 7, 0, 0, 0},
     {19, 72, 73, 20, 54, 41, 0, 0, 0}},
    {curves::TonerType::selenium,
     curves::Inkset::UCK3,
     {54, 50, 10, 52, 40, 25, 0, 0, 0},
     {16, 63, 100, 26, 78, 100, 0, 0, 0}},
    {curves::TonerType::selenium,
     curves::Inkset::PSeriesK3,
     {54, 50, 10, 52, 40, 25, 0, 0, 0},
     {25, 26, 20, 26, 47, 80, 0, 0, 0}},
    {curves::TonerType::selenium,
     curves::Inkset::PSeriesPro10,
     {49, 33, 80, 51, 32, 95, 0, 0, 0},
     {60, 50, 21, 44, 45, 43, 0, 0, 0}},
    {curves::TonerType::selenium,
     curves::Inkset::CCProHDMK3,
     {54, 50, 10, 52, 40, 25, 0, 0, 0},
     {16, 63, 100, 26, 78, 100, 0, 0, 0}},
};

const TonerPresetRow* findPresetRow(curves::TonerType toner, curves::Inkset inkset) {
    for (const auto& row : presetRows) {
        if (row.toner == toner && row.inkset == inkset) return &row;
    }
    return nullptr;
}

void writePercents(BlendingScreen& screen, const PresetPercents& percents) {
    for (std::size_t i = 0; i < tonerPositions.size(); ++i) {
        const TonerPosition position = tonerPositions[i];
        const int percent = percents[i];
        screen.setLimitLabelValue(position, percent);
        screen.setSliderValue(position, percent);
        screen.setFraction(position, percent / 100.0);
    }
}

// `missingLine` is what an ink set without rows prints.
void applyTonerTable(BlendingScreen& screen, curves::TonerType toner, std::string_view missingLine) {
    const TonerPresetRow* row = findPresetRow(toner, screen.inkset());
    if (!row) {
        platform::printToStandardOutput(missingLine);
        return;
    }
    const std::optional<std::string> title = screen.selectedMediaTitle();
    if (title == "Gloss") {
        writePercents(screen, row->gloss);
    } else if (title == "Matte") {
        writePercents(screen, row->matte);
    } else {
        resetTonerSliders(screen);
    }
}

} // namespace

void resetTonerSliders(BlendingScreen& screen) { writePercents(screen, PresetPercents{}); }

void applyWarmPreset(BlendingScreen& screen) {
    applyTonerTable(screen, curves::TonerType::warm, curves::printed::warmTonerMissing);
}

void applyWarmNeutralPreset(BlendingScreen& screen) {
    applyTonerTable(screen, curves::TonerType::warmNeutral, curves::printed::tonerMissing);
}

void applyNeutralPreset(BlendingScreen& screen) {
    applyTonerTable(screen, curves::TonerType::neutral, curves::printed::tonerMissing);
}

void applySeleniumPreset(BlendingScreen& screen) {
    applyTonerTable(screen, curves::TonerType::selenium, curves::printed::tonerMissing);
}

void applyTonerPresets(BlendingScreen& screen) {
    TonerColorModel& model = screen.blendModel();
    if (model.mediaType == curves::MediaType::Gravure || model.mediaType == curves::MediaType::DTPGravure) {
        resetTonerSliders(screen);
    } else {
        switch (screen.toner()) {
        case curves::TonerType::warm: applyWarmPreset(screen); break;
        case curves::TonerType::warmNeutral: applyWarmNeutralPreset(screen); break;
        case curves::TonerType::neutral: applyNeutralPreset(screen); break;
        case curves::TonerType::selenium: applySeleniumPreset(screen); break;
        case curves::TonerType::k3:
        case curves::TonerType::cool:
        case curves::TonerType::sepia:
        case curves::TonerType::custom: platform::printToStandardOutput(curves::printed::customToner); break;
        }
    }
    model.updateBlend();
    screen.renderBlendPreview();
    screen.refreshBlend();
}

} // namespace inks
