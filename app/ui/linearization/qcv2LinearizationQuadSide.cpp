// The quad side of the linearization screen: the .quad file to linearize,
// its channel switches, the colour-sample panel and the two dialogs the
// screen opens.
#include <QAbstractButton>
#include <QPushButton>

#include "app/curves/quad/QuadDataFile.h"
#include "app/ui/editors/CustomCurveEditorVC.h"
#include "app/ui/editors/v2LinearizationManualCurveViewController.h"
#include "app/ui/linearization/InkSampleViewPanelController.h"
#include "app/ui/linearization/QuadCurvePane.h"
#include "app/ui/linearization/qcv2LinearizationViewController.h"
#include "app/ui/widgets/BringToFront.h"
#include "platform/Services.h"

namespace appui {

void qcv2LinearizationViewController::loadQuadFilePressed() {
    if (takeQuadFile(curves::QuadDataFile::chooseQuadFile())) recompute(Change::quadFile);
}

bool qcv2LinearizationViewController::takeQuadFile(const std::shared_ptr<curves::QuadDataFile>& quad) {
    if (!quad) return false;
    // A file that does not parse has said why in its alert; the quad loaded
    // before stays, with its corrected curves.
    if (!quad->load(quad->rawQuadData)) {
        // Open Recent lists only files that load.
        platform::forgetRecentDocument(quad->filePath);
        return false;
    }
    model.quadData = quad;
    quadPane_->showFile(*quad);
    return true;
}

void qcv2LinearizationViewController::showChannelCurve(std::size_t position, bool on) {
    if (position >= channelShown.size()) return;
    channelShown[position] = on;
    // Before a correction the switches act on the curves as loaded.
    recompute(Change::quadCurvesShown);
}

void qcv2LinearizationViewController::toggleQuadCurveVisibilityStackView(bool on) {
    quadChannelVisibilityStackView->setHidden(!on);
}

void qcv2LinearizationViewController::showSampleViewPanelButtonPressed() {
    inkSamplePanel->show();
    inkSamplePanel->raise();
    if (model.smoothedMeasurements.empty() || model.correctedMeasurements.empty()) return;
    inkSamplePanel->updateColorRamps(
        linearization::rampsForPanels(model.smoothedMeasurements, model.correctedMeasurements));
}

QWidget* qcv2LinearizationViewController::performSegue(const QString& identifier) {
    if (identifier == QStringLiteral("ShowManualCurve")) {
        // One dialog: while it is open a second press prepares it again and brings it forward.
        if (!manualCurveDialog_) {
            manualCurveDialog_ = new v2LinearizationManualCurveViewController(this);
            manualCurveDialog_->setAttribute(Qt::WA_DeleteOnClose);
        }
        prepareForSegue(identifier, manualCurveDialog_);
        bringToFront(*manualCurveDialog_);
        return manualCurveDialog_;
    }
    if (identifier != CustomCurveEditorVC::segueIdentifier) return nullptr;
    auto* editor = new CustomCurveEditorVC(this);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    prepareForSegue(identifier, editor);
    editor->open();
    return editor;
}

void qcv2LinearizationViewController::prepareForSegue(const QString& identifier, QWidget* destination) {
    if (identifier == QStringLiteral("ShowManualCurve")) {
        if (auto* manual = qobject_cast<v2LinearizationManualCurveViewController*>(destination))
            manual->useMatteCompression = model.matteDensityRange;
        return;
    }
    if (identifier != CustomCurveEditorVC::segueIdentifier) return;
    auto* editor = qobject_cast<CustomCurveEditorVC*>(destination);
    // Only corrected curves are handed over. Before a correction the editor
    // gets nothing, and hands nothing back: curves edited then would be
    // replaced, without a word, by the first correction.
    if (!editor || !model.quadData || !model.quadData->outputQuadCurveArray) return;
    editor->editorDelegate = this;
    editor->inkList = model.quadData->inkList;
    editor->manualQuadInput = *model.quadData->outputQuadCurveArray;
}

void qcv2LinearizationViewController::didUpdateCurves(const Curves& curves) {
    // Only a set of the quad's own channels replaces its curves; anything
    // else would write a file whose channels do not match its header.
    if (model.takeEditedCurves(curves)) recompute(Change::quadCurvesShown);
}

} // namespace appui
