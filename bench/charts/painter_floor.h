#pragma once
// The QPainter floor of a chart frame: the same marks, axes, grid, labels and
// legend as one of our frames, drawn with plain QPainter calls worked out
// beforehand. It is made from a recording of our frame: every painting call
// becomes the QPainter call a hand-written chart would make for it (a
// rectangle, an ellipse, lines, a path, laid-out text, an image) with the
// pens, brushes, clips and opacity the recording had in force, all built
// before the timing starts. What our frame costs beyond the floor is the
// chart's own work: axes, legend, culling, styles and the drawing layer.
#include <functional>
#include <vector>

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include "Charts/drawing/PainterContext.h"
#include "Charts/drawing/RecordingContext.h"
#include "Charts/drawing/TextLayout.h"

namespace bench {

class PainterFloor {
public:
    explicit PainterFloor(const charts::RecordingContext& recording) {
        const charts::GraphicsState* last = nullptr;
        const std::vector<charts::RecordedClip>* lastClips = nullptr;
        operations_ = recording.paintings();
        for (const charts::RecordedOperation& op : operations_) {
            if (op.kind == charts::DrawingOperation::clip || op.kind == charts::DrawingOperation::clipToRect) continue;
            if (!lastClips || *lastClips != op.clips) useClips(op.clips);
            lastClips = &op.clips;
            if (!last || !(*last == op.state)) useState(op.state);
            last = &op.state;
            add(op);
        }
    }

    void draw(QPainter& painter) const {
        for (const auto& step : steps_) step(painter);
        painter.setClipping(false);
    }

private:
    using Step = std::function<void(QPainter&)>;

    static QPointF at(const charts::Point& p) { return QPointF(p.x, p.y); }
    static QRectF box(const charts::Rect& r) { return charts::toQt(charts::standardized(r)); }

    static QPainterPath painterPath(const charts::Path& path, Qt::FillRule rule) {
        QPainterPath qt;
        qt.setFillRule(rule);
        for (const charts::PathElement& e : path.elements()) {
            switch (e.kind) {
            case charts::PathElementKind::moveTo: qt.moveTo(at(e.points[0])); break;
            case charts::PathElementKind::lineTo: qt.lineTo(at(e.points[0])); break;
            case charts::PathElementKind::quadCurveTo: qt.quadTo(at(e.points[0]), at(e.points[1])); break;
            case charts::PathElementKind::curveTo: qt.cubicTo(at(e.points[0]), at(e.points[1]), at(e.points[2])); break;
            case charts::PathElementKind::closeSubpath: qt.closeSubpath(); break;
            }
        }
        return qt;
    }

    void useClips(const std::vector<charts::RecordedClip>& clips) {
        std::vector<QPainterPath> paths;
        for (const charts::RecordedClip& clip : clips)
            paths.push_back(
                painterPath(clip.path, clip.rule == charts::FillRule::evenOdd ? Qt::OddEvenFill : Qt::WindingFill));
        steps_.push_back([paths](QPainter& painter) {
            painter.setClipping(false);
            for (const QPainterPath& path : paths) painter.setClipPath(path, Qt::IntersectClip);
        });
    }

    void useState(const charts::GraphicsState& state) {
        const std::optional<QPen> pen = charts::PainterContext::penFor(state.strokeColor, state.stroke);
        const QPen chosen = pen ? *pen : QPen(Qt::NoPen);
        const QColor fill = state.fillColor;
        const double alpha = state.alpha;
        const bool antialias = state.antialias;
        steps_.push_back([chosen, fill, alpha, antialias](QPainter& painter) {
            painter.setPen(chosen);
            painter.setBrush(fill);
            painter.setOpacity(alpha);
            painter.setRenderHint(QPainter::Antialiasing, antialias);
        });
        pen_ = chosen;
    }

