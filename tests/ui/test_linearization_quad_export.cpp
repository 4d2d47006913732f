// The linearization screen offscreen: the .quad side with its channel
// switches, the custom curve editor's hand-over, the exports, drops and
// File > Open Recent.
#include <QAction>
#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QTabWidget>
#include <QUrl>

#include "app/curves/exports/CorrectionExport.h"
#include "app/curves/exports/PhotoshopCubeLUT.h"
#include "app/curves/exports/PhotoshopCurve.h"
#include "app/curves/math/Resampling.h"
#include "app/curves/quad/QuadDataFile.h"
#include "app/ui/editors/CustomCurveEditorVC.h"
#include "app/ui/linearization/InkSampleViewPanelController.h"
#include "app/ui/shell/AppDelegate.h"
#include "app/ui/shell/ApplicationShell.h"
#include "app/ui/shell/MainWindow.h"
#include "app/ui/widgets/ColorSampleView.h"
#include "app/ui/widgets/NotificationPayloads.h"
#include "tests/support/shared_test_data.h"
#include "tests/ui/linearization_screen_support.h"

namespace appui::uitest {

namespace {

std::vector<double> yValues(const charts::IChartDataSet& set) {
    std::vector<double> ys;
    for (std::int64_t i = 0; i < set.entryCount(); ++i) ys.push_back(set.entryForIndex(i)->y());
    return ys;
}

std::shared_ptr<curves::QuadDataFile> readBack(const std::filesystem::path& file) {
    auto quad = curves::QuadDataFile::openQuadFile(file);
    if (!quad || !quad->load(quad->rawQuadData)) return nullptr;
    return quad;
}

curves::QuadDataFile::Curves wholeUnits(curves::QuadDataFile::Curves curves) {
    for (auto& curve : curves)
        for (auto& v : curve) v = std::stod(curves::quadtext::valueText(v));
    return curves;
}

} // namespace

using LinearizationQuadSide = LinearizationScreenTest;

TEST_F(LinearizationQuadSide, AQuadWithoutCorrectionShowsItsCurvesNotesAndName) {
    loadQuad(quadFile(dir, "ramp.quad", eightInks));
    ASSERT_EQ(services.openPanel->requests.size(), 1u);
    EXPECT_EQ(services.openPanel->requests[0].title, "Choose a quad file");
    EXPECT_EQ(services.openPanel->requests[0].allowedFileTypes, std::vector<std::string>{"quad"});
    EXPECT_EQ(text("quadCurveFileNameLabel"), QStringLiteral("ramp.quad"));
    EXPECT_EQ(find<QPlainTextEdit>("quadNotesOutlet")->toPlainText(),
              QString::fromStdString(model().quadData->quadNotes.value_or("")));
    EXPECT_FALSE(model().quadData->outputQuadCurveArray);
    ASSERT_EQ(quadChart()->dataSetCount(), 8);
    EXPECT_EQ(chartLabels(quadChart()).front(), QStringLiteral("# K Curve"));
    EXPECT_NEAR(yValues(*quadChart()->getDataSetByIndex(0)).back(), 13762 / 655.35, 1e-9);
}

TEST_F(LinearizationQuadSide, WhicheverComesSecondMakesTheCorrectedCurves) {
    for (bool quadFirst : {true, false}) {
        SCOPED_TRACE(quadFirst);
        screen = std::make_unique<qcv2LinearizationViewController>();
        const auto wedge = labListFile(dir, "wedge.txt", darkMidtones());
        const auto quad = quadFile(dir, "ramp.quad", eightInks);
        if (quadFirst) loadQuad(quad);
        loadMeasurements(wedge);
        if (!quadFirst) loadQuad(quad);
        ASSERT_TRUE(model().quadData->outputQuadCurveArray);
        EXPECT_EQ(*model().quadData->outputQuadCurveArray, *model().linearizedQuadCurves());
        EXPECT_EQ(screen->quadCurveArrayForGraph, *model().quadData->outputQuadCurveArray);
        EXPECT_EQ(screen->quadCurveGraph->quadCurve, screen->quadCurveArrayForGraph);
    }
}

TEST_F(LinearizationQuadSide, TheLastTwoChannelButtonsFollowTheInksOfTheFile) {
    // A dropped file titles them as one from the panel does: buttons left as
    // the file before had them would name inks the new file does not have.
    struct Case {
        const std::vector<std::string>* inks;
        bool dropped;
        bool shown;
        const char* ninth;
        const char* tenth;
    };
    for (const auto& c : {Case{&eightInks, false, false, "", ""}, Case{&tenInksOrange, false, true, "OR", "GR"},
                          Case{&tenInksViolet, true, true, "V", "MK"}, Case{&eightInks, true, false, "", ""},
                          Case{&tenInksOrange, true, true, "OR", "GR"}, Case{&tenInksViolet, false, true, "V", "MK"},
                          Case{&fourInks, false, false, "", ""}}) {
        SCOPED_TRACE(c.inks->size());
        SCOPED_TRACE(c.dropped ? "dropped" : "from the panel");
        const auto file = quadFile(dir, "inks.quad", *c.inks);
        if (c.dropped)
            screen->handleDroppedFile(file);
        else
            loadQuad(file);
        EXPECT_EQ(screen->OrVLabel->isVisible(), c.shown);
        EXPECT_EQ(screen->GrMkLabel->isVisible(), c.shown);
        if (c.shown) {
            EXPECT_EQ(screen->OrVLabel->text(), QString::fromUtf8(c.ninth));
            EXPECT_EQ(screen->GrMkLabel->text(), QString::fromUtf8(c.tenth));
        }
    }
}

TEST_F(LinearizationQuadSide, AChannelSwitchedOffIsDrawnFlatAndStaysOffAcrossRecomputations) {
    loadMeasurements(labListFile(dir, "wedge.txt", darkMidtones()));
    loadQuad(quadFile(dir, "ramp.quad", tenInksViolet));
    auto* k = button("showKCurve");
    k->click();
    EXPECT_FALSE(k->isChecked());
    EXPECT_EQ(screen->quadCurveArrayForGraph[0], std::vector<double>(256, 0.0));
    EXPECT_EQ(yValues(*quadChart()->getDataSetByIndex(0)), std::vector<double>(256, 0.0));
    EXPECT_NE(screen->quadCurveArrayForGraph[1], std::vector<double>(256, 0.0));
    EXPECT_NE((*model().quadData->outputQuadCurveArray)[0], std::vector<double>(256, 0.0)) << "the output keeps K";

    moveSlider("movingAverageSmoothingSlider", 60);
    EXPECT_EQ(screen->quadCurveArrayForGraph[0], std::vector<double>(256, 0.0));
    EXPECT_FALSE(k->isChecked());
    button("GrMkLabel")->click();
    EXPECT_EQ(screen->quadCurveArrayForGraph[9], std::vector<double>(256, 0.0));
    k->click();
    EXPECT_EQ(screen->quadCurveArrayForGraph[0], (*model().quadData->outputQuadCurveArray)[0]);

    find<QAbstractButton>("toggleQuadCurveVisibilityStackView")->click();
    EXPECT_FALSE(screen->quadChannelVisibilityStackView->isVisible());
    find<QAbstractButton>("toggleQuadCurveVisibilityStackView")->click();
    EXPECT_TRUE(screen->quadChannelVisibilityStackView->isVisible());
}

TEST_F(LinearizationQuadSide, SwitchesReadOnlyTheChannelsThereAre) {
    // Before any correction the switches act on the loaded curves; a quad of
    // four inks has no fifth to switch; no quad at all, nothing to draw.
    button("showLLKCurve")->click();
    EXPECT_EQ(screen->quadCurveGraph->data(), nullptr);
    loadQuad(quadFile(dir, "four.quad", fourInks));
    button("showCCurve")->click();
    ASSERT_EQ(quadChart()->dataSetCount(), 4);
    EXPECT_EQ(yValues(*quadChart()->getDataSetByIndex(1)), std::vector<double>(256, 0.0));
    EXPECT_NE(yValues(*quadChart()->getDataSetByIndex(0)), std::vector<double>(256, 0.0));
    loadMeasurements(labListFile(dir, "wedge.txt", darkMidtones()));
    EXPECT_EQ(screen->quadCurveArrayForGraph.size(), 4u);
    EXPECT_EQ(screen->quadCurveArrayForGraph[1], std::vector<double>(256, 0.0));
}

TEST_F(LinearizationQuadSide, AQuadLoadedBeforeAnyCorrectionIsDrawnWithTheSwitchesAsSet) {
    button("showCCurve")->click();
    button("showLLKCurve")->click();
    for (bool dropped : {false, true}) {
        SCOPED_TRACE(dropped);
        const auto file = quadFile(dir, "ramp.quad", eightInks);
        if (dropped)
            screen->handleDroppedFile(file);
        else
            loadQuad(file);
        ASSERT_FALSE(model().quadData->outputQuadCurveArray);
        ASSERT_EQ(quadChart()->dataSetCount(), 8);
        for (int k : {1, 7}) EXPECT_EQ(yValues(*quadChart()->getDataSetByIndex(k)), std::vector<double>(256, 0.0)) << k;
        for (int k : {0, 2}) EXPECT_NE(yValues(*quadChart()->getDataSetByIndex(k)), std::vector<double>(256, 0.0)) << k;
        EXPECT_EQ((*model().quadData->inputQuadCurveArray)[1].back(), 1376) << "the file's curves stay whole";
    }
    button("showCCurve")->click();
    EXPECT_NE(yValues(*quadChart()->getDataSetByIndex(1)), std::vector<double>(256, 0.0));
    EXPECT_EQ(yValues(*quadChart()->getDataSetByIndex(7)), std::vector<double>(256, 0.0));
}

TEST_F(LinearizationQuadSide, RealQuadFilesLoadAndAreLinearized) {
    SKIP_WITHOUT_SHARED_TEST_DATA();
    // The 8-ink file with the wedge measured from it, through the panels.
    loadMeasurements(test_support::sharedTestFile("measurements/gray-lab-list-25rows.txt"));
    loadQuad(test_support::sharedTestFile("quad/k-only-8ink-lowercase-labels.quad"));
    EXPECT_TRUE(services.alerts->shown.empty());
    EXPECT_EQ(text("quadCurveFileNameLabel"), QStringLiteral("k-only-8ink-lowercase-labels.quad"));
    EXPECT_FALSE(find<QPlainTextEdit>("quadNotesOutlet")->toPlainText().isEmpty());
    EXPECT_FALSE(screen->OrVLabel->isVisible());
    ASSERT_TRUE(model().quadData->outputQuadCurveArray);
    const auto& corrected = *model().quadData->outputQuadCurveArray;
    ASSERT_EQ(corrected.size(), 8u);
    EXPECT_EQ(corrected, *model().linearizedQuadCurves());
    EXPECT_NE(corrected[0], (*model().quadData->inputQuadCurveArray)[0]) << "K is corrected";
    EXPECT_EQ(corrected[1], std::vector<double>(256, 0.0));
    ASSERT_EQ(quadChart()->dataSetCount(), 8);

    // The 10-ink file dropped: its last buttons titled, its MK corrected.
    screen->handleDroppedFile(test_support::sharedTestFile("quad/mk-only-10ink.quad"));
    EXPECT_EQ(text("quadCurveFileNameLabel"), QStringLiteral("mk-only-10ink.quad"));
    EXPECT_TRUE(screen->OrVLabel->isVisible());
    EXPECT_EQ(screen->OrVLabel->text(), QStringLiteral("V"));
    EXPECT_EQ(screen->GrMkLabel->text(), QStringLiteral("MK"));
    ASSERT_TRUE(model().quadData->outputQuadCurveArray);
    ASSERT_EQ(model().quadData->outputQuadCurveArray->size(), 10u);
    EXPECT_EQ(*model().quadData->outputQuadCurveArray, *model().linearizedQuadCurves());
    EXPECT_NE((*model().quadData->outputQuadCurveArray)[9], (*model().quadData->inputQuadCurveArray)[9]);
    EXPECT_EQ(quadChart()->dataSetCount(), 10);
}

TEST_F(LinearizationQuadSide, AQuadThatDoesNotParseKeepsTheLoadedOne) {
    loadMeasurements(labListFile(dir, "wedge.txt", darkMidtones()));
    loadQuad(quadFile(dir, "ramp.quad", eightInks));
    const auto loaded = model().quadData;
    test_support::writeBytes(dir.file("broken.quad"), "## QuadToneRIP K,C,M,Y\n# K Curve\n1\n2\n");
    loadQuad(dir.file("broken.quad"));
    EXPECT_FALSE(services.alerts->shown.empty());
    EXPECT_EQ(model().quadData, loaded);
    EXPECT_EQ(text("quadCurveFileNameLabel"), QStringLiteral("ramp.quad"));
    EXPECT_TRUE(model().quadData->outputQuadCurveArray);
}

TEST_F(LinearizationQuadSide, TheSamplePanelShowsTheSmoothedAndCorrectedRamps) {
    button("showSampleViewPanelButtonPressed")->click();
    EXPECT_TRUE(screen->inkSamplePanel->isVisible());
    loadMeasurements(labListFile(dir, "wedge.txt", darkMidtones(51)));
    screen->inkSamplePanel->hide();
    button("showSampleViewPanelButtonPressed")->click();
    EXPECT_TRUE(screen->inkSamplePanel->isVisible());
    EXPECT_EQ(screen->inkSamplePanel->orginalSampleView->colorSamples,
              linearization::resampleLabTo21(model().smoothedMeasurements));
    screen->inkSamplePanel->hide();
}

TEST_F(LinearizationQuadSide, TheCustomEditorGetsTheCorrectedCurvesAndGivesThemBack) {
    // Before a correction it opens with nothing handed over.
    auto* empty = qobject_cast<CustomCurveEditorVC*>(screen->performSegue(CustomCurveEditorVC::segueIdentifier));
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->editorDelegate, nullptr);
    EXPECT_TRUE(empty->inkList.empty());
    EXPECT_EQ(empty->manualQuadInput.size(), 8u) << "the editor's own default set";
    empty->close();

