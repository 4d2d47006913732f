#include "Charts/drawing/RecordingContext.h"

#include <sstream>

#include "platform/NumberText.h"

namespace charts {

const char* operationName(DrawingOperation operation) {
    switch (operation) {
    case DrawingOperation::saveGState: return "saveGState";
    case DrawingOperation::restoreGState: return "restoreGState";
    case DrawingOperation::setFillColor: return "setFillColor";
    case DrawingOperation::setStrokeColor: return "setStrokeColor";
    case DrawingOperation::setLineWidth: return "setLineWidth";
    case DrawingOperation::setLineCap: return "setLineCap";
    case DrawingOperation::setLineJoin: return "setLineJoin";
    case DrawingOperation::setMiterLimit: return "setMiterLimit";
    case DrawingOperation::setLineDash: return "setLineDash";
    case DrawingOperation::setAlpha: return "setAlpha";
    case DrawingOperation::setShouldAntialias: return "setShouldAntialias";
    case DrawingOperation::translateBy: return "translateBy";
    case DrawingOperation::scaleBy: return "scaleBy";
    case DrawingOperation::rotateBy: return "rotateBy";
    case DrawingOperation::concatenate: return "concatenate";
    case DrawingOperation::beginPath: return "beginPath";
    case DrawingOperation::moveTo: return "moveTo";
    case DrawingOperation::lineTo: return "lineTo";
    case DrawingOperation::quadCurveTo: return "quadCurveTo";
    case DrawingOperation::curveTo: return "curveTo";
    case DrawingOperation::closePath: return "closePath";
    case DrawingOperation::addRect: return "addRect";
    case DrawingOperation::addEllipse: return "addEllipse";
    case DrawingOperation::addArc: return "addArc";
    case DrawingOperation::addRelativeArc: return "addRelativeArc";
    case DrawingOperation::addCircle: return "addCircle";
    case DrawingOperation::addLines: return "addLines";
    case DrawingOperation::addPath: return "addPath";
    case DrawingOperation::drawPath: return "drawPath";
    case DrawingOperation::clip: return "clip";
    case DrawingOperation::clipToRect: return "clipToRect";
    case DrawingOperation::fillRect: return "fillRect";
    case DrawingOperation::strokeRect: return "strokeRect";
    case DrawingOperation::clearRect: return "clearRect";
    case DrawingOperation::fillEllipse: return "fillEllipse";
    case DrawingOperation::strokeEllipse: return "strokeEllipse";
    case DrawingOperation::strokeLineSegments: return "strokeLineSegments";
    case DrawingOperation::drawLinearGradient: return "drawLinearGradient";
    case DrawingOperation::drawRadialGradient: return "drawRadialGradient";
    case DrawingOperation::drawImage: return "drawImage";
    case DrawingOperation::drawTiledImage: return "drawTiledImage";
    case DrawingOperation::drawText: return "drawText";
    case DrawingOperation::drawTextInRect: return "drawTextInRect";
    }
    return "?";
}

bool RecordedOperation::isPainting() const {
    switch (kind) {
    case DrawingOperation::drawPath:
    case DrawingOperation::clip:
    case DrawingOperation::clipToRect:
    case DrawingOperation::fillRect:
    case DrawingOperation::strokeRect:
    case DrawingOperation::clearRect:
    case DrawingOperation::fillEllipse:
    case DrawingOperation::strokeEllipse:
    case DrawingOperation::strokeLineSegments:
    case DrawingOperation::drawLinearGradient:
    case DrawingOperation::drawRadialGradient:
    case DrawingOperation::drawImage:
    case DrawingOperation::drawTiledImage:
    case DrawingOperation::drawText:
    case DrawingOperation::drawTextInRect: return true;
    default: return false;
    }
}

RecordingContext::RecordingContext(std::shared_ptr<const TextMeasurer> measurer)
    : measurer_(measurer ? std::move(measurer) : std::make_shared<FixedTextMeasurer>()) {}

RecordedOperation& RecordingContext::record(DrawingOperation kind) {
    RecordedOperation& operation = operations_.emplace_back(blank_);
    operation.kind = kind;
    return operation;
}

RecordedOperation& RecordingContext::recordPainting(DrawingOperation kind) {
    RecordedOperation& operation = record(kind);
    operation.state = state_;
    operation.clips = clips_;
    return operation;
}

std::vector<RecordedOperation> RecordingContext::paintings() const {
    std::vector<RecordedOperation> result;
    for (const RecordedOperation& operation : operations_) {
        if (operation.isPainting()) result.push_back(operation);
    }
    return result;
}

std::size_t RecordingContext::count(DrawingOperation kind) const {
    std::size_t n = 0;
    for (const RecordedOperation& operation : operations_) n += operation.kind == kind ? 1 : 0;
    return n;
}

std::string RecordingContext::describe() const {
    std::ostringstream out;
    for (const RecordedOperation& operation : operations_) {
        out << operationName(operation.kind);
        for (const Point& p : operation.points) {
            out << " (" << platform::shortestDecimalText(p.x) << ", " << platform::shortestDecimalText(p.y) << ")";
        }
        for (double n : operation.numbers) out << " " << platform::shortestDecimalText(n);
        if (!operation.text.isEmpty()) out << " \"" << operation.text.toStdString() << "\"";
        if (operation.kind == DrawingOperation::drawPath) out << " path of " << operation.path.elements().size();
        out << "\n";
    }
    return out.str();
}

void RecordingContext::saveGState() {
    record(DrawingOperation::saveGState);
    savedClips_.push_back(clips_);
    DrawingContextBase::saveGState();
}

void RecordingContext::restoreGState() {
    record(DrawingOperation::restoreGState);
    if (savedCount() == 0) return;
    clips_ = std::move(savedClips_.back());
    savedClips_.pop_back();
    DrawingContextBase::restoreGState();
}

void RecordingContext::setFillColor(const QColor& color) {
    record(DrawingOperation::setFillColor).color = color;
    DrawingContextBase::setFillColor(color);
}

void RecordingContext::setStrokeColor(const QColor& color) {
    record(DrawingOperation::setStrokeColor).color = color;
    DrawingContextBase::setStrokeColor(color);
}

void RecordingContext::setLineWidth(double width) {
    record(DrawingOperation::setLineWidth).numbers = {width};
    DrawingContextBase::setLineWidth(width);
}

void RecordingContext::setLineCap(LineCap cap) {
    record(DrawingOperation::setLineCap).cap = cap;
    DrawingContextBase::setLineCap(cap);
}

void RecordingContext::setLineJoin(LineJoin join) {
    record(DrawingOperation::setLineJoin).join = join;
    DrawingContextBase::setLineJoin(join);
}

void RecordingContext::setMiterLimit(double limit) {
    record(DrawingOperation::setMiterLimit).numbers = {limit};
    DrawingContextBase::setMiterLimit(limit);
}

void RecordingContext::setLineDash(double phase, std::span<const double> lengths) {
    RecordedOperation& operation = record(DrawingOperation::setLineDash);
    operation.numbers = {phase};
    operation.numbers.insert(operation.numbers.end(), lengths.begin(), lengths.end());
    DrawingContextBase::setLineDash(phase, lengths);
}

void RecordingContext::setAlpha(double alpha) {
    record(DrawingOperation::setAlpha).numbers = {alpha};
    DrawingContextBase::setAlpha(alpha);
}

void RecordingContext::setShouldAntialias(bool antialias) {
    record(DrawingOperation::setShouldAntialias).flag = antialias;
    DrawingContextBase::setShouldAntialias(antialias);
}

void RecordingContext::translateBy(double tx, double ty) {
    record(DrawingOperation::translateBy).numbers = {tx, ty};
    DrawingContextBase::translateBy(tx, ty);
}

void RecordingContext::scaleBy(double sx, double sy) {
    record(DrawingOperation::scaleBy).numbers = {sx, sy};
    DrawingContextBase::scaleBy(sx, sy);
}

void RecordingContext::rotateBy(double radians) {
    record(DrawingOperation::rotateBy).numbers = {radians};
    DrawingContextBase::rotateBy(radians);
}

void RecordingContext::concatenate(const AffineTransform& transform) {
    record(DrawingOperation::concatenate).transform = transform;
    DrawingContextBase::concatenate(transform);
}

void RecordingContext::beginPath() {
    record(DrawingOperation::beginPath);
    DrawingContextBase::beginPath();
}

void RecordingContext::moveTo(Point point) {
    record(DrawingOperation::moveTo).points = {point};
    DrawingContextBase::moveTo(point);
}

void RecordingContext::lineTo(Point point) {
    record(DrawingOperation::lineTo).points = {point};
    DrawingContextBase::lineTo(point);
}

void RecordingContext::quadCurveTo(Point control, Point end) {
    record(DrawingOperation::quadCurveTo).points = {control, end};
    DrawingContextBase::quadCurveTo(control, end);
}

void RecordingContext::curveTo(Point control1, Point control2, Point end) {
    record(DrawingOperation::curveTo).points = {control1, control2, end};
    DrawingContextBase::curveTo(control1, control2, end);
}

void RecordingContext::closePath() {
    record(DrawingOperation::closePath);
    DrawingContextBase::closePath();
}

void RecordingContext::addRect(const Rect& rect) {
    record(DrawingOperation::addRect).rect = rect;
    DrawingContextBase::addRect(rect);
}

void RecordingContext::addEllipse(const Rect& rect) {
    record(DrawingOperation::addEllipse).rect = rect;
    DrawingContextBase::addEllipse(rect);
}

void RecordingContext::addArc(Point center, double radius, double startAngle, double endAngle, bool clockwise) {
    RecordedOperation& operation = record(DrawingOperation::addArc);
    operation.points = {center};
    operation.numbers = {radius, startAngle, endAngle};
    operation.flag = clockwise;
    DrawingContextBase::addArc(center, radius, startAngle, endAngle, clockwise);
}

void RecordingContext::addRelativeArc(Point center, double radius, double startAngle, double sweep) {
    RecordedOperation& operation = record(DrawingOperation::addRelativeArc);
    operation.points = {center};
    operation.numbers = {radius, startAngle, sweep};
    DrawingContextBase::addRelativeArc(center, radius, startAngle, sweep);
}

void RecordingContext::addCircle(Point center, double radius) {
    RecordedOperation& operation = record(DrawingOperation::addCircle);
    operation.points = {center};
    operation.numbers = {radius};
    DrawingContextBase::addCircle(center, radius);
}

void RecordingContext::addLines(std::span<const Point> points) {
    record(DrawingOperation::addLines).points.assign(points.begin(), points.end());
    DrawingContextBase::addLines(points);
}

void RecordingContext::addPath(const Path& path) {
    record(DrawingOperation::addPath).path = path;
    DrawingContextBase::addPath(path);
}

void RecordingContext::paintPath(const Path& path, PathDrawingMode mode) {
    RecordedOperation& operation = recordPainting(DrawingOperation::drawPath);
    operation.path = path;
    operation.mode = mode;
}

void RecordingContext::clipToPath(const Path& path, FillRule rule) {
    RecordedOperation& operation = recordPainting(DrawingOperation::clip);
    operation.path = path;
    operation.rule = rule;
    clips_.push_back(RecordedClip{path, rule, state_.transform});
}

// An ellipse is painted through the current path (begin, add, paint), so it
// leaves no current path; only the composite call is recorded.
void RecordingContext::fillEllipse(const Rect& rect) {
    RecordedOperation& operation = recordPainting(DrawingOperation::fillEllipse);
    operation.rect = rect;
    operation.path.addEllipse(rect);
    path_.clear();
}

void RecordingContext::strokeEllipse(const Rect& rect) {
    RecordedOperation& operation = recordPainting(DrawingOperation::strokeEllipse);
    operation.rect = rect;
    operation.path.addEllipse(rect);
    path_.clear();
}

void RecordingContext::clipToRect(const Rect& rect) {
    RecordedOperation& operation = recordPainting(DrawingOperation::clipToRect);
    operation.rect = rect;
    Path outline;
    outline.addRect(rect);
    clips_.push_back(RecordedClip{outline, FillRule::winding, state_.transform});
}

void RecordingContext::fillRect(const Rect& rect) {
    RecordedOperation& operation = recordPainting(DrawingOperation::fillRect);
    operation.rect = rect;
    operation.path.addRect(rect);
}

void RecordingContext::strokeRect(const Rect& rect) {
    RecordedOperation& operation = recordPainting(DrawingOperation::strokeRect);
    operation.rect = rect;
    operation.path.addRect(rect);
}

void RecordingContext::clearRect(const Rect& rect) {
    RecordedOperation& operation = recordPainting(DrawingOperation::clearRect);
    operation.rect = rect;
    operation.path.addRect(rect);
}

void RecordingContext::strokeLineSegments(std::span<const Point> points) {
    RecordedOperation& operation = recordPainting(DrawingOperation::strokeLineSegments);
    operation.points.assign(points.begin(), points.end());
    for (std::size_t i = 0; i + 1 < points.size(); i += 2) {
        operation.path.moveTo(points[i]);
        operation.path.lineTo(points[i + 1]);
    }
    path_.clear();
}

void RecordingContext::drawLinearGradient(const Gradient& gradient, Point start, Point end) {
    RecordedOperation& operation = recordPainting(DrawingOperation::drawLinearGradient);
    operation.gradient = gradient;
    operation.points = {start, end};
}

void RecordingContext::drawRadialGradient(const Gradient& gradient, Point startCenter, double startRadius,
                                          Point endCenter, double endRadius) {
    RecordedOperation& operation = recordPainting(DrawingOperation::drawRadialGradient);
    operation.gradient = gradient;
    operation.points = {startCenter, endCenter};
    operation.numbers = {startRadius, endRadius};
}

void RecordingContext::drawImage(const QImage& image, const Rect& rect) {
    RecordedOperation& operation = recordPainting(DrawingOperation::drawImage);
    operation.image = image;
    operation.rect = rect;
}

void RecordingContext::drawTiledImage(const QImage& image, const Rect& tile) {
    RecordedOperation& operation = recordPainting(DrawingOperation::drawTiledImage);
    operation.image = image;
    operation.rect = tile;
}

void RecordingContext::drawText(const QString& text, Point topLeft, const TextAttributes& attributes) {
    RecordedOperation& operation = recordPainting(DrawingOperation::drawText);
    operation.text = text;
    operation.points = {topLeft};
    operation.attributes = attributes;
}

void RecordingContext::drawText(const QString& text, const Rect& rect, const TextAttributes& attributes,
                                TextDrawOptions options) {
    RecordedOperation& operation = recordPainting(DrawingOperation::drawTextInRect);
    operation.text = text;
    operation.rect = rect;
    operation.attributes = attributes;
    operation.textOptions = options;
}

} // namespace charts
