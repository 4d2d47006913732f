// The linearization screen offscreen: its start, measurement loading by
// panel, the smoothing controls, sort and revert, find errors, table edits
// and the manual target.
#include <QAbstractItemModel>
#include <limits>

#include "app/curves/measurements/MeasurementFile.h"
#include "app/ui/editors/v2CurveEditorView.h"
#include "app/ui/editors/v2LinearizationManualCurveViewController.h"
#include "app/ui/linearization/InkSampleViewPanelController.h"
#include "app/ui/linearization/MeasurementTableModel.h"
#include "app/ui/widgets/ColorRamps.h"
#include "app/ui/widgets/ColorSampleView.h"
#include "app/ui/widgets/NotificationPayloads.h"
#include "tests/support/shared_test_data.h"
#include "tests/ui/linearization_screen_support.h"

namespace appui::uitest {

namespace {

const QStringList graphLabels{QStringLiteral("Measured Lab L*"), QStringLiteral("Linear Lab L*"),
                              QStringLiteral("Target Lab L*"), QStringLiteral("Smoothed Lab L*")};

const std::string loadFailure = "Failed to Load Measurement Data";
const std::string loadFailureText =
    "Please check the measurement data format and load data again.\n\nIf this problem continues send the "
    "measurement data file using the send feedback form in the help menu.";

QString cell(const qcv2LinearizationViewController& screen, int row, int column) {
    auto* table = tableOf(screen);
    return table->data(table->index(row, column)).toString();
}

} // namespace

using LinearizationScreen = LinearizationScreenTest;

TEST_F(LinearizationScreen, StartsWithTheNeutralPlaceholderTableAndNothingComputed) {
    auto* table = tableOf(*screen);
    ASSERT_EQ(table->rowCount(), 21);
    for (int r = 0; r < 21; ++r) EXPECT_EQ(cell(*screen, r, 0), QString::asprintf("%.2f", r * 5.0)) << r;
    EXPECT_EQ(cell(*screen, 0, 1), QStringLiteral("99.99"));
    EXPECT_EQ(cell(*screen, 20, 1), QStringLiteral("0.01"));
    EXPECT_EQ(button("sortButton")->text(), QStringLiteral("Sort Lab L*"));
    auto* exportKinds = find<QComboBox>("exportFileOptionsPopupButton");
    EXPECT_EQ(exportKinds->count(), 3);
    EXPECT_EQ(exportKinds->currentIndex(), 0);
    EXPECT_EQ(screen->exportFormat, curves::ExportType::quad);
    EXPECT_EQ(text("dMaxLabel"), QStringLiteral("0.00"));
    EXPECT_EQ(text("measurementFileNameLabel"), QString());
    EXPECT_EQ(screen->measurementGraph->data(), nullptr);
    EXPECT_EQ(screen->quadCurveGraph->data(), nullptr);
    EXPECT_FALSE(model().correctionCurve->correctionCurveArray);
    EXPECT_EQ(model().stepArray.size(), 256u);
    EXPECT_EQ(screen->dropView->delegate, screen.get());
}

TEST_F(LinearizationScreen, ALoadThroughThePanelShowsTheFileSmoothedAt33) {
    const auto file = labListFile(dir, "wedge.txt", darkMidtones());
    moveSlider("movingAverageSmoothingSlider", 70);
    ramps.clear();
    loadMeasurements(file);

    ASSERT_EQ(services.openPanel->requests.size(), 1u);
    EXPECT_EQ(services.openPanel->requests[0].title, "Choose a measurement file");
    EXPECT_EQ(services.openPanel->requests[0].allowedFileTypes, (std::vector<std::string>{"txt", "csv", "ti3"}));
    EXPECT_EQ(text("measurementFileNameLabel"), QStringLiteral("wedge.txt"));
    EXPECT_EQ(find<QSlider>("movingAverageSmoothingSlider")->value(), 33);
    EXPECT_EQ(find<QSlider>("splineSmoothingSlider")->value(), 33);
    EXPECT_EQ(text("movingAverageSmoothingWindowSizeLabel"), QStringLiteral("33"));
    EXPECT_EQ(text("splineSmoothingSliderLabel"), QStringLiteral("33"));
    EXPECT_EQ(model().avgWindowSize, 33) << "the load's window is 33 itself, not 33 x 0.64";
    EXPECT_DOUBLE_EQ(model().splinePercent, 0.67);
    EXPECT_EQ(text("dMaxLabel"), QString::asprintf("%.2f", model().dmax));
    EXPECT_EQ(tableOf(*screen)->rowCount(), 21);
    EXPECT_EQ(cell(*screen, 10, 1), QString::asprintf("%.2f", darkMidtones()[10]));
    EXPECT_EQ(services.recentDocuments(), std::vector<std::filesystem::path>{file});

    ASSERT_TRUE(model().correctionCurve->correctionCurveArray);
    EXPECT_EQ(chartLabels(measurementChart()), graphLabels);
    EXPECT_EQ(measurementChart()->getDataSetByIndex(3)->entryCount(), 256);
    EXPECT_EQ(screen->measurementGraph->measuredValues, model().separatedLABArrays[0]);

    // The first post is the raw measurements, the last the smoothed and
    // corrected ones, each cut to 21.
    ASSERT_GE(ramps.objects().size(), 2u);
    const auto first = std::any_cast<LabRampsPayload>(ramps.objects().front());
    EXPECT_EQ(first[0], model().rawMeasurements);
    EXPECT_TRUE(first[1].empty());
    const auto last = ramps.last<LabRampsPayload>();
    EXPECT_EQ(last[0].size(), 21u);
    EXPECT_EQ(last[1].size(), 21u);
    EXPECT_EQ(last[0].back(), model().smoothedMeasurements.back());

    // The sample panel follows the posts.
    EXPECT_EQ(screen->inkSamplePanel->orginalSampleView->colorSamples, last[0]);
}

TEST_F(LinearizationScreen, RealMeasurementFilesLoadThroughThePanel) {
    SKIP_WITHOUT_SHARED_TEST_DATA();
    struct Case {
        const char* name;
        // The step column of row 1: the 25-row list was printed at uneven
        // steps (0, 2.5, 5, 7.5, 10, 15 ... 97.5, 100).
        const char* secondStep;
    };
    const Case cases[] = {{"measurements/gray-lab-list-25rows.txt", "2.50"},
                          {"measurements/argyll-grey21-coated-konly.ti3", "5.00"},
                          {"measurements/argyll-grey51-uncoated-konly.ti3", "2.00"},
                          {"measurements/i1profiler-gloss-neutral-52x5.txt", nullptr},
                          {"measurements/i1profiler-matte-52x5-mixed-separators.txt", nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // Moved away first, so that the load's own settings show.
        moveSlider("movingAverageSmoothingSlider", 70);
        moveSlider("splineSmoothingSlider", 10);
        const auto file = test_support::sharedTestFile(c.name);
        loadMeasurements(file);
        EXPECT_TRUE(services.alerts->shown.empty());
        EXPECT_EQ(text("measurementFileNameLabel"), QString::fromStdString(file.filename().string()));
        EXPECT_EQ(find<QSlider>("movingAverageSmoothingSlider")->value(), 33);
        EXPECT_EQ(find<QSlider>("splineSmoothingSlider")->value(), 33);
        EXPECT_EQ(text("movingAverageSmoothingWindowSizeLabel"), QStringLiteral("33"));
        EXPECT_EQ(text("splineSmoothingSliderLabel"), QStringLiteral("33"));
        EXPECT_EQ(model().avgWindowSize, 33);
        EXPECT_DOUBLE_EQ(model().splinePercent, 0.67);
        EXPECT_EQ(text("dMaxLabel"), QString::asprintf("%.2f", model().dmax));

        // The four graph sets over the 256 steps.
        ASSERT_EQ(chartLabels(measurementChart()), graphLabels);
        for (int set = 0; set < 4; ++set) EXPECT_GT(measurementChart()->getDataSetByIndex(set)->entryCount(), 1);
        EXPECT_EQ(measurementChart()->getDataSetByIndex(3)->entryCount(), 256);
        EXPECT_EQ(screen->measurementGraph->smoothedValues, model().smoothedMeasuredValues[0]);
        EXPECT_EQ(screen->measurementGraph->targetValues, model().correctionCurve->finalTargetArray);

        // The sample panel shows the smoothed and the corrected ramps.
        const auto shown = rampsToShow({linearization::resampleLabTo21(model().smoothedMeasurements),
                                        linearization::resampleLabTo21(model().correctedMeasurements)});
        EXPECT_EQ(screen->inkSamplePanel->orginalSampleView->colorSamples, shown.original);
        EXPECT_EQ(screen->inkSamplePanel->correctedSampleView->colorSamples, shown.corrected);
        EXPECT_EQ(screen->inkSamplePanel->correctedSampleView->colorSamples.size(), 21u);

        const int rows = tableOf(*screen)->rowCount();
        ASSERT_EQ(rows, static_cast<int>(model().rawMeasurements.size()));
        ASSERT_GT(rows, 20);
        EXPECT_EQ(cell(*screen, 0, 0), QStringLiteral("0.00"));
        EXPECT_EQ(cell(*screen, rows - 1, 0), QStringLiteral("100.00"));
        if (c.secondStep) {
            EXPECT_EQ(cell(*screen, 1, 0), QString::fromUtf8(c.secondStep));
        }
    }
}

TEST_F(LinearizationScreen, AFailedLoadShowsTheAlertAndLeavesTheLoadedFile) {
    const auto good = labListFile(dir, "wedge.txt", darkMidtones());
    test_support::writeBytes(dir.file("binary.txt"), std::string("\x7f"
                                                                 "ELF\x02\x01\x01\0\0\0 \x03\0>\0",
                                                                 16));
    test_support::writeBytes(dir.file("empty.txt"), "");
    test_support::writeBytes(dir.file("words.csv"), "nothing,to,see\nhere,at,all\n");
    loadMeasurements(good);
    moveSlider("splineSmoothingSlider", 60);
    const auto chart = screen->measurementGraph->data();
    const auto correctionBefore = correction();
    const auto posts = ramps.objects().size();

    for (const char* bad : {"binary.txt", "empty.txt", "words.csv", "missing.txt"}) {
        SCOPED_TRACE(bad);
        services.alerts->shown.clear();
        loadMeasurements(dir.file(bad));
        ASSERT_EQ(services.alerts->shown.size(), 1u);
        EXPECT_EQ(services.alerts->shown[0].messageText, loadFailure);
        EXPECT_EQ(services.alerts->shown[0].informativeText, loadFailureText);
        EXPECT_EQ(text("measurementFileNameLabel"), QStringLiteral("wedge.txt"));
        EXPECT_EQ(find<QSlider>("splineSmoothingSlider")->value(), 60);
        EXPECT_EQ(screen->measurementGraph->data(), chart);
        EXPECT_EQ(correction(), correctionBefore);
        EXPECT_EQ(ramps.objects().size(), posts);
    }
}

TEST_F(LinearizationScreen, AFailedLoadBeforeAnyFileChangesNothing) {
    test_support::writeBytes(dir.file("empty.txt"), "");
    loadMeasurements(dir.file("empty.txt"));
    EXPECT_EQ(services.alerts->shown.size(), 1u);
    EXPECT_EQ(tableOf(*screen)->rowCount(), 21);
    EXPECT_FALSE(model().correctionCurve->correctionCurveArray);
    EXPECT_EQ(screen->measurementGraph->data(), nullptr);
    // A cancelled panel does nothing at all.
    button("loadMeasurmentData")->click();
    EXPECT_EQ(services.alerts->shown.size(), 1u);
    EXPECT_TRUE(ramps.objects().empty());
}

TEST_F(LinearizationScreen, SmoothingControlsSetTheWindowAndTheSplineWeight) {
    loadMeasurements(labListFile(dir, "wedge.txt", darkMidtones()));
    struct Move {
        const char* slider;
        int position;
        int window;
        double percent;
    };
    for (const auto& m :
         {Move{"movingAverageSmoothingSlider", 50, 32, 0.67}, Move{"movingAverageSmoothingSlider", 51, 32, 0.67},
          Move{"splineSmoothingSlider", 80, 32, 0.2}, Move{"splineSmoothingSlider", 0, 32, 1.0}}) {
        SCOPED_TRACE(m.position);
        const auto posts = ramps.objects().size();
        moveSlider(m.slider, m.position);
        EXPECT_EQ(model().avgWindowSize, m.window);
        EXPECT_DOUBLE_EQ(model().splinePercent, m.percent);
        EXPECT_GT(ramps.objects().size(), posts) << "every move recomputes and posts";
    }
    EXPECT_EQ(text("movingAverageSmoothingWindowSizeLabel"), QStringLiteral("51"));
    EXPECT_EQ(text("splineSmoothingSliderLabel"), QStringLiteral("0"));

    // A key on the slider moves it as a drag does.
    auto* spline = find<QSlider>("splineSmoothingSlider");
    spline->setFocus();
    QTest::keyClick(spline, Qt::Key_Right);
    EXPECT_EQ(text("splineSmoothingSliderLabel"), QStringLiteral("1"));
    EXPECT_DOUBLE_EQ(model().splinePercent, 0.99);
}

TEST_F(LinearizationScreen, TypedSmoothingValuesMoveTheSlidersAndAreKeptInRange) {
    loadMeasurements(labListFile(dir, "wedge.txt", darkMidtones()));
    type("movingAverageSmoothingWindowSizeLabel", QStringLiteral("40"));
    EXPECT_EQ(model().avgWindowSize, 25);
    EXPECT_EQ(find<QSlider>("movingAverageSmoothingSlider")->value(), 40);

    struct Typed {
        const char* typed;
        const char* shown;
        int slider;
        double percent;
    };
    for (const auto& t : {Typed{"150", "100", 100, 0.0}, Typed{"-5", "0", 0, 1.0}, Typed{"25%", "25%", 25, 0.75},
                          Typed{"abc", "abc", 0, 1.0}}) {
        SCOPED_TRACE(t.typed);
        type("splineSmoothingSliderLabel", QString::fromUtf8(t.typed));
        EXPECT_EQ(text("splineSmoothingSliderLabel"), QString::fromUtf8(t.shown));
        EXPECT_EQ(find<QSlider>("splineSmoothingSlider")->value(), t.slider);
        EXPECT_DOUBLE_EQ(model().splinePercent, t.percent);
    }
}

TEST_F(LinearizationScreen, SortOrdersByLightnessAndOptionRevertsToTheFilesOrder) {
    auto L = darkMidtones();
    std::swap(L[4], L[9]);
    loadMeasurements(labListFile(dir, "wedge.txt", L));
    const auto opened = model().rawMeasurements;
    auto* sort = button("sortButton");
    sort->click();
    EXPECT_TRUE(std::is_sorted(model().rawMeasurements.begin(), model().rawMeasurements.end(),
                               [](const auto& x, const auto& y) { return x.L > y.L; }));
    EXPECT_EQ(cell(*screen, 4, 1), QString::asprintf("%.2f", darkMidtones()[4]));

    hoverWithOption(sort, true);
    EXPECT_EQ(sort->text(), QStringLiteral("Revert"));
    sort->click();
    EXPECT_EQ(model().rawMeasurements, opened);
    leave(sort);
    EXPECT_EQ(sort->text(), QStringLiteral("Sort Lab L*"));
    hoverWithOption(sort, true);
    QTest::keyRelease(screen.get(), Qt::Key_Alt);
    EXPECT_EQ(sort->text(), QStringLiteral("Sort Lab L*")) << "releasing Option turns Revert back";
}

TEST_F(LinearizationScreen, RevertWithNothingOpenedDoesNothingAtAll) {
    auto* sort = button("sortButton");
    hoverWithOption(sort, true);
    sort->click();
    EXPECT_EQ(model().rawMeasurements.size(), 21u);
    EXPECT_FALSE(model().correctionCurve->correctionCurveArray);
    EXPECT_TRUE(ramps.objects().empty());
}

TEST_F(LinearizationScreen, FlagsStayWithTheirFileAndGoWhenAnotherLoads) {
    auto L = darkMidtones();
    L[6] = L[5] + 1;
    loadMeasurements(labListFile(dir, "flagged.txt", L));
    button("findErrorsButtonPressed")->click();
    ASSERT_EQ(screen->errorIndexies, std::vector<int>{5});
    auto* table = tableOf(*screen);

    // A load that fails leaves the rows, and so their flags.
    test_support::writeBytes(dir.file("empty.txt"), "");
    loadMeasurements(dir.file("empty.txt"));
    EXPECT_EQ(screen->errorIndexies, std::vector<int>{5});
    EXPECT_TRUE(table->data(table->index(5, 1), MeasurementTableModel::FlaggedRole).toBool());

    // Another file's rows are not the flagged ones: its row 5 is not marked.
    loadMeasurements(labListFile(dir, "clean.txt", darkMidtones()));
    EXPECT_TRUE(screen->errorIndexies.empty());
    EXPECT_FALSE(table->data(table->index(5, 1), MeasurementTableModel::FlaggedRole).toBool());
    screen->handleDroppedFile(labListFile(dir, "flagged.csv", L));
    button("findErrorsButtonPressed")->click();
    ASSERT_EQ(screen->errorIndexies, std::vector<int>{5});
    screen->handleDroppedFile(labListFile(dir, "clean.csv", darkMidtones()));
    EXPECT_TRUE(screen->errorIndexies.empty()) << "a dropped file too";
}

TEST_F(LinearizationScreen, FindErrorsFlagsTheRowBeforeALighterStep) {
    auto L = darkMidtones();
    L[6] = L[5] + 1;
    loadMeasurements(labListFile(dir, "wedge.txt", L));
    button("findErrorsButtonPressed")->click();
    EXPECT_EQ(screen->errorIndexies, std::vector<int>{5});
    auto* table = tableOf(*screen);
    EXPECT_TRUE(table->data(table->index(5, 1), MeasurementTableModel::FlaggedRole).toBool());
    EXPECT_FALSE(table->data(table->index(6, 1), MeasurementTableModel::FlaggedRole).toBool());
}

TEST_F(LinearizationScreen, ATableEditRecomputesPostsTheRawAndCorrectedSamplesAndTheCorrectedQuad) {
    loadMeasurements(labListFile(dir, "wedge.txt", darkMidtones()));
    loadQuad(quadFile(dir, "ramp.quad", eightInks));
    const auto correctionBefore = correction();
    const auto quadBefore = *model().quadData->outputQuadCurveArray;
    auto* table = tableOf(*screen);
    ASSERT_TRUE(table->setData(table->index(10, 1), QStringLiteral("60")));
    EXPECT_EQ(model().rawMeasurements[10].L, 60);
    EXPECT_NE(correction(), correctionBefore);
    EXPECT_EQ(text("dMaxLabel"), QString::asprintf("%.2f", model().dmax));
    const auto posted = ramps.last<LabRampsPayload>();
    EXPECT_EQ(posted[0], model().rawMeasurements);
    EXPECT_EQ(posted[1].size(), 21u);
    EXPECT_NE(*model().quadData->outputQuadCurveArray, quadBefore) << "the corrected curves follow the edit";
    EXPECT_EQ(screen->measurementGraph->measuredValues, model().separatedLABArrays[0]);

    ASSERT_TRUE(table->setData(table->index(2, 2), QStringLiteral("1.5")));
    EXPECT_EQ(model().rawMeasurements[2].a, 1.5);
    ASSERT_TRUE(table->setData(table->index(2, 3), QStringLiteral("-2")));
    EXPECT_EQ(model().rawMeasurements[2].b, -2);
}

TEST_F(LinearizationScreen, ATableEditNoFileCouldHoldIsRefusedAndChangesNothing) {
    loadMeasurements(labListFile(dir, "wedge.txt", darkMidtones()));
    loadQuad(quadFile(dir, "ramp.quad", eightInks));
    const auto rows = model().rawMeasurements;
    const auto correctionBefore = correction();
    const auto quadBefore = *model().quadData->outputQuadCurveArray;
    const auto posts = ramps.objects().size();

    // Typed into the table's own editor: the cell keeps its value.
    auto* view = find<QTableView>("ogMeasurementTableView");
    const auto typeInto = [view](int row, int column, const QString& typed) {
        const auto index = view->model()->index(row, column);
        view->setCurrentIndex(index);
        view->edit(index);
        auto* editor = qobject_cast<QLineEdit*>(view->indexWidget(index));
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, typed);
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents(); // the delegate commits and closes queued
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(view->indexWidget(index), nullptr) << "the editor closed";
    };
    struct Edit {
        int column;
        const char* typed;
    };
    for (const auto& e :
         {Edit{MeasurementTableModel::labLColumn, "150"}, Edit{MeasurementTableModel::labLColumn, "-3"},
          Edit{MeasurementTableModel::labLColumn, "1e999"}, Edit{MeasurementTableModel::labAColumn, "inf"},
          Edit{MeasurementTableModel::labBColumn, "nan"}, Edit{MeasurementTableModel::labLColumn, "abc"},
          Edit{MeasurementTableModel::labLColumn, "12abc"}}) {
        SCOPED_TRACE(e.typed);
        const auto shown = cell(*screen, 10, e.column);
        services.alerts->shown.clear();
        typeInto(10, e.column, QString::fromUtf8(e.typed));
        QApplication::processEvents();
        EXPECT_EQ(cell(*screen, 10, e.column), shown);
        ASSERT_EQ(services.alerts->shown.size(), 1u) << "a word on why";
        EXPECT_EQ(services.alerts->shown[0].messageText, "Measurement Not Changed");
    }
    EXPECT_EQ(services.alerts->shown[0].informativeText,
              "\u201C12abc\u201D is not a number; L* stays " + cell(*screen, 10, 1).toStdString() + ".");
    EXPECT_EQ(model().rawMeasurements, rows);
    EXPECT_EQ(correction(), correctionBefore);
    EXPECT_EQ(*model().quadData->outputQuadCurveArray, quadBefore);
    EXPECT_EQ(ramps.objects().size(), posts) << "nothing recomputed";

    // The screen's own write refuses the same.
    screen->onEnterInTextField(10, MeasurementTableModel::labLColumn, 100.5);
    screen->onEnterInTextField(10, MeasurementTableModel::labAColumn, std::numeric_limits<double>::infinity());
    EXPECT_EQ(model().rawMeasurements, rows);

    // An edit within range is taken as before.
    typeInto(10, MeasurementTableModel::labLColumn, QStringLiteral("55.5"));
    EXPECT_EQ(model().rawMeasurements[10].L, 55.5);
    EXPECT_EQ(cell(*screen, 10, MeasurementTableModel::labLColumn), QStringLiteral("55.50"));
    EXPECT_NE(correction(), correctionBefore);
}

TEST_F(LinearizationScreen, TheManualCurveDialogSetsTheTarget) {
    PostedObjects drawn{curves::NotificationName::updatedManualCurveControl()};
    loadMeasurements(labListFile(dir, "wedge.txt", darkMidtones()));
    auto* dialog = qobject_cast<v2LinearizationManualCurveViewController*>(
        screen->performSegue(QStringLiteral("ShowManualCurve")));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->useMatteCompression, model().matteDensityRange);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    EXPECT_EQ(screen->performSegue(QStringLiteral("ShowManualCurve")), dialog) << "one dialog, brought to the front";
    auto* editor = dialog->findChild<v2CurveEditorView*>(QStringLiteral("curveEditor"));
    ASSERT_NE(editor, nullptr);
    const auto targetBefore = model().correctionCurve->finalTargetArray;

