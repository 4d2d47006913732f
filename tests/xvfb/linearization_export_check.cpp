// Checks the files the linearization screen exported in a run under X
// against what the product computes for the same inputs.
//
//   linearization_export_check <measurement> <quad> <exported.quad>
//                              <exported.acv> <exported.cube> <levels out>
//
// The run loaded <measurement> and <quad>, left the spline strength at its
// load value and moved the moving-average slider; the checker finds the
// windows whose linearization the exported .quad holds (read back through the
// product's .quad reader), then requires the .acv and .cube to be the bytes
// the product writes for that correction. It writes the expected image-space
// levels (pixel level, 0 ... 255 output, per line) to <levels out> for the
// external readers' checks, prints "windows <w> ..." (windows that smooth
// alike give the same curves) and the .acv's points, and exits 0; on any
// mismatch it prints why and exits 1.
#include <cmath>
#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/curves/exports/CorrectionExport.h"
#include "app/curves/exports/PhotoshopCubeLUT.h"
#include "app/curves/exports/PhotoshopCurve.h"
#include "app/curves/linearization/LinearizationDataModel.h"
#include "app/curves/math/Resampling.h"
#include "app/curves/measurements/MeasurementFile.h"
#include "app/curves/quad/QuadDataFile.h"
#include "platform/FileIO.h"
#include "platform/Log.h"

namespace {

int fail(const std::string& why) {
    std::fprintf(stderr, "FAIL: %s\n", why.c_str());
    return 1;
}

std::optional<std::string> bytesOf(const char* file) {
    std::string contents;
    if (!platform::readWholeFile(file, contents)) return std::nullopt;
    return contents;
}

std::shared_ptr<curves::QuadDataFile> readQuad(const char* file) {
    auto quad = curves::QuadDataFile::openQuadFile(file);
    if (!quad || !quad->load(quad->rawQuadData)) return nullptr;
    return quad;
}

// The curves as the .quad text holds them: whole quad units.
curves::QuadDataFile::Curves asWritten(const curves::QuadDataFile::Curves& curves) {
    auto written = curves;
    for (auto& curve : written)
        for (auto& v : curve) v = std::stod(curves::quadtext::valueText(v));
    return written;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 7) return fail("usage: measurement quad exported.quad exported.acv exported.cube levels-out");
    platform::setStandardOutputSink([](std::string_view) {});

    const auto measurement = curves::loadMeasurementFile(argv[1]);
    curves::v2LinearizationDataModel model;
    model.stepArray = curves::linspace(256, 0, 100);
    if (!measurement || !model.loadMeasurements(*measurement)) return fail("the measurement file does not load");
    model.quadData = readQuad(argv[2]);
    if (!model.quadData) return fail("the quad file does not load");
    const auto exported = readQuad(argv[3]);
    if (!exported || !exported->inputQuadCurveArray) return fail("the exported .quad does not read back");
    if (exported->inkList != model.quadData->inkList) return fail("the exported .quad names other inks");
    if (exported->quadNotes != model.quadData->quadNotes) return fail("the exported .quad has other notes");

    // As the screen loads a file: window 33, spline strength 33; then the
    // moving-average slider's move sets the window.
    model.correctionCurve->densitiesToCorrect = model.separatedLABArrays.front();
    model.resetTargets();
    model.splinePercent = 0.67;
    std::optional<int> window;
    std::vector<double> correction;
    std::string matching;
    for (int p = 0; p <= 64; ++p) {
        model.avgWindowSize = p;
        model.updateCorrection();
        const auto linearized = model.linearizedQuadCurves();
        if (linearized && asWritten(*linearized) == *exported->inputQuadCurveArray) {
            matching += " " + std::to_string(p);
            if (window) continue;
            window = p;
            correction = *model.correctionCurve->correctionCurveArray;
        }
    }
    if (!window) return fail("the exported .quad is no linearization of the inputs at any window");
    std::printf("windows%s\n", matching.c_str());

    const auto image = curves::imageSpaceCurve(correction);
    auto acv = curves::makeAcvCurvePoints(image);
    const auto acvBytes = curves::PhotoshopCurve_UInt16::acvFileData(acv.makeAcvData());
    const auto acvWritten = bytesOf(argv[4]);
    if (!acvWritten || *acvWritten != std::string(acvBytes.begin(), acvBytes.end()))
        return fail("the .acv is not the correction's curve file");
    const auto cubeWritten = bytesOf(argv[5]);
    if (!cubeWritten || *cubeWritten != curves::PhotoshopCubeLUT(image).makeCube().value_or(""))
        return fail("the .cube is not the correction's lookup table");

    std::ostringstream levels;
    for (std::size_t x = 0; x < image.size(); ++x) levels << x << ' ' << image[x] / 100 * 255 << '\n';
    std::ofstream(argv[6]) << levels.str();
    std::printf("acv points");
    for (const auto& [output, input] : acv.compCurvePoints) std::printf(" %u:%u", input, output);
    std::printf("\n");
    return 0;
}
