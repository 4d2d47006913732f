// Saving a blend for every printer model through the save panel, reading
// the file back with the product's .quad reader and linearizing it with the
// linearization screen's model.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "app/curves/core/InkList.h"
#include "app/curves/linearization/LinearizationDataModel.h"
#include "app/curves/math/Resampling.h"
#include "app/curves/measurements/MeasurementFile.h"
#include "app/ui/widgets/PopUpItems.h"
#include "tests/support/scratch_files.h"
#include "tests/ui/blending_screen_support.h"

namespace appui {
namespace {

using test_support::ScratchDirectory;
using uitest::BlendingScreenFixture;

struct SaveCase {
    int printerTag;
    int media; // the media pop-up's item
    const char* header;
    std::vector<std::string> channels;
    std::vector<std::size_t> emptyChannels; // channels the file holds with no ink
    std::size_t blackChannel;               // where the black of the blend goes
};

std::vector<SaveCase> saveCases() {
    const curves::InkList lists;
    return {
        {0, 0, "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK", lists.inkListfor8Ink, {}, 0},
        {1, 0, "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK,OR,GR", lists.inkListfor10Ink, {8, 9}, 0},
        {2, 0, "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK", lists.inkListfor8Ink, {}, 0},
        {3, 0, "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK,V,MK", lists.inkListforPro10Ink, {8, 9}, 0},
        // On matte paper the ten-channel ink set prints its black as MK: the
        // file carries the blend's own V and MK, not zeros.
        {3, 1, "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK,V,MK", lists.inkListforPro10Ink, {0, 8}, 9},
        {4, 0, "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK", lists.inkListfor8Ink, {}, 0},
        {5, 0, "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK,OR,GR", lists.inkListfor10Ink, {8, 9}, 0},
    };
}

bool inked(const std::vector<double>& curve) {
    return std::any_of(curve.begin(), curve.end(), [](double v) { return v != 0; });
}

// A 21-step wedge as a photographer's Lab list, midtones printed too dark.
std::shared_ptr<curves::MeasurementFile> madeWedge() {
    std::string text = "GRAY\tLAB_L\tLAB_A\tLAB_B\n";
    for (int step = 0; step <= 20; ++step) {
        const double gray = step * 5.0;
        const double L = 95 - 80 * std::pow(gray / 100, 0.75);
        text += std::to_string(gray) + "\t" + std::to_string(L) + "\t0.10\t-1.00\n";
    }
    return curves::measurementFileFromBytes(text, "wedge.txt");
}

TEST(BlendingScreenSave, EveryPrinterModelWritesItsHeaderChannelsAndZeroChannelsThatReadBackAndLinearize) {
    for (const auto& c : saveCases()) {
        SCOPED_TRACE("printer tag " + std::to_string(c.printerTag) + ", media " + std::to_string(c.media));
        ScratchDirectory dir;
        BlendingScreenFixture f;
        f.choose("printerModelSelectionMenu", c.printerTag);
        f.choose("mediaTypePopupMenu", c.media);
        f.drag("yellowMidtoneSlider", 20); // every colour channel of the ink set prints
        f.drag("cyanMidtoneSlider", 35);
        BlendingScreenFixture::turn(); // the notes follow one turn later
        const auto blended = f.screen->KCMYtoningBlend->blendedCurve;

        const auto file = dir.file("blend.quad");
        f.services.savePanel->answers.push_back(file);
        f.screen->saveQuadButtonPressed();
        ASSERT_EQ(f.services.savePanel->requests.size(), 1u);
        EXPECT_EQ(f.services.savePanel->requests.front().allowedFileTypes, std::vector<std::string>{"quad"});
        EXPECT_EQ(f.screen->KCMYtoningBlend->blendedCurve, blended) << "the model keeps its own curves";

        const std::string text = test_support::readBytes(file);
        ASSERT_FALSE(text.empty());
        EXPECT_NE(text.back(), '\n');
        EXPECT_EQ(text.substr(0, text.find('\n')), c.header);
        const std::string cyanLine =
            QString::asprintf("\n# Cyan Settings: %.2f, 0.35, %.2f\n", f.screen->cHP, f.screen->cSP).toStdString();
        EXPECT_NE(text.find(cyanLine), std::string::npos) << "the summary is the notes";

        curves::QuadDataFile back;
        ASSERT_TRUE(back.load(curves::quadtext::linesFromText(text)));
        EXPECT_EQ(back.inkList, c.channels);
        ASSERT_TRUE(back.inputQuadCurveArray);
        const auto& curves = *back.inputQuadCurveArray;
        ASSERT_EQ(curves.size(), c.channels.size());
        for (std::size_t ch = 0; ch < curves.size(); ++ch) {
            ASSERT_EQ(curves[ch].size(), 256u);
            for (std::size_t i = 0; i < 256; ++i) {
                // Whole quad units kept to 0 to 65535 (the blend dips just below 0 in places).
                const double expected =
                    ch < blended.size() ? std::stod(curves::quadtext::valueText(blended[ch][i])) : 0.0;
                ASSERT_EQ(curves[ch][i], expected) << c.channels[ch] << " at " << i;
            }
            const bool empty = std::find(c.emptyChannels.begin(), c.emptyChannels.end(), ch) != c.emptyChannels.end();
            EXPECT_EQ(inked(curves[ch]), !empty) << c.channels[ch];
        }
        EXPECT_TRUE(inked(curves[c.blackChannel])) << c.channels[c.blackChannel] << " prints the black";

        // The linearization screen's model takes the file as its quad.
        curves::v2LinearizationDataModel model;
        model.stepArray = curves::linspace(256, 0, 100);
        const auto wedge = madeWedge();
        ASSERT_TRUE(wedge);
        ASSERT_TRUE(model.loadMeasurements(*wedge));
        model.resetTargets();
        model.updateCorrection();
        model.quadData = std::make_shared<curves::QuadDataFile>(back);
        const auto linearized = model.linearizedQuadCurves();
        ASSERT_TRUE(linearized);
        ASSERT_EQ(linearized->size(), curves.size());
        // As the linearization screen exports it: whole quad values, unused inks unused.
        curves::QuadDataFile exported;
        ASSERT_TRUE(exported.load(curves::quadtext::linesFromText(back.quadText(*linearized))));
        const auto& out = *exported.inputQuadCurveArray;
        ASSERT_EQ(out.size(), curves.size());
        for (std::size_t ch = 0; ch < curves.size(); ++ch) {
            const bool unused = std::all_of(curves[ch].begin(), curves[ch].end(), [](double v) { return v == 0; });
            for (double v : out[ch]) {
                ASSERT_GE(v, 0);
                ASSERT_LE(v, 65535);
                if (unused) {
                    ASSERT_EQ(v, 0) << c.channels[ch];
                }
            }
        }
        EXPECT_NE((*linearized)[c.blackChannel], curves[c.blackChannel]) << "the too dark midtones are corrected";
    }
}

TEST(BlendingScreenSave, ACancelledPanelWritesNothingAndChangesNothing) {
    ScratchDirectory dir;
    BlendingScreenFixture f;
    f.screen->saveQuadButtonPressed();
    ASSERT_TRUE(f.services.savePanel->hasPending());
    f.services.savePanel->cancel();
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
    EXPECT_EQ(f.screen->printerModelSelection, 8);
    EXPECT_EQ(f.screen->KCMYtoningBlend->blendedCurve.size(), 8u);
}

// The file a printer model's save writes, as the printer pop-up shows it.
struct ShownPrinterFile {
    std::string header;
    std::vector<std::string> channels;
};

ShownPrinterFile fileForShownPrinter(const QComboBox* printer) {
    const curves::InkList lists;
    const ShownPrinterFile eight{lists.headerInfoFor8Ink, lists.inkListfor8Ink};
    const ShownPrinterFile ten{lists.headerInfoFor10Ink, lists.inkListfor10Ink};
    const ShownPrinterFile pro10{lists.headerInfoForPro10Ink, lists.inkListforPro10Ink};
    const ShownPrinterFile byTag[] = {eight, ten, eight, pro10, eight, ten};
    return byTag[static_cast<std::size_t>(selectedTag(printer).value())];
}

// The blend's channel names: the ten-channel ink set adds V and MK.
std::vector<std::string> blendNames(std::size_t count) {
    const curves::InkList lists;
    return count == 10 ? lists.inkListforPro10Ink : lists.inkListfor8Ink;
}

TEST(BlendingScreenSave, EveryPrinterInkSetAndMediaKeepsEachInkedChannelUnderItsNameOrSavesNothingAndSaysWhy) {
    const char* const inkNames[] = {"K", "C", "M", "Y", "LC", "LM", "LK", "LLK", "V", "MK"};
    int saves = 0;
    std::vector<std::string> refusals;
    for (const bool printerFirst : {true, false}) {
        for (int printer = 0; printer < 6; ++printer) {
            for (int inkSet = 0; inkSet < 4; ++inkSet) {
                ScratchDirectory dir;
                BlendingScreenFixture f;
                if (printerFirst) f.choose("printerModelSelectionMenu", printer);
                f.choose("inkSetPopupSelectionMenu", inkSet);
                if (!printerFirst) f.choose("printerModelSelectionMenu", printer);
                for (int media = 0; media < 4; ++media) {
                    const std::string what =
                        std::string(printerFirst ? "printer " : "ink set ") +
                        (printerFirst ? std::to_string(printer) + ", ink set " + std::to_string(inkSet)
                                      : std::to_string(inkSet) + ", printer " + std::to_string(printer)) +
                        ", media " + std::to_string(media);
                    SCOPED_TRACE(what);
                    f.choose("mediaTypePopupMenu", media);
                    f.drag("cyanMidtoneSlider", 35);
                    f.drag("yellowMidtoneSlider", 20);
                    const auto& blend = f.screen->KCMYtoningBlend->blendedCurve;
                    const auto names = blendNames(blend.size());
                    ASSERT_EQ(names.size(), blend.size());
                    const ShownPrinterFile expected = fileForShownPrinter(f.popUp("printerModelSelectionMenu"));
                    std::vector<std::string> lost; // inked channels the shown printer's file has no place for
                    for (std::size_t ch = 0; ch < blend.size(); ++ch)
                        if (std::any_of(blend[ch].begin(), blend[ch].end(), [](double v) { return v >= 1; }) &&
                            std::find(expected.channels.begin(), expected.channels.end(), names[ch]) ==
                                expected.channels.end())
                            lost.push_back(inkNames[ch]);

                    const auto file = dir.file("blend" + std::to_string(media) + ".quad");
                    const std::size_t requests = f.services.savePanel->requests.size();
                    const std::size_t alerts = f.services.alerts->shown.size();
                    f.services.savePanel->answers.assign({file});
                    f.screen->saveQuadButtonPressed();

                    if (!lost.empty()) {
                        refusals.push_back(what);
                        EXPECT_EQ(f.services.savePanel->requests.size(), requests) << "no save panel";
                        EXPECT_FALSE(std::filesystem::exists(file));
                        ASSERT_EQ(f.services.alerts->shown.size(), alerts + 1);
                        const auto& alert = f.services.alerts->shown.back();
                        EXPECT_EQ(alert.messageText, "The blend cannot be saved for this printer model");
                        for (const auto& ink : lost)
                            EXPECT_NE(alert.informativeText.find("ink in " + ink + ","), std::string::npos)
                                << alert.informativeText;
                        EXPECT_NE(alert.informativeText.find("nothing was saved"), std::string::npos);
                        EXPECT_NE(alert.informativeText.find("Choose “P-series Pro 10-channel printer”"),
                                  std::string::npos)
                            << "the printer model whose file holds the blend";
                        continue;
                    }
                    ++saves;
                    EXPECT_EQ(f.services.alerts->shown.size(), alerts);
                    ASSERT_EQ(f.services.savePanel->requests.size(), requests + 1);
                    const std::string text = test_support::readBytes(file);
                    EXPECT_EQ(text.substr(0, text.find('\n')), expected.header);
                    curves::QuadDataFile back;
                    ASSERT_TRUE(back.load(curves::quadtext::linesFromText(text)));
                    EXPECT_EQ(back.printerInfo, expected.header);
                    ASSERT_EQ(back.inkList, expected.channels);
                    const auto& read = *back.inputQuadCurveArray;
                    ASSERT_EQ(read.size(), expected.channels.size());
                    // Each channel of the file holds the blend's channel of that name, or nothing.
                    for (std::size_t ch = 0; ch < read.size(); ++ch) {
                        const auto own = std::find(names.begin(), names.end(), expected.channels[ch]);
                        for (std::size_t i = 0; i < 256; ++i) {
                            const double want = own == names.end()
                                                    ? 0.0
                                                    : std::stod(curves::quadtext::valueText(
                                                          blend[static_cast<std::size_t>(own - names.begin())][i]));
                            ASSERT_EQ(read[ch][i], want) << expected.channels[ch] << " at " << i;
                        }
                    }
                }
            }
        }
    }
    // Every printer model blends with the ink set its pop-ups show, so each
    // file has a place for every inked channel: the other 8- and 10-channel
    // printer models, chosen after the ten-channel ink set, blend with
    // PSeries K3 and no longer keep its MK black.
    EXPECT_EQ(refusals, std::vector<std::string>{});
    EXPECT_EQ(saves, 2 * 6 * 4 * 4);
}

} // namespace
} // namespace appui
