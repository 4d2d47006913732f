#include "platform/FileIO.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace platform {
namespace {

FileResult failure(const std::string& what, int error) { return {false, what + ": " + std::strerror(error)}; }

// The process's umask. The kernel reports it in /proc/self/status; where it
// does not, the only way to read it is to set it and put it back, which is
// safe only while no other thread creates files.
mode_t readProcessUmask() {
    if (std::FILE* status = std::fopen("/proc/self/status", "re")) {
        char line[256];
        unsigned int mask = 0;
        bool found = false;
        while (!found && std::fgets(line, sizeof line, status) != nullptr)
            found = std::sscanf(line, "Umask: %o", &mask) == 1;
        std::fclose(status);
        if (found) return static_cast<mode_t>(mask & 0777);
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// Read once rather than set and put back on every write, where a file another
// thread created in between would get no umask at all. The program never
// changes its umask.
mode_t processUmask() {
    static const mode_t mask = readProcessUmask();
    return mask;
}

// Read while the program starts, before it has threads, not at the first write.
[[maybe_unused]] const mode_t umaskAtStartUp = processUmask();

// Mode for a new file: what open(2) would give it (0666 under the umask).
mode_t newFileMode() { return 0666 & ~processUmask(); }

bool writeAll(int fd, std::string_view contents) {
    const char* data = contents.data();
    std::size_t left = contents.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

// What a path that is no regular file is, in the words of the refusal.
std::string kindOfSpecialFile(mode_t mode) {
    if (S_ISDIR(mode)) return "it is a folder.";
    if (S_ISFIFO(mode)) return "it is a named pipe, not a file.";
    if (S_ISSOCK(mode)) return "it is a socket, not a file.";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "it is a device, not a file.";
    return "it is not a regular file.";
}

std::string sizeText(std::size_t bytes) {
    if (bytes >= (std::size_t{1} << 20) && bytes % (std::size_t{1} << 20) == 0)
        return std::to_string(bytes >> 20) + " MB";
    if (bytes >= 1024 && bytes % 1024 == 0) return std::to_string(bytes >> 10) + " kB";
    return std::to_string(bytes) + " bytes";
}

std::string tooLarge(std::size_t maxBytes) { return "it is too large (more than " + sizeText(maxBytes) + ")."; }

// The mkstemp pattern for the temporary file beside `file`: a hidden name
// made of the file's own and a unique ending. Where the file's name is near
// the longest the folder takes, the borrowed part is shortened (at a
// character, not inside one) so the temporary name fits as well; mkstemp
// keeps it unique, and it stays in the same folder so the rename is atomic.
std::string temporaryNamePattern(const std::filesystem::path& directory, const std::filesystem::path& file) {
    static constexpr std::string_view prefix = ".";
    static constexpr std::string_view unique = ".XXXXXX";
    const long folderLimit = ::pathconf(directory.c_str(), _PC_NAME_MAX);
    const std::size_t nameMax = folderLimit > 0 ? static_cast<std::size_t>(folderLimit) : 255;
    std::string stem = file.filename().string();
    const std::size_t room = nameMax > prefix.size() + unique.size() ? nameMax - prefix.size() - unique.size() : 1;
    if (stem.size() > room) {
        std::size_t cut = room;
        while (cut > 1 && (static_cast<unsigned char>(stem[cut]) & 0xC0) == 0x80) --cut;
        stem.resize(cut);
    }
    return (directory / (std::string(prefix) + stem + std::string(unique))).string();
}

} // namespace

std::string lowercasedExtension(const std::filesystem::path& file) {
    std::string extension = file.extension().string();
    if (!extension.empty() && extension.front() == '.') extension.erase(0, 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

FileResult writeFileAtomically(const std::filesystem::path& file, std::string_view contents) {
    if (file.empty() || !file.has_filename()) return {false, "No file name was given."};
    const auto directory = file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    const std::string pattern = temporaryNamePattern(directory, file);
    std::vector<char> tempName(pattern.begin(), pattern.end());
    tempName.push_back('\0');

    const int fd = ::mkstemp(tempName.data());
    if (fd < 0) return failure("The file \"" + file.filename().string() + "\" couldn't be saved", errno);

    struct stat existing {};
    const mode_t mode = ::stat(file.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : newFileMode();

    auto abandon = [&](const std::string& what) {
        const int error = errno;
        ::close(fd);
        ::unlink(tempName.data());
        return failure(what, error);
    };
    const std::string what = "The file \"" + file.filename().string() + "\" couldn't be saved";
    if (::fchmod(fd, mode) != 0) return abandon(what);
    if (!writeAll(fd, contents)) return abandon(what);
    if (::fsync(fd) != 0) return abandon(what);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(tempName.data());
        return failure(what, error);
    }
    if (::rename(tempName.data(), file.c_str()) != 0) {
        const int error = errno;
        ::unlink(tempName.data());
        return failure(what, error);
    }
    return {true, {}};
}

ReadableFile& ReadableFile::operator=(ReadableFile&& other) noexcept {
    if (this != &other) {
        if (descriptor_ >= 0) ::close(descriptor_);
        descriptor_ = std::exchange(other.descriptor_, -1);
    }
    return *this;
}

ReadableFile::~ReadableFile() {
    if (descriptor_ >= 0) ::close(descriptor_);
}

FileResult openRegularFile(const std::filesystem::path& file, ReadableFile& opened, std::size_t maxBytes) {
    const std::string what = "The file \"" + file.filename().string() + "\" couldn't be opened";
    // Only regular files are read, and that is settled before opening: opening
    // a named pipe waits for a writer, and a device never ends.
    struct stat before {};
    if (::stat(file.c_str(), &before) != 0) return failure(what, errno);
    if (!S_ISREG(before.st_mode)) return {false, what + ": " + kindOfSpecialFile(before.st_mode)};
    if (before.st_size < 0 || static_cast<std::uintmax_t>(before.st_size) > maxBytes)
        return {false, what + ": " + tooLarge(maxBytes)};

    // Opened without waiting, and checked again on the open file, in case the
    // path was replaced by something else in between.
    ReadableFile candidate(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!candidate.isOpen()) return failure(what, errno);
    struct stat now {};
    if (::fstat(candidate.descriptor(), &now) != 0) return failure(what, errno);
    if (!S_ISREG(now.st_mode)) return {false, what + ": " + kindOfSpecialFile(now.st_mode)};
    if (now.st_size < 0 || static_cast<std::uintmax_t>(now.st_size) > maxBytes)
        return {false, what + ": " + tooLarge(maxBytes)};
    opened = std::move(candidate);
    return {true, {}};
}

FileResult readWholeFile(const std::filesystem::path& file, std::string& contents, std::size_t maxBytes) {
    ReadableFile opened;
    if (auto result = openRegularFile(file, opened, maxBytes); !result) return result;
    const std::string what = "The file \"" + file.filename().string() + "\" couldn't be opened";
    struct stat status {};
    if (::fstat(opened.descriptor(), &status) != 0) return failure(what, errno);

    // Read to the end rather than trust the size: a file that grows while it
    // is read is still held to the limit.
    std::string buffer;
    buffer.reserve(static_cast<std::size_t>(status.st_size));
    char chunk[65536];
    while (true) {
        const ssize_t got = ::read(opened.descriptor(), chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR) continue;
            return failure(what, errno);
        }
        if (got == 0) break;
        if (buffer.size() + static_cast<std::size_t>(got) > maxBytes) return {false, what + ": " + tooLarge(maxBytes)};
        buffer.append(chunk, static_cast<std::size_t>(got));
    }
    contents = std::move(buffer);
    return {true, {}};
}

} // namespace platform
