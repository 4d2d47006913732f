#include "app/curves/CIELab.h"

#include "app/curves/NumberText.h"

namespace curves {

std::string CIELab::debugDescription() const {
    return "(L:" + shortestDecimalText(L) + ", a:" + shortestDecimalText(a) + ", b:" + shortestDecimalText(b) + ")";
}

std::string debugDescription(const std::vector<CIELab>& list) {
    std::string text = "[";
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i > 0) text += ", ";
        text += list[i].debugDescription();
    }
    return text + "]";
}

KeyedDoubles encode(const CIELab& lab) { return {{"L", lab.L}, {"a", lab.a}, {"b", lab.b}}; }

CIELab decodeCIELab(const KeyedDoubles& record) {
    auto value = [&](const char* key) {
        auto found = record.find(key);
        if (found == record.end()) throw DecodingError(std::string("keyNotFound: \"") + key + "\"");
        return found->second;
    };
    CIELab lab;
    lab.L = value("L");
    lab.a = value("a");
    lab.b = value("b");
    return lab;
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
