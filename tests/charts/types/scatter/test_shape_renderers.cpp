// The seven point shapes as they are drawn: exact geometry with and without
// a hole, through the shape renderers' interface.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "Charts/drawing/RecordingContext.h"
#include "Charts/foundation/ViewPortHandler.h"
#include "Charts/types/scatter/ShapeRenderers.h"
#include "platform/NumberText.h"
#include "tests/charts/types/scatter/scatter_support.h"

namespace {

using namespace charts;
using Shape = ScatterChartDataSet::Shape;

// Whole numbers without a decimal point.
std::string number(double value) {
    const std::string text = platform::shortestDecimalText(value);
    return text.ends_with(".0") ? text.substr(0, text.size() - 2) : text;
}
std::string point(Point p) { return number(p.x) + "," + number(p.y); }
std::string color(const QColor& c) { return c.name().toStdString(); }

// One line per painting call: what, in which colour and width, where.
std::string paintings(const RecordingContext& context) {
    std::ostringstream out;
    for (const RecordedOperation& op : context.paintings()) {
        const GraphicsState& s = op.state;
        switch (op.kind) {
        case DrawingOperation::fillRect:
        case DrawingOperation::fillEllipse:
            out << operationName(op.kind) << " " << color(s.fillColor) << " " << point(op.rect.origin) << " "
                << number(op.rect.width()) << "x" << number(op.rect.height());
            break;
        case DrawingOperation::strokeRect:
        case DrawingOperation::strokeEllipse:
            out << operationName(op.kind) << " " << color(s.strokeColor) << " w" << number(s.stroke.lineWidth) << " "
                << point(op.rect.origin) << " " << number(op.rect.width()) << "x" << number(op.rect.height());
            break;
        case DrawingOperation::strokeLineSegments:
            out << "segments " << color(s.strokeColor) << " w" << number(s.stroke.lineWidth);
            for (const Point& p : op.points) out << " " << point(p);
            break;
        case DrawingOperation::drawPath:
            out << (op.mode == PathDrawingMode::fill ? "fill " : "other ") << color(s.fillColor);
            for (const PathElement& e : op.path.elements()) {
                if (e.kind == PathElementKind::closeSubpath)
                    out << " Z";
                else
                    out << (e.kind == PathElementKind::moveTo ? " M " : " L ") << point(e.endPoint());
            }
            break;
        default: out << operationName(op.kind);
        }
        out << "\n";
    }
    return out.str();
}

struct ShapeCase {
    Shape shape;
    double holeRadius;
    bool holeColor;
    const char* drawn;
};

// A shape of size 10 at (100, 50) in red; holes of radius 2 leave a ring 3
// wide, filled in blue when the set has a hole colour.
const ShapeCase shapeCases[] = {
    {Shape::square, 0, true, "fillRect #ff0000 95,45 10x10\n"},
    {Shape::square, 2, true, "strokeRect #ff0000 w3 96.5,46.5 7x7\nfillRect #0000ff 98,48 4x4\n"},
    {Shape::square, 2, false, "strokeRect #ff0000 w3 96.5,46.5 7x7\n"},
    {Shape::circle, 0, true, "fillEllipse #ff0000 95,45 10x10\n"},
    {Shape::circle, 2, true, "strokeEllipse #ff0000 w3 96.5,46.5 7x7\nfillEllipse #0000ff 98,48 4x4\n"},
    {Shape::circle, 2, false, "strokeEllipse #ff0000 w3 96.5,46.5 7x7\n"},
    {Shape::triangle, 0, true, "fill #ff0000 M 100,45 L 105,55 L 95,55 Z\n"},
    // The inner triangle runs the other way round: the non-zero fill leaves
    // it empty.
    {Shape::triangle, 2, false,
     "fill #ff0000 M 100,45 L 105,55 L 95,55 L 100,45 M 98,52 L 102,52 L 100,48 L 98,52 Z\n"},
    {Shape::triangle, 2, true,
     "fill #ff0000 M 100,45 L 105,55 L 95,55 L 100,45 M 98,52 L 102,52 L 100,48 L 98,52 Z\n"
     "fill #0000ff M 100,48 L 102,52 L 98,52 Z\n"},
    // The line shapes ignore the hole; the chevrons reach the whole size.
    {Shape::cross, 0, true, "segments #ff0000 w1 95,50 105,50 100,45 100,55\n"},
    {Shape::cross, 2, true, "segments #ff0000 w1 95,50 105,50 100,45 100,55\n"},
    {Shape::x, 0, true, "segments #ff0000 w1 95,45 105,55 105,45 95,55\n"},
    {Shape::chevronUp, 2, true, "segments #ff0000 w1 100,40 110,50 100,40 90,50\n"},
    {Shape::chevronDown, 0, false, "segments #ff0000 w1 100,60 110,50 100,60 90,50\n"},
};

TEST(ShapeRenderers, DrawTheirExactGeometryFromTheSetsMetrics) {
    const auto port = ViewPortHandler::create(400, 300);
    for (const ShapeCase& c : shapeCases) {
        auto set = render_test::scatterSet({});
        set->setScatterShapeHoleRadius(c.holeRadius);
        if (c.holeColor) set->setScatterShapeHoleColor(QColor(0, 0, 255));
        RecordingContext context;
        ScatterChartDataSet::renderer(c.shape)->renderShape(context, *set, *port, Point{100, 50}, QColor(255, 0, 0));
        EXPECT_EQ(paintings(context), c.drawn) << "shape " << static_cast<int>(c.shape) << ", hole " << c.holeRadius;
    }
}

struct MetricsCase {
    double size;
    double holeRadius;
    double ringWidth;
    bool hole;
};

TEST(ShapeMetrics, TheRingIsWhatTheHoleLeavesOfTheShape) {
    const MetricsCase cases[] = {
        {10, 2, 3, true}, {10, 0, 5, false}, {10, 5, 0, true}, {8, 6, -2, true}, {10, -1, 6, false}};
    for (const MetricsCase& c : cases) {
        const ShapeMetrics m{c.size, c.holeRadius, std::nullopt};
        EXPECT_EQ(m.ringWidth(), c.ringWidth) << c.size << " " << c.holeRadius;
        EXPECT_EQ(m.hasHole(), c.hole) << c.size << " " << c.holeRadius;
    }
}

} // namespace
