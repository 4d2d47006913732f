#include "app/ui/editors/CustomCurveEditorVC.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSlider>
#include <cmath>

#include "Numerics/Numerics.h"
#include "app/curves/linearization/BinaryLinearization.h"
#include "app/curves/math/BezierCurve.h"
#include "app/curves/math/Resampling.h"
#include "app/ui/editors/QuadCurveEditorView.h"
#include "app/ui/graphs/QuadCurveGraph.h"
#include "app/ui/widgets/FieldText.h"
#include "app/ui/widgets/HoverTracker.h"
#include "app/ui/widgets/InkDisplayColors.h"
#include "ui_CustomCurveEditorVC.h"

namespace appui {

namespace {
const QString cancelTitle = QStringLiteral("Cancel");
const QString acceptTitle = QStringLiteral("Accept");
const QString finishTitle = QStringLiteral("Finish Editing");

// The set the editor starts from when it is handed none: a linear first
// channel and seven empty ones.
CustomCurveEditorVC::Curves defaultCurveSet() {
    CustomCurveEditorVC::Curves set{curves::linspace(256, 0, 65535)};
    set.resize(8, std::vector<double>(256, 0.0));
    return set;
}

bool isWholeChannel(const std::vector<double>& curve) {
    if (curve.size() != 256) return false;
    for (double v : curve)
        if (!std::isfinite(v)) return false;
    return true;
}
} // namespace

const QString CustomCurveEditorVC::segueIdentifier = QStringLiteral("CustomCurveEditor");

CustomCurveEditorVC::CustomCurveEditorVC(QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::CustomCurveEditorVC>()) {
    ui_->setupUi(this);
    quadCurveGraph = charts::ChartViewBase::create<QuadCurveGraph>(ui_->quadCurveGraphPlace);
    quadCurveGraph->setObjectName(QStringLiteral("quadCurveGraph"));
    ui_->quadCurveGraphPlace->layout()->addWidget(quadCurveGraph);
    quadEditor = ui_->quadEditor;
    gammaSlider = ui_->gammaSlider;
    gammaLabel = ui_->gammaLabel;
    boostAll = ui_->boostAll;
    boostSlider = ui_->boostSlider;
    boostLabel = ui_->boostLabel;
    curveNameList = ui_->curveNameList;
    sliderControlStackView = ui_->sliderControlStackView;
    editChannelButtonStackView = ui_->editChannelButtonStackView;
    acceptEditButton = ui_->acceptEditButton;
    finishEditingButton = ui_->finishEditingButton;

    gamma.gammaAdjustment = 1;
    gamma.ramp = curves::linspace(256, 0, 1);
    editChannelButtonStackView->hide();
    viewDidLoad();
}

CustomCurveEditorVC::~CustomCurveEditorVC() = default;

void CustomCurveEditorVC::viewDidLoad() {
    new HoverTracker(
        acceptEditButton, [this] { mouseEntered(); }, [this] { mouseExited(); });
    new HoverTracker(
        finishEditingButton, [this] { mouseEntered(); }, [this] { mouseExited(); });

    connectSlider(gammaSlider, &CustomCurveEditorVC::gammaPositionChanged);
    connectSlider(boostSlider, &CustomCurveEditorVC::boostSliderChanged);
    connect(boostAll, &QCheckBox::clicked, this, &CustomCurveEditorVC::commitPreview);
    connect(curveNameList, &QComboBox::activated, this, &CustomCurveEditorVC::curveNameSelected);
    connect(acceptEditButton, &QPushButton::clicked, this, &CustomCurveEditorVC::acceptEditPressed);
    connect(finishEditingButton, &QPushButton::clicked, this, &CustomCurveEditorVC::didPressFinishEditing);
    connect(ui_->smoothChannelButtonPressed, &QPushButton::clicked, this,
            &CustomCurveEditorVC::smoothChannelButtonPressed);
    connect(ui_->fill25, &QPushButton::clicked, this, &CustomCurveEditorVC::fill25);
    connect(ui_->fill50, &QPushButton::clicked, this, &CustomCurveEditorVC::fill50);
    connect(ui_->fill75, &QPushButton::clicked, this, &CustomCurveEditorVC::fill75);
    connect(ui_->zeroCurve, &QPushButton::clicked, this, &CustomCurveEditorVC::zeroCurve);
}

// Dragging previews; releasing the handle commits. Every other user step (a
// key, a wheel notch, a click on the groove) previews the same way, from the
// committed set, so a position gives the same curves however it was reached;
// committing each step would bend the set again at every step. Those steps
// are committed once, by commitPreview. A step that leaves the slider where
// it was (pressed against an end) previews nothing. With tracking (set here,
// the default) the release of a drag has already taken the value, so no
// further step follows it.
void CustomCurveEditorVC::connectSlider(QSlider* slider, void (CustomCurveEditorVC::*changed)(int, bool)) {
    slider->setTracking(true);
    slider->installEventFilter(this);
    // A step of this slider first commits what the other one previewed.
    auto step = [this, slider, changed](int position, bool committing) {
        if (previewingSlider_ != slider) commitPreview();
        (this->*changed)(position, committing);
        previewingSlider_ = committing ? nullptr : slider;
    };
    connect(slider, &QSlider::sliderMoved, this, [step](int position) { step(position, false); });
    connect(slider, &QSlider::sliderReleased, this, [slider, step] { step(slider->sliderPosition(), true); });
    // When the action is signalled the position has moved and the value not
    // yet; a move under a held handle is the drag's own.
    connect(slider, &QSlider::actionTriggered, this, [slider, step](int action) {
        if (action == QAbstractSlider::SliderMove && slider->isSliderDown()) return;
        if (slider->sliderPosition() == slider->value()) return;
        step(slider->sliderPosition(), false);
    });
}

// The previewed steps of a slider become the committed set: when the slider
// loses the focus, another control acts, or the dialog is finished.
void CustomCurveEditorVC::commitPreview() {
    if (!previewingSlider_) return;
    previewingSlider_ = nullptr;
    manualQuadInput = manualQuadOutput;
}

bool CustomCurveEditorVC::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && watched == previewingSlider_) commitPreview();
    return QDialog::eventFilter(watched, event);
}

