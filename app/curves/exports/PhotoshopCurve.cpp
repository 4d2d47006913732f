#include "app/curves/exports/PhotoshopCurve.h"

#include <algorithm>
#include <limits>

#include "app/curves/core/PrintedLines.h"
#include "app/curves/saving/SaveThroughPanel.h"
#include "platform/Log.h"

namespace curves {

namespace {

constexpr std::size_t maxPointsPerCurve = std::numeric_limits<std::uint16_t>::max();

void appendRecord(std::vector<std::uint16_t>& words, const std::vector<PhotoshopCurve_UInt16::PointPair>& points) {
    // The point count is a 16-bit word; a longer list is cut so that the count
    // and the points that follow it agree and the file stays readable.
    const std::size_t n = std::min(points.size(), maxPointsPerCurve);
    if (n < points.size()) platform::printToStandardOutput(printed::curvePointsCut);
    words.push_back(static_cast<std::uint16_t>(n));
    for (std::size_t i = 0; i < n; ++i) {
        words.push_back(points[i].first);
        words.push_back(points[i].second);
    }
}

std::string wordListText(const std::vector<std::uint16_t>& words) {
    std::string text = "[";
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i > 0) text += ", ";
        text += std::to_string(words[i]);
    }
    return text + "]";
}

} // namespace

std::vector<std::uint16_t> PhotoshopCurve_UInt16::makeAcvData() {
    std::vector<std::uint16_t> words{4, nChannels};
    switch (nChannels) {
    case 5: {
        platform::printToStandardOutput(printed::rgbCurve);
        const auto records = curvesData();
        words.insert(words.end(), records.begin(), records.end());
        platform::printToStandardOutput(wordListText(words));
        break;
    }
    case 6: platform::printToStandardOutput(printed::cmykCurve); break;
    case 2: platform::printToStandardOutput(printed::grayscaleCurve); break;
    default: platform::printToStandardOutput(printed::unknownCurveType); break;
    }
    acvData = words;
    return words;
}

std::vector<std::uint16_t> PhotoshopCurve_UInt16::curvesData() const {
    std::vector<std::uint16_t> words;
    appendRecord(words, compCurvePoints);
    appendRecord(words, rCurvePoints);
    appendRecord(words, gCurvePoints);
    appendRecord(words, bCurvePoints);
    words.insert(words.end(), {2, 0, 0, 255, 255});
    return words;
}

std::vector<std::uint8_t> PhotoshopCurve_UInt16::acvFileData(const std::vector<std::uint16_t>& words) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(words.size() * 2);
    for (const std::uint16_t word : words) {
        bytes.push_back(static_cast<std::uint8_t>(word >> 8));
        bytes.push_back(static_cast<std::uint8_t>(word & 0xFF));
    }
    return bytes;
}

void PhotoshopCurve_UInt16::saveAcvFile(const std::vector<std::uint8_t>& bytes) {
    saveThroughPanel("acv", std::string(bytes.begin(), bytes.end()));
}

} // namespace curves
