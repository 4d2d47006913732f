#include "Charts/foundation/PlatformStyle.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPalette>

#include "Charts/drawing/TextAttributes.h"

namespace charts {

QColor labelColor() {
    if (qGuiApp == nullptr) return QColor(Qt::black);
    return QGuiApplication::palette().color(QPalette::WindowText);
}

QFont systemFont(double size) {
    // The font database needs a GUI application; without one the default font
    // is the closest stand-in.
    const QFont font = qGuiApp != nullptr ? QFontDatabase::systemFont(QFontDatabase::GeneralFont) : QFont();
    return pixelSizedFont(font, size);
}

} // namespace charts