void CustomCurveEditorVC::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) viewWillAppear();
}

void CustomCurveEditorVC::viewWillAppear() {
    curveNameList->show();
    acceptEditButton->hide();
    quadEditor->show();
    curveNameList->clear();
    for (const auto& name : inkList) curveNameList->addItem(QString::fromStdString(name));
    quadEditor->inputCurveValues = {{0, 0}, {quadEditor->maxX(), quadEditor->maxY()}};

    previewingSlider_ = nullptr;
    if (manualQuadInput.empty()) {
        manualQuadInput = defaultCurveSet();
        manualQuadOutput = manualQuadInput;
    }
    boost.inputInksArray = manualQuadInput;
    boost.setUp();
    boost.boost = boost.boostInput;
    boost.computeInkSumBoost();
    boost.applyBoost();
    manualQuadOutput = boost.outputInksArray;

    manualQuadOutput = gammaAdjusted(manualQuadOutput, gamma.gammaAdjustment);
    quadCurveGraph->inkList = inkList;
    showOutput();
    showBoostedEndValue();
    quadEditor->hide();
    ui_->quadCurveGraphPlace->show();
}

CustomCurveEditorVC::Curves CustomCurveEditorVC::gammaAdjusted(const Curves& curves, double gammaValue) {
    gamma.inputValues = curves;
    gamma.gammaAdjustment = gammaValue;
    // A gamma of 1 asks for no change. Linearizing against its straight
    // target would still move every curve by about an input level (the
    // linearization reads each curve a grid step on), and again at each
    // opening of the editor, so the curves are handed on as they are.
    if (gammaValue == 1) {
        gamma.outputValues = curves;
        return curves;
    }
    const auto target = gamma.adjust();
    gamma.outputValues = curves::BinaryLinearization(target, gamma.inputValues).linearizedOutputQuadArray;
    return gamma.outputValues;
}

void CustomCurveEditorVC::gammaPositionChanged(int position, bool committing) {
    gammaSliderChanged(position / gammaSliderScale, committing);
}

void CustomCurveEditorVC::gammaSliderChanged(double value, bool committing) {
    // The slider's range stays above 0; a value that is not, would divide by
    // zero in the adjustment and is not taken.
    if (!(value > 0) || !std::isfinite(value)) return;
    gammaLabel->setText(twoDecimals(2 - value));
    gammaAdjustment = value;
    manualQuadOutput = gammaAdjusted(manualQuadInput, value);
    showOutput();
    if (committing) manualQuadInput = manualQuadOutput;
}

void CustomCurveEditorVC::applyBoostTo(const Curves& curves) {
    boost.inputInksArray = curves;
    boost.boost = boost.boostInput;
    boost.computeInkSumBoost();
    boost.applyBoost();
}

void CustomCurveEditorVC::boostSliderChanged(int value, bool committing) {
    boostLabel->setText(QString::number(value));
    boost.boostInput = value;
    applyBoostTo(manualQuadInput);
    if (boostAll->isChecked()) {
        manualQuadOutput = boost.outputInksArray;
    } else if (!boost.outputInksArray.empty()) {
        if (manualQuadOutput.empty()) manualQuadOutput = manualQuadInput;
        if (!manualQuadOutput.empty()) manualQuadOutput.front() = boost.outputInksArray.front();
    }
    showOutput();
    showBoostedEndValue();
    if (committing) manualQuadInput = manualQuadOutput;
}

void CustomCurveEditorVC::showBoostedEndValue() {
    if (manualQuadOutput.empty() || manualQuadOutput.front().empty()) return;
    boostLabel->setText(twoDecimals(manualQuadOutput.front().back() / 655.35));
}

