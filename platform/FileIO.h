#pragma once
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace platform {

// The outcome of a file operation: success, or the system's description of
// what went wrong.
struct FileResult {
    bool ok = false;
    std::string errorDescription;
    explicit operator bool() const { return ok; }
};

// The file name's extension without the dot, in lower case ("" for none):
// "Wedge.TXT" gives "txt".
std::string lowercasedExtension(const std::filesystem::path& file);

// Writes the bytes whole or not at all: they go to a temporary file beside
// the target, are flushed to disk and then renamed over the target. On any
// failure the target is left as it was and the temporary file is removed.
// An existing target keeps its permissions; a new one gets 0666 under the
// process's umask, as open(2) would give it. Safe to call from any thread.
FileResult writeFileAtomically(const std::filesystem::path& file, std::string_view contents);

// An open regular file, for reading; closed when it goes.
class ReadableFile {
public:
    ReadableFile() = default;
    explicit ReadableFile(int descriptor) : descriptor_(descriptor) {}
    ReadableFile(ReadableFile&& other) noexcept : descriptor_(std::exchange(other.descriptor_, -1)) {}
    ReadableFile& operator=(ReadableFile&& other) noexcept;
    ReadableFile(const ReadableFile&) = delete;
    ReadableFile& operator=(const ReadableFile&) = delete;
    ~ReadableFile();

    bool isOpen() const { return descriptor_ >= 0; }
    int descriptor() const { return descriptor_; }
    // Hands the descriptor over (to a reader that closes it itself).
    int release() { return std::exchange(descriptor_, -1); }

private:
    int descriptor_ = -1;
};

// Opens a regular file for reading, refused as readWholeFile refuses it (in
// its words) when it is anything else or larger than `maxBytes` when opened.
// For readers that take a file in parts rather than whole.
FileResult openRegularFile(const std::filesystem::path& file, ReadableFile& opened,
                           std::size_t maxBytes = std::size_t{256} << 20);

// Reads a whole regular file. Anything else (a folder, a named pipe, a
// device) is refused before it is opened, and so is a file larger than
// `maxBytes`; the description then says which it was. `contents` is replaced
// only on success.
FileResult readWholeFile(const std::filesystem::path& file, std::string& contents,
                         std::size_t maxBytes = std::size_t{256} << 20);

} // namespace platform
