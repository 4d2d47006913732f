#pragma once
#include <filesystem>
#include <string>

namespace curves {

// The save road of every export (.quad, .acv, .cube): a save panel for files
// of `fileType` (the extension without the dot) in which folders can be made.
// The panel does not block; when the user confirms, `contents` is written to
// the chosen file whole or not at all, and a failed write ends in
// showSaveErrorAlert. Cancel does nothing.
//
// The file written always carries the kind's extension (fileOfKind), so no
// file holds another kind than its name says. When that changes the chosen
// name into one of a file that exists, the panel the user confirmed asked
// about another file: it opens again on the name the file will have, and so
// asks before that file is replaced.
void saveThroughPanel(const std::string& fileType, std::string contents);

// The chosen file under the kind's extension (`fileType` in lower case): a
// name that ends in it (in any case) is kept; one that ends in another
// export kind's extension (.quad, .acv, .cube) gets the kind's in its place;
// any other name keeps every character, dots included ("Gloss 2.5 warm"),
// and gets the extension added.
std::filesystem::path fileOfKind(const std::filesystem::path& chosen, const std::string& fileType);

// The alert every failed file write ends in: a critical alert "Error Saving
// Quad File" with the system's description of the failure. The description is
// also printed, as the developers read it on standard output.
void showSaveErrorAlert(const std::string& errorDescription);

} // namespace curves