    loadMeasurements(labListFile(dir, "wedge.txt", darkMidtones()));
    loadQuad(quadFile(dir, "ramp.quad", eightInks));
    const auto corrected = *model().quadData->outputQuadCurveArray;
    auto* editor = qobject_cast<CustomCurveEditorVC*>(screen->performSegue(CustomCurveEditorVC::segueIdentifier));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->editorDelegate, screen.get());
    EXPECT_EQ(editor->inkList, model().quadData->inkList);
    EXPECT_EQ(editor->manualQuadInput, corrected);
    editor->findChild<QPushButton*>(QStringLiteral("finishEditingButton"))->click();
    ASSERT_TRUE(model().quadData->outputQuadCurveArray);
    EXPECT_EQ(model().quadData->outputQuadCurveArray->size(), 8u);
    EXPECT_EQ(screen->quadCurveGraph->quadCurve, *model().quadData->outputQuadCurveArray);

    // A set of another channel count would not fit the file's header.
    const auto kept = *model().quadData->outputQuadCurveArray;
    screen->didUpdateCurves(curves::QuadDataFile::Curves(3, std::vector<double>(256, 1.0)));
    EXPECT_EQ(*model().quadData->outputQuadCurveArray, kept);
    screen->didUpdateCurves(curves::QuadDataFile::Curves(8, std::vector<double>(256, 7.0)));
    EXPECT_EQ(*model().quadData->outputQuadCurveArray, curves::QuadDataFile::Curves(8, std::vector<double>(256, 7.0)));
}

