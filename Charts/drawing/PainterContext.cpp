#include "Charts/drawing/PainterContext.h"

#include <QBrush>
#include <QLinearGradient>
#include <QPaintDevice>
#include <QRadialGradient>
#include <cmath>

#include "Charts/drawing/DashCutter.h"
#include "Charts/drawing/TextLayout.h"

namespace charts {

namespace {

QPointF toQPoint(Point p) { return toQt(p); }

// Rectangles with a negative width or height cover the same area as their
// standardised form.
QRectF toQRect(const Rect& rect) { return toQt(standardized(rect)); }

bool finite(const Rect& rect) {
    return isFinite(rect.origin) && std::isfinite(rect.size.width) && std::isfinite(rect.size.height);
}

void setStops(QGradient& target, const Gradient& gradient) {
    const std::vector<double> stops = gradientStops(gradient);
    QGradientStops qtStops;
    qtStops.reserve(static_cast<qsizetype>(stops.size()));
    for (std::size_t i = 0; i < stops.size(); ++i) {
        const double at = std::isfinite(stops[i]) ? std::clamp(stops[i], 0.0, 1.0) : 0.0;
        qtStops.append({at, gradient.colors[i]});
    }
    target.setStops(qtStops);
    target.setSpread(QGradient::PadSpread);
    // Components are blended one by one, not premultiplied.
    target.setInterpolationMode(QGradient::ComponentInterpolation);
}

} // namespace

PainterContext::PainterContext(QPainter& painter) : painter_(painter), base_(painter.worldTransform()) {
    painter_.save();
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

PainterContext::~PainterContext() {
    for (const SavedLevel& level : levels_)
        if (level.painterSaved) painter_.restore();
    painter_.restore();
}

std::optional<QPen> PainterContext::penFor(const QColor& color, const StrokeStyle& style) {
    const double width = style.lineWidth;
    if (!(width > 0) || !std::isfinite(width)) return std::nullopt;
    QPen pen(color);
    pen.setWidthF(width);
    pen.setCosmetic(false);
    switch (style.cap) {
    case LineCap::butt: pen.setCapStyle(Qt::FlatCap); break;
    case LineCap::round: pen.setCapStyle(Qt::RoundCap); break;
    case LineCap::square: pen.setCapStyle(Qt::SquareCap); break;
    }
    switch (style.join) {
    case LineJoin::miter: pen.setJoinStyle(Qt::SvgMiterJoin); break;
    case LineJoin::round: pen.setJoinStyle(Qt::RoundJoin); break;
    case LineJoin::bevel: pen.setJoinStyle(Qt::BevelJoin); break;
    }
    pen.setMiterLimit(std::isfinite(style.miterLimit) ? style.miterLimit : 10.0);

    // Dashes: absolute lengths become multiples of the width; an odd list
    // repeats once to make pairs. A list with a negative or non-finite length,
    // or with nothing to draw, strokes solid.
    const std::vector<double>& lengths = style.dashLengths;
    if (!lengths.empty()) {
        if (usableDashLengths(lengths)) {
            QList<qreal> pattern;
            const std::size_t count = lengths.size() % 2 == 0 ? lengths.size() : lengths.size() * 2;
            pattern.reserve(static_cast<qsizetype>(count));
            for (std::size_t i = 0; i < count; ++i) pattern.append(lengths[i % lengths.size()] / width);
            pen.setDashPattern(pattern);
            pen.setDashOffset(std::isfinite(style.dashPhase) ? style.dashPhase / width : 0.0);
        }
    }
    return pen;
}

bool PainterContext::prepare() {
    const AffineTransform& t = state_.transform;
    const double determinant = t.a * t.d - t.b * t.c;
    if (!(determinant != 0) || !std::isfinite(determinant) || !std::isfinite(t.tx) || !std::isfinite(t.ty)) {
        return false;
    }
    if (!applied_.transformValid || !(applied_.transform == t)) {
        painter_.setWorldTransform(t.toQTransform() * base_);
        applied_.transform = t;
        applied_.transformValid = true;
    }
    if (applied_.opacity != state_.alpha) {
        painter_.setOpacity(state_.alpha);
        applied_.opacity = state_.alpha;
    }
    const int antialias = state_.antialias ? 1 : 0;
    if (applied_.antialias != antialias) {
        painter_.setRenderHint(QPainter::Antialiasing, state_.antialias);
        applied_.antialias = antialias;
    }
    return state_.alpha > 0;
}

bool PainterContext::preparePen() {
    if (!strokesAnything()) return false;
    usePen(state_.stroke);
    return true;
}

void PainterContext::usePen(const StrokeStyle& style) {
    if (!applied_.penValid || applied_.penColor != state_.strokeColor || !(applied_.stroke == style)) {
        painter_.setPen(*penFor(state_.strokeColor, style));
        applied_.penColor = state_.strokeColor;
        applied_.stroke = style;
        applied_.penValid = true;
        applied_.noPen = false;
    }
}

bool PainterContext::cutsOwnDashes() const {
    const StrokeStyle& stroke = state_.stroke;
    if (stroke.dashLengths.empty() || !usableDashLengths(stroke.dashLengths)) return false;
    return stroke.lineWidth * penWidthScale(painter_.deviceTransform()) <= 1;
}

bool PainterContext::strokeCutDashes(const QPainterPath& path) {
    // Flattened in device pixels, so that curves are as smooth as Qt strokes
    // them, and cut in user space, where the lengths are measured.
    const QTransform toDevice = painter_.deviceTransform();
    bool invertible = false;
    const QTransform toUser = toDevice.inverted(&invertible);
    if (!invertible) return false;
    QList<QPolygonF> subpaths = path.toSubpathPolygons(toDevice);
    for (QPolygonF& polygon : subpaths) polygon = toUser.map(polygon);
    const StrokeStyle& stroke = state_.stroke;
    const std::optional<QPainterPath> dashes =
        cutDashes(subpaths, stroke.dashLengths, stroke.dashPhase, maximumCutDashes);
    if (!dashes) return false;
    StrokeStyle solid = stroke;
    solid.dashLengths.clear();
    solid.dashPhase = 0;
    usePen(solid);
    useNoBrush();
    painter_.drawPath(*dashes);
    return true;
}

void PainterContext::useNoPen() {
    if (applied_.noPen) return;
    painter_.setPen(Qt::NoPen);
    applied_.noPen = true;
    applied_.penValid = false;
}

void PainterContext::useBrush(const QColor& color) {
    if (applied_.brushValid && !applied_.noBrush && applied_.brushColor == color) return;
    painter_.setBrush(color);
    applied_.brushColor = color;
    applied_.brushValid = true;
    applied_.noBrush = false;
}

void PainterContext::useNoBrush() {
    if (applied_.brushValid && applied_.noBrush) return;
    painter_.setBrush(Qt::NoBrush);
    applied_.brushValid = true;
    applied_.noBrush = true;
}

void PainterContext::didSaveGState() { levels_.emplace_back(); }

// Without a painter save at this level the painter keeps what it was last
// given, which applied_ already says; the next painting brings it to the
// restored state.
void PainterContext::didRestoreGState() {
    if (levels_.empty()) return;
    if (levels_.back().painterSaved) {
        painter_.restore();
        applied_ = levels_.back().applied;
    }
    levels_.pop_back();
}

void PainterContext::savePainterForClip() {
    if (levels_.empty() || levels_.back().painterSaved) return;
    painter_.save();
    levels_.back().painterSaved = true;
    levels_.back().applied = applied_;
}

const QPainterPath& PainterContext::toPainterPath(const Path& path, FillRule rule) {
    scratchPath_.clear();
    scratchPath_.setFillRule(rule == FillRule::evenOdd ? Qt::OddEvenFill : Qt::WindingFill);
    // Qt refuses points that are not finite with a warning each; they are
    // left out here, so the path goes on from the last finite point.
    bool open = false;
    for (const PathElement& element : path.elements()) {
        bool usable = true;
        for (int i = 0; i < element.pointCount(); ++i) usable = usable && isFinite(element.points[i]);
        if (!usable) continue;
        switch (element.kind) {
        case PathElementKind::moveTo:
            scratchPath_.moveTo(toQPoint(element.points[0]));
            open = true;
            break;
        case PathElementKind::lineTo:
            if (open) scratchPath_.lineTo(toQPoint(element.points[0]));
            break;
        case PathElementKind::quadCurveTo:
            if (open) scratchPath_.quadTo(toQPoint(element.points[0]), toQPoint(element.points[1]));
            break;
        case PathElementKind::curveTo:
            if (open) {
                scratchPath_.cubicTo(toQPoint(element.points[0]), toQPoint(element.points[1]),
                                     toQPoint(element.points[2]));
            }
            break;
        case PathElementKind::closeSubpath:
            if (open) scratchPath_.closeSubpath();
            break;
        }
    }
    return scratchPath_;
}

// Whether the path is one open polyline of finite points (a move, then only
// lines); if so its points are left in scratchPoints_.
bool PainterContext::asPolyline(const Path& path) {
    const std::vector<PathElement>& elements = path.elements();
    if (elements.size() < 2) return false;
    scratchPoints_.clear();
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const PathElement& element = elements[i];
        const PathElementKind expected = i == 0 ? PathElementKind::moveTo : PathElementKind::lineTo;
        if (element.kind != expected || !isFinite(element.points[0])) return false;
        scratchPoints_.push_back(toQPoint(element.points[0]));
    }
    return true;
}

bool PainterContext::strokeThroughLayer(const QRectF& bounds, const std::function<void(QPainter&)>& stroke,
                                        bool joins) {
    if (cutsOwnDashes()) return false;
    const StrokeStyle& style = state_.stroke;
    // Room for caps and joins: a miter reaches out at most its limit times
    // half the width.
    const double miter =
        joins && style.join == LineJoin::miter && std::isfinite(style.miterLimit) ? style.miterLimit : 1.0;
    const double reach = style.lineWidth * std::max(1.0, miter) / 2 + 1;
    return layer_.paint(painter_, bounds.adjusted(-reach, -reach, reach, reach), state_.strokeColor,
                        [&](QPainter& layer, const QColor& opaque) {
                            if (const std::optional<QPen> pen = penFor(opaque, style)) layer.setPen(*pen);
                            layer.setBrush(Qt::NoBrush);
                            stroke(layer);
                        });
}

bool PainterContext::fillThroughLayer(const QPainterPath& path) {
    return layer_.paint(painter_, path.boundingRect(), state_.fillColor, [&](QPainter& layer, const QColor& opaque) {
        layer.setPen(Qt::NoPen);
        layer.setBrush(opaque);
        layer.drawPath(path);
    });
}

void PainterContext::paintPath(const Path& path, PathDrawingMode mode) {
    if (path.isEmpty() || !prepare()) return;
    // A stroked polyline, the common line of a chart, goes to Qt as one.
    if (mode == PathDrawingMode::stroke && asPolyline(path)) {
        if (!preparePen()) return;
        if (cutsOwnDashes()) {
            QPainterPath polyline;
            polyline.addPolygon(QPolygonF(QList<QPointF>(scratchPoints_.begin(), scratchPoints_.end())));
            if (strokeCutDashes(polyline)) return;
            preparePen();
        }
        const QRectF bounds = QPolygonF(QList<QPointF>(scratchPoints_.begin(), scratchPoints_.end())).boundingRect();
        if (strokeThroughLayer(bounds, [&](QPainter& layer) {
                layer.drawPolyline(scratchPoints_.data(), static_cast<int>(scratchPoints_.size()));
            }))
            return;
        painter_.drawPolyline(scratchPoints_.data(), static_cast<int>(scratchPoints_.size()));
        return;
    }
    const bool fills = mode != PathDrawingMode::stroke;
    const bool strokes = mode == PathDrawingMode::stroke || mode == PathDrawingMode::fillStroke ||
                         mode == PathDrawingMode::evenOddFillStroke;
    const FillRule rule = mode == PathDrawingMode::evenOddFill || mode == PathDrawingMode::evenOddFillStroke
                              ? FillRule::evenOdd
                              : FillRule::winding;
    const QPainterPath& qtPath = toPainterPath(path, rule);
    // Qt fills first and strokes over the fill, each blended on its own.
    const bool stroked = strokes && preparePen();
    if (!stroked) {
        if (!fills) return;
        useNoPen();
    }
    if (stroked && cutsOwnDashes()) {
        // The fill first, as Qt paints both, then the dashes cut here.
        if (fills) {
            useNoPen();
            useBrush(state_.fillColor);
            painter_.drawPath(qtPath);
        }
        if (strokeCutDashes(qtPath)) return;
        if (fills) useNoBrush();
        preparePen();
        painter_.drawPath(qtPath);
        return;
    }
    if (fills && !stroked && fillThroughLayer(qtPath)) return;
    if (!fills && stroked &&
        strokeThroughLayer(qtPath.controlPointRect(), [&](QPainter& layer) { layer.drawPath(qtPath); }))
        return;
    if (fills) {
        useBrush(state_.fillColor);
    } else {
        useNoBrush();
    }
    painter_.drawPath(qtPath);
}

bool PainterContext::prepareClip() {
    savePainterForClip();
    // A clip needs the transform even where nothing is painted now; under a
    // transform that flattens everything the clip holds nothing.
    prepare();
    if (applied_.transformValid && applied_.transform == state_.transform) return true;
    painter_.setClipRect(QRectF(), Qt::IntersectClip);
    return false;
}

void PainterContext::clipToPath(const Path& path, FillRule rule) {
    if (prepareClip()) painter_.setClipPath(toPainterPath(path, rule), Qt::IntersectClip);
}

void PainterContext::clipToRect(const Rect& rect) {
    if (prepareClip()) painter_.setClipRect(finite(rect) ? toQRect(rect) : QRectF(), Qt::IntersectClip);
}

void PainterContext::fillRect(const Rect& rect) {
    if (!finite(rect) || !prepare()) return;
    painter_.fillRect(toQRect(rect), state_.fillColor);
}

void PainterContext::strokeRect(const Rect& rect) {
    Path outline;
    outline.addRect(rect);
    paintPath(outline, PathDrawingMode::stroke);
}

void PainterContext::fillEllipse(const Rect& rect) {
    beginPath();
    if (!finite(rect) || !prepare()) return;
    const QRectF box = toQRect(rect);
    // Large translucent ones through the layer, as every translucent fill.
    if (layer_.paint(painter_, box.normalized(), state_.fillColor, [&](QPainter& layer, const QColor& opaque) {
            layer.setPen(Qt::NoPen);
            layer.setBrush(opaque);
            layer.drawEllipse(box);
        }))
        return;
    useNoPen();
    useBrush(state_.fillColor);
    painter_.drawEllipse(box);
}

void PainterContext::strokeEllipse(const Rect& rect) {
    // Dashes this back end cuts itself go the way of every path.
    if (cutsOwnDashes()) {
        DrawingContextBase::strokeEllipse(rect);
        return;
    }
    beginPath();
    if (!finite(rect) || !prepare() || !preparePen()) return;
    const QRectF box = toQRect(rect);
    if (strokeThroughLayer(
            box.normalized(), [&](QPainter& layer) { layer.drawEllipse(box); }, false))
        return;
    useNoBrush();
    painter_.drawEllipse(box);
}

void PainterContext::clearRect(const Rect& rect) {
    if (!finite(rect)) return;
    prepare();
    if (!applied_.transformValid || !(applied_.transform == state_.transform)) return;
    painter_.save();
    painter_.setOpacity(1);
    painter_.setCompositionMode(QPainter::CompositionMode_Clear);
    painter_.fillRect(toQRect(rect), Qt::transparent);
    painter_.restore();
}

void PainterContext::strokeLineSegments(std::span<const Point> points) {
    beginPath();
    if (points.size() < 2 || !prepare() || !preparePen()) return;
    const bool ownDashes = cutsOwnDashes();
    if (points.size() < 4 && !ownDashes) {
        if (isFinite(points[0]) && isFinite(points[1]))
            painter_.drawLine(QLineF(toQPoint(points[0]), toQPoint(points[1])));
        return;
    }
    scratchLines_.clear();
    for (std::size_t i = 0; i + 1 < points.size(); i += 2) {
        if (isFinite(points[i]) && isFinite(points[i + 1])) {
            scratchLines_.emplace_back(toQPoint(points[i]), toQPoint(points[i + 1]));
        }
    }
    if (ownDashes) {
        // Each segment is a subpath of its own: the pattern starts again on
        // each.
        QPainterPath segments;
        for (const QLineF& line : scratchLines_) {
            segments.moveTo(line.p1());
            segments.lineTo(line.p2());
        }
        if (strokeCutDashes(segments)) return;
        preparePen();
    }
    QRectF bounds;
    for (const QLineF& line : scratchLines_) bounds |= QRectF(line.p1(), line.p2()).normalized();
    if (strokeThroughLayer(
            bounds,
            [&](QPainter& layer) { layer.drawLines(scratchLines_.data(), static_cast<int>(scratchLines_.size())); },
            false))
        return;
    painter_.drawLines(scratchLines_.data(), static_cast<int>(scratchLines_.size()));
}

QRectF PainterContext::paintArea() const {
    if (painter_.hasClipping()) return painter_.clipBoundingRect();
    const QPaintDevice* device = painter_.device();
    const QRectF deviceRect(0, 0, device->width(), device->height());
    bool invertible = false;
    const QTransform inverse = painter_.deviceTransform().inverted(&invertible);
    return invertible ? inverse.mapRect(deviceRect) : QRectF();
}

void PainterContext::drawLinearGradient(const Gradient& gradient, Point start, Point end) {
    if (gradient.colors.empty() || !isFinite(start) || !isFinite(end) || start == end || !prepare()) return;
    QLinearGradient linear(toQPoint(start), toQPoint(end));
    setStops(linear, gradient);
    painter_.fillRect(paintArea(), QBrush(linear));
}

void PainterContext::drawRadialGradient(const Gradient& gradient, Point startCenter, double startRadius,
                                        Point endCenter, double endRadius) {
    if (gradient.colors.empty() || !isFinite(startCenter) || !isFinite(endCenter) || !std::isfinite(startRadius) ||
        !std::isfinite(endRadius) || !prepare()) {
        return;
    }
    // The start circle is Qt's focal circle, the end circle its outer one.
    QRadialGradient radial(toQPoint(endCenter), std::max(endRadius, 0.0), toQPoint(startCenter),
                           std::max(startRadius, 0.0));
    setStops(radial, gradient);
    painter_.fillRect(paintArea(), QBrush(radial));
}

void PainterContext::drawImage(const QImage& image, const Rect& rect) {
    if (image.isNull() || !finite(rect) || !prepare()) return;
    painter_.drawImage(toQRect(rect), image, QRectF(image.rect()));
}

void PainterContext::drawTiledImage(const QImage& image, const Rect& tile) {
    if (image.isNull() || !finite(tile) || tile.size.width == 0 || tile.size.height == 0 || !prepare()) return;
    QBrush brush(image);
    const QRectF target = toQRect(tile);
    // Image pixels scaled to the tile, then moved to its corner.
    QTransform pixels;
    pixels.scale(target.width() / image.width(), target.height() / image.height());
    pixels *= QTransform::fromTranslate(target.x(), target.y());
    brush.setTransform(pixels);
    painter_.fillRect(paintArea(), brush);
}

void PainterContext::drawTextLines(const QString& text, Point origin, double width, double height,
                                   const TextAttributes& attributes, TextDrawOptions options) {
    if (text.isEmpty() || !isFinite(origin) || !prepare()) return;
    const TextLayoutResult layout = layOutText(text, attributes, width, height, options);
    painter_.setFont(attributes.font);
    painter_.setPen(QPen(attributes.resolvedColor()));
    forgetPen();
    for (const TextLine& line : layout.lines) {
        if (line.text.isEmpty()) continue;
        painter_.drawText(QPointF(origin.x + line.x, origin.y + line.y + line.ascent), line.text);
    }
}

void PainterContext::drawText(const QString& text, Point topLeft, const TextAttributes& attributes) {
    drawTextLines(text, topLeft, 0, 0, attributes, {});
}

void PainterContext::drawText(const QString& text, const Rect& rect, const TextAttributes& attributes,
                              TextDrawOptions options) {
    if (!finite(rect)) return;
    const QRectF box = toQRect(rect);
    const bool clips = attributes.resolvedParagraphStyle().lineBreakMode == LineBreakMode::byClipping &&
                       box.width() > 0 && box.height() > 0;
    if (clips) {
        prepare();
        painter_.save();
        painter_.setClipRect(box, Qt::IntersectClip);
    }
    drawTextLines(text, {box.x(), box.y()}, box.width(), box.height(), attributes, options);
    if (clips) {
        painter_.restore();
        forgetPen();
    }
}

} // namespace charts
