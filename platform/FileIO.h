#pragma once
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The outcome of a file operation: success, or the system's description of
// what went wrong.
struct FileResult {
    bool ok = false;
    std::string errorDescription;
    explicit operator bool() const { return ok; }
};

// Writes the bytes whole or not at all: they go to a temporary file beside
// the target, are flushed to disk and then renamed over the target. On any
// failure the target is left as it was and the temporary file is removed.
// An existing target keeps its permissions; a new one gets 0666 under the
// process's umask, as open(2) would give it. Safe to call from any thread.
FileResult writeFileAtomically(const std::filesystem::path& file, std::string_view contents);

// Reads a whole regular file. Anything else (a folder, a named pipe, a
// device) is refused before it is opened, and so is a file larger than
// `maxBytes`; the description then says which it was. `contents` is replaced
// only on success.
FileResult readWholeFile(const std::filesystem::path& file, std::string& contents,
                         std::size_t maxBytes = std::size_t{256} << 20);

} // namespace platform