    // The dialog's standard compression, drawn by its editor, bends the
    // target through the dialog's own post; without a quad nothing more.
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("useStandardCompressionButton")), Qt::LeftButton);
    editor->repaint();
    ASSERT_FALSE(drawn.objects().empty());
    const auto compression = drawn.last<ManualCurvePayload>();
    EXPECT_EQ(model().manualCurve, linearization::manualTargetOfCurve(compression).value());
    EXPECT_LT(model().manualCurve[128], 50) << "the middle is pulled down";
    EXPECT_NE(model().correctionCurve->finalTargetArray, targetBefore);
    EXPECT_EQ(screen->measurementGraph->targetValues, model().correctionCurve->finalTargetArray);
    EXPECT_EQ(ramps.last<LabRampsPayload>()[1], linearization::resampleLabTo21(model().correctedMeasurements));
    EXPECT_TRUE(log.standardOutputContains("Doesnt have correction curve or quad data for linearization"));

    // With a quad the corrected curves follow the next drawing.
    loadQuad(quadFile(dir, "ramp.quad", eightInks));
    const double w = editor->width();
    const double h = editor->height();
    press(editor, fromYUp(editor, {0.5 * w, 0.48 * h}));
    drag(editor, fromYUp(editor, {0.5 * w, 0.3 * h}));
    release(editor, fromYUp(editor, {0.5 * w, 0.3 * h}));
    editor->repaint();
    EXPECT_NE(drawn.last<ManualCurvePayload>(), compression);
    EXPECT_EQ(model().manualCurve, linearization::manualTargetOfCurve(drawn.last<ManualCurvePayload>()).value());
    EXPECT_EQ(*model().quadData->outputQuadCurveArray, *model().linearizedQuadCurves());
    EXPECT_EQ(screen->quadCurveGraph->quadCurve, *model().quadData->outputQuadCurveArray);

    // A curve of one value has no shape to sample and is ignored.
    const auto manual = model().manualCurve;
    platform::NotificationCenter::defaultCenter().post(curves::NotificationName::updatedManualCurveControl(),
                                                       ManualCurvePayload{42});
    EXPECT_EQ(model().manualCurve, manual);
    dialog->close();
}

} // namespace appui::uitest
