#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace curves {

// Builds a Photoshop curve file (.acv): a list of big-endian 16-bit words
// holding a version, the number of curves and per curve its points as
// (output, input) pairs on the 0 to 255 scale. The application writes the
// five-curve RGB form with the correction on the composite curve.
class PhotoshopCurve_UInt16 {
public:
    using PointPair = std::pair<std::uint16_t, std::uint16_t>; // (output level, input level)

    std::optional<std::vector<std::uint8_t>> loadedCurve;
    std::optional<std::vector<std::uint8_t>> exportCurve;
    std::vector<std::uint16_t> acvData;
    std::uint16_t nChannels = 5;
    std::vector<PointPair> compCurvePoints{{0, 0}, {255, 255}};
    std::vector<PointPair> rCurvePoints{{0, 0}, {255, 255}};
    std::vector<PointPair> gCurvePoints{{0, 0}, {255, 255}};
    std::vector<PointPair> bCurvePoints{{0, 0}, {255, 255}};

    // The file's words: [4, nChannels] followed by the curve records of the
    // five-curve file; other channel counts carry only the two leading words.
    std::vector<std::uint16_t> makeAcvData();

    // The four point lists as records, then the fixed identity fifth record.
    std::vector<std::uint16_t> curvesData() const;

    // Each word as two bytes, high byte first.
    static std::vector<std::uint8_t> acvFileData(const std::vector<std::uint16_t>& words);

    // Offers the bytes in a save panel of type "acv" and writes them whole on
    // confirmation; a failed write is shown as a critical alert.
    static void saveAcvFile(const std::vector<std::uint8_t>& bytes);
};

} // namespace curves
