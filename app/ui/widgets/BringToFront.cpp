#include "app/ui/widgets/BringToFront.h"

#include <QWidget>

namespace appui {

void bringToFront(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace appui
