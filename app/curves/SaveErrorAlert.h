#pragma once
#include <string>

namespace curves {

// The alert every failed file write ends in: a critical alert "Error Saving
// Quad File" with the system's description of the failure. The description is
// also printed, as the developers read it on standard output.
void showSaveErrorAlert(const std::string& errorDescription);

} // namespace curves
