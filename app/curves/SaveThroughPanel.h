#pragma once
#include <string>

namespace curves {

// The save road of every export (.quad, .acv, .cube): a save panel for files
// of `fileType` (the extension without the dot) in which folders can be made.
// The panel does not block; when the user confirms, `contents` is written to
// the chosen file whole or not at all, and a failed write ends in
// showSaveErrorAlert. Cancel does nothing.
void saveThroughPanel(const std::string& fileType, std::string contents);

// The alert every failed file write ends in: a critical alert "Error Saving
// Quad File" with the system's description of the failure. The description is
// also printed, as the developers read it on standard output.
void showSaveErrorAlert(const std::string& errorDescription);

} // namespace curves
