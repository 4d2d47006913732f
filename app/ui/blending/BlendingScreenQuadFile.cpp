#include "app/ui/blending/BlendingScreenQuadFile.h"

#include <algorithm>

namespace appui {

int printerModelSelectionForTag(std::optional<int> printerTag) {
    switch (printerTag.value_or(-1)) {
    case 1:
    case 5: return 10;
    case 3: return 11;
    default: return 8;
    }
}

QuadFileLayout quadFileLayout(int printerModelSelection, const curves::InkList& lists) {
    switch (printerModelSelection) {
    case 11: return {lists.headerInfoForPro10Ink, lists.inkListforPro10Ink};
    case 10: return {lists.headerInfoFor10Ink, lists.inkListfor10Ink};
    default: return {lists.headerInfoFor8Ink, lists.inkListfor8Ink};
    }
}

std::vector<std::string> blendChannelNames(std::size_t count, const curves::InkList& lists) {
    std::vector<std::string> names =
        count == lists.inkListforPro10Ink.size() ? lists.inkListforPro10Ink : lists.inkListfor8Ink;
    names.resize(count);
    return names;
}

std::string inkNameOfChannel(const std::string& channelLine) {
    std::string name = channelLine;
    if (name.rfind("# ", 0) == 0) name.erase(0, 2);
    const std::string suffix = " Curve";
    if (name.size() >= suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
        name.erase(name.size() - suffix.size());
    return name;
}

bool carriesInk(const std::vector<double>& curve) {
    return std::any_of(curve.begin(), curve.end(), [](double v) { return curves::quadtext::valueText(v) != "0"; });
}

std::variant<curves::quadtext::Curves, std::vector<UnwritableChannel>>
curvesForQuadFile(const curves::quadtext::Curves& blend, const std::vector<std::string>& blendChannels,
                  const std::vector<std::string>& fileChannels) {
    const auto nameOf = [&](std::size_t i) { return i < blendChannels.size() ? blendChannels[i] : std::string(); };
    curves::quadtext::Curves written;
    std::vector<UnwritableChannel> unwritable;
    for (std::size_t i = 0; i < fileChannels.size(); ++i) {
        const bool inked = i < blend.size() && carriesInk(blend[i]);
        const bool sameName = nameOf(i) == fileChannels[i];
        if (inked && !sameName) unwritable.push_back({nameOf(i), fileChannels[i]});
        written.push_back(i < blend.size() && sameName ? blend[i] : std::vector<double>(256, 0.0));
    }
    for (std::size_t i = fileChannels.size(); i < blend.size(); ++i)
        if (carriesInk(blend[i])) unwritable.push_back({nameOf(i), std::nullopt});
    if (!unwritable.empty()) return unwritable;
    return written;
}

} // namespace appui
