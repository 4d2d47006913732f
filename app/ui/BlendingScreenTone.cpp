// The blending screen's tone sliders and the refresh they start: the blend,
// the Lab read-outs and summary, the samples, the posted curves, the preview
// and the a*/b* graph.
#include <QComboBox>
#include <QLabel>
#include <QSlider>
#include <cmath>

#include "Charts/types/line/LineChartView.h"
#include "app/curves/NotificationNames.h"
#include "app/ui/BlendSummary.h"
#include "app/ui/ColorSampleView.h"
#include "app/ui/CustomCurveEditorVC.h"
#include "app/ui/GraphSeries.h"
#include "app/ui/InkPercentGraph.h"
#include "app/ui/LabABGraphData.h"
#include "app/ui/NotificationPayloads.h"
#include "app/ui/QuadCurveGraphPanelController.h"
#include "app/ui/v2InkModelBlendingViewController.h"
#include "platform/Log.h"

namespace appui {

namespace {
// A stored fraction as the whole percentage the c0/c1 read-outs show,
// truncated: 0.29 shows as 28, since 0.29 x 100 falls just below 29.
int truncatedPercent(double fraction) { return static_cast<int>(std::trunc(fraction * 100)); }
} // namespace

void v2InkModelBlendingViewController::applyToneSlider(inks::TonerPosition position) {
    const ToneControl& control = toneControl(position);
    tonerSelectionPopupMenu->setCurrentIndex(0);
    control.label->setText(QString::number(control.slider->value()));
    *control.fraction = control.slider->value() / 100.0;
    refreshBlend();
}

void v2InkModelBlendingViewController::c0SliderChanged(int point) {
    const DualPoint& p = dual_[static_cast<std::size_t>(point)];
    const double v = p.c0Slider->value();
    tonerSelectionPopupMenu->setCurrentIndex(0);
    *p.c0 = v / 100;
    *p.c1 = 1 - v / 100;
    p.c0Label->setText(QString::number(truncatedPercent(v / 100)));
    const int other = 100 - truncatedPercent(*p.c0);
    p.c1Slider->setValue(other);
    p.c1Label->setText(QString::number(other));
    refreshBlend();
}

void v2InkModelBlendingViewController::c1SliderChanged(int point) {
    const DualPoint& p = dual_[static_cast<std::size_t>(point)];
    const double v = p.c1Slider->value();
    *p.c1 = v / 100;
    *p.c0 = 1 - v / 100;
    p.c1Label->setText(QString::number(truncatedPercent(v / 100)));
    const int other = 100 - truncatedPercent(*p.c1);
    p.c0Slider->setValue(other);
    p.c0Label->setText(QString::number(other));
    refreshBlend();
}

void v2InkModelBlendingViewController::pushFractionsToModel() {
    KCMYtoningBlend->cVec = {cHP, cMP, cSP};
    KCMYtoningBlend->mVec = {mHP, mMP, mSP};
    KCMYtoningBlend->yVec = {yHP, yMP, ySP};
}

void v2InkModelBlendingViewController::refreshBlend() {
    pushFractionsToModel();
    KCMYtoningBlend->updateBlend();
    updateLabLabels();
    blendedSampleView->colorSamples = KCMYtoningBlend->blendedCIELab;
    blendedSampleView->update();
    postBlendedQuadValues();
    renderBlendPreview();
    plotInkPercentGraph(collectBlendABValues(KCMYtoningBlend->blendedCIELab));
}

void v2InkModelBlendingViewController::updateLabLabels() {
    // Formatted now, shown one event-loop turn later: right after an action
    // the labels and the notes still show the previous blend.
    BlendReadOut readOut = blendReadOut(KCMYtoningBlend->blendedCIELab, toneFractions());
    QMetaObject::invokeMethod(
        this,
        [this, readOut = std::move(readOut)] {
            const auto text = [&](std::size_t i) { return QString::fromStdString(readOut.lab[i]); };
            highlightLabLLabel->setText(QStringLiteral("L*: ") + text(0));
            highlightLabALabel->setText(QStringLiteral("a*: ") + text(1));
            highlightLabBLabel->setText(QStringLiteral("b*: ") + text(2));
            midtoneLabLLabel->setText(text(3));
            midtoneLabALabel->setText(text(4));
            midtoneLabBLabel->setText(text(5));
            shadowLabLLabel->setText(text(6));
            shadowLabALabel->setText(text(7));
            shadowLabBLabel->setText(text(8));
            quadData->quadNotes = blendSettingsSummary(readOut);
        },
        Qt::QueuedConnection);
}

void v2InkModelBlendingViewController::postBlendedQuadValues() {
    platform::NotificationCenter::defaultCenter().post(curves::NotificationName::didUpdateBlendedQuadValues(),
                                                       BlendedCurvesPayload(KCMYtoningBlend->blendedCurve));
}

void v2InkModelBlendingViewController::plotInkPercentGraph(const std::array<std::vector<double>, 2>& values) {
    auto series = labABSeries(values);
    // A tone step moves the values only: they go into the shown sets, and the
    // axes, set with the data, stay.
    if (inkPercentData_ && inkPercentGraph->data() == inkPercentData_ && replotInPlace(*inkPercentGraph, series, 1))
        return;
    inkPercentData_ = labABChartData(series);
    configureInkPercentGraph(*inkPercentGraph);
    showInkPercentData(*inkPercentGraph, inkPercentData_);
}

void v2InkModelBlendingViewController::prepareForSegue(const QString& identifier, QWidget* destination) {
    if (identifier != CustomCurveEditorVC::segueIdentifier) return;
    quadData->outputQuadCurveArray = KCMYtoningBlend->blendedCurve;
    std::string names;
    for (const auto& name : quadData->inkList) names += (names.empty() ? "\"" : ", \"") + name + "\"";
    platform::printToStandardOutput("quadDataInkList when editing setup [" + names + "]");
    if (auto* editor = qobject_cast<CustomCurveEditorVC*>(destination)) {
        editor->editorDelegate = this;
        editor->inkList = quadData->inkList;
        editor->manualQuadInput = KCMYtoningBlend->blendedCurve;
        editor->manualQuadOutput = KCMYtoningBlend->blendedCurve;
    }
}

void v2InkModelBlendingViewController::editCurvesPressed() {
    auto* editor = new CustomCurveEditorVC(this);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    prepareForSegue(CustomCurveEditorVC::segueIdentifier, editor);
    editor->open();
}

void v2InkModelBlendingViewController::didUpdateCurves(const std::vector<std::vector<double>>& curves) {
    quadData->outputQuadCurveArray = curves;
    KCMYtoningBlend->takeEditedCurves(curves);
    postBlendedQuadValues();
}

void v2InkModelBlendingViewController::showQuadCurvePanel() {
    quadCurveWindowPanel->inklist = quadData->inkList;
    // The panel plots what it is handed as it does every posted blend.
    quadCurveWindowPanel->updateInkGraphsWithNotification(
        {curves::NotificationName::didUpdateBlendedQuadValues(), BlendedCurvesPayload(KCMYtoningBlend->blendedCurve)});
    quadCurveWindowPanel->showWindow();
}

} // namespace appui
