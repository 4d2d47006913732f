#include "app/ui/linearization/LinearizationScreenRules.h"

#include <algorithm>
#include <cmath>

#include "app/curves/math/Resampling.h"

namespace appui::linearization {

const std::vector<curves::CIELab>& placeholderMeasurements() {
    static const std::vector<curves::CIELab> steps = [] {
        std::vector<curves::CIELab> lab{{99.99, 0, 0}};
        for (int L = 95; L >= 5; L -= 5) lab.push_back({static_cast<double>(L), 0, 0});
        lab.push_back({0.01, 0, 0});
        return lab;
    }();
    return steps;
}

int integerValueOf(double value) {
    if (!std::isfinite(value)) return 0;
    // Kept within int before the truncation; no slider or sane entry comes near.
    return static_cast<int>(std::clamp(value, -1e9, 1e9));
}

int movingAverageWindowOf(double value) { return integerValueOf(value * 0.64); }

double clampedSplineStrength(double value) {
    if (std::isnan(value)) return 0;
    return std::clamp(value, 0.0, 100.0);
}

double splinePercentOf(double strength) { return (100 - strength) / 100; }

std::vector<curves::CIELab> resampleLabTo21(const std::vector<curves::CIELab>& lab) {
    if (lab.size() <= 21) return lab;
    const double stride = static_cast<double>(lab.size()) / 21;
    std::vector<curves::CIELab> cut;
    cut.reserve(21);
    for (int k = 0; k < 20; ++k) cut.push_back(lab[static_cast<std::size_t>(k * stride)]);
    cut.push_back(lab.back());
    return cut;
}

std::vector<int> findMeasurementErrors(const std::vector<curves::CIELab>& lab) {
    std::vector<int> rows;
    for (std::size_t i = 0; i + 1 < lab.size(); ++i)
        if (lab[i].L < lab[i + 1].L && lab[i + 1].L - lab[i].L > 0.5) rows.push_back(static_cast<int>(i));
    return rows;
}

std::string unmeasuredStepsText(const std::vector<QString>& steps) {
    QString named;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (i > 0) named += i + 1 == steps.size() ? QStringLiteral(" and ") : QStringLiteral(", ");
        named += steps[i];
    }
    const bool one = steps.size() == 1;
    return QStringLiteral("%1 %2 %3 no measurement. Type %4 L*, a* and b* into the table, or load a measurement "
                          "data file, and try again.")
        .arg(one ? QStringLiteral("Step") : QStringLiteral("Steps"), named,
             one ? QStringLiteral("has") : QStringLiteral("have"),
             one ? QStringLiteral("its") : QStringLiteral("their"))
        .toStdString();
}

std::optional<std::vector<double>> manualTargetOfCurve(const std::vector<double>& curve) {
    if (curve.size() < 2) return std::nullopt;
    constexpr std::size_t steps = 256;
    if (curve.size() == steps) return curve;
    const auto xs = curves::normalizeToUnit(curves::linspace(static_cast<int>(curve.size()), 0, 1));
    const curves::KeyframeCurve line(xs, curve, curves::KeyframeCurve::Shape::linear);
    if (line.empty()) return std::nullopt;
    std::vector<double> target;
    target.reserve(steps);
    for (std::size_t k = 0; k < steps; ++k) target.push_back(line.valueAt(static_cast<double>(k) / (steps - 1)));
    return target;
}

Curves curvesForGraph(const Curves& output, const ChannelVisibility& shown) {
    Curves shownCurves = output;
    const std::size_t count = std::min(shownCurves.size(), shown.size());
    for (std::size_t k = 0; k < count; ++k)
        if (!shown[k]) shownCurves[k].assign(256, 0.0);
    return shownCurves;
}

std::optional<std::pair<QString, QString>> lastChannelButtonTitles(const std::vector<std::string>& inkList) {
    if (inkList.size() < 9) return std::nullopt;
    if (inkList[8].find("OR") != std::string::npos) return std::pair{QStringLiteral("OR"), QStringLiteral("GR")};
    return std::pair{QStringLiteral("V"), QStringLiteral("MK")};
}

curves::ExportType exportTypeOfPopupIndex(int index) {
    switch (index) {
    case 1: return curves::ExportType::acv;
    case 2: return curves::ExportType::lut;
    default: return curves::ExportType::quad;
    }
}

} // namespace appui::linearization
