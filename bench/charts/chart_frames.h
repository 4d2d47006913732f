#pragma once
// Whole 800 x 600 anti-aliased chart frames for the chart kinds' benchmarks:
// our view drawn through the QPainter back end, a Qt Charts chart rendered
// from its scene, and the QPainter floor of our frame (painter_floor.h).
#include <QChart>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>

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

// The floor of the view's frame as it stands.
inline PainterFloor floorOf(charts::ChartViewBase& view) {
    charts::RecordingContext recording;
    view.draw(recording);
    return PainterFloor(recording);
}

inline void drawFloor(const PainterFloor& floor, QImage& image) {
    QPainter painter;
    beginFrame(image, painter);
    floor.draw(painter);
}

// A Qt Charts chart (the scene owns it) at the frame's size, without
// animation, with its legend at the bottom.
class QtChartsScene {
public:
    QtChartsScene() : chart_(new QChart()) {
        chart_->setAnimationOptions(QChart::NoAnimation);
        chart_->legend()->setVisible(true);
        chart_->legend()->setAlignment(Qt::AlignBottom);
        scene_.addItem(chart_);
        chart_->setGeometry(0, 0, frameWidth, frameHeight);
        scene_.setSceneRect(0, 0, frameWidth, frameHeight);
    }
    QChart& chart() { return *chart_; }

    void draw(QImage& image) {
        QPainter painter;
        beginFrame(image, painter);
        scene_.render(&painter, QRectF(0, 0, frameWidth, frameHeight), QRectF(0, 0, frameWidth, frameHeight));
    }

private:
    // The application exists before the scene is made.
    bool applicationMade_ = (qtApplication(), true);
    QGraphicsScene scene_;
    QChart* chart_;
};

} // namespace bench
