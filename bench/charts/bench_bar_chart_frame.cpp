// Whole frames of bar charts into an 800 x 600 anti-aliased image, with axes,
// grid lines and a legend, side by side in one run: each of ours beside its
// Qt Charts twin drawing the same data and beside a QPainter floor that
// fills the same rectangles and draws the same axes, labels and legend with
// nothing in between (replayed from a recording of our frame), and a pan
// frame of 100,000 bars zoomed to 1 % of x beside a frame of the bars it
// shows. One benchmark times them all and prints the ratios.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QHorizontalBarSeries>
#include <QImage>
#include <QPainter>
#include <QStackedBarSeries>
#include <QStaticText>
#include <QValueAxis>

#include "Charts/drawing/PainterContext.h"
#include "Charts/drawing/RecordingContext.h"
#include "Charts/types/bar/BarChartData.h"
#include "Charts/types/bar/BarChartDataSet.h"
#include "Charts/types/bar/HorizontalBarChartView.h"
#include "bench/support/qt_application.h"
#include "bench/support/qt_charts_scene.h"
#include "bench/support/side_by_side.h"

namespace {

using namespace charts;

constexpr int imageWidth = 800;
constexpr int imageHeight = 600;
constexpr int groupedSets = 3;
constexpr int barsPerSet = 200;
constexpr int stackValues = 4;

const QColor setColours[] = {QColor(192, 255, 140), QColor(255, 208, 140), QColor(140, 234, 255),
                             QColor(255, 140, 157)};

QImage blankImage() {
    QImage image(imageWidth, imageHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

double value(int set, int i) { return 40.0 + 30.0 * std::sin(i * 0.07 + set) + 10.0 * std::cos(i * 0.31); }

// The stacked values of entry i: two above zero and two below.
std::vector<double> stack(int i) { return {value(0, i) / 2, -value(1, i) / 3, value(2, i) / 2, -value(3, i) / 4}; }

void paintInto(QImage& image, const std::function<void(QPainter&)>& draw) {
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    draw(painter);
}

void drawFrame(BarChartView& view, QImage& image) {
    paintInto(image, [&](QPainter& painter) {
        PainterContext context(painter);
        view.draw(context);
    });
}

template <class View>
std::unique_ptr<View> viewOf(std::shared_ptr<BarChartData> data) {
    bench::qtApplication();
    std::unique_ptr<View> view(ChartViewBase::create<View>());
    view->setChartSize(imageWidth, imageHeight);
    view->setData(std::move(data));
    return view;
}

std::shared_ptr<BarChartDataSet> barSetOf(std::vector<ChartDataEntryPtr> entries, int index) {
    auto set = std::make_shared<BarChartDataSet>(std::move(entries), QStringLiteral("Set %1").arg(index));
    set->setColor(setColours[index]);
    set->setDrawValuesEnabled(false);
    return set;
}

// Three sets of 200 bars, grouped one group per entry.
template <class View>
std::unique_ptr<View> groupedChart() {
    std::vector<std::shared_ptr<BarChartDataSet>> sets;
    for (int s = 0; s < groupedSets; ++s) {
        std::vector<ChartDataEntryPtr> entries;
        for (int i = 0; i < barsPerSet; ++i) entries.push_back(std::make_shared<BarChartDataEntry>(i, value(s, i)));
        sets.push_back(barSetOf(std::move(entries), s));
    }
    auto data = std::make_shared<BarChartData>(ChartData::DataSets(sets.begin(), sets.end()));
    data->setBarWidth(0.25);
    auto view = viewOf<View>(data);
    view->groupBars(0, 0.16, 0.03);
    return view;
}

// 200 entries of four stacked values of mixed sign.
std::unique_ptr<BarChartView> stackedChart() {
    std::vector<ChartDataEntryPtr> entries;
    for (int i = 0; i < barsPerSet; ++i) entries.push_back(std::make_shared<BarChartDataEntry>(i, stack(i)));
    auto set = barSetOf(std::move(entries), 0);
    set->setColors({setColours[0], setColours[1], setColours[2], setColours[3]});
    set->setStackLabels({"A", "B", "C", "D"});
    return viewOf<BarChartView>(std::make_shared<BarChartData>(ChartData::DataSets{set}));
}

// One set of `count` bars.
std::unique_ptr<BarChartView> longChart(int count) {
    std::vector<ChartDataEntryPtr> entries;
    entries.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) entries.push_back(std::make_shared<BarChartDataEntry>(i, value(0, i)));
    return viewOf<BarChartView>(std::make_shared<BarChartData>(ChartData::DataSets{barSetOf(std::move(entries), 0)}));
}

// Qt Charts drawing the same data with value axes, grid and legend.
enum class TwinKind { grouped, stacked, horizontal };

QChart* qtBarChart(TwinKind kind) {
    bench::qtApplication();
    auto* chart = new QChart();
    QAbstractBarSeries* series = nullptr;
    if (kind == TwinKind::stacked) {
        series = new QStackedBarSeries();
        for (int k = 0; k < stackValues; ++k) {
            auto* set = new QBarSet(QStringLiteral("%1").arg(QChar('A' + k)));
            set->setColor(setColours[k]);
            for (int i = 0; i < barsPerSet; ++i) set->append(stack(i)[static_cast<std::size_t>(k)]);
            series->append(set);
        }
    } else {
        series = kind == TwinKind::grouped ? static_cast<QAbstractBarSeries*>(new QBarSeries())
                                           : static_cast<QAbstractBarSeries*>(new QHorizontalBarSeries());
        for (int s = 0; s < groupedSets; ++s) {
            auto* set = new QBarSet(QStringLiteral("Set %1").arg(s));
            set->setColor(setColours[s]);
            for (int i = 0; i < barsPerSet; ++i) set->append(value(s, i));
            series->append(set);
        }
    }
    series->setBarWidth(0.85);
    chart->addSeries(series);
    auto* positions = new QValueAxis();
    auto* values = new QValueAxis();
    positions->setRange(-0.5, barsPerSet - 0.5);
    chart->addAxis(positions, kind == TwinKind::horizontal ? Qt::AlignLeft : Qt::AlignBottom);
    chart->addAxis(values, kind == TwinKind::horizontal ? Qt::AlignBottom : Qt::AlignLeft);
    series->attachAxis(positions);
    series->attachAxis(values);
    return chart;
}

// The floor: what our frame paints, taken once from a recording of it and
// painted straight through QPainter, call for call and under the same clip
// rectangles: the bars and legend forms (filled rectangles), the axis and
// grid lines, and the texts, each laid out once beforehand (QStaticText),
// the cheapest way QPainter has to draw a text again. (Without the clips
// Qt's raster engine hands long antialiased lines to its worker threads,
// which on this machine costs more than the clipped frame.)
class PainterFloor {
public:
    explicit PainterFloor(BarChartView& view) {
        RecordingContext recording;
        view.draw(recording);
        for (const RecordedOperation& op : recording.operations()) {
            const std::size_t before = steps_.size();
            switch (op.kind) {
            case DrawingOperation::fillRect: addFill(toQt(op.rect), op.state.fillColor); break;
            case DrawingOperation::strokeLineSegments:
                for (std::size_t i = 0; i + 1 < op.points.size(); i += 2)
                    addLine(QLineF(op.points[i].x, op.points[i].y, op.points[i + 1].x, op.points[i + 1].y),
                            op.state.strokeColor, op.state.stroke.lineWidth);
                break;
            case DrawingOperation::drawPath:
                if (op.mode == PathDrawingMode::stroke && op.path.elements().size() >= 2) {
                    const Point a = op.path.elements()[0].points[0];
                    const Point b = op.path.elements()[1].points[0];
                    addLine(QLineF(a.x, a.y, b.x, b.y), op.state.strokeColor, op.state.stroke.lineWidth);
                }
                break;
            case DrawingOperation::drawText:
            case DrawingOperation::drawTextInRect: {
                const Point at = op.kind == DrawingOperation::drawText ? op.points[0] : op.rect.origin;
                addText(QPointF(at.x, at.y), op.text, op.attributes.font, op.attributes.resolvedColor());
                break;
            }
            default: break;
            }
            std::optional<QRectF> clip;
            for (const RecordedClip& c : op.clips) {
                const QRectF box = toQt(c.transform.apply(c.path.boundingBox()));
                clip = clip ? clip->intersected(box) : box;
            }
            for (std::size_t i = before; i < steps_.size(); ++i) steps_[i].clip = clip;
        }
    }

    void draw(QImage& image) {
        paintInto(image, [&](QPainter& painter) {
            std::optional<QRectF> clip;
            for (const Step& step : steps_) {
                if (step.clip != clip) {
                    clip = step.clip;
                    if (clip)
                        painter.setClipRect(*clip);
                    else
                        painter.setClipping(false);
                }
                switch (step.kind) {
                case Step::fillStep: painter.fillRect(step.rect, step.colour); break;
                case Step::lineStep:
                    painter.setPen(QPen(step.colour, step.width));
                    painter.drawLine(step.line);
                    break;
                case Step::textStep:
                    painter.setFont(fonts_[step.font]);
                    painter.setPen(step.colour);
                    painter.drawStaticText(step.rect.topLeft(), step.text);
                    break;
                }
            }
        });
    }

private:
    struct Step {
        enum Kind { fillStep, lineStep, textStep } kind = fillStep;
        QRectF rect;
        QColor colour;
        double width = 1;
        QLineF line;
        QStaticText text;
        std::size_t font = 0;
        std::optional<QRectF> clip;
    };
    static QRectF toQt(const Rect& r) { return QRectF(r.origin.x, r.origin.y, r.size.width, r.size.height); }
    void addFill(const QRectF& rect, const QColor& colour) {
        Step& step = steps_.emplace_back();
        step.kind = Step::fillStep;
        step.rect = rect;
        step.colour = colour;
    }
    void addLine(const QLineF& line, const QColor& colour, double width) {
        Step& step = steps_.emplace_back();
        step.kind = Step::lineStep;
        step.line = line;
        step.colour = colour;
        step.width = width;
    }
    void addText(QPointF topLeft, const QString& text, const QFont& font, const QColor& colour) {
        Step& step = steps_.emplace_back();
        step.kind = Step::textStep;
        step.rect = QRectF(topLeft, QSizeF());
        step.colour = colour;
        step.text = QStaticText(text);
        step.text.prepare(QTransform(), font);
        fonts_.push_back(font);
        step.font = fonts_.size() - 1;
    }

    std::vector<Step> steps_;
    std::vector<QFont> fonts_;
};

// 100,000 bars, 1 % of them visible, panned a pixel each frame (back and
// forth so the visible range stays inside the data); every bar is prepared
// each frame, the visible ones drawn.
class PanFrame {
public:
    PanFrame() : view_(longChart(100'000)) {
        view_->zoom(100.0, 1.0, 0.0, 0.0);
        view_->moveViewToX(50'000);
    }

    void draw(QImage& image) {
        view_->performPanChange(Point{(step_++ / 50) % 2 == 0 ? -1.0 : 1.0, 0});
        drawFrame(*view_, image);
    }

private:
    std::unique_ptr<BarChartView> view_;
    int step_ = 0;
};

struct Chart {
    const char* name;
    std::unique_ptr<BarChartView> view;
    bench::QtChartsScene peer;
    std::unique_ptr<PainterFloor> floor;
    QImage ours = blankImage();
    QImage twin = blankImage();
    QImage bare = blankImage();

    Chart(const char* chartName, std::unique_ptr<BarChartView> chartView, TwinKind kind)
        : name(chartName),
          view(std::move(chartView)),
          peer(qtBarChart(kind), imageWidth, imageHeight),
          floor(std::make_unique<PainterFloor>(*view)) {}
};

void BM_BarChartFramesSideBySide(benchmark::State& state) {
    std::vector<std::unique_ptr<Chart>> charts;
    charts.push_back(
        std::make_unique<Chart>("grouped 3 x 200", groupedChart<BarChartView>(), TwinKind::grouped));
    charts.push_back(std::make_unique<Chart>("stacked 200 x 4", stackedChart(), TwinKind::stacked));
    charts.push_back(std::make_unique<Chart>("horizontal 3 x 200", groupedChart<HorizontalBarChartView>(),
                                             TwinKind::horizontal));
    PanFrame pan;
    const auto visible = longChart(1'000);
    QImage panImage = blankImage();
    QImage visibleImage = blankImage();

    std::vector<bench::Variant> variants;
    for (const auto& chart : charts) {
        Chart& c = *chart;
        variants.push_back({std::string("ours, ") + c.name, [&c] { drawFrame(*c.view, c.ours); }});
        variants.push_back({std::string("Qt Charts, ") + c.name, [&c] { c.peer.draw(c.twin); }});
        variants.push_back({std::string("QPainter, ") + c.name, [&c] { c.floor->draw(c.bare); }});
    }
    variants.push_back({"pan, 100k zoomed to 1 %", [&] { pan.draw(panImage); }});
    variants.push_back({"1k bars, unzoomed", [&] { drawFrame(*visible, visibleImage); }});

    const auto medians = bench::medianMillisecondsPerRound(state, variants, "800 x 600 frame");
    for (std::size_t i = 0; i < charts.size(); ++i) {
        const double ours = medians[3 * i];
        const double overTwin = ours / medians[3 * i + 1];
        const double overFloor = ours / medians[3 * i + 2];
        std::printf("%-20s ours / Qt Charts %.2fx (goal at most 0.5), ours / QPainter %.2fx (goal at most 1.25)\n",
                    charts[i]->name, overTwin, overFloor);
        state.counters[std::string("twin_") + std::to_string(i)] = overTwin;
        state.counters[std::string("floor_") + std::to_string(i)] = overFloor;
    }
    const double panOverVisible = medians[medians.size() - 2] / medians.back();
    std::printf("pan 100k zoomed / 1k visible: %.2fx (goal at most 2)\n\n", panOverVisible);
    state.counters["pan_over_visible"] = panOverVisible;
}
BENCHMARK(BM_BarChartFramesSideBySide)->Iterations(100)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
