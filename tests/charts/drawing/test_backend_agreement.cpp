// The two back ends draw the same thing: each drawing is recorded, written as
// SVG and rasterised by rsvg-convert, and compared with what the QPainter back
// end paints. Pixels within 2 px of an edge in either image (where the two
// rasterisers' anti-aliasing differs) are left out; every other pixel must
// agree within 10 of 255 per channel. This pins the dash, cap, join,
// winding, clip, gradient, transform and text conversions to the meaning
// the SVG renderer gives the same operations.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <functional>
#include <numbers>

#include "Charts/drawing/FontMetricsTextMeasurer.h"
#include "Charts/drawing/PainterContext.h"
#include "svg_writer.h"
#include "tests/support/scratch_files.h"
#include "tests/support/shell_commands.h"

namespace charts {
namespace {

constexpr int canvas = 200;
constexpr int edgeRange = 40; // a local spread above this marks an edge
constexpr int edgeMargin = 2;
constexpr int tolerance = 10;

using Drawing = std::function<void(DrawingContext&)>;

QImage painted(const Drawing& draw) {
    QImage image(canvas, canvas, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    {
        PainterContext context(painter);
        draw(context);
    }
    painter.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage rasterisedBySvg(const Drawing& draw, std::string& problem) {
    RecordingContext recording(std::make_shared<FontMetricsTextMeasurer>());
    draw(recording);
    test_support::ScratchDirectory dir;
    test_support::writeBytes(dir.file("drawing.svg"), charts_test::svgDocument(recording, canvas, canvas));
    std::string output;
    const int status =
        test_support::runCommand("rsvg-convert -b white -o " + test_support::quoted(dir.file("out.png")) + " " +
                                     test_support::quoted(dir.file("drawing.svg")) + " 2>&1",
                                 output);
    if (status != 0) {
        problem = "rsvg-convert failed: " + output;
        return {};
    }
    QImage image(QString::fromStdString(dir.file("out.png").string()));
    return image.convertToFormat(QImage::Format_RGB32);
}

// Pixels whose neighbourhood spreads by more than edgeRange in any channel,
// widened by edgeMargin.
std::vector<bool> edgeMask(const QImage& image) {
    const int w = image.width(), h = image.height();
    std::vector<bool> edge(static_cast<std::size_t>(w * h), false);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int low[3] = {255, 255, 255}, high[3] = {0, 0, 0};
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = std::clamp(x + dx, 0, w - 1), ny = std::clamp(y + dy, 0, h - 1);
                    const QRgb p = image.pixel(nx, ny);
                    const int c[3] = {qRed(p), qGreen(p), qBlue(p)};
                    for (int i = 0; i < 3; ++i) {
                        low[i] = std::min(low[i], c[i]);
                        high[i] = std::max(high[i], c[i]);
                    }
                }
            }
            bool spread = false;
            for (int i = 0; i < 3; ++i) spread = spread || high[i] - low[i] > edgeRange;
            if (!spread) continue;
            for (int dy = -edgeMargin; dy <= edgeMargin; ++dy) {
                for (int dx = -edgeMargin; dx <= edgeMargin; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx >= 0 && ny >= 0 && nx < w && ny < h) edge[static_cast<std::size_t>(ny * w + nx)] = true;
                }
            }
        }
    }
    return edge;
}

struct Drawn {
    const char* name;
    Drawing draw;
};

Point polar(Point c, double r, double degrees) {
    const double a = degrees * std::numbers::pi / 180;
    return {c.x + r * std::cos(a), c.y + r * std::sin(a)};
}

