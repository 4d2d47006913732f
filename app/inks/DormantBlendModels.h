#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "app/curves/core/CIELab.h"
#include "app/curves/core/Enumerations.h"
#include "app/inks/InkModel.h"

namespace inks {

// Blend models and toner records laid out like TonerColorModel that nothing
// creates yet. They are here because the ink sets and toners they blend are
// named already (the PiezoPro and K5 LcLm ink sets, two-curve blends, toner
// partitions): they give those blends their shape for when a screen offers
// them.

// A blend of two curve sets by two fraction vectors.
struct V2BlendingColorModel {
    std::vector<std::string> inkList;
    QuadCurves blendedCurve;
    std::vector<curves::CIELab> blendedCIELab;
    std::vector<double> c1Vec, c2Vec;
    QuadCurves quad1, quad2;
    std::vector<curves::CIELab> lab1, lab2;
    std::vector<std::vector<double>> colorInkLevels;
    std::vector<double> curve1PercentScale, curve2PercentScale, curve1QuadPercentScale, curve2QuadPercentScale;
    std::vector<double> initalScale, initialQuadScale, inputPercentXs;
};

// Black, warm and cool channels.
struct PiezoProTonerColorModel {
    curves::Inkset inkset = curves::Inkset::PiezoProK4;
    curves::MediaType mediaType = curves::MediaType::Gloss;
    QuadCurves blendedCurve;
    std::vector<curves::CIELab> blendedCIELab;
    std::vector<double> warmVec, coolVec;
    std::shared_ptr<InkModel> K, W, C;
    std::vector<std::vector<double>> colorInkLevels;
    std::vector<double> warmPercentScale, coolPercentScale, blackPercentScale;
    std::vector<double> warmQuadPercentScale, coolQuadPercentScale, blackQuadPercentScale;
    std::vector<double> initalScale, initialQuadScale, inputPercentXs;
};

// Black, cyan and magenta channels.
struct K5LcLmTonerColorModel {
    curves::Inkset inkset = curves::Inkset::K5CarbonLcLm;
    curves::MediaType mediaType = curves::MediaType::Gloss;
    QuadCurves blendedCurve;
    std::vector<curves::CIELab> blendedCIELab;
    std::vector<double> cVec, mVec;
    std::shared_ptr<InkModel> K, C, M;
    std::vector<std::vector<double>> colorInkLevels;
    std::vector<double> cyanPercentScale, magentaPercentScale, blackPercentScale;
    std::vector<double> cyanQuadPercentScale, magentaQuadPercentScale, blackQuadPercentScale;
    std::vector<double> initalScale, initialQuadScale, inputPercentXs;
};

struct CyanToner {
    std::vector<double> limitedCyan, limitedLightCyan;
    std::vector<double> cyanInkValues, lightCyanInkValues;
};

struct MagentaToner {
    std::vector<curves::CIELab> limitedCIELAB;
    std::vector<double> limitedMagenta, limitedLightMagenta;
    std::vector<double> magentaInkValues, lightMagentaInkValues;
};

struct YellowToner {
    std::vector<curves::CIELab> limitedCIELAB;
    std::vector<double> limitedYellow;
    std::vector<double> yellowInkValues;
};

struct TonerInk {
    curves::TonerType toner = curves::TonerType::k3;
    CyanToner cChannel;
    MagentaToner mChannel;
    YellowToner yChannel;
    double scale = 0, customCLimit = 0, customMLimit = 0, customYLimit = 0;
    std::vector<std::vector<double>> colorInkCurveArray;
    std::vector<double> TempC, TempM, TempY, TempLC, TempLM;
    std::vector<double> cCurve, lcCurve, mCurve, lmCurve, yCurve;
};

struct TonerInkPartition {
    double tonerInkLimit = 0, tonerPartition = 0, tonerOverlap = 0;
    double startPoint1 = 0, maxPoint1 = 0, endPoint1 = 0, slopeUp1 = 0, slopeDown1 = 0;
    double startPoint2 = 0, maxPoint2 = 0, endPoint2 = 0, slope2X = 0, slope2Y = 0, slopeUp2 = 0, slopeDown2 = 0;
    std::vector<double> main21StepScale;
    std::vector<std::uint16_t> tonerInkCurve1, tonerInkCurve2;
};

} // namespace inks