// The top axis labels of the editor's graph, as drawn.
QStringList editorGraphLabels(CustomCurveEditorVC& editor) {
    editor.quadCurveGraph->grab();
    auto axis = editor.quadCurveGraph->xAxis();
    QStringList labels;
    for (std::int64_t i = 0; i < axis->entryCount(); ++i) labels << axis->getFormattedLabel(i);
    return labels;
}

TEST_F(LinearizationQuadSide, BeforeACorrectionTheCustomEditorGetsNothingAfterOneItsAxisIsReadable) {
    // Curves edited before a correction would be replaced by the first one:
    // with only a quad the editor gets none, and hands none back. Its own
    // set, which names no ink, draws no graph rather than axes around nothing.
    loadQuad(quadFile(dir, "mk.quad", tenInksViolet));
    ASSERT_FALSE(model().quadData->outputQuadCurveArray) << "no correction without measurements";
    auto* early = qobject_cast<CustomCurveEditorVC*>(screen->performSegue(CustomCurveEditorVC::segueIdentifier));
    ASSERT_NE(early, nullptr);
    EXPECT_EQ(early->editorDelegate, nullptr);
    EXPECT_EQ(early->quadCurveGraph->data(), nullptr);
    EXPECT_TRUE(editorGraphLabels(*early).isEmpty());
    early->findChild<QPushButton*>(QStringLiteral("finishEditingButton"))->click();
    EXPECT_FALSE(model().quadData->outputQuadCurveArray);

    loadMeasurements(labListFile(dir, "wedge.txt", darkMidtones()));
    auto* editor = qobject_cast<CustomCurveEditorVC*>(screen->performSegue(CustomCurveEditorVC::segueIdentifier));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->curveNameList->count(), 10);
    EXPECT_EQ(editorGraphLabels(*editor),
              (QStringList{"0", "10", "20", "30", "40", "50", "60", "70", "80", "90", "100"}));
}

