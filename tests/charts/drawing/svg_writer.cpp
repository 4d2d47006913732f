#include "svg_writer.h"

#include <QBuffer>
#include <QByteArray>
#include <QFontInfo>
#include <QFontMetricsF>
#include <sstream>

#include "Charts/drawing/TextLayout.h"
#include "platform/NumberText.h"

namespace charts_test {

using namespace charts;

namespace {

std::string num(double value) { return platform::shortestDecimalText(value); }

std::string colour(const QColor& c) {
    return "rgb(" + std::to_string(c.red()) + "," + std::to_string(c.green()) + "," + std::to_string(c.blue()) + ")";
}

std::string matrix(const AffineTransform& t) {
    return "matrix(" + num(t.a) + " " + num(t.b) + " " + num(t.c) + " " + num(t.d) + " " + num(t.tx) + " " + num(t.ty) +
           ")";
}

std::string pathData(const Path& path) {
    std::string d;
    for (const PathElement& e : path.elements()) {
        switch (e.kind) {
        case PathElementKind::moveTo: d += "M" + num(e.points[0].x) + " " + num(e.points[0].y) + " "; break;
        case PathElementKind::lineTo: d += "L" + num(e.points[0].x) + " " + num(e.points[0].y) + " "; break;
        case PathElementKind::quadCurveTo:
            d += "Q" + num(e.points[0].x) + " " + num(e.points[0].y) + " " + num(e.points[1].x) + " " +
                 num(e.points[1].y) + " ";
            break;
        case PathElementKind::curveTo:
            d += "C" + num(e.points[0].x) + " " + num(e.points[0].y) + " " + num(e.points[1].x) + " " +
                 num(e.points[1].y) + " " + num(e.points[2].x) + " " + num(e.points[2].y) + " ";
            break;
        case PathElementKind::closeSubpath: d += "Z "; break;
        }
    }
    return d.empty() ? "M0 0" : d;
}

std::string ruleName(FillRule rule) { return rule == FillRule::evenOdd ? "evenodd" : "nonzero"; }

std::string fillAttributes(const GraphicsState& state, FillRule rule) {
    return " fill=\"" + colour(state.fillColor) + "\" fill-opacity=\"" + num(state.fillColor.alphaF() * state.alpha) +
           "\" fill-rule=\"" + ruleName(rule) + "\"";
}

std::string strokeAttributes(const GraphicsState& state) {
    const StrokeStyle& s = state.stroke;
    const char* caps[] = {"butt", "round", "square"};
    const char* joins[] = {"miter", "round", "bevel"};
    std::string a = " stroke=\"" + colour(state.strokeColor) + "\" stroke-opacity=\"" +
                    num(state.strokeColor.alphaF() * state.alpha) + "\" stroke-width=\"" + num(s.lineWidth) +
                    "\" stroke-linecap=\"" + caps[static_cast<int>(s.cap)] + "\" stroke-linejoin=\"" +
                    joins[static_cast<int>(s.join)] + "\" stroke-miterlimit=\"" + num(s.miterLimit) + "\"";
    if (!s.dashLengths.empty()) {
        a += " stroke-dasharray=\"";
        for (std::size_t i = 0; i < s.dashLengths.size(); ++i) a += (i ? " " : "") + num(s.dashLengths[i]);
        a += "\" stroke-dashoffset=\"" + num(s.dashPhase) + "\"";
    }
    return a;
}

class Writer {
public:
    explicit Writer(int width, int height) {
        body_ << "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\""
              << width << "\" height=\"" << height << "\" viewBox=\"0 0 " << width << " " << height << "\">\n";
    }

    void add(const RecordedOperation& op) {
        if (!op.isPainting() || op.kind == DrawingOperation::clip || op.kind == DrawingOperation::clipToRect) return;
        // Every clip in force becomes one nested group.
        int groups = 0;
        for (const RecordedClip& clip : op.clips) {
            const std::string id = "clip" + std::to_string(next_++);
            defs_ << "<clipPath id=\"" << id << "\"><path d=\"" << pathData(clip.path) << "\" clip-rule=\""
                  << ruleName(clip.rule) << "\" transform=\"" << matrix(clip.transform) << "\"/></clipPath>\n";
            body_ << "<g clip-path=\"url(#" << id << ")\">";
            ++groups;
        }
        body_ << shape(op) << "\n";
        for (int i = 0; i < groups; ++i) body_ << "</g>";
        if (groups) body_ << "\n";
    }

