// The blending screen offscreen, by its controls' object names: start-up,
// the tone and c0/c1 sliders, the read-outs and summary, the pop-ups and the
// a*/b* graph data.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QPushButton>
#include <QTest>

#include "Charts/types/line/LineChartData.h"
#include "Charts/types/line/LineChartDataSet.h"
#include "Charts/types/line/LineChartView.h"
#include "app/ui/blending/QuadCurveGraphPanelController.h"
#include "app/ui/editors/CustomCurveEditorVC.h"
#include "app/ui/graphs/InkPercentGraph.h"
#include "app/ui/graphs/LabABGraphData.h"
#include "app/ui/graphs/QuadCurveGraph.h"
#include "app/ui/widgets/ColorSampleView.h"
#include "app/ui/widgets/InkDisplayColors.h"
#include "app/ui/widgets/PopUpItems.h"
#include "tests/support/scratch_files.h"
#include "tests/ui/blending_screen_support.h"

namespace appui {
namespace {

using test_support::ScratchDirectory;
using uitest::BlendingScreenFixture;

const char* const toneSliders[] = {"cyanHighlightSlider",    "cyanMidtoneSlider",    "cyanShadowSlider",
                                   "magentaHighlightSlider", "magentaMidtoneSlider", "magentaShadowSlider",
                                   "yellowHighlightSlider",  "yellowMidtoneSlider",  "yellowShadowSlider"};
const char* const toneLabels[] = {"cyanHighlightLimitLabel", "cyanMidtoneLimitLabel", "cyanShadowLimitLabel",
                                  "mHighlightLabel",         "mMidtoneLabel",         "mShadowLabel",
                                  "yHighlightLabel",         "yMidtoneLabel",         "yShadowLabel"};

std::array<int, 9> sliderPositions(const BlendingScreenFixture& f) {
    std::array<int, 9> positions{};
    for (std::size_t i = 0; i < 9; ++i) positions[i] = f.slider(toneSliders[i])->value();
    return positions;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        result.push_back(text.substr(start, end - start));
    result.push_back(text.substr(start));
    return result;
}

TEST(BlendingScreen, StartsOnTheFirstPrinterWithTheNeutralPresetAndItsSummaryAfterOneTurn) {
    BlendingScreenFixture f;
    auto& screen = *f.screen;
    EXPECT_EQ(f.popUp("printerModelSelectionMenu")->currentIndex(), 0);
    EXPECT_EQ(f.popUp("inkSetPopupSelectionMenu")->currentIndex(), 0);
    EXPECT_EQ(screen.inkset(), curves::Inkset::UCK3);
    EXPECT_EQ(screen.KCMYtoningBlend->inkset, curves::Inkset::UCK3);
    EXPECT_EQ(screen.printerModelSelection, 8);
    EXPECT_EQ(screen.toner(), curves::TonerType::neutral);

    QComboBox* toner = f.popUp("tonerSelectionPopupMenu");
    QStringList titles;
    for (int i = 0; i < toner->count(); ++i) titles << toner->itemText(i);
    EXPECT_EQ(titles, QStringList({"Custom", "Neutral", "Warm Neutral", "Warm", "Selenium"}));
    EXPECT_EQ(toner->currentText(), QStringLiteral("Neutral"));

    // The neutral preset of the first ink set on gloss, on sliders and labels.
    const std::array<int, 9> neutralGloss{58, 48, 20, 37, 29, 7, 0, 0, 0};
    EXPECT_EQ(sliderPositions(f), neutralGloss);
    for (std::size_t i = 0; i < 9; ++i)
        EXPECT_EQ(f.text(toneLabels[i]), QString::number(neutralGloss[i])) << toneLabels[i];
    EXPECT_DOUBLE_EQ(screen.cHP, 0.58);
    EXPECT_DOUBLE_EQ(screen.mSP, 0.07);

    // The read-outs wait for the event loop.
    EXPECT_EQ(f.text("highlightLabLLabel"), QString());
    EXPECT_EQ(f.notes(), "");
    BlendingScreenFixture::turn();
    const auto summary = lines(f.notes());
    ASSERT_EQ(summary.size(), 6u) << f.notes();
    EXPECT_EQ(summary[0].rfind("25%: L: ", 0), 0u);
    EXPECT_EQ(summary[1].rfind("50%: L: ", 0), 0u);
    EXPECT_EQ(summary[2].rfind("75%: L: ", 0), 0u);
    EXPECT_EQ(summary[3], "Cyan Settings: 0.58, 0.48, 0.20");
    EXPECT_EQ(summary[4], "Magenta Settings: 0.37, 0.29, 0.07");
    EXPECT_EQ(summary[5], "Yellow Settings: 0.00, 0.00, 0.00");
    EXPECT_NE(f.notes().back(), '\n');

    const auto& ramp = screen.KCMYtoningBlend->blendedCIELab;
    ASSERT_EQ(ramp.size(), 21u);
    EXPECT_EQ(f.text("highlightLabLLabel"), QString::asprintf("L*: %.2f", ramp[5].L));
    EXPECT_EQ(f.text("highlightLabALabel"), QString::asprintf("a*: %.2f", ramp[5].a));
    EXPECT_EQ(f.text("highlightLabBLabel"), QString::asprintf("b*: %.2f", ramp[5].b));
    EXPECT_EQ(f.text("midtoneLabLLabel"), QString::asprintf("%.2f", ramp[10].L));
    EXPECT_EQ(f.text("shadowLabBLabel"), QString::asprintf("%.2f", ramp[15].b));
    EXPECT_EQ(summary[0],
              QString::asprintf("25%%: L: %.2f a: %.2f b: %.2f", ramp[5].L, ramp[5].a, ramp[5].b).toStdString());

    // The ink list is there from the start, and the blend was posted.
    EXPECT_EQ(screen.quadData->inkList, curves::InkList().inkListfor8Ink);
    ASSERT_FALSE(f.posted.objects().empty());
    EXPECT_EQ(f.posted.last<BlendedCurvesPayload>(), screen.KCMYtoningBlend->blendedCurve);
    EXPECT_EQ(f.posted.last<BlendedCurvesPayload>().size(), 8u);
    EXPECT_EQ(f.find<ColorSampleView>("blendedSampleView")->colorSamples, ramp);
    EXPECT_FALSE(f.find<QGroupBox>("kcmyToneCotrolStackView")->isHidden());
    EXPECT_TRUE(f.find<QGroupBox>("DualQuadToneControlStackView")->isHidden());
}

TEST(BlendingScreen, ATonerSliderMoveShowsItsValueSwitchesToCustomAndRecomputes) {
    BlendingScreenFixture f;
    BlendingScreenFixture::turn();
    const auto before = f.screen->KCMYtoningBlend->blendedCurve;
    const std::string notesBefore = f.notes();
    const QString labelBefore = f.text("highlightLabLLabel");
    f.posted.clear();

    f.drag("cyanHighlightSlider", 30);
    EXPECT_DOUBLE_EQ(f.screen->cHP, 0.3);
    EXPECT_EQ(f.text("cyanHighlightLimitLabel"), QStringLiteral("30"));
    EXPECT_EQ(f.popUp("tonerSelectionPopupMenu")->currentText(), QStringLiteral("Custom"));
    EXPECT_EQ(f.screen->toner(), curves::TonerType::neutral) << "only the pop-up shows Custom";
    EXPECT_EQ(f.posted.objects().size(), 1u);
    EXPECT_NE(f.screen->KCMYtoningBlend->blendedCurve, before);
    EXPECT_EQ(f.notes(), notesBefore) << "until the queued update runs";
    EXPECT_EQ(f.text("highlightLabLLabel"), labelBefore);

    BlendingScreenFixture::turn();
    EXPECT_EQ(lines(f.notes())[3], "Cyan Settings: 0.30, 0.48, 0.20");
    EXPECT_NE(f.text("highlightLabLLabel"), labelBefore);

    // Keys move it too.
    QTest::keyClick(f.slider("magentaShadowSlider"), Qt::Key_Right);
    EXPECT_EQ(f.text("mShadowLabel"), QStringLiteral("8"));
    EXPECT_DOUBLE_EQ(f.screen->mSP, 0.08);
}

TEST(BlendingScreen, ValuesSetInCodeStartNoActionAndEveryToneSliderWritesItsOwnFraction) {
    BlendingScreenFixture f;
    f.posted.clear();
    f.slider("cyanHighlightSlider")->setValue(10);
    EXPECT_EQ(f.popUp("tonerSelectionPopupMenu")->currentText(), QStringLiteral("Neutral"));
    EXPECT_TRUE(f.posted.objects().empty());
    EXPECT_DOUBLE_EQ(f.screen->cHP, 0.58);

    const double* fractions[] = {&f.screen->cHP, &f.screen->cMP, &f.screen->cSP, &f.screen->mHP, &f.screen->mMP,
                                 &f.screen->mSP, &f.screen->yHP, &f.screen->yMP, &f.screen->ySP};
    for (std::size_t i = 0; i < 9; ++i) {
        f.drag(toneSliders[i], 41 + static_cast<int>(i));
        EXPECT_DOUBLE_EQ(*fractions[i], (41 + static_cast<double>(i)) / 100) << toneSliders[i];
        EXPECT_EQ(f.text(toneLabels[i]), QString::number(41 + i)) << toneLabels[i];
    }
    EXPECT_EQ(f.posted.objects().size(), 9u);
    EXPECT_EQ(f.screen->KCMYtoningBlend->yVec, (std::vector<double>{0.47, 0.48, 0.49}));
}

struct PairCase {
    int position;
    int ownLabel;
    int other;
};

TEST(BlendingScreen, PairedSlidersMoveEachOtherFromTheTruncatedStoredFraction) {
    const PairCase cases[] = {{30, 30, 70}, {29, 28, 72},  {57, 56, 44}, {58, 57, 43},
                              {0, 0, 100},  {100, 100, 0}, {1, 1, 99},   {50, 50, 50}};
    const char* const points[] = {"Highlight", "Midtone", "Shadow"};
    BlendingScreenFixture f;
    for (const char* point : points) {
        const std::string c0 = std::string("c0") + point, c1 = std::string("c1") + point;
        for (const auto& c : cases) {
            f.popUp("tonerSelectionPopupMenu")->setCurrentIndex(1);
            const auto blend = f.screen->KCMYtoningBlend->blendedCurve;
            f.posted.clear();
            f.drag((c0 + "Slider").c_str(), c.position);
            EXPECT_EQ(f.text((c0 + "LimitLabel").c_str()), QString::number(c.ownLabel)) << c0 << " " << c.position;
            EXPECT_EQ(f.slider((c1 + "Slider").c_str())->value(), c.other) << c0 << " " << c.position;
            EXPECT_EQ(f.text((c1 + "LimitLabel").c_str()), QString::number(c.other)) << c0 << " " << c.position;
            EXPECT_EQ(f.popUp("tonerSelectionPopupMenu")->currentIndex(), 0) << "a c0 move selects Custom";
            EXPECT_FALSE(f.posted.objects().empty()) << "the whole refresh runs";
            EXPECT_EQ(f.screen->KCMYtoningBlend->blendedCurve, blend) << "but the blend does not change";

            f.popUp("tonerSelectionPopupMenu")->setCurrentIndex(1);
            f.drag((c1 + "Slider").c_str(), c.position);
            EXPECT_EQ(f.text((c1 + "LimitLabel").c_str()), QString::number(c.ownLabel)) << c1 << " " << c.position;
            EXPECT_EQ(f.slider((c0 + "Slider").c_str())->value(), c.other) << c1 << " " << c.position;
            EXPECT_EQ(f.text((c0 + "LimitLabel").c_str()), QString::number(c.other)) << c1 << " " << c.position;
            EXPECT_EQ(f.popUp("tonerSelectionPopupMenu")->currentIndex(), 1) << "a c1 move keeps the toner";
        }
    }
    EXPECT_DOUBLE_EQ(f.screen->c1SP, 0.5);
    EXPECT_DOUBLE_EQ(f.screen->c0SP, 0.5);
}

// What the blending screen shows and uses of an ink set: the tone sliders,
// the Lab read-outs, the blend.
struct InkSetInUse {
    std::vector<int> tone;
    std::vector<QString> readOuts;
    std::vector<std::vector<double>> blend;
    bool operator==(const InkSetInUse&) const = default;
};

InkSetInUse inkSetInUse(const BlendingScreenFixture& f) {
    InkSetInUse used;
    for (const char* name : {"cyanHighlightSlider", "cyanMidtoneSlider", "cyanShadowSlider", "magentaHighlightSlider",
                             "magentaMidtoneSlider", "magentaShadowSlider", "yellowHighlightSlider",
                             "yellowMidtoneSlider", "yellowShadowSlider"})
        used.tone.push_back(f.slider(name)->value());
    for (const char* name :
         {"highlightLabLLabel", "highlightLabALabel", "highlightLabBLabel", "midtoneLabLLabel", "midtoneLabALabel",
          "midtoneLabBLabel", "shadowLabLLabel", "shadowLabALabel", "shadowLabBLabel"})
        used.readOuts.push_back(f.text(name));
    used.blend = f.screen->KCMYtoningBlend->blendedCurve;
    return used;
}

TEST(BlendingScreenPopUps, APrinterModelThatMovesTheInkSetPopUpBlendsWithTheInkSetShown) {
    BlendingScreenFixture byHand;
    byHand.choose("inkSetPopupSelectionMenu", 1); // PSeries K3
    BlendingScreenFixture::turn();
    const InkSetInUse pSeriesK3 = inkSetInUse(byHand);
    for (const int printer : {4, 5}) {
        SCOPED_TRACE(printer);
        BlendingScreenFixture f;
        f.choose("printerModelSelectionMenu", 3); // P-series Pro 10-channel printer: PSeries Pro10
        BlendingScreenFixture::turn();
        ASSERT_NE(inkSetInUse(f), pSeriesK3);
        f.choose("printerModelSelectionMenu", printer);
        BlendingScreenFixture::turn();
        EXPECT_EQ(f.popUp("inkSetPopupSelectionMenu")->currentText(), QStringLiteral("PSeries K3"));
        EXPECT_TRUE(inkSetInUse(f) == pSeriesK3) << "the sliders, read-outs and blend are not PSeries K3's";
    }
}

struct PrinterCase {
    int tag;
    int printerModelSelection;
    curves::Inkset inkset;
    int inkSetIndex;
    std::vector<std::string> inkList;
    std::size_t blendedChannels; // the ten-channel ink set's tables carry V and MK
};

TEST(BlendingScreenPopUps, EachPrinterModelSetsItsChannelsInkSetAndInkSetPopUp) {
    const curves::InkList lists;
    const PrinterCase cases[] = {
        {0, 8, curves::Inkset::UCK3, 0, lists.inkListfor8Ink, 8},
        {1, 10, curves::Inkset::UCK3, 0, lists.inkListfor10Ink, 8},
        {2, 8, curves::Inkset::PSeriesK3, 1, lists.inkListfor8Ink, 8},
        {3, 11, curves::Inkset::PSeriesPro10, 2, lists.inkListforPro10Ink, 10},
        // The last two move the ink-set pop-up to PSeries K3 and blend with it.
        {4, 8, curves::Inkset::PSeriesK3, 1, lists.inkListfor8Ink, 8},
        {5, 10, curves::Inkset::PSeriesK3, 1, lists.inkListfor10Ink, 8},
    };
    for (const auto& c : cases) {
        BlendingScreenFixture f;
        f.choose("inkSetPopupSelectionMenu", 3); // CCProHDMK3 first, so that tags 4 and 5 show they leave it
        f.choose("printerModelSelectionMenu", c.tag);
        EXPECT_EQ(f.screen->printerModelSelection, c.printerModelSelection) << c.tag;
        EXPECT_EQ(f.screen->inkset(), c.inkset) << c.tag;
        EXPECT_EQ(f.screen->KCMYtoningBlend->inkset, c.inkset) << c.tag;
        EXPECT_EQ(f.popUp("inkSetPopupSelectionMenu")->currentIndex(), c.inkSetIndex) << c.tag;
        EXPECT_EQ(f.screen->quadData->inkList, c.inkList) << c.tag;
        EXPECT_EQ(f.screen->KCMYtoningBlend->blendedCurve.size(), c.blendedChannels) << c.tag;
    }
}

struct InksetCase {
    int tag;
    int printerBefore;
    curves::Inkset inkset;
    int printerAfter;
    std::vector<std::string> inkList;
};

TEST(BlendingScreenPopUps, EachInkSetRebuildsTheModelAndMovesThePrinterPopUpWhereItMust) {
    const curves::InkList lists;
    const InksetCase cases[] = {
        {0, 1, curves::Inkset::UCK3, 1, lists.inkListfor8Ink},
        {0, 3, curves::Inkset::UCK3, 0, lists.inkListfor8Ink},
        {1, 0, curves::Inkset::PSeriesK3, 2, lists.inkListfor8Ink},
        {2, 0, curves::Inkset::PSeriesPro10, 3, lists.inkListforPro10Ink},
        {3, 3, curves::Inkset::CCProHDMK3, 0, lists.inkListfor8Ink},
        {3, 2, curves::Inkset::CCProHDMK3, 2, lists.inkListfor8Ink},
    };
    for (const auto& c : cases) {
        BlendingScreenFixture f;
        f.popUp("printerModelSelectionMenu")->setCurrentIndex(c.printerBefore);
        f.screen->inksetType = curves::InksetType::Dual;
        f.posted.clear();
        f.choose("inkSetPopupSelectionMenu", c.tag);
        EXPECT_EQ(f.screen->inkset(), c.inkset) << c.tag;
        EXPECT_EQ(f.screen->KCMYtoningBlend->inkset, c.inkset) << c.tag;
        EXPECT_EQ(f.screen->inksetType, curves::InksetType::KCMY) << c.tag;
        EXPECT_EQ(f.popUp("printerModelSelectionMenu")->currentIndex(), c.printerAfter) << c.tag;
        EXPECT_EQ(f.screen->quadData->inkList, c.inkList) << c.tag;
        EXPECT_FALSE(f.posted.objects().empty()) << c.tag;
        EXPECT_TRUE(f.slider("yellowShadowSlider")->isEnabled());
    }
}

TEST(BlendingScreenPopUps, MediaRebuildsTheInksOnlyForTheCmyToneControlsAndGravureZeroesThem) {
    BlendingScreenFixture f;
    f.choose("mediaTypePopupMenu", 1); // Matte: the neutral preset's matte row
    EXPECT_EQ(f.screen->KCMYtoningBlend->mediaType, curves::MediaType::Matte);
    EXPECT_EQ(sliderPositions(f), (std::array<int, 9>{19, 24, 29, 15, 44, 72, 0, 0, 0}));

    f.choose("mediaTypePopupMenu", 2); // Gravure: every tone control at 0
    EXPECT_EQ(f.screen->KCMYtoningBlend->mediaType, curves::MediaType::Gravure);
    EXPECT_EQ(sliderPositions(f), (std::array<int, 9>{}));
    EXPECT_DOUBLE_EQ(f.screen->cHP, 0);

    // The toner pop-up does nothing at all on gravure media.
    const auto blend = f.screen->KCMYtoningBlend->blendedCurve;
    f.posted.clear();
    f.choose("tonerSelectionPopupMenu", 4);
    EXPECT_EQ(f.screen->toner(), curves::TonerType::neutral);
    EXPECT_TRUE(f.posted.objects().empty());

    // While the tone controls are not the cyan/magenta/yellow ones, a media
    // choice only updates the ink list.
    f.choose("printerModelSelectionMenu", 3);
    f.screen->inksetType = curves::InksetType::Dual;
    f.posted.clear();
    f.screen->quadData->inkList.clear();
    f.choose("mediaTypePopupMenu", 0);
    EXPECT_EQ(f.screen->KCMYtoningBlend->mediaType, curves::MediaType::Gravure);
    EXPECT_TRUE(f.posted.objects().empty());
    EXPECT_EQ(f.screen->quadData->inkList, curves::InkList().inkListforPro10Ink);
    EXPECT_TRUE(isItemEnabled(f.popUp("printerModelSelectionMenu"), 3));
}

TEST(BlendingScreenPopUps, TonerTitlesLoadTheirPresetsAndAnyOtherTitleKeepsTheToner) {
    struct TonerCase {
        int index;
        curves::TonerType toner;
        std::array<int, 9> gloss;
    };
    const TonerCase cases[] = {
        {3, curves::TonerType::warm, {0, 0, 0, 5, 5, 5, 2, 2, 2}},
        {2, curves::TonerType::warmNeutral, {13, 24, 4, 16, 19, 1, 0, 0, 0}},
        {4, curves::TonerType::selenium, {54, 50, 10, 52, 40, 25, 0, 0, 0}},
        {1, curves::TonerType::neutral, {58, 48, 20, 37, 29, 7, 0, 0, 0}},
    };
    BlendingScreenFixture f;
    for (const auto& c : cases) {
        f.choose("tonerSelectionPopupMenu", c.index);
        EXPECT_EQ(f.screen->toner(), c.toner) << c.index;
        EXPECT_EQ(sliderPositions(f), c.gloss) << c.index;
    }
    // "Custom" keeps neutral and reloads its preset over the moved slider.
    f.drag("cyanHighlightSlider", 90);
    f.choose("tonerSelectionPopupMenu", 0);
    EXPECT_EQ(f.screen->toner(), curves::TonerType::neutral);
    EXPECT_EQ(f.slider("cyanHighlightSlider")->value(), 58);
    EXPECT_TRUE(f.log.standardOutputContains("Optional(\"Custom\")"));
}

TEST(BlendingScreen, TheABGraphPlotsAStarThenBStarEveryFivePercentInTheirColours) {
    BlendingScreenFixture f;
    const auto& data = f.screen->inkPercentData();
    ASSERT_TRUE(data);
    ASSERT_EQ(data->dataSetCount(), 2);
    const auto& ramp = f.screen->KCMYtoningBlend->blendedCIELab;
    const QString labels[] = {QStringLiteral("Lab_A"), QStringLiteral("Lab_B")};
    for (int s = 0; s < 2; ++s) {
        auto set = std::dynamic_pointer_cast<charts::LineChartDataSet>(data->getDataSetByIndex(s));
        ASSERT_TRUE(set);
        EXPECT_EQ(set->label(), labels[s]);
        ASSERT_EQ(set->colors().size(), 1u);
        EXPECT_EQ(set->colors().front(), labABGraphColors()[static_cast<std::size_t>(s)]);
        EXPECT_EQ(set->lineWidth(), 2);
        EXPECT_FALSE(set->isDrawCirclesEnabled());
        EXPECT_FALSE(set->isDrawValuesEnabled());
        ASSERT_EQ(set->entryCount(), 21);
        for (int i = 0; i < 21; ++i) {
            const auto entry = set->entryForIndex(i);
            EXPECT_EQ(entry->x(), 5.0 * i);
            EXPECT_EQ(entry->y(), s == 0 ? ramp[static_cast<std::size_t>(i)].a : ramp[static_cast<std::size_t>(i)].b);
        }
    }
    EXPECT_EQ(labABGraphColors()[0], QColor(255, 0, 0));
    EXPECT_EQ(labABGraphColors()[1], QColor(0, 0, 255));
}

} // namespace
} // namespace appui

