#pragma once

class QWidget;

namespace appui {

// Shows a window, puts it above the application's other windows and gives it
// the keyboard: what a second ask for a window the application keeps one of
// does instead of making another.
void bringToFront(QWidget& window);

} // namespace appui
