// The QPainter back end on an offscreen image: each mapping of the drawing
// interface onto Qt checked in pixels.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <functional>
#include <numbers>
#include <sstream>
#include <utility>
#include <vector>

#include "Charts/drawing/PainterContext.h"

namespace charts {
namespace {

QImage paint(int width, int height, const std::function<void(DrawingContext&)>& draw) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    {
        PainterContext context(painter);
        draw(context);
    }
    painter.end();
    return image;
}

bool inked(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

TEST(PainterContext, LinearGradientsRunFromStartToEndAndPadBeyond) {
    const Gradient redToBlue{{QColor(255, 0, 0), QColor(0, 0, 255)}, {}};
    struct Case {
        const char* name;
        Point start, end;
        QPoint startSide, endSide, middle;
    };
    const Case cases[] = {
        {"left to right", {20, 50}, {80, 50}, {5, 50}, {95, 50}, {50, 50}},
        {"bottom to top", {50, 80}, {50, 20}, {50, 95}, {50, 5}, {50, 50}},
    };
    for (const Case& c : cases) {
        const QImage image =
            paint(100, 100, [&](DrawingContext& context) { context.drawLinearGradient(redToBlue, c.start, c.end); });
        EXPECT_EQ(image.pixelColor(c.startSide), QColor(255, 0, 0)) << c.name;
        EXPECT_EQ(image.pixelColor(c.endSide), QColor(0, 0, 255)) << c.name;
        const QColor middle = image.pixelColor(c.middle);
        EXPECT_NEAR(middle.red(), 128, 4) << c.name;
        EXPECT_NEAR(middle.blue(), 128, 4) << c.name;
    }
}

TEST(PainterContext, RadialGradientsStartAtTheFocalCircle) {
    const Gradient redToBlue{{QColor(255, 0, 0), QColor(0, 0, 255)}, {}};
    const QImage image = paint(100, 100, [&](DrawingContext& context) {
        context.drawRadialGradient(redToBlue, {50, 50}, 10, {50, 50}, 40);
    });
    EXPECT_EQ(image.pixelColor(50, 50), QColor(255, 0, 0)); // inside the start circle
    EXPECT_EQ(image.pixelColor(54, 50), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(97, 50), QColor(0, 0, 255)); // outside the end circle
    const QColor middle = image.pixelColor(75, 50);         // halfway between the circles
    EXPECT_NEAR(middle.red(), 128, 6);
    EXPECT_NEAR(middle.blue(), 128, 6);
}

TEST(PainterContext, ClipsAndFillsFollowTheirRule) {
    // Two squares overlapping in (30..50, 30..50); the second one drawn in the
    // same or the opposite direction.
    struct Case {
        const char* name;
        FillRule rule;
        bool sameDirection;
        bool overlapPainted;
    };
    const Case cases[] = {
        {"winding, same direction", FillRule::winding, true, true},
        {"winding, opposite direction", FillRule::winding, false, false},
        {"even-odd", FillRule::evenOdd, true, false},
    };
    for (const Case& c : cases) {
        for (bool viaClip : {true, false}) {
            const QImage image = paint(100, 100, [&](DrawingContext& context) {
                context.addRect(Rect(10, 10, 40, 40));
                if (c.sameDirection) {
                    context.addRect(Rect(30, 30, 40, 40));
                } else {
                    const Point reversed[] = {{30, 30}, {30, 70}, {70, 70}, {70, 30}};
                    context.addLines(reversed);
                    context.closePath();
                }
                context.setFillColor(QColor(0, 0, 0));
                if (viaClip) {
                    context.clip(c.rule);
                    context.fillRect(Rect(0, 0, 100, 100));
                } else {
                    context.fillPath(c.rule);
                }
            });
            EXPECT_TRUE(inked(image, 20, 20)) << c.name;
            EXPECT_TRUE(inked(image, 60, 60)) << c.name;
            EXPECT_FALSE(inked(image, 80, 20)) << c.name;
            EXPECT_EQ(inked(image, 40, 40), c.overlapPainted) << c.name << (viaClip ? " clip" : " fill");
        }
    }
}

TEST(PainterContext, DashLengthsAndPhaseAreAbsolute) {
    struct Case {
        double width;
        double phase;
        std::vector<double> lengths;
        std::vector<int> inkedAt, clearAt;
    };
    const Case cases[] = {
        {2, 0, {10, 5}, {2, 8, 17, 23}, {12, 27}},
        {6, 0, {10, 5}, {2, 8, 17, 23}, {12, 27}},
        {4, 3, {10, 5}, {2, 5, 14, 20}, {9, 24}},
        {2, 0, {6, 2, 2}, {3, 9, 17, 23}, {7, 13, 19}}, // odd list repeats: 6 on 2 off 2 on, 6 off 2 on 2 off
    };
    for (const Case& c : cases) {
        const QImage image = paint(120, 20, [&](DrawingContext& context) {
            context.setLineWidth(c.width);
            context.setLineDash(c.phase, c.lengths);
            context.moveTo({0, 10});
            context.lineTo({120, 10});
            context.strokePath();
        });
        for (int x : c.inkedAt) EXPECT_TRUE(inked(image, x, 10)) << "width " << c.width << " x " << x;
        for (int x : c.clearAt) EXPECT_FALSE(inked(image, x, 10)) << "width " << c.width << " x " << x;
    }
}

// Runs of ink along a horizontal line, in device pixels: the columns whose
// ink, summed down the column, reaches half that of the darkest column.
// Columns from `fromX` up to `toX` only.
std::vector<std::pair<int, int>> inkRuns(const QImage& image, int fromX, int toX) {
    std::vector<long> ink(static_cast<std::size_t>(image.width()), 0);
    long darkest = 0;
    for (int x = fromX; x < toX; ++x) {
        for (int y = 0; y < image.height(); ++y) ink[static_cast<std::size_t>(x)] += 255 - qGray(image.pixel(x, y));
        darkest = std::max(darkest, ink[static_cast<std::size_t>(x)]);
    }
    std::vector<std::pair<int, int>> runs;
    int start = -1;
    for (int x = fromX; x <= toX; ++x) {
        const bool inked = x < toX && darkest > 0 && 2 * ink[static_cast<std::size_t>(x)] >= darkest;
        if (inked && start < 0) start = x;
        if (!inked && start >= 0) {
            runs.emplace_back(start, x);
            start = -1;
        }
    }
    return runs;
}

// Dash lengths and phase are absolute at every width, also for lines no
// wider than a device pixel, which Qt's raster engine strokes another way.
// Measured in device pixels along a dashed line from x = 10.
TEST(PainterContext, ThinDashesKeepTheirLengths) {
    enum class How { polyline, segments, curvedPath };
    const struct {
        double width;
        double ratio;     // device pixels per point
        double userScale; // a scale of the drawing's user space
        double phase;
        How how;
    } cases[] = {
        {0.5, 1, 1, 0, How::polyline},   {0.5, 1, 1, 0, How::segments}, {0.5, 1, 1, 0, How::curvedPath},
        {1, 1, 1, 0, How::polyline},     {1, 1, 1, 3, How::segments},   {0.5, 2, 1, 0, How::polyline},
        {0.5, 2, 1, 3, How::curvedPath}, {1, 2, 1, 0, How::segments},   {0.25, 2, 1, 0, How::polyline},
        {0.75, 1, 1, 3, How::polyline},  {1, 1, 0.5, 0, How::polyline}, {2, 1, 1, 3, How::polyline},
    };
    // In points; under a user scale the drawing gives them in its own units.
    const double dash = 6, gap = 4;
    for (const auto& c : cases) {
        QImage image(static_cast<int>(200 * c.ratio), static_cast<int>(20 * c.ratio),
                     QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(c.ratio);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing, true);
            PainterContext context(painter);
            context.scaleBy(c.userScale, c.userScale);
            const double unit = 1 / c.userScale; // user units per point
            context.setLineWidth(c.width * unit);
            const double lengths[] = {dash * unit, gap * unit};
            context.setLineDash(c.phase * unit, lengths);
            const Point line[] = {{10 * unit, 10 * unit}, {190 * unit, 10 * unit}};
            switch (c.how) {
            case How::polyline:
                context.addLines(line);
                context.strokePath();
                break;
            case How::segments: context.strokeLineSegments(line); break;
            case How::curvedPath:
                context.addLines(line);
                context.quadCurveTo({195 * unit, 10 * unit}, {195 * unit, 19 * unit});
                context.strokePath();
                break;
            }
        }
        std::ostringstream what;
        what << "width " << c.width << " ratio " << c.ratio << " scale " << c.userScale << " phase " << c.phase
             << " how " << static_cast<int>(c.how);
        const std::vector<std::pair<int, int>> runs = inkRuns(image, 0, static_cast<int>(180 * c.ratio));
        ASSERT_GE(runs.size(), 10u) << what.str();
        // The first dash starts at the line's start, shortened by the phase.
        const double tolerance = 1.0;
        EXPECT_NEAR(runs[0].first, 10 * c.ratio, tolerance) << what.str();
        EXPECT_NEAR(runs[0].second, (10 + dash - c.phase) * c.ratio, tolerance) << what.str();
        for (std::size_t i = 1; i + 1 < runs.size(); ++i) {
            EXPECT_NEAR(runs[i].second - runs[i].first, dash * c.ratio, tolerance) << what.str() << " dash " << i;
            EXPECT_NEAR(runs[i].first - runs[i - 1].second, gap * c.ratio, tolerance) << what.str() << " gap " << i;
        }
    }
}

TEST(PainterContext, CapsAndAZeroWidth) {
    struct Case {
        LineCap cap;
        double width;
        bool beforeStart;
        bool onLine;
    };
    const Case cases[] = {
        {LineCap::butt, 10, false, true},
        {LineCap::square, 10, true, true},
        {LineCap::round, 10, true, true},
        {LineCap::butt, 0, false, false},
    };
    for (const Case& c : cases) {
        for (bool segments : {false, true}) {
            const QImage image = paint(100, 20, [&](DrawingContext& context) {
                context.setLineCap(c.cap);
                context.setLineWidth(c.width);
                const Point line[] = {{20, 10}, {80, 10}};
                if (segments) {
                    context.strokeLineSegments(line);
                } else {
                    context.addLines(line);
                    context.strokePath();
                }
            });
            EXPECT_EQ(inked(image, 17, 10), c.beforeStart) << static_cast<int>(c.cap) << " " << c.width;
            EXPECT_EQ(inked(image, 50, 10), c.onLine) << static_cast<int>(c.cap) << " " << c.width;
        }
    }
}

TEST(PainterContext, EllipsesPaintAsTheirPathsAndConsumeTheCurrentPath) {
    // Each ellipse form beside the path it stands for: the same pixels, give
    // or take the edge's anti-aliasing; a dashed outline stays dashed.
    struct Case {
        const char* name;
        std::function<void(DrawingContext&, const Rect&)> direct;
        std::function<void(DrawingContext&)> paint;
    };
    const Rect box(10, 20, 70, 50);
    const Case cases[] = {
        {"fill", [](DrawingContext& c, const Rect& r) { c.fillEllipse(r); }, [](DrawingContext& c) { c.fillPath(); }},
        {"stroke", [](DrawingContext& c, const Rect& r) { c.strokeEllipse(r); },
         [](DrawingContext& c) { c.strokePath(); }},
        {"dashed stroke",
         [](DrawingContext& c, const Rect& r) {
             c.setLineDash(0, std::vector<double>{4, 4});
             c.strokeEllipse(r);
         },
         [](DrawingContext& c) {
             c.setLineDash(0, std::vector<double>{4, 4});
             c.strokePath();
         }},
    };
    for (const Case& c : cases) {
        bool pathLeft = true;
        const QImage direct = paint(100, 100, [&](DrawingContext& context) {
            context.setLineWidth(0.8);
            context.moveTo({0, 0});
            context.lineTo({5, 5});
            c.direct(context, box);
            pathLeft = !context.currentPath().isEmpty();
        });
        const QImage viaPath = paint(100, 100, [&](DrawingContext& context) {
            context.setLineWidth(0.8);
            context.beginPath();
            context.addEllipse(box);
            c.paint(context);
        });
        EXPECT_FALSE(pathLeft) << c.name;
        int differing = 0, inkedPixels = 0;
        for (int y = 0; y < 100; ++y) {
            for (int x = 0; x < 100; ++x) {
                inkedPixels += inked(viaPath, x, y) ? 1 : 0;
                differing += std::abs(qGray(direct.pixel(x, y)) - qGray(viaPath.pixel(x, y))) > 100 ? 1 : 0;
            }
        }
        EXPECT_GT(inkedPixels, 50) << c.name;
        EXPECT_LE(differing, inkedPixels / 20) << c.name;
    }
}

TEST(PainterContext, TextHangsFromItsTopLeftCorner) {
    TextAttributes attributes;
    attributes.font = pixelSizedFont(attributes.font, 40);
    const QImage image = paint(200, 120, [&](DrawingContext& context) {
        context.drawText(QStringLiteral("H"), Point{30, 30}, attributes);
    });
    int top = -1, left = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!inked(image, x, y)) continue;
            if (top < 0) top = y;
            bottom = y;
            if (left < 0 || x < left) left = x;
        }
    }
    const QFontMetricsF metrics(attributes.font);
    ASSERT_GE(top, 0);
    // The capital's top sits the font's ascent less the cap height below the
    // point, its baseline one ascent below it.
    EXPECT_NEAR(top, 30 + metrics.ascent() - metrics.capHeight(), 2.0);
    EXPECT_NEAR(bottom + 1, 30 + metrics.ascent(), 2.0);
    EXPECT_GE(left, 30);
    EXPECT_LT(left, 30 + 10);
}

