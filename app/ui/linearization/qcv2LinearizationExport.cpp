// The save side of the linearization screen: the linearized .quad file, or
// the correction as an image editor's curve (.acv) or lookup table (.cube).
#include "app/curves/core/PrintedLines.h"
#include "app/curves/exports/CorrectionExport.h"
#include "app/curves/exports/PhotoshopCubeLUT.h"
#include "app/curves/exports/PhotoshopCurve.h"
#include "app/curves/quad/QuadDataFile.h"
#include "app/ui/linearization/LinearizationScreenRules.h"
#include "app/ui/linearization/QuadCurvePane.h"
#include "app/ui/linearization/qcv2LinearizationViewController.h"
#include "app/ui/widgets/BusyCursor.h"
#include "app/ui/widgets/FieldText.h"
#include "platform/Log.h"
#include "platform/Services.h"

namespace appui {

void qcv2LinearizationViewController::exportOptionsPopupSelectionDidChange(int index) {
    exportFormat = linearization::exportTypeOfPopupIndex(index);
}

void qcv2LinearizationViewController::saveButtonPressed() {
    switch (exportFormat) {
    case curves::ExportType::quad:
        platform::devLog("Exporting as .quad file");
        exportQuadFile();
        return;
    case curves::ExportType::acv:
        platform::devLog("Exporting as .acv Photoshop Curve file");
        exportAcvFile();
        return;
    case curves::ExportType::lut:
        platform::devLog("Exporting as .cube Photoshop LUT file");
        exportCubeLUT();
        return;
    default: platform::devLog("Unable to export as additional file types"); return;
    }
}

std::optional<std::vector<double>> qcv2LinearizationViewController::correctionToExport() const {
    const auto& correction = model.correctionCurve->correctionCurveArray;
    // The placeholder rows the screen starts with give a correction of
    // nothing anyone printed: only rows read from a file or typed are
    // measurements.
    if (!correction || correction->empty() || !model.everyRowMeasured()) return std::nullopt;
    return correction;
}

void qcv2LinearizationViewController::showExportRefused() const {
    // Rows the user typed in part: both files may be loaded, and the steps
    // still to type are what stands in the way.
    const auto& measured = model.rawMeasurementsMeasured;
    std::vector<QString> missing;
    for (std::size_t row = 0; row < model.rawMeasurements.size(); ++row)
        if (row >= measured.size() || !measured[row]) missing.push_back(twoDecimals(model.stepInputPercentage(row)));
    if (missing.empty() || missing.size() == model.rawMeasurements.size()) {
        curves::v2LinearizationDataModel::showLinearizeFailedAlert();
        return;
    }
    platform::showAlert(
        {platform::AlertStyle::warning, "Failed to Linearize", linearization::unmeasuredStepsText(missing)});
}

void qcv2LinearizationViewController::exportQuadFile() {
    const auto& quad = model.quadData;
    if (!correctionToExport() || !quad || !quad->outputQuadCurveArray) {
        showExportRefused();
        return;
    }
    storeQuadNotes();
    auto text = quad->quadText(*quad->outputQuadCurveArray);
    platform::printToStandardOutput(std::string(curves::printed::quadFileExported) + quad->fileName + ": " +
                                    std::to_string(quad->outputQuadCurveArray->size()) + " channels");
    curves::QuadDataFile::saveQuadText(std::move(text));
}

void qcv2LinearizationViewController::storeQuadNotes() {
    if (model.quadData) model.quadData->quadNotes = quadPane_->notes();
}

void qcv2LinearizationViewController::exportAcvFile() {
    // Every kind without what it needs tells the user so; none does nothing.
    const auto correction = correctionToExport();
    if (!correction) {
        showExportRefused();
        return;
    }
    // Placing the points can take a good part of a second, on this thread:
    // the busy cursor shows until the save panel is up. Clicks made in the
    // wait reach the window once the panel blocks it, and are dropped.
    const BusyCursor busy;
    auto acv = curves::makeAcvCurvePoints(curves::imageSpaceCurve(*correction));
    curves::PhotoshopCurve_UInt16::saveAcvFile(curves::PhotoshopCurve_UInt16::acvFileData(acv.makeAcvData()));
}

void qcv2LinearizationViewController::exportCubeLUT() {
    const auto correction = correctionToExport();
    if (!correction) {
        platform::devLog("Can't get valid correction curve");
        showExportRefused();
        return;
    }
    curves::PhotoshopCubeLUT lut(curves::imageSpaceCurve(*correction));
    lut.outputCube = lut.makeCube();
    lut.showSavePanel();
}

} // namespace appui
