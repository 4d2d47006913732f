#pragma once
#include <vector>

#include "app/curves/core/CIELab.h"
#include "app/inks/InkComponent.h"

namespace inks {

// Ink components of the PiezoPro ink sets. Nothing builds them: they can only
// be decoded, and decoding a built-in component stops the program.
class PiezoProWarmInkModel final : public BuiltInInkComponent {
    PiezoProWarmInkModel() = delete;
};

class PiezoProCoolInkModel final : public BuiltInInkComponent {
    PiezoProCoolInkModel() = delete;
};

class PiezoProBlackInkModel final : public BuiltInInkComponent {
public:
    std::vector<double> k = std::vector<double>(256, 0.0);
    std::vector<double> lk = std::vector<double>(256, 0.0);
    std::vector<double> llk = std::vector<double>(256, 0.0);
    std::vector<double> c = std::vector<double>(256, 0.0);
    std::vector<double> m = std::vector<double>(256, 0.0);
    std::vector<double> y = std::vector<double>(256, 0.0);
    std::vector<double> lc = std::vector<double>(256, 0.0);
    std::vector<double> lm = std::vector<double>(256, 0.0);

private:
    PiezoProBlackInkModel() = delete;
};

// Matte curve sets of the PiezoPro inks, not yet used.
struct PiezoProWarmInkModelMatte {
    std::vector<curves::CIELab> labArray;
    QuadCurves curveArray;
    std::vector<double> k, m, lm, y, c, lc, lk, llk;
};

struct PiezoProCoolInkModelMatte {
    std::vector<curves::CIELab> labArray;
    QuadCurves curveArray;
    std::vector<double> k, c, lc, lk, m, y, lm, llk;
};

struct PiezoProBlackInkModelMatte {
    std::vector<curves::CIELab> labArray;
    QuadCurves curveArray;
    std::vector<double> k, lk, llk, c, m, y, lc, lm;
};

} // namespace inks