using LinearizationExport = LinearizationScreenTest;

TEST_F(LinearizationExport, WithoutMeasurementsEveryKindShowsTheAlertAndWritesNothing) {
    struct Case {
        int item;
        const char* logLine;
        const char* devLine;
    };
    const Case cases[] = {{0, "Exporting as .quad file", nullptr},
                          {1, "Exporting as .acv Photoshop Curve file", nullptr},
                          {2, "Exporting as .cube Photoshop LUT file", "Can't get valid correction curve"}};
    // Nothing loaded; a quad alone; then the placeholder rows sorted, and one
    // of them typed: a correction of rows nobody measured is none to write.
    auto* table = tableOf(*screen);
    for (const char* situation : {"nothing loaded", "a quad", "placeholders sorted", "one placeholder typed"}) {
        SCOPED_TRACE(situation);
        if (situation == std::string("a quad")) loadQuad(quadFile(dir, "ramp.quad", eightInks));
        if (situation == std::string("placeholders sorted")) button("sortButton")->click();
        ASSERT_TRUE(situation != std::string("one placeholder typed") || table->setData(table->index(3, 1), "80"));
        const auto filesBefore = std::distance(std::filesystem::directory_iterator(dir.path()), {});
        for (const auto& c : cases) {
            SCOPED_TRACE(c.logLine);
            services.alerts->shown.clear();
            const auto logged = log.devLogLines().size();
            screen->exportOptionsPopupSelectionDidChange(c.item);
            button("saveButtonPressed")->click();
            const std::vector<std::string> lines(log.devLogLines().begin() + static_cast<std::ptrdiff_t>(logged),
                                                 log.devLogLines().end());
            std::vector<std::string> expected{c.logLine};
            if (c.devLine) expected.emplace_back(c.devLine);
            EXPECT_EQ(lines, expected);
            ASSERT_EQ(services.alerts->shown.size(), 1u);
            EXPECT_EQ(services.alerts->shown[0].messageText, "Failed to Linearize");
            // Typed in part, the steps without a measurement, as the table writes them.
            EXPECT_EQ(services.alerts->shown[0].informativeText.substr(0, 31),
                      situation == std::string("one placeholder typed") ? "Steps 0.00, 5.00, 10.00, 20.00,"
                                                                        : "Please load a valid quad curve ");
            EXPECT_TRUE(services.savePanel->requests.empty());
            EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), filesBefore);
        }
    }
    // Every row typed is a measurement; measurements alone still make no .quad.
    for (int row = 0; row < table->rowCount(); ++row)
        ASSERT_TRUE(table->setData(table->index(row, 1), QString::number(90 - 4 * row)));
    services.savePanel->answers = {dir.file("typed.cube")};
    screen->exportOptionsPopupSelectionDidChange(2);
    button("saveButtonPressed")->click();
    EXPECT_TRUE(std::filesystem::exists(dir.file("typed.cube")));
    screen = std::make_unique<qcv2LinearizationViewController>();
    loadMeasurements(labListFile(dir, "wedge.txt", darkMidtones()));
    services.alerts->shown.clear();
    screen->exportOptionsPopupSelectionDidChange(0);
    button("saveButtonPressed")->click();
    EXPECT_EQ(services.alerts->shown.size(), 1u);
    EXPECT_EQ(services.savePanel->requests.size(), 1u);
}

