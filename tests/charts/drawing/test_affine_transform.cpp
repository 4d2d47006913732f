#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include <QTransform>

#include "Charts/drawing/AffineTransform.h"

namespace charts {
namespace {

const double nan = std::numeric_limits<double>::quiet_NaN();

// QTransform shares the convention (row vectors, a b c d tx ty) and serves
// here as an independent oracle on well-conditioned matrices.
QTransform oracle(const AffineTransform& m) { return QTransform(m.a, m.b, m.c, m.d, m.tx, m.ty); }

void expectSame(const AffineTransform& m, const QTransform& q) {
    EXPECT_NEAR(m.a, q.m11(), 1e-9);
    EXPECT_NEAR(m.b, q.m12(), 1e-9);
    EXPECT_NEAR(m.c, q.m21(), 1e-9);
    EXPECT_NEAR(m.d, q.m22(), 1e-9);
    EXPECT_NEAR(m.tx, q.dx(), 1e-9);
    EXPECT_NEAR(m.ty, q.dy(), 1e-9);
}

std::vector<AffineTransform> sampleMatrices() {
    std::mt19937 random(12);
    std::uniform_real_distribution<double> value(-5, 5);
    std::vector<AffineTransform> result;
    for (int i = 0; i < 50; ++i)
        result.push_back(
            {value(random), value(random), value(random), value(random), value(random) * 20, value(random) * 20});
    return result;
}

TEST(AffineTransform, MapsPointsByTheRowVectorFormula) {
    const AffineTransform m{2, 3, 5, 7, 11, 13};
    EXPECT_EQ(m.apply(Point{1, 10}), (Point{2 * 1 + 5 * 10 + 11, 3 * 1 + 7 * 10 + 13}));
    for (const AffineTransform& s : sampleMatrices()) {
        const QPointF expected = oracle(s).map(QPointF(3.5, -2.25));
        const Point got = s.apply(Point{3.5, -2.25});
        EXPECT_NEAR(got.x, expected.x(), 1e-9);
        EXPECT_NEAR(got.y, expected.y(), 1e-9);
    }
}

TEST(AffineTransform, NaNReachesBothCoordinatesThroughZeroTerms) {
    // A pure scale has c = b = 0, yet a NaN y still reaches x' and a NaN x y'.
    const AffineTransform scale = AffineTransform::makeScale(2, 3);
    const Point fromNanY = scale.apply(Point{1, nan});
    EXPECT_TRUE(std::isnan(fromNanY.x));
    EXPECT_TRUE(std::isnan(fromNanY.y));
    const Point fromNanX = scale.apply(Point{nan, 1});
    EXPECT_TRUE(std::isnan(fromNanX.x));
    EXPECT_TRUE(std::isnan(fromNanX.y));
    Point inPlace{nan, 0};
    AffineTransform::identity().applyInPlace(inPlace);
    EXPECT_TRUE(std::isnan(inPlace.y));
}

TEST(AffineTransform, StepsApplyBeforeTheMatrixAndConcatenationAppliesTheLeftFirst) {
    for (const AffineTransform& m : sampleMatrices()) {
        expectSame(m.translatedBy(4, -6), oracle(m).translate(4, -6));
        expectSame(m.scaledBy(1.5, -0.25), oracle(m).scale(1.5, -0.25));
        expectSame(m.rotatedBy(0.7), QTransform(oracle(m)).rotateRadians(0.7));
        const AffineTransform n{1.5, -0.5, 0.25, 2, 7, -3};
        expectSame(m.concatenating(n), oracle(m) * oracle(n));
    }
    // A zoom about (10, 20): translate, scale, translate back keeps that point.
    const AffineTransform zoomAbout =
        AffineTransform::identity().translatedBy(10, 20).scaledBy(2, 2).translatedBy(-10, -20);
    EXPECT_EQ(zoomAbout.apply(Point{10, 20}), (Point{10, 20}));
    EXPECT_EQ(zoomAbout.apply(Point{11, 20}), (Point{12, 20}));
}

TEST(AffineTransform, InversionUndoesTheMatrixAndLeavesSingularOnesAlone) {
    for (const AffineTransform& m : sampleMatrices()) {
        const Point p{12.5, -7};
        const Point back = m.inverted().apply(m.apply(p));
        EXPECT_NEAR(back.x, p.x, 1e-7);
        EXPECT_NEAR(back.y, p.y, 1e-7);
    }
    const AffineTransform singular[] = {
        {0, 0, 0, 0, 5, 6},
        {1, 2, 2, 4, 3, 3},
        {2, 0, 0, 0, 1, 1},
    };
    for (const AffineTransform& s : singular) EXPECT_EQ(s.inverted(), s);
    // Tiny but regular determinants are inverted, not taken as singular.
    const AffineTransform tiny = AffineTransform::makeScale(1e-13, 1e-13);
    EXPECT_DOUBLE_EQ(tiny.inverted().a, 1e13);
}

TEST(AffineTransform, RectanglesMapToTheBoundingBoxOfTheirCorners) {
    struct Case {
        AffineTransform m;
        Rect given;
        Rect expected;
    };
    const Case cases[] = {
        {AffineTransform::makeScale(2, -1).translatedBy(0, -10), Rect(0, 0, 10, 5), Rect(0, 5, 20, 5)},
        {AffineTransform::identity(), Rect(10, 10, -4, -6), Rect(6, 4, 4, 6)},
        {AffineTransform::makeRotation(M_PI / 2), Rect(0, 0, 2, 1), Rect(-1, 0, 1, 2)},
    };
    for (const Case& c : cases) {
        const Rect got = c.m.apply(c.given);
        EXPECT_NEAR(got.x(), c.expected.x(), 1e-12);
        EXPECT_NEAR(got.y(), c.expected.y(), 1e-12);
        EXPECT_NEAR(got.width(), c.expected.width(), 1e-12);
        EXPECT_NEAR(got.height(), c.expected.height(), 1e-12);
    }
    const Rect withNan = AffineTransform::identity().apply(Rect(nan, 0, 1, 1));
    EXPECT_TRUE(std::isnan(withNan.x()));
    EXPECT_TRUE(std::isnan(withNan.width()));
    EXPECT_TRUE(isNull(AffineTransform::makeScale(2, 2).apply(nullRect())));
}

TEST(AffineTransform, ArraysMapInPlaceAndQTransformIsMadeOnlyForPainting) {
    std::vector<Point> points = {{0, 0}, {1, 1}, {-2, 3}};
    const AffineTransform m{1, 0, 0, -1, 5, 100};
    m.applyInPlace(points);
    EXPECT_EQ(points, (std::vector<Point>{{5, 100}, {6, 99}, {3, 97}}));
    EXPECT_EQ(m.toQTransform(), QTransform(1, 0, 0, -1, 5, 100));
    EXPECT_TRUE(AffineTransform::identity().isIdentity());
    EXPECT_FALSE(m.isIdentity());
}

} // namespace
} // namespace charts
