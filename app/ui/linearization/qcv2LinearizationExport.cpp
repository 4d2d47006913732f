// The save side of the linearization screen: the linearized .quad file, or
// the correction as an image editor's curve (.acv) or lookup table (.cube).
#include "app/curves/CorrectionExport.h"
#include "app/curves/PhotoshopCubeLUT.h"
#include "app/curves/PhotoshopCurve.h"
#include "app/curves/PrintedLines.h"
#include "app/curves/QuadDataFile.h"
#include "app/ui/linearization/QuadCurvePane.h"
#include "app/ui/linearization/qcv2LinearizationViewController.h"
#include "platform/Log.h"

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

void qcv2LinearizationViewController::exportQuadFile() {
    const auto& quad = model.quadData;
    if (!correctionToExport() || !quad || !quad->outputQuadCurveArray) {
        curves::v2LinearizationDataModel::showLinearizeFailedAlert();
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
        curves::v2LinearizationDataModel::showLinearizeFailedAlert();
        return;
    }
    auto acv = curves::makeAcvCurvePoints(curves::imageSpaceCurve(*correction));
    curves::PhotoshopCurve_UInt16::saveAcvFile(curves::PhotoshopCurve_UInt16::acvFileData(acv.makeAcvData()));
}

void qcv2LinearizationViewController::exportCubeLUT() {
    const auto correction = correctionToExport();
    if (!correction) {
        platform::devLog("Can't get valid correction curve");
        curves::v2LinearizationDataModel::showLinearizeFailedAlert();
        return;
    }
    curves::PhotoshopCubeLUT lut(curves::imageSpaceCurve(*correction));
    lut.outputCube = lut.makeCube();
    lut.showSavePanel();
}

} // namespace appui
