// The blending screen's tone sliders and the refresh they start: the blend,
// the Lab read-outs and summary, the samples, the posted curves, the preview
// and the a*/b* graph.
#include <QComboBox>
#include <QLabel>
#include <QSlider>
#include <array>
#include <utility>

#include "Charts/types/line/LineChartView.h"
#include "app/curves/core/NotificationNames.h"
#include "app/ui/blending/BlendSummary.h"
#include "app/ui/blending/QuadCurveGraphPanelController.h"
#include "app/ui/blending/ToneSliders.h"
#include "app/ui/blending/v2InkModelBlendingViewController.h"
#include "app/ui/editors/CustomCurveEditorVC.h"
#include "app/ui/graphs/GraphSeries.h"
#include "app/ui/graphs/InkPercentGraph.h"
#include "app/ui/graphs/LabABGraphData.h"
#include "app/ui/widgets/ColorSampleView.h"
#include "app/ui/widgets/NotificationPayloads.h"
#include "platform/Log.h"

namespace appui {

namespace {
// The c0 and c1 fractions of each control point, highlight to shadow.
constexpr std::array<std::pair<double v2InkModelBlendingViewController::*, double v2InkModelBlendingViewController::*>,
                     3>
    pairFractionMembers{{{&v2InkModelBlendingViewController::c0HP, &v2InkModelBlendingViewController::c1HP},
                         {&v2InkModelBlendingViewController::c0MP, &v2InkModelBlendingViewController::c1MP},
                         {&v2InkModelBlendingViewController::c0SP, &v2InkModelBlendingViewController::c1SP}}};

void storePair(v2InkModelBlendingViewController& screen, int point, ToneSliders::PairFractions fractions) {
    const auto& [c0, c1] = pairFractionMembers[static_cast<std::size_t>(point)];
    screen.*c0 = fractions.c0;
    screen.*c1 = fractions.c1;
}
} // namespace

void v2InkModelBlendingViewController::applyToneSlider(inks::TonerPosition position) {
    tonerSelectionPopupMenu->setCurrentIndex(0);
    toneFraction(position) = toneSliders_->toneMoved(position);
    refreshBlend();
}

void v2InkModelBlendingViewController::c0SliderChanged(int point) {
    tonerSelectionPopupMenu->setCurrentIndex(0);
    storePair(*this, point, toneSliders_->c0Moved(point));
    refreshBlend();
}

void v2InkModelBlendingViewController::c1SliderChanged(int point) {
    storePair(*this, point, toneSliders_->c1Moved(point));
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
    showBlend(blendShownOf(KCMYtoningBlend->blendedCIELab, KCMYtoningBlend->blendedCurve, toneFractions()));
}

void v2InkModelBlendingViewController::showBlend(BlendShown shown) {
    updateLabLabels(std::move(shown.readOut));
    blendedSampleView->colorSamples = std::move(shown.samples);
    blendedSampleView->update();
    postCurves(std::move(shown.curves));
    renderBlendPreview();
    plotInkPercentGraph(shown.abValues);
}

void v2InkModelBlendingViewController::updateLabLabels(BlendReadOut readOut) {
    // Formatted now, shown one event-loop turn later: right after an action
    // the labels and the notes still show the previous blend.
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

void v2InkModelBlendingViewController::postCurves(std::vector<std::vector<double>> blended) {
    platform::NotificationCenter::defaultCenter().post(curves::NotificationName::didUpdateBlendedQuadValues(),
                                                       BlendedCurvesPayload(std::move(blended)));
}

void v2InkModelBlendingViewController::postBlendedQuadValues() { postCurves(KCMYtoningBlend->blendedCurve); }

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
