#include "Charts/foundation/PlatformStyle.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPalette>

namespace charts {

QColor labelColor() {
    if (qGuiApp == nullptr) return QColor(Qt::black);
    return QGuiApplication::palette().color(QPalette::WindowText);
}

QFont systemFont(double pointSize) {
    // The font database needs a GUI application; without one the default font
    // is the closest stand-in.
    QFont font = qGuiApp != nullptr ? QFontDatabase::systemFont(QFontDatabase::GeneralFont) : QFont();
    font.setPointSizeF(pointSize);
    return font;
}

} // namespace charts