TEST_F(LinearizationExport, ThePopupChoosesTheKindAndOtherKindsAreNotExported) {
    auto* popup = find<QComboBox>("exportFileOptionsPopupButton");
    popup->setFocus();
    QTest::keyClick(popup, Qt::Key_Down);
    EXPECT_EQ(screen->exportFormat, curves::ExportType::acv);
    QTest::keyClick(popup, Qt::Key_Down);
    EXPECT_EQ(screen->exportFormat, curves::ExportType::lut);
    screen->exportOptionsPopupSelectionDidChange(3);
    EXPECT_EQ(screen->exportFormat, curves::ExportType::quad);
    screen->exportFormat = curves::ExportType::icc;
    button("saveButtonPressed")->click();
    EXPECT_TRUE(log.devLogContains("Unable to export as additional file types"));
    EXPECT_TRUE(services.savePanel->requests.empty());
}

TEST_F(LinearizationExport, EachKindWritesItsFileThroughTheSavePanel) {
    loadMeasurements(labListFile(dir, "wedge.txt", darkMidtones()));
    loadQuad(quadFile(dir, "ramp.quad", eightInks));
    find<QPlainTextEdit>("quadNotesOutlet")->setPlainText(QStringLiteral("edited note\nsecond line"));

    const auto quadOut = dir.file("out/linearized.quad");
    std::filesystem::create_directories(quadOut.parent_path());
    // Names typed without the kind's extension, or with another kind's, get
    // the kind's; one that then names a file there is asked for again. A dot
    // of the name itself stays, and asks about no file of the shorter name.
    services.savePanel->answers = {quadOut, dir.file("out/correction"), dir.file("out/correction.quad"),
                                   dir.file("out/correction.quad"), dir.file("out/correction.cube")};
    services.savePanel->answers.push_back(dir.file("out/linearized.2"));
    std::vector<bool> busy;
    services.savePanel->whenBegun = [&] {
        busy.push_back(QGuiApplication::overrideCursor() &&
                       QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor);
    };
    for (int item : {0, 1, 2, 2, 0}) {
        screen->exportOptionsPopupSelectionDidChange(item);
        button("saveButtonPressed")->click();
    }
    ASSERT_EQ(services.savePanel->requests.size(), 6u);
    EXPECT_EQ(busy, (std::vector<bool>{false, true, false, false, false, false})) << "busy while the .acv is placed";
    EXPECT_EQ(services.savePanel->requests[4].suggestedFileName, dir.file("out/correction.cube").string());
    EXPECT_FALSE(std::filesystem::exists(dir.file("out/correction.quad")));
    EXPECT_EQ(test_support::readBytes(dir.file("out/linearized.2.quad")), test_support::readBytes(quadOut));
    EXPECT_EQ(services.savePanel->requests[0].allowedFileTypes, std::vector<std::string>{"quad"});
    EXPECT_EQ(services.savePanel->requests[1].allowedFileTypes, std::vector<std::string>{"acv"});
    EXPECT_EQ(services.savePanel->requests[2].allowedFileTypes, std::vector<std::string>{"cube"});
    EXPECT_TRUE(services.alerts->shown.empty());

    const auto written = readBack(quadOut);
    ASSERT_NE(written, nullptr);
    EXPECT_EQ(*written->inputQuadCurveArray, wholeUnits(*model().quadData->outputQuadCurveArray));
    EXPECT_EQ(written->quadNotes, std::optional<std::string>("edited note\nsecond line"));
    EXPECT_EQ(written->inkList, model().quadData->inkList);

    const auto image = curves::imageSpaceCurve(correction());
    auto acv = curves::makeAcvCurvePoints(image);
    const auto acvBytes = curves::PhotoshopCurve_UInt16::acvFileData(acv.makeAcvData());
    EXPECT_EQ(test_support::readBytes(dir.file("out/correction.acv")), std::string(acvBytes.begin(), acvBytes.end()));
    EXPECT_EQ(test_support::readBytes(dir.file("out/correction.cube")),
              curves::PhotoshopCubeLUT(image).makeCube().value());
}

