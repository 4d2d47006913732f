// The quad side of the linearization screen: the .quad file to linearize,
// its corrected curves and their graph with per-channel switches, the
// colour-sample panel and the two dialogs the screen opens.
#include <QAbstractButton>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/curves/QuadDataFile.h"
#include "app/ui/CustomCurveEditorVC.h"
#include "app/ui/InkSampleViewPanelController.h"
#include "app/ui/QuadCurveGraph.h"
#include "app/ui/qcv2LinearizationViewController.h"
#include "app/ui/v2LinearizationManualCurveViewController.h"
#include "platform/Services.h"

namespace appui {

void qcv2LinearizationViewController::loadQuadFilePressed() { takeQuadFile(curves::QuadDataFile::chooseQuadFile()); }

void qcv2LinearizationViewController::takeQuadFile(std::shared_ptr<curves::QuadDataFile> quad) {
    if (!quad) return;
    // A file that does not parse has said why in its alert; the quad loaded
    // before stays, with its corrected curves.
    if (!quad->load(quad->rawQuadData)) {
        // Open Recent lists only files that load.
        platform::forgetRecentDocument(quad->filePath);
        return;
    }
    model.quadData = quad;
    quadCurveGraph->inkList = quad->inkList;
    // The channel switches hold for the curves as loaded too, as they do
    // when toggled before a correction.
    quadCurveGraph->quadCurve =
        linearization::curvesForGraph(quad->inputQuadCurveArray.value_or(Curves()), channelShown);
    // A dropped file titles the last two buttons as well: titles (or hidden
    // buttons) left from the file before would name inks this file lacks.
    titleLastChannelButtons(quad->inkList);
    quadCurveGraph->plotQuadCurves();
    quadNotesOutlet->setPlainText(QString::fromStdString(quad->quadNotes.value_or(std::string())));
    quadCurveFileNameLabel->setText(QString::fromStdString(quad->fileName));
    linearizeLoadedQuad();
}

void qcv2LinearizationViewController::linearizeLoadedQuad() {
    auto linearized = model.linearizedQuadCurves();
    if (!linearized) return;
    model.quadData->outputQuadCurveArray = std::move(*linearized);
    quadCurveArrayForGraph = *model.quadData->outputQuadCurveArray;
    drawQuadCurveGraph();
    plotQuadGraph(quadCurveArrayForGraph);
}

void qcv2LinearizationViewController::titleLastChannelButtons(const std::vector<std::string>& inkList) {
    const auto titles = linearization::lastChannelButtonTitles(inkList);
    OrVLabel->setVisible(titles.has_value());
    GrMkLabel->setVisible(titles.has_value());
    if (!titles) return;
    OrVLabel->setText(titles->first);
    GrMkLabel->setText(titles->second);
}

void qcv2LinearizationViewController::plotQuadGraph(const Curves& curves) {
    quadCurveGraph->quadCurve = curves;
    quadCurveGraph->plotQuadCurves();
}

void qcv2LinearizationViewController::updateCorrectedQuad() {
    auto linearized = model.linearizedQuadCurves();
    if (!linearized || !model.quadData) return;
    model.quadData->outputQuadCurveArray = std::move(*linearized);
    quadCurveArrayForGraph = *model.quadData->outputQuadCurveArray;
    drawQuadCurveGraph();
    plotQuadGraph(quadCurveArrayForGraph);
}

void qcv2LinearizationViewController::drawQuadCurveGraph() {
    if (!model.quadData || !model.quadData->outputQuadCurveArray) return;
    quadCurveArrayForGraph = linearization::curvesForGraph(*model.quadData->outputQuadCurveArray, channelShown);
}

void qcv2LinearizationViewController::showChannelCurve(std::size_t position, bool on) {
    if (position >= channelShown.size()) return;
    channelShown[position] = on;
    if (model.quadData && model.quadData->outputQuadCurveArray) {
        drawQuadCurveGraph();
        plotQuadGraph(quadCurveArrayForGraph);
    } else if (model.quadData && model.quadData->inputQuadCurveArray) {
        // Before a correction the switches act on the curves as loaded.
        plotQuadGraph(linearization::curvesForGraph(*model.quadData->inputQuadCurveArray, channelShown));
    }
}

void qcv2LinearizationViewController::toggleQuadCurveVisibilityStackView(bool on) {
    quadChannelVisibilityStackView->setHidden(!on);
}

void qcv2LinearizationViewController::showSampleViewPanelButtonPressed() {
    inkSamplePanel->show();
    inkSamplePanel->raise();
    if (model.smoothedMeasurements.empty() || model.correctedMeasurements.empty()) return;
    inkSamplePanel->updateColorRamps({linearization::resampleLabTo21(model.smoothedMeasurements),
                                      linearization::resampleLabTo21(model.correctedMeasurements)});
}

QWidget* qcv2LinearizationViewController::performSegue(const QString& identifier) {
    QDialog* dialog = nullptr;
    if (identifier == QStringLiteral("ShowManualCurve"))
        dialog = new v2LinearizationManualCurveViewController(this);
    else if (identifier == CustomCurveEditorVC::segueIdentifier)
        dialog = new CustomCurveEditorVC(this);
    if (!dialog) return nullptr;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    prepareForSegue(identifier, dialog);
    if (identifier == CustomCurveEditorVC::segueIdentifier)
        dialog->open();
    else
        dialog->show();
    return dialog;
}

void qcv2LinearizationViewController::prepareForSegue(const QString& identifier, QWidget* destination) {
    if (identifier == QStringLiteral("ShowManualCurve")) {
        if (auto* manual = qobject_cast<v2LinearizationManualCurveViewController*>(destination))
            manual->useMatteCompression = model.matteDensityRange;
        return;
    }
    if (identifier != CustomCurveEditorVC::segueIdentifier) return;
    auto* editor = qobject_cast<CustomCurveEditorVC*>(destination);
    if (!editor || !model.quadData) return;
    // The corrected curves, or before any correction the curves as loaded:
    // the editor edits what the screen shows and a save writes.
    const auto& curves = model.quadData->outputQuadCurveArray ? model.quadData->outputQuadCurveArray
                                                              : model.quadData->inputQuadCurveArray;
    if (!curves || curves->empty()) return;
    editor->editorDelegate = this;
    editor->inkList = model.quadData->inkList;
    editor->manualQuadInput = *curves;
}

void qcv2LinearizationViewController::didUpdateCurves(const Curves& curves) {
    if (!model.quadData) return;
    // Only a set of the quad's own channels replaces its curves; anything
    // else would write a file whose channels do not match its header.
    const auto channels = model.quadData->inputQuadCurveArray.value_or(Curves()).size();
    if (curves.size() != channels) return;
    model.quadData->outputQuadCurveArray = curves;
    plotQuadGraph(curves);
}

} // namespace appui
