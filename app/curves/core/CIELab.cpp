#include "app/curves/core/CIELab.h"

#include "platform/NumberText.h"

namespace curves {

std::string CIELab::debugDescription() const {
    return "(L:" + platform::shortestDecimalText(L) + ", a:" + platform::shortestDecimalText(a) +
           ", b:" + platform::shortestDecimalText(b) + ")";
}

std::string debugDescription(const std::vector<CIELab>& list) {
    std::string text = "[";
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i > 0) text += ", ";
        text += list[i].debugDescription();
    }
    return text + "]";
}

std::vector<CIELab> normalizeLabL(const std::vector<CIELab>& list) {
    if (list.empty()) return {};
    const double first = list.front().L;
    const double last = list.back().L;
    const double range = first - last;
    if (range == 0 || range != range) return list;
    std::vector<CIELab> result = list;
    for (auto& lab : result) lab.L = (lab.L - last) / range * 100;
    return result;
}

} // namespace curves