namespace appui {
namespace {

using test_support::ScratchDirectory;
using uitest::BlendingScreenFixture;

TEST(BlendingScreenCurveEditor, GetsTheBlendAndInkNamesAndItsCurvesAreSavedUntilTheNextRefresh) {
    ScratchDirectory dir;
    BlendingScreenFixture f;
    f.choose("printerModelSelectionMenu", 1); // ten channels: the editor gets ten names
    CustomCurveEditorVC editor;
    f.screen->prepareForSegue(QStringLiteral("SomethingElse"), &editor);
    EXPECT_EQ(editor.editorDelegate, nullptr) << "other segues are ignored";

    f.screen->prepareForSegue(QStringLiteral("CustomCurveEditor"), &editor);
    EXPECT_EQ(editor.editorDelegate, f.screen.get());
    EXPECT_EQ(editor.inkList, curves::InkList().inkListfor10Ink);
    EXPECT_EQ(editor.manualQuadInput, f.screen->KCMYtoningBlend->blendedCurve);
    EXPECT_EQ(editor.manualQuadOutput, f.screen->KCMYtoningBlend->blendedCurve);
    EXPECT_EQ(f.screen->quadData->outputQuadCurveArray, f.screen->KCMYtoningBlend->blendedCurve);
    EXPECT_TRUE(f.log.standardOutputContains("quadDataInkList when editing setup [\"# K Curve\", \"# C Curve\""));

    // The editor hands back a set: posted, and what a save writes.
    auto edited = f.screen->KCMYtoningBlend->blendedCurve;
    for (auto& v : edited[0]) v = 1000;
    f.posted.clear();
    editor.editorDelegate->didUpdateCurves(edited);
    EXPECT_EQ(f.posted.last<BlendedCurvesPayload>(), edited);
    EXPECT_EQ(f.screen->quadData->outputQuadCurveArray, edited);
    const auto file = dir.file("edited.quad");
    f.services.savePanel->answers.push_back(file);
    f.screen->saveQuadButtonPressed();
    curves::QuadDataFile back;
    ASSERT_TRUE(back.load(curves::quadtext::linesFromText(test_support::readBytes(file))));
    EXPECT_EQ((*back.inputQuadCurveArray)[0], std::vector<double>(256, 1000));

    // Any later change blends afresh.
    f.drag("cyanShadowSlider", 44);
    EXPECT_NE(f.screen->KCMYtoningBlend->blendedCurve[0], edited[0]);
}

TEST(BlendingScreenCurveEditor, TheEditButtonOpensTheEditorOnTheBlend) {
    BlendingScreenFixture f;
    f.find<QPushButton>("customCurveButton")->click();
    auto* editor = f.screen->findChild<CustomCurveEditorVC*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->inkList, curves::InkList().inkListfor8Ink);
    EXPECT_EQ(editor->manualQuadInput, f.screen->KCMYtoningBlend->blendedCurve);
    editor->close();
}

} // namespace
} // namespace appui

