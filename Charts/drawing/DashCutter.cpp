#include "Charts/drawing/DashCutter.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace charts {

bool usableDashLengths(std::span<const double> lengths) {
    double sum = 0;
    for (const double length : lengths) {
        if (!(length >= 0) || !std::isfinite(length)) return false;
        sum += length;
    }
    return sum > 0 && std::isfinite(sum);
}

std::optional<QPainterPath> cutDashes(const QList<QPolygonF>& subpaths, std::span<const double> lengths, double phase,
                                      std::size_t pieceLimit) {
    if (lengths.empty() || !usableDashLengths(lengths)) return std::nullopt;
    std::vector<double> pattern(lengths.begin(), lengths.end());
    if (pattern.size() % 2 != 0) pattern.insert(pattern.end(), lengths.begin(), lengths.end());
    double period = 0;
    for (const double length : pattern) period += length;

    double pathLength = 0;
    for (const QPolygonF& polygon : subpaths) {
        for (qsizetype i = 1; i < polygon.size(); ++i) pathLength += QLineF(polygon[i - 1], polygon[i]).length();
    }
    if (!std::isfinite(pathLength)) return std::nullopt;
    // Each period holds one dash per pair; each subpath may start one more.
    const double pieces =
        (pathLength / period + static_cast<double>(subpaths.size())) * static_cast<double>(pattern.size()) * 0.5;
    if (!(pieces <= static_cast<double>(pieceLimit))) return std::nullopt;

    // Where the phase puts the start: in which length, and how far into it.
    double into = std::isfinite(phase) ? std::fmod(phase, period) : 0.0;
    if (into < 0) into += period;
    std::size_t startIndex = 0;
    for (std::size_t steps = 0; steps < pattern.size() && into >= pattern[startIndex]; ++steps) {
        into -= pattern[startIndex];
        startIndex = (startIndex + 1) % pattern.size();
    }
    into = std::clamp(into, 0.0, pattern[startIndex]);

    QPainterPath dashes;
    for (const QPolygonF& polygon : subpaths) {
        if (polygon.size() < 2) continue;
        std::size_t index = startIndex;
        double remaining = pattern[index] - into;
        bool on = index % 2 == 0;
        if (on) dashes.moveTo(polygon[0]);
        for (qsizetype i = 1; i < polygon.size(); ++i) {
            const QPointF a = polygon[i - 1];
            const QPointF b = polygon[i];
            const double segment = QLineF(a, b).length();
            if (segment == 0) continue;
            double walked = 0;
            // Every change from dash to gap or back within this segment.
            while (segment - walked > remaining) {
                walked += remaining;
                const QPointF cut = a + (b - a) * (walked / segment);
                if (on)
                    dashes.lineTo(cut);
                else
                    dashes.moveTo(cut);
                on = !on;
                index = (index + 1) % pattern.size();
                remaining = pattern[index];
            }
            remaining -= segment - walked;
            if (on) dashes.lineTo(b);
        }
    }
    return dashes;
}

double penWidthScale(const QTransform& m) {
    // The axes read both by rows and by columns; the smaller reading is
    // taken, so that a pen thin by either counts as thin.
    const double rows = std::max(m.m11() * m.m11() + m.m12() * m.m12(), m.m21() * m.m21() + m.m22() * m.m22());
    const double columns = std::max(m.m11() * m.m11() + m.m21() * m.m21(), m.m12() * m.m12() + m.m22() * m.m22());
    return std::sqrt(std::min(rows, columns));
}

} // namespace charts