    std::string finish() { return body_.str() + "<defs>\n" + defs_.str() + "</defs>\n</svg>\n"; }

private:
    std::string shape(const RecordedOperation& op) {
        const GraphicsState& state = op.state;
        const std::string transform = " transform=\"" + matrix(state.transform) + "\"";
        const bool strokes = state.stroke.lineWidth > 0;
        switch (op.kind) {
        case DrawingOperation::drawPath: {
            const bool fills = op.mode != PathDrawingMode::stroke;
            const bool stroked = op.mode == PathDrawingMode::stroke || op.mode == PathDrawingMode::fillStroke ||
                                 op.mode == PathDrawingMode::evenOddFillStroke;
            const FillRule rule =
                op.mode == PathDrawingMode::evenOddFill || op.mode == PathDrawingMode::evenOddFillStroke
                    ? FillRule::evenOdd
                    : FillRule::winding;
            return "<path d=\"" + pathData(op.path) + "\"" + transform +
                   (fills ? fillAttributes(state, rule) : std::string(" fill=\"none\"")) +
                   (stroked && strokes ? strokeAttributes(state) : std::string(" stroke=\"none\"")) + "/>";
        }
        case DrawingOperation::fillRect:
        case DrawingOperation::fillEllipse:
            return "<path d=\"" + pathData(op.path) + "\"" + transform + fillAttributes(state, FillRule::winding) +
                   " stroke=\"none\"/>";
        case DrawingOperation::strokeRect:
        case DrawingOperation::strokeEllipse:
        case DrawingOperation::strokeLineSegments:
            if (!strokes) return "";
            return "<path d=\"" + pathData(op.path) + "\"" + transform + " fill=\"none\"" + strokeAttributes(state) +
                   "/>";
        case DrawingOperation::drawLinearGradient:
        case DrawingOperation::drawRadialGradient: return gradient(op, transform);
        case DrawingOperation::drawImage: return image(op, transform);
        case DrawingOperation::drawText:
        case DrawingOperation::drawTextInRect: return text(op, transform);
        default: return "";
        }
    }

    std::string gradient(const RecordedOperation& op, const std::string& transform) {
        const std::string id = "gradient" + std::to_string(next_++);
        const std::vector<double> stops = gradientStops(op.gradient);
        std::ostringstream g;
        if (op.kind == DrawingOperation::drawLinearGradient) {
            g << "<linearGradient id=\"" << id << "\" gradientUnits=\"userSpaceOnUse\" spreadMethod=\"pad\" x1=\""
              << num(op.points[0].x) << "\" y1=\"" << num(op.points[0].y) << "\" x2=\"" << num(op.points[1].x)
              << "\" y2=\"" << num(op.points[1].y) << "\">";
        } else {
            g << "<radialGradient id=\"" << id << "\" gradientUnits=\"userSpaceOnUse\" spreadMethod=\"pad\" cx=\""
              << num(op.points[1].x) << "\" cy=\"" << num(op.points[1].y) << "\" r=\"" << num(op.numbers[1])
              << "\" fx=\"" << num(op.points[0].x) << "\" fy=\"" << num(op.points[0].y) << "\" fr=\""
              << num(op.numbers[0]) << "\">";
        }
        for (std::size_t i = 0; i < stops.size(); ++i) {
            const QColor& c = op.gradient.colors[i];
            g << "<stop offset=\"" << num(stops[i]) << "\" stop-color=\"" << colour(c) << "\" stop-opacity=\""
              << num(c.alphaF()) << "\"/>";
        }
        g << (op.kind == DrawingOperation::drawLinearGradient ? "</linearGradient>" : "</radialGradient>") << "\n";
        defs_ << g.str();
        return "<rect x=\"-10000\" y=\"-10000\" width=\"20000\" height=\"20000\" fill=\"url(#" + id +
               ")\" fill-opacity=\"" + num(op.state.alpha) + "\"" + transform + "/>";
    }

    static std::string image(const RecordedOperation& op, const std::string& transform) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        op.image.save(&buffer, "PNG");
        const Rect r = standardized(op.rect);
        return "<image x=\"" + num(r.x()) + "\" y=\"" + num(r.y()) + "\" width=\"" + num(r.width()) + "\" height=\"" +
               num(r.height()) + "\" preserveAspectRatio=\"none\" opacity=\"" + num(op.state.alpha) +
               "\" xlink:href=\"data:image/png;base64," + png.toBase64().toStdString() + "\"" + transform + "/>";
    }

    static std::string escaped(const QString& text) {
        std::string out;
        for (char c : text.toStdString()) {
            switch (c) {
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '&': out += "&amp;"; break;
            default: out += c;
            }
        }
        return out;
    }

    static std::string text(const RecordedOperation& op, const std::string& transform) {
        const TextAttributes& attributes = op.attributes;
        const bool inRect = op.kind == DrawingOperation::drawTextInRect;
        const Point origin = inRect ? standardized(op.rect).origin : op.points[0];
        const double width = inRect ? charts::width(op.rect) : 0;
        const double height = inRect ? charts::height(op.rect) : 0;
        // The line breaks are the layout's; the SVG renderer places and draws
        // each line's glyphs itself.
        const TextLayoutResult layout = layOutText(op.text, attributes, width, height, op.textOptions);
        const QColor c = attributes.resolvedColor();
        std::string out;
        for (const TextLine& line : layout.lines) {
            out += "<text x=\"" + num(origin.x + line.x) + "\" y=\"" + num(origin.y + line.y + line.ascent) +
                   "\" font-family=\"" + QFontInfo(attributes.font).family().toStdString() + "\" font-size=\"" +
                   num(attributes.font.pixelSize()) + "\" font-weight=\"" +
                   (attributes.font.bold() ? "bold" : "normal") + "\" fill=\"" + colour(c) + "\" fill-opacity=\"" +
                   num(c.alphaF() * op.state.alpha) + "\"" + transform + " xml:space=\"preserve\">" +
                   escaped(line.text) + "</text>";
        }
        return out;
    }

    std::ostringstream body_;
    std::ostringstream defs_;
    int next_ = 0;
};

} // namespace

std::string svgDocument(const RecordingContext& context, int width, int height) {
    Writer writer(width, height);
    for (const RecordedOperation& op : context.operations()) writer.add(op);
    return writer.finish();
}

} // namespace charts_test
