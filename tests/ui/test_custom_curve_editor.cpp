#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEnterEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QWheelEvent>
#include <cmath>
#include <functional>
#include <memory>

#include "app/curves/math/Resampling.h"
#include "app/ui/editors/CustomCurveEditorVC.h"
#include "app/ui/editors/QuadCurveEditorView.h"
#include "app/ui/widgets/FieldText.h"
#include "app/ui/widgets/InkDisplayColors.h"
#include "tests/ui/ui_test_support.h"

namespace appui {

namespace {

using Curves = CustomCurveEditorVC::Curves;

struct RecordingDelegate : CustomCurveEditorDelegate {
    std::vector<Curves> received;
    void didUpdateCurves(const Curves& curves) override { received.push_back(curves); }
};

// Two channels the presenter hands over: a full ramp and a half ramp.
Curves presentedCurves() { return {curves::linspace(256, 0, 65535), curves::linspace(256, 0, 32767)}; }

class CustomCurveEditorTest : public ::testing::Test {
protected:
    void open(Curves input, std::vector<std::string> names) {
        dialog = std::make_unique<CustomCurveEditorVC>();
        dialog->editorDelegate = &delegate;
        dialog->inkList = std::move(names);
        dialog->manualQuadInput = std::move(input);
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        gammaSlider = find<QSlider>("gammaSlider");
        boostSlider = find<QSlider>("boostSlider");
        gammaLabel = find<QLabel>("gammaLabel");
        boostLabel = find<QLabel>("boostLabel");
        boostAll = find<QCheckBox>("boostAll");
        curveNameList = find<QComboBox>("curveNameList");
        accept = find<QPushButton>("acceptEditButton");
        finish = find<QPushButton>("finishEditingButton");
        editor = find<QuadCurveEditorView>("quadEditor");
    }
    void TearDown() override {
        if (dialog) QTest::keyRelease(dialog.get(), Qt::Key_Alt);
    }

