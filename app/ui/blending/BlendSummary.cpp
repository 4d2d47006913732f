#include "app/ui/blending/BlendSummary.h"

#include "app/ui/graphs/LabABGraphData.h"
#include "app/ui/widgets/FieldText.h"
#include "platform/FatalError.h"

namespace appui {

namespace {
std::string formatted(double value) { return twoDecimals(value).toStdString(); }
} // namespace

BlendReadOut blendReadOut(const std::vector<curves::CIELab>& ramp, const std::array<double, 9>& fractions) {
    platform::precondition(ramp.size() > readOutSamples.back(),
                           "blendReadOut: a blended ramp without the highlight, midtone and shadow samples");
    BlendReadOut readOut;
    for (std::size_t point = 0; point < readOutSamples.size(); ++point) {
        const curves::CIELab& sample = ramp[readOutSamples[point]];
        readOut.lab[3 * point] = formatted(sample.L);
        readOut.lab[3 * point + 1] = formatted(sample.a);
        readOut.lab[3 * point + 2] = formatted(sample.b);
    }
    for (std::size_t i = 0; i < fractions.size(); ++i) readOut.fractions[i] = formatted(fractions[i]);
    return readOut;
}

std::string blendSettingsSummary(const BlendReadOut& r) {
    const auto& lab = r.lab;
    const auto& f = r.fractions;
    std::string text;
    const char* percents[] = {"25%", "50%", "75%"};
    for (std::size_t point = 0; point < 3; ++point) {
        text += std::string(percents[point]) + ": L: " + lab[3 * point] + " a: " + lab[3 * point + 1] +
                " b: " + lab[3 * point + 2] + "\n";
    }
    text += "Cyan Settings: " + f[0] + ", " + f[1] + ", " + f[2] + "\n";
    text += "Magenta Settings: " + f[3] + ", " + f[4] + ", " + f[5] + "\n";
    text += "Yellow Settings: " + f[6] + ", " + f[7] + ", " + f[8];
    return text;
}

BlendShown blendShownOf(const std::vector<curves::CIELab>& blendedCIELab,
                        const std::vector<std::vector<double>>& blendedCurve, const std::array<double, 9>& fractions) {
    return {blendedCIELab, blendReadOut(blendedCIELab, fractions), collectBlendABValues(blendedCIELab), blendedCurve};
}

} // namespace appui
