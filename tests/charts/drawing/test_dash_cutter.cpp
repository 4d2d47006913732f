// Dashes cut from flattened subpaths, for strokes Qt would dash in the wrong
// units: where each dash starts and ends.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "Charts/drawing/DashCutter.h"

namespace charts {
namespace {

using Polylines = std::vector<std::vector<QPointF>>;

Polylines polylinesOf(const QPainterPath& path) {
    Polylines result;
    for (const QPolygonF& polygon : path.toSubpathPolygons()) result.emplace_back(polygon.begin(), polygon.end());
    return result;
}

QList<QPolygonF> subpathsOf(const Polylines& lines) {
    QList<QPolygonF> subpaths;
    for (const auto& line : lines) subpaths.append(QPolygonF(QList<QPointF>(line.begin(), line.end())));
    return subpaths;
}

bool near(const Polylines& a, const Polylines& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].size() != b[i].size()) return false;
        for (std::size_t k = 0; k < a[i].size(); ++k) {
            if (std::abs(a[i][k].x() - b[i][k].x()) > 1e-9 || std::abs(a[i][k].y() - b[i][k].y()) > 1e-9) return false;
        }
    }
    return true;
}

std::string describe(const Polylines& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += "[";
        for (const QPointF& p : line) text += "(" + std::to_string(p.x()) + "," + std::to_string(p.y()) + ")";
        text += "]";
    }
    return text;
}

TEST(DashCutter, DashesStartAtThePhaseOnEverySubpath) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Polylines twenty{{{0, 0}, {20, 0}}};
    const struct {
        const char* what;
        Polylines path;
        std::vector<double> lengths;
        double phase;
        Polylines expected;
    } cases[] = {
        {"from the start", twenty, {6, 4}, 0, {{{0, 0}, {6, 0}}, {{10, 0}, {16, 0}}}},
        {"a phase into the first dash", twenty, {6, 4}, 3, {{{0, 0}, {3, 0}}, {{7, 0}, {13, 0}}, {{17, 0}, {20, 0}}}},
        {"a phase into the gap", twenty, {6, 4}, 7, {{{3, 0}, {9, 0}}, {{13, 0}, {19, 0}}}},
        {"a negative phase counts back", twenty, {6, 4}, -1, {{{1, 0}, {7, 0}}, {{11, 0}, {17, 0}}}},
        {"a phase of whole periods", twenty, {6, 4}, 30, {{{0, 0}, {6, 0}}, {{10, 0}, {16, 0}}}},
        {"a phase that is not finite counts as 0", twenty, {6, 4}, nan, {{{0, 0}, {6, 0}}, {{10, 0}, {16, 0}}}},
        {"an odd list repeats to make pairs", twenty, {5}, 0, {{{0, 0}, {5, 0}}, {{10, 0}, {15, 0}}}},
        {"three lengths: on, off, on, then off, on, off",
         {{{0, 0}, {24, 0}}},
         {6, 2, 2},
         0,
         {{{0, 0}, {6, 0}}, {{8, 0}, {10, 0}}, {{16, 0}, {18, 0}}, {{20, 0}, {24, 0}}}},
        {"a dash turns the corner as one piece",
         {{{0, 0}, {4, 0}, {4, 10}}},
         {6, 4},
         0,
         {{{0, 0}, {4, 0}, {4, 2}}, {{4, 6}, {4, 10}}}},
        {"each subpath starts the pattern again",
         {{{0, 0}, {8, 0}}, {{0, 5}, {8, 5}}},
         {6, 4},
         0,
         {{{0, 0}, {6, 0}}, {{0, 5}, {6, 5}}}},
        {"a diagonal measures its length",
         {{{0, 0}, {6, 8}, {12, 16}}},
         {5, 5},
         0,
         {{{0, 0}, {3, 4}}, {{6, 8}, {9, 12}}}},
        {"a zero-length segment changes nothing",
         {{{0, 0}, {5, 0}, {5, 0}, {20, 0}}},
         {6, 4},
         0,
         {{{0, 0}, {5, 0}, {6, 0}}, {{10, 0}, {16, 0}}}},
    };
    for (const auto& c : cases) {
        const std::optional<QPainterPath> dashes = cutDashes(subpathsOf(c.path), c.lengths, c.phase, 1000);
        ASSERT_TRUE(dashes.has_value()) << c.what;
        const Polylines got = polylinesOf(*dashes);
        EXPECT_TRUE(near(got, c.expected)) << c.what << ": " << describe(got);
    }
}

TEST(DashCutter, RefusesWhatItCannotCut) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const QList<QPolygonF> line = subpathsOf({{{0, 0}, {100, 0}}});
    const struct {
        const char* what;
        std::vector<double> lengths;
        std::size_t limit;
    } cases[] = {
        {"no lengths", {}, 1000},
        {"a negative length", {4, -1}, 1000},
        {"nothing to draw", {0, 0}, 1000},
        {"a length that is not finite", {4, nan}, 1000},
        {"an infinite length", {inf, 2}, 1000},
        {"more dashes than the limit", {1, 1}, 40},
    };
    for (const auto& c : cases) EXPECT_FALSE(cutDashes(line, c.lengths, 0, c.limit).has_value()) << c.what;
    EXPECT_TRUE(cutDashes(line, std::vector<double>{1, 1}, 0, 60).has_value());
}

TEST(DashCutter, PenWidthScaleOfATransform) {
    const struct {
        QTransform transform;
        double expected;
    } cases[] = {
        {QTransform(), 1},
        {QTransform::fromScale(2, 2), 2},
        {QTransform::fromScale(3, 0.5), 3},
        {QTransform::fromScale(0.25, 1), 1},
        {QTransform().rotate(30).scale(2, 2), 2},
        {QTransform::fromTranslate(50, 7), 1},
    };
    for (const auto& c : cases) EXPECT_NEAR(penWidthScale(c.transform), c.expected, 1e-12);
}

} // namespace
} // namespace charts
