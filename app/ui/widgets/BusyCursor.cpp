#include "app/ui/widgets/BusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace appui {

BusyCursor::BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }

BusyCursor::~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }

} // namespace appui
