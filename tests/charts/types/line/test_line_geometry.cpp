// The line chart's geometry as pure functions, each fed tables of entries,
// visible ranges and phases: the straight and stepped segments with their
// culling, the two Bezier lines, the filled areas and the places of marks.
#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "Charts/types/line/LineGeometry.h"

namespace charts {
namespace {

// Entries of the given value points, and the values as the geometry reads
// them.
struct Entries {
    explicit Entries(const std::vector<Point>& points) {
        for (const Point& p : points) list.push_back(std::make_shared<ChartDataEntry>(p.x, p.y));
    }
    EntryValues values() const { return EntryValues(std::span<const ChartDataEntryPtr>(list)); }
    std::vector<ChartDataEntryPtr> list;
};

IndexBounds bounds(std::int64_t min, std::int64_t max, std::int64_t range) {
    IndexBounds b;
    b.setMin(min);
    b.setMax(max);
    b.setRange(range);
    return b;
}

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

// Value x to pixel 10 x, value y to pixel 100 - y: a y-down view.
const AffineTransform flipY{10, 0, 0, -1, 0, 100};
// Content from (0, 0) to (100, 100) in pixels.
const ContentBounds content{Rect(0, 0, 100, 100)};

struct SegmentVisit {
    std::int64_t index;
    std::vector<Point> points;
    friend bool operator==(const SegmentVisit&, const SegmentVisit&) = default;
};

std::vector<SegmentVisit> segments(const std::vector<Point>& points, const IndexBounds& b, bool stepped,
                                   double phaseY = 1) {
    const Entries entries(points);
    std::vector<SegmentVisit> visits;
    forEachLineSegment(entries.values(), b, stepped, phaseY, flipY, content,
                       [&](std::span<const Point> pair, std::int64_t j) {
                           visits.push_back(SegmentVisit{j, std::vector<Point>(pair.begin(), pair.end())});
                       });
    return visits;
}

TEST(LineGeometry, SegmentsOfTheVisiblePairsInPixels) {
    struct Case {
        std::string name;
        std::vector<Point> points;
        IndexBounds bounds;
        bool stepped;
        double phaseY;
        std::vector<SegmentVisit> visits;
    };
    const std::vector<Case> cases = {
        {"straight pairs",
         {{1, 10}, {2, 50}, {3, 20}},
         bounds(0, 2, 2),
         false,
         1,
         {{0, {{10, 90}, {20, 50}}}, {1, {{20, 50}, {30, 80}}}}},
        {"stepped: run, then rise",
         {{1, 10}, {2, 50}},
         bounds(0, 1, 1),
         true,
         1,
         {{0, {{10, 90}, {20, 90}, {20, 90}, {20, 50}}}}},
        {"phase halves every y", {{1, 10}, {2, 50}}, bounds(0, 1, 1), false, 0.5, {{0, {{10, 95}, {20, 75}}}}},
        {"one visible entry makes no pair", {{1, 10}, {2, 50}}, bounds(0, 1, 0), false, 1, {}},
        {"equal ends are left out",
         {{1, 10}, {1, 10}, {2, 50}},
         bounds(0, 2, 2),
         false,
         1,
         {{1, {{10, 90}, {20, 50}}}}},
        {"a pair ending left of the content is left out",
         {{-3, 10}, {-2, 10}, {1, 10}},
         bounds(0, 2, 2),
         false,
         1,
         {{1, {{-20, 90}, {10, 90}}}}},
        {"a pair wholly above the content is left out",
         {{1, 150}, {2, 160}, {3, 50}},
         bounds(0, 2, 2),
         false,
         1,
         {{1, {{20, -60}, {30, 50}}}}},
        {"a pair wholly below the content is left out",
         {{1, -50}, {2, -60}, {3, 50}},
         bounds(0, 2, 2),
         false,
         1,
         {{1, {{20, 160}, {30, 50}}}}},
        {"the walk ends at the first pair starting right of the content",
         {{9, 10}, {12, 10}, {13, 20}, {14, 30}},
         bounds(0, 3, 3),
         false,
         1,
         {{0, {{90, 90}, {120, 90}}}}},
        {"NaN is a gap", {{1, 10}, {2, nan}, {3, 20}, {4, 30}}, bounds(0, 3, 3), false, 1, {{2, {{30, 80}, {40, 70}}}}},
        {"a missing second entry ends the walk",
         {{1, 10}, {2, 50}},
         bounds(0, 5, 5),
         false,
         1,
         {{0, {{10, 90}, {20, 50}}}}},
        {"only the visible range is walked",
         {{1, 10}, {2, 50}, {3, 20}, {4, 30}},
         bounds(1, 2, 1),
         false,
         1,
         {{1, {{20, 50}, {30, 80}}}}},
    };
    for (const Case& c : cases) EXPECT_EQ(segments(c.points, c.bounds, c.stepped, c.phaseY), c.visits) << c.name;
}

Path curve(Point start, const std::vector<std::array<Point, 3>>& segments) {
    Path path;
    path.moveTo(start);
    for (const auto& s : segments) path.curveTo(s[0], s[1], s[2]);
    return path;
}

// The paths one after the other, as the subpaths of one.
Path joined(const std::vector<Path>& paths) {
    Path path;
    for (const Path& p : paths) path.addPath(p);
    return path;
}

std::optional<Path> pathOf(const std::optional<CurveLine>& line) {
    if (!line) return std::nullopt;
    return line->path;
}

TEST(LineGeometry, CubicBezierLines) {
    struct Case {
        std::string name;
        std::vector<Point> points;
        IndexBounds bounds;
        double intensity;
        double phaseY;
        std::optional<Path> path;
    };
    const AffineTransform identity;
    const std::vector<Case> cases = {
        {"intensity 0 puts the controls on the ends",
         {{0, 0}, {1, 10}, {2, 0}},
         bounds(0, 2, 2),
         0,
         1,
         curve({0, 0}, {{{{0, 0}, {1, 10}, {1, 10}}}, {{{1, 10}, {2, 0}, {2, 0}}}})},
        // Each control follows the slope from the point before to the point
        // after, scaled by the intensity.
        {"controls follow the neighbours' slopes",
         {{0, 0}, {1, 10}, {2, 0}},
         bounds(0, 2, 2),
         0.5,
         1,
         curve({0, 0}, {{{{0.5, 5}, {0, 10}, {1, 10}}}, {{{2, 10}, {1.5, 5}, {2, 0}}}})},
        {"the phase scales every y, controls included",
         {{0, 0}, {1, 10}, {2, 0}},
         bounds(0, 2, 2),
         0.5,
         0.5,
         curve({0, 0}, {{{{0.5, 2.5}, {0, 5}, {1, 5}}}, {{{2, 5}, {1.5, 2.5}, {2, 0}}}})},
        {"the line starts at the first visible entry",
         {{0, 0}, {1, 10}, {2, 0}, {3, 10}},
         bounds(1, 3, 2),
         0,
         1,
         curve({1, 10}, {{{{1, 10}, {2, 0}, {2, 0}}}, {{{2, 0}, {3, 10}, {3, 10}}}})},
        // Each run is shaped as a line of its own: the neighbour across the
        // gap is the segment's own end.
        {"NaN leaves a gap between two runs",
         {{0, 0}, {1, 10}, {2, nan}, {3, 10}, {4, 0}},
         bounds(0, 4, 4),
         0.5,
         1,
         joined({curve({0, 0}, {{{{0.5, 5}, {0.5, 5}, {1, 10}}}}), curve({3, 10}, {{{{3.5, 5}, {3.5, 5}, {4, 0}}}})})},
        {"one visible entry: an empty line", {{0, 0}, {1, 10}}, bounds(0, 1, 0), 0.2, 1, Path{}},
        {"a missing first entry: nothing", {{0, 0}}, bounds(3, 5, 2), 0.2, 1, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pathOf(cubicBezierPath(Entries(c.points).values(), c.bounds, c.intensity, c.phaseY, identity)),
                  c.path)
            << c.name;
}

TEST(LineGeometry, HorizontalBezierLines) {
    struct Case {
        std::string name;
        std::vector<Point> points;
        IndexBounds bounds;
        double phaseY;
        std::optional<Path> path;
    };
    const std::vector<Case> cases = {
        {"both controls at the middle x, at the two heights",
         {{1, 10}, {3, 50}},
         bounds(0, 1, 1),
         1,
         curve({10, 90}, {{{{20, 90}, {20, 50}, {30, 50}}}})},
        {"the phase scales the heights",
         {{1, 10}, {3, 50}},
         bounds(0, 1, 1),
         0.5,
         curve({10, 95}, {{{{20, 95}, {20, 75}, {30, 75}}}})},
        {"a missing entry ends the line",
         {{1, 10}, {3, 50}},
         bounds(0, 4, 4),
         1,
         curve({10, 90}, {{{{20, 90}, {20, 50}, {30, 50}}}})},
        {"one visible entry: an empty line", {{1, 10}}, bounds(0, 0, 0), 1, Path{}},
        {"a missing first entry: nothing", {{1, 10}}, bounds(2, 3, 1), 1, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pathOf(horizontalBezierPath(Entries(c.points).values(), c.bounds, c.phaseY, flipY)), c.path)
            << c.name;
}

Path polygon(const std::vector<Point>& points) {
    Path path;
    path.moveTo(points.front());
    for (std::size_t i = 1; i < points.size(); ++i) path.lineTo(points[i]);
    path.closeSubpath();
    return path;
}

TEST(LineGeometry, FilledAreasDownToTheFillLine) {
    struct Case {
        std::string name;
        std::vector<Point> points;
        IndexBounds bounds;
        double fillMin;
        bool stepped;
        double phaseY;
        Path path;
    };
    const std::vector<Case> cases = {
        {"straight",
         {{1, 10}, {2, 50}, {3, 20}},
         bounds(0, 2, 2),
         0,
         false,
         1,
         polygon({{10, 100}, {10, 90}, {20, 50}, {30, 80}, {30, 100}})},
        {"stepped turns each corner",
         {{1, 10}, {2, 50}, {3, 20}},
         bounds(0, 2, 2),
         0,
         true,
         1,
         polygon({{10, 100}, {10, 90}, {20, 90}, {20, 50}, {30, 50}, {30, 80}, {30, 100}})},
        {"the fill line is not scaled by the phase",
         {{1, 10}, {2, 50}},
         bounds(0, 1, 1),
         20,
         false,
         0.5,
         polygon({{10, 80}, {10, 95}, {20, 75}, {20, 80}})},
        {"only the visible range",
         {{1, 10}, {2, 50}, {3, 20}},
         bounds(1, 2, 1),
         0,
         false,
         1,
         polygon({{20, 100}, {20, 50}, {30, 80}, {30, 100}})},
        {"NaN leaves a gap between two areas",
         {{1, 10}, {2, 50}, {3, nan}, {4, 20}, {5, 30}},
         bounds(0, 4, 4),
         0,
         true,
         1,
         joined({polygon({{10, 100}, {10, 90}, {20, 90}, {20, 50}, {20, 100}}),
                 polygon({{40, 100}, {40, 80}, {50, 80}, {50, 70}, {50, 100}})})},
    };
    for (const Case& c : cases)
        EXPECT_EQ(linearFillPath(Entries(c.points).values(), c.bounds, c.fillMin, c.stepped, c.phaseY, flipY), c.path)
            << c.name;

    // Without entries in the range only the closing remains.
    Path closed;
    closed.closeSubpath();
    EXPECT_EQ(linearFillPath(Entries(std::vector<Point>{}).values(), bounds(0, 0, 0), 0, false, 1, flipY), closed);
}

TEST(LineGeometry, ACurveClosesEachRunDownToTheFillLine) {
    const std::vector<Point> points{{1, 10}, {2, 50}, {3, nan}, {4, 20}, {5, 30}};
    // A run closed down to the fill line (5, at pixel y 95) at the pixel x
    // of its last entry, across at its first.
    const auto closed = [](Path run, double lastX, double firstX) {
        run.lineTo({lastX, 95});
        run.lineTo({firstX, 95});
        run.closeSubpath();
        return run;
    };
    const Path first = curve({10, 90}, {{{{15, 90}, {15, 50}, {20, 50}}}});
    const Path second = curve({40, 80}, {{{{45, 80}, {45, 70}, {50, 70}}}});
    const struct {
        std::string name;
        IndexBounds bounds;
        Path area;
    } cases[] = {
        {"at each run's last and first entries", bounds(0, 4, 4), joined({closed(first, 20, 10), closed(second, 50, 40)})},
        {"a missing entry counts as x 0", bounds(3, 7, 4), closed(second, 0, 40)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(curveFillPath(*horizontalBezierPath(Entries(points).values(), c.bounds, 1, flipY), 5, flipY), c.area)
            << c.name;
}

} // namespace
} // namespace charts