    template <class W>
    W* find(const char* name) {
        auto* widget = dialog->findChild<W*>(QString::fromUtf8(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QWidget* graphPlace() { return find<QWidget>("quadCurveGraphPlace"); }

    // A drag of the handle to a position, released there or not.
    static void dragSlider(QSlider* slider, int position, bool release) {
        slider->setSliderDown(true);
        slider->setSliderPosition(position);
        if (release) slider->setSliderDown(false);
    }
    // Notches of a mouse wheel turned over the slider (positive: away from
    // the user), as the window system delivers them.
    static void turnWheel(QSlider* slider, int notches) {
        const QPointF at(slider->width() / 2.0, slider->height() / 2.0);
        QWheelEvent event(at, slider->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(slider, &event);
    }
    void chooseChannel(int index) {
        curveNameList->setCurrentIndex(index);
        emit curveNameList->activated(index);
    }
    void hoverWithOption(QPushButton* button, bool option) {
        if (option)
            QTest::keyPress(dialog.get(), Qt::Key_Alt, Qt::AltModifier);
        else
            QTest::keyRelease(dialog.get(), Qt::Key_Alt);
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), button->mapToGlobal(QPointF(2, 2)));
        QApplication::sendEvent(button, &enter);
    }
    void leave(QPushButton* button) {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(button, &event);
    }

    RecordingDelegate delegate;
    std::unique_ptr<CustomCurveEditorVC> dialog;
    QSlider* gammaSlider = nullptr;
    QSlider* boostSlider = nullptr;
    QLabel* gammaLabel = nullptr;
    QLabel* boostLabel = nullptr;
    QCheckBox* boostAll = nullptr;
    QComboBox* curveNameList = nullptr;
    QPushButton* accept = nullptr;
    QPushButton* finish = nullptr;
    QuadCurveEditorView* editor = nullptr;
};

double maxDifference(const std::vector<double>& x, const std::vector<double>& y) {
    double d = 0;
    for (std::size_t i = 0; i < std::min(x.size(), y.size()); ++i) d = std::max(d, std::fabs(x[i] - y[i]));
    return d;
}

} // namespace

TEST_F(CustomCurveEditorTest, OpeningWithNothingHandedOverStartsFromTheDefaultSet) {
    open({}, {});
    ASSERT_EQ(dialog->manualQuadInput.size(), 8u);
    EXPECT_EQ(dialog->manualQuadInput[0], curves::linspace(256, 0, 65535));
    for (std::size_t k = 1; k < 8; ++k) EXPECT_EQ(dialog->manualQuadInput[k], std::vector<double>(256, 0.0));
    ASSERT_EQ(dialog->manualQuadOutput.size(), 8u);
    EXPECT_EQ(dialog->manualQuadOutput, dialog->manualQuadInput);
    EXPECT_EQ(curveNameList->count(), 0);
    EXPECT_EQ(boostLabel->text(), twoDecimals(dialog->manualQuadOutput[0].back() / 655.35));
}

TEST_F(CustomCurveEditorTest, OpeningShowsTheGraphAndTheChannelChooserWithTheNames) {
    open(presentedCurves(), {"# K Curve", "# C Curve"});
    EXPECT_TRUE(graphPlace()->isVisible());
    EXPECT_FALSE(editor->isVisible());
    EXPECT_FALSE(accept->isVisible());
    EXPECT_TRUE(finish->isVisible());
    EXPECT_TRUE(curveNameList->isVisible());
    ASSERT_EQ(curveNameList->count(), 2);
    EXPECT_EQ(curveNameList->itemText(1), QStringLiteral("# C Curve"));
    EXPECT_EQ(dialog->manualQuadInput, presentedCurves()) << "opening previews; it commits nothing";
    EXPECT_EQ(boostLabel->text(), twoDecimals(dialog->manualQuadOutput[0].back() / 655.35));
}

TEST_F(CustomCurveEditorTest, TheGammaLabelMirrorsTheSliderAroundOne) {
    open(presentedCurves(), {"# K Curve", "# C Curve"});
    const std::pair<int, const char*> cases[] = {{100, "1.00"}, {60, "1.40"}, {130, "0.70"}};
    for (const auto& [position, text] : cases) {
        dragSlider(gammaSlider, position, false);
        EXPECT_EQ(gammaLabel->text(), QString::fromUtf8(text));
        EXPECT_DOUBLE_EQ(dialog->gammaAdjustment, position / 100.0);
    }
}

TEST_F(CustomCurveEditorTest, GammaPreviewsWhileDraggingAndCommitsOnRelease) {
    open(presentedCurves(), {"# K Curve", "# C Curve"});
    dragSlider(gammaSlider, 60, false);
    const auto preview = dialog->manualQuadOutput;
    EXPECT_EQ(dialog->manualQuadInput, presentedCurves());
    EXPECT_GT(maxDifference(preview[0], presentedCurves()[0]), 1000) << "gamma bends the channel";

    // Every preview starts from the committed set, not from the last preview.
    dragSlider(gammaSlider, 100, false);
    EXPECT_EQ(dialog->manualQuadOutput, presentedCurves()) << "a gamma of 1 changes nothing";

    dragSlider(gammaSlider, 60, true);
    EXPECT_EQ(dialog->manualQuadInput, dialog->manualQuadOutput);
    EXPECT_EQ(dialog->manualQuadOutput, preview);
}

// However a slider reaches a position (one drag, keys, wheel notches) the
// curves there are the same: each step previews from the committed set, and
// the preview is committed once, when the slider loses the focus or another
// control acts. A light ink (up to 40 % at input 100, none from 200) is the
// channel a compounded gamma bends most at its start.
TEST_F(CustomCurveEditorTest, KeysAndWheelNotchesPreviewLikeADragAndAreCommittedOnce) {
    auto set = presentedCurves();
    set.emplace_back(256);
    for (std::size_t i = 0; i < 256; ++i) set[2][i] = std::round(26214 * std::max(0.0, 1 - std::fabs(i - 100.0) / 100));
    struct Case {
        const char* slider;
        Qt::Key key; // ten presses, or ten wheel notches without one
        std::function<void()> commit;
    };
    const Case cases[] = {
        {"gammaSlider", Qt::Key_Left, [this] { finish->setFocus(); }},
        {"boostSlider", Qt::Key_unknown, [this] { QTest::keyClick(gammaSlider, Qt::Key_Left); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.slider);
        open(set, {"# K Curve", "# C Curve", "# LK Curve"});
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        auto* slider = find<QSlider>(c.slider);
        slider->setFocus();
        for (int i = 0; i < 10; ++i) c.key == Qt::Key_unknown ? turnWheel(slider, 1) : QTest::keyClick(slider, c.key);
        const int position = slider->value();
        const auto stepped = dialog->manualQuadOutput;
        EXPECT_EQ(dialog->manualQuadInput, set) << "nothing committed yet";
        c.commit();
        EXPECT_EQ(dialog->manualQuadInput, stepped) << "committed once";

        // Against an end the slider stays put, and so do the curves.
        QTest::keyClick(slider, Qt::Key_End);
        const auto atEnd = dialog->manualQuadOutput;
        turnWheel(slider, 2);
        EXPECT_EQ(dialog->manualQuadOutput, atEnd);

        open(set, {"# K Curve", "# C Curve", "# LK Curve"});
        dragSlider(find<QSlider>(c.slider), position, true);
        EXPECT_EQ(dialog->manualQuadOutput, stepped) << "the same as one drag to " << position;
    }
}

TEST_F(CustomCurveEditorTest, BoostRaisesEveryChannelOrTheFirstOnly) {
    for (bool all : {true, false}) {
        SCOPED_TRACE(all);
        open(presentedCurves(), {"# K Curve", "# C Curve"});
        const auto before = dialog->manualQuadOutput;
        boostAll->setChecked(all);
        dragSlider(boostSlider, 40, true);
        EXPECT_GT(dialog->manualQuadOutput[0][128], before[0][128]);
        if (all)
            EXPECT_GT(dialog->manualQuadOutput[1][128], before[1][128]);
        else
            EXPECT_EQ(dialog->manualQuadOutput[1], before[1]);
        EXPECT_EQ(boostLabel->text(), twoDecimals(dialog->manualQuadOutput[0].back() / 655.35));
        EXPECT_EQ(dialog->manualQuadInput, dialog->manualQuadOutput);
    }
}

TEST_F(CustomCurveEditorTest, ChoosingAChannelLoadsItIntoTheEditorInItsColour) {
    open(presentedCurves(), {"# K Curve", "# C Curve"});
    chooseChannel(1);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_FALSE(graphPlace()->isVisible());
    EXPECT_TRUE(accept->isVisible());
    EXPECT_FALSE(finish->isVisible());
    EXPECT_FALSE(gammaSlider->isEnabled());
    EXPECT_FALSE(boostSlider->isEnabled());
    EXPECT_FALSE(find<QWidget>("sliderControlStackView")->isVisible());
    EXPECT_TRUE(find<QWidget>("editChannelButtonStackView")->isVisible());
    EXPECT_EQ(dialog->currentlyEditingCurve, 1);
    EXPECT_EQ(editor->inputCurveValues.size(), 23);
    EXPECT_EQ(editor->originalCurveValues, editor->inputCurveValues);
    EXPECT_EQ(editor->lineColor, inkDisplayColor("# C Curve"));
}

TEST_F(CustomCurveEditorTest, AnAcceptedHandEditReplacesTheChannelInWholeUnits) {
    open(presentedCurves(), {"# K Curve", "# C Curve"});
    chooseChannel(1);
    find<QPushButton>("zeroCurve")->click();
    accept->click();
    ASSERT_EQ(dialog->manualQuadOutput.size(), 2u);
    EXPECT_EQ(dialog->manualQuadOutput[1], std::vector<double>(256, 0.0));
    EXPECT_EQ(dialog->manualQuadInput, dialog->manualQuadOutput);
    EXPECT_EQ(dialog->manualQuadOutput[0], presentedCurves()[0]) << "channel 0 untouched";
    ASSERT_EQ(dialog->inkSumArray.size(), 256u);
    EXPECT_EQ(dialog->inkSumArray.back(), 100);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_TRUE(graphPlace()->isVisible());
    EXPECT_TRUE(finish->isVisible());
    EXPECT_TRUE(gammaSlider->isEnabled());

    // A flat fill at the channel's 50 % value, rounded half away from zero.
    chooseChannel(0);
    find<QPushButton>("fill50")->click();
    accept->click();
    const auto& filled = dialog->manualQuadOutput[0];
    ASSERT_EQ(filled.size(), 256u);
    for (std::size_t i = 0; i < 256; ++i) {
        EXPECT_EQ(filled[i], std::round(dialog->outputQuadChannelValues[i])) << i;
        EXPECT_NEAR(filled[i], dialog->outputQuadChannelValues[i], 0.5);
    }
    EXPECT_NEAR(filled[200], presentedCurves()[0][127], 300);
}

TEST_F(CustomCurveEditorTest, OptionTurnsAcceptAndFinishIntoCancel) {
    open(presentedCurves(), {"# K Curve", "# C Curve"});
    hoverWithOption(finish, false);
    EXPECT_EQ(finish->text(), QStringLiteral("Finish Editing"));
    hoverWithOption(finish, true);
    EXPECT_EQ(finish->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(accept->text(), QStringLiteral("Cancel"));
    leave(finish);
    EXPECT_EQ(finish->text(), QStringLiteral("Finish Editing"));
    EXPECT_EQ(accept->text(), QStringLiteral("Accept"));
}

TEST_F(CustomCurveEditorTest, ACancelledHandEditIsDropped) {
    open(presentedCurves(), {"# K Curve", "# C Curve"});
    const auto before = dialog->manualQuadOutput;
    chooseChannel(1);
    find<QPushButton>("zeroCurve")->click();
    hoverWithOption(accept, true);
    accept->click();
    EXPECT_EQ(dialog->manualQuadOutput, before);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_TRUE(finish->isVisible());
}

TEST_F(CustomCurveEditorTest, FinishHandsTheSetBackAndResetsCancelHandsNothing) {
    // Opened and finished with no change, however often, also with a channel
    // chosen and accepted as it was shown: the set as given.
    for (int round = 0; round < 3; ++round) {
        open(round == 0 ? presentedCurves() : delegate.received.back(), {"# K Curve", "# C Curve"});
        if (round > 0) chooseChannel(round - 1);
        if (round > 0) accept->click();
        finish->click();
    }
    EXPECT_EQ(delegate.received.back(), presentedCurves());
    delegate.received.clear();

    open(presentedCurves(), {"# K Curve", "# C Curve"});
    dragSlider(boostSlider, 20, true);
    const auto result = dialog->manualQuadOutput;
    finish->click();
    ASSERT_EQ(delegate.received.size(), 1u);
    EXPECT_EQ(delegate.received[0], result);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(dialog->manualQuadInput.empty());
    EXPECT_TRUE(dialog->manualQuadOutput.empty());
    EXPECT_EQ(curveNameList->count(), 0);

    open(presentedCurves(), {"# K Curve", "# C Curve"});
    hoverWithOption(finish, true);
    finish->click();
    EXPECT_EQ(delegate.received.size(), 1u) << "cancel hands nothing back";
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->manualQuadInput, presentedCurves()) << "and resets nothing";
}

TEST_F(CustomCurveEditorTest, WithoutDelegateFinishingOnlyCloses) {
    open(presentedCurves(), {"# K Curve"});
    dialog->editorDelegate = nullptr;
    finish->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(delegate.received.empty());
}

TEST_F(CustomCurveEditorTest, ASelectionPastTheCurvesStartsNoEdit) {
    open({curves::linspace(256, 0, 65535)}, {"# K Curve", "# C Curve"});
    chooseChannel(1);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_TRUE(finish->isVisible());
    EXPECT_EQ(dialog->currentlyEditingCurve, 0);
    EXPECT_TRUE(gammaSlider->isEnabled());
}

} // namespace appui
