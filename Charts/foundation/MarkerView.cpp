#include "Charts/foundation/MarkerView.h"

#include <QImage>

namespace charts {

MarkerView::MarkerView(QWidget* parent) : ChartWidgetBase(parent) {}

Point MarkerView::offsetForDrawing(const Point& point) const {
    const std::shared_ptr<ChartViewInterface> view = chartView_.lock();
    if (!view) return offset_;
    return markerOffsetInside(offset_, point, Size{static_cast<double>(width()), static_cast<double>(height())},
                              view->bounds().size);
}

void MarkerView::draw(DrawingContext& context, const Point& point) {
    const Point shift = offsetForDrawing(point);
    const GStateSaver saved(context);
    context.translateBy(point.x + shift.x, point.y + shift.y);
    if (width() <= 0 || height() <= 0) return;
    // Rendered at twice the size so that it stays sharp on dense screens.
    const qreal scale = 2;
    QImage image(size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    context.drawImage(image, Rect(0, 0, width(), height()));
}

std::shared_ptr<MarkerView> MarkerView::viewFromXib(const QMetaObject& type, const FormBundle& bundle) {
    QString name = QString::fromLatin1(type.className());
    const qsizetype scope = name.lastIndexOf(QLatin1String("::"));
    if (scope >= 0) name = name.mid(scope + 2);
    std::unique_ptr<QWidget> loaded = bundle.load(name);
    MarkerView* view = qobject_cast<MarkerView*>(loaded.get());
    if (view == nullptr) return nullptr;
    loaded.release();
    return std::shared_ptr<MarkerView>(view);
}

} // namespace charts