namespace appui {
namespace {

// Counts the layout requests a widget receives.
class LayoutRequests final : public QObject {
public:
    explicit LayoutRequests(QWidget* watched) { watched->installEventFilter(this); }
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::LayoutRequest) ++count;
        return false;
    }
};

// A read-out that changes its text on a step would lay the screen out again,
// and the window's tab widget would then repaint all it holds.
TEST(BlendingScreen, SliderStepsChangeTheReadOutsWithoutLayingTheScreenOutAgain) {
    uitest::BlendingScreenFixture f;
    f.screen->resize(1100, 780);
    f.screen->show();
    f.turn();
    f.turn();
    const LayoutRequests requests(f.screen.get());
    struct Step {
        const char* slider;
        int position;
    };
    // One, two and three digits; Lab values of both signs as the blend moves.
    const Step steps[] = {{"cyanMidtoneSlider", 100},    {"cyanMidtoneSlider", 5},      {"yellowShadowSlider", 100},
                          {"magentaHighlightSlider", 0}, {"yellowHighlightSlider", 60}, {"cyanShadowSlider", 42}};
    for (const auto& step : steps) {
        f.drag(step.slider, step.position);
        f.turn();
    }
    EXPECT_EQ(requests.count, 0);
    for (auto* label : f.screen->findChildren<QLabel*>()) {
        if (!label->isVisible() || label->minimumSize() != label->maximumSize()) continue;
        EXPECT_LE(label->sizeHint().width(), label->width())
            << label->objectName().toStdString() << " clips " << label->text().toStdString();
    }
}