TEST_F(LinearizationExport, AQuadExportAfterTheEditorWritesTheEditedCurves) {
    loadMeasurements(labListFile(dir, "wedge.txt", darkMidtones()));
    loadQuad(quadFile(dir, "ramp.quad", fourInks));
    const curves::QuadDataFile::Curves edited(4, curves::linspace(256, 0, 30000));
    screen->didUpdateCurves(edited);
    services.savePanel->answers = {dir.file("edited.quad")};
    button("saveButtonPressed")->click();
    const auto written = readBack(dir.file("edited.quad"));
    ASSERT_NE(written, nullptr);
    EXPECT_EQ(*written->inputQuadCurveArray, wholeUnits(edited));
}

TEST_F(LinearizationExport, AFailedWriteShowsTheSaveErrorAndLeavesNoFile) {
    loadMeasurements(labListFile(dir, "wedge.txt", darkMidtones()));
    loadQuad(quadFile(dir, "ramp.quad", eightInks));
    for (int item : {0, 1, 2}) {
        SCOPED_TRACE(item);
        services.alerts->shown.clear();
        services.savePanel->answers = {dir.file("no-such-folder/out.file")};
        screen->exportOptionsPopupSelectionDidChange(item);
        button("saveButtonPressed")->click();
        ASSERT_EQ(services.alerts->shown.size(), 1u);
        EXPECT_EQ(services.alerts->shown[0].messageText, "Error Saving Quad File");
        EXPECT_FALSE(services.alerts->shown[0].informativeText.empty()) << "the system's reason";
        EXPECT_FALSE(std::filesystem::exists(dir.file("no-such-folder")));
    }
}

