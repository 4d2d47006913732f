#pragma once
// A Qt Charts chart in a scene of its own, drawn whole into an image the way
// the benchmarks draw ours: onto white, anti-aliased, text anti-aliased.
#include <QChart>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>

#include "bench/support/qt_application.h"

namespace bench {

class QtChartScene {
public:
    // The scene takes the chart; it fills width x height.
    QtChartScene(QChart* chart, int width, int height) : width_(width), height_(height) {
        scene_.addItem(chart);
        chart->setGeometry(0, 0, width, height);
        scene_.setSceneRect(0, 0, width, height);
    }

    void draw(QImage& image) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        scene_.render(&painter, QRectF(0, 0, width_, height_), QRectF(0, 0, width_, height_));
    }

private:
    // The application exists before the scene is made.
    bool applicationMade_ = (qtApplication(), true);
    QGraphicsScene scene_;
    int width_;
    int height_;
};

} // namespace bench
