#pragma once
// The floor a chart frame is held to: the same wedges, polygons, lines,
// rectangles, ellipses, images and texts a frame of ours drew, taken from its
// recording, painted by plain QPainter calls with everything computed
// beforehand (text laid out once). What is left is the
// cost of painting itself. Large translucent shapes are painted the quick
// way Qt allows (opaque into a layer laid on at their alpha), as ours are.
#include <optional>
#include <utility>
#include <vector>

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include "Charts/drawing/RecordingContext.h"
#include "Charts/drawing/TextLayout.h"
#include "Charts/drawing/TranslucentLayer.h"

namespace bench {

class PainterFloor {
public:
    // Only the paintings are replayed, each under the clips the recording
    // had in force for it (set when they change); the saves and restores
    // around them are the chart's bookkeeping, not painting.
    explicit PainterFloor(const charts::RecordingContext& recording) {
        std::optional<std::vector<charts::RecordedClip>> clips;
        for (const charts::RecordedOperation& op : recording.paintings()) {
            if (op.kind == charts::DrawingOperation::clip || op.kind == charts::DrawingOperation::clipToRect) continue;
            if (!clips || *clips != op.clips) {
                clips = op.clips;
                useClips(op.clips);
            }
            add(op);
        }
    }

    void draw(QPainter& painter) const {
        for (const Step& step : steps_) step.paint(painter, layer_);
        painter.setClipping(false);
    }

    std::size_t stepCount() const { return steps_.size(); }

private:
    struct Step {
        enum class Kind {
            clip,
            fill,
            stroke,
            lines,
            rect,
            strokedRect,
            ellipse,
            strokedEllipse,
            image,
            text
        } kind = Kind::clip;
        QTransform transform;
        QPainterPath path;
        // A clip step's clips, in device space: rectangles (the content's)
        // as rectangles, as a hand-written painting sets them.
        std::vector<QRectF> clipRects;
        std::vector<QPainterPath> clips;
        QBrush brush;
        QPen pen;
        double opacity = 1;
        QVector<QLineF> lines;
        QRectF linesBounds;
        QRectF rect;
        QImage image;
        // Laid-out lines: each text at its baseline.
        std::vector<std::pair<QPointF, QString>> textLines;
        QFont font;

        static void usePen(QPainter& painter, const QPen& pen) {
            if (painter.pen() != pen) painter.setPen(pen);
        }

        void paint(QPainter& painter, charts::TranslucentLayer& layer) const {
            switch (kind) {
            case Kind::clip:
                painter.setTransform(QTransform());
                painter.setClipping(false);
                for (const QRectF& clip : clipRects) painter.setClipRect(clip, Qt::IntersectClip);
                for (const QPainterPath& clip : clips) painter.setClipPath(clip, Qt::IntersectClip);
                return;
            default: break;
            }
            // State set only when it changes, as a hand-written painting
            // would: Qt flushes its state before the next drawing whenever it
            // is set.
            if (painter.worldTransform() != transform) painter.setTransform(transform);
            if (painter.opacity() != opacity) painter.setOpacity(opacity);
            switch (kind) {
            case Kind::fill:
                if (!layer.paint(painter, path.boundingRect(), brush.color(),
                                 [&](QPainter& l, const QColor& c) { l.fillPath(path, c); }))
                    painter.fillPath(path, brush);
                break;
            case Kind::stroke:
                if (!layer.paint(painter, path.controlPointRect().adjusted(-9, -9, 9, 9), pen.color(),
                                 [&](QPainter& l, const QColor& c) {
                                     QPen opaque = pen;
                                     opaque.setColor(c);
                                     l.strokePath(path, opaque);
                                 }))
                    painter.strokePath(path, pen);
                break;
            case Kind::lines:
                if (!layer.paint(painter, linesBounds, pen.color(), [&](QPainter& l, const QColor& c) {
                        QPen opaque = pen;
                        opaque.setColor(c);
                        l.setPen(opaque);
                        l.drawLines(lines);
                    })) {
                    usePen(painter, pen);
                    painter.drawLines(lines);
                }
                break;
            case Kind::rect: painter.fillRect(rect, brush); break;
            case Kind::strokedRect:
            case Kind::strokedEllipse:
                usePen(painter, pen);
                if (painter.brush().style() != Qt::NoBrush) painter.setBrush(Qt::NoBrush);
                kind == Kind::strokedRect ? painter.drawRect(rect) : painter.drawEllipse(rect);
                break;
            case Kind::ellipse:
                if (!layer.paint(painter, rect, brush.color(), [&](QPainter& l, const QColor& c) {
                        l.setPen(Qt::NoPen);
                        l.setBrush(c);
                        l.drawEllipse(rect);
                    })) {
                    if (painter.pen().style() != Qt::NoPen) painter.setPen(Qt::NoPen);
                    if (painter.brush() != brush) painter.setBrush(brush);
                    painter.drawEllipse(rect);
                }
                break;
            case Kind::image: painter.drawImage(rect, image, QRectF(image.rect())); break;
            case Kind::text:
                painter.setFont(font);
                usePen(painter, pen);
                for (const auto& [baseline, line] : textLines) painter.drawText(baseline, line);
                break;
            default: break;
            }
        }
    };

