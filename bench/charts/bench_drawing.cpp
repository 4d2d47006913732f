// A line chart's frame of 11 sets x 256 points, anti-aliased, drawn through the
// QPainter back end beside the same QPainter calls made directly: per segment
// (as the line renderer strokes straight lines, asking for the colour of every
// segment; the raw loop sets its pen once per set),
// as one polyline per set, as one segment list per set, and the point circles.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <vector>

#include "Charts/drawing/PainterContext.h"

namespace {

constexpr int sets = 11;
constexpr int points = 256;

struct Frame {
    QImage image{800, 500, QImage::Format_ARGB32_Premultiplied};
    std::vector<std::vector<charts::Point>> lines;
    std::vector<QColor> colors;

    Frame() {
        for (int s = 0; s < sets; ++s) {
            std::vector<charts::Point> line;
            for (int i = 0; i < points; ++i) {
                line.push_back({10 + i * 3.0, 250 + 200 * std::sin(i * 0.05 + s * 0.4) * (0.4 + s * 0.05)});
            }
            lines.push_back(std::move(line));
            colors.push_back(QColor::fromHsv(s * 30, 200, 200));
        }
    }
};

void begin(QPainter& painter, Frame& frame) {
    frame.image.fill(Qt::white);
    painter.begin(&frame.image);
    painter.setRenderHint(QPainter::Antialiasing, true);
}

void BM_SegmentsRawPainter(benchmark::State& state) {
    Frame frame;
    for (auto _ : state) {
        QPainter painter;
        begin(painter, frame);
        for (int s = 0; s < sets; ++s) {
            const auto& line = frame.lines[static_cast<std::size_t>(s)];
            painter.setPen(
                QPen(frame.colors[static_cast<std::size_t>(s)], 1.0, Qt::SolidLine, Qt::FlatCap, Qt::SvgMiterJoin));
            for (int i = 0; i + 1 < points; ++i) {
                painter.drawLine(QLineF(line[i].x, line[i].y, line[i + 1].x, line[i + 1].y));
            }
        }
        painter.end();
        benchmark::DoNotOptimize(frame.image.constBits());
    }
}
BENCHMARK(BM_SegmentsRawPainter)->Unit(benchmark::kMillisecond);

void BM_SegmentsThroughContext(benchmark::State& state) {
    Frame frame;
    for (auto _ : state) {
        QPainter painter;
        begin(painter, frame);
        {
            charts::PainterContext context(painter);
            context.setLineWidth(1);
            for (int s = 0; s < sets; ++s) {
                const auto& line = frame.lines[static_cast<std::size_t>(s)];
                for (int i = 0; i + 1 < points; ++i) {
                    context.setStrokeColor(frame.colors[static_cast<std::size_t>(s)]);
                    context.strokeLineSegments(std::span<const charts::Point>(&line[static_cast<std::size_t>(i)], 2));
                }
            }
        }
        painter.end();
        benchmark::DoNotOptimize(frame.image.constBits());
    }
}
BENCHMARK(BM_SegmentsThroughContext)->Unit(benchmark::kMillisecond);

void BM_PolylineRawPainter(benchmark::State& state) {
    Frame frame;
    std::vector<QPointF> qtPoints(points);
    for (auto _ : state) {
        QPainter painter;
        begin(painter, frame);
        for (int s = 0; s < sets; ++s) {
            const auto& line = frame.lines[static_cast<std::size_t>(s)];
            for (int i = 0; i < points; ++i) qtPoints[static_cast<std::size_t>(i)] = QPointF(line[i].x, line[i].y);
            painter.setPen(
                QPen(frame.colors[static_cast<std::size_t>(s)], 1.0, Qt::SolidLine, Qt::FlatCap, Qt::SvgMiterJoin));
            painter.drawPolyline(qtPoints.data(), points);
        }
        painter.end();
        benchmark::DoNotOptimize(frame.image.constBits());
    }
}
BENCHMARK(BM_PolylineRawPainter)->Unit(benchmark::kMillisecond);

void BM_PolylineThroughContext(benchmark::State& state) {
    Frame frame;
    for (auto _ : state) {
        QPainter painter;
        begin(painter, frame);
        {
            charts::PainterContext context(painter);
            for (int s = 0; s < sets; ++s) {
                context.setStrokeColor(frame.colors[static_cast<std::size_t>(s)]);
                context.addLines(frame.lines[static_cast<std::size_t>(s)]);
                context.strokePath();
            }
        }
        painter.end();
        benchmark::DoNotOptimize(frame.image.constBits());
    }
}
BENCHMARK(BM_PolylineThroughContext)->Unit(benchmark::kMillisecond);

void BM_SegmentListRawPainter(benchmark::State& state) {
    Frame frame;
    std::vector<QLineF> qtLines(points - 1);
    for (auto _ : state) {
        QPainter painter;
        begin(painter, frame);
        for (int s = 0; s < sets; ++s) {
            const auto& line = frame.lines[static_cast<std::size_t>(s)];
            for (int i = 0; i + 1 < points; ++i) {
                qtLines[static_cast<std::size_t>(i)] = QLineF(line[i].x, line[i].y, line[i + 1].x, line[i + 1].y);
            }
            painter.setPen(
                QPen(frame.colors[static_cast<std::size_t>(s)], 1.0, Qt::SolidLine, Qt::FlatCap, Qt::SvgMiterJoin));
            painter.drawLines(qtLines.data(), points - 1);
        }
        painter.end();
        benchmark::DoNotOptimize(frame.image.constBits());
    }
}
BENCHMARK(BM_SegmentListRawPainter)->Unit(benchmark::kMillisecond);

void BM_SegmentListThroughContext(benchmark::State& state) {
    Frame frame;
    std::vector<std::vector<charts::Point>> pairs;
    for (const auto& line : frame.lines) {
        std::vector<charts::Point> list;
        for (int i = 0; i + 1 < points; ++i) {
            list.push_back(line[static_cast<std::size_t>(i)]);
            list.push_back(line[static_cast<std::size_t>(i) + 1]);
        }
        pairs.push_back(std::move(list));
    }
    for (auto _ : state) {
        QPainter painter;
        begin(painter, frame);
        {
            charts::PainterContext context(painter);
            for (int s = 0; s < sets; ++s) {
                context.setStrokeColor(frame.colors[static_cast<std::size_t>(s)]);
                context.strokeLineSegments(pairs[static_cast<std::size_t>(s)]);
            }
        }
        painter.end();
        benchmark::DoNotOptimize(frame.image.constBits());
    }
}
BENCHMARK(BM_SegmentListThroughContext)->Unit(benchmark::kMillisecond);

void BM_CirclesRawPainter(benchmark::State& state) {
    Frame frame;
    for (auto _ : state) {
        QPainter painter;
        begin(painter, frame);
        painter.setPen(Qt::NoPen);
        for (int s = 0; s < sets; ++s) {
            for (const charts::Point& p : frame.lines[static_cast<std::size_t>(s)]) {
                painter.setBrush(frame.colors[static_cast<std::size_t>(s)]);
                painter.drawEllipse(QRectF(p.x - 2, p.y - 2, 4, 4));
            }
        }
        painter.end();
        benchmark::DoNotOptimize(frame.image.constBits());
    }
}
BENCHMARK(BM_CirclesRawPainter)->Unit(benchmark::kMillisecond);

void BM_CirclesThroughContext(benchmark::State& state) {
    Frame frame;
    for (auto _ : state) {
        QPainter painter;
        begin(painter, frame);
        {
            charts::PainterContext context(painter);
            for (int s = 0; s < sets; ++s) {
                for (const charts::Point& p : frame.lines[static_cast<std::size_t>(s)]) {
                    context.setFillColor(frame.colors[static_cast<std::size_t>(s)]);
                    context.fillEllipse(charts::Rect(p.x - 2, p.y - 2, 4, 4));
                }
            }
        }
        painter.end();
        benchmark::DoNotOptimize(frame.image.constBits());
    }
}
BENCHMARK(BM_CirclesThroughContext)->Unit(benchmark::kMillisecond);

} // namespace