TEST(BlendingScreenGraph, ASliderStepMovesTheValuesOfTheShownLines) {
    uitest::BlendingScreenFixture f;
    const auto shown = f.screen->inkPercentData();
    f.drag("yellowShadowSlider", 80);
    EXPECT_EQ(f.screen->inkPercentData(), shown) << "the same chart data, its values written in place";
    const auto& ramp = f.screen->KCMYtoningBlend->blendedCIELab;
    for (int i = 0; i < 21; ++i) {
        EXPECT_EQ(shown->getDataSetByIndex(0)->entryForIndex(i)->y(), ramp[static_cast<std::size_t>(i)].a);
        EXPECT_EQ(shown->getDataSetByIndex(1)->entryForIndex(i)->y(), ramp[static_cast<std::size_t>(i)].b);
    }
    EXPECT_EQ(f.find<charts::LineChartView>("inkPercentGraph")->leftAxis()->axisMaximum(), 15);
}

TEST(BlendingScreenGraph, SpansZeroToHundredAndMinusToPlusFifteenWhateverTheValues) {
    uitest::BlendingScreenFixture f;
    auto* graph = f.find<charts::LineChartView>("inkPercentGraph");
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(graph->data(), f.screen->inkPercentData());
    EXPECT_EQ(graph->xAxis()->axisMaximum(), 100);
    EXPECT_EQ(graph->xAxis()->labelCount(), 11);
    EXPECT_TRUE(graph->xAxis()->isForceLabelsEnabled());
    EXPECT_FALSE(graph->isScaleXEnabled());
    EXPECT_FALSE(graph->isScaleYEnabled());
    EXPECT_TRUE(graph->isDrawGridBackgroundEnabled());
    EXPECT_TRUE(graph->legend()->isEnabled());
    EXPECT_EQ(graph->rightAxis()->labelCount(), 11);
    EXPECT_FALSE(graph->leftAxis()->drawTopYLabelEntryEnabled());
    EXPECT_FALSE(graph->rightAxis()->drawTopYLabelEntryEnabled());
    EXPECT_FALSE(graph->leftAxis()->drawBottomYLabelEntryEnabled());

    // Values far beyond the range do not widen it.
    showInkPercentData(*graph, labABChartData({std::vector<double>(21, 40.0), std::vector<double>(21, -40.0)}));
    for (const auto& axis : {graph->leftAxis(), graph->rightAxis()}) {
        EXPECT_EQ(axis->axisMinimum(), -15);
        EXPECT_EQ(axis->axisMaximum(), 15);
    }
    EXPECT_EQ(graph->chartDescription()->text(), QString());
}

} // namespace
} // namespace appui

