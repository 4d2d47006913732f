// Saving a blend for every printer model through the save panel, reading
// the file back with the product's .quad reader and linearizing it with the
// linearization screen's model.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "app/curves/InkList.h"
#include "app/curves/LinearizationDataModel.h"
#include "app/curves/MeasurementFile.h"
#include "app/curves/Resampling.h"
#include "tests/support/scratch_files.h"
#include "tests/ui/BlendingScreenTestSupport.h"

namespace appui {
namespace {

using test_support::ScratchDirectory;
using uitest::BlendingScreenFixture;

struct SaveCase {
    int printerTag;
    const char* header;
    std::vector<std::string> channels;
    std::size_t zeroChannels; // at the end, appended for the printer model
};

std::vector<SaveCase> saveCases() {
    const curves::InkList lists;
    return {
        {0, "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK", lists.inkListfor8Ink, 0},
        {1, "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK,OR,GR", lists.inkListfor10Ink, 2},
        {2, "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK", lists.inkListfor8Ink, 0},
        {3, "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK,V,MK", lists.inkListforPro10Ink, 2},
        {4, "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK", lists.inkListfor8Ink, 0},
        {5, "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK,OR,GR", lists.inkListfor10Ink, 2},
    };
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
        SCOPED_TRACE("printer tag " + std::to_string(c.printerTag));
        ScratchDirectory dir;
        BlendingScreenFixture f;
        f.choose("printerModelSelectionMenu", c.printerTag);
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
        ASSERT_TRUE(back.load(curves::QuadDataFile::linesFromText(text)));
        EXPECT_EQ(back.inkList, c.channels);
        ASSERT_TRUE(back.inputQuadCurveArray);
        const auto& curves = *back.inputQuadCurveArray;
        ASSERT_EQ(curves.size(), c.channels.size());
        const std::size_t fromBlend = c.channels.size() - c.zeroChannels;
        for (std::size_t ch = 0; ch < curves.size(); ++ch) {
            ASSERT_EQ(curves[ch].size(), 256u);
            for (std::size_t i = 0; i < 256; ++i) {
                // Whole quad units kept to 0 to 65535 (the blend dips just below 0 in places).
                const double expected =
                    ch < fromBlend ? std::stod(curves::QuadDataFile::quadValueText(blended[ch][i])) : 0.0;
                ASSERT_EQ(curves[ch][i], expected) << c.channels[ch] << " at " << i;
            }
        }
        EXPECT_TRUE(std::any_of(curves[0].begin(), curves[0].end(), [](double v) { return v > 0; })) << "K prints";

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
        ASSERT_TRUE(exported.load(curves::QuadDataFile::linesFromText(back.quadText(*linearized))));
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
        EXPECT_NE((*linearized)[0], curves[0]) << "the too dark midtones are corrected";
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

} // namespace
} // namespace appui