std::vector<Drawn> drawings() {
    std::vector<Drawn> list;
    list.push_back({"dashed polyline with miter joins", [](DrawingContext& c) {
                        c.setStrokeColor(QColor(20, 40, 160));
                        c.setLineWidth(14);
                        const double dash[] = {24, 8, 10, 8};
                        c.setLineDash(5, dash);
                        const Point zigzag[] = {{20, 40}, {100, 160}, {180, 40}};
                        c.addLines(zigzag);
                        c.strokePath();
                    }});
    list.push_back({"caps on dashed lines", [](DrawingContext& c) {
                        const LineCap caps[] = {LineCap::butt, LineCap::round, LineCap::square};
                        const double dash[] = {20, 15};
                        c.setLineWidth(12);
                        c.setLineDash(0, dash);
                        c.setStrokeColor(QColor(0, 0, 0));
                        for (int i = 0; i < 3; ++i) {
                            c.setLineCap(caps[i]);
                            const Point line[] = {{40.0 + 60 * i, 20}, {40.0 + 60 * i, 180}};
                            c.strokeLineSegments(line);
                        }
                    }});
    list.push_back({"thin dashed lines laid into blocks", [](DrawingContext& c) {
                        // Lines no wider than a pixel, which Qt strokes another
                        // way than wider ones. Laid close together, their dashes
                        // make solid blocks whose insides the comparison judges.
                        c.setStrokeColor(QColor(0, 0, 0));
                        const double coarse[] = {12, 8};
                        c.setLineDash(5, coarse);
                        c.setLineWidth(0.5);
                        for (int row = 0; row < 480; ++row) {
                            const Point line[] = {{20, 20 + row * 0.125}, {180, 20 + row * 0.125}};
                            c.addLines(line);
                            c.strokePath();
                        }
                        const double fine[] = {9, 7};
                        c.setLineDash(0, fine);
                        c.setLineWidth(1);
                        for (int row = 0; row < 120; ++row) {
                            const Point line[] = {{20, 110 + row * 0.5}, {180, 110 + row * 0.5}};
                            c.strokeLineSegments(line);
                        }
                    }});
    list.push_back({"self-crossing stars, non-zero and even-odd", [](DrawingContext& c) {
                        for (int side = 0; side < 2; ++side) {
                            const Point centre{50.0 + 100 * side, 100};
                            for (int k = 0; k < 5; ++k) {
                                const Point p = polar(centre, 45, -90 + 144 * k);
                                if (k == 0)
                                    c.moveTo(p);
                                else
                                    c.lineTo(p);
                            }
                            c.closePath();
                            c.setFillColor(QColor(200, 30, 30));
                            c.fillPath(side == 0 ? FillRule::winding : FillRule::evenOdd);
                        }
                    }});
    list.push_back({"winding clip of two circles within a rectangle", [](DrawingContext& c) {
                        c.saveGState();
                        c.clipToRect(Rect(20, 20, 160, 120));
                        c.addEllipse(Rect(30, 30, 100, 100));
                        c.addEllipse(Rect(80, 60, 100, 100));
                        c.clip(FillRule::winding);
                        c.setFillColor(QColor(30, 150, 60));
                        c.fillRect(Rect(0, 0, 200, 200));
                        c.restoreGState();
                        c.setFillColor(QColor(0, 0, 200));
                        c.fillRect(Rect(0, 170, 200, 30));
                    }});
    list.push_back(
        {"linear and radial gradients in clips", [](DrawingContext& c) {
             const Gradient warm{{QColor(250, 220, 40), QColor(200, 20, 20), QColor(40, 20, 120)}, {0, 0.3, 1}};
             c.saveGState();
             c.clipToRect(Rect(10, 10, 180, 80));
             c.drawLinearGradient(warm, {40, 80}, {160, 20});
             c.restoreGState();
             c.saveGState();
             c.addRect(Rect(10, 100, 180, 90));
             c.clip();
             c.drawRadialGradient(warm, {80, 140}, 5, {110, 150}, 60);
             c.restoreGState();
         }});
    list.push_back({"miters within and beyond the limit", [](DrawingContext& c) {
                        // Half-angle 7 degrees: a miter 8.2 times the width, inside the
                        // default limit of 10 and beyond a limit of 6 (a bevel).
                        c.setLineWidth(16);
                        c.setStrokeColor(QColor(0, 0, 0));
                        const double spread = 110 * std::tan(7 * std::numbers::pi / 180);
                        for (int i = 0; i < 2; ++i) {
                            if (i == 1) c.setMiterLimit(6);
                            const Point tip{50.0 + 100 * i, 80};
                            const Point v[] = {{tip.x - spread, 190}, tip, {tip.x + spread, 190}};
                            c.addLines(v);
                            c.strokePath();
                        }
                    }});
    list.push_back({"transformed shapes with alpha", [](DrawingContext& c) {
                        c.saveGState();
                        c.translateBy(100, 100);
                        c.rotateBy(std::numbers::pi / 6);
                        c.scaleBy(1.5, 1);
                        c.setAlpha(0.5);
                        c.setFillColor(QColor(0, 160, 0));
                        c.fillRect(Rect(-40, -25, 80, 50));
                        c.setStrokeColor(QColor(120, 0, 120));
                        c.setLineWidth(6);
                        c.strokeRect(Rect(-40, -25, 80, 50));
                        c.restoreGState();
                    }});
    list.push_back({"large translucent strokes and fills, blended once each", [](DrawingContext& c) {
                        // Crossing segments of one stroke overlap without darkening.
                        c.setStrokeColor(QColor(0, 0, 200, 140));
                        c.setLineWidth(7);
                        const Point star[] = {{20, 20}, {180, 180}, {180, 20}, {20, 180}, {100, 10}, {100, 190}};
                        c.strokeLineSegments(star);
                        c.saveGState();
                        c.setAlpha(0.6);
                        c.setFillColor(QColor(200, 60, 0));
                        c.addEllipse(Rect(30, 30, 140, 140));
                        c.addEllipse(Rect(60, 60, 80, 80));
                        c.fillPath(FillRule::evenOdd);
                        c.setStrokeColor(QColor(0, 120, 0, 160));
                        c.setLineWidth(9);
                        const Point zigzag[] = {{10, 100}, {60, 40}, {110, 160}, {160, 40}, {190, 120}};
                        c.addLines(zigzag);
                        c.strokePath();
                        c.restoreGState();
                    }});
    list.push_back({"arcs, circles and ellipses", [](DrawingContext& c) {
                        c.setStrokeColor(QColor(10, 10, 10));
                        c.setLineWidth(5);
                        c.addArc({60, 60}, 40, 0, std::numbers::pi * 1.25, false);
                        c.strokePath();
                        c.moveTo({110, 20});
                        c.lineTo({150, 60});
                        c.addCircle({150, 60}, 25);
                        c.strokePath();
                        c.setFillColor(QColor(220, 120, 0));
                        c.fillEllipse(Rect(20, 120, 160, 60));
                    }});
    list.push_back({"filled and stroked at once, the stroke translucent", [](DrawingContext& c) {
                        c.setFillColor(QColor(250, 210, 0));
                        c.setStrokeColor(QColor(0, 0, 255, 128));
                        c.setLineWidth(16);
                        c.setLineJoin(LineJoin::round);
                        c.addRect(Rect(30, 30, 140, 60));
                        c.drawPath(PathDrawingMode::fillStroke);
                        c.addEllipse(Rect(30, 110, 140, 70));
                        c.addEllipse(Rect(70, 125, 60, 40));
                        c.setLineJoin(LineJoin::bevel);
                        c.drawPath(PathDrawingMode::evenOddFillStroke);
                    }});
    list.push_back(
        {"text at a point and in a rectangle", [](DrawingContext& c) {
             TextAttributes big;
             big.font = pixelSizedFont(big.font, 80);
             big.font.setBold(true);
             big.foregroundColor = QColor(0, 0, 120);
             c.drawText(QStringLiteral("HIH"), Point{10, 0}, big);
             TextAttributes wrapped;
             wrapped.font = pixelSizedFont(wrapped.font, 48);
             wrapped.font.setBold(true);
             wrapped.paragraphStyle = ParagraphStyle{TextAlignment::center, LineBreakMode::byWordWrapping, 0};
             c.drawText(QStringLiteral("II HH"), Rect(50, 76, 100, 120), wrapped);
         }});
    return list;
}