    // The call itself; fills paint without the pen, strokes without the brush.
    void add(const charts::RecordedOperation& op) {
        const QPen pen = pen_;
        const QColor fill = op.state.fillColor;
        switch (op.kind) {
        case charts::DrawingOperation::fillRect: {
            const QRectF r = box(op.rect);
            steps_.push_back([r, fill](QPainter& painter) { painter.fillRect(r, fill); });
            break;
        }
        case charts::DrawingOperation::strokeRect: {
            const QRectF r = box(op.rect);
            steps_.push_back([r, pen](QPainter& painter) {
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(r);
            });
            break;
        }
        case charts::DrawingOperation::fillEllipse: {
            const QRectF r = box(op.rect);
            steps_.push_back([r, pen, fill](QPainter& painter) {
                painter.setPen(Qt::NoPen);
                painter.drawEllipse(r);
                painter.setPen(pen);
            });
            break;
        }
        case charts::DrawingOperation::strokeEllipse: {
            const QRectF r = box(op.rect);
            steps_.push_back([r, fill](QPainter& painter) {
                painter.setBrush(Qt::NoBrush);
                painter.drawEllipse(r);
                painter.setBrush(fill);
            });
            break;
        }
        case charts::DrawingOperation::strokeLineSegments: {
            std::vector<QLineF> lines;
            for (std::size_t i = 0; i + 1 < op.points.size(); i += 2)
                lines.emplace_back(at(op.points[i]), at(op.points[i + 1]));
            steps_.push_back(
                [lines](QPainter& painter) { painter.drawLines(lines.data(), static_cast<int>(lines.size())); });
            break;
        }
        case charts::DrawingOperation::drawPath: {
            const bool even = op.mode == charts::PathDrawingMode::evenOddFill ||
                              op.mode == charts::PathDrawingMode::evenOddFillStroke;
            const QPainterPath path = painterPath(op.path, even ? Qt::OddEvenFill : Qt::WindingFill);
            const bool strokes = op.mode == charts::PathDrawingMode::stroke ||
                                 op.mode == charts::PathDrawingMode::fillStroke ||
                                 op.mode == charts::PathDrawingMode::evenOddFillStroke;
            const bool fills = op.mode != charts::PathDrawingMode::stroke;
            steps_.push_back([path, pen, fill, strokes, fills](QPainter& painter) {
                painter.setPen(strokes ? pen : QPen(Qt::NoPen));
                painter.setBrush(fills ? QBrush(fill) : QBrush(Qt::NoBrush));
                painter.drawPath(path);
                painter.setPen(pen);
                painter.setBrush(fill);
            });
            break;
        }
        case charts::DrawingOperation::drawText:
        case charts::DrawingOperation::drawTextInRect: {
            const bool inRect = op.kind == charts::DrawingOperation::drawTextInRect;
            const charts::Point origin = inRect ? op.rect.origin : op.points.front();
            const charts::TextLayoutResult layout = charts::layOutText(
                op.text, op.attributes, inRect ? op.rect.width() : 0, inRect ? op.rect.height() : 0, op.textOptions);
            struct Line {
                QPointF baseline;
                QString text;
            };
            std::vector<Line> lines;
            for (const charts::TextLine& line : layout.lines)
                lines.push_back(Line{QPointF(origin.x + line.x, origin.y + line.y + line.ascent), line.text});
            const QFont font = op.attributes.font;
            const QColor colour = op.attributes.resolvedColor();
            steps_.push_back([lines, font, colour, pen](QPainter& painter) {
                painter.setFont(font);
                painter.setPen(colour);
                for (const Line& line : lines) painter.drawText(line.baseline, line.text);
                painter.setPen(pen);
            });
            break;
        }
        case charts::DrawingOperation::drawImage: {
            const QRectF r = box(op.rect);
            const QImage image = op.image;
            steps_.push_back([r, image](QPainter& painter) { painter.drawImage(r, image, QRectF(image.rect())); });
            break;
        }
        default: break;
        }
    }

    std::vector<charts::RecordedOperation> operations_;
    std::vector<Step> steps_;
    QPen pen_;
};

} // namespace bench
