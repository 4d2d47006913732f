#pragma once
#include <QColor>
#include <QFont>

namespace charts {

// The desktop's colour for label text (the application palette's window
// text; black while no GUI application exists).
QColor labelColor();

// The desktop's general font at the given point size.
QFont systemFont(double pointSize);

} // namespace charts