TEST(BackEndAgreement, RecordedDrawingsRasteriseAsThePainterPaints) {
    if (!test_support::toolInstalled("rsvg-convert")) GTEST_SKIP() << "rsvg-convert is not installed";
    const std::vector<Drawn> list = drawings();
    for (std::size_t index = 0; index < list.size(); ++index) {
        const Drawn& drawing = list[index];
        std::string problem;
        const QImage reference = rasterisedBySvg(drawing.draw, problem);
        ASSERT_TRUE(problem.empty()) << drawing.name << ": " << problem;
        const QImage ours = painted(drawing.draw);
        ASSERT_EQ(reference.size(), ours.size()) << drawing.name;

        const std::vector<bool> edgesOurs = edgeMask(ours), edgesReference = edgeMask(reference);
        int compared = 0, inked = 0, differing = 0, worst = 0;
        QPoint worstAt;
        QRect differingArea;
        for (int y = 0; y < canvas; ++y) {
            for (int x = 0; x < canvas; ++x) {
                const auto i = static_cast<std::size_t>(y * canvas + x);
                if (edgesOurs[i] || edgesReference[i]) continue;
                ++compared;
                const QRgb a = ours.pixel(x, y), b = reference.pixel(x, y);
                if (qGray(a) < 250) ++inked;
                const int d = std::max(
                    {std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
                if (d > tolerance) {
                    ++differing;
                    differingArea |= QRect(x, y, 1, 1);
                }
                if (d > worst) {
                    worst = d;
                    worstAt = QPoint(x, y);
                }
            }
        }
        EXPECT_EQ(differing, 0) << "drawing " << index << ", " << drawing.name << ": worst difference " << worst
                                << " at (" << worstAt.x() << ", " << worstAt.y() << "), differing pixels within ("
                                << differingArea.left() << ", " << differingArea.top() << ") to ("
                                << differingArea.right() << ", " << differingArea.bottom() << ")";
        // The comparison must cover a good part of the picture, drawn parts included.
        EXPECT_GT(compared, canvas * canvas / 2) << drawing.name;
        EXPECT_GT(inked, 400) << drawing.name;
    }
}

} // namespace
} // namespace charts
