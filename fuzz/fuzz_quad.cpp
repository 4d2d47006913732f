// Fuzzes the .quad reader and writer: any text must end in a clean load or a
// reported failure; a loaded file must hold one 256-value curve per ink, and
// the text written from it (also after a linearization) must read back with
// every value a whole number from 0 to 65535.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/curves/core/TextDecoding.h"
#include "app/curves/linearization/BinaryLinearization.h"
#include "app/curves/quad/QuadDataFile.h"
#include "platform/Log.h"

namespace {

void check(bool condition) {
    if (!condition) __builtin_trap();
}

void checkLoaded(const curves::QuadDataFile& quad) {
    check(quad.inputQuadCurveArray.has_value());
    check(quad.inputQuadCurveArray->size() == static_cast<std::size_t>(quad.numInks));
    check(quad.inkList.size() == static_cast<std::size_t>(quad.numInks));
    for (const auto& curve : *quad.inputQuadCurveArray) check(curve.size() == 256);
}

// Written text reads back (notes may end early where a note line turns into a
// channel line, so only the values are checked).
void checkWritten(const curves::QuadDataFile& quad, const curves::QuadDataFile::Curves& curves) {
    const std::string text = quad.quadText(curves);
    check(text.empty() || text.back() != '\n');
    curves::QuadDataFile back;
    if (!back.load(curves::quadtext::linesFromText(text))) return;
    checkLoaded(back);
    for (const auto& curve : *back.inputQuadCurveArray)
        for (const double v : curve) check(v >= 0 && v <= 65535 && v == std::trunc(v));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    platform::setDevLogSink([](std::string_view) {});
    platform::setStandardOutputSink([](std::string_view) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // As the file reader does: any bytes are text in some encoding.
    const auto decoded = curves::decodeText(bytes);
    check(curves::isValidUtf8(decoded.text));
    curves::QuadDataFile quad;
    quad.rawQuadData = curves::quadtext::linesFromText(decoded.text);
    if (!quad.load(quad.rawQuadData)) {
        check(quad.numInks == 0 && quad.inputQuadCurveArray->empty() && quad.inkList.empty());
        return 0;
    }
    checkLoaded(quad);
    checkWritten(quad, *quad.inputQuadCurveArray);

    std::vector<double> straight(256);
    for (int i = 0; i < 256; ++i) straight[i] = i * 100.0 / 255;
    const curves::BinaryLinearization linearization(straight, *quad.inputQuadCurveArray);
    check(linearization.linearizedOutputQuadArray.size() == quad.inputQuadCurveArray->size());
    checkWritten(quad, linearization.linearizedOutputQuadArray);
    return 0;
}
