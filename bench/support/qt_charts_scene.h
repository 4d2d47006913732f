#pragma once
// A Qt Charts chart in a scene of its own, rendered whole into an image: the
// peer our chart frames are timed beside. The chart is drawn without
// animation, its legend at the bottom.
#include <QChart>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>

#include "bench/support/qt_application.h"

namespace bench {

class QtChartsScene {
public:
    // Takes the chart over.
    QtChartsScene(QChart* chart, int width, int height) : width_(width), height_(height) {
        chart->setAnimationOptions(QChart::NoAnimation);
        chart->legend()->setVisible(true);
        chart->legend()->setAlignment(Qt::AlignBottom);
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
    int width_;
    int height_;
    QGraphicsScene scene_;
};

} // namespace bench