    static QPainterPath painterPath(const charts::Path& path, charts::FillRule rule) {
        QPainterPath out;
        out.setFillRule(rule == charts::FillRule::evenOdd ? Qt::OddEvenFill : Qt::WindingFill);
        for (const charts::PathElement& e : path.elements()) {
            using K = charts::PathElementKind;
            switch (e.kind) {
            case K::moveTo: out.moveTo(toQt(e.points[0])); break;
            case K::lineTo: out.lineTo(toQt(e.points[0])); break;
            case K::quadCurveTo: out.quadTo(toQt(e.points[0]), toQt(e.points[1])); break;
            case K::curveTo: out.cubicTo(toQt(e.points[0]), toQt(e.points[1]), toQt(e.points[2])); break;
            case K::closeSubpath: out.closeSubpath(); break;
            }
        }
        return out;
    }

    // An upright rectangle's outline: a move and three lines along the axes,
    // closed.
    static bool isRectangle(const QPainterPath& path) {
        if (path.elementCount() < 4 || path.elementCount() > 5) return false;
        for (int i = 0; i < 4; ++i) {
            const QPointF a = path.elementAt(i);
            const QPointF b = path.elementAt((i + 1) % 4);
            if (i > 0 && !path.elementAt(i).isLineTo()) return false;
            if (a.x() != b.x() && a.y() != b.y()) return false;
        }
        return true;
    }

    static QPen penOf(const charts::GraphicsState& state) {
        QPen pen(state.strokeColor, state.stroke.lineWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
        if (!state.stroke.dashLengths.empty() && state.stroke.lineWidth > 0) {
            QList<qreal> pattern;
            for (double length : state.stroke.dashLengths) pattern.append(length / state.stroke.lineWidth);
            pen.setDashPattern(pattern);
        }
        return pen;
    }

    static QTransform transformOf(const charts::AffineTransform& t) {
        return QTransform(t.a, t.b, t.c, t.d, t.tx, t.ty);
    }

    void add(const charts::RecordedOperation& op) {
        using D = charts::DrawingOperation;
        Step step;
        step.transform = transformOf(op.state.transform);
        step.opacity = op.state.alpha;
        switch (op.kind) {
        case D::drawPath:
            if (op.mode == charts::PathDrawingMode::stroke) {
                step.kind = Step::Kind::stroke;
                step.path = painterPath(op.path, charts::FillRule::winding);
                step.pen = penOf(op.state);
            } else {
                step.kind = Step::Kind::fill;
                step.path =
                    painterPath(op.path, op.mode == charts::PathDrawingMode::evenOddFill ? charts::FillRule::evenOdd
                                                                                         : charts::FillRule::winding);
                step.brush = QBrush(op.state.fillColor);
            }
            break;
        case D::strokeLineSegments:
            step.kind = Step::Kind::lines;
            step.pen = penOf(op.state);
            for (std::size_t i = 0; i + 1 < op.points.size(); i += 2) {
                step.lines.append(QLineF(toQt(op.points[i]), toQt(op.points[i + 1])));
                step.linesBounds |= QRectF(step.lines.back().p1(), step.lines.back().p2()).normalized();
            }
            step.linesBounds.adjust(-2, -2, 2, 2);
            break;
        case D::fillRect:
        case D::fillEllipse:
            step.kind = op.kind == D::fillRect ? Step::Kind::rect : Step::Kind::ellipse;
            step.rect = toQt(charts::standardized(op.rect));
            step.brush = QBrush(op.state.fillColor);
            break;
        case D::strokeRect:
        case D::strokeEllipse:
            step.kind = op.kind == D::strokeRect ? Step::Kind::strokedRect : Step::Kind::strokedEllipse;
            step.rect = toQt(charts::standardized(op.rect));
            step.pen = penOf(op.state);
            break;
        case D::drawImage:
            step.kind = Step::Kind::image;
            step.rect = toQt(charts::standardized(op.rect));
            step.image = op.image;
            break;
        case D::drawText:
        case D::drawTextInRect: {
            step.kind = Step::Kind::text;
            step.font = op.attributes.font;
            step.pen = QPen(op.attributes.resolvedColor());
            const bool inRect = op.kind == D::drawTextInRect;
            const charts::Point origin = inRect ? op.rect.origin : op.points.front();
            const charts::TextLayoutResult layout = charts::layOutText(
                op.text, op.attributes, inRect ? op.rect.width() : 0, inRect ? op.rect.height() : 0, op.textOptions);
            for (const charts::TextLine& line : layout.lines)
                step.textLines.emplace_back(QPointF(origin.x + line.x, origin.y + line.y + line.ascent), line.text);
            break;
        }
        default: return;
        }
        steps_.push_back(std::move(step));
    }

    void useClips(const std::vector<charts::RecordedClip>& clips) {
        Step step;
        step.kind = Step::Kind::clip;
        for (const charts::RecordedClip& clip : clips) {
            const QPainterPath path = transformOf(clip.transform).map(painterPath(clip.path, clip.rule));
            if (isRectangle(path))
                step.clipRects.push_back(path.boundingRect());
            else
                step.clips.push_back(path);
        }
        steps_.push_back(std::move(step));
    }

    std::vector<Step> steps_;
    mutable charts::TranslucentLayer layer_;
};

} // namespace bench
