#pragma once
#include <QColor>

// The drawing platform's named colours where charts use them. Its greys are
// white levels of a third, two thirds and a half, unlike Qt's named greys.
namespace charts::named {

inline QColor black() { return QColor::fromRgbF(0, 0, 0, 1); }
inline QColor white() { return QColor::fromRgbF(1, 1, 1, 1); }
inline QColor clear() { return QColor::fromRgbF(0, 0, 0, 0); }
inline QColor darkGray() { return QColor::fromRgbF(1.0f / 3, 1.0f / 3, 1.0f / 3, 1); }
inline QColor lightGray() { return QColor::fromRgbF(2.0f / 3, 2.0f / 3, 2.0f / 3, 1); }
inline QColor gray() { return QColor::fromRgbF(0.5, 0.5, 0.5, 1); }
inline QColor red() { return QColor::fromRgbF(1, 0, 0, 1); }
inline QColor green() { return QColor::fromRgbF(0, 1, 0, 1); }
inline QColor blue() { return QColor::fromRgbF(0, 0, 1, 1); }
inline QColor cyan() { return QColor::fromRgbF(0, 1, 1, 1); }
inline QColor yellow() { return QColor::fromRgbF(1, 1, 0, 1); }
inline QColor magenta() { return QColor::fromRgbF(1, 0, 1, 1); }
inline QColor orange() { return QColor::fromRgbF(1, 0.5, 0, 1); }
inline QColor purple() { return QColor::fromRgbF(0.5, 0, 0.5, 1); }
inline QColor brown() { return QColor::fromRgbF(0.6f, 0.4f, 0.2f, 1); }

// A grey of the given white level with an alpha.
inline QColor white(double level, double alpha) {
    return QColor::fromRgbF(static_cast<float>(level), static_cast<float>(level), static_cast<float>(level),
                            static_cast<float>(alpha));
}

} // namespace charts::named