using LinearizationDrops = LinearizationScreenTest;

TEST_F(LinearizationDrops, ASingleDroppedFileOfAnyMeasurementKindLoadsAndRefreshesEverything) {
    loadQuad(quadFile(dir, "ramp.quad", eightInks));
    // Every extension the drop view takes as measurements; the .tsmc in the
    // list format this program writes.
    int shift = 0;
    for (const char* name : {"wedge.txt", "wedge.csv", "WEDGE.TXT", "wedge.ti3", "wedge.tsm", "wedge.tsmc"}) {
        SCOPED_TRACE(name);
        auto L = darkMidtones();
        L[10] += shift++ % 2 ? 3 : 0; // each file unlike the one before
        const auto file = std::string(name).ends_with(".tsmc") ? ownLabFile(dir, name, L) : labListFile(dir, name, L);
        const auto posts = ramps.objects().size();
        screen->handleDroppedFile(file);
        EXPECT_EQ(text("measurementFileNameLabel"), QString::fromUtf8(name));
        EXPECT_TRUE(services.alerts->shown.empty());
        EXPECT_NEAR(model().rawMeasurements[10].L, L[10], 1e-6);
        EXPECT_EQ(screen->measurementGraph->measuredValues, model().separatedLABArrays[0]);
        EXPECT_EQ(screen->measurementGraph->smoothedValues, model().smoothedMeasuredValues[0])
            << "the graph never mixes two files";
        EXPECT_GE(ramps.objects().size(), posts + 2);
        EXPECT_EQ(*model().quadData->outputQuadCurveArray, *model().linearizedQuadCurves())
            << "the corrected curves follow the new measurements";
    }
    SKIP_WITHOUT_SHARED_TEST_DATA();
    screen->handleDroppedFile(test_support::sharedTestFile("measurements/argyll-grey21-coated-konly.ti3"));
    EXPECT_EQ(text("measurementFileNameLabel"), QStringLiteral("argyll-grey21-coated-konly.ti3"));
}

