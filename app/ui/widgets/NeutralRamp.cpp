#include "app/ui/widgets/NeutralRamp.h"

namespace appui {

const std::vector<curves::CIELab>& moclLab() {
    static const std::vector<curves::CIELab> ramp = [] {
        std::vector<curves::CIELab> r{{99.9, 0, 0}, {95.9, 0, 0}};
        for (int L = 90; L >= 5; L -= 5) r.push_back({static_cast<double>(L), 0, 0});
        r.push_back({0.1, 0, 0});
        return r;
    }();
    return ramp;
}

} // namespace appui