void CustomCurveEditorVC::curveNameSelected(int index) {
    if (index < 0 || index >= curveNameList->count()) return;
    const auto channel = static_cast<std::size_t>(index);
    if (channel >= manualQuadInput.size()) return;
    commitPreview();
    acceptEditButton->show();
    ui_->quadCurveGraphPlace->hide();
    quadEditor->show();
    currentlyEditingCurve = index;
    const auto points = quadEditor->loadQuadCurve(manualQuadInput[channel]).first;
    quadEditor->originalCurveValues = points;
    quadEditor->inputCurveValues = points;
    quadEditor->lineColor = inkDisplayColor(curveNameList->itemText(index).toStdString());
    quadEditor->update();
    boostSlider->setEnabled(false);
    gammaSlider->setEnabled(false);
    sliderControlStackView->hide();
    editChannelButtonStackView->show();
    finishEditingButton->hide();
}

void CustomCurveEditorVC::acceptEditPressed() {
    if (acceptEditButton->text() == cancelTitle) {
        showSliderState();
        return;
    }
    if (manualQuadInput.empty()) return;
    // The editor shows a channel by its points at every twelfth input; a
    // curve drawn back through them would move nearly every value of the
    // channel (and a boost would be applied again). A drawing left as it was
    // loaded is no edit: the set stays as it is.
    if (quadEditor->inputCurveValues == quadEditor->originalCurveValues) {
        showSliderState();
        return;
    }
    quadEditor->updateOutputCurve();
    curves::BezierQuadInkCurve channel(quadEditor->outputCurveXs, quadEditor->outputCurveYs);
    outputQuadChannelValues = channel.finalInterpolatedQuadCurve;
    // A drawing that gives no whole channel (points that make no curve)
    // leaves the channel as it was rather than writing a short one.
    const auto index = static_cast<std::size_t>(currentlyEditingCurve);
    if (isWholeChannel(outputQuadChannelValues) && index < manualQuadOutput.size()) {
        auto& edited = manualQuadOutput[index];
        edited = outputQuadChannelValues;
        for (double& v : edited) v = std::round(v);
        recomputeInkSum();
    }
    applyBoostTo(manualQuadOutput);
    manualQuadOutput = boost.outputInksArray;
    showOutput();
    manualQuadInput = manualQuadOutput;
    showBoostedEndValue();
    showSliderState();
}

void CustomCurveEditorVC::recomputeInkSum() {
    std::vector<double> totals(256, 0.0);
    std::vector<double> level;
    for (std::size_t i = 0; i < totals.size(); ++i) {
        level.clear();
        for (const auto& curve : manualQuadOutput)
            if (i < curve.size()) level.push_back(curve[i]);
        totals[i] = level.empty() ? 0.0 : numerics::sum(level);
    }
    inkSumArray = curves::normalizeToUnit(totals);
    curves::scaleInPlace(inkSumArray, 100);
}

// Back from a channel edit to the sliders and the graph.
void CustomCurveEditorVC::showSliderState() {
    quadEditor->hide();
    ui_->quadCurveGraphPlace->show();
    boostSlider->setEnabled(true);
    gammaSlider->setEnabled(true);
    acceptEditButton->hide();
    sliderControlStackView->show();
    editChannelButtonStackView->hide();
    finishEditingButton->show();
}

void CustomCurveEditorVC::didPressFinishEditing() {
    if (finishEditingButton->text() == cancelTitle) {
        close();
        return;
    }
    commitPreview();
    if (editorDelegate) editorDelegate->didUpdateCurves(manualQuadOutput);
    resetEditorControls();
    close();
}

void CustomCurveEditorVC::resetEditorControls() {
    previewingSlider_ = nullptr;
    manualQuadInput.clear();
    manualQuadOutput.clear();
    outputQuadChannelValues.clear();
    inkSumArray.clear();
    currentlyEditingCurve = 0;
    curveNameList->hide();
    acceptEditButton->hide();
    quadEditor->hide();
    curveNameList->clear();
    quadEditor->inputCurveValues = {{0, 0}, {quadEditor->maxX(), quadEditor->maxY()}};
}

void CustomCurveEditorVC::mouseEntered() {
    if (!optionKeyHeld()) return;
    acceptEditButton->setText(cancelTitle);
    finishEditingButton->setText(cancelTitle);
}

void CustomCurveEditorVC::mouseExited() {
    acceptEditButton->setText(acceptTitle);
    finishEditingButton->setText(finishTitle);
}

void CustomCurveEditorVC::smoothChannelButtonPressed() { quadEditor->smoothPoints(); }
void CustomCurveEditorVC::fill25() { quadEditor->fillToStepPoint(quadEditor->step25Point); }
void CustomCurveEditorVC::fill50() { quadEditor->fillToStepPoint(quadEditor->step50Point); }
void CustomCurveEditorVC::fill75() { quadEditor->fillToStepPoint(quadEditor->step75Point); }
void CustomCurveEditorVC::zeroCurve() { quadEditor->zeroCurve(); }

void CustomCurveEditorVC::showOutput() {
    quadCurveGraph->quadCurve = manualQuadOutput;
    quadCurveGraph->plotQuadCurves();
}

} // namespace appui
