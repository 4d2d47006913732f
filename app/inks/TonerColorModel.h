#pragma once
#include <memory>
#include <vector>

#include "app/curves/core/CIELab.h"
#include "app/curves/core/Enumerations.h"
#include "app/inks/InkModel.h"

namespace inks {

// The blend behind the blending screen: four ink channels (black, cyan,
// magenta, yellow) of one ink set and media type, mixed by the cyan, magenta
// and yellow fractions set at three control points (highlight, midtone,
// shadow). Black takes whatever the colour fractions leave at each point. The
// results are the blended 21-step Lab ramp and one blended quad curve per ink
// channel.
class TonerColorModel {
public:
    curves::Inkset inkset = curves::Inkset::PSeriesK3;
    curves::MediaType mediaType = curves::MediaType::Gloss;
    QuadCurves blendedCurve;
    std::vector<curves::CIELab> blendedCIELab;
    // Fractions 0 to 1 at highlight, midtone, shadow; entries past the third are ignored.
    std::vector<double> cVec{0, 0, 0};
    std::vector<double> mVec{0, 0, 0};
    std::vector<double> yVec{0, 0, 0};
    std::shared_ptr<InkModel> K;
    std::shared_ptr<InkModel> C;
    std::shared_ptr<InkModel> M;
    std::shared_ptr<InkModel> Y;
    // Copies of the black, cyan, magenta and yellow percent scales.
    std::vector<std::vector<double>> colorInkLevels = std::vector<std::vector<double>>(4, std::vector<double>(21, 0.0));

    // Share of each ink at the 21 Lab steps and at the 256 quad input levels.
    std::vector<double> cyanPercentScale = std::vector<double>(21, 0.0);
    std::vector<double> magentaPercentScale = std::vector<double>(21, 0.0);
    std::vector<double> yellowPercentScale = std::vector<double>(21, 0.0);
    std::vector<double> blackPercentScale = std::vector<double>(21, 0.0);
    std::vector<double> cyanQuadPercentScale = std::vector<double>(256, 0.0);
    std::vector<double> magentaQuadPercentScale = std::vector<double>(256, 0.0);
    std::vector<double> yellowQuadPercentScale = std::vector<double>(256, 0.0);
    std::vector<double> blackQuadPercentScale = std::vector<double>(256, 0.0);

    // x of the 21 Lab steps (0, 0.05, ... 1), of the 256 quad levels (k/256;
    // unused by the blend) and of the three control points.
    const std::vector<double> initalScale;
    const std::vector<double> initialQuadScale;
    const std::vector<double> inputPercentXs{0, 0.5, 1};

    // Builds the four channels for PSeriesK3 on Gloss.
    TonerColorModel();

    // Replaces the four channels with new ones loaded for the ink set and the
    // current media type. The ink set is not stored: callers set `inkset` first.
    void buildInkModels(curves::Inkset inkset);

    // The whole recomputation, from the fractions and the four channels.
    void updateBlend();
    // The curve editor's curves as the blended curves, until the next
    // updateBlend.
    void takeEditedCurves(QuadCurves curves);

    // The steps of updateBlend; each can be called alone.
    void computePercentScales(const std::vector<double>& cVec, const std::vector<double>& mVec,
                              const std::vector<double>& yVec);
    std::vector<curves::CIELab> blendCIELab() const;
    void computeQuadPercentScales();
    void blendCurves();
};

} // namespace inks
