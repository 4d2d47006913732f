#include "app/inks/TonerColorModel.h"

#include <utility>

#include "app/curves/math/Resampling.h"
#include "platform/FatalError.h"

namespace inks {

namespace {

constexpr int labSteps = 21;
constexpr int quadLevels = 256;

// The fractions of the three colours and black at one control point.
struct PointFractions {
    double c, m, y, k;
};

PointFractions fractionsAt(double c, double m, double y) {
    double s = (c + m) + y;
    if (s > 1) {
        // Lowered equally whatever their sizes: a small fraction may go negative.
        const double d = (1 - s) / 3;
        c = c + d;
        m = m + d;
        y = y + d;
        s = (c + m) + y;
    }
    return {c, m, y, 1 - s};
}

const InkCurve& channelTables(const std::shared_ptr<InkModel>& model) {
    platform::precondition(model != nullptr && model->curve != nullptr,
                           "TonerColorModel::channelTables: a channel without its ink model (buildInkModels not run)");
    return *model->curve;
}

} // namespace

TonerColorModel::TonerColorModel()
    : initalScale(curves::ramp(labSteps, 0, 0.05)),
      initialQuadScale(curves::ramp(quadLevels, 0, 1.0 / quadLevels)) {
    buildInkModels(curves::Inkset::PSeriesK3);
}

void TonerColorModel::buildInkModels(curves::Inkset forInkset) {
    std::shared_ptr<InkModel>* channels[] = {&K, &C, &M, &Y};
    for (int channel = 0; channel < 4; ++channel) {
        auto model = std::make_shared<InkModel>();
        model->loadComponent(forInkset, channel, mediaType);
        *channels[channel] = std::move(model);
    }
}

void TonerColorModel::updateBlend() {
    computePercentScales(cVec, mVec, yVec);
    blendedCIELab = blendCIELab();
    computeQuadPercentScales();
    blendCurves();
}

void TonerColorModel::takeEditedCurves(QuadCurves curves) { blendedCurve = std::move(curves); }

void TonerColorModel::computePercentScales(const std::vector<double>& cyan, const std::vector<double>& magenta,
                                           const std::vector<double>& yellow) {
    platform::precondition(cyan.size() >= 3 && magenta.size() >= 3 && yellow.size() >= 3,
                           "TonerColorModel::computePercentScales: fewer than three fractions per colour");
    std::vector<double> kSeries(3), cSeries(3), mSeries(3), ySeries(3);
    for (std::size_t j = 0; j < 3; ++j) {
        const PointFractions point = fractionsAt(cyan[j], magenta[j], yellow[j]);
        kSeries[j] = point.k;
        cSeries[j] = point.c;
        mSeries[j] = point.m;
        ySeries[j] = point.y;
    }
    // Sampled at i/21 for i = 0 to 20, so the shadow value itself is never reached.
    cyanPercentScale = curves::interpolateCurve(inputPercentXs, cSeries, "Linear", labSteps);
    magentaPercentScale = curves::interpolateCurve(inputPercentXs, mSeries, "Linear", labSteps);
    yellowPercentScale = curves::interpolateCurve(inputPercentXs, ySeries, "Linear", labSteps);
    blackPercentScale = curves::interpolateCurve(inputPercentXs, kSeries, "Linear", labSteps);
    colorInkLevels = {blackPercentScale, cyanPercentScale, magentaPercentScale, yellowPercentScale};
}

std::vector<curves::CIELab> TonerColorModel::blendCIELab() const {
    const auto& kLab = channelTables(K).lab;
    const auto& cLab = channelTables(C).lab;
    const auto& mLab = channelTables(M).lab;
    const auto& yLab = channelTables(Y).lab;
    const std::size_t steps = blackPercentScale.size();
    platform::precondition(cyanPercentScale.size() >= steps && magentaPercentScale.size() >= steps &&
                               yellowPercentScale.size() >= steps && kLab.size() >= steps && cLab.size() >= steps &&
                               mLab.size() >= steps && yLab.size() >= steps,
                           "TonerColorModel::blendCIELab: a scale or Lab ramp shorter than the black scale");
    std::vector<curves::CIELab> blended(steps);
    for (std::size_t i = 0; i < steps; ++i) {
        const double k = blackPercentScale[i];
        const double c = cyanPercentScale[i];
        const double m = magentaPercentScale[i];
        const double y = yellowPercentScale[i];
        blended[i].L = ((k * kLab[i].L + c * cLab[i].L) + m * mLab[i].L) + y * yLab[i].L;
        blended[i].a = ((k * kLab[i].a + c * cLab[i].a) + m * mLab[i].a) + y * yLab[i].a;
        blended[i].b = ((k * kLab[i].b + c * cLab[i].b) + m * mLab[i].b) + y * yLab[i].b;
    }
    return blended;
}

void TonerColorModel::computeQuadPercentScales() {
    // The 21 values sampled at i/21 are placed at i/20 here.
    cyanQuadPercentScale = curves::interpolateCurve(initalScale, cyanPercentScale, "Spline", quadLevels);
    magentaQuadPercentScale = curves::interpolateCurve(initalScale, magentaPercentScale, "Spline", quadLevels);
    yellowQuadPercentScale = curves::interpolateCurve(initalScale, yellowPercentScale, "Spline", quadLevels);
    blackQuadPercentScale = curves::interpolateCurve(initalScale, blackPercentScale, "Spline", quadLevels);
}

void TonerColorModel::blendCurves() {
    const auto& kQuad = channelTables(K).quad;
    const auto& cQuad = channelTables(C).quad;
    const auto& mQuad = channelTables(M).quad;
    const auto& yQuad = channelTables(Y).quad;
    const std::size_t curves = kQuad.size();
    platform::precondition(cQuad.size() >= curves && mQuad.size() >= curves && yQuad.size() >= curves,
                           "TonerColorModel::blendCurves: a toning channel with fewer curves than black");
    const std::size_t levels = blackQuadPercentScale.size();
    platform::precondition(cyanQuadPercentScale.size() == levels && magentaQuadPercentScale.size() == levels &&
                               yellowQuadPercentScale.size() == levels,
                           "TonerColorModel::blendCurves: quad scales of different lengths");
    blendedCurve.clear();
    blendedCurve.reserve(curves);
    for (std::size_t n = 0; n < curves; ++n) {
        const auto& kq = kQuad[n];
        const auto& cq = cQuad[n];
        const auto& mq = mQuad[n];
        const auto& yq = yQuad[n];
        platform::precondition(kq.size() == levels && cq.size() == levels && mq.size() == levels && yq.size() == levels,
                               "TonerColorModel::blendCurves: a curve of another length than the quad scales");
        std::vector<double> blended(levels);
        for (std::size_t i = 0; i < levels; ++i) {
            // (K·k + C·c) + (M·m + Y·y): this grouping, neither rounded nor clamped.
            const double u = kq[i] * blackQuadPercentScale[i] + cq[i] * cyanQuadPercentScale[i];
            const double h = mq[i] * magentaQuadPercentScale[i] + yq[i] * yellowQuadPercentScale[i];
            blended[i] = u + h;
        }
        blendedCurve.push_back(std::move(blended));
    }
}

} // namespace inks