namespace appui {
namespace {

TEST(BlendingScreenQuadCurvePanel, HasTheChannelNamesFromTheStartAndShowsTheBlendAsItThenStands) {
    uitest::BlendingScreenFixture f;
    auto& panel = *f.screen->quadCurveWindowPanel;
    EXPECT_EQ(panel.inklist, curves::InkList().inkListfor8Ink);
    EXPECT_TRUE(panel.windowFlags() & Qt::Tool);
    EXPECT_FALSE(panel.isVisible());

    f.choose("printerModelSelectionMenu", 3);
    EXPECT_EQ(panel.inklist, curves::InkList().inkListforPro10Ink) << "the panel follows the chosen list";
    f.find<QPushButton>("showQuadCurvePanelButton")->click();
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(panel.quadCurveGraphView->quadCurve, f.screen->KCMYtoningBlend->blendedCurve);
    EXPECT_EQ(panel.quadCurveGraphView->inkList, f.screen->quadData->inkList);
    ASSERT_TRUE(panel.quadCurveGraphView->data());
    EXPECT_GE(panel.quadCurveGraphView->data()->dataSetCount(), 1);

    // It keeps following later blends.
    f.drag("magentaHighlightSlider", 66);
    EXPECT_EQ(panel.quadCurveGraphView->quadCurve, f.screen->KCMYtoningBlend->blendedCurve);
    panel.close();
}

} // namespace
} // namespace appui