TEST_F(LinearizationDrops, ADropOnTheDropViewReachesTheScreen) {
    const auto file = labListFile(dir, "wedge.txt", darkMidtones());
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(file.string()))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(screen->dropView, &enter);
    QDragMoveEvent move(QPoint(6, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(screen->dropView, &move);
    QDropEvent drop(QPointF(6, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(screen->dropView, &drop);
    EXPECT_EQ(text("measurementFileNameLabel"), QStringLiteral("wedge.txt"));
}

TEST_F(LinearizationDrops, SeveralFilesAreTakenInOrderSkippingWhatCannotBeUsed) {
    const auto quad = quadFile(dir, "ramp.quad", eightInks);
    const auto first = labListFile(dir, "first.txt", darkMidtones());
    auto L = darkMidtones();
    L[8] -= 4;
    const auto second = labListFile(dir, "second.ti3", L);
    test_support::writeBytes(dir.file("empty.csv"), "");
    // The quad comes first, before any correction: the files after it are
    // taken all the same.
    screen->handleDroppedFiles({quad, first, dir.file("empty.csv"), dir.file("missing.txt"), second});
    EXPECT_EQ(text("quadCurveFileNameLabel"), QStringLiteral("ramp.quad"));
    EXPECT_EQ(text("measurementFileNameLabel"), QStringLiteral("second.ti3"));
    EXPECT_EQ(services.alerts->shown.size(), 2u) << "one alert per file that could not be used";
    ASSERT_TRUE(model().quadData->outputQuadCurveArray);
    EXPECT_EQ(*model().quadData->outputQuadCurveArray, *model().linearizedQuadCurves());
    EXPECT_EQ(screen->measurementGraph->measuredValues, model().separatedLABArrays[0]);
    EXPECT_EQ(screen->measurementGraph->smoothedValues, model().smoothedMeasuredValues[0]);
    const auto posted = ramps.last<LabRampsPayload>();
    EXPECT_EQ(posted[0], linearization::resampleLabTo21(model().smoothedMeasurements));
}

TEST(LinearizationOpenRecent, RecentFilesOpenOnTheLinearizationScreenAndMissingOnesAlert) {
    test_support::ScratchDirectory dir;
    platform::QtRecentDocuments().clearRecentDocuments();
    ApplicationShell shell;
    auto alerts = std::make_shared<platform::RecordingAlertPresenter>();
    platform::services().alerts = alerts;
    auto& window = shell.mainWindow();
    auto* screen = window.linearizationScreen();
    ASSERT_NE(screen, nullptr);
    const auto wedge = labListFile(dir, "recent.txt", darkMidtones());
    const auto quad = quadFile(dir, "recent.quad", eightInks);
    platform::noteNewRecentDocument(quad);
    platform::noteNewRecentDocument(wedge);
    window.findChild<QTabWidget*>()->setCurrentIndex(0);

    const auto trigger = [&](const std::string& name) {
        for (auto* action : window.openRecentMenu()->actions())
            if (action->text() == QString::fromStdString(name)) return action->trigger(), true;
        return false;
    };
    ASSERT_TRUE(trigger("recent.txt"));
    EXPECT_EQ(window.findChild<QTabWidget*>()->currentIndex(), 1);
    EXPECT_EQ(screen->findChild<QLabel*>(QStringLiteral("measurementFileNameLabel"))->text(),
              QStringLiteral("recent.txt"));
    ASSERT_TRUE(trigger("recent.quad"));
    EXPECT_EQ(screen->findChild<QLabel*>(QStringLiteral("quadCurveFileNameLabel"))->text(),
              QStringLiteral("recent.quad"));
    EXPECT_TRUE(screen->model.quadData->outputQuadCurveArray);

    // A file gone since: the screen's load-failure alert, saying why in its
    // detailed text, and the file taken off the list and the menu.
    std::filesystem::remove(wedge);
    ASSERT_TRUE(trigger("recent.txt"));
    ASSERT_EQ(alerts->shown.size(), 1u);
    EXPECT_EQ(alerts->shown[0].messageText, "Failed to Load Measurement Data");
    EXPECT_NE(alerts->shown[0].detailedText.find("\"recent.txt\""), std::string::npos) << alerts->shown[0].detailedText;
    EXPECT_EQ(shell.delegate().dc->recentDocuments(), std::vector<std::filesystem::path>{quad});
    EXPECT_FALSE(trigger("recent.txt"));
    platform::QtRecentDocuments().clearRecentDocuments();
}

} // namespace appui::uitest
