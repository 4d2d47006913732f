#include "app/curves/SaveErrorAlert.h"

#include "platform/Log.h"
#include "platform/Services.h"

namespace curves {

void showSaveErrorAlert(const std::string& errorDescription) {
    platform::printToStandardOutput(errorDescription);
    platform::showAlert({platform::AlertStyle::critical, "Error Saving Quad File", errorDescription});
}

} // namespace curves
