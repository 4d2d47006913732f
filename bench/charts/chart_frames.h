#pragma once
// Whole 800 x 600 anti-aliased chart frames for the chart kinds' benchmarks:
// our view drawn through the QPainter back end, and the QPainter floor of
// our frame (painter_floor.h). Qt Charts' twins are drawn by
// bench/support/qt_charts_scene.h.
#include <memory>

#include <QImage>
#include <QPainter>

#include "Charts/drawing/FontMetricsTextMeasurer.h"
#include "Charts/drawing/PainterContext.h"
#include "Charts/drawing/RecordingContext.h"
#include "Charts/views/ChartViewBase.h"
#include "bench/charts/painter_floor.h"
#include "bench/support/qt_application.h"

namespace bench {

constexpr int frameWidth = 800;
constexpr int frameHeight = 600;

inline QImage blankFrame() {
    QImage image(frameWidth, frameHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

inline void beginFrame(QImage& image, QPainter& painter) {
    image.fill(Qt::white);
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
}

// One frame of our view.
inline void drawOurs(charts::ChartViewBase& view, QImage& image) {
    QPainter painter;
    beginFrame(image, painter);
    charts::PainterContext context(painter);
    view.draw(context);
}

// The floor of the view's frame as it stands, recorded with the desktop's
// text metrics.
inline PainterFloor floorOf(charts::ChartViewBase& view) {
    charts::RecordingContext recording(std::make_shared<charts::FontMetricsTextMeasurer>());
    view.draw(recording);
    return PainterFloor(recording);
}

inline void drawFloor(const PainterFloor& floor, QImage& image) {
    QPainter painter;
    beginFrame(image, painter);
    floor.draw(painter);
}

// A bar-line view of many entries zoomed in to 1 % of x about the middle x,
// panned a pixel each frame (back and forth so the visible range stays inside
// the data).
template <class View>
class PanFrame {
public:
    PanFrame(std::unique_ptr<View> view, double middleX) : view_(std::move(view)) {
        view_->zoom(100.0, 1.0, 0.0, 0.0);
        view_->moveViewToX(middleX);
    }
    void draw(QImage& image) {
        view_->performPanChange(charts::Point{(step_++ / 50) % 2 == 0 ? -1.0 : 1.0, 0});
        drawOurs(*view_, image);
    }

private:
    std::unique_ptr<View> view_;
    int step_ = 0;
};

} // namespace bench