TEST(PainterContext, ImagesStandUprightInTheirRectangle) {
    QImage source(2, 2, QImage::Format_ARGB32);
    source.setPixelColor(0, 0, QColor(255, 0, 0));
    source.setPixelColor(1, 0, QColor(0, 255, 0));
    source.setPixelColor(0, 1, QColor(0, 0, 255));
    source.setPixelColor(1, 1, QColor(0, 0, 0));
    const QImage image =
        paint(60, 60, [&](DrawingContext& context) { context.drawImage(source, Rect(10, 10, 40, 40)); });
    EXPECT_EQ(image.pixelColor(15, 15), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(45, 15), QColor(0, 255, 0));
    EXPECT_EQ(image.pixelColor(15, 45), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(5, 5), QColor(255, 255, 255));
}

TEST(PainterContext, StateRestoresTheClipAndThePainterEndsAsItWas) {
    QImage image(50, 50, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(5, 5);
    const QTransform before = painter.worldTransform();
    {
        PainterContext context(painter);
        context.saveGState();
        context.clipToRect(Rect(0, 0, 10, 10));
        context.setFillColor(QColor(0, 0, 0));
        context.translateBy(3, 0);
        context.saveGState(); // left open on purpose
        context.fillRect(Rect(0, 0, 40, 40));
        context.restoreGState();
        context.restoreGState();
        context.setFillColor(QColor(255, 0, 0));
        context.setAlpha(0.5);
        context.fillRect(Rect(30, 30, 10, 10));
        context.saveGState();
        context.scaleBy(0, 1); // nothing can show under a flat transform
        context.fillRect(Rect(0, 30, 10, 10));
    }
    EXPECT_EQ(painter.worldTransform(), before);
    EXPECT_FALSE(painter.hasClipping());
    EXPECT_EQ(painter.opacity(), 1.0);
    painter.end();
    EXPECT_TRUE(inked(image, 10, 10));  // (5..15) clipped fill, shifted by 3 inside the clip
    EXPECT_FALSE(inked(image, 20, 20)); // outside the clip
    const QColor half = image.pixelColor(38, 38);
    EXPECT_EQ(half.red(), 255);
    EXPECT_NEAR(half.green(), 128, 2); // half-transparent red over white
    EXPECT_EQ(image.pixelColor(8, 38), QColor(255, 255, 255));
}

// A saved level that sets no clip does not save the painter; a restore still
// brings back every setting for the next painting.
TEST(PainterContext, ARestoreBringsBackEverySettingWithoutAClip) {
    const struct {
        const char* name;
        std::function<void(DrawingContext&)> change;
    } changes[] = {
        {"alpha", [](DrawingContext& c) { c.setAlpha(0.2); }},
        {"fill colour", [](DrawingContext& c) { c.setFillColor(QColor(255, 255, 255)); }},
        {"transform", [](DrawingContext& c) { c.translateBy(100, 100); }},
        {"anti-aliasing", [](DrawingContext& c) { c.setShouldAntialias(false); }},
    };
    for (const auto& change : changes) {
        QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        {
            PainterContext context(painter);
            context.setFillColor(QColor(0, 0, 0));
            context.saveGState();
            change.change(context);
            context.fillRect(Rect(0, 0, 10, 10));
            context.restoreGState();
            context.fillRect(Rect(20, 20, 10, 10));
            EXPECT_EQ(painter.opacity(), 1.0) << change.name;
            EXPECT_TRUE(painter.testRenderHint(QPainter::Antialiasing)) << change.name;
        }
        painter.end();
        EXPECT_EQ(image.pixelColor(25, 25), QColor(0, 0, 0)) << change.name;
    }
}

} // namespace
} // namespace charts
