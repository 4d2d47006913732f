#include "Charts/drawing/RecordingText.h"

#include "Charts/drawing/FixedTextMeasurer.h"
#include "platform/NumberText.h"

namespace charts {

namespace {

std::string number(double value) { return platform::shortestDecimalText(value); }

std::string color(const QColor& c) { return c.name(QColor::HexArgb).toStdString(); }

std::string point(const Point& p) { return "(" + number(p.x) + ", " + number(p.y) + ")"; }

std::string rect(const Rect& r) {
    return "[" + number(r.x()) + ", " + number(r.y()) + ", " + number(r.width()) + ", " + number(r.height()) + "]";
}

std::string transform(const AffineTransform& t) {
    return "[" + number(t.a) + " " + number(t.b) + " " + number(t.c) + " " + number(t.d) + " " + number(t.tx) + " " +
           number(t.ty) + "]";
}

const char* capName(LineCap cap) {
    switch (cap) {
    case LineCap::butt: return "butt";
    case LineCap::round: return "round";
    case LineCap::square: return "square";
    }
    return "?";
}

const char* joinName(LineJoin join) {
    switch (join) {
    case LineJoin::miter: return "miter";
    case LineJoin::round: return "round";
    case LineJoin::bevel: return "bevel";
    }
    return "?";
}

const char* ruleName(FillRule rule) { return rule == FillRule::evenOdd ? "even-odd" : "winding"; }

const char* modeName(PathDrawingMode mode) {
    switch (mode) {
    case PathDrawingMode::fill: return "fill";
    case PathDrawingMode::evenOddFill: return "even-odd fill";
    case PathDrawingMode::stroke: return "stroke";
    case PathDrawingMode::fillStroke: return "fill stroke";
    case PathDrawingMode::evenOddFillStroke: return "even-odd fill stroke";
    }
    return "?";
}

const char* alignmentName(TextAlignment alignment) {
    switch (alignment) {
    case TextAlignment::left: return "left";
    case TextAlignment::right: return "right";
    case TextAlignment::center: return "center";
    case TextAlignment::justified: return "justified";
    case TextAlignment::natural: return "natural";
    }
    return "?";
}

std::string path(const Path& p) {
    std::string text = "{";
    for (const PathElement& element : p.elements()) {
        switch (element.kind) {
        case PathElementKind::moveTo: text += " M"; break;
        case PathElementKind::lineTo: text += " L"; break;
        case PathElementKind::quadCurveTo: text += " Q"; break;
        case PathElementKind::curveTo: text += " C"; break;
        case PathElementKind::closeSubpath: text += " Z"; break;
        }
        for (int i = 0; i < element.pointCount(); ++i) text += " " + point(element.points[i]);
    }
    return text + " }";
}

std::string textAttributes(const TextAttributes& attributes) {
    std::string text = " font " + number(FixedTextMeasurer::fontSize(attributes.font)) + "px";
    if (attributes.font.bold()) text += " bold";
    text += " color " + color(attributes.resolvedColor());
    if (attributes.paragraphStyle) {
        const ParagraphStyle& style = *attributes.paragraphStyle;
        text += std::string(" align ") + alignmentName(style.alignment) + " break " +
                std::to_string(static_cast<int>(style.lineBreakMode)) + " min line " + number(style.minimumLineHeight);
    }
    return text;
}

std::string state(const GraphicsState& s, std::size_t clips) {
    std::string text = " | fill " + color(s.fillColor) + " stroke " + color(s.strokeColor) + " width " +
                       number(s.stroke.lineWidth) + " cap " + capName(s.stroke.cap) + " join " +
                       joinName(s.stroke.join);
    if (s.stroke.join == LineJoin::miter) text += " miter " + number(s.stroke.miterLimit);
    if (!s.stroke.dashLengths.empty()) {
        text += " dash";
        for (double length : s.stroke.dashLengths) text += " " + number(length);
        text += " phase " + number(s.stroke.dashPhase);
    }
    if (s.alpha != 1) text += " alpha " + number(s.alpha);
    if (!s.antialias) text += " aliased";
    if (s.transform != AffineTransform{}) text += " transform " + transform(s.transform);
    if (clips > 0) text += " clips " + std::to_string(clips);
    return text;
}

std::string line(const RecordedOperation& op) {
    std::string text = operationName(op.kind);
    const auto points = [&] {
        for (const Point& p : op.points) text += " " + point(p);
    };
    const auto numbers = [&] {
        for (double n : op.numbers) text += " " + number(n);
    };
    switch (op.kind) {
    case DrawingOperation::setFillColor:
    case DrawingOperation::setStrokeColor: text += " " + color(op.color); break;
    case DrawingOperation::setLineCap: text += std::string(" ") + capName(op.cap); break;
    case DrawingOperation::setLineJoin: text += std::string(" ") + joinName(op.join); break;
    case DrawingOperation::setShouldAntialias: text += op.flag ? " on" : " off"; break;
    case DrawingOperation::concatenate: text += " " + transform(op.transform); break;
    case DrawingOperation::addRect:
    case DrawingOperation::addEllipse:
    case DrawingOperation::clipToRect:
    case DrawingOperation::fillRect:
    case DrawingOperation::strokeRect:
    case DrawingOperation::clearRect:
    case DrawingOperation::fillEllipse:
    case DrawingOperation::strokeEllipse: text += " " + rect(op.rect); break;
    case DrawingOperation::addArc:
        points();
        numbers();
        text += op.flag ? " clockwise" : " counter-clockwise";
        break;
    case DrawingOperation::addPath: text += " " + path(op.path); break;
    case DrawingOperation::drawPath: text += std::string(" ") + modeName(op.mode) + " " + path(op.path); break;
    case DrawingOperation::clip: text += std::string(" ") + ruleName(op.rule) + " " + path(op.path); break;
    case DrawingOperation::drawLinearGradient:
    case DrawingOperation::drawRadialGradient:
        points();
        numbers();
        for (const QColor& c : op.gradient.colors) text += " " + color(c);
        text += " at";
        for (double location : op.gradient.locations) text += " " + number(location);
        break;
    case DrawingOperation::drawImage:
    case DrawingOperation::drawTiledImage:
        text += " " + rect(op.rect) + " image " + std::to_string(op.image.width()) + "x" +
                std::to_string(op.image.height());
        break;
    case DrawingOperation::drawText:
        text += " \"" + op.text.toStdString() + "\"";
        points();
        text += textAttributes(op.attributes);
        break;
    case DrawingOperation::drawTextInRect:
        text += " \"" + op.text.toStdString() + "\" " + rect(op.rect) + textAttributes(op.attributes);
        if (op.textOptions.truncatesLastVisibleLine) text += " truncating";
        break;
    default:
        points();
        numbers();
        break;
    }
    if (op.isPainting()) text += state(op.state, op.clips.size());
    return text;
}

} // namespace

std::string recordingText(const std::vector<RecordedOperation>& operations) {
    std::string text;
    for (const RecordedOperation& op : operations) text += line(op) + "\n";
    return text;
}

} // namespace charts
