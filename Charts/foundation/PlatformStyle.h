#pragma once
#include <QColor>
#include <QFont>

namespace charts {

// The desktop's colour for label text (the application palette's window
// text; black while no GUI application exists).
QColor labelColor();

// The desktop's general font at the given size. Chart sizes are
// device-independent pixels, so the font is sized in pixels (whole ones, at
// least 1), never in typographic points.
QFont systemFont(double size);

} // namespace charts
