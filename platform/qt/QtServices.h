#pragma once
#include <memory>

#include "platform/Services.h"

class QWidget;

namespace platform {

// Open and save panels and alerts carried out with Qt dialogs, parented to
// the given window (may be null).
std::shared_ptr<OpenPanel> makeQtOpenPanel(QWidget* parent);
std::shared_ptr<SavePanel> makeQtSavePanel(QWidget* parent);
std::shared_ptr<AlertPresenter> makeQtAlertPresenter(QWidget* parent);

} // namespace platform
