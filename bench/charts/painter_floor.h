#pragma once
// The floor a chart frame is held to: the same wedges, polygons, lines and
// texts a frame of ours drew, taken from its recording, painted by plain
// QPainter calls with everything computed beforehand. What is left is the
// cost of painting itself. Large translucent shapes are painted the quick
// way Qt allows (opaque into a layer laid on at their alpha), as ours are.
#include <vector>

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include "Charts/drawing/RecordingContext.h"
#include "Charts/drawing/TranslucentLayer.h"

namespace bench {

class PainterFloor {
public:
    explicit PainterFloor(const charts::RecordingContext& recording) {
        for (const charts::RecordedOperation& op : recording.operations()) add(op);
    }

    void draw(QPainter& painter) const {
        for (const Step& step : steps_) step.paint(painter, layer_);
    }

    std::size_t stepCount() const { return steps_.size(); }

private:
    struct Step {
        enum class Kind { save, restore, clip, fill, stroke, lines, rect, text } kind = Kind::save;
        QTransform transform;
        QPainterPath path;
        QBrush brush;
        QPen pen;
        double opacity = 1;
        QVector<QLineF> lines;
        QRectF linesBounds;
        QRectF rect;
        QString text;
        QFont font;
        QPointF baseline;

        void paint(QPainter& painter, charts::TranslucentLayer& layer) const {
            switch (kind) {
            case Kind::save: painter.save(); return;
            case Kind::restore: painter.restore(); return;
            case Kind::clip: painter.setClipPath(path, Qt::IntersectClip); return;
            default: break;
            }
            painter.setTransform(transform);
            painter.setOpacity(opacity);
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
                    painter.setPen(pen);
                    painter.drawLines(lines);
                }
                break;
            case Kind::rect: painter.fillRect(rect, brush); break;
            case Kind::text:
                painter.setFont(font);
                painter.setPen(pen);
                painter.drawText(baseline, text);
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
        case D::saveGState: step.kind = Step::Kind::save; break;
        case D::restoreGState: step.kind = Step::Kind::restore; break;
        case D::clip:
            step.kind = Step::Kind::clip;
            step.path = painterPath(op.path, op.rule);
            break;
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
            step.kind = Step::Kind::rect;
            step.rect = toQt(op.rect);
            step.brush = QBrush(op.state.fillColor);
            break;
        case D::drawText: {
            step.kind = Step::Kind::text;
            step.text = op.text;
            step.font = op.attributes.font;
            step.pen = QPen(op.attributes.resolvedColor());
            const QPointF topLeft = toQt(op.points.front());
            step.baseline = QPointF(topLeft.x(), topLeft.y() + QFontMetricsF(step.font).ascent());
            break;
        }
        default: return;
        }
        steps_.push_back(std::move(step));
    }

    std::vector<Step> steps_;
    mutable charts::TranslucentLayer layer_;
};

} // namespace bench
